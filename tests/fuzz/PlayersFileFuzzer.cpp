// Any bytes as a player list: only usable names survive loading, none of them leads out of the
// data folder, and the record reads back as it was written.
#include "SaveFuzzing.h"
#include "saves/PlayerNames.h"
#include "saves/PlayersFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPlayersRecord record = DecodePlayersRecord(WholeRecord(data, size, PlayersRecordSize));
    CheckRoundTrip(record, DecodePlayersRecord, EncodePlayersRecord);
    DropUnusableNames(record);
    for (const std::string& name : record.Slots) {
        if (name.empty()) continue;
        const std::string path = PlayerFilePath("data/", name, ".sav");
        if (!IsUsablePlayerName(name) || path.find('/', 5) != std::string::npos ||
            path.find("..") != std::string::npos)
            std::abort();
        if (PlayerNameOfFile(path.substr(5), ".sav") != name) std::abort();
    }
    return 0;
}
