#include "LevelTestSupport.h"
#include "board/LevelFile.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace levels_test;

namespace {

// A small sound normal level: a 4 x 3 field of fruits, apples to gather.
TLevelRecord SoundLevel() {
    TLevelRecord record;
    for (int f = 0; f < LevelFieldCount; ++f)
        record.Fields[f] = LevelFieldInfo(static_cast<TLevelField>(f)).SourceValue;
    record[lfTime] = 120;
    record[lfTargetApples] = 10;
    for (int code = 1; code <= 5; ++code) record.ElementSet.Include(code);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            record.Board(x, y).ObjectKind = x <= 4 && y <= 3 ? okFruit : okUnused;
    return record;
}

// Each problem as the game logs it.
std::vector<std::string> Texts(const std::vector<TLevelProblem>& problems) {
    std::vector<std::string> texts;
    for (const TLevelProblem& problem : problems)
        texts.push_back(problem.Text + "; " +
                        (problem.Correction.empty() ? "kept" : problem.Correction));
    return texts;
}

TEST(LevelValidation, SoundLevelsPassUnchanged) {
    for (TLevelRecord record : {SoundLevel(), DistinctRecord()}) {
        const TLevelRecord before = record;
        EXPECT_TRUE(ValidateLevelRecord(record).empty());
        EXPECT_EQ(record, before);
    }
}

TEST(LevelValidation, SingleValuesBecomeUsable) {
    TLevelRecord record = SoundLevel();
    record[lfObjective] = 7;
    record[lfTime] = 0;
    record[lfTargetBananas] = -4;
    record[lfFullRequiredFruits] = 0;
    record[lfOneUniFruitEveryInterval] = -1;
    record[lfBonusElementKind] = 9;
    record[lfBonusElementCount] = 25;

    const auto problems = ValidateLevelRecord(record);
    EXPECT_EQ(record[lfObjective], goNormalMode);
    EXPECT_EQ(record[lfTime], 1);
    EXPECT_EQ(record[lfTargetBananas], 0);
    EXPECT_EQ(record[lfFullRequiredFruits], 200);
    EXPECT_EQ(record[lfOneUniFruitEveryInterval], 0);
    // A bonus of no known kind gives nothing, as a round without gold.
    EXPECT_EQ(record[lfBonusElementKind], elFruit);
    EXPECT_EQ(record[lfBonusElementCount], 0);
    EXPECT_EQ(problems.size(), 6u);
    EXPECT_EQ(Texts(problems)[1], "target-bananas -4 is below 0; set to 0");
    for (const TLevelProblem& problem : problems) {
        EXPECT_EQ(problem.Spot.Kind, TLevelSpot::skField);
        EXPECT_FALSE(problem.Correction.empty()) << problem.Text;
    }

    // The round time must keep its milliseconds within an Integer.
    record[lfTime] = 2147484;
    ValidateLevelRecord(record);
    EXPECT_EQ(record[lfTime], MaxLevelTime);
    EXPECT_LE(int64_t{record[lfTime]} * 1000, INT32_MAX);
}

TEST(LevelValidation, SpiderAndBossValuesOnlyWhereTheyAreUsed) {
    TLevelRecord record = SoundLevel();
    record[lfOneWebEveryProb] = 0;
    record[lfMaxSpidersOnBoard] = 99;
    record[lfBossEnergy] = 0;
    record[lfBossRefTimeForAbsorbAttempt] = -5;
    EXPECT_TRUE(ValidateLevelRecord(record).empty()) << "no spiders and no boss: nothing to mend";

    record[lfSpiderFruitsInterval] = 40;
    record[lfObjective] = goBossMode;
    record[lfBossOneAbsorbedTime] = -60;
    EXPECT_EQ(ValidateLevelRecord(record).size(), 5u);
    EXPECT_EQ(record[lfOneWebEveryProb], 15);
    EXPECT_EQ(record[lfMaxSpidersOnBoard], MaxSpiderSlots);
    EXPECT_EQ(record[lfBossEnergy], 60) << "a boss without energy could never be beaten";
    EXPECT_EQ(record[lfBossRefTimeForAbsorbAttempt], 10000);
    EXPECT_EQ(record[lfBossOneAbsorbedTime], 60);
}

TEST(LevelValidation, GoldTilesAndPotionsOnlyWhereAMatchReachesThem) {
    TLevelRecord record = SoundLevel();
    record.FrameLayers(2, 2) = 3;  // a fruit cell, one layer too many
    record.FrameLayers(9, 9) = 1;  // no cell
    record.PotionCells(1, 1) = 1;  // a fruit cell
    record.PotionCells(10, 1) = 1; // no cell
    record.Board(12, 1).ObjectKind = okBlocker;
    record.PotionCells(12, 1) = 1; // a blocker

    const auto problems = ValidateLevelRecord(record);
    EXPECT_EQ(record.FrameLayers(2, 2), 2);
    EXPECT_EQ(record.FrameLayers(9, 9), 0);
    EXPECT_EQ(record.PotionCells(1, 1), 1);
    EXPECT_EQ(record.PotionCells(10, 1), 0);
    EXPECT_EQ(record.PotionCells(12, 1), 0);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].Spot.Kind, TLevelSpot::skCell);
    EXPECT_EQ(problems[0].Spot.Grid, lgFrameLayers);
    EXPECT_EQ(problems[0].Spot.Cell, (TPoint{2, 2}));
    EXPECT_EQ(Texts(problems)[0], "frames at (2,2): 3 is outside 0..2; set to 2");
}

TEST(LevelValidation, APotionAboveAVisibleHoleIsReportedNotMoved) {
    TLevelRecord record = SoundLevel();
    record.Board(1, 3).ObjectKind = okTempBlank; // it sinks through an empty cell
    record.Board(1, 4).BackgroundStyle = 1;      // and rests on a visible hole
    record.PotionCells(1, 1) = 1;
    record.Board(2, 4).ObjectKind = okBlocker; // a blocker is a bottom: collected there
    record.PotionCells(2, 1) = 1;

    const auto problems = ValidateLevelRecord(record);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Spot.Cell, (TPoint{1, 1}));
    EXPECT_TRUE(problems[0].Correction.empty());
    EXPECT_EQ(record.PotionCells(1, 1), 1);
}

TEST(LevelValidation, TileFieldsComeBackToTheirTables) {
    TLevelRecord record = SoundLevel();
    record.Board(5, 5).ObjectKind = 9;
    record.FrameLayers(5, 5) = 1; // judged after the kind is mended
    record.Board(1, 1).LockerColor = 7;
    record.Board(2, 1).ElementCode = 77;
    record.Board(3, 1).ElementCode = ecMagicKeyItem;
    record.Board(4, 1).ElementCode = ecPotion2;
    record.Board(3, 2).ChainLevel = 5;
    record.Board(8, 8).ChainLevel = 1; // on no cell
    record.Board(8, 9).Web = 1;
    record.Board(8, 10).FruitBomb = 1;

    const auto problems = ValidateLevelRecord(record);
    EXPECT_EQ(record.Board(5, 5).ObjectKind, okUnused);
    EXPECT_EQ(record.FrameLayers(5, 5), 0);
    EXPECT_EQ(record.Board(1, 1).LockerColor, 1);
    EXPECT_EQ(record.Board(2, 1).ElementCode, ecFirstFruit);
    EXPECT_EQ(record.Board(3, 1).ElementCode, ecMagicKeyItem);
    EXPECT_EQ(record.Board(4, 1).ElementCode, ecPotion2);
    EXPECT_EQ(record.Board(3, 2).ChainLevel, 2);
    EXPECT_EQ(record.Board(8, 8).ChainLevel, 0);
    EXPECT_EQ(record.Board(8, 9).Web, 0);
    EXPECT_EQ(record.Board(8, 10).FruitBomb, 0);
    EXPECT_EQ(problems.size(), 8u);
    EXPECT_EQ(Texts(problems)[3], "chain at (3,2): 5 is outside 0..2; set to 2");
}

TEST(LevelValidation, UnwinnableLevelsAreReportedAsTheyAre) {
    TLevelRecord record = SoundLevel();
    record.ElementSet.Include(40);
    record[lfTargetGuavas] = 5;  // code 8 never comes
    record[lfTargetSpiders] = 3; // no spider waves
    const TLevelRecord before = record;
    const auto texts = Texts(ValidateLevelRecord(record));
    EXPECT_EQ(record, before);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "elements: code 40 is outside 1..18; kept",
                         "target-guavas 5: elements lack code 8; kept",
                         "target-spiders 3: no spiders come (spider-interval or spider-count is "
                         "0); kept"}));

    TLevelRecord empty = SoundLevel();
    empty.ElementSet = {};
    empty.ElementSet.Include(ecPotion1);
    empty[lfTargetApples] = 0;
    for (auto& column : empty.Board.Cells)
        for (TBoardTile& tile : column) tile.ObjectKind = okUnused;
    const auto problems = ValidateLevelRecord(empty);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].Spot.Kind, TLevelSpot::skElementSet);
    EXPECT_EQ(problems[1].Spot.Kind, TLevelSpot::skBoard);
}

} // namespace
