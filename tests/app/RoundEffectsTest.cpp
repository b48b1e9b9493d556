// The round's effects through the real game: the level start builds the board before it takes
// input, the frames' lost layers reach the gold-tile slot, the tube's time-up collapses the board
// and asks, a win throws the board away, and the score counter catches up with the score.
#include "SceneWalkKit.h"

#include <gtest/gtest.h>

namespace {

struct TEffectsWalk : TSceneWalk {
    using TSceneWalk::TSceneWalk;

    TMainGameScene& Round() { return Form->MainGame(); }
    // Level `level` of island 1 started straight from the menu, its objective gone.
    bool StartAt(int level) {
        if (!ReachMenuAsNewPlayer("ANNA", true)) return false;
        if (!Form->StartLevel(1, level)) return false;
        Round().ObjectiveInfo.Skip();
        return Scene() == gsMainGame;
    }
    // Ticks while `busy` holds; False when it still holds after `limit`.
    template <typename Busy> bool TickWhile(Busy busy, int limit = 1000) {
        for (int i = 0; i < limit && busy(); ++i) Tick();
        return !busy();
    }
};

TEST(RoundEffects, TheBoardIsBuiltAndItsFramesFlyInBeforeItTakesInput) {
    TEffectsWalk walk("effects-start");
    ASSERT_TRUE(walk.StartAt(2));
    TMainGameScene& round = walk.Round();
    EXPECT_TRUE(round.LockerFiller.Running());
    EXPECT_FALSE(round.GameBoard.CanDraw);
    EXPECT_TRUE(round.TubeTimer.Paused) << "the time waits for the board";
    // A press on the board while it fills selects nothing.
    const TPoint centre{round.GameBoard.Left + 3 * TileSize + 26, round.GameBoard.Top + 78};
    walk.Click(centre);
    EXPECT_FALSE(round.GameBoard.IsSelectionVisible());

    ASSERT_TRUE(walk.TickWhile([&] { return round.LockerFiller.Running(); }));
    EXPECT_TRUE(round.GameBoard.CanDraw);
    EXPECT_TRUE(round.LockerFrames.Flying());
    walk.Click(centre);
    EXPECT_FALSE(round.GameBoard.IsSelectionVisible()) << "nor while the frames fly in";
    ASSERT_TRUE(walk.TickWhile([&] { return round.LockerFrames.Flying(); }));
    walk.Click(centre);
    EXPECT_TRUE(round.GameBoard.IsSelectionVisible());
    // Every frame of the level rests on its cell.
    const TSimpleObjectArray layers = walk.Form->Levels().FrameLayers();
    ForEachMaskedCell(layers, [&](TPoint cell) {
        EXPECT_EQ(round.LockerFrames.State(cell), TLockerFrames::fsInPlace);
    });
}

// The gold-tile targets of the frame levels can be met: every lost layer flies to its slot.
TEST(RoundEffects, EveryLostFrameLayerReachesTheGoldTileSlotSoTheFrameLevelsCanBeWon) {
    for (int level : {2, 3}) {
        TEffectsWalk walk(level == 2 ? "effects-gold-2" : "effects-gold-3");
        ASSERT_TRUE(walk.StartAt(level));
        TMainGameScene& round = walk.Round();
        ASSERT_TRUE(walk.TickWhile([&] { return round.LockerFiller.Running(); }));
        const TSimpleObjectArray layers = walk.Form->Levels().FrameLayers();
        const int target = walk.Form->Levels().GoldTileTarget();
        ASSERT_GT(target, 0);
        ASSERT_EQ(round.ElementGather.Remaining(ieGoldTile1), target);
        const int scoreBefore = round.Score;
        // The board reports every framed cell cleared, as often as the frames have layers.
        for (int hit = 0; hit < 2; ++hit) round.GameBoard.OnRemoveLockerFrames(layers);
        ASSERT_TRUE(walk.TickWhile([&] { return round.FlowingElements.RunningCount() > 0; }));
        EXPECT_EQ(round.ElementGather.Remaining(ieGoldTile1), 0) << "level 1-0" << level;
        EXPECT_EQ(round.Score - scoreBefore, 25 * target);
    }
}

TEST(RoundEffects, TheTubesTimeUpCollapsesTheBoardAndAsksWhenMostOfItHasFallen) {
    TEffectsWalk walk("effects-time-up");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    round.TubeTimer.RelaxedMode = rmNo;
    ASSERT_TRUE(walk.TickWhile([&] { return round.TubeTimer.Phase() != tpRunning; }));
    EXPECT_FALSE(round.TubeTimer.Paused);
    round.TubeTimer.Absorb(round.TubeTimer.Time);
    ASSERT_TRUE(walk.TickWhile([&] { return walk.Scene() == gsMainGame; }, 400));
    EXPECT_EQ(walk.Scene(), gsTimeUp);
    EXPECT_EQ(round.BoardComment1.CommentType(), coTimeUp);
    EXPECT_FALSE(round.GameBoard.CanDraw);
    EXPECT_EQ(round.LostBoardEffect.State(), TLostBoardEffect::lsShaking);
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    EXPECT_EQ(walk.Form->Confirm().Kind(), ckTimeUp);
    EXPECT_GE(round.LostBoardEffect.Dropped() * 10, round.LostBoardEffect.TakingPart() * 7);
}

TEST(RoundEffects, AWonBoardShakesIsThrownOffAndThenTheResultsCome) {
    TEffectsWalk walk("effects-win");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    ASSERT_TRUE(walk.TickWhile([&] { return round.LockerFiller.Running(); }));
    int spreads = 0;
    auto& spreading = round.LockersAwayEffect.OnAboutSpreading;
    spreading = [&spreads, next = spreading] {
        ++spreads;
        next();
    };
    round.DeveloperWin();
    walk.Tick();
    EXPECT_EQ(walk.Scene(), gsRoundClear);
    ASSERT_TRUE(walk.TickWhile(
        [&] { return round.LockersAwayEffect.Phase() == TLockersAwayEffect::lpIdle; }, 200));
    EXPECT_FALSE(round.GameBoard.CanDraw);
    ASSERT_TRUE(walk.RunUntil(gsStageResult));
    EXPECT_EQ(spreads, 1);
    EXPECT_EQ(round.TubeTimer.Phase(), tpSlidingOut) << "the tube leaves as the board spreads";
}

TEST(RoundEffects, TheScoreCounterCountsUpToTheScore) {
    TEffectsWalk walk("effects-score");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    ASSERT_TRUE(walk.TickWhile([&] { return round.LockerFiller.Running(); }));
    TPoint a, b;
    ASSERT_TRUE(round.GameBoard.FindPossibleMove(a, b));
    const auto centre = [&](TPoint tile) {
        const TPoint corner = TileOrigin(round.GameBoard.Left, round.GameBoard.Top, tile.X, tile.Y);
        return TPoint{corner.X + TileSize / 2, corner.Y + TileSize / 2};
    };
    walk.Push(TEventKind::MouseDown, centre(a), mbLeft);
    walk.Push(TEventKind::MouseMove, centre(b));
    walk.Push(TEventKind::MouseUp, centre(b), mbLeft);
    // The swap, the shake and the flights: the score rises, the counter follows.
    ASSERT_TRUE(walk.TickWhile([&] { return round.Score == 0; }, 100));
    walk.Ticks(60);
    EXPECT_EQ(round.ScoreCounter.Shown(), round.Score);
    EXPECT_EQ(round.ScoreCounter.Value(), round.Score);
    EXPECT_GT(round.MannaEnergy.FruitsCounter(), 0) << "the cleared tiles fed the gauge";
}

TEST(RoundEffects, AComboArrivingAtTheGaugeGivesItsEnergyAndPointsUnlessTheRoundIsWon) {
    TEffectsWalk walk("effects-combo");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    const int score = round.Score;
    // Sizes 4 to 7 give 2, 5, 12 and 14 steps, 3 points a step.
    round.ComboConveyer.OnAComboArrives(6);
    EXPECT_EQ(round.MannaEnergy.FruitsCounter(), 12);
    EXPECT_EQ(round.Score - score, 36);
    EXPECT_TRUE(round.EnergyBonusPop.Active());
    round.ComboConveyer.OnAComboArrives(7);
    EXPECT_EQ(round.MannaEnergy.FruitsCounter(), 26);
    // A label handed on after the win rides nowhere and gives nothing.
    round.DeveloperWin();
    ASSERT_TRUE(round.RoundOver);
    round.Combos.OnAComboDoneShowing(5, {600, 300});
    EXPECT_EQ(round.ComboConveyer.Carried(), 0);
    round.ComboConveyer.OnAComboArrives(5);
    EXPECT_EQ(round.MannaEnergy.FruitsCounter(), 26);
}

TEST(RoundEffects, ReducedEffectsLeaveOutTheCyanSprayAndTheStars) {
    for (const bool reduced : {false, true}) {
        TEffectsWalk walk(reduced ? "effects-reduced" : "effects-full");
        ASSERT_TRUE(walk.StartAt(1));
        TMainGameScene& round = walk.Round();
        SetReducedEffectsMode(reduced);
        TSimpleObjectArray cell{};
        cell(5, 5) = 1;
        round.MatchedCyan.Spray(cell);
        round.Stars.StarsAt({5, 5});
        walk.Tick();
        const size_t drawn = walk.Platform.Device.QuadsOf("CyanParticle").size() +
                             walk.Platform.Device.QuadsOf("LittleStars").size();
        SetReducedEffectsMode(false);
        if (reduced)
            EXPECT_EQ(drawn, 0u);
        else
            EXPECT_EQ(drawn, 20u + 4u);
    }
}

} // namespace
