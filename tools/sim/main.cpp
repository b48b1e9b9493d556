// tovan-sim: plays rounds of a level, or of every level of a folder in turn, headless and prints
// one line (or JSON object) per round, then what they came to; or the whole campaign's table.
// Exit 0 when every round ran to its end, 1 on any error.
#include "SimCampaign.h"
#include "SimLevels.h"
#include "SimOptions.h"
#include "progression/SlotPricesFile.h"

#include <cstdio>
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

std::string LevelLabel(const TSimSettings& settings) {
    char label[16];
    std::snprintf(label, sizeof label, "%d-%02d", settings.Island, settings.Level);
    return label;
}

// What a level's rounds came to, and the CPU time they took.
struct TLevelRounds {
    std::vector<TSimRound> Rounds;
    std::clock_t Cpu = 0;
};

std::vector<TSimRound> PlayRounds(const TSimOptions& options) {
    std::vector<TSimRound> rounds;
    for (int index = 0; index < options.Rounds; ++index)
        rounds.push_back(PlaySimRound(options.Settings, options.Seed + index));
    return rounds;
}

// One round of the level without its clock, on the first seed: it must come to an end.
bool RelaxedRoundEnds(const TSimOptions& options) {
    TSimSettings relaxed = options.Settings;
    relaxed.Relaxed = true;
    return PlaySimRound(relaxed, options.Seed).Result != TSimResult::Error;
}

// Every level of the game, one line of progress each on stderr, then the table; 1 when a level
// is won in none of its rounds, a round fails, a round without its clock never ends or the chart
// cannot be written.
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
        const std::clock_t start = std::clock();
        const std::vector<TSimRound> rounds = PlayRounds(options);
        const double cpuSeconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        reports.push_back(ReportLevel(label, level.Island, rounds));
        reports.back().RelaxedEnds = RelaxedRoundEnds(options);
        std::cerr << SummaryText(label, rounds, cpuSeconds) << "\n";
        failed = failed || reports.back().Won == 0 || reports.back().Errors > 0 ||
                 !reports.back().RelaxedEnds;
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
