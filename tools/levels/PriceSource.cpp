#include "PriceSource.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

constexpr std::array<const char*, ElementKinds> KindNames = {"fruit", "flower", "potion",
                                                             "goldtile", "spider"};
constexpr int MostPlannedLevels = 999;
// A price the purse can never reach is a typing error.
constexpr int HighestPrice = 1000000;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool WholeNumber(const std::string& word, int& value) {
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

int KindOf(const std::string& word) {
    for (size_t kind = 0; kind < ElementKinds; ++kind)
        if (word == KindNames[kind]) return static_cast<int>(kind);
    return -1;
}

struct TParser {
    const std::string& File;
    TPriceSource& Source;
    std::vector<std::string>& Problems;
    std::array<std::array<int, SlotsPerBuyIsland>, BuyIslands> SlotLines{};
    std::array<int, BuyIslands> LevelLines{};
    int Line = 0;

    void Problem(const std::string& text) { Problems.push_back(SourceMessage(File, Line, text)); }

    bool Island(const std::string& word, int& island) {
        if (WholeNumber(word, island) && island >= 1 && island <= BuyIslands) return true;
        Problem("no island 1..5: " + word);
        return false;
    }

    void Levels(const std::vector<std::string>& words) {
        int island = 0;
        int count = 0;
        if (words.size() != 3) return Problem("levels takes an island and a count");
        if (!Island(words[1], island)) return;
        if (!WholeNumber(words[2], count) || count < 1 || count > MostPlannedLevels)
            return Problem("no level count 1.." + std::to_string(MostPlannedLevels) + ": " +
                           words[2]);
        if (LevelLines[island - 1] != 0)
            return Problem("levels of island " + words[1] + " given twice");
        LevelLines[island - 1] = Line;
        Source.PlannedLevels[island - 1] = count;
    }

    void Slot(const std::vector<std::string>& words) {
        const std::string& name = words.size() > 1 ? words[1] : std::string();
        const size_t dash = name.find('-');
        int island = 0;
        int slot = 0;
        if (dash == std::string::npos) return Problem("slot takes <island>-<slot>: " + name);
        if (!Island(name.substr(0, dash), island)) return;
        if (!WholeNumber(name.substr(dash + 1), slot) || slot < 1 || slot > SlotsPerBuyIsland)
            return Problem("no slot 1..4: " + name);
        if (SlotLines[island - 1][slot - 1] != 0) return Problem("slot " + name + " given twice");
        SlotLines[island - 1][slot - 1] = Line;
        TElementsCount& price = Source.Prices[island - 1][slot - 1];
        if (words.size() % 2 != 0) return Problem("each good takes a count");
        for (size_t i = 2; i + 1 < words.size(); i += 2) {
            const int kind = KindOf(words[i]);
            int count = 0;
            if (kind < 0) return Problem("no good of that name: " + words[i]);
            if (!WholeNumber(words[i + 1], count) || count < 0 || count > HighestPrice)
                return Problem("no count 0.." + std::to_string(HighestPrice) + ": " + words[i + 1]);
            price[kind] = static_cast<float>(count);
        }
    }

    void Missing() {
        Line = 0;
        for (int island = 1; island <= BuyIslands; ++island) {
            if (LevelLines[island - 1] == 0)
                Problem("levels of island " + std::to_string(island) + " missing");
            for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot)
                if (SlotLines[island - 1][slot - 1] == 0)
                    Problem("slot " + std::to_string(island) + "-" + std::to_string(slot) +
                            " missing");
        }
    }
};

} // namespace

bool ParsePriceSource(const std::string& file, const std::string& text, TPriceSource& source,
                      std::vector<std::string>& problems) {
    source = {};
    TParser parser{file, source, problems};
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        ++parser.Line;
        const auto words = Words(line);
        if (words.empty()) continue;
        if (words[0] == "levels")
            parser.Levels(words);
        else if (words[0] == "slot")
            parser.Slot(words);
        else
            parser.Problem("neither levels nor slot: " + words[0]);
    }
    parser.Missing();
    return problems.empty();
}

TElementsCount LevelEarningsEstimate(const TLevelRecord& level) {
    TElementsCount earned{};
    for (int code = ecFirstFruit; code <= ecLastFlower; ++code)
        if (const auto field = TargetFieldOfCode(code))
            earned[IsFlowerCode(code) ? elFlower : elFruit] += static_cast<float>(level[*field]);
    earned[elSpider] = static_cast<float>(level[lfTargetSpiders]);
    // A guardian is beaten by one thrown element per energy point, each paid into the purse.
    if (level[lfObjective] == goBossMode)
        earned[elFruit] += static_cast<float>(level[lfBossEnergy]);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            earned[elGoldTile] += level.FrameLayers(x, y);
            earned[elPotion] += level.PotionCells(x, y) != 0 ? 1 : 0;
        }
    return earned;
}

std::array<TIslandEstimate, BuyIslands>
EstimateIslands(const TPriceSource& source,
                const std::array<std::vector<TLevelRecord>, BuyIslands>& levels) {
    std::array<TIslandEstimate, BuyIslands> estimates{};
    TElementsCount carried{};
    bool chainChecked = true;
    for (int island = 0; island < BuyIslands; ++island) {
        TIslandEstimate& estimate = estimates[island];
        estimate.Sources = static_cast<int>(levels[island].size());
        for (const TLevelRecord& level : levels[island]) {
            const TElementsCount earned = LevelEarningsEstimate(level);
            for (size_t kind = 0; kind < ElementKinds; ++kind)
                estimate.Earned[kind] += earned[kind];
        }
        // The levels not written yet pay what the written ones pay on average.
        if (estimate.Sources > 0)
            for (float& earned : estimate.Earned)
                earned = earned * static_cast<float>(source.PlannedLevels[island]) /
                         static_cast<float>(estimate.Sources);
        for (const TElementsCount& price : source.Prices[island])
            for (size_t kind = 0; kind < ElementKinds; ++kind) estimate.Prices[kind] += price[kind];
        chainChecked = chainChecked && estimate.Sources > 0;
        estimate.Checked = chainChecked;
        estimate.Affordable = true;
        for (size_t kind = 0; kind < ElementKinds; ++kind) {
            estimate.Covered[kind] = carried[kind] + estimate.Earned[kind];
            if (estimate.Covered[kind] + 0.5f < estimate.Prices[kind]) estimate.Affordable = false;
            carried[kind] = std::max(0.0f, estimate.Covered[kind] - estimate.Prices[kind]) +
                            IslandBundles[island][kind];
        }
    }
    return estimates;
}
