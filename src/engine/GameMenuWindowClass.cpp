#include "engine/GameMenuWindowClass.h"

#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"

namespace {

// Moves coordinate one step of `move` pixels towards target; true when the slide is over: the
// step went strictly past the target (the coordinate is then set to it), or the move does not
// head for the target at all, which would slide the window away for ever: it snaps there. A step
// that lands exactly on the target ends the slide one tick later.
bool SlideTowards(int& coordinate, int target, int move) {
    const int64_t remaining = int64_t{target} - coordinate;
    const bool headsThere = move != 0 && remaining * move >= 0;
    const int64_t next = int64_t{coordinate} + move;
    if (headsThere && (target - next) * move >= 0) {
        coordinate = static_cast<int>(next);
        return false;
    }
    coordinate = target;
    return true;
}

} // namespace

void TGameMenuWindow::Show() {
    position = Horizontal() ? TPoint{HidingXPos, Top} : TPoint{Left, HidingYPos};
    shownTime = 0;
    timerFired = false;
    Raise(OnStartShowing);
    state = mwsShowing;
}

void TGameMenuWindow::Hide() {
    state = mwsHiding;
    Raise(OnStartHiding);
}

void TGameMenuWindow::HideNow() {
    position = {HidingXPos, HidingYPos};
    state = mwsHidden;
    Tag.clear();
    shownTime = 0;
    timerFired = false;
    if (OnPosUpdate) OnPosUpdate(position);
}

void TGameMenuWindow::Update() {
    const TPoint before = position;
    switch (state) {
    case mwsShowing:
        StepShowing();
        break;
    case mwsShown:
        StepShown();
        break;
    case mwsHiding:
        StepHiding();
        break;
    case mwsHidden:
        break;
    }
    if (position != before && OnPosUpdate) OnPosUpdate(position);
}

void TGameMenuWindow::StepShowing() {
    if (!SlideTowards(SlidingCoordinate(), Horizontal() ? Left : Top, ShowSign() * MoveStep))
        return;
    state = mwsShown;
    Raise(OnShowingComplete);
}

void TGameMenuWindow::StepShown() {
    if (!ShownTimerEnabled || timerFired) return;
    if (!AdvanceTickTimer(shownTime, ShownTimeToTriggerEvent)) return;
    timerFired = true;
    Raise(OnShownTimerReached);
}

void TGameMenuWindow::StepHiding() {
    if (!SlideTowards(SlidingCoordinate(), Horizontal() ? HidingXPos : HidingYPos,
                      -ShowSign() * MoveStep))
        return;
    state = mwsHidden;
    Raise(OnHidingComplete);
}

void TGameMenuWindow::Draw() {
    if (state == mwsHidden) return;
    if (TImageListItem* picture = FindPicture(OmgImgList, WindowImg))
        picture->Draw(position.X, position.Y, 0);
}
