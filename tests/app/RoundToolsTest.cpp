// The player's tools in a real round: the board takes no mouse while one is held, each tool acts
// on the board through the round, energy is paid once, collected items fly to their tools, and
// a round that ends puts every tool back on its hook.
#include "SceneWalkKit.h"
#include "effects/EffectPattern.h"

#include <gtest/gtest.h>

namespace {

struct TToolsWalk : TSceneWalk {
    using TSceneWalk::TSceneWalk;

    TMainGameScene& Round() { return Form->MainGame(); }
    // Level `level` of island 1 started from the menu, its board built and ready for input.
    bool StartAt(int level) { return ReachBuiltRound(level); }
    template <typename Busy> bool TickWhile(Busy busy, int limit = 1000) {
        for (int i = 0; i < limit && busy(); ++i) Tick();
        return !busy();
    }
    TPoint Centre(TPoint tile) {
        const TPoint corner =
            TileOrigin(Round().GameBoard.Left, Round().GameBoard.Top, tile.X, tile.Y);
        return {corner.X + TileSize / 2, corner.Y + TileSize / 2};
    }
    void Press(TPoint at, int button = mbLeft) {
        Push(TEventKind::MouseMove, at);
        Push(TEventKind::MouseDown, at, button);
        Push(TEventKind::MouseUp, at, button);
        Tick();
    }
    // Some playable tile of the board.
    TPoint AnyFruit() {
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                if (Round().GameBoard.TileAt({x, y}).ObjectKind == okFruit &&
                    Round().GameBoard.TileState({x, y}) == tsIdle)
                    return {x, y};
        return {};
    }
    // Charges the gauge until the collector tools up to `level` are usable.
    bool ChargeTo(int level) {
        TMannaEnergy& gauge = Round().MannaEnergy;
        gauge.AddFruit(gauge.FullRequiredFruits);
        return TickWhile([&] { return !Round().CollectorTools[level - 1].Enabled; }, 400);
    }
};

TEST(RoundTools, WhileAToolIsHeldTheBoardTakesNoMouse) {
    TToolsWalk walk("tools-no-board-input");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    const TPoint fruit = walk.AnyFruit();
    ASSERT_TRUE(IsBoardCell(fruit));
    walk.Press(round.Broom.HangPos);
    ASSERT_TRUE(round.Broom.Active());
    EXPECT_TRUE(round.ToolHeld());
    // A press on an element without a web: the broom cannot act, and the board selects nothing.
    walk.Press(walk.Centre(fruit));
    EXPECT_TRUE(round.Broom.Active());
    EXPECT_EQ(round.GameBoard.SelectedPos(), fruit) << "the tool's hover shows the tile";
    EXPECT_EQ(round.Broom.Count(), TUseCountTool::NewUses);
    // Dragging across the board with the button held moves no element.
    const TBoardData before = round.GameBoard.BoardData();
    walk.Push(TEventKind::MouseDown, walk.Centre(fruit), mbLeft);
    walk.Push(TEventKind::MouseMove, walk.Centre({fruit.X + 1, fruit.Y}));
    walk.Push(TEventKind::MouseUp, walk.Centre({fruit.X + 1, fruit.Y}), mbLeft);
    walk.Ticks(20);
    EXPECT_TRUE(round.GameBoard.BoardData() == before);
    EXPECT_FALSE(round.GameBoard.MouseHeld());
    // The right button puts it back, and that press does not reach the board either.
    walk.Press(walk.Centre(fruit), mbRight);
    EXPECT_FALSE(round.ToolHeld());
    walk.Ticks(30);
    EXPECT_EQ(round.Broom.Phase(), TPlayerTool::tpHanging);
    walk.Press(walk.Centre(fruit));
    EXPECT_TRUE(round.GameBoard.IsSelectionVisible());
    EXPECT_EQ(round.GameBoard.SelectedPos(), fruit) << "the board has the mouse again";
}

TEST(RoundTools, TheKeyOpensALockerAndTheBroomSweepsAWebThroughTheRound) {
    TToolsWalk walk("tools-key-broom");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    const TPoint locker = walk.AnyFruit();
    TBoardData grid = round.GameBoard.BoardData();
    grid(locker).ObjectKind = okLocker;
    grid(locker).Web = 1;
    round.GameBoard.SetBoardData(grid);

    walk.Press(round.MagicKey.HangPos);
    walk.Press(walk.Centre(locker));
    EXPECT_EQ(round.MagicKey.Count(), TUseCountTool::NewUses - 1);
    ASSERT_TRUE(walk.TickWhile([&] { return round.MagicKey.Active(); }, 60));
    EXPECT_FALSE(round.GameBoard.HasWeb(locker)) << "the key tears the web as it opens";
    ASSERT_TRUE(walk.TickWhile([&] { return round.GameBoard.IsLocker(locker); }, 200));
    EXPECT_EQ(round.MagicKey.Count(), TUseCountTool::NewUses - 1) << "one use, spent once";

    // A webbed fruit: the broom sweeps it and, with no web left, goes home.
    const TPoint webbed = walk.AnyFruit();
    round.GameBoard.PutWeb(webbed);
    ASSERT_TRUE(round.GameBoard.HasWeb(webbed));
    walk.Press(round.Broom.HangPos);
    walk.Press(walk.Centre(webbed));
    ASSERT_TRUE(walk.TickWhile([&] { return round.Broom.Active(); }, 60));
    EXPECT_FALSE(round.GameBoard.HasWeb(webbed));
    EXPECT_EQ(round.Broom.Count(), TUseCountTool::NewUses - 1);
}

TEST(RoundTools, EachCollectorToolIsPaidOnceAndOnlyWhileTheGaugeCoversIt) {
    TToolsWalk walk("tools-energy");
    ASSERT_TRUE(walk.StartAt(3)); // the hammer and the bomb, not the blaster
    TMainGameScene& round = walk.Round();
    EXPECT_TRUE(round.CollectorTools[0].Available);
    EXPECT_TRUE(round.CollectorTools[1].Available);
    EXPECT_FALSE(round.CollectorTools[2].Available);
    TMannaEnergy& gauge = round.MannaEnergy;
    const int full = gauge.FullRequiredFruits;
    const int hammerShare = RoundHalfEven(full * 0.3);
    // Exactly the hammer's share.
    gauge.AddFruit(hammerShare);
    ASSERT_TRUE(walk.TickWhile([&] { return !round.CollectorTools[0].Enabled; }, 400));
    EXPECT_FALSE(round.CollectorTools[1].Enabled);

    TCollectorBombTool& hammer = round.CollectorTools[0];
    const TPoint target = walk.AnyFruit();
    std::vector<TPoint> struck;
    auto& grouping = round.GameBoard.OnGroupedElementsEffectRequest;
    grouping = [&struck, next = grouping](const TBoardData& grid, const TSimpleObjectArray& mask,
                                          bool combos, bool byBlow) {
        ForEachMaskedCell(mask, [&](TPoint cell) {
            if (byBlow) struck.push_back(cell);
        });
        next(grid, mask, combos, byBlow);
    };
    walk.Press(hammer.HangPos);
    ASSERT_TRUE(hammer.Active());
    walk.Press(walk.Centre(target));
    EXPECT_FALSE(hammer.Active());
    EXPECT_EQ(gauge.FruitsCounter(), 0) << "the share is paid at the click";
    EXPECT_TRUE(round.ToolHammer.Running());
    // The gauge is still falling, but the hammer is not free a second time.
    EXPECT_GT(gauge.Level(), 0);
    walk.Press(hammer.HangPos);
    EXPECT_FALSE(hammer.Active());
    ASSERT_TRUE(walk.TickWhile([&] { return round.ToolHammer.Running(); }, 60));
    ASSERT_EQ(struck.size(), 1u) << "the hammer's hit groups its tile, once";
    EXPECT_EQ(struck[0], target);
    EXPECT_EQ(gauge.FruitsCounter(), 0) << "a blow clears without feeding the gauge";
}

TEST(RoundTools, TheBombBlowsItsBlockAndTheEnergyGaugeDisablesWhatItCannotPay) {
    TToolsWalk walk("tools-bomb");
    ASSERT_TRUE(walk.StartAt(3));
    TMainGameScene& round = walk.Round();
    ASSERT_TRUE(walk.ChargeTo(2));
    TCollectorBombTool& bomb = round.CollectorTools[1];
    const TPoint target = walk.AnyFruit();
    int explosions = 0;
    auto& request = round.GameBoard.OnExplossionEffectRequest;
    request = [&explosions, next = request](TPoint at) {
        ++explosions;
        if (next) next(at);
    };
    walk.Press(bomb.HangPos);
    walk.Press(walk.Centre(target));
    EXPECT_EQ(explosions, 1);
    // The bomb's share of 60 % is gone from a full gauge: the bomb is locked, the hammer is not.
    walk.Tick();
    EXPECT_FALSE(bomb.Enabled);
    EXPECT_TRUE(round.CollectorTools[0].Enabled);
}

TEST(RoundTools, AToolItemClearedOnTheBoardFliesToItsToolAndAddsAUse) {
    TToolsWalk walk("tools-item");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    const TPoint cell = walk.AnyFruit();
    TBoardData grid = round.GameBoard.BoardData();
    grid(cell).ElementCode = ecAerosolItem;
    round.GameBoard.SetBoardData(grid);
    round.GameBoard.CheckMatches(); // items lying on the board are collected at once
    ASSERT_TRUE(walk.TickWhile([&] { return round.FlyingTools.Flying() == 0; }, 60));
    ASSERT_TRUE(walk.TickWhile([&] { return round.FlyingTools.Flying() > 0; }, 60));
    EXPECT_EQ(round.Aerosol.Count(), TUseCountTool::NewUses + 1);
    EXPECT_EQ(round.MagicKey.Count(), TUseCountTool::NewUses);
    EXPECT_EQ(round.Broom.Count(), TUseCountTool::NewUses);
}

TEST(RoundTools, RoundClearAndTimeUpPutEveryToolBackAndKeepItThere) {
    for (const bool won : {true, false}) {
        TToolsWalk walk(won ? "tools-round-clear" : "tools-time-up");
        ASSERT_TRUE(walk.StartAt(2));
        TMainGameScene& round = walk.Round();
        ASSERT_TRUE(walk.ChargeTo(1));
        walk.Press(round.CollectorTools[0].HangPos);
        ASSERT_TRUE(round.CollectorTools[0].Active());
        walk.Press(round.Aerosol.HangPos); // the hammer goes back; the aerosol is taken
        ASSERT_TRUE(round.Aerosol.Active());
        if (won) {
            round.DeveloperWin();
            walk.Tick();
            EXPECT_EQ(walk.Scene(), gsRoundClear);
        } else {
            round.TimeUp();
            EXPECT_EQ(walk.Scene(), gsTimeUp);
        }
        EXPECT_FALSE(round.ToolHeld());
        EXPECT_EQ(round.Aerosol.Phase(), TPlayerTool::tpHanging);
        EXPECT_EQ(round.Aerosol.Count(), TUseCountTool::NewUses);
        // Nothing can be taken up again in the round that is over.
        round.SetGamePause(false);
        round.Aerosol.MouseDown(round.Aerosol.HangPos.X, round.Aerosol.HangPos.Y, mbLeft);
        round.CollectorTools[0].MouseDown(round.CollectorTools[0].HangPos.X,
                                          round.CollectorTools[0].HangPos.Y, mbLeft);
        EXPECT_FALSE(round.ToolHeld()) << (won ? "won" : "time up");
    }
}

TEST(RoundTools, PauseLocksTheToolsAndTheFirstLevelsBringTheCollectorToolsInOneByOne) {
    TToolsWalk walk("tools-pause");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    for (const TCollectorBombTool& tool : round.CollectorTools) EXPECT_FALSE(tool.Available);
    round.SetGamePause(true);
    round.MagicKey.MouseDown(round.MagicKey.HangPos.X, round.MagicKey.HangPos.Y, mbLeft);
    EXPECT_FALSE(round.ToolHeld());
    round.SetGamePause(false);
    round.MagicKey.MouseDown(round.MagicKey.HangPos.X, round.MagicKey.HangPos.Y, mbLeft);
    EXPECT_TRUE(round.ToolHeld());

    ASSERT_TRUE(walk.Form->StartLevel(1, 2));
    EXPECT_FALSE(round.ToolHeld()) << "a new round starts with the tools on their hooks";
    EXPECT_TRUE(round.CollectorTools[0].Available);
    EXPECT_FALSE(round.CollectorTools[1].Available);
    EXPECT_FALSE(round.CollectorTools[0].Accessible) << "until its board is built";
}

} // namespace
