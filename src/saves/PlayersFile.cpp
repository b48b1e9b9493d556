#include "saves/PlayersFile.h"

#include "saves/PlayerNames.h"
#include "saves/PlayerSaveRecord.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

constexpr size_t SlotSize = 1 + PlayerNameLength;
constexpr size_t SelectedNameOffset = PlayerSlotCount * SlotSize;
static_assert(SelectedNameOffset + 1 + SelectedNameLength == PlayersRecordSize);

constexpr auto Fields = [](const auto& io, auto& record) {
    for (size_t slot = 0; slot < PlayerSlotCount; ++slot)
        io.Field(slot * SlotSize, PlayerNameLength, record.Slots[slot]);
    io.Field(SelectedNameOffset, SelectedNameLength, record.SelectedName);
};

// The players whose save files lie in the folder, in name order, as many as the list holds.
TPlayersRecord PlayersOfSaveFiles(const std::string& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const auto name = PlayerNameOfFile(entry.path().filename().string(), PlayerSaveSuffix);
        if (name) names.insert(*name);
    }
    TPlayersRecord record;
    std::copy_n(names.begin(), std::min(names.size(), PlayerSlotCount), record.Slots.begin());
    return record;
}

// A list made at load time: an empty one is an empty file, as when the game starts afresh.
bool WritePlayers(const std::string& path, const TPlayersRecord& record, const TSaveLog& log) {
    const bool empty = record == TPlayersRecord{};
    return WriteRecordFile(path, empty ? TRecordBytes{} : EncodePlayersRecord(record), log);
}

} // namespace

TPlayersRecord DecodePlayersRecord(std::span<const uint8_t> bytes) {
    return DecodeFields<TPlayersRecord>(bytes, Fields);
}

TRecordBytes EncodePlayersRecord(const TPlayersRecord& record) {
    return EncodeFields(record, PlayersRecordSize, Fields);
}

void DropUnusableNames(TPlayersRecord& record) {
    for (std::string& name : record.Slots)
        if (!IsUsablePlayerName(name)) name.clear();
    if (!IsUsablePlayerName(record.SelectedName)) record.SelectedName.clear();
}

TPlayersRecord LoadPlayers(const std::string& folder, const TSaveLog& log) {
    const std::string path = InFolder(folder, PlayersFileName);
    const TReadRecord read = ReadRecordFile(path, {PlayersRecordSize, true, false}, log);
    TPlayersRecord record;
    if (read.State == TRecordState::Read) {
        record = DecodePlayersRecord(read.Bytes);
        DropUnusableNames(record);
        return record;
    }
    if (read.State == TRecordState::KeptAside) record = PlayersOfSaveFiles(folder);
    WritePlayers(path, record, log);
    return record;
}

bool SavePlayers(const std::string& folder, const TPlayersRecord& record, const TSaveLog& log) {
    return WriteRecordFile(InFolder(folder, PlayersFileName), EncodePlayersRecord(record), log);
}
