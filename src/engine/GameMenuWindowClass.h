#pragma once
// TGameMenuWindow: a picture panel that slides in from off-screen, stays, and slides back out.
// Its buttons and texts are separate components; the owner places them on each position update.
#include "engine/Geometry.h"
#include "engine/WidgetBasics.h"

#include <cstdint>
#include <functional>
#include <string>

class TOmegaImageList;

enum TShowDir : uint8_t { sdToRight, sdToLeft, sdToDown, sdToUp };
enum TGameMenuWindowState : uint8_t { mwsHidden, mwsShowing, mwsShown, mwsHiding };

using TGameMenuWindowPosUpdateEvent = std::function<void(TPoint newPos)>;

class TGameMenuWindow {
public:
    // Free for the owner; HideNow clears it.
    std::string Tag;
    // The shown position.
    int Left = 220;
    int Top = 140;
    int MoveStep = 65;
    int HidingXPos = -400;
    int HidingYPos = -400;
    TShowDir ShowDir = sdToRight;
    std::string WindowImg;
    TOmegaImageList* OmgImgList = nullptr;
    bool ShownTimerEnabled = false;
    int ShownTimeToTriggerEvent = 5000;
    TGameMenuWindowPosUpdateEvent OnPosUpdate;
    std::function<void()> OnStartShowing;
    std::function<void()> OnShowingComplete;
    std::function<void()> OnShownTimerReached;
    std::function<void()> OnStartHiding;
    std::function<void()> OnHidingComplete;

    // Starts sliding in from the hiding position on the sliding axis.
    void Show();
    void Hide();
    // Gone at once, from any state.
    void HideNow();
    // One tick of sliding or of the shown timer.
    void Update();
    void Draw();

    TGameMenuWindowState State() const { return state; }
    TPoint Position() const { return position; }
    int ShownTime() const { return shownTime; }

private:
    bool Horizontal() const { return ShowDir == sdToRight || ShowDir == sdToLeft; }
    // +1 when showing moves the window towards larger coordinates.
    int ShowSign() const { return ShowDir == sdToRight || ShowDir == sdToDown ? 1 : -1; }
    int& SlidingCoordinate() { return Horizontal() ? position.X : position.Y; }
    void StepShowing();
    void StepShown();
    void StepHiding();

    TGameMenuWindowState state = mwsHidden;
    TPoint position{ParkedPosition, ParkedPosition};
    int shownTime = 0;
    bool timerFired = false;
};
