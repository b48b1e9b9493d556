#include "board/RoundStart.h"

#include "LevelTestSupport.h"
#include "engine/GameGlobals.h"

#include <gtest/gtest.h>

using namespace levels_test;

namespace {

class RoundStartTest : public ::testing::Test {
protected:
    TLevelParams Level;
    TGameBoard Board;

    void SetUp() override {
        Level.OnLogMessage = [](const std::string& line) { ADD_FAILURE() << line; };
    }
    void TearDown() override { ReleaseRandomSeed(); }

    // What every start grid must be, whatever the level.
    void ExpectPlayableStart() {
        const TBoardData& file = Level.Board();
        const TBoardData start = Board.BoardData();
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                SCOPED_TRACE(testing::Message() << "(" << x << "," << y << ")");
                const TBoardTile& tile = start(x, y);
                if (file(x, y).IsPlayable()) {
                    EXPECT_EQ(tile.ObjectKind, okFruit);
                    const bool potion = Level.PotionCells()(x, y) != 0;
                    EXPECT_EQ(IsPotionCode(tile.ElementCode), potion);
                    if (!potion) {
                        EXPECT_TRUE(Level.ElementSet().Has(tile.ElementCode));
                    }
                } else {
                    EXPECT_EQ(tile.ObjectKind, file(x, y).ObjectKind);
                }
                EXPECT_EQ(tile.BackgroundStyle, file(x, y).BackgroundStyle);
                EXPECT_EQ(tile.ChainLevel, file(x, y).ChainLevel);
            }
        EXPECT_FALSE(Board.AnyMatch(start)) << "a ready line on the start grid";
        EXPECT_EQ(Board.ElementSet(), Level.ElementSet());
        EXPECT_EQ(Board.OneUniFruitEveryInterval, Level.OneUniFruitEveryInterval());
        EXPECT_EQ(Board.MaxUniFruitOnBoard, Level.MaxUniFruitOnBoard());
        EXPECT_EQ(Board.OneHammerEveryProb, 0);
        EXPECT_EQ(Board.MaxFruitBombsOnBoard, 0);
        EXPECT_EQ(Board.ActiveMode, amNormal);
        EXPECT_EQ(BoardScreenOrigin(), (TPoint{Board.Left, Board.Top}));
    }
};

TEST_F(RoundStartTest, TheShippedLevelsStartPlayable) {
    Level.LevelFilesPath = TOVAN_GAME_DIR "/Levels/";
    // Island 1's normal levels (its guardian's board sits at the top of the screen instead).
    for (int level = 1; level <= 11; ++level)
        for (uint64_t seed : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", seed " << seed);
            SetRandomSeed(seed);
            ASSERT_TRUE(Level.LoadLevel(1, level));
            ASSERT_TRUE(StartBoardRound(Board, Level, false));
            ExpectPlayableStart();
            EXPECT_TRUE(Board.HasPossibleMove());
            EXPECT_EQ(TPoint({Board.Left, Board.Top}), CenteredBoardOrigin(Level.Board()));
        }
    // Level 3 has two potions.
    ASSERT_TRUE(Level.LoadLevel(1, 3));
    ASSERT_TRUE(StartBoardRound(Board, Level, false));
    int potions = 0;
    for (const auto& column : Board.BoardData().Cells)
        for (const TBoardTile& tile : column) potions += tile.ElementCode == ecPotion1;
    EXPECT_EQ(potions, 2);
}

TEST_F(RoundStartTest, LockersWebsBombsAndPotionsOfAFile) {
    TScratchFolder folder;
    const TLevelRecord record = DistinctRecord(); // a boss level with lockers, webs and bombs
    WriteAll(folder / "Level4-02.zel", Bytes(record));
    Level.LevelFilesPath = folder.Folder();
    int fileBombs = 0;
    for (const auto& column : record.Board.Cells)
        for (const TBoardTile& tile : column) fileBombs += tile.IsPlayable() && tile.FruitBomb;
    ASSERT_GT(fileBombs, 0);

    for (uint64_t seed : {7, 8, 9}) {
        SCOPED_TRACE(seed);
        SetRandomSeed(seed);
        ASSERT_TRUE(Level.LoadLevel(4, 2));
        ASSERT_TRUE(StartBoardRound(Board, Level, true));
        ExpectPlayableStart();
        EXPECT_EQ(Board.Top, 95) << "a boss level keeps the board at the top";

        const TBoardData start = Board.BoardData();
        int bombs = 0;
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                const TBoardTile& tile = start(x, y);
                bombs += tile.FruitBomb != 0;
                if (record.PotionCells(x, y) != 0) {
                    EXPECT_EQ(tile.ElementCode, ecPotion2) << "the potion upgrade";
                    continue;
                }
                // A web stays where the file has one, unless the element cannot carry it.
                const bool canCarry =
                    tile.FruitBomb == 0 && tile.ElementCode >= 1 && tile.ElementCode <= ecLastExtra;
                const bool fileWeb = record.Board(x, y).Web != 0 && record.Board(x, y).IsPlayable();
                EXPECT_EQ(tile.Web != 0, fileWeb && canCarry) << x << "," << y;
            }
        EXPECT_EQ(bombs, fileBombs) << "the bombs are placed again, not lost";
    }
}

TEST_F(RoundStartTest, NoRoundStartsWithoutALevel) {
    TScratchFolder folder;
    Level.LevelFilesPath = folder.Folder();
    Level.OnMessageBox = [](const std::string&) {};
    const TBoardData before = Board.BoardData();
    EXPECT_FALSE(Level.LoadLevel(1, 1));
    EXPECT_FALSE(StartBoardRound(Board, Level, false));
    EXPECT_EQ(Board.BoardData(), before);
}

} // namespace
