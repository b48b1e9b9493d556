// The controller's window on the null platform: the pause while the focus is away, full screen
// and its keys, the delayed leave of full screen, the termination signal and the scene log.
#include "FormTestKit.h"

#include <gtest/gtest.h>

namespace {

class WindowFocus : public ::testing::Test {
protected:
    WindowFocus() : rig("focus", 5) {}

    // Builds the controller again, as main does with these command-line choices, and goes
    // into the round.
    void Restart(std::optional<bool> startFullScreen) {
        rig.Form.reset();
        TFormPlatform platform = rig.Platform.For(rig.Folder.Path(), rig.Folder.Path() + "e.log");
        platform.StartFullScreen = startFullScreen;
        platform.SceneLog = [this](const std::string& line) { sceneLines.push_back(line); };
        rig.Form = std::make_unique<TFormMain>(platform);
        rig.Form->LoadMainPictures();
        ASSERT_TRUE(rig.Form->StartLevel(1, 1));
        rig.Form->MainGame().ObjectiveInfo.Skip();
    }
    void Send(TEventKind kind, TKey key = TKey::Other, bool alt = false) {
        TPlatformEvent event;
        event.Kind = kind;
        event.Key = key;
        event.Alt = alt;
        rig.Platform.Events.Push(event);
        rig.Tick();
    }
    TFormMain& form() { return *rig.Form; }
    TRecordingGraphicsDevice& device() { return rig.Platform.Device; }
    int systemTimerMs() const { return rig.Platform.Events.SystemIntervalMs; }
    bool running() const {
        return rig.Form->Timer().Enabled() && rig.Form->Music().Volume() > 0 &&
               rig.Form->Sounds().Volume() > 0 && rig.Form->Voices().Volume() > 0;
    }

    TFormRig rig;
    std::vector<std::string> sceneLines;
};

TEST_F(WindowFocus, LosingFocusStopsTimerAndSoundAndComingBackBringsBothBack) {
    Restart(false);
    form().FormShow();
    rig.Ticks(3);
    const int music = form().Music().Volume();
    const int sound = form().Sounds().Volume();
    ASSERT_TRUE(running());

    Send(TEventKind::FocusLost);
    EXPECT_TRUE(form().FocusLossPaused());
    EXPECT_FALSE(form().Timer().Enabled());
    EXPECT_EQ(form().Music().Volume(), 0);
    EXPECT_EQ(form().Music().FadeVolume(), 0); // the music box has already applied it
    EXPECT_EQ(form().Sounds().Volume(), 0);
    EXPECT_EQ(form().Voices().Volume(), 0);
    const int frames = device().FramesPresented;
    rig.Ticks(10);
    EXPECT_EQ(device().FramesPresented, frames);
    EXPECT_EQ(systemTimerMs(), 0); // windowed: nothing to leave
    Send(TEventKind::FocusLost);   // a second loss must not take zero for the volumes to return to

    Send(TEventKind::FocusGained);
    EXPECT_FALSE(form().FocusLossPaused());
    EXPECT_TRUE(form().Timer().Enabled());
    EXPECT_EQ(form().Music().Volume(), music);
    EXPECT_EQ(form().Sounds().Volume(), sound);
    EXPECT_EQ(form().Voices().Volume(), sound);
    rig.Ticks(2);
    EXPECT_GT(device().FramesPresented, frames);
    EXPECT_FALSE(device().FullScreen()); // a windowed run stays windowed
}

TEST_F(WindowFocus, InFullScreenTheFocusStayingAwayLeavesFullScreenAndRestoringReturnsToIt) {
    Restart(std::nullopt); // a new player starts in full screen
    EXPECT_FALSE(device().FullScreen());
    form().FormShow();
    EXPECT_TRUE(device().FullScreen());

    Send(TEventKind::FocusLost);
    EXPECT_EQ(systemTimerMs(), 100);
    EXPECT_TRUE(device().FullScreen());
    Send(TEventKind::SystemTimer);
    EXPECT_FALSE(device().FullScreen());
    EXPECT_EQ(device().Minimised, 1);
    EXPECT_EQ(systemTimerMs(), 0);
    EXPECT_FALSE(form().Timer().Enabled());

    Send(TEventKind::Restored);
    EXPECT_TRUE(device().FullScreen());
    EXPECT_TRUE(running());
    Send(TEventKind::FocusGained); // the focus that follows the restore changes nothing
    EXPECT_TRUE(device().FullScreen());
    EXPECT_EQ(device().Minimised, 1);
}

TEST_F(WindowFocus, AQuickReturnToFullScreenResumesAtOnceAndCancelsTheLeave) {
    Restart(true);
    form().FormShow();
    Send(TEventKind::FocusLost);
    ASSERT_EQ(systemTimerMs(), 100);
    Send(TEventKind::FocusGained);
    EXPECT_TRUE(running());
    EXPECT_EQ(systemTimerMs(), 0);
    // A timer event already on its way when the timer stopped is not acted on.
    Send(TEventKind::SystemTimer);
    EXPECT_TRUE(device().FullScreen());
    EXPECT_EQ(device().Minimised, 0);
}

TEST_F(WindowFocus, F11AndAltEnterToggleFullScreenAndTheChoiceHoldsAcrossAFocusLoss) {
    Restart(true);
    form().FormShow();
    Send(TEventKind::KeyDown, TKey::F11);
    EXPECT_FALSE(device().FullScreen());
    Send(TEventKind::FocusLost);
    Send(TEventKind::FocusGained);
    EXPECT_FALSE(device().FullScreen());
    Send(TEventKind::KeyDown, TKey::Enter); // Enter alone is no toggle
    EXPECT_FALSE(device().FullScreen());
    Send(TEventKind::KeyDown, TKey::Enter, true);
    EXPECT_TRUE(device().FullScreen());
}

TEST_F(WindowFocus, TheTerminationSignalEndsTheGameAtOnceWithSuccess) {
    Restart(false);
    rig.Platform.Events.Push({.Kind = TEventKind::TerminateRequested});
    EXPECT_EQ(form().Run(), 0);
    EXPECT_TRUE(form().Closing());
    EXPECT_TRUE(rig.Platform.Audio.Closed);
}

TEST_F(WindowFocus, EverySceneChangeIsLoggedByName) {
    Restart(false);
    EXPECT_EQ(sceneLines,
              (std::vector<std::string>{"scene: gsObjectiveInfo", "scene: gsMainGame"}));
    EXPECT_EQ(GameSceneName(gsAddInitialPlayer), "gsAddInitialPlayer");
    EXPECT_EQ(GameSceneName(gsEndingStory), "gsEndingStory");
}

} // namespace
