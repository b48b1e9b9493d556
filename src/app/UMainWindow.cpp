// The controller's window: full screen and back, the pause while the game has no focus, and the
// termination signals.
#include "app/UMain.h"
#include "engine/GameGlobals.h"

namespace {

// How long full screen stays after the focus went, so a quick return keeps it.
constexpr int LeaveFullScreenDelayMs = 100;

bool IsFullScreenToggle(const TPlatformEvent& event) {
    return event.Kind == TEventKind::KeyDown &&
           (event.Key == TKey::F11 || (event.Key == TKey::Enter && event.Alt));
}

} // namespace

// The selected player's save decides (the defaults without one), unless this run says otherwise.
void TFormMain::DecideStartPresentation() {
    const std::string& name = player_.SelectedName();
    const TPlayerSaveRecord saved =
        player_.HasSaveFile(name) ? player_.SaveFiles.Load(name) : player_.SaveFiles.Defaults;
    window_.StartInFullScreen =
        platform_.StartFullScreen.value_or(TPlayerSaveRecord::IsSet(saved.FullScreen));
    // A choice made for one run holds for the whole run: coming back from a focus loss keeps it.
    window_.FullScreenSetting = window_.StartInFullScreen;
}

void TFormMain::ApplyStartPresentation() {
    if (window_.FullScreenApplied || !window_.StartInFullScreen) return;
    window_.FullScreenApplied = true;
    // The setting already says full screen; an override for one run must not become it.
    SwitchFullScreen(true, false);
}

// While the question about the display mode is up, the display changes only by its answer.
bool TFormMain::AskingAboutDisplay() const {
    return GameScene.Value() == gsConfirmWindow &&
           (flow_.ConfirmKind == ckMenuDisplayMode || flow_.ConfirmKind == ckInGameDisplayMode);
}

bool TFormMain::HandleWindowEvent(const TPlatformEvent& event) {
    switch (event.Kind) {
    case TEventKind::FocusLost:
        if (!AskingAboutDisplay()) ApplicationDeactivate();
        return true;
    case TEventKind::FocusGained:
    case TEventKind::Restored:
        if (!AskingAboutDisplay()) ApplicationActivate();
        return true;
    case TEventKind::SystemTimer:
        // A tick already queued when the timer was stopped is not the timer's any more.
        if (window_.Timer1Enabled) Timer1Timer();
        return true;
    case TEventKind::TerminateRequested:
        // A signal closes at once, never with a question, as closing from the menu does.
        closing_ = true;
        return true;
    case TEventKind::KeyDown:
        if (!IsFullScreenToggle(event)) return false;
        SwitchFullScreen(!platform_.Device.FullScreen(), true);
        return true;
    default:
        return false;
    }
}

void TFormMain::SwitchFullScreen(bool wanted, bool remember) {
    TGraphicsDevice& device = platform_.Device;
    if (device.FullScreen() == wanted) return;
    device.SetFullScreen(wanted);
    if (wanted) {
        SetMouseCursorRequest(mcArrow);
    } else if (window_.MinimiseAfterLeavingFullScreen) {
        window_.MinimiseAfterLeavingFullScreen = false;
        device.Minimise();
    }
    // The player's record keeps the choice; the save writes it.
    if (remember) {
        window_.FullScreenSetting = device.FullScreen();
        player_.Current.FullScreen = window_.FullScreenSetting ? 1 : 0;
    }
}

void TFormMain::ApplicationDeactivate() {
    if (!window_.FocusLossPause) {
        window_.FocusLossPause = true;
        OmegaTimer1.SetEnabled(false);
        window_.MusicVolume = MusicBox1.Volume();
        window_.SoundVolume = SFXPlayer1.Volume();
        window_.VoiceVolume = VoicePlayer1.Volume();
        MusicBox1.SetVolume(0);
        MusicBox1.Update();
        SFXPlayer1.SetVolume(0);
        VoicePlayer1.SetVolume(0);
    }
    if (platform_.Device.FullScreen() && GameScene.Value() != gsCompanyLogos &&
        !window_.Timer1Enabled)
        SetTimer1Enabled(true);
}

// Every return resumes at once, also one that comes before full screen was left.
void TFormMain::ApplicationActivate() {
    SetTimer1Enabled(false);
    if (!window_.FocusLossPause) return;
    window_.FocusLossPause = false;
    OmegaTimer1.SetEnabled(true);
    // The music fades back in from the frames that follow.
    MusicBox1.SetVolume(window_.MusicVolume);
    SFXPlayer1.SetVolume(window_.SoundVolume);
    VoicePlayer1.SetVolume(window_.VoiceVolume);
    if (GameScene.Value() != gsCompanyLogos && window_.FullScreenSetting)
        SwitchFullScreen(true, false);
}

// The focus stayed away: leave full screen and step aside for the desktop.
void TFormMain::Timer1Timer() {
    SetTimer1Enabled(false);
    window_.MinimiseAfterLeavingFullScreen = true;
    SwitchFullScreen(false, false);
}

void TFormMain::SetTimer1Enabled(bool enabled) {
    if (enabled == window_.Timer1Enabled) return;
    window_.Timer1Enabled = enabled;
    if (enabled)
        platform_.Events.StartSystemTimer(LeaveFullScreenDelayMs);
    else
        platform_.Events.StopSystemTimer();
}
