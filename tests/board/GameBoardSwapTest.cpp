#include "GameBoardTestKit.h"

namespace {

TEST(GameBoardSwap, SelectionFollowsClicks) {
    TBoardHarness h(QuietGrid());
    int clicks = 0;
    h.Board.OnObjectTileClick = [&] { ++clicks; };
    h.Click(4, 4);
    EXPECT_TRUE(h.Board.IsSelectionVisible());
    h.Click(4, 4);
    EXPECT_TRUE(h.Board.IsSelectionVisible()) << "the same tile again keeps it";
    h.Click(5, 5);
    EXPECT_FALSE(h.Board.IsSelectionVisible()) << "a diagonal neighbour only hides it";
    EXPECT_TRUE(h.Swaps.empty());
    h.Click(6, 6);
    h.Click(6, 6, mbRight);
    EXPECT_FALSE(h.Board.IsSelectionVisible());
    EXPECT_EQ(clicks, 4);
}

TEST(GameBoardSwap, ASwapIsRequestedAndKeptThroughTheWholeProtocol) {
    TBoardData grid = GridOf({"", "..55.5"}); // moving (6,2) left makes a line of three
    grid(6, 2).FruitBomb = 1;
    grid(6, 2).BlasterCode = 9;
    grid(5, 2).Web = 0;
    TBoardHarness h(grid);
    h.Complete = true;
    h.Board.SetMouseHeld(true);
    h.Click(6, 2);
    h.Click(5, 2); // dragging onto the neighbour arrives as a press there
    ASSERT_EQ(h.Swaps.size(), 1u);
    EXPECT_TRUE(h.SwapMatches[0]);
    EXPECT_EQ(h.ManualMatches, 1);
    EXPECT_FALSE(h.Board.MouseHeld());
    const TSwappedObjectsData& swap = h.Swaps[0];
    EXPECT_EQ(swap.Object1Pos, (TPoint{6, 2}));
    EXPECT_EQ(swap.Object2Pos, (TPoint{5, 2}));
    EXPECT_EQ(swap.ImageIdx[0], 5);
    EXPECT_EQ(swap.ImageIdx[1], grid(5, 2).ElementCode);
    EXPECT_TRUE(swap.IsSpecial[0]);
    EXPECT_EQ(swap.BombFlag[0], 1);
    EXPECT_EQ(h.Board.TileState({6, 2}), tsSwapping);
    EXPECT_EQ(h.Board.TileAt({6, 2}).ElementCode, 5) << "the live grid waits for the effect";

    h.Tick(); // the swap effect ends: the board keeps the swap and checks
    EXPECT_EQ(h.Board.TileAt({5, 2}).ElementCode, 5);
    EXPECT_EQ(h.Board.TileAt({5, 2}).FruitBomb, 1);
    EXPECT_EQ(h.Board.TileAt({5, 2}).BlasterCode, 9);
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_EQ(CountSet(h.Grouped[0]), 3);

    h.Settle();
    EXPECT_FALSE(h.Board.AnyMatch(h.Board.BoardData()));
    const TTileStateGrid states = h.Board.TileStates();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) EXPECT_EQ(states(x, y), tsIdle);
}

TEST(GameBoardSwap, ASwapWithoutALineGoesBack) {
    TBoardHarness h(QuietGrid());
    h.Complete = true;
    const TBoardData before = h.Board.BoardData();
    h.Click(2, 2);
    h.Click(2, 3);
    ASSERT_EQ(h.Swaps.size(), 1u);
    EXPECT_FALSE(h.SwapMatches[0]);
    EXPECT_EQ(h.ManualMatches, 0);
    h.Tick();
    EXPECT_EQ(h.Board.BoardData(), before);
    EXPECT_EQ(h.Board.TileState({2, 2}), tsIdle);
    EXPECT_EQ(h.Board.TileState({2, 3}), tsIdle);
}

TEST(GameBoardSwap, ALineElsewhereMakesEverySwapMatch) {
    TBoardHarness h(GridOf({"", "", "", "", "", "", "", "", "", "", "", "..........777"}));
    h.Click(2, 2);
    h.Click(3, 2);
    ASSERT_EQ(h.SwapMatches.size(), 1u);
    EXPECT_TRUE(h.SwapMatches[0]);
}

TEST(GameBoardSwap, OnlyFreeTilesOfOneKindSwap) {
    TBoardData grid = GridOf({"A3", "", "..H4", "", "5_6#7"});
    grid(1, 5).Web = 1;
    TBoardHarness h(grid);
    h.Click(1, 1);
    h.Click(2, 1); // a locker and an element
    h.Click(1, 5); // webbed: hides the selection, no swap
    EXPECT_FALSE(h.Board.IsSelectionVisible());
    h.Click(3, 5);
    h.Click(2, 5); // an empty cell is no tile to swap with
    EXPECT_FALSE(h.Board.IsSelectionVisible());
    h.Click(5, 5);
    h.Click(4, 5); // nor is a blocker
    h.Click(4, 3);
    h.Click(3, 3); // a hammer is clicked, never swapped
    EXPECT_TRUE(h.Swaps.empty());
}

TEST(GameBoardQueries, TutorialElementsAndThePicturesOrigin) {
    TBoardData grid = GridOf({"xxxxxxxxxxxxxxxx", "xxx9............", "", "...9", "......9"});
    grid(9, 7).ElementCode = 10;
    grid(2, 9).ObjectKind = okTempBlank;
    grid(2, 9).ElementCode = 13; // a stale code in an empty cell
    TBoardHarness h(grid);
    h.Board.Left = 266;
    h.Board.Top = 95;
    TPoint pos;
    ASSERT_TRUE(h.Board.FindTutorialElement(9, 12, pos));
    EXPECT_EQ(pos, (TPoint{7, 5})) << "the lower right part of the board first";
    h.Board.SetBoardData(GridOf({"", "...9"}));
    ASSERT_TRUE(h.Board.FindTutorialElement(9, 12, pos));
    EXPECT_EQ(pos, (TPoint{4, 2}));
    EXPECT_FALSE(h.Board.FindTutorialElement(13, 16, pos));
    EXPECT_EQ(pos, (TPoint{}));

    h.Board.SetBoardData(grid);
    EXPECT_EQ(h.Board.BoardPictureOrigin(), (TPoint{266 - 10, 95 + 52 - 11}));
}

TEST(GameBoardSwap, BadPositionsAndUnassignedEventsNeverHurt) {
    TGameBoard board; // no handler assigned at all
    board.Left = 266;
    board.Top = 95;
    for (TPoint p : {TPoint{0, 0}, {-5, 3}, {17, 1}, {1, 13}, {16, 12}, {1000, -1000}}) {
        board.MouseDown(266 + (p.X - 1) * 52 + 3, 95 + (p.Y - 1) * 52 + 3, mbLeft);
        board.SelectTile(p, 1);
        board.ApplySwap(p, {1, 1});
        board.CancelSwap({1, 1}, p);
        board.RemoveTile(p);
        board.ShowHintAt(p, {1, 1});
        board.ActivateObject(p);
        board.HammerStrike(p);
        board.BlowBlock(p);
        board.BanEnemies(p);
        board.StartShake(p);
        board.StartSmallShake(p);
        board.StartBlasterWave(p);
        board.PutWeb(p);
        board.TearWeb(p);
        board.RestoreFruit(p);
        board.PutPotion(p, ecPotion1);
        board.SpawnElement(p);
        if (!IsBoardCell(p)) {
            EXPECT_EQ(board.TileAt(p).ObjectKind, okUnused);
        }
    }
    board.MouseDown(-100000, 100000, mbLeft);
    board.MouseDown(1 << 30, 1 << 30, mbLeft);
    // A grid full of values outside every table.
    TBoardData wild;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = wild(x, y);
            tile.ObjectKind = static_cast<uint8_t>((x * 7 + y) % 9);
            tile.LockerColor = static_cast<uint8_t>(x * 31 + y);
            tile.ElementCode = static_cast<uint8_t>(x * 17 + y * 5);
            tile.ChainLevel = static_cast<uint8_t>(y % 4);
            tile.WormState = static_cast<uint8_t>(x % 4);
            tile.WormTime = 0x7FFFFFF0;
            tile.BlasterCode = -7;
            tile.FallOffset = 0x7FFFFFFF;
        }
    board.SetBoardData(wild);
    board.HintInterval = 30;
    board.NoMoreMovesInterval = 30;
    for (int tick = 0; tick < 300; ++tick) {
        board.UpdateAndDraw();
        board.DrawHint();
        board.CheckMatches();
        board.CheckLockers();
    }
    TBoardData shuffled;
    board.MakeShuffledBoard(shuffled);
    board.SetBoardData(shuffled);
    board.RandomizeElements();
    board.HammeredTilesRemoved();
    board.DetonateFruitBombs(TSimpleObjectArray{});
    SUCCEED();
}

} // namespace
