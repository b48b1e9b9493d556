// The shell played with the keyboard alone: Tab and the arrows walk a scene's buttons, Enter or
// Space press the one in focus as a click would, Escape presses the scene's way back, and a key
// used that way never also types into the scene; Enter, Space or Escape go on from the logos and
// the loaded splash.
#include "SceneWalkKit.h"

#include <gtest/gtest.h>

namespace {

// A key as the window system gives it: the key, then the character it types, if any.
void Press(TSceneWalk& walk, TKey key, uint8_t typed = 0) {
    TPlatformEvent down;
    down.Kind = TEventKind::KeyDown;
    down.Key = key;
    walk.Platform.Events.Push(down);
    if (typed != 0) {
        TPlatformEvent press;
        press.Kind = TEventKind::KeyPress;
        press.Char = typed;
        walk.Platform.Events.Push(press);
    }
    walk.Tick();
}

TEST(KeyboardPlay, TheMenusPagesAreReachedAndLeftWithKeysAlone) {
    TSceneWalk walk("keys-menu");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer("ANNA"));
    walk.Ticks(40); // the panels slide in
    // Nothing is in focus yet: Enter presses nothing.
    Press(walk, TKey::Enter, 13);
    walk.Ticks(10);
    EXPECT_EQ(walk.Scene(), gsMenu);

    // In reading order: the change-player link on the welcome panel, then Play, Options and
    // High Scores down the menu panel.
    for (int i = 0; i < 4; ++i) Press(walk, TKey::Down);
    EXPECT_TRUE(walk.Form->Menu().HighScoresButton().Hovered()) << "the focus glows as a hover";
    EXPECT_FALSE(walk.Form->Menu().PlayButton().Hovered());
    Press(walk, TKey::Space, ' ');
    ASSERT_TRUE(walk.RunUntil(gsHighScores));
    Press(walk, TKey::Escape, 27);
    ASSERT_TRUE(walk.RunUntil(gsMenu));

    // Up from no focus starts at the last stop, Exit; Up again is Help, Down goes back.
    Press(walk, TKey::Up);
    EXPECT_TRUE(walk.Form->Menu().ExitButton().Hovered());
    Press(walk, TKey::Up);
    EXPECT_TRUE(walk.Form->Menu().HelpButton().Hovered());
    EXPECT_FALSE(walk.Form->Menu().ExitButton().Hovered());
    Press(walk, TKey::Down);
    Press(walk, TKey::Enter, 13);
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    Press(walk, TKey::Escape, 27); // the negative answer: stay
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FALSE(walk.Form->Closing());
}

TEST(KeyboardPlay, AnOptionsSwitchTogglesOnceAndTheMouseTakesTheFocusBack) {
    TSceneWalk walk("keys-options");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer("ANNA"));
    walk.Ticks(40);
    for (int i = 0; i < 3; ++i) Press(walk, TKey::Tab); // the link, Play, Options
    Press(walk, TKey::Enter, 13);
    ASSERT_TRUE(walk.RunUntil(gsOptions));
    const bool soundOn = walk.Form->Options().SoundBox().Checked;
    Press(walk, TKey::Tab); // the first stop: the sound switch
    Press(walk, TKey::Space, ' ');
    EXPECT_NE(walk.Form->Options().SoundBox().Checked, soundOn) << "toggled once, not twice";
    // The mouse moves: the keys start from nothing again, Enter presses nothing.
    walk.Click({20, 20});
    Press(walk, TKey::Enter, 13);
    walk.Ticks(5);
    EXPECT_EQ(walk.Scene(), gsOptions);
    Press(walk, TKey::Escape, 27);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
}

TEST(KeyboardPlay, TheLogosAndTheLoadedSplashGoOnWithAKeyThatNeverTypesIntoTheName) {
    TSceneWalk walk("keys-start");
    walk.Tick();
    ASSERT_EQ(walk.Scene(), gsCompanyLogos);
    Press(walk, TKey::Tab); // no stop to walk to, and not a key that goes on
    EXPECT_EQ(walk.Scene(), gsCompanyLogos);
    Press(walk, TKey::Escape, 27);
    ASSERT_EQ(walk.Scene(), gsSplash);
    // Still loading: a key waits as a press would.
    ASSERT_FALSE(walk.Form->Splash().Ready());
    Press(walk, TKey::Enter, 13);
    walk.Ticks(5);
    EXPECT_EQ(walk.Scene(), gsSplash);
    for (int i = 0; i < 600 && !walk.Form->Splash().Ready(); ++i) walk.Tick();
    ASSERT_TRUE(walk.Form->Splash().Ready());
    walk.Ticks(5);
    EXPECT_EQ(walk.Scene(), gsSplash);
    Press(walk, TKey::Space, ' ');
    ASSERT_TRUE(walk.RunUntil(gsAddInitialPlayer));
    walk.Ticks(5);
    EXPECT_EQ(walk.Form->AddPlayer().NameInput().Text(), "");
}

TEST(KeyboardPlay, TheNameFieldKeepsItsEnterUntilAButtonIsChosen) {
    TSceneWalk walk("keys-name");
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsAddInitialPlayer));
    walk.Type("BO");
    Press(walk, TKey::Tab); // OK
    Press(walk, TKey::Enter, 13);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_EQ(walk.Form->Player().SelectedName(), "BO");
    EXPECT_EQ(walk.Form->Player().NameList.Name(1), "BO");
    EXPECT_EQ(walk.Form->Player().NameList.Name(2), "") << "one player, not a second";
}

} // namespace

namespace {

TEST(KeyboardPlay, EnterSkipsTheLogosAndGoesOnFromTheReadySplash) {
    TSceneWalk walk("keys-start");
    walk.Ticks(2);
    ASSERT_EQ(walk.Scene(), gsCompanyLogos);
    Press(walk, TKey::Enter, 13);
    ASSERT_TRUE(walk.RunUntil(gsSplash, 30)) << "skipped, not played to their end";
    for (int i = 0; i < 600 && !walk.Form->Splash().Ready(); ++i) walk.Tick();
    Press(walk, TKey::Enter, 13);
    ASSERT_TRUE(walk.RunUntil(gsAddInitialPlayer));
    walk.Ticks(20);
    EXPECT_EQ(walk.Scene(), gsAddInitialPlayer) << "the Enter's character named no one";
}

} // namespace
