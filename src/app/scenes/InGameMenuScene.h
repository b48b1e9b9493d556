#pragma once
// The in-game menu (gsInGameMenu): over the round it was opened from, the menu window drops in
// with Resume, Restart, Options, Help and To Menu. The round is paused while it shows.
#include "app/GameServices.h"
#include "app/scenes/MainGameScene.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

class TInGameMenuScene : public TScene {
public:
    static constexpr TPoint WindowRest{523, 184};
    // The tags the window hides with: what its hiding leads to.
    static constexpr const char* ResumeTag = "RESUME_GAME";
    static constexpr const char* RestartTag = "RESTART_GAME";

    TInGameMenuScene(const TGameServices& services, TMainGameScene& round);

    void TakeSizes();
    // The menu button or Escape of the scene showing now (the round, its objective or the
    // tutorial): a running step or tip is answered first, then the scene it leaves is
    // remembered as the origin and, but for the tutorial, paused.
    void Open();

    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;
    // A controller's Start closes the menu it opened, as Resume does.
    void Key(const TPlatformEvent& event) override;

    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& ResumeButton() const { return resumeButton_; }
    const TGameButton& RestartButton() const { return restartButton_; }
    const TGameButton& OptionsButton() const { return optionsButton_; }
    const TGameButton& HelpButton() const { return helpButton_; }
    const TGameButton& ToMenuButton() const { return toMenuButton_; }

private:
    void Place(TPoint windowPos);
    void HideWithTag(const char* tag);
    void HidingComplete();
    // Back to the origin, paused as it was before the menu.
    void ReturnToOrigin();
    void OptionsClick();
    void HelpClick();
    void ToMenuClick();

    TGameServices services_;
    TMainGameScene& round_;
    TGameMenuWindow window_;
    TGameButton resumeButton_;
    TGameButton restartButton_;
    TGameButton optionsButton_;
    TGameButton helpButton_;
    TGameButton toMenuButton_;
};
