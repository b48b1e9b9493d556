#pragma once
// The readable source of the slot prices (content/economy/README.md describes it), and the
// estimate that each island's works can be paid from what its levels pay.
#include "LevelSource.h"
#include "progression/ElementsCount.h"

#include <array>
#include <string>
#include <vector>

struct TPriceSource {
    TSlotPrices Prices{};
    // The levels each island will have.
    std::array<int, BuyIslands> PlannedLevels{};
};

// Reads a prices source; false with every problem, one "<file>:<line>: ..." line each.
bool ParsePriceSource(const std::string& file, const std::string& text, TPriceSource& source,
                      std::vector<std::string>& problems);

// What a won level pays at least: its targets, its gold tiles and its potions (no gold-medal
// bonus, no element beyond its targets).
TElementsCount LevelEarningsEstimate(const TLevelRecord& level);

struct TIslandEstimate {
    int Sources = 0;          // level sources of the island given
    TElementsCount Earned{};  // their estimate, scaled up to the planned levels
    TElementsCount Prices{};  // the four works
    TElementsCount Covered{}; // carried over plus earned plus bundles before it
    bool Checked = false;     // false: no level sources of this island or of one before
    bool Affordable = false;
};

// The levels by island (index 0 = island 1); each island's works against the goods its levels
// and every island before it pay, minus what was spent before, plus their bundles.
std::array<TIslandEstimate, BuyIslands>
EstimateIslands(const TPriceSource& source,
                const std::array<std::vector<TLevelRecord>, BuyIslands>& levels);
