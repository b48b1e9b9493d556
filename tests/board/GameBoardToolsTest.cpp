// The board's side of the player's tools: targets, the highlight, what applying does, and the
// tool items that come with new elements.
#include "GameBoardTestKit.h"

#include <string>

namespace {

int CountHighlighted(const TGameBoard& board) {
    int count = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) count += board.IsToolHighlighted({x, y});
    return count;
}

// Row 1: a locker, a webbed element, a chained webbed element, a hole, a visible hole, an empty
// cell, a blocker, a uni fruit, two potions, a hammer object, a magic key item, an element.
TBoardData TargetRow() {
    TBoardData grid = GridOf({"A12xo_#UPQHK7"});
    grid(2, 1).Web = 1;
    grid(3, 1).Web = 1;
    grid(3, 1).ChainLevel = 2;
    return grid;
}

TEST(GameBoardToolTargets, EachQueryOnEveryKindOfCellAndOffTheBoard) {
    TBoardHarness h(TargetRow());
    const TGameBoard& b = h.Board;
    // cell:                          A      1      2c     x      o      _      #      U      P
    //                                Q      H      K      7
    const bool noCell[] = {false, false, false, true,  false, false, false,
                           false, false, false, false, false, false};
    const bool locker[] = {true,  false, false, false, false, false, false,
                           false, false, false, false, false, false};
    const bool web[] = {false, true,  false, false, false, false, false,
                        false, false, false, false, false, false};
    const bool strikable[] = {false, true,  true,  false, false, false, false,
                              false, false, false, true,  true,  true};
    for (int x = 1; x <= 13; ++x) {
        SCOPED_TRACE("column " + std::to_string(x));
        EXPECT_EQ(b.IsNoCell({x, 1}), noCell[x - 1]);
        EXPECT_EQ(b.IsLocker({x, 1}), locker[x - 1]);
        EXPECT_EQ(b.HasRemovableWeb({x, 1}), web[x - 1]) << "a chain holds its web";
        EXPECT_EQ(b.IsStrikable({x, 1}), strikable[x - 1]);
    }
    EXPECT_EQ(b.ElementCodeAt({13, 1}), 7);
    for (TPoint off : {TPoint{0, 0}, {17, 1}, {1, 13}, {-1, 5}, {16, 0}}) {
        EXPECT_TRUE(b.IsNoCell(off));
        EXPECT_FALSE(b.IsLocker(off));
        EXPECT_FALSE(b.HasRemovableWeb(off));
        EXPECT_FALSE(b.IsStrikable(off));
        EXPECT_EQ(b.ElementCodeAt(off), 0);
    }
}

TEST(GameBoardToolHighlight, HammerBombAndBlasterShapesInsideTheBoard) {
    TBoardData grid =
        GridOf({"7.7U", "7P..", "", "", "", "", "", "", "", "", "", "..............#7"});
    TBoardHarness h(grid);
    TGameBoard& b = h.Board;
    b.SetToolHighlight({1, 1}, 1);
    EXPECT_EQ(CountHighlighted(b), 1);
    EXPECT_EQ(b.ToolHighlightAlpha(), TGameBoard::HighlightAlphaStart);

    b.SetToolHighlight({16, 12}, 2);
    EXPECT_EQ(CountHighlighted(b), 1) << "the bomb's block ends at the board's corner";
    EXPECT_TRUE(b.IsToolHighlighted({16, 12}));
    b.SetToolHighlight({1, 1}, 2);
    EXPECT_EQ(CountHighlighted(b), 4);

    b.SetToolHighlight({1, 1}, 3);
    const int sevens = CountHighlighted(b);
    EXPECT_GE(sevens, 4) << "every code-7 tile";
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (b.IsToolHighlighted({x, y})) {
                EXPECT_EQ(b.ElementCodeAt({x, y}), 7);
            }
    b.SetToolHighlight({4, 1}, 3);
    EXPECT_EQ(CountHighlighted(b), 0) << "a uni fruit shows nothing";
    b.SetToolHighlight({2, 2}, 3);
    EXPECT_EQ(CountHighlighted(b), 0) << "nor does a potion";
    b.SetToolHighlight({15, 12}, 1);
    EXPECT_EQ(CountHighlighted(b), 0) << "a blocker is no target";
    b.SetToolHighlight({0, 0}, 2);
    EXPECT_EQ(CountHighlighted(b), 0);

    // The glow fades in after a dark pause and stays at its top.
    b.SetToolHighlight({1, 1}, 1);
    h.Ticks(3);
    EXPECT_EQ(b.ToolHighlightAlpha(), 10);
    h.Ticks(20);
    EXPECT_EQ(b.ToolHighlightAlpha(), TGameBoard::HighlightAlphaTop);
    b.ClearToolHighlight();
    EXPECT_EQ(CountHighlighted(b), 0);
}

TEST(GameBoardToolKey, TheKeyOpensOnlyIdleLockers) {
    TBoardHarness h(GridOf({"A1B"}));
    int resets = 0;
    h.Board.OnNoMatchTimerReset = [&] { ++resets; };
    h.Board.OpenLocker({1, 1});
    ASSERT_EQ(h.Openings.size(), 1u);
    EXPECT_EQ(h.Openings[0], MapOf({{1, 1}}));
    EXPECT_EQ(h.Board.TileState({1, 1}), tsLockerOpening);
    EXPECT_EQ(resets, 1);
    h.Board.OpenLocker({1, 1}); // already opening
    h.Board.OpenLocker({2, 1}); // an element
    h.Board.OpenLocker({0, 0});
    EXPECT_EQ(h.Openings.size(), 1u);
    EXPECT_EQ(resets, 1);
}

TEST(GameBoardToolAerosol, OnlyEatingWormsInsideTheSprayLeave) {
    TBoardData grid = QuietGrid();
    grid(1, 1).WormState = 1;
    grid(2, 1).WormState = 2;
    grid(16, 12).WormState = 1;
    TBoardHarness h(grid);
    h.Board.Left = 266;
    h.Board.Top = 95;
    // Tile (1,1)'s centre is (292, 121); the edges count.
    h.Board.SprayWorms({292, 121, 400, 200});
    EXPECT_EQ(h.WormBans, (std::vector<TPoint>{{1, 1}}));
    EXPECT_EQ(h.Board.TileAt({1, 1}).WormState, 0);
    EXPECT_EQ(h.Board.TileAt({2, 1}).WormState, 2) << "a husk is no worm to spray";
    h.Board.SprayWorms({0, 0, 291, 1000});
    EXPECT_EQ(h.WormBans.size(), 1u);
    EXPECT_EQ(h.Board.WormCount(), 1);
}

TEST(GameBoardToolHammer, TheHammerToolGroupsItsTileThroughWebAndChain) {
    TBoardData grid = GridOf({"5P", "", "", "", "", "", "", "", "", "", "", "...............3"});
    grid(1, 1).ChainLevel = 2;
    grid(1, 1).Web = 1;
    grid(1, 1).WormState = 1;
    TSoundLog sounds;
    TBoardHarness h(grid);
    h.Board.HammerToolStrike({1, 1});
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_EQ(h.Grouped[0], MapOf({{1, 1}}));
    EXPECT_TRUE(h.GroupedByBlaster[0]);
    EXPECT_EQ(h.Chains, (std::vector<std::pair<TPoint, int>>{{{1, 1}, 1}}))
        << "the whole chain breaks in one blow, reported as its last layer";
    EXPECT_EQ(h.Webs, (std::vector<TPoint>{{1, 1}}));
    EXPECT_EQ(h.WormBans, (std::vector<TPoint>{{1, 1}}));
    EXPECT_EQ(h.Board.TileAt({1, 1}).ChainLevel, 0);
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"Hammer"});

    h.Board.HammerToolStrike({1, 1}); // already grouped
    h.Board.HammerToolStrike({0, 0});
    EXPECT_EQ(h.Grouped.size(), 1u);
    h.Board.HammerToolStrike({16, 12});
    EXPECT_EQ(h.Grouped.back(), MapOf({{16, 12}})) << "the corner tile";
}

TEST(GameBoardToolBomb, TheBombToolBlowsItsBlockLikeAFruitBomb) {
    TBoardData grid =
        GridOf({"", "", "", "", "", "", "", "", "", "", "..............A.", "..............P."});
    TBoardHarness h(grid);
    std::vector<TPoint> explosions;
    std::vector<TSimpleObjectArray> banned;
    h.Board.OnExplossionEffectRequest = [&](TPoint pos) { explosions.push_back(pos); };
    h.Board.OnEnemiesBanned = [&](const TSimpleObjectArray& map) { banned.push_back(map); };
    h.Board.BombToolExplode({16, 12});
    EXPECT_EQ(explosions, (std::vector<TPoint>{{16, 12}}));
    ASSERT_EQ(h.Falling.size(), 1u);
    EXPECT_EQ(h.Falling[0], MapOf({{16, 12}})) << "one cell at the corner";
    EXPECT_EQ(banned[0], MapOf({{16, 12}}));
    h.Board.BombToolExplode({15, 11});
    EXPECT_EQ(h.Falling[1], MapOf({{16, 11}})) << "the locker and the potion stay";
    h.Board.BombToolExplode({0, 0});
    EXPECT_EQ(explosions.size(), 2u);
}

TEST(GameBoardToolBlaster, TheBlasterAimsAtTheCodeOfItsTile) {
    TBoardHarness h(GridOf({"7U"}));
    std::vector<int> codes;
    std::vector<TPoint> toolPositions;
    h.Board.OnMultiBubbleClicked = [&](TPoint, TPoint toolPos, int code) {
        codes.push_back(code);
        toolPositions.push_back(toolPos);
    };
    h.Board.BlasterToolFire({2, 1}, {9, 9});
    EXPECT_TRUE(codes.empty()) << "a uni fruit is no target";
    h.Board.BlasterToolFire({1, 1}, {300, 120});
    EXPECT_EQ(codes, std::vector<int>{7});
    EXPECT_EQ(toolPositions, (std::vector<TPoint>{{300, 120}}));
    EXPECT_EQ(h.Board.TileAt({1, 1}).BlasterCode, 7);
    h.Board.StartBlasterWave({1, 1});
    h.Ticks(20);
    ASSERT_FALSE(h.Grouped.empty());
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (h.Grouped[0](x, y)) {
                EXPECT_EQ(h.Board.ElementCodeAt({x, y}), 7);
            }
}

TEST(GameBoardToolItems, AnItemComesOnlyWhileItsToolIsShortAndNoneLiesOnTheBoard) {
    TBoardHarness h(QuietGrid());
    int keysHeld = 8;
    h.Board.OnAcquiredMagicKeysQuestion = [&](int& count) { count = keysHeld; };
    h.Board.OneMagicKeyEveryProb = 1; // every new element
    h.Board.SpawnElement({1, 1});
    EXPECT_EQ(h.Board.ElementCodeAt({1, 1}), ecMagicKeyItem);
    h.Board.SpawnElement({2, 1});
    EXPECT_NE(h.Board.ElementCodeAt({2, 1}), ecMagicKeyItem) << "one lies on the board";
    h.Board.SpawnElement({1, 1}); // the item gives way
    EXPECT_EQ(h.Board.ElementCodeAt({1, 1}), ecMagicKeyItem);
    keysHeld = 9;
    h.Board.SpawnElement({1, 1});
    EXPECT_NE(h.Board.ElementCodeAt({1, 1}), ecMagicKeyItem) << "the player holds the most";

    // The level's most advanced tool limits the items.
    keysHeld = 0;
    h.Board.OneAerosolEveryProb = 1;
    h.Board.MaxToolKind = toBroom;
    h.Board.SpawnElement({3, 1});
    EXPECT_EQ(h.Board.ElementCodeAt({3, 1}), ecMagicKeyItem);
    h.Board.OneMagicKeyEveryProb = 0;
    h.Board.SpawnElement({4, 1});
    EXPECT_NE(h.Board.ElementCodeAt({4, 1}), ecAerosolItem);
    h.Board.MaxToolKind = toAerosol;
    h.Board.SpawnElement({4, 1});
    EXPECT_EQ(h.Board.ElementCodeAt({4, 1}), ecAerosolItem);
    h.Board.MaxToolKind = toNone;
    h.Board.OneBroomEveryProb = 1;
    h.Board.SpawnElement({5, 1});
    EXPECT_FALSE(IsToolItemCode(h.Board.ElementCodeAt({5, 1})));
}

TEST(GameBoardToolItems, ItemCodesMapToTheirToolsInOnePlace) {
    EXPECT_EQ(ToolKindOfItem(ecMagicKeyItem), toMagicKey);
    EXPECT_EQ(ToolKindOfItem(ecBroomItem), toBroom);
    EXPECT_EQ(ToolKindOfItem(ecAerosolItem), toAerosol);
    for (int code : {0, 1, 18, int{ecHammerObject}, int{ecFoundFlower}, int{ecMultiBubble}, 107})
        EXPECT_EQ(ToolKindOfItem(code), toNone) << code;
}

} // namespace
