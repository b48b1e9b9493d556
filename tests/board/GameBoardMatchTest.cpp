#include "GameBoardTestKit.h"

namespace {

TEST(GameBoardLines, ShapesOfOneCodeComeOutAsOneGroup) {
    TBoardHarness h(GridOf({
        "555.............", // an L: three across, two more down
        "5...............", "5...............",
        "....666.........", // a T
        ".....6....7.....", // a plus
        ".....6...777....", "..........7.....", "",
        "556.............", // two equal and a third of another code
    }));
    h.Board.CheckMatches();
    ASSERT_EQ(h.Grouped.size(), 1u);
    const TSimpleObjectArray& grouped = h.Grouped[0];
    EXPECT_EQ(CountSet(grouped), 15);
    for (TPoint cell : {TPoint{1, 1}, {3, 1}, {1, 3}, {5, 4}, {6, 6}, {11, 5}, {10, 6}, {11, 7}})
        EXPECT_EQ(grouped(cell), 1) << cell.X << "," << cell.Y;
    EXPECT_EQ(grouped(1, 9), 0);
    EXPECT_EQ(h.Board.TileState({1, 1}), tsGrouped);
    EXPECT_FALSE(h.GroupedByBlaster[0]);
    ASSERT_EQ(h.Frames.size(), 1u);
    EXPECT_EQ(h.Frames[0], grouped);
}

TEST(GameBoardLines, WebsAndChainsTakeTheBlowOfALine) {
    TBoardData grid = GridOf({"5555", "", "777"});
    grid(2, 1).Web = 1;
    grid(2, 3).ChainLevel = 2;
    TBoardHarness h(grid);
    h.Board.CheckMatches();
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_EQ(CountSet(h.Grouped[0]), 5); // 3 fives and 2 sevens
    EXPECT_EQ(h.Grouped[0](2, 1), 0);
    EXPECT_FALSE(h.Board.HasWeb({2, 1}));
    ASSERT_EQ(h.Webs.size(), 1u);
    ASSERT_EQ(h.Chains.size(), 1u);
    EXPECT_EQ(h.Chains[0].second, 2); // the level before the blow
    EXPECT_EQ(h.Board.TileAt({2, 3}).ChainLevel, 1);
    EXPECT_EQ(h.Board.TileState({2, 3}), tsChained);

    // The next line weakens the chain to nothing, the one after removes the element.
    for (int blow = 2; blow <= 3; ++blow) {
        TBoardData again = h.Board.BoardData();
        again(1, 3).ElementCode = again(3, 3).ElementCode = 7;
        again(1, 3).ObjectKind = again(3, 3).ObjectKind = okFruit;
        h.Board.SetBoardData(again);
        h.Board.CheckMatches();
    }
    ASSERT_EQ(h.Chains.size(), 2u);
    EXPECT_EQ(h.Chains[1].second, 1);
    EXPECT_EQ(h.Grouped.back()(2, 3), 1);
}

TEST(GameBoardLines, BusyTilesAndHusksBreakLines) {
    TBoardData grid = GridOf({"55555", "", "", "", "", "777"});
    grid(2, 6).WormState = 2;
    TBoardHarness h(grid);
    // Swapping the middle five with the tile below puts both in state swapping.
    h.Click(3, 1);
    h.Click(3, 2);
    ASSERT_EQ(h.Board.TileState({3, 1}), tsSwapping);
    h.Board.CheckMatches();
    EXPECT_TRUE(h.Grouped.empty()) << "two tiles on either side of a busy one are no line";
    EXPECT_FALSE(h.Board.AnyMatch(h.Board.BoardData()));
}

TEST(GameBoardLines, ItemsAndBottomPotionsAreCollectedWithoutLines) {
    TBoardData grid = GridOf({
        "..K.............",
        ".....P..........", // above a visible hole: stays
        ".....o.Q........", // above a hole without background: collected
        ".......x...P....", // above a blocker: collected
        "...........#....",
    });
    grid(9, 12).ObjectKind = okFruit;
    grid(9, 12).ElementCode = ecPotion1; // at the bottom
    grid(10, 12).ObjectKind = okLocker;
    grid(10, 12).ElementCode = ecPotion2; // a locker is no potion
    grid(3, 1).Web = 1;
    TBoardHarness h(grid);
    h.Board.CheckMatches();
    ASSERT_EQ(h.Grouped.size(), 1u);
    const TSimpleObjectArray& grouped = h.Grouped[0];
    EXPECT_EQ(CountSet(grouped), 4);
    EXPECT_EQ(grouped(3, 1), 1) << "the web is torn in one pass, the item collected in the next";
    EXPECT_EQ(grouped(8, 3), 1);
    EXPECT_EQ(grouped(12, 4), 1);
    EXPECT_EQ(grouped(9, 12), 1);
    EXPECT_EQ(grouped(6, 2), 0);
    EXPECT_EQ(grouped(10, 12), 0);
}

TEST(GameBoardLines, PotionLinesHoldASwapButAreNotRemoved) {
    TBoardHarness h(GridOf({"", "", "PPP"}));
    EXPECT_TRUE(h.Board.AnyMatch(h.Board.BoardData()));
    h.Board.CheckMatches();
    EXPECT_TRUE(h.Grouped.empty());
    ASSERT_EQ(h.Frames.size(), 1u) << "the frames are told even when nothing was grouped";
}

TEST(GameBoardLines, ChecksDoNothingWhileMatchingIsOff) {
    TBoardHarness h(GridOf({"555", "AAA"}));
    h.Board.CanMatch = false;
    h.Board.CheckMatches();
    h.Board.CheckLockers();
    EXPECT_TRUE(h.Grouped.empty());
    EXPECT_TRUE(h.Openings.empty());
    EXPECT_TRUE(h.Frames.empty());
    // The blaster ignores it.
    h.Board.GroupElementsOfCode(5);
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_TRUE(h.GroupedByBlaster[0]);
}

TEST(GameBoardLockers, LockerLinesOpenAndReportEvenWhenEmpty) {
    TBoardData grid = GridOf({"AAAB", "..B.", "ABB.", "..BC"});
    grid(3, 1).Web = 1;
    TBoardHarness h(grid);
    h.Board.CheckLockers();
    ASSERT_EQ(h.Openings.size(), 1u);
    EXPECT_EQ(CountSet(h.Openings[0]), 2 + 3); // two lockers of colour 1, a column of colour 2
    EXPECT_EQ(h.Openings[0](3, 1), 0);
    EXPECT_EQ(h.Webs.size(), 1u);
    EXPECT_EQ(h.Board.TileState({1, 1}), tsLockerOpening);

    h.Board.LockersOpened(h.Openings[0]);
    EXPECT_EQ(h.Board.TileAt({1, 1}).ObjectKind, okFruit);
    EXPECT_EQ(h.Board.TileState({1, 1}), tsIdle);
    EXPECT_EQ(h.Board.TileAt({3, 1}).ObjectKind, okLocker);

    h.Board.CheckLockers();
    ASSERT_EQ(h.Openings.size(), 2u);
    EXPECT_EQ(CountSet(h.Openings[1]), 0);
}

TEST(GameBoardLockers, FindFlowerModeTurnsTheFirstOpeningLockerIntoAFlower) {
    TBoardHarness h(GridOf({"", "AAA"}));
    h.Board.ActiveMode = amFindFlower;
    h.Board.OneFlowerPerLockersMin = h.Board.OneFlowerPerLockersMax = 1;
    h.Board.ResetRound(); // draws the threshold from the new range
    h.Board.OnCanAddFlowerQuestion = [](bool& can) { can = true; };
    h.Board.OnUnobtainedFlowerIdxSetRequest = [](TFlowerIdxSet& set) { set.Include(4); };
    h.Board.CheckLockers();
    EXPECT_EQ(h.Board.TileAt({1, 2}).ElementCode, ecFoundFlower);
    EXPECT_EQ(h.Board.TileAt({2, 2}).ElementCode, 9);
    EXPECT_EQ(h.Board.LastFlowerIdx(), 4);
}

TEST(GameBoardLines, GroupingTheBlasterCodeSkipsHusksAndTearsWebs) {
    TBoardData grid = GridOf({"5.5.5", "", "5"});
    grid(3, 1).Web = 1;
    grid(5, 1).WormState = 2;
    grid(1, 3).WormState = 1;
    TBoardHarness h(grid);
    h.Board.GroupElementsOfCode(5);
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_EQ(CountSet(h.Grouped[0]), 2);
    EXPECT_EQ(h.Webs.size(), 1u);
    ASSERT_EQ(h.WormBans.size(), 1u);
    EXPECT_EQ(h.WormBans[0], (TPoint{1, 3}));
}

TEST(GameBoardLines, RemovalEmptiesOnlyLockersAndElements) {
    TBoardHarness h(GridOf({"", "", "", "", "...x"}));
    h.Board.GroupedElementsRemoved(MapOf({{2, 5}, {4, 5}}));
    EXPECT_EQ(h.Board.TileAt({2, 5}).ObjectKind, okTempBlank);
    EXPECT_EQ(h.Board.TileAt({4, 5}).ObjectKind, okUnused);
    // Everything above the new gap falls; the column of the hole does not.
    for (int y = 1; y <= 5; ++y) EXPECT_EQ(h.Board.TileState({2, y}), tsFalling) << y;
    EXPECT_EQ(h.Board.TileState({4, 4}), tsIdle);
}

} // namespace
