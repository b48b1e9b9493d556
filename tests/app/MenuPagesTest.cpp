// The menu's pages through the real scenes: the high scores over the menu, the help page and,
// from it, the extras page whose links reach the desktop's browser.
#include "SceneWalkKit.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuPages, TheHighScoresShowTheSubmittedScoreAndGoBackToTheMenuAsItWas) {
    TSceneWalk walk("high-scores");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer("ANNA"));
    walk.Form->MainGame().Score = 4321;
    // Closing submits the score; the next run shows it.
    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    walk.Form->Shutdown();
    walk.Start();
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsMenu));

    walk.SceneLog.clear();
    walk.Click(walk.Form->Menu().HighScoresButton());
    ASSERT_TRUE(walk.RunUntil(gsHighScores));
    const THighScoresScene& scores = walk.Form->HighScores();
    EXPECT_EQ(scores.Window().State(), mwsShown);
    EXPECT_EQ(scores.Line(1), "1. ANNA - 4321");
    EXPECT_FALSE(walk.Form->TransitionActive());

    walk.Click(scores.OkButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    const std::vector<std::string> expected{"scene: gsHighScores", "scene: gsMenu"};
    EXPECT_EQ(walk.SceneLog, expected);
    // The menu did not slide away under the window.
    EXPECT_EQ(walk.Form->Menu().MenuPanel().State(), mwsShown);
}

TEST(MenuPages, HelpFadesInItsPageAndLeavesByTheIrisFreeingIt) {
    TSceneWalk walk("help");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    walk.Click(walk.Form->Menu().HelpButton());
    ASSERT_TRUE(walk.RunUntil(gsHelp));
    const THelpScene& help = walk.Form->Help();
    EXPECT_EQ(help.PageAlpha(), 255);
    EXPECT_TRUE(walk.Form->PictureLoaded("Help1"));
    // Dust drifts over the page, unless effects are reduced.
    EXPECT_FALSE(walk.Platform.Device.QuadsOf("ScreenDustEffect").empty());
    SetReducedEffectsMode(true);
    walk.Tick();
    EXPECT_TRUE(walk.Platform.Device.QuadsOf("ScreenDustEffect").empty());
    SetReducedEffectsMode(false);

    walk.Click(help.DoneButton());
    EXPECT_TRUE(walk.Form->TransitionActive());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FALSE(walk.Form->PictureLoaded("Help1"));
    EXPECT_EQ(walk.Form->Menu().MenuPanel().State(), mwsShown);
}

TEST(MenuPages, TheExtrasOpenFromHelpTheirLinksReachTheBrowserAndComeBackEachVisit) {
    TSceneWalk walk("extras");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    for (int visit = 1; visit <= 2; ++visit) {
        SCOPED_TRACE(visit);
        walk.Click(walk.Form->Menu().HelpButton());
        ASSERT_TRUE(walk.RunUntil(gsHelp));
        ASSERT_TRUE(walk.Form->Help().ExtrasLinkShown());
        walk.Click(walk.Form->Help().ExtrasLinkCentre());
        ASSERT_TRUE(walk.RunUntil(gsExtras));
        EXPECT_TRUE(walk.Form->PictureLoaded("Extras"));
        EXPECT_FALSE(walk.Form->PictureLoaded("Help1"));

        walk.Platform.Desktop.WebLinks.clear();
        const TExtrasScene& extras = walk.Form->Extras();
        walk.Click(extras.LinkButton(0));
        walk.Click(extras.LinkButton(1));
        const std::vector<std::string> expected{"http://www.tidewhistle.example/games",
                                                "http://www.tidewhistle.example/tovan"};
        EXPECT_EQ(walk.Platform.Desktop.WebLinks, expected);

        walk.Click(extras.DoneButton());
        EXPECT_TRUE(walk.Form->TransitionActive());
        ASSERT_TRUE(walk.RunUntil(gsMenu));
        EXPECT_FALSE(walk.Form->PictureLoaded("Extras"));
    }
}

} // namespace
