#include "SimCampaign.h"

#include "SimOptions.h"

#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <numeric>

namespace fs = std::filesystem;

namespace {

constexpr double Percent = 100.0;
constexpr const char* KindNames[ElementKinds] = {"fruit", "flower", "potion", "goldtile", "spider"};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The purse kind a gathering slot pays into.
TElementKind KindOfSlot(int slot) {
    if (slot == iePotion1 || slot == iePotion2) return elPotion;
    if (slot >= ieFlower1 && slot <= ieFlower4) return elFlower;
    if (slot == ieSpider) return elSpider;
    if (slot == ieGoldTile1 || slot == ieGoldTile2) return elGoldTile;
    return elFruit;
}

std::string CountsText(const TElementsCount& counts) {
    std::string text;
    for (size_t kind = 0; kind < ElementKinds; ++kind) {
        if (counts[kind] == 0) continue;
        char part[48];
        std::snprintf(part, sizeof part, "%s%s %.0f", text.empty() ? "" : " ", KindNames[kind],
                      counts[kind]);
        text += part;
    }
    return text.empty() ? "nothing" : text;
}

} // namespace

std::vector<TCampaignLevel> CampaignLevels(const fs::path& game) {
    std::vector<TCampaignLevel> levels;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(game / "Levels", error)) {
        TCampaignLevel level{entry.path()};
        if (entry.path().extension() == ".zel" &&
            ParseLevelName(entry.path().filename().string(), level.Island, level.Level))
            levels.push_back(level);
    }
    std::sort(levels.begin(), levels.end(), [](const TCampaignLevel& a, const TCampaignLevel& b) {
        return std::pair(a.Island, a.Level) < std::pair(b.Island, b.Level);
    });
    return levels;
}

TLevelReport ReportLevel(const std::string& label, uint8_t island,
                         const std::vector<TSimRound>& rounds) {
    TLevelReport report{label, island, static_cast<int>(rounds.size())};
    std::vector<double> shares, moves, gathered;
    for (const TSimRound& round : rounds) {
        if (round.Result == TSimResult::Error) ++report.Errors;
        if (round.Result != TSimResult::Won) continue;
        ++report.Won;
        shares.push_back(round.RoundTimeSeconds > 0
                             ? Percent * round.ElapsedSeconds / round.RoundTimeSeconds
                             : Percent);
        moves.push_back(round.Moves);
        gathered.push_back(std::accumulate(round.Gathered.begin(), round.Gathered.end(), 0));
        if (round.Medal <= mdGold) ++report.Medals[round.Medal];
        for (int slot = 0; slot < TElementGather::SlotCount; ++slot)
            report.Earned[KindOfSlot(slot)] += static_cast<float>(round.Gathered[slot]);
    }
    report.MedianShare = Median(shares);
    report.WorstShare = shares.empty() ? 0 : *std::max_element(shares.begin(), shares.end());
    report.MedianMoves = Median(moves);
    report.MedianGathered = Median(gathered);
    for (float& earned : report.Earned)
        earned = report.Won > 0 ? earned / static_cast<float>(report.Won) : 0;
    return report;
}

std::vector<TIslandPurse> IslandPurses(const std::vector<TLevelReport>& levels,
                                       const TSlotPrices& prices) {
    std::vector<TIslandPurse> purses;
    TElementsCount purse{};
    for (int island = 1; island <= BuyIslands; ++island) {
        bool any = false;
        for (const TLevelReport& level : levels) {
            if (level.Island != island) continue;
            any = true;
            for (size_t kind = 0; kind < ElementKinds; ++kind) purse[kind] += level.Earned[kind];
        }
        if (!any) break;
        TIslandPurse result{island, purse};
        for (const TElementsCount& slot : prices[island - 1])
            for (size_t kind = 0; kind < ElementKinds; ++kind) result.Prices[kind] += slot[kind];
        result.Buys = true;
        for (size_t kind = 0; kind < ElementKinds; ++kind)
            result.Buys = result.Buys && purse[kind] >= result.Prices[kind];
        purses.push_back(result);
        // What the slots cost is spent; the island's bundle comes with its last slot.
        for (size_t kind = 0; kind < ElementKinds; ++kind)
            purse[kind] = std::max(0.0f, purse[kind] - result.Prices[kind]) +
                          (result.Buys ? IslandBundles[island - 1][kind] : 0.0f);
    }
    return purses;
}

std::string CampaignTable(const std::vector<TLevelReport>& levels,
                          const std::vector<TIslandPurse>& purses) {
    std::string table = "level  won    win%  median%  worst%  gold silver bronze  moves  "
                        "gathered  relaxed\n";
    for (const TLevelReport& level : levels) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "%-5s  %2d/%-2d  %4.0f  %7.0f  %6.0f  %4d %6d %6d  %5.0f  %8.0f  %-7s%s\n",
                      level.Label.c_str(), level.Won, level.Rounds,
                      level.Rounds ? Percent * level.Won / level.Rounds : 0.0, level.MedianShare,
                      level.WorstShare, level.Medals[mdGold], level.Medals[mdSilver],
                      level.Medals[mdBronze], level.MedianMoves, level.MedianGathered,
                      level.RelaxedEnds ? "ends" : "NEVER", level.Errors ? "  errors!" : "");
        table += line;
    }
    for (const TIslandPurse& purse : purses)
        table += "island " + std::to_string(purse.Island) + ": purse " + CountsText(purse.Purse) +
                 "; slots cost " + CountsText(purse.Prices) + "; " +
                 (purse.Buys ? "buys them" : "does NOT buy them") + "\n";
    return table;
}

namespace {

constexpr int ChartWidth = 960;
constexpr int ChartHeight = 420;
constexpr double Margin = 50;
constexpr double LabelGap = 6; // between two level labels under the axis

void DrawChartFrame(cairo_t* cr, double width, double height) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_line_width(cr, 1);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    // Grid lines every 20 %, and the band the median should stay in (35..85 %).
    cairo_set_source_rgba(cr, 0.2, 0.6, 0.2, 0.12);
    cairo_rectangle(cr, Margin, Margin + height * 0.15, width, height * 0.5);
    cairo_fill(cr);
    for (int percent = 0; percent <= 100; percent += 20) {
        const double y = Margin + height * (1 - percent / Percent);
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
        cairo_move_to(cr, Margin, y);
        cairo_line_to(cr, Margin + width, y);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
        cairo_move_to(cr, 8, y + 4);
        cairo_show_text(cr, (std::to_string(percent) + " %").c_str());
    }
}

void DrawSeries(cairo_t* cr, const std::vector<double>& values, double step, double height,
                double red, double green, double blue) {
    cairo_set_source_rgb(cr, red, green, blue);
    cairo_set_line_width(cr, 2);
    for (size_t index = 0; index < values.size(); ++index) {
        const double x = Margin + step * (index + 0.5);
        const double y = Margin + height * (1 - values[index] / Percent);
        index == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
    for (size_t index = 0; index < values.size(); ++index) {
        cairo_arc(cr, Margin + step * (index + 0.5),
                  Margin + height * (1 - values[index] / Percent), 3.5, 0, 6.2832);
        cairo_fill(cr);
    }
}

} // namespace

std::string DrawCampaignChart(const std::vector<TLevelReport>& levels, const fs::path& png) {
    if (levels.empty()) return "no levels to chart";
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, ChartWidth, ChartHeight);
    cairo_t* cr = cairo_create(surface);
    const double width = ChartWidth - 2 * Margin;
    const double height = ChartHeight - 2 * Margin;
    const double step = width / static_cast<double>(levels.size());
    DrawChartFrame(cr, width, height);
    // Islands: alternate shading, a name over each, the level labels under the axis where there
    // is room for them.
    double labelsEnd = 0;
    for (size_t index = 0; index < levels.size(); ++index) {
        const double x = Margin + step * static_cast<double>(index);
        if (index == 0 || levels[index].Island != levels[index - 1].Island) {
            cairo_set_source_rgb(cr, 0.2, 0.2, 0.5);
            cairo_move_to(cr, x, Margin);
            cairo_line_to(cr, x, Margin + height);
            cairo_stroke(cr);
            cairo_move_to(cr, x + 4, Margin - 8);
            cairo_show_text(cr, ("island " + std::to_string(levels[index].Island)).c_str());
        }
        cairo_text_extents_t label;
        cairo_text_extents(cr, levels[index].Label.c_str(), &label);
        if (x + 2 < labelsEnd) continue;
        cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
        cairo_move_to(cr, x + 2, Margin + height + 16);
        cairo_show_text(cr, levels[index].Label.c_str());
        labelsEnd = x + 2 + label.x_advance + LabelGap;
    }
    std::vector<double> winRates, medians;
    for (const TLevelReport& level : levels) {
        winRates.push_back(level.Rounds ? Percent * level.Won / level.Rounds : 0);
        medians.push_back(level.MedianShare);
    }
    DrawSeries(cr, winRates, step, height, 0.15, 0.35, 0.8);
    DrawSeries(cr, medians, step, height, 0.85, 0.4, 0.1);
    cairo_set_source_rgb(cr, 0.15, 0.35, 0.8);
    cairo_move_to(cr, Margin, ChartHeight - 12);
    cairo_show_text(cr, "win rate");
    cairo_set_source_rgb(cr, 0.85, 0.4, 0.1);
    cairo_move_to(cr, Margin + 80, ChartHeight - 12);
    cairo_show_text(cr, "median time, share of the round time (green band: 35..85 %)");
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, png.c_str());
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS
               ? ""
               : "cannot write " + png.string() + ": " + cairo_status_to_string(status);
}
