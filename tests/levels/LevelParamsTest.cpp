#include "LevelTestSupport.h"
#include "board/LevelParamsClass.h"
#include "engine/GameGlobals.h"

#include <gtest/gtest.h>
#include <set>

using namespace levels_test;

namespace {

class LevelParamsTest : public ::testing::Test {
protected:
    TScratchFolder Folder;
    TLevelParams Params;
    std::vector<std::string> Messages;
    std::vector<std::string> Log;

    void SetUp() override {
        SetRandomSeed(20240601);
        Params.LevelFilesPath = Folder.Folder();
        Params.OnMessageBox = [this](const std::string& message) { Messages.push_back(message); };
        Params.OnLogMessage = [this](const std::string& line) { Log.push_back(line); };
    }
    void TearDown() override { ReleaseRandomSeed(); }

    void Install(const std::string& name, const TLevelRecord& record) {
        WriteAll(Folder / name, Bytes(record));
    }
    // The variant a replay load of the island picks (its file does not exist).
    int ReplayVariant(uint8_t island) {
        EXPECT_FALSE(Params.LoadLevel(island, 1000));
        return Params.Variant();
    }
};

TEST_F(LevelParamsTest, FileNamesKeepAtLeastTwoDigits) {
    EXPECT_EQ(TLevelParams::LevelFileName(1, 9), "Level1-09.zel");
    EXPECT_EQ(TLevelParams::LevelFileName(2, 3), "Level2-03.zel");
    EXPECT_EQ(TLevelParams::LevelFileName(1, 12), "Level1-12.zel");
    EXPECT_EQ(TLevelParams::LevelFileName(5, 100), "Level5-100.zel");
    EXPECT_EQ(TLevelParams::LevelFileName(4, 12345), "Level4-12345.zel");
}

TEST_F(LevelParamsTest, LevelsUpToTheLastFileLoadTheirOwnFile) {
    EXPECT_FALSE(Params.LoadLevel(1, 12));
    EXPECT_EQ(Params.FileName(), "Level1-12.zel");
    EXPECT_EQ(Params.Variant(), 12);
    EXPECT_EQ(Messages,
              (std::vector<std::string>{"Level file not found: " + (Folder / "Level1-12.zel")}));
    EXPECT_FALSE(Params.LoadLevel(2, 3));
    EXPECT_EQ(Params.FileName(), "Level2-03.zel");
}

TEST_F(LevelParamsTest, ReplaysNeverRepeatTheLastVariant) {
    const int lower[] = {9, 10, 12, 13, 15};
    for (uint8_t island = 1; island <= 5; ++island) {
        SCOPED_TRACE(island);
        std::set<int> seen;
        int previous = 0;
        for (int load = 0; load < 100; ++load) {
            const int variant = ReplayVariant(island);
            EXPECT_GE(variant, lower[island - 1]);
            EXPECT_LE(variant, lower[island - 1] + 3);
            EXPECT_NE(variant, previous);
            EXPECT_EQ(Params.FileName(), TLevelParams::LevelFileName(island, variant));
            seen.insert(variant);
            previous = variant;
        }
        EXPECT_EQ(seen.size(), 4u);
    }
    // Each island remembers its own last variant.
    const int islandOne = ReplayVariant(1);
    ReplayVariant(2);
    EXPECT_NE(ReplayVariant(1), islandOne);
}

TEST_F(LevelParamsTest, ResetLetsTheLastVariantComeAgain) {
    int repeated = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const int first = ReplayVariant(3);
        Params.ResetLastVariants();
        repeated += ReplayVariant(3) == first;
    }
    // One in four when every variant may come; never without the reset.
    EXPECT_GT(repeated, 20);
    EXPECT_LT(repeated, 90);
}

TEST_F(LevelParamsTest, IslandsOutsideTheMapHaveNoReplays) {
    EXPECT_FALSE(Params.LoadLevel(0, 20));
    EXPECT_EQ(Params.FileName(), "Level0-20.zel");
    EXPECT_FALSE(Params.LoadLevel(6, 20));
    EXPECT_EQ(Params.Variant(), 20);
    EXPECT_FALSE(Params.LoadLevel(255, -1));
    EXPECT_EQ(Params.FileName(), "Level255--01.zel");
}

TEST_F(LevelParamsTest, GivesEveryValueOfTheRecord) {
    TLevelRecord record = DistinctRecord();
    Install("Level2-03.zel", record);
    ASSERT_TRUE(Params.LoadLevel(2, 3));
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(Params.Record(), record);

    EXPECT_EQ(Params.Objective(), goBossMode);
    EXPECT_EQ(Params.Target(lfTargetPlums), record[lfTargetPlums]);
    EXPECT_EQ(Params.TargetOfCode(6), record[lfTargetPlums]);
    EXPECT_EQ(Params.TargetOfCode(4), record[lfTargetGrapes]);
    EXPECT_EQ(Params.TargetOfCode(5), record[lfTargetOranges]);
    EXPECT_EQ(Params.TargetOfCode(14), record[lfTargetFlower2]);
    EXPECT_EQ(Params.TargetOfCode(17), 0);
    EXPECT_EQ(Params.Target(lfTargetSpiders), record[lfTargetSpiders]);
    EXPECT_EQ(Params.ElementSet(), record.ElementSet);
    EXPECT_EQ(Params.Board(), record.Board);
    EXPECT_EQ(Params.FrameLayers(), record.FrameLayers);
    EXPECT_EQ(Params.PotionCells(), record.PotionCells);
    EXPECT_EQ(Params.Time(), 600);
    EXPECT_EQ(Params.SpiderFruitsInterval(), 31);
    EXPECT_EQ(Params.MaxSpidersOnBoard(), 17);
    EXPECT_EQ(Params.MaxWebs(), 150);
    EXPECT_EQ(Params.OneWebEveryProb(), 33);
    EXPECT_EQ(Params.FullRequiredFruits(), 34);
    EXPECT_EQ(Params.OneUniFruitEveryInterval(), 35);
    EXPECT_EQ(Params.MaxUniFruitOnBoard(), 201);
    EXPECT_EQ(Params.BonusElementKind(), elGoldTile);
    EXPECT_EQ(Params.BonusElementCount(), 37);
    EXPECT_EQ(Params.BossEnergy(), 38);
    EXPECT_EQ(Params.BossRefTimeForAbsorbAttempt(), 39000);
    EXPECT_EQ(Params.BossHitsToCancelAbsorbAttempt(), 40);
    EXPECT_EQ(Params.BossOneAbsorbedTime(), 41);
    EXPECT_EQ(Params.BossPreparingTime(), 42000);
    EXPECT_EQ(Params.BossAbsorbingTime(), 43000);
    EXPECT_EQ(Params.BossFinishingTime(), 44000);

    int layers = 0, potionCells = 0, potionBytes = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            layers += record.FrameLayers(x, y);
            potionCells += record.PotionCells(x, y) != 0;
            potionBytes += record.PotionCells(x, y);
        }
    EXPECT_EQ(Params.GoldTileTarget(), layers);
    // Every potion cell counts once, whatever its byte.
    EXPECT_EQ(Params.PotionTarget(), potionCells);
    EXPECT_LT(potionCells, potionBytes);
}

TEST_F(LevelParamsTest, MedalTimesRoundHalvesToEven) {
    TLevelRecord record = DistinctRecord();
    record[lfTime] = 10; // 6.5 and 4.0
    Install("Level1-01.zel", record);
    ASSERT_TRUE(Params.LoadLevel(1, 1));
    EXPECT_EQ(Params.SilverReqTime(), 6);
    EXPECT_EQ(Params.GoldReqTime(), 4);
    record[lfTime] = 183; // 118.95 and 73.2
    Install("Level1-01.zel", record);
    ASSERT_TRUE(Params.LoadLevel(1, 1));
    EXPECT_EQ(Params.SilverReqTime(), 119);
    EXPECT_EQ(Params.GoldReqTime(), 73);
}

TEST_F(LevelParamsTest, AFailedLoadKeepsThePreviousLevel) {
    EXPECT_FALSE(Params.IsLoaded());
    const TLevelRecord good = DistinctRecord();
    Install("Level1-01.zel", good);
    WriteAll(Folder / "Level1-02.zel", Bytes(good).substr(0, 4000));
    std::filesystem::create_directory(Folder / "Level1-03.zel");
    WriteAll(Folder / "Level1-05.zel", Bytes(good) + "more");

    ASSERT_TRUE(Params.LoadLevel(1, 1));
    for (int level = 2; level <= 5; ++level) EXPECT_FALSE(Params.LoadLevel(1, level)) << level;
    EXPECT_EQ(Messages,
              (std::vector<std::string>{"Level file damaged: " + (Folder / "Level1-02.zel"),
                                        "Level file cannot be read: " + (Folder / "Level1-03.zel") +
                                            " (not a regular file but a folder)",
                                        "Level file not found: " + (Folder / "Level1-04.zel"),
                                        "Level file damaged: " + (Folder / "Level1-05.zel")}));
    EXPECT_TRUE(Params.IsLoaded());
    EXPECT_EQ(Params.Record(), good);
    EXPECT_EQ(Params.FileName(), "Level1-05.zel") << "the request is still named for the log";

    Params.OnMessageBox = nullptr;
    EXPECT_FALSE(Params.LoadLevel(1, 4));
}

TEST_F(LevelParamsTest, CorrectionsAreLoggedWithTheFileName) {
    TLevelRecord record = DistinctRecord();
    record[lfTime] = 0;
    record.FrameLayers(1, 1) = 2;
    record.Board(1, 1).ObjectKind = okUnused;
    Install("Level3-07.zel", record);
    ASSERT_TRUE(Params.LoadLevel(3, 7));
    EXPECT_EQ(Params.Time(), 1);
    EXPECT_EQ(Log, (std::vector<std::string>{
                       "Level3-07.zel: time 0 is below 1; set to 1",
                       "Level3-07.zel: frames at (1,1): 2 on a cell without a locker or a fruit; "
                       "set to 0"}));
}

// The levels of content/levels as the build compiled them.
TEST_F(LevelParamsTest, TheFirstLevelsOfIslandOneRiseGently) {
    Params.LevelFilesPath = TOVAN_GAME_DIR "/Levels/";
    int previousTime = 0, previousWork = 0;
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(Params.LoadLevel(1, level));
        EXPECT_TRUE(Log.empty());
        EXPECT_EQ(Params.Objective(), goNormalMode);
        EXPECT_EQ(Params.SpiderFruitsInterval(), 0) << "no spiders this early";
        int work = Params.GoldTileTarget() + Params.PotionTarget();
        for (int f = lfTargetBananas; f <= lfTargetSpiders; ++f)
            work += Params.Target(static_cast<TLevelField>(f));
        EXPECT_GT(Params.Time(), previousTime);
        EXPECT_GT(work, previousWork);
        previousTime = Params.Time();
        previousWork = work;
    }
    EXPECT_TRUE(Messages.empty());
}

} // namespace
