// The slot prices' source, the estimate against the level sources, and the built prices file.
#include "LevelTestSupport.h"
#include "PriceSource.h"
#include "progression/SlotPricesFile.h"

#include <gtest/gtest.h>

using namespace levels_test;

namespace {

std::string FullSource(const std::string& island1Slot1 = "slot 1-1 fruit 10 spider 1") {
    std::string text = "# prices\n";
    for (int island = 1; island <= 5; ++island) text += "levels " + std::to_string(island) + " 2\n";
    text += island1Slot1 + "\n";
    for (int island = 1; island <= 5; ++island)
        for (int slot = 1; slot <= 4; ++slot)
            if (island != 1 || slot != 1)
                text += "slot " + std::to_string(island) + "-" + std::to_string(slot) + " fruit " +
                        std::to_string(island * 10 + slot) + "\n";
    return text;
}

// A level that asks for `bananas` bananas and `spiders` spiders.
TLevelRecord Level(int bananas, int spiders = 0) {
    TLevelRecord level{};
    level[lfTargetBananas] = bananas;
    level[lfTargetSpiders] = spiders;
    return level;
}

} // namespace

TEST(PriceSource, ReadsEverySlotAndEveryProblemWithItsLine) {
    TPriceSource source;
    std::vector<std::string> problems;
    ASSERT_TRUE(ParsePriceSource("p", FullSource(), source, problems)) << problems.front();
    EXPECT_EQ(source.Prices[0][0], (TElementsCount{10, 0, 0, 0, 1}));
    EXPECT_EQ(source.Prices[4][3][elFruit], 54);
    EXPECT_EQ(source.PlannedLevels[2], 2);

    const std::string broken = "levels 1 2\nlevels 1 3\nslot 1-5 fruit 1\nslot 6-1 fruit 1\n"
                               "slot 1-1 gems 4\nslot 1-2 fruit -1\nslot 1-3 fruit\nfoo\n";
    EXPECT_FALSE(ParsePriceSource("p", broken, source, problems));
    const std::vector<std::string> expected = {"p:2: levels of island 1 given twice",
                                               "p:3: no slot 1..4: 1-5",
                                               "p:4: no island 1..5: 6",
                                               "p:5: no good of that name: gems",
                                               "p:6: no count 0..1000000: -1",
                                               "p:7: each good takes a count",
                                               "p:8: neither levels nor slot: foo"};
    ASSERT_GE(problems.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(problems[i], expected[i]);
    // Then what is missing, island by island: slot 1-4, island 2's levels, its slots.
    EXPECT_EQ(problems[expected.size()], "p: slot 1-4 missing");
    EXPECT_EQ(problems[expected.size() + 1], "p: levels of island 2 missing");
}

TEST(PriceSource, EachIslandIsCheckedAgainstWhatItsLevelsAndTheIslandsBeforePay) {
    TPriceSource source;
    std::vector<std::string> problems;
    ASSERT_TRUE(ParsePriceSource("p", FullSource(), source, problems));
    std::array<std::vector<TLevelRecord>, BuyIslands> levels;
    // Island 1: one of two levels written, 30 bananas and a spider: 60 and 2 expected.
    levels[0].push_back(Level(30, 1));
    auto estimates = EstimateIslands(source, levels);
    EXPECT_TRUE(estimates[0].Checked);
    EXPECT_EQ(estimates[0].Earned[elFruit], 60);
    EXPECT_EQ(estimates[0].Prices[elFruit], 10 + 12 + 13 + 14);
    EXPECT_TRUE(estimates[0].Affordable);
    EXPECT_FALSE(estimates[1].Checked) << "island 2 has no level sources";
    EXPECT_FALSE(estimates[4].Checked);

    // Island 2 pays nothing of its own, but 11 fruits are left over and island 1's bundle
    // gives 155: enough for 21 + 22 + 23 + 24.
    levels[1].push_back(Level(0));
    estimates = EstimateIslands(source, levels);
    EXPECT_TRUE(estimates[1].Checked);
    EXPECT_FLOAT_EQ(estimates[1].Covered[elFruit], 60 - 49 + 155);
    EXPECT_TRUE(estimates[1].Affordable);

    // Two spiders gathered cannot pay a price of three.
    ASSERT_TRUE(ParsePriceSource("p", FullSource("slot 1-1 fruit 10 spider 3"), source, problems));
    EXPECT_FALSE(EstimateIslands(source, levels)[0].Affordable);
}

TEST(PriceSource, ABossLevelPaysAFruitForEveryHitItsGuardianTakes) {
    TLevelRecord boss = Level(0);
    boss[lfObjective] = goBossMode;
    boss[lfBossEnergy] = 40;
    EXPECT_EQ(LevelEarningsEstimate(boss)[elFruit], 40);
    boss[lfObjective] = goNormalMode;
    EXPECT_EQ(LevelEarningsEstimate(boss)[elFruit], 0) << "the energy of no boss pays nothing";
}

TEST(PriceTool, BuildsTheFileOnlyFromAnAffordableSource) {
    TScratchFolder folder;
    WriteAll(folder / "prices.prices", FullSource("slot 1-1 fruit 10"));
    const std::string level = std::string(TOVAN_SOURCE_DIR) + "/content/levels/Level1-01.level";
    const TToolRun run =
        RunLevelTool({"prices", folder / "prices.prices", folder / "SlotPrices.dat", level});
    ASSERT_EQ(run.Status, 0) << run.Output;
    const std::string bytes = ReadAll(folder / "SlotPrices.dat");
    TSlotPrices prices{};
    ASSERT_TRUE(
        DecodeSlotPrices({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, prices));
    EXPECT_EQ(prices[0][0], (TElementsCount{10, 0, 0, 0, 0}));
    EXPECT_EQ(prices[4][3][elFruit], 54);

    // Level 1-01 gathers no spiders: a spider price on island 1 is refused, nothing written.
    WriteAll(folder / "dear.prices", FullSource("slot 1-1 fruit 10 spider 9"));
    const TToolRun dear =
        RunLevelTool({"prices", folder / "dear.prices", folder / "Dear.dat", level});
    EXPECT_EQ(dear.Status, 1);
    EXPECT_NE(dear.Output.find("TOO DEAR"), std::string::npos) << dear.Output;
    EXPECT_FALSE(std::filesystem::exists(folder / "Dear.dat"));
}

TEST(PriceTool, TheGamesPricesAreAffordableFromItsLevels) {
    const std::string content = std::string(TOVAN_SOURCE_DIR) + "/content/";
    std::vector<std::string> arguments = {"prices-report", content + "economy/SlotPrices.prices"};
    for (const auto& entry : std::filesystem::directory_iterator(content + "levels"))
        if (entry.path().extension() == ".level") arguments.push_back(entry.path().string());
    const TToolRun run = RunLevelTool(arguments);
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_NE(run.Output.find("island 1: "), std::string::npos) << run.Output;
}
