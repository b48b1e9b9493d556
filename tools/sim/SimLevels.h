#pragma once
// What a run plays: one level, or every level file of a folder taken in turn; and the process's
// resident memory, which a long run of rounds reports to show it does not grow.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct TSimLevel {
    std::filesystem::path File;
    uint8_t Island = 1;
    int Level = 1;
    std::string Label; // "1-02"
};

// `level`: a level of the game ("1-02", read from `game`/Levels), the path of a level file, or a
// folder whose level files (Level1-02.zel) are all played, in island and level order. Empty
// text, or one line saying what is wrong.
std::string FindSimLevels(const std::string& level, const std::filesystem::path& game,
                          std::vector<TSimLevel>& levels);

// The rounds after which a long run tells its memory: the first, the middle one and the last.
bool IsMemoryCheckpoint(int played, int rounds);

// The process's resident memory in kilobytes; 0 where the system does not tell it.
long ResidentKilobytes();
