#pragma once
// The campaign proof: every level beside the game played over a number of seeds, what each
// came to, whether the purse after each island buys its four slots, and a chart of the curve.
#include "SimRound.h"
#include "progression/ElementsCount.h"

#include <filesystem>
#include <string>
#include <vector>

struct TCampaignLevel {
    std::filesystem::path File;
    uint8_t Island = 1;
    int Level = 1;
};

// The game's level files ("Levels/Level<i>-<nn>.zel"), island by island, level by level.
std::vector<TCampaignLevel> CampaignLevels(const std::filesystem::path& game);

// What the rounds of one level came to. Time shares are of the round time, in percent; the
// median and worst are over the won rounds.
struct TLevelReport {
    std::string Label; // "1-04"
    uint8_t Island = 1;
    int Rounds = 0;
    int Won = 0;
    int Errors = 0;
    double MedianShare = 0;
    double WorstShare = 0;
    int Medals[3] = {}; // gold, silver, bronze
    double MedianMoves = 0;
    double MedianGathered = 0; // elements, gold tiles, potions and spiders of a won round
    TElementsCount Earned{};   // the mean pay of a won round, by kind
    bool RelaxedEnds = true;   // a round without its clock still comes to an end
};

TLevelReport ReportLevel(const std::string& label, uint8_t island,
                         const std::vector<TSimRound>& rounds);

// Whether a player who wins every level in turn buys each island's four slots with what the
// levels pay (and the bundles of the islands before), island by island.
struct TIslandPurse {
    int Island = 0;
    TElementsCount Purse{}; // before buying the island's slots
    TElementsCount Prices{};
    bool Buys = false;
};
std::vector<TIslandPurse> IslandPurses(const std::vector<TLevelReport>& levels,
                                       const TSlotPrices& prices);

std::string CampaignTable(const std::vector<TLevelReport>& levels,
                          const std::vector<TIslandPurse>& purses);

// Win rate and median time share per level, islands marked; what went wrong, or "".
std::string DrawCampaignChart(const std::vector<TLevelReport>& levels,
                              const std::filesystem::path& png);
