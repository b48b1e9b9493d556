// tovan-sim: plays rounds of a level headless and prints one line (or JSON object) per round,
// then what they came to. Exit 0 when every round ran to its end, 1 on any error.
#include "SimOptions.h"
#include "board/LevelParamsClass.h"

#include <ctime>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

// The built game beside the tools (build/tools/tovan-sim, build/game/).
fs::path DefaultGameFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path("game") : program.parent_path().parent_path() / "game";
}

fs::path GameFolder(const TSimOptions& options) {
    return options.GameFolder.empty() ? DefaultGameFolder() : fs::path(options.GameFolder);
}

fs::path LevelFile(const TSimOptions& options) {
    if (fs::exists(options.Level)) return options.Level;
    return GameFolder(options) / "Levels" /
           TLevelParams::LevelFileName(options.Settings.Island, options.Settings.Level);
}

std::string LevelLabel(const TSimSettings& settings) {
    char label[16];
    std::snprintf(label, sizeof label, "%d-%02d", settings.Island, settings.Level);
    return label;
}

} // namespace

int main(int argc, char** argv) {
    TSimOptions options;
    std::string error;
    if (!ParseSimOptions({argv + 1, argv + argc}, options, error)) {
        std::cerr << "tovan-sim: " << error << "\n" << SimUsage;
        return 1;
    }
    if (options.Help) {
        std::cout << SimUsage;
        return 0;
    }
    TSimProgramFolder folder(GameFolder(options));
    error = folder.PlaceLevel(LevelFile(options), options.Settings);
    if (!error.empty()) {
        std::cerr << "tovan-sim: " << error << "\n";
        return 1;
    }
    options.Settings.ProgramFolder = folder.Path();
    const std::string label = LevelLabel(options.Settings);
    std::vector<TSimRound> rounds;
    bool failed = false;
    const std::clock_t start = std::clock();
    for (int index = 0; index < options.Rounds; ++index) {
        const TSimRound round = PlaySimRound(options.Settings, options.Seed + index);
        failed = failed || round.Result == TSimResult::Error;
        std::cout << (options.Json ? RoundJson(label, round) : RoundLine(label, round)) << "\n";
        rounds.push_back(round);
    }
    const double cpuSeconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    // With --json the standard output holds the rounds only.
    (options.Json ? std::cerr : std::cout) << SummaryText(label, rounds, cpuSeconds) << "\n";
    return failed ? 1 : 0;
}
