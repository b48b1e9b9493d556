#pragma once
// Helpers of the level tests: a scratch folder, a record with every value distinct, and a way
// to run the level tool.
#include "ToolRun.h"
#include "board/LevelFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace levels_test {

// A fresh folder that is removed again at the end of the test.
class TScratchFolder {
public:
    TScratchFolder() {
        static int count = 0;
        Path = std::filesystem::temp_directory_path() /
               ("tovan-levels-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~TScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    // The full path of a file in the folder.
    std::string operator/(const std::string& name) const { return (Path / name).string(); }
    // Folder path ending in a separator, as TLevelParams wants it.
    std::string Folder() const { return Path.string() + "/"; }

private:
    std::filesystem::path Path;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Bytes(const TLevelRecord& record) {
    const auto bytes = EncodeLevelRecord(record);
    return {bytes.begin(), bytes.end()};
}

// A sound boss level in which every single value differs from every other, and the grids
// differ from each other, so a value read from the wrong place shows.
inline TLevelRecord DistinctRecord() {
    TLevelRecord record;
    record[lfObjective] = goBossMode; // targets are not checked against the elements then
    for (int f = lfTargetBananas; f <= lfTargetSpiders; ++f) record.Fields[f] = 10 + f;
    record[lfTime] = 600;
    record[lfSpiderFruitsInterval] = 31;
    record[lfMaxSpidersOnBoard] = 17;
    record[lfMaxWebs] = 150;
    record[lfOneWebEveryProb] = 33;
    record[lfFullRequiredFruits] = 34;
    record[lfOneUniFruitEveryInterval] = 35;
    record[lfMaxUniFruitOnBoard] = 201;
    record[lfBonusElementKind] = elGoldTile;
    record[lfBonusElementCount] = 37;
    record[lfBossEnergy] = 38;
    record[lfBossRefTimeForAbsorbAttempt] = 39000;
    record[lfBossHitsToCancelAbsorbAttempt] = 40;
    record[lfBossOneAbsorbedTime] = 41;
    record[lfBossPreparingTime] = 42000;
    record[lfBossAbsorbingTime] = 43000;
    record[lfBossFinishingTime] = 44000;
    for (int code : {1, 2, 5, 9, 13, 16, 18}) record.ElementSet.Include(code);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = record.Board(x, y);
            tile.ObjectKind = static_cast<uint8_t>((x * 3 + y) % 5);
            tile.BackgroundStyle = static_cast<uint8_t>(x % 4 == 0 ? 0 : 1 + (x + y) % 9);
            if (!tile.IsPlayable()) continue;
            tile.ChainLevel = static_cast<uint8_t>((x * y) % 3);
            tile.Web = static_cast<uint8_t>(y % 3 == 1 ? 2 + x % 8 : 0);
            tile.FruitBomb = static_cast<uint8_t>((x + 2 * y) % 7 == 0 ? 3 : 0);
            record.FrameLayers(x, y) = static_cast<uint8_t>(1 + (x + y) % 2);
            // Row 12 is the bottom: nothing can hold a potion up there.
            if (y == BoardRows) record.PotionCells(x, y) = static_cast<uint8_t>(1 + x % 9);
        }
    return record;
}

// Runs tovan-level with the given arguments. With `stdoutFile` its standard output goes there,
// and only the error output is kept.
inline TToolRun RunLevelTool(const std::vector<std::string>& arguments,
                             const std::string& stdoutFile = {}) {
    return RunTool(TOVAN_LEVEL_TOOL, arguments, stdoutFile);
}

} // namespace levels_test
