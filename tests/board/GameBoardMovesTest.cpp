#include "GameBoardTestKit.h"

namespace {

// (5,5) can complete a line going left, right or up; no other tile has a move.
TBoardData OneMovableTile() {
    return GridOf({"", "....5", "....5", "", ".55.5.55"});
}

TEST(GameBoardMoves, TheSearchTriesNeighboursLeftFirstFromAnyStart) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        TBoardHarness h(OneMovableTile(), seed);
        TPoint pos1, pos2;
        ASSERT_TRUE(h.Board.FindPossibleMove(pos1, pos2));
        EXPECT_EQ(pos1, (TPoint{5, 5}));
        EXPECT_EQ(pos2, (TPoint{4, 5}));
    }
    TBoardHarness quiet(QuietGrid());
    TPoint pos1, pos2;
    EXPECT_FALSE(quiet.Board.FindPossibleMove(pos1, pos2));
}

TEST(GameBoardMoves, BlockedTilesOfferNoMove) {
    for (auto block : {+[](TBoardTile& t) { t.Web = 1; }, +[](TBoardTile& t) { t.ChainLevel = 1; },
                       +[](TBoardTile& t) { t.ElementCode = ecMultiBubble; }}) {
        TBoardData grid = OneMovableTile();
        block(grid(5, 5));
        TBoardHarness h(grid);
        TPoint pos1, pos2;
        EXPECT_FALSE(h.Board.FindPossibleMove(pos1, pos2));
    }
}

TEST(GameBoardMoves, TheHintShowsAfterItsIntervalAndHidesOnAClick) {
    TBoardHarness h(OneMovableTile());
    h.Board.HintInterval = 300;
    h.Board.ShowingHintTime = 90;
    h.Ticks(9);
    EXPECT_FALSE(h.Board.IsHintVisible());
    h.Tick();
    ASSERT_TRUE(h.Board.IsHintVisible());
    EXPECT_EQ(h.Board.HintPos1(), (TPoint{5, 5}));
    h.Board.DrawHint();
    h.Board.DrawHint();
    EXPECT_TRUE(h.Board.IsHintVisible());
    h.Board.DrawHint();
    EXPECT_FALSE(h.Board.IsHintVisible()) << "shown for ShowingHintTime";

    h.Ticks(10);
    ASSERT_TRUE(h.Board.IsHintVisible());
    h.Click(1, 1);
    EXPECT_FALSE(h.Board.IsHintVisible());
    h.Ticks(9);
    EXPECT_FALSE(h.Board.IsHintVisible()) << "the click restarted the hint timer";
}

TEST(GameBoardMoves, NoMoreMovesIsReportedOnceUntilTheTimersReset) {
    TBoardHarness h(QuietGrid());
    h.Board.NoMoreMovesInterval = 300;
    h.Ticks(9);
    EXPECT_EQ(h.NoMoreMoves, 0);
    h.Tick();
    EXPECT_EQ(h.NoMoreMoves, 1);
    h.Ticks(100);
    EXPECT_EQ(h.NoMoreMoves, 1);
    h.Board.ResetTimers();
    h.Ticks(10);
    EXPECT_EQ(h.NoMoreMoves, 2);

    // A hammer on the board is a move; a busy tile stops the timer.
    TBoardHarness hammer(GridOf({"H"}));
    hammer.Board.NoMoreMovesInterval = 300;
    hammer.Ticks(50);
    EXPECT_EQ(hammer.NoMoreMoves, 0);
    TBoardHarness busy(QuietGrid());
    busy.Board.NoMoreMovesInterval = 300;
    busy.Click(1, 1);
    busy.Click(1, 2);
    busy.Ticks(50);
    EXPECT_EQ(busy.NoMoreMoves, 0);
}

struct TShuffleCounts {
    int Hammers = 0, Bombs = 0, UniFruits = 0, MultiBubbles = 0;
    bool operator==(const TShuffleCounts&) const = default;
};

TShuffleCounts CountSpecials(const TBoardData& grid) {
    TShuffleCounts counts;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = grid(x, y);
            if (!tile.IsPlayable()) continue;
            counts.Hammers += tile.ElementCode == ecHammerObject;
            counts.Bombs += tile.FruitBomb != 0;
            counts.UniFruits += tile.ElementCode == ecUniFruit;
            counts.MultiBubbles += tile.ElementCode == ecMultiBubble;
        }
    return counts;
}

TEST(GameBoardShuffle, KeepsSpecialsAndPotionsAndLeavesAMoveWithoutLines) {
    TBoardData grid = GridOf({"HHUM555", "AAABBB", "..P.Q", "", "", "", "", "", "", "",
                              "xxxxxxxxxxxxxxxx", "o..............o"});
    grid(3, 5).FruitBomb = 1;
    grid(4, 5).FruitBomb = 1;
    grid(7, 7).ChainLevel = 2;
    grid(8, 7).Web = 1;
    grid(9, 7).WormState = 2;
    const TShuffleCounts before = CountSpecials(grid);
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        TBoardHarness h(grid, seed);
        TBoardData shuffled;
        h.Board.MakeShuffledBoard(shuffled);
        EXPECT_EQ(CountSpecials(shuffled), before) << seed;
        EXPECT_EQ(shuffled(3, 3).ElementCode, ecPotion1);
        EXPECT_EQ(shuffled(3, 3).ObjectKind, okFruit);
        EXPECT_EQ(shuffled(5, 3).ElementCode, ecPotion2);
        EXPECT_EQ(shuffled(7, 7).ChainLevel, 2);
        EXPECT_EQ(shuffled(8, 7).Web, 0);
        EXPECT_EQ(shuffled(9, 7).WormState, 0);
        for (int x = 1; x <= BoardColumns; ++x) {
            EXPECT_TRUE(SameTile(shuffled(x, 11), grid(x, 11)));
            for (int y = 1; y <= BoardRows; ++y) {
                EXPECT_NE(shuffled(x, y).ElementCode, ecShuffleMark);
                EXPECT_NE(shuffled(x, y).LockerColor, ecShuffleMark);
            }
        }
        h.Board.SetBoardData(shuffled);
        EXPECT_FALSE(h.Board.AnyMatch(shuffled)) << seed;
        EXPECT_TRUE(h.Board.HasPossibleMove()) << seed;
        h.Board.CheckMatches();
        h.Board.CheckLockers();
        EXPECT_TRUE(h.Grouped.empty());
        EXPECT_EQ(CountSet(h.Openings.at(0)), 0);
    }
}

TEST(GameBoardShuffle, SmallBoardsAndOddElementSetsStillComeOutPlayable) {
    TBoardData small;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) small(x, y).ObjectKind = okUnused;
    for (int x = 7; x <= 9; ++x)
        for (int y = 5; y <= 7; ++y) small(x, y) = QuietGrid()(x, y);
    // One draw on 3x3 cells with six codes leaves no move about two times in three.
    TFlowerIdxSet sixCodes;
    for (int code = 1; code <= 6; ++code) sixCodes.Include(code);
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        TBoardHarness h(small, seed);
        h.Board.SetElementSet(sixCodes);
        TBoardData shuffled;
        h.Board.MakeShuffledBoard(shuffled);
        h.Board.SetBoardData(shuffled);
        EXPECT_FALSE(h.Board.AnyMatch(shuffled)) << seed;
        EXPECT_TRUE(h.Board.HasPossibleMove()) << seed;
    }
    // A set without any code to try still resolves every marked tile.
    TBoardHarness empty(QuietGrid());
    empty.Board.SetElementSet(TFlowerIdxSet{});
    TBoardData shuffled;
    empty.Board.MakeShuffledBoard(shuffled);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            EXPECT_NE(shuffled(x, y).ElementCode, ecShuffleMark);
            EXPECT_NE(shuffled(x, y).LockerColor, ecShuffleMark);
        }
}

TEST(GameBoardShuffle, RandomizingOpensLockersAndDrawsCodesFromTheSet) {
    TBoardHarness h(GridOf({"AAABBBCCC", "x_#"}));
    TFlowerIdxSet set;
    set.Include(6);
    set.Include(7);
    h.Board.SetElementSet(set);
    h.Board.RandomizeElements();
    const TBoardData grid = h.Board.BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = grid(x, y);
            if (!tile.IsPlayable()) continue;
            EXPECT_EQ(tile.ObjectKind, okFruit);
            EXPECT_TRUE(tile.ElementCode == 6 || tile.ElementCode == 7);
            EXPECT_EQ(tile.BlasterCode, 1);
        }
    EXPECT_EQ(grid(1, 2).ObjectKind, okUnused);
    EXPECT_EQ(grid(3, 2).ObjectKind, okBlocker);
}

} // namespace
