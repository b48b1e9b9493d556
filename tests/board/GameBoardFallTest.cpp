#include "GameBoardTestKit.h"

namespace {

// Codes 5, 6, 7, ... down a column, so every element can be followed.
void NumberColumn(TBoardData& grid, int x, int first, int last) {
    for (int y = first; y <= last; ++y) grid(x, y).ElementCode = static_cast<uint8_t>(4 + y);
}

TEST(GameBoardFall, ChainsHolesAndBlockersHoldUpTheirColumns) {
    TBoardData grid = QuietGrid();
    NumberColumn(grid, 3, 1, 9);
    grid(3, 5).ChainLevel = 1;
    NumberColumn(grid, 6, 5, 9);
    grid(6, 4).ObjectKind = okUnused;
    NumberColumn(grid, 9, 5, 9);
    grid(9, 4).ObjectKind = okBlocker;
    for (int x : {3, 6, 9}) grid(x, 9).BackgroundStyle = 1;
    TBoardHarness h(grid);
    h.Board.GroupedElementsRemoved(MapOf({{3, 9}, {6, 9}, {9, 9}}));
    for (int y = 1; y <= 4; ++y) EXPECT_EQ(h.Board.TileState({3, y}), tsIdle) << y;
    h.Settle();

    const TBoardData after = h.Board.BoardData();
    for (int x : {3, 6, 9}) {
        // Rows 6..8 moved one down; row 6 is new, spawned at the top of the lower segment.
        for (int y = 7; y <= 9; ++y) EXPECT_EQ(after(x, y).ElementCode, 4 + y - 1) << x << "," << y;
        EXPECT_EQ(after(x, 6).ObjectKind, okFruit);
        // The background stays with its cell.
        EXPECT_EQ(after(x, 9).BackgroundStyle, 1);
        EXPECT_EQ(after(x, 8).BackgroundStyle, 0);
    }
    for (int y = 1; y <= 5; ++y)
        EXPECT_TRUE(SameTile(after(3, y), grid(3, y))) << "above and at the chain";
    EXPECT_EQ(after(6, 4).ObjectKind, okUnused);
    EXPECT_EQ(after(9, 4).ObjectKind, okBlocker);
}

TEST(GameBoardFall, ATilePassesACellInSixFramesAtTheDefaultStep) {
    for (int step : {10, 52, 80}) {
        TBoardData grid = QuietGrid();
        grid(1, 11).ElementCode = 7;
        TBoardHarness h(grid);
        h.Board.DroppingStep = step;
        h.Board.RemoveTile({1, 12});
        const int frames = step == 10 ? 6 : 1;
        h.Ticks(frames - 1);
        EXPECT_NE(h.Board.TileAt({1, 12}).ElementCode, 7) << step;
        h.Tick();
        EXPECT_EQ(h.Board.TileAt({1, 12}).ElementCode, 7) << step;
        EXPECT_EQ(h.Board.TileState({1, 12}), tsIdle) << "landed";
    }
}

TEST(GameBoardFall, LockersAreCheckedOnLandingAndLinesAfterTheCascadeDelay) {
    TBoardData grid = GridOf({"", "", "", "", "", "", "", "", "5", ".55"});
    TBoardHarness h(grid);
    h.Board.RemoveTile({1, 10});
    h.Ticks(5);
    EXPECT_TRUE(h.Openings.empty());
    h.Tick(); // the column lands
    EXPECT_EQ(h.Openings.size(), 1u);
    h.Board.Frozen = true; // the cascade waits while frozen
    h.Ticks(20);
    EXPECT_TRUE(h.Grouped.empty());
    h.Board.Frozen = false;
    h.Ticks(8);
    EXPECT_TRUE(h.Grouped.empty());
    h.Tick(); // 300 ms after the landing
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_EQ(h.Grouped[0], MapOf({{1, 10}, {2, 10}, {3, 10}}));
}

TEST(GameBoardFall, AFallingTileNeverOverwritesTheTileBelow) {
    TBoardData grid = QuietGrid();
    NumberColumn(grid, 2, 1, 5);
    TBoardHarness h(grid);
    h.Click(2, 5);
    h.Click(3, 5); // (2,5) is swapping when the gap opens below it
    h.Board.RemoveTile({2, 6});
    h.Ticks(12); // the tiles above wait over the swapping tile
    EXPECT_EQ(h.Board.TileAt({2, 5}).ElementCode, 9);
    h.Board.CancelSwap({2, 5}, {3, 5});
    h.Settle();
    for (int y = 2; y <= 6; ++y) EXPECT_EQ(h.Board.TileAt({2, y}).ElementCode, 4 + y - 1) << y;
}

TEST(GameBoardFall, NewCodesComeFromTheLevelSet) {
    SetRandomSeed(77);
    TGameBoard board;
    auto codes = [&](std::initializer_list<int> members) {
        TFlowerIdxSet set;
        for (int code : members) set.Include(code);
        board.SetElementSet(set);
        std::vector<int> counts(256);
        for (int i = 0; i < 3700; ++i) ++counts[board.GenerateElementCode()];
        return counts;
    };
    std::vector<int> counts = codes({13, 14, 15, 16});
    EXPECT_EQ(counts[13] + counts[14] + counts[15] + counts[16], 3700);
    counts = codes({});
    EXPECT_EQ(counts[1], 3700);
    counts = codes({9}); // a sparse set misses often; the result is still in the set
    EXPECT_EQ(counts[9], 3700);
    counts = codes({1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16});
    const int flowers = counts[13] + counts[14] + counts[15] + counts[16];
    EXPECT_GT(flowers, 200); // 3 in 37: about 300
    EXPECT_LT(flowers, 400);
    EXPECT_EQ(counts[9] + counts[10] + counts[11] + counts[12], 0);
    ReleaseRandomSeed();
}

TEST(GameBoardFall, ANewElementStartsClean) {
    TBoardData grid = QuietGrid();
    TBoardTile& top = grid(4, 1);
    top.ChainLevel = 2;
    top.WormState = 2;
    top.WormTime = 900;
    top.Web = 1;
    top.FruitBomb = 1;
    top.BackgroundStyle = 1;
    TBoardHarness h(grid);
    h.Board.SpawnElement({4, 1});
    const TBoardTile spawned = h.Board.TileAt({4, 1});
    EXPECT_EQ(spawned.ObjectKind, okFruit);
    EXPECT_EQ(spawned.ChainLevel, 0);
    EXPECT_EQ(spawned.WormState, 0);
    EXPECT_EQ(spawned.WormTime, 0);
    EXPECT_EQ(spawned.Web, 0);
    EXPECT_EQ(spawned.FruitBomb, 0);
    EXPECT_EQ(spawned.BackgroundStyle, 1);
    EXPECT_GE(spawned.LockerColor, 1);
    EXPECT_LE(spawned.LockerColor, 3);
}

} // namespace
