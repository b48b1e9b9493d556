#include "saves/GameLoggerClass.h"

#include "saves/PlayerNames.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr size_t LevelEntrySize = 48;
constexpr size_t AmountsOffset = 4;
constexpr size_t LevelFileOffset = 24;
constexpr size_t AmountSize = 4;
constexpr size_t UpgradesOffset = IslandCount * LevelsPerIsland * LevelEntrySize;
constexpr size_t UpgradeSize = 4;
static_assert(UpgradesOffset + IslandCount * SlotsPerIsland * UpgradeSize == GameLogRecordSize);

constexpr int SecondsPerMinute = 60;
constexpr const char* AmountLabels[ElementKindCount] = {
    "      Fruit:    ", "      Flower:   ", "      Potion:   ", "      GoldTile: ",
    "      Spider:   "};

constexpr auto Fields = [](const auto& io, auto& record) {
    for (size_t level = 0; level < record.Levels.size(); ++level) {
        const size_t entry = level * LevelEntrySize;
        io.Field(entry, record.Levels[level].Seconds);
        for (size_t kind = 0; kind < ElementKindCount; ++kind)
            io.Field(entry + AmountsOffset + kind * AmountSize, record.Levels[level].Amounts[kind]);
        io.Field(entry + LevelFileOffset, LevelFileNameLength, record.Levels[level].LevelFile);
    }
    for (size_t upgrade = 0; upgrade < record.Upgrades.size(); ++upgrade)
        io.Field(UpgradesOffset + upgrade * UpgradeSize, record.Upgrades[upgrade]);
};

// The index of an entry, or nothing for a place the log has no entry for.
std::optional<size_t> EntryIndex(int island, int place, int places) {
    if (island < 1 || island > static_cast<int>(IslandCount) || place < 1 || place > places)
        return std::nullopt;
    return static_cast<size_t>((island - 1) * places + (place - 1));
}

std::string TwoDigits(long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", value);
    return text;
}

// Rounded half to even; a value that is no number prints as what it is, never as garbage.
std::string Rounded(double amount) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", std::nearbyint(amount));
    return text;
}

void AppendAmounts(std::string& text, const double (&amounts)[ElementKindCount]) {
    for (size_t kind = 0; kind < ElementKindCount; ++kind)
        text += AmountLabels[kind] + Rounded(amounts[kind]) + "\n";
}

void AppendLevel(std::string& text, int island, int level, const TLevelLogEntry& entry,
                 double (&totals)[ElementKindCount]) {
    const int32_t seconds = entry.Seconds;
    text += "LEVEL " + std::to_string(island) + "-" + TwoDigits(level) +
            " <actual file: " + entry.LevelFile + ">\n";
    text += "   Time: " + std::to_string(seconds) + " seconds [" +
            std::to_string(seconds / SecondsPerMinute) + ":" +
            TwoDigits(seconds % SecondsPerMinute) + "]\n";
    double amounts[ElementKindCount];
    for (size_t kind = 0; kind < ElementKindCount; ++kind) {
        amounts[kind] = entry.Amounts[kind];
        totals[kind] += amounts[kind];
    }
    AppendAmounts(text, amounts);
    text += "-- TOTAL -->\n";
    AppendAmounts(text, totals);
    text += "\n\n";
}

} // namespace

TGameLogRecord DecodeGameLog(std::span<const uint8_t> bytes) {
    return DecodeFields<TGameLogRecord>(bytes, Fields);
}

TRecordBytes EncodeGameLog(const TGameLogRecord& record) {
    return EncodeFields(record, GameLogRecordSize, Fields);
}

std::string GameLogText(const TGameLogRecord& record) {
    std::string text;
    double totals[ElementKindCount] = {};
    for (int island = 1; island <= static_cast<int>(IslandCount); ++island)
        for (int level = 1; level <= LevelsPerIsland; ++level) {
            const TLevelLogEntry& entry =
                record.Levels[*EntryIndex(island, level, LevelsPerIsland)];
            if (entry.Seconds > 0) AppendLevel(text, island, level, entry, totals);
        }
    text += "\n ============ BUYING UPGRADES ============\n\n\n";
    for (int island = 1; island <= static_cast<int>(IslandCount); ++island) {
        for (int slot = 1; slot <= static_cast<int>(SlotsPerIsland); ++slot) {
            const int32_t level = record.Upgrades[*EntryIndex(island, slot, SlotsPerIsland)];
            if (level > 0)
                text += "Slot " + std::to_string(island) + "-" + std::to_string(slot) +
                        ":   at level " + std::to_string(island) + "-" + TwoDigits(level) + "\n";
        }
        text += "\n";
    }
    return text;
}

void TGameLogger::SetPlayerName(const std::string& name) {
    playerName_ = name;
    fileName_ = PlayerFilePath(Folder, name, GameLogSuffix);
    record_ = {};
    if (fileName_.empty()) return;
    const TReadRecord read = ReadRecordFile(fileName_, {GameLogRecordSize, true, true}, OnLog);
    if (read.State == TRecordState::Read) record_ = DecodeGameLog(read.Bytes);
}

void TGameLogger::LogRound(int island, int level, const std::string& levelFile,
                           const std::array<float, ElementKindCount>& amounts, int32_t seconds) {
    const std::optional<size_t> index = EntryIndex(island, level, LevelsPerIsland);
    if (!Writable() || !index) return;
    record_.Levels[*index] = {seconds, amounts, levelFile.substr(0, LevelFileNameLength)};
    Write();
}

void TGameLogger::LogUpgrade(int island, int slot, int32_t level) {
    const std::optional<size_t> index = EntryIndex(island, slot, SlotsPerIsland);
    if (!Writable() || !index) return;
    record_.Upgrades[*index] = level;
    Write();
}

void TGameLogger::Write() {
    const std::string text = GameLogText(record_);
    const std::string textFile = PlayerFilePath(Folder, playerName_, GameLogTextSuffix);
    if (WriteRecordFile(fileName_, EncodeGameLog(record_), OnLog))
        WriteRecordFile(
            textFile, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), OnLog);
}
