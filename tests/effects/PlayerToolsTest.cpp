// The player's tools on their own: picking up, following, applying, putting back, their uses,
// the aerosol's spray, the collector tools' protocol, the hammer effect and the flying items.
#include "EffectTestFixture.h"
#include "effects/AerosolClass.h"
#include "effects/BroomClass.h"
#include "effects/CollectorBombToolClass.h"
#include "effects/EffectPattern.h"
#include "effects/FlyingToolsClass.h"
#include "effects/HammerEffectClass.h"
#include "effects/MagicKeyClass.h"

#include <algorithm>

namespace {

constexpr TPoint Hook{84, 128};

// The screen centre of a board tile.
TPoint Centre(int x, int y) {
    const TPoint corner = TileScreenPos({x, y});
    return {corner.X + 26, corner.Y + 26};
}

template <typename Tool> void TickUntilHome(Tool& tool, int limit = 200) {
    for (int i = 0; i < limit && tool.Phase() != TPlayerTool::tpHanging; ++i) tool.UpdateAndDraw();
}

template <typename Tool> void TickWhileApplying(Tool& tool, int limit = 200) {
    for (int i = 0; i < limit && tool.Phase() == TPlayerTool::tpApplying; ++i) tool.UpdateAndDraw();
}

struct KeyTest : EffectTest {
    TMagicKey Key;
    std::vector<TPoint> Clicked;
    std::vector<std::pair<TPoint, bool>> Hovered;
    void SetUp() override {
        EffectTest::SetUp();
        Key.HangPos = Hook;
        // Column 1 holds lockers, column 16 is no cell.
        Key.OnObjectOpenableAsk = [](TPoint tile, bool& openable, bool& blank) {
            openable = tile.X == 1;
            blank = !IsBoardCell(tile) || tile.X == 16;
        };
        Key.OnTileClick = [this](TPoint tile) { Clicked.push_back(tile); };
        Key.OnTilePosChange = [this](TPoint tile, bool usable) {
            Hovered.push_back({tile, usable});
        };
    }
};

TEST_F(KeyTest, TheKeyOpensOneLockerAUseAndGoesHome) {
    Key.MouseDown(Hook.X, Hook.Y, mbLeft);
    ASSERT_TRUE(Key.Active());
    EXPECT_EQ(Sounds.Played.back(), "PickingTool");
    Key.MouseMove(Centre(2, 3).X, Centre(2, 3).Y);
    EXPECT_EQ(Key.Pos(), Centre(2, 3)) << "it follows the mouse";
    EXPECT_EQ(Hovered.back(), (std::pair<TPoint, bool>{{2, 3}, false}));

    Key.MouseDown(Centre(2, 3).X, Centre(2, 3).Y, mbLeft);
    EXPECT_EQ(Sounds.Played.back(), "DisabledTile");
    EXPECT_EQ(Key.Count(), TUseCountTool::NewUses) << "no use spent on an element";
    EXPECT_TRUE(Key.Active());

    Key.MouseDown(Centre(1, 12).X, Centre(1, 12).Y, mbLeft);
    EXPECT_EQ(Sounds.Played.back(), "Key");
    EXPECT_EQ(Key.Count(), TUseCountTool::NewUses - 1);
    EXPECT_EQ(Key.Phase(), TPlayerTool::tpApplying);
    Key.MouseDown(Centre(1, 11).X, Centre(1, 11).Y, mbLeft); // ignored while it turns
    TickWhileApplying(Key);
    EXPECT_EQ(Clicked, (std::vector<TPoint>{{1, 12}})) << "reported once, at the end of the turn";
    EXPECT_EQ(Key.Count(), TUseCountTool::NewUses - 1);
    EXPECT_FALSE(Key.Active());
    TickUntilHome(Key);
    EXPECT_EQ(Key.Phase(), TPlayerTool::tpHanging);
}

TEST_F(KeyTest, OffTheBoardRightPressOrItsHookPutTheKeyBack) {
    for (int way = 0; way < 3; ++way) {
        Key.MouseDown(Hook.X, Hook.Y, mbLeft);
        ASSERT_TRUE(Key.Active());
        if (way == 0) Key.MouseDown(Centre(16, 5).X, Centre(16, 5).Y, mbLeft); // no cell
        if (way == 1) Key.MouseDown(Centre(1, 5).X, Centre(1, 5).Y, mbRight);
        if (way == 2) Key.MouseDown(Hook.X + 10, Hook.Y - 10, mbLeft);
        EXPECT_FALSE(Key.Active()) << way;
        EXPECT_EQ(Key.Phase(), TPlayerTool::tpWaiting) << "it rests, then glides";
        TickUntilHome(Key);
    }
    EXPECT_EQ(Key.Count(), TUseCountTool::NewUses);
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(KeyTest, UsesCountUpToNineAndAnEmptyOrDisabledKeyStaysOnItsHook) {
    Key.SetCount(8);
    EXPECT_TRUE(Key.AddUse());
    EXPECT_FALSE(Key.AddUse());
    EXPECT_EQ(Key.Count(), TUseCountTool::MostUses);
    Key.SetCount(0);
    Key.MouseDown(Hook.X, Hook.Y, mbLeft);
    EXPECT_FALSE(Key.Active());
    Key.SetCount(1);
    Key.Enabled = false;
    Key.MouseDown(Hook.X, Hook.Y, mbLeft);
    EXPECT_FALSE(Key.Active());
    Key.Enabled = true;
    Key.MouseDown(Hook.X + 39, Hook.Y + 39, mbLeft); // the hook's corner
    EXPECT_TRUE(Key.Active());
    Key.PutDown();
    EXPECT_EQ(Key.Phase(), TPlayerTool::tpHanging);
    EXPECT_EQ(Key.Pos(), Hook);
}

TEST_F(EffectTest, TheBroomStaysInHandWhileUsesAndWebsAreLeft) {
    TBroom broom;
    broom.HangPos = Hook;
    int websLeft = 2;
    std::vector<TPoint> swept;
    broom.OnObjectBroomableAsk = [](TPoint tile, bool& broomable, bool& blank) {
        broomable = tile.Y == 1;
        blank = !IsBoardCell(tile);
    };
    broom.OnTileBroomingFinished = [&](TPoint tile) {
        swept.push_back(tile);
        --websLeft;
    };
    broom.OnWebsLeftQuestion = [&](int& left) { left = websLeft; };
    broom.MouseDown(Hook.X, Hook.Y, mbLeft);
    broom.MouseDown(Centre(4, 1).X, Centre(4, 1).Y, mbLeft);
    TickWhileApplying(broom);
    EXPECT_TRUE(broom.Active()) << "one web and two uses left";
    broom.MouseDown(Centre(5, 2).X, Centre(5, 2).Y, mbLeft);
    EXPECT_EQ(Sounds.Played.back(), "DisabledTile");
    broom.MouseDown(Centre(6, 1).X, Centre(6, 1).Y, mbLeft);
    TickWhileApplying(broom);
    EXPECT_EQ(swept, (std::vector<TPoint>{{4, 1}, {6, 1}}));
    EXPECT_FALSE(broom.Active()) << "no web left";
    EXPECT_EQ(broom.Count(), 1);
}

TEST_F(EffectTest, TheAerosolSpraysAGrowingSquareOnceAUseWhereverItIsPressed) {
    TAerosol aerosol;
    aerosol.HangPos = Hook;
    std::vector<TRect> sprays;
    bool enemies = true;
    aerosol.OnSpraySizeChange = [&](const TRect& rect) { sprays.push_back(rect); };
    aerosol.OnEnemiesExistQuestion = [&](bool& exist) { exist = enemies; };
    aerosol.MouseDown(Hook.X, Hook.Y, mbLeft);
    aerosol.MouseDown(130, 600, mbLeft); // the panel's corner puts it back
    EXPECT_FALSE(aerosol.Active());
    TickUntilHome(aerosol);

    aerosol.MouseDown(Hook.X, Hook.Y, mbLeft);
    aerosol.MouseDown(700, 400, mbLeft); // anywhere else sprays
    EXPECT_EQ(aerosol.Count(), 2);
    TickWhileApplying(aerosol);
    ASSERT_FALSE(sprays.empty());
    EXPECT_EQ(sprays.front(), (TRect{700, 400, 700, 400})) << "a small spray is its centre";
    // The last square: 200 pixels less 15 on each side, around the can.
    EXPECT_EQ(sprays.back(), (TRect{615, 315, 785, 485}));
    for (size_t i = 1; i < sprays.size(); ++i) EXPECT_GE(sprays[i].Width(), sprays[i - 1].Width());
    EXPECT_TRUE(aerosol.Active()) << "pests are left and so are uses";

    enemies = false;
    aerosol.MouseDown(300, 300, mbLeft);
    TickWhileApplying(aerosol);
    EXPECT_FALSE(aerosol.Active());
    EXPECT_EQ(aerosol.Count(), 1);
    EXPECT_EQ(aerosol.IdleReturnTime, 400);
}

struct CollectorTest : EffectTest {
    TCollectorBombTool Tool;
    std::vector<std::pair<TPoint, TPoint>> Clicks;
    int Picks = 0;
    int LastColour = -1;
    void SetUp() override {
        EffectTest::SetUp();
        Tool.HangPos = Hook;
        Tool.ToolKind = tlBlaster;
        Tool.OnPick = [this] { ++Picks; };
        // Row 1 can be struck; column 16 is no cell.
        Tool.OnObjectOpenableAsk = [](TPoint tile, bool& openable, bool& blank) {
            openable = tile.Y == 1;
            blank = !IsBoardCell(tile) || tile.X == 16;
        };
        Tool.OnTilePosChange = [this](TPoint, bool enabled, int& colour) {
            colour = enabled ? 7 : 0;
            LastColour = colour;
        };
        Tool.OnClick = [this](TPoint tile, TPoint at) { Clicks.push_back({tile, at}); };
    }
};

TEST_F(CollectorTest, OnlyAnAvailableAccessibleEnabledToolIsPickedUp) {
    Tool.MouseDown(Hook.X, Hook.Y, mbLeft);
    EXPECT_FALSE(Tool.Active()) << "not accessible yet";
    Tool.Accessible = true;
    Tool.MouseDown(Hook.X, Hook.Y, mbLeft);
    EXPECT_FALSE(Tool.Active()) << "not enabled";
    Tool.Enabled = true;
    Tool.Available = false;
    Tool.MouseDown(Hook.X, Hook.Y, mbLeft);
    EXPECT_FALSE(Tool.Active()) << "not in this level";
    Tool.Available = true;
    Tool.MouseDown(Hook.X, Hook.Y, mbLeft);
    EXPECT_TRUE(Tool.Active());
    EXPECT_EQ(Picks, 1);
    EXPECT_EQ(Sounds.Played.back(), "PickingTool");
    // Losing its energy while carried sends it home.
    Tool.Enabled = false;
    Tool.UpdateAndDraw();
    EXPECT_FALSE(Tool.Active());
}

TEST_F(CollectorTest, APressOnATargetPutsItDownAndReportsTheTileOnce) {
    Tool.Accessible = Tool.Enabled = true;
    Tool.MouseDown(Hook.X, Hook.Y, mbLeft);
    Tool.MouseMove(Centre(3, 2).X, Centre(3, 2).Y);
    EXPECT_EQ(LastColour, 0);
    Tool.MouseDown(Centre(3, 2).X, Centre(3, 2).Y, mbLeft);
    EXPECT_EQ(Sounds.Played.back(), "DisabledTile");
    EXPECT_TRUE(Tool.Active());
    Tool.MouseMove(Centre(3, 1).X, Centre(3, 1).Y);
    EXPECT_EQ(Tool.FruitColIdx(), 7);
    Tool.MouseDown(Centre(3, 1).X, Centre(3, 1).Y, mbLeft);
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0].first, (TPoint{3, 1}));
    EXPECT_EQ(Clicks[0].second, Centre(3, 1));
    EXPECT_EQ(Tool.Phase(), TPlayerTool::tpHanging);
    Tool.MouseDown(Centre(3, 1).X, Centre(3, 1).Y, mbLeft);
    EXPECT_EQ(Clicks.size(), 1u);

    // Off the board, with the right button or on its hook it goes back unused.
    for (TPoint at : {Centre(16, 1), Centre(3, 1), Hook}) {
        Tool.MouseDown(Hook.X, Hook.Y, mbLeft);
        ASSERT_TRUE(Tool.Active());
        Tool.MouseDown(at.X, at.Y, at == Centre(3, 1) ? mbRight : mbLeft);
        EXPECT_FALSE(Tool.Active());
        EXPECT_EQ(LastColour, 0) << "nothing stays highlighted";
        TickUntilHome(Tool);
    }
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(EffectTest, TheHammerHitsOnceAtItsPlaceInTheSwingAndFadesOut) {
    THammerEffect hammer;
    std::vector<TPoint> hits;
    int hitTick = 0;
    int tick = 0;
    hammer.OnHit = [&](TPoint tile) {
        hits.push_back(tile);
        hitTick = tick;
    };
    hammer.StartAt({16, 12});
    ASSERT_TRUE(hammer.Running());
    while (hammer.Running() && tick < 200) {
        ++tick;
        Recorder.Clear();
        hammer.Tick();
    }
    EXPECT_EQ(hits, (std::vector<TPoint>{{16, 12}}));
    EXPECT_EQ(hitTick, hammer.HitAnimPos);
    EXPECT_EQ(std::count(Sounds.Played.begin(), Sounds.Played.end(), "Hammer"), 1);
    // 25 frames of the swing, then from 255 down to 60 by 30 a frame.
    EXPECT_EQ(tick, 25 + 6);
    hammer.StartAt({1, 1});
    hammer.Visible = false;
    hammer.Tick();
    EXPECT_TRUE(hammer.Running()) << "a hidden hammer waits";
}

TEST_F(EffectTest, AToolItemFliesToItsHookAndArrivesOnce) {
    TFlyingTools flying;
    std::vector<TToolKind> arrived;
    flying.OnArrived = [&](TToolKind kind) { arrived.push_back(kind); };
    flying.Start(toBroom, {5, 5}, Hook);
    flying.Start(toNone, {5, 5}, Hook);
    EXPECT_EQ(flying.Flying(), 1);
    for (int i = 0; i < TFlyingTools::FlightTicks + 5; ++i) flying.Tick();
    EXPECT_EQ(arrived, std::vector<TToolKind>{toBroom});
    flying.Start(toAerosol, {1, 1}, Hook);
    flying.Land();
    EXPECT_EQ(arrived.back(), toAerosol) << "a round that ends lands what is in the air";
    EXPECT_EQ(flying.Flying(), 0);
}

} // namespace
