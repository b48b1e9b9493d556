// tovan-sim: plays rounds of a level headless and prints one line (or JSON object) per round,
// then what they came to. Exit 0 when every round ran to its end, 1 on any error.
#include "SimCampaign.h"
#include "SimOptions.h"
#include "board/LevelParamsClass.h"
#include "progression/SlotPricesFile.h"

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

std::vector<TSimRound> PlayRounds(const TSimOptions& options) {
    std::vector<TSimRound> rounds;
    for (int index = 0; index < options.Rounds; ++index)
        rounds.push_back(PlaySimRound(options.Settings, options.Seed + index));
    return rounds;
}

// Every level of the game, one line of progress each on stderr, then the table; 1 when a level
// is won in none of its rounds, a round fails or the chart cannot be written.
int PlayCampaign(TSimOptions options) {
    const fs::path game = GameFolder(options);
    const std::vector<TCampaignLevel> levels = CampaignLevels(game);
    if (levels.empty()) {
        std::cerr << "tovan-sim: no level files in " << (game / "Levels").string() << "\n";
        return 1;
    }
    std::vector<TLevelReport> reports;
    bool failed = false;
    for (const TCampaignLevel& level : levels) {
        options.Settings.Island = level.Island;
        options.Settings.Level = level.Level;
        TSimProgramFolder folder(game);
        const std::string error = folder.PlaceLevel(level.File, options.Settings);
        if (!error.empty()) {
            std::cerr << "tovan-sim: " << error << "\n";
            return 1;
        }
        options.Settings.ProgramFolder = folder.Path();
        const std::string label = LevelLabel(options.Settings);
        const std::vector<TSimRound> rounds = PlayRounds(options);
        reports.push_back(ReportLevel(label, level.Island, rounds));
        std::cerr << SummaryText(label, rounds, 0) << "\n";
        failed = failed || reports.back().Won == 0 || reports.back().Errors > 0;
    }
    const TSlotPricesRead prices = ReadSlotPricesFile((game / SlotPricesFileName).string());
    if (!prices.Problem.empty()) std::cerr << "tovan-sim: " << prices.Problem << "\n";
    std::cout << CampaignTable(reports, IslandPurses(reports, prices.Prices));
    if (!options.Chart.empty()) {
        const std::string error = DrawCampaignChart(reports, options.Chart);
        if (!error.empty()) {
            std::cerr << "tovan-sim: " << error << "\n";
            return 1;
        }
    }
    return failed ? 1 : 0;
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
    if (options.Campaign) return PlayCampaign(options);
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
