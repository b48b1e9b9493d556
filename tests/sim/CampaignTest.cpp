// The campaign proof's arithmetic: what a level's rounds come to, the purse island by island
// with what the slots cost carried over, the command line of the campaign and its chart.
#include "SimCampaign.h"
#include "SimOptions.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

TSimRound Round(TSimResult result, int elapsed, TMedalKind medal, int moves, int bananas) {
    TSimRound round;
    round.Result = result;
    round.ElapsedSeconds = elapsed;
    round.RoundTimeSeconds = 200;
    round.Medal = medal;
    round.Moves = moves;
    round.Gathered[ieFruit1] = bananas;
    round.Gathered[ieGoldTile1] = 4;
    return round;
}

TEST(Campaign, ALevelsReportCountsWonRoundsOnlyForItsTimesMovesAndPay) {
    const TLevelReport report = ReportLevel("1-04", 1,
                                            {Round(TSimResult::Won, 100, mdGold, 40, 20),
                                             Round(TSimResult::Lost, 200, mdNone, 90, 5),
                                             Round(TSimResult::Won, 150, mdSilver, 60, 20),
                                             Round(TSimResult::Won, 120, mdGold, 50, 14)});
    EXPECT_EQ(report.Rounds, 4);
    EXPECT_EQ(report.Won, 3);
    EXPECT_EQ(report.Errors, 0);
    EXPECT_DOUBLE_EQ(report.MedianShare, 60);
    EXPECT_DOUBLE_EQ(report.WorstShare, 75);
    EXPECT_EQ(report.Medals[mdGold], 2);
    EXPECT_EQ(report.Medals[mdSilver], 1);
    EXPECT_DOUBLE_EQ(report.MedianMoves, 50);
    EXPECT_DOUBLE_EQ(report.MedianGathered, 24);
    EXPECT_FLOAT_EQ(report.Earned[elFruit], 18) << "the mean of the won rounds";
    EXPECT_FLOAT_EQ(report.Earned[elGoldTile], 4);

    const TLevelReport none = ReportLevel("1-05", 1, {Round(TSimResult::Lost, 200, mdNone, 9, 0)});
    EXPECT_EQ(none.Won, 0);
    EXPECT_DOUBLE_EQ(none.MedianShare, 0);
    EXPECT_FLOAT_EQ(none.Earned[elFruit], 0);
}

TEST(Campaign, ThePurseOfEachIslandPaysItsSlotsAndCarriesTheRestOn) {
    TLevelReport first{"1-01", 1};
    first.Earned = {300, 0, 0, 50, 0};
    TLevelReport second{"2-01", 2};
    second.Earned = {10, 0, 0, 0, 0};
    second.RelaxedEnds = false;
    TSlotPrices prices{};
    prices[0][0] = {100, 0, 0, 20, 0};
    prices[0][3] = {100, 0, 0, 0, 0};
    prices[1][0] = {400, 0, 0, 0, 0};
    const std::vector<TIslandPurse> purses = IslandPurses({first, second}, prices);
    ASSERT_EQ(purses.size(), 2u) << "islands without levels are left out";
    EXPECT_TRUE(purses[0].Buys);
    EXPECT_FLOAT_EQ(purses[0].Prices[elFruit], 200);
    EXPECT_FALSE(purses[1].Buys);
    EXPECT_FLOAT_EQ(purses[1].Purse[elFruit], 100 + IslandBundles[0][elFruit] + 10);
    EXPECT_FLOAT_EQ(purses[1].Purse[elGoldTile], 30);

    const std::string table = CampaignTable({first, second}, purses);
    EXPECT_NE(table.find("island 1: purse fruit 300 goldtile 50; slots cost fruit 200 "
                         "goldtile 20; buys them"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("does NOT buy them"), std::string::npos) << table;
    EXPECT_NE(table.find("ends"), std::string::npos) << table;
    EXPECT_NE(table.find("NEVER"), std::string::npos) << "a relaxed round that never ends shows";
}

TEST(Campaign, TheCampaignTakesNoLevelAndTheChartOnlyWithIt) {
    TSimOptions options;
    std::string error;
    ASSERT_TRUE(
        ParseSimOptions({"--campaign", "--rounds", "2", "--chart", "c.png"}, options, error))
        << error;
    EXPECT_TRUE(options.Campaign);
    EXPECT_EQ(options.Chart, "c.png");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--campaign", "1-01"},
                                                 {"--campaign", "--json"},
                                                 {"--chart", "c.png", "1-01"},
                                                 {"--campaign", "--chart"}}) {
        TSimOptions refused;
        EXPECT_FALSE(ParseSimOptions(args, refused, error)) << args[0] << " " << args[1];
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

TEST(Campaign, TheChartIsAPngOrOneLineSayingWhyNot) {
    const std::filesystem::path png =
        std::filesystem::temp_directory_path() / "tovan-campaign-chart-test.png";
    TLevelReport level{"1-01", 1, 2, 2};
    level.MedianShare = 50;
    ASSERT_EQ(DrawCampaignChart({level, TLevelReport{"2-01", 2, 2, 1}}, png), "");
    std::ifstream file(png, std::ios::binary);
    char signature[8] = {};
    file.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    std::filesystem::remove(png);
    EXPECT_NE(DrawCampaignChart({level}, "/nonexistent-folder/chart.png"), "");
    EXPECT_EQ(DrawCampaignChart({}, png), "no levels to chart");
}

TEST(Campaign, TheGamesLevelsAreFoundInIslandAndLevelOrder) {
    const std::vector<TCampaignLevel> levels = CampaignLevels(TOVAN_GAME_DIR);
    ASSERT_GE(levels.size(), 12u);
    for (size_t index = 1; index < levels.size(); ++index)
        EXPECT_LT(std::pair(levels[index - 1].Island, levels[index - 1].Level),
                  std::pair(levels[index].Island, levels[index].Level));
    EXPECT_EQ(levels.front().File.filename(), "Level1-01.zel");
    EXPECT_TRUE(CampaignLevels("/nonexistent-folder").empty());
}

} // namespace
