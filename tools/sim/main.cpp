// tovan-sim: plays rounds of a level, or of every level of a folder in turn, headless and prints
// one line (or JSON object) per round, then what they came to. Exit 0 when every round ran to its
// end, 1 on any error.
#include "SimLevels.h"
#include "SimOptions.h"

#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>

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

// Every level's file where the game looks for it; what went wrong, or an empty text.
std::string PlaceLevels(const TSimProgramFolder& folder, const std::vector<TSimLevel>& levels,
                        TSimSettings settings) {
    for (const TSimLevel& level : levels) {
        settings.Island = level.Island;
        settings.Level = level.Level;
        const std::string error = folder.PlaceLevel(level.File, settings);
        if (!error.empty()) return error;
    }
    return "";
}

// What a level's rounds came to, and the CPU time they took.
struct TLevelRounds {
    std::vector<TSimRound> Rounds;
    std::clock_t Cpu = 0;
};

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
    std::vector<TSimLevel> levels;
    TSimProgramFolder folder(GameFolder(options));
    error = FindSimLevels(options.Level, GameFolder(options), levels);
    if (error.empty()) error = PlaceLevels(folder, levels, options.Settings);
    if (!error.empty()) {
        std::cerr << "tovan-sim: " << error << "\n";
        return 1;
    }
    options.Settings.ProgramFolder = folder.Path();
    // With --json the standard output holds the rounds only.
    std::ostream& report = options.Json ? std::cerr : std::cout;
    std::map<std::string, TLevelRounds> played;
    bool failed = false;
    for (int index = 0; index < options.Rounds; ++index) {
        const TSimLevel& level = levels[static_cast<size_t>(index) % levels.size()];
        options.Settings.Island = level.Island;
        options.Settings.Level = level.Level;
        const std::clock_t start = std::clock();
        const TSimRound round = PlaySimRound(options.Settings, options.Seed + index);
        TLevelRounds& rounds = played[level.Label];
        rounds.Cpu += std::clock() - start;
        rounds.Rounds.push_back(round);
        failed = failed || round.Result == TSimResult::Error;
        // A line as each round ends: what a long run has played shows, even if it dies.
        std::cout << (options.Json ? RoundJson(level.Label, round) : RoundLine(level.Label, round))
                  << std::endl;
        if (options.Memory && IsMemoryCheckpoint(index + 1, options.Rounds))
            report << "memory after round " << index + 1 << " of " << options.Rounds << ": "
                   << ResidentKilobytes() << " kB resident" << std::endl;
    }
    for (const auto& [label, rounds] : played)
        report << SummaryText(label, rounds.Rounds,
                              static_cast<double>(rounds.Cpu) / CLOCKS_PER_SEC)
               << "\n";
    return failed ? 1 : 0;
}
