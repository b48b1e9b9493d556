#include "SimLevels.h"

#include "SimOptions.h"
#include "board/LevelParamsClass.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string LevelLabel(uint8_t island, int level) {
    char label[16];
    std::snprintf(label, sizeof label, "%d-%02d", island, level);
    return label;
}

TSimLevel LevelOf(const fs::path& file, uint8_t island, int level) {
    return {file, island, level, LevelLabel(island, level)};
}

std::string LevelsInFolder(const fs::path& folder, std::vector<TSimLevel>& levels) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        uint8_t island = 0;
        int level = 0;
        const std::string name = entry.path().filename().string();
        // Only level files: "1-02" alone would name a level too.
        if (name.rfind("Level", 0) != 0 || !ParseLevelName(name, island, level)) continue;
        levels.push_back(LevelOf(entry.path(), island, level));
    }
    if (error) return "cannot read " + folder.string() + ": " + error.message();
    if (levels.empty()) return "no level files (Level1-01.zel) in " + folder.string();
    std::ranges::sort(levels, [](const TSimLevel& a, const TSimLevel& b) {
        return a.Island != b.Island ? a.Island < b.Island : a.Level < b.Level;
    });
    return "";
}

} // namespace

std::string FindSimLevels(const std::string& level, const fs::path& game,
                          std::vector<TSimLevel>& levels) {
    levels.clear();
    std::error_code error;
    if (fs::is_directory(level, error)) return LevelsInFolder(level, levels);
    uint8_t island = 0;
    int variant = 0;
    if (!ParseLevelName(level, island, variant)) return "not a level name: " + level;
    const fs::path file = fs::exists(level, error)
                              ? fs::path(level)
                              : game / "Levels" / TLevelParams::LevelFileName(island, variant);
    levels.push_back(LevelOf(file, island, variant));
    return "";
}

bool IsMemoryCheckpoint(int played, int rounds) {
    return played == 1 || played == (rounds + 1) / 2 || played == rounds;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        long kilobytes = 0;
        std::istringstream(line.substr(line.find(':') + 1)) >> kilobytes;
        return kilobytes;
    }
    return 0;
}
