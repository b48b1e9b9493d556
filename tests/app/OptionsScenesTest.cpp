// The options window over the menu through the real scenes: the switches and volumes reach the
// record, the sound at once and the save file at the end; a changed full-screen switch is asked
// about, and each answer leaves the screen as the player chose; the credits come and go
// without losing what the player changed in the window.
#include "SceneWalkKit.h"
#include "saves/PlayerSaveFiles.h"

#include <gtest/gtest.h>

namespace {

TPoint Centre(const TGameCheckBox& box) {
    return {box.Left + box.Width / 2, box.Top + box.Height / 2};
}

struct TOptionsWalk : TSceneWalk {
    explicit TOptionsWalk(const char* name) : TSceneWalk(name) {}

    const TOptionsScene& Options() const { return Form->Options(); }
    const TPlayerSaveRecord& Record() const { return Form->Player().Current; }
    // The menu, then the options window come down.
    bool OpenOptions() {
        if (!ReachMenuAsNewPlayer()) return false;
        Click(Form->Menu().OptionsButton());
        return RunUntil(gsOptions);
    }
    // OK, then whatever comes once the window has gone.
    bool CloseOptions(TGameSceneValues next) {
        Click(Options().OkButton());
        return RunUntil(next);
    }
};

TEST(OptionsScenes, TheWindowShowsThePlayersSettingsAndTheScreenAsItIs) {
    TOptionsWalk walk("options-load");
    walk.Taught = true; // the new player's own settings
    ASSERT_TRUE(walk.OpenOptions());
    const TOptionsScene& options = walk.Options();
    EXPECT_EQ(options.Window().State(), mwsShown);
    EXPECT_TRUE(options.SoundBox().Checked);
    EXPECT_TRUE(options.MusicBox().Checked);
    EXPECT_TRUE(options.TutorialBox().Checked);
    EXPECT_EQ(options.SoundBar().Position(), DefaultSoundVolume);
    EXPECT_EQ(options.MusicBar().Position(), DefaultMusicVolume);
    EXPECT_EQ(options.FullScreenBox().Checked, walk.Platform.Device.FullScreen());
}

TEST(OptionsScenes, ChangesAreHeardAtOnceKeptAndSavedByOk) {
    TOptionsWalk walk("options-store");
    walk.Taught = true; // the new player's own settings
    ASSERT_TRUE(walk.OpenOptions());
    const TOptionsScene& options = walk.Options();
    walk.Click(options.SoundPlusButton());
    EXPECT_EQ(walk.Form->Sounds().Volume(), DefaultSoundVolume + TOptionsScene::VolumeStep);
    walk.Click(Centre(options.MusicBox()));
    EXPECT_FALSE(options.MusicBar().Enabled);
    EXPECT_EQ(walk.Form->Music().Volume(), 0);
    walk.Click(Centre(options.TutorialBox()));
    // The tutorial switch waits for OK.
    EXPECT_EQ(walk.Record().TutorialOn, 1);

    walk.SceneLog.clear();
    ASSERT_TRUE(walk.CloseOptions(gsMenu));
    EXPECT_EQ(walk.SceneLog, std::vector<std::string>{"scene: gsMenu"});
    EXPECT_EQ(walk.Record().SoundVolume, DefaultSoundVolume + TOptionsScene::VolumeStep);
    EXPECT_EQ(walk.Record().MusicOn, 0);
    EXPECT_EQ(walk.Record().TutorialOn, 0);
    // On disk at once: a game that ends without its close keeps them.
    TPlayerSaveFiles files;
    files.Folder = walk.DataFile("");
    EXPECT_EQ(files.Load("ANNA").SoundVolume, DefaultSoundVolume + TOptionsScene::VolumeStep);
    EXPECT_EQ(files.Load("ANNA").MusicOn, 0);

    // Opened again, the window shows what was kept.
    walk.Click(walk.Form->Menu().OptionsButton());
    ASSERT_TRUE(walk.RunUntil(gsOptions));
    EXPECT_FALSE(options.MusicBox().Checked);
    EXPECT_FALSE(options.MusicBar().Enabled);
    EXPECT_FALSE(options.TutorialBox().Checked);
    ASSERT_TRUE(walk.CloseOptions(gsMenu));

    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    walk.Form->Shutdown();
    const TPlayerSaveRecord saved = files.Load("ANNA");
    EXPECT_EQ(saved.SoundVolume, DefaultSoundVolume + TOptionsScene::VolumeStep);
    EXPECT_EQ(saved.MusicOn, 0);
    EXPECT_EQ(saved.TutorialOn, 0);
}

TEST(OptionsScenes, TurningAMutedVolumeSwitchesItsChannelBackOn) {
    TOptionsWalk walk("options-unmute");
    ASSERT_TRUE(walk.OpenOptions());
    const TOptionsScene& options = walk.Options();
    walk.Click(Centre(options.MusicBox()));
    walk.Click(options.MusicMinusButton());
    EXPECT_TRUE(options.MusicBox().Checked);
    EXPECT_TRUE(options.MusicBar().Enabled);
    EXPECT_EQ(walk.Record().MusicOn, 1);
    EXPECT_EQ(walk.Record().MusicVolume, DefaultMusicVolume - TOptionsScene::VolumeStep);
}

TEST(OptionsScenes, AChangedFullScreenSwitchIsAskedAboutAndEachAnswerHolds) {
    for (const bool change : {true, false}) {
        SCOPED_TRACE(change ? "changed" : "kept");
        TOptionsWalk walk(change ? "options-display-yes" : "options-display-no");
        ASSERT_TRUE(walk.OpenOptions());
        const bool before = walk.Platform.Device.FullScreen();
        walk.Click(Centre(walk.Options().FullScreenBox()));
        ASSERT_TRUE(walk.CloseOptions(gsConfirmWindow));
        const TConfirmScene& confirm = walk.Form->Confirm();
        EXPECT_EQ(confirm.Kind(), ckMenuDisplayMode);
        EXPECT_EQ(confirm.Backdrop(), gsMenu);

        walk.Click(change ? confirm.Window().PositiveButton() : confirm.Window().NegativeButton());
        ASSERT_TRUE(walk.RunUntil(gsMenu));
        const bool now = change ? !before : before;
        EXPECT_EQ(walk.Platform.Device.FullScreen(), now);
        EXPECT_EQ(walk.Record().FullScreen, now ? 1 : 0);
        // Opened again, the switch shows the screen as it is.
        walk.Click(walk.Form->Menu().OptionsButton());
        ASSERT_TRUE(walk.RunUntil(gsOptions));
        EXPECT_EQ(walk.Options().FullScreenBox().Checked, now);
    }
}

TEST(OptionsScenes, TheCreditsComeBackToTheWindowAsThePlayerLeftIt) {
    TOptionsWalk walk("options-credits");
    walk.Taught = true; // the new player's own settings
    ASSERT_TRUE(walk.OpenOptions());
    walk.Click(Centre(walk.Options().TutorialBox()));
    walk.Click(walk.Options().CreditsButton());
    ASSERT_TRUE(walk.RunUntil(gsCredits));
    const TCreditsScene& credits = walk.Form->Credits();
    EXPECT_EQ(walk.Form->Flow().CreditsOrigin, gsOptions);
    EXPECT_EQ(credits.Window().State(), mwsShown);
    EXPECT_GT(credits.LineCount(), 0);
    EXPECT_GT(credits.Scroll(), 0);

    walk.Click(credits.DoneButton());
    ASSERT_TRUE(walk.RunUntil(gsOptions));
    EXPECT_EQ(walk.Options().Window().State(), mwsShown);
    EXPECT_FALSE(walk.Options().TutorialBox().Checked);
    ASSERT_TRUE(walk.CloseOptions(gsMenu));
    EXPECT_EQ(walk.Record().TutorialOn, 0);

    // Opened again, the lines start from the top.
    walk.Click(walk.Form->Menu().OptionsButton());
    ASSERT_TRUE(walk.RunUntil(gsOptions));
    walk.Click(walk.Options().CreditsButton());
    EXPECT_LT(credits.Scroll(), TCreditsScene::ScrollPerTick * 4);
}

TEST(OptionsScenes, TheCreditLinesComeRoundAgainFromTheBottom) {
    TOptionsWalk walk("options-credits-round");
    ASSERT_TRUE(walk.OpenOptions());
    walk.Click(walk.Options().CreditsButton());
    ASSERT_TRUE(walk.RunUntil(gsCredits));
    const TCreditsScene& credits = walk.Form->Credits();
    float highest = 0;
    bool cameRound = false;
    for (int tick = 0; tick < 4000 && !cameRound; ++tick) {
        walk.Tick();
        highest = std::max(highest, credits.Scroll());
        cameRound = credits.Scroll() < 0;
    }
    EXPECT_TRUE(cameRound);
    EXPECT_GT(highest, (credits.LineCount() - 1) * 20.0f);
}

} // namespace
