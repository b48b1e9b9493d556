#pragma once
// The credits (gsCredits), opened from either options window: the credits window drops in over
// what lies beneath the options, the names drift slowly up through it, and Done goes back to
// the options window, still open as the player left it. After the ending story they drop in
// over the dark, and Done goes on to the menu.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

class TCreditsScene : public TScene {
public:
    static constexpr TPoint WindowSize{560, 600};
    // Pixels the lines rise a tick.
    static constexpr float ScrollPerTick = 0.5f;

    explicit TCreditsScene(const TGameServices& services);

    void TakeSizes();
    // The window comes down and the lines start again from the top.
    void Enter(TGameSceneValues from) override;
    // Done, hidden: back to the options, or after the ending on to the menu.
    void WindowHidden();
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& DoneButton() const { return doneButton_; }
    // The credit lines below the title, without the empty ones at the end.
    int LineCount() const { return lineCount_; }
    // How far the lines have risen; below 0 while they come up from the bottom again.
    float Scroll() const { return scroll_; }

private:
    void DoneClick();
    TGameSceneValues Beneath() const;
    void DrawTitle(TPoint windowPos) const;
    void DrawLines(TPoint windowPos) const;
    void AdvanceLines();

    TGameServices services_;
    TGameMenuWindow window_;
    TGameButton doneButton_;
    int lineCount_ = 0;
    float scroll_ = 0;
};
