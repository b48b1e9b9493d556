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
    walk.Start();
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    walk.Click(walk.Form->Menu().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsMap));
    ASSERT_TRUE(walk.PlayWithoutStep());
    walk.ManualMatches(20);
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_FALSE(walk.Round().ToolTip.Showing());
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
