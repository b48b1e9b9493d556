#include "GameBoardTestKit.h"

#include <string>

namespace {

TFlowerIdxSet SetOf(std::initializer_list<int> codes) {
    TFlowerIdxSet set;
    for (int code : codes) set.Include(code);
    return set;
}

TEST(GameBoardSpawn, UniFruitsComeByCountAndOnlyUpToTheirLimit) {
    TBoardHarness h(QuietGrid());
    int added = 0;
    h.Board.OnFruitBubbleAdded = [&] { ++added; };
    h.Board.OneUniFruitEveryInterval = 5;
    h.Board.ResetRound();
    for (int i = 1; i <= 4; ++i) h.Board.SpawnElement({1, 1});
    EXPECT_EQ(added, 0);
    h.Board.SpawnElement({1, 1});
    EXPECT_EQ(h.Board.TileAt({1, 1}).ElementCode, ecUniFruit);
    // With one on the board the counter goes on, and the next new element is tried again.
    for (int i = 1; i <= 7; ++i) h.Board.SpawnElement({2, 1});
    EXPECT_EQ(added, 1);
    h.Board.SpawnElement({1, 1}); // the uni fruit gives way to a plain element...
    EXPECT_EQ(added, 2) << "...which becomes the next uni fruit at once";
}

TEST(GameBoardSpawn, MultiBubblesHammersAndBombsFollowTheirSettings) {
    TBoardHarness h(QuietGrid());
    int bubbles = 0, hammers = 0, bombs = 0;
    h.Board.OnFruitBlasterAdded = [&] { ++bubbles; };
    h.Board.OnHammerAdded = [&] { ++hammers; };
    h.Board.OnFruitBombAdded = [&] { ++bombs; };
    h.Board.SetElementSet(SetOf({2, 6}));
    h.Board.OneUniFruitEveryInterval = 0;
    h.Board.OneMultiBubbleEveryProb = 4;
    h.Board.MaxMultiBubbleOnBoard = 3;
    for (int i = 0; i < 4000; ++i) {
        h.Board.SpawnElement({5, 5});
        const TBoardTile tile = h.Board.TileAt({5, 5});
        if (tile.ElementCode == ecMultiBubble) {
            EXPECT_TRUE(tile.BlasterCode == 2 || tile.BlasterCode == 6);
        }
    }
    EXPECT_GT(bubbles, 850); // one in four
    EXPECT_LT(bubbles, 1150);

    h.Board.OneMultiBubbleEveryProb = 1; // the bubble's rule comes first
    h.Board.OneHammerEveryProb = 1;
    h.Board.MaxHammersOnBoard = 5;
    h.Board.SpawnElement({7, 4});
    EXPECT_EQ(h.Board.TileAt({7, 4}).ElementCode, ecMultiBubble);
    h.Board.OneMultiBubbleEveryProb = 0;
    h.Board.SpawnElement({7, 4});
    EXPECT_EQ(h.Board.TileAt({7, 4}).ElementCode, ecHammerObject);
    EXPECT_EQ(hammers, 1);

    h.Board.OneHammerEveryProb = 0;
    h.Board.OneFruitBombEveryInterval = 3;
    h.Board.MaxFruitBombsOnBoard = 1;
    h.Board.ResetRound(); // the bomb count starts again
    for (int i = 0; i < 9; ++i) h.Board.SpawnElement({9, 1 + i});
    EXPECT_EQ(bombs, 1) << "one bomb on the board at most";
    EXPECT_EQ(h.Board.TileAt({9, 3}).FruitBomb, 1);
}

TEST(GameBoardUniFruit, ColourCyclesThroughTheSetAndAClickRevealsIt) {
    TSoundLog sounds;
    TBoardHarness h(GridOf({"55U"}));
    h.Board.SetElementSet(SetOf({5, 9, 12}));
    EXPECT_EQ(h.Board.CurrentUniFruitCode(), 5) << "uni fruits show only codes of the level";
    h.Board.UniFruitInterval = 60;
    h.Ticks(2);
    EXPECT_EQ(h.Board.CurrentUniFruitCode(), 9);
    h.Ticks(4);
    EXPECT_EQ(h.Board.CurrentUniFruitCode(), 5);

    int bursts = 0;
    h.Board.OnUniBubbleEffectRequest = [&](TPoint pos) {
        EXPECT_EQ(pos, (TPoint{3, 1}));
        ++bursts;
    };
    h.Click(3, 1);
    EXPECT_EQ(bursts, 1);
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"BubblePop"});
    EXPECT_EQ(h.Board.TileAt({3, 1}).ElementCode, 5);
    EXPECT_FALSE(h.Board.IsSelectionVisible());
    h.Ticks(19);
    EXPECT_TRUE(h.Grouped.empty()) << "the new element shows itself first";
    h.Tick();
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_TRUE(h.GroupedWithCombos[0]);
}

TEST(GameBoardBlaster, TheWaveShinesRingByRingAndFiresAfterItsEighthStep) {
    TBoardData grid = GridOf({"5", "", "", "", "", ".......M..5", "", ".......5"});
    grid(8, 6).BlasterCode = 5;
    grid(8, 8).Web = 1;
    TSoundLog sounds;
    TBoardHarness h(grid);
    h.Complete = true;
    std::vector<int> idx;
    h.Board.OnMultiBubbleClicked = [&](TPoint pos, TPoint tool, int code) {
        EXPECT_EQ(tool, (TPoint{}));
        idx.push_back(code);
        h.Board.StartBlasterWave(pos);
    };
    h.Click(8, 6);
    EXPECT_EQ(idx, std::vector<int>{5});
    EXPECT_EQ(h.Board.TileAt({8, 6}).ElementCode, 5);
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"ItemActivated"});
    EXPECT_EQ(h.Board.ShakeAmplitude({8, 6}), 7);
    EXPECT_TRUE(h.Board.IsBlasterWaveEarly());
    h.Ticks(6); // three rings later
    EXPECT_EQ(h.Stars, (std::vector<TPoint>{{8, 6}, {11, 6}}));
    h.Ticks(9);
    EXPECT_TRUE(h.Grouped.empty());
    h.Tick(); // step 8
    ASSERT_EQ(h.Grouped.size(), 1u);
    EXPECT_TRUE(h.GroupedByBlaster[0]);
    EXPECT_FALSE(h.Board.IsBlasterWaveEarly());
    EXPECT_EQ(h.Grouped[0], MapOf({{1, 1}, {8, 6}, {11, 6}}));
    EXPECT_EQ(h.Webs, (std::vector<TPoint>{{8, 8}})) << "the webbed element only loses its web";
    h.Settle();
    EXPECT_EQ(h.Grouped.size(), 1u) << "the wave fires once";
}

TEST(GameBoardHammer, AHammerStrikesItsCrossInsideTheBoard) {
    TBoardData grid = GridOf({"H_", "5", "", "", "", "", "", "", "", "", "", "..............xH"});
    grid(1, 2).ChainLevel = 2;
    grid(1, 2).Web = 1;
    TSoundLog sounds;
    TBoardHarness h(grid);
    std::vector<TPoint> requests;
    std::vector<TSimpleObjectArray> struck;
    h.Board.OnHammerEffectRequest = [&](TPoint pos) { requests.push_back(pos); };
    h.Board.OnHammeredObjectsEffectRequest = [&](const TBoardData&, const TSimpleObjectArray& map) {
        struck.push_back(map);
    };
    h.Click(1, 1);
    ASSERT_EQ(requests, (std::vector<TPoint>{{1, 1}}));
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"ItemActivated"});
    EXPECT_EQ(h.Board.TileState({1, 1}), tsStruck);
    h.Board.HammerStrike({1, 1});
    ASSERT_EQ(struck.size(), 1u);
    EXPECT_EQ(struck[0], MapOf({{1, 2}})) << "the empty cell is not struck; chains do not protect";
    h.Board.HammerStrike({16, 12});
    EXPECT_EQ(struck[1], MapOf({{16, 11}})) << "nor is a hole";

    h.Board.HammeredTilesRemoved();
    for (TPoint cell : {TPoint{1, 1}, {1, 2}, {16, 11}, {16, 12}})
        EXPECT_EQ(h.Board.TileAt(cell).ObjectKind, okTempBlank);
    EXPECT_EQ(h.Board.TileAt({15, 12}).ObjectKind, okUnused);
    h.Settle();
    EXPECT_EQ(h.Board.TileAt({1, 2}).ObjectKind, okFruit);
    EXPECT_EQ(h.Board.TileAt({1, 2}).ChainLevel, 0) << "the new element is free";
}

TEST(GameBoardBombs, ABombBlowsItsBlockAtTheBoardsEdge) {
    TBoardData grid =
        GridOf({"", "", "", "", "", "", "", "", "", "", "..............AP", ".............."});
    grid(16, 12).ChainLevel = 2;
    grid(16, 12).Web = 1;
    grid(15, 12).WormState = 1;
    grid(15, 12).FruitBomb = 1;
    TBoardHarness h(grid);
    std::vector<TPoint> explosions;
    std::vector<TSimpleObjectArray> banned;
    h.Board.OnExplossionEffectRequest = [&](TPoint pos) { explosions.push_back(pos); };
    h.Board.OnEnemiesBanned = [&](const TSimpleObjectArray& map) { banned.push_back(map); };

    h.Board.DetonateFruitBombs(MapOf({{15, 12}, {3, 3}}));
    EXPECT_EQ(explosions, (std::vector<TPoint>{{15, 12}}));
    ASSERT_EQ(banned.size(), 1u);
    EXPECT_EQ(banned[0], MapOf({{15, 12}, {16, 12}}));
    ASSERT_EQ(h.Falling.size(), 1u);
    EXPECT_EQ(h.Falling[0], MapOf({{15, 12}, {16, 12}})) << "lockers and potions stay";
    EXPECT_EQ(h.Frames.back(), h.Falling[0]);
    EXPECT_EQ(h.Chains, (std::vector<std::pair<TPoint, int>>{{{16, 12}, 2}}));
    EXPECT_EQ(h.Webs, (std::vector<TPoint>{{16, 12}}));
    EXPECT_EQ(h.WormBans, (std::vector<TPoint>{{15, 12}}));
    EXPECT_EQ(h.Board.TileAt({16, 12}).ObjectKind, okTempBlank);
    EXPECT_EQ(h.Board.TileAt({15, 12}).FruitBomb, 0) << "spent";
    EXPECT_EQ(h.Board.ShakeAmplitude({15, 12}), 7);
    h.Board.DetonateFruitBombs(MapOf({{15, 12}}));
    EXPECT_EQ(explosions.size(), 1u);

    h.Board.BanEnemies({16, 12});
    EXPECT_EQ(banned.back(), MapOf({{16, 12}}));
}

TEST(GameBoardShake, RingsAroundTheCentreAndTheirDecay) {
    TBoardHarness h(QuietGrid());
    h.Board.StartShake({8, 6});
    const std::pair<TPoint, int> expected[] = {
        {{8, 6}, 7},  {{9, 7}, 7},  {{10, 7}, 6}, {{8, 4}, 6},  {{10, 8}, 5},
        {{11, 6}, 5}, {{12, 7}, 3}, {{8, 2}, 3},  {{12, 8}, 2}, {{1, 1}, 2}};
    for (auto [cell, amplitude] : expected)
        EXPECT_EQ(h.Board.ShakeAmplitude(cell), amplitude) << cell.X << "," << cell.Y;
    h.Ticks(16);
    EXPECT_EQ(h.Board.ShakeAmplitude({8, 6}), 7) << "held for half a second";
    h.Tick();
    EXPECT_EQ(h.Board.ShakeAmplitude({8, 6}), 6);
    h.Ticks(10);
    EXPECT_EQ(h.Board.ShakeAmplitude({8, 6}), 0);

    h.Board.StartSmallShake({1, 1});
    EXPECT_EQ(h.Board.ShakeAmplitude({1, 1}), 3);
    EXPECT_EQ(h.Board.ShakeAmplitude({3, 2}), 2);
    EXPECT_EQ(h.Board.ShakeAmplitude({3, 3}), 2);
    EXPECT_EQ(h.Board.ShakeAmplitude({4, 3}), 1);
}

TEST(GameBoardWebs, WebsGoOnlyWhereSpidersMaySpinThem) {
    TBoardData grid = GridOf({"A5UPK_x#9"});
    grid(9, 1).ElementCode = 14; // a flower
    grid(1, 2).FruitBomb = 1;
    grid(2, 2).WormState = 1;
    grid(3, 2).ChainLevel = 1;
    TBoardHarness h(grid);
    EXPECT_TRUE(h.Board.CanTakeWeb({1, 1}));
    EXPECT_TRUE(h.Board.CanTakeWeb({2, 1}));
    for (TPoint refused : {TPoint{3, 1},
                           {4, 1},
                           {5, 1},
                           {6, 1},
                           {7, 1},
                           {8, 1},
                           {9, 1},
                           {1, 2},
                           {2, 2},
                           {3, 2},
                           {0, 0},
                           {17, 3}})
        EXPECT_FALSE(h.Board.CanTakeWeb(refused)) << refused.X << "," << refused.Y;
    h.Click(2, 1);
    h.Board.PutWeb({2, 1});
    EXPECT_FALSE(h.Board.IsSelectionVisible()) << "a web ends the selection of its tile";
    EXPECT_FALSE(h.Board.CanTakeWeb({2, 1}));
    h.Board.PutWeb({9, 1});
    h.Board.PutWeb({3, 2}); // a chained element may carry a web the level gives it
    EXPECT_EQ(h.Board.WebCount(), 2);
    h.Board.TearWeb({2, 1});
    h.Board.TearWeb({2, 1});
    EXPECT_EQ(h.Webs.size(), 1u);
    EXPECT_FALSE(h.Board.HasWeb({2, 1}));
}

TEST(GameBoardWebs, SpidersEnterAtTheTopOfAColumnOrNowhere) {
    TBoardData grid;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) grid(x, y).ObjectKind = okUnused;
    TBoardHarness none(grid);
    EXPECT_EQ(none.Board.SpiderEntryCell(), (TPoint{}));
    grid(7, 5).ObjectKind = okLocker;
    grid(7, 9).ObjectKind = okFruit;
    TBoardHarness one(grid);
    EXPECT_EQ(one.Board.SpiderEntryCell(), (TPoint{7, 5}));
}

TEST(GameBoardWorms, AWormEatsThenTheFairyIsCalledUntilTheElementIsBack) {
    TBoardData grid = GridOf({"5.55"});
    grid(2, 1).ElementCode = 5;
    grid(2, 1).WormState = 1;
    TBoardHarness h(grid);
    h.Board.WormEatingTime = 300;
    h.Board.FruitRegenerateTime = 600;
    h.Board.WaitingFairyRestoreInterval = 150;
    EXPECT_TRUE(h.Board.AnyMatch(h.Board.BoardData()));
    EXPECT_EQ(h.Board.WormCount(), 1);
    h.Ticks(10);
    EXPECT_EQ(h.Board.TileAt({2, 1}).WormState, 2);
    EXPECT_EQ(h.Board.WormCount(), 0);
    EXPECT_FALSE(h.Board.AnyMatch(h.Board.BoardData())) << "a husk matches nothing";
    h.Board.RestoreFruit({2, 1});
    EXPECT_EQ(h.Board.TileAt({2, 1}).WormState, 2) << "only when the fairy was called";
    h.Ticks(19);
    EXPECT_TRUE(h.RestoreRequests.empty());
    h.Tick();
    EXPECT_EQ(h.RestoreRequests.size(), 1u);
    h.Ticks(5);
    EXPECT_EQ(h.RestoreRequests.size(), 2u) << "called again while waiting";
    h.Board.RestoreFruit({2, 1});
    EXPECT_EQ(h.Board.TileAt({2, 1}).WormState, 0);
    ASSERT_EQ(h.Grouped.size(), 1u) << "the element is back in its line";
    EXPECT_EQ(CountSet(h.Grouped[0]), 4);
}

TEST(GameBoardPotions, PotionsGoOnlyOnLockersAndElements) {
    TBoardHarness h(GridOf({"A5x_#"}));
    EXPECT_TRUE(h.Board.PutPotion({1, 1}, ecPotion2));
    EXPECT_EQ(h.Board.TileAt({1, 1}).ObjectKind, okFruit);
    EXPECT_TRUE(h.Board.PutPotion({2, 1}, ecPotion1));
    EXPECT_EQ(h.Board.TileAt({2, 1}).ElementCode, ecPotion1);
    EXPECT_FALSE(h.Board.PutPotion({2, 1}, 5));
    for (int x = 3; x <= 5; ++x) EXPECT_FALSE(h.Board.PutPotion({x, 1}, ecPotion1)) << x;
    EXPECT_EQ(h.Board.TileAt({3, 1}).ObjectKind, okUnused);
}

} // namespace
