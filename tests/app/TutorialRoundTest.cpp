// Mirela's step and the pointing tips in the real game: the first level waits for its step, a tip
// freezes the board and the spiders exactly while it is open, each is shown once for the player,
// also after the game has been closed and started again, and with the tutorial switched off the
// round has none of them.
#include "EconomyWalkKit.h"

namespace {

struct TTeachingWalk : TEconomyWalk {
    using TEconomyWalk::TEconomyWalk;

    // The board reports the player's matches; the tip of the first level comes with the eighth.
    void ManualMatches(int count) {
        for (int i = 0; i < count; ++i) Round().GameBoard.OnManualMatch();
    }
    bool Frozen() {
        return Round().GameBoard.Frozen && !Round().GameBoard.CanMatch &&
               Round().CrawlingSpiders.Frozen;
    }
    bool Thawed() {
        return !Round().GameBoard.Frozen && Round().GameBoard.CanMatch &&
               !Round().CrawlingSpiders.Frozen;
    }
    // The next run of the game, from its start through the menu and the map into the round.
    bool StartAgainIntoTheRound() {
        Start();
        if (!ReachReadySplash()) return false;
        Click({683, 400});
        if (!RunUntil(gsMenu)) return false;
        Click(Form->Menu().PlayButton());
        return RunUntil(gsMap) && PlayWithoutStep();
    }
    // Mirela's clip of step `step` plays now.
    bool Speaking(int step) const {
        const std::string clip = "/Tutorial" + std::to_string(step) + ".ogg";
        for (const TRecordedAudioStream& stream : Platform.Audio.Streams)
            if (stream.Playing && stream.Path.ends_with(clip)) return true;
        return false;
    }
    // From the map into the round without passing a step; False when a step shows.
    bool PlayWithoutStep() {
        Click(Form->Map().PlayButton());
        if (!RunUntil(gsObjectiveInfo)) return false;
        Round().ObjectiveInfo.Skip();
        return RunUntil(gsMainGame, 200);
    }
};

TEST(TutorialRound, TheFirstLevelsStepAndTipShowOnceAndStayShownAfterSaveAndLoad) {
    TTeachingWalk walk("teaching-once");
    ASSERT_TRUE(walk.ReachMapWith(DefaultPlayerSave()));
    walk.Click(walk.Form->Map().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.RunUntil(gsTutorial));
    EXPECT_TRUE(walk.Round().Tutorial.Open());
    EXPECT_TRUE(walk.Form->Player().Current.TutorialStepsShown[0]);
    walk.Click(walk.Form->Tutorial().OkButton());
    ASSERT_TRUE(walk.RunUntil(gsMainGame));

    walk.ManualMatches(7);
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_TRUE(walk.Thawed());
    walk.ManualMatches(1);
    EXPECT_EQ(walk.Scene(), gsTutorialToolTip);
    EXPECT_EQ(walk.Round().ToolTip.CurrentTip(), 3);
    EXPECT_EQ(walk.Round().ToolTip.ArrowPos(), (TPoint{777 - 5, 62 - 7}));
    // Frozen for as long as the tip is open, the tube with it.
    for (int i = 0; i < 100; ++i) {
        walk.Tick();
        ASSERT_TRUE(walk.Frozen());
        ASSERT_TRUE(walk.Round().TubeTimer.Paused);
    }
    walk.Click(walk.Form->ToolTip().OkButton());
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_TRUE(walk.Thawed());
    EXPECT_FALSE(walk.Round().TubeTimer.Paused);
    EXPECT_TRUE(walk.Form->Player().Current.ToolTipsShown[2]);

    // Closed, saved, started again: neither shows a second time.
    walk.Form.reset(); // closing saves the player
    const TPlayerSaveRecord saved = walk.Saved();
    EXPECT_TRUE(saved.TutorialStepsShown[0]);
    EXPECT_TRUE(saved.ToolTipsShown[2]);
    ASSERT_TRUE(walk.StartAgainIntoTheRound());
    walk.ManualMatches(20);
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_FALSE(walk.Round().ToolTip.Showing());
}

TEST(TutorialRound, TheMenuButtonOrEscapeAnswerAStepOrTipFirstThenOpenTheMenuOverThePlay) {
    // A first start, the walk's audio device still open to hear her.
    TTeachingWalk walk("teaching-menu");
    walk.Taught = true;
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    ASSERT_TRUE(walk.Form->StartLevel(1, 1));
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.RunUntil(gsTutorial));
    EXPECT_TRUE(walk.Speaking(1)) << "Mirela speaks her step";

    // Escape under the step: the step is answered, the menu lies over the round, paused.
    walk.PressEscape();
    EXPECT_FALSE(walk.Round().Tutorial.Open());
    ASSERT_EQ(walk.Scene(), gsInGameMenu);
    EXPECT_EQ(walk.Form->Flow().OriginScene, gsMainGame);
    EXPECT_TRUE(walk.Round().GamePause());
    EXPECT_FALSE(walk.Speaking(1)) << "her voice stops with her step";
    walk.Click(walk.Form->InGameMenu().ResumeButton());
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    EXPECT_FALSE(walk.Round().GamePause());
    EXPECT_EQ(walk.Round().BoardComment1.CommentType(), coGo) << "played as after her OK";

    // The menu button under a tip: the tip is answered and the board thawed under the menu.
    walk.ManualMatches(8);
    ASSERT_EQ(walk.Scene(), gsTutorialToolTip);
    walk.Click(walk.Round().InGameMenuButton);
    EXPECT_FALSE(walk.Round().ToolTip.Open());
    ASSERT_EQ(walk.Scene(), gsInGameMenu);
    EXPECT_EQ(walk.Form->Flow().OriginScene, gsMainGame);
    EXPECT_FALSE(walk.Round().TipFrozen());
    walk.Click(walk.Form->InGameMenu().ResumeButton());
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    EXPECT_TRUE(walk.Thawed());
    EXPECT_TRUE(walk.Form->Player().Current.ToolTipsShown[2]);
    walk.Ticks(20);
    EXPECT_FALSE(walk.Round().ToolTip.Showing()) << "the tip has gone for good";
}

TEST(TutorialRound, AStepWhoseClipIsMissingShowsInSilenceAndIsAnsweredAsAnyOther) {
    TTeachingWalk walk("teaching-silent");
    walk.Taught = true;
    walk.Platform.Audio.OpenFails = [](const std::string& path) {
        return path.ends_with("/Tutorial1.ogg");
    };
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    ASSERT_TRUE(walk.Form->StartLevel(1, 1));
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.RunUntil(gsTutorial));
    EXPECT_TRUE(walk.Round().Tutorial.Open());
    EXPECT_FALSE(walk.Speaking(1));
    EXPECT_EQ(walk.Form->Voices().StreamCount(), 0);
    walk.Type("\r");
    EXPECT_TRUE(walk.RunUntil(gsMainGame));
}

TEST(TutorialRound, ClosingUnderAStepOrTipSavesItAsShownAndNeverCrashes) {
    // The close box under the step answers it, then asks as in the round; OK closes and saves.
    {
        TTeachingWalk walk("teaching-close-box");
        ASSERT_TRUE(walk.ReachMapWith(DefaultPlayerSave()));
        walk.Click(walk.Form->Map().PlayButton());
        ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
        walk.Round().ObjectiveInfo.Skip();
        ASSERT_TRUE(walk.RunUntil(gsTutorial));
        walk.Push(TEventKind::CloseRequested);
        walk.Tick();
        ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
        EXPECT_EQ(walk.Form->Confirm().Kind(), ckQuit);
        EXPECT_FALSE(walk.Round().Tutorial.Open());
        walk.Click(walk.Form->Confirm().Window().PositiveButton());
        walk.Ticks(TSceneWalk::SettleTicks);
        ASSERT_TRUE(walk.Form->Closing());
        walk.Form->Shutdown();
        EXPECT_TRUE(walk.Saved().TutorialStepsShown[0]);
    }
    // A termination signal under a tip closes at once, the tip kept as shown.
    {
        TTeachingWalk walk("teaching-terminate");
        TPlayerSaveRecord record = DefaultPlayerSave();
        record.TutorialStepsShown[0] = 1;
        ASSERT_TRUE(walk.ReachMapWith(record));
        ASSERT_TRUE(walk.PlayWithoutStep());
        walk.ManualMatches(8);
        ASSERT_EQ(walk.Scene(), gsTutorialToolTip);
        walk.Platform.Events.Push({.Kind = TEventKind::TerminateRequested});
        walk.Tick();
        ASSERT_TRUE(walk.Form->Closing());
        walk.Form.reset();
        const TPlayerSaveRecord saved = walk.Saved();
        EXPECT_TRUE(saved.ToolTipsShown[2]);
        EXPECT_TRUE(saved.TutorialStepsShown[0]);
        // The next start plays on untaught by that tip.
        ASSERT_TRUE(walk.StartAgainIntoTheRound());
        walk.ManualMatches(8);
        EXPECT_EQ(walk.Scene(), gsMainGame);
    }
}

TEST(TutorialRound, ALandingSpiderIsPointedAtOnceAndTheBoardWaitsMeanwhile) {
    TTeachingWalk walk("teaching-spider");
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.TutorialStepsShown[0] = 1;
    ASSERT_TRUE(walk.ReachMapWith(record));
    ASSERT_TRUE(walk.PlayWithoutStep());
    walk.Round().CrawlingSpiders.OnAnySpiderLanding({300, 200});
    EXPECT_EQ(walk.Scene(), gsTutorialToolTip);
    EXPECT_EQ(walk.Round().ToolTip.CurrentTip(), 22);
    EXPECT_EQ(walk.Round().ToolTip.Quadrant(), 0);
    EXPECT_EQ(walk.Round().ToolTip.ArrowPos(), (TPoint{300 + 26 - 5, 200 + 20 - 7}));
    EXPECT_TRUE(walk.Frozen());
    walk.ManualMatches(8);
    EXPECT_EQ(walk.Round().ToolTip.MatchCount(), 0) << "no match counts under a tip";
    walk.Click(walk.Form->ToolTip().OkButton());
    EXPECT_TRUE(walk.Thawed());
    walk.Ticks(20);
    walk.Round().CrawlingSpiders.OnAnySpiderLanding({500, 300});
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_TRUE(walk.Thawed());
}

TEST(TutorialRound, SwitchedOffTheRoundHasNoStepAndNoTip) {
    TTeachingWalk walk("teaching-off");
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.TutorialOn = 0;
    ASSERT_TRUE(walk.ReachMapWith(record));
    ASSERT_TRUE(walk.PlayWithoutStep());
    EXPECT_EQ(walk.Round().BoardComment1.CommentType(), coGo);
    walk.ManualMatches(20);
    walk.Round().CrawlingSpiders.OnAnySpiderLanding({300, 200});
    walk.Ticks(5);
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_TRUE(walk.Thawed());
    EXPECT_FALSE(walk.Round().Tutorial.Showing());
    EXPECT_FALSE(walk.Round().ToolTip.Showing());
    EXPECT_EQ(walk.Form->Player().Current.TutorialStepsShown,
              TPlayerSaveRecord{}.TutorialStepsShown);
    EXPECT_EQ(walk.Form->Player().Current.ToolTipsShown, TPlayerSaveRecord{}.ToolTipsShown);
}

} // namespace

namespace {

// Level 1-0`level` entered from the map, its objective skipped and no step on the way.
bool PlayLevelUntaughtByStep(TTeachingWalk& walk, int level) {
    if (!walk.Form->StartLevel(1, level) || !walk.RunUntil(gsObjectiveInfo)) return false;
    walk.Round().ObjectiveInfo.Skip();
    return walk.RunUntil(gsMainGame, 200);
}

} // namespace

TEST(TutorialRound, MirelasPocketHoldsTheGoodsAndAfterTheFirstLevelItsFirstGoodsArePointedAt) {
    TTeachingWalk walk("teaching-pocket");
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.TutorialStepsShown.fill(1);
    record.ElementStocks = {3.5f, 2, 0, 0, 1};
    ASSERT_TRUE(walk.ReachMapWith(record));

    // The first level: the pocket fills and twinkles, but no tip yet.
    ASSERT_TRUE(PlayLevelUntaughtByStep(walk, 1));
    EXPECT_EQ(walk.Round().GuidePocket.Goods(), 6);
    walk.Tick();
    EXPECT_FALSE(walk.Platform.Device.QuadsOf("TutorialDove").empty()) << "Mirela on her plate";
    ClearThreeFruits(walk.Round());
    EXPECT_GT(walk.Round().GuidePocket.Goods(), 6);
    EXPECT_TRUE(walk.Round().GuidePocket.Twinkling());
    EXPECT_FALSE(walk.Round().ToolTip.Showing());

    // The second: the first goods bring the tip at the pocket, once.
    ASSERT_TRUE(PlayLevelUntaughtByStep(walk, 2));
    ClearThreeFruits(walk.Round());
    ASSERT_EQ(walk.Scene(), gsTutorialToolTip);
    EXPECT_EQ(walk.Round().ToolTip.CurrentTip(), 6);
    const TPoint pocket = TGuidePocket::PocketPoint;
    EXPECT_EQ(walk.Round().ToolTip.ArrowPos(), (TPoint{pocket.X - 5, pocket.Y - 7}));
    walk.Type("\r");
    ASSERT_EQ(walk.Scene(), gsMainGame);
    walk.Ticks(20);
    ClearThreeFruits(walk.Round());
    EXPECT_EQ(walk.Scene(), gsMainGame);
    ASSERT_TRUE(PlayLevelUntaughtByStep(walk, 2));
    ClearThreeFruits(walk.Round());
    EXPECT_EQ(walk.Scene(), gsMainGame) << "told once";
}

TEST(TutorialRound, AFullPocketsCountStaysOnItsPlate) {
    TTeachingWalk walk("teaching-pocket-full");
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.TutorialOn = 0;
    record.ElementStocks.fill(99999);
    ASSERT_TRUE(walk.ReachMapWith(record));
    ASSERT_TRUE(PlayLevelUntaughtByStep(walk, 1));
    EXPECT_EQ(walk.Round().GuidePocket.Goods(), 499995);
    walk.Tick();
    int digits = 0;
    for (const TRecordedQuad& quad : walk.Platform.Device.QuadsOf("GlobalFontWhite")) {
        const float top = quad.Corners[0].Y;
        if (top > TGuidePocket::PocketPoint.Y || quad.Corners[2].Y < TGuidePocket::PocketPoint.Y)
            continue;
        if (quad.Corners[0].X > TGuidePocket::CountRight) continue;
        ++digits;
        // A glyph's cell is wider than its ink: its middle is what must stay on the count's room.
        const float middle = (quad.Corners[0].X + quad.Corners[2].X) / 2;
        const float halfGlyph = walk.Form->GameText().OrigLetterWidth / 2.0f;
        EXPECT_GE(middle, TGuidePocket::CountLeft - 1) << "placed by whole pixels";
        EXPECT_LE(middle, TGuidePocket::CountRight + halfGlyph);
    }
    EXPECT_EQ(digits, 6);
}
