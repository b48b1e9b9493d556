#include "GameBoardTestKit.h"

namespace {

// A level-like board: holes, a hole with background, chains, webs and lockers.
TBoardData MixedBoard() {
    TBoardData grid = GridOf({
        "xx............xx",
        "x..............x",
        "....A.B.C.......",
        "................",
        ".....o..........",
        "......#.........",
        "..x.............",
        "................",
        "................",
        "x..............x",
        "xx............xx",
    });
    grid(4, 6).ChainLevel = 2;
    grid(9, 9).ChainLevel = 1;
    grid(12, 4).Web = 1;
    grid(5, 8).WormState = 1;
    return grid;
}

// Plays a seeded game of random presses and drags, with every special tile spawning, and checks
// what must hold on every tick.
TBoardData PlayRandomly(uint64_t seed, int ticks) {
    const TBoardData board = MixedBoard();
    TBoardHarness h(board, seed);
    h.Complete = true;
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Board.NoMoreMovesInterval = 3000;
    h.Board.OneUniFruitEveryInterval = 30;
    h.Board.MaxUniFruitOnBoard = 2;
    h.Board.OneMultiBubbleEveryProb = 40;
    h.Board.MaxMultiBubbleOnBoard = 2;
    h.Board.OneHammerEveryProb = 40;
    h.Board.MaxHammersOnBoard = 2;
    h.Board.OneFruitBombEveryInterval = 25;
    h.Board.MaxFruitBombsOnBoard = 3;
    h.Board.WormEatingTime = 600;
    h.Board.FruitRegenerateTime = 1200;
    h.Board.OnNoMoreMoves = [&] {
        TBoardData shuffled;
        h.Board.MakeShuffledBoard(shuffled);
        h.Board.SetBoardData(shuffled);
        h.Board.ResetTimers();
        h.Board.CheckLockers();
        h.Board.CheckMatches();
    };
    int added = 0;
    h.Board.OnFruitBubbleAdded = h.Board.OnFruitBlasterAdded = h.Board.OnFruitBombAdded =
        h.Board.OnHammerAdded = [&] { ++added; };
    for (int tick = 0; tick < ticks; ++tick) {
        TPoint move1, move2;
        if (tick % 10 == 0 && h.Board.FindPossibleMove(move1, move2)) {
            // Now and then a player who sees a move.
            h.Click(move1.X, move1.Y);
            h.Click(move2.X, move2.Y);
        } else if (Random(4) == 0) {
            const TPoint tile{Random(BoardColumns) + 1, Random(BoardRows) + 1};
            h.Click(tile.X, tile.Y);
            const int side = Random(4);
            h.Click(tile.X + (side == 0) - (side == 1), tile.Y + (side == 2) - (side == 3));
        }
        h.Tick();
        const TBoardData grid = h.Board.BoardData();
        const TTileStateGrid states = h.Board.TileStates();
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                const TBoardTile& tile = grid(x, y);
                const TBoardTile& start = board(x, y);
                EXPECT_LE(tile.ObjectKind, okUnused);
                EXPECT_LE(states(x, y), tsChained);
                // Holes and blockers never move or fill; backgrounds stay with their cells.
                EXPECT_EQ(tile.ObjectKind == okUnused, start.ObjectKind == okUnused);
                EXPECT_EQ(tile.ObjectKind == okBlocker, start.ObjectKind == okBlocker);
                EXPECT_EQ(tile.BackgroundStyle, start.BackgroundStyle);
                if (tile.ObjectKind == okFruit) {
                    EXPECT_TRUE(IsMatchableCode(tile.ElementCode) || IsItemCode(tile.ElementCode) ||
                                tile.ElementCode == ecUniFruit)
                        << int(tile.ElementCode);
                }
                if (::testing::Test::HasFailure()) return grid;
            }
    }
    h.Settle();
    const TBoardData grid = h.Board.BoardData();
    EXPECT_FALSE(h.Board.AnyMatch(grid)) << "a settled board keeps no line";
    EXPECT_GT(h.Grouped.size(), 10u) << "the game was played";
    EXPECT_GT(added, 10);
    int byBlaster = 0;
    for (bool blaster : h.GroupedByBlaster) byBlaster += blaster;
    EXPECT_GT(byBlaster, 0);
    EXPECT_FALSE(h.Falling.empty()) << "bombs went off";
    EXPECT_FALSE(h.RestoreRequests.empty());
    return grid;
}

TEST(GameBoardPlay, RandomPlayKeepsTheBoardSoundAndRepeatsWithTheSameSeed) {
    const TBoardData first = PlayRandomly(5, 3000);
    const TBoardData again = PlayRandomly(5, 3000);
    EXPECT_TRUE(first == again);
    PlayRandomly(6, 3000);
}

} // namespace
