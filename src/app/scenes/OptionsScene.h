#pragma once
// The options window, over the menu (gsOptions) or over the round (gsInGameOptions): music,
// sound, full screen and the tutorial switched on or off, the two volumes turned up or down and
// heard at once, the credits, and OK. A full-screen switch is asked about before the screen
// changes.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameCheckBoxClass.h"
#include "engine/GameMenuWindowClass.h"
#include "engine/VolumeBarClass.h"

#include <functional>
#include <string_view>

class TOptionsScene : public TScene {
public:
    static constexpr TPoint WindowSize{460, 430};
    // A press on a volume button moves the volume this much.
    static constexpr int VolumeStep = 10;

    // The round goes on under the in-game options: its pause as it was before the menu.
    std::function<void()> OnBackToRound;

    // `inGame`: the window lies over the round and goes back to it.
    TOptionsScene(const TGameServices& services, bool inGame);

    void TakeSizes();
    // Coming back from the credits the window is still there as the player left it; otherwise
    // it comes down with the player's settings.
    void Enter(TGameSceneValues from) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& OkButton() const { return okButton_; }
    const TGameButton& CreditsButton() const { return creditsButton_; }
    const TGameButton& SoundPlusButton() const { return sound_.Plus; }
    const TGameButton& MusicMinusButton() const { return music_.Minus; }
    const TGameCheckBox& SoundBox() const { return sound_.Box; }
    const TGameCheckBox& MusicBox() const { return music_.Box; }
    const TGameCheckBox& FullScreenBox() const { return fullScreenBox_; }
    const TGameCheckBox& TutorialBox() const { return tutorialBox_; }
    const TVolumeBar& SoundBar() const { return sound_.Bar; }
    const TVolumeBar& MusicBar() const { return music_.Bar; }

private:
    // A channel of sound: its switch, its volume and the two buttons that turn it.
    struct TChannel {
        TGameCheckBox Box;
        TVolumeBar Bar;
        TGameButton Minus;
        TGameButton Plus;
    };

    void CreateWidgets();
    void PrepareChannel(TChannel& channel, std::string_view boxPicture);
    void Place(TPoint windowPos);
    void LoadSettings();
    // The sound switches and volumes into the player's record, heard at once.
    void ApplySound();
    void TurnVolume(TChannel& channel, int change);
    void OkClick();
    void CreditsClick();
    // The window has gone: the display question first when full screen was switched.
    void WindowHidden();
    void GoBack();
    TGameSceneValues Beneath() const;

    TGameServices services_;
    const bool inGame_;
    TGameMenuWindow window_;
    TChannel sound_;
    TChannel music_;
    TGameCheckBox fullScreenBox_;
    TGameCheckBox tutorialBox_;
    TGameButton creditsButton_;
    TGameButton okButton_;
};
