#include "app/TubeTimerClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr int TubeOffsetX = -4;

} // namespace

void TTubeTimer::TakeSize() {
    const TPoint size = ImageTileSize(Pictures::TubeTimerEnergy);
    if (size.X <= 0 || size.Y <= 0) return;
    EnergyWidth = size.X;
    EnergyHeight = size.Y;
    MaxPixelProgress = EnergyHeight;
}

void TTubeTimer::Start() {
    x_ = HideLeft;
    phase_ = tpSlidingIn;
}

void TTubeTimer::Reset() {
    phase_ = tpHidden;
    x_ = HideLeft;
    running_ = false;
    elapsedMs_ = 0;
    elapsedSeconds_ = 0;
    fillStep_ = 0;
    almostTimeUpFired_ = false;
    absorbing_ = false;
    absorbTargetMs_ = 0;
    Paused = true;
}

void TTubeTimer::SlideOut() {
    phase_ = tpSlidingOut;
}

void TTubeTimer::Absorb(int seconds) {
    if (RelaxedMode == rmYes) return;
    absorbing_ = true;
    absorbTargetMs_ = std::min(TotalMs(), elapsedMs_ + seconds * 1000);
}

void TTubeTimer::UpdateAndDraw() {
    switch (phase_) {
    case tpSlidingIn:
        StepSlidingIn();
        break;
    case tpFilling:
        StepFilling();
        break;
    case tpRunning:
        StepRunning();
        break;
    case tpSlidingOut:
        x_ = std::min(HideLeft, x_ + MoveStep);
        if (x_ >= HideLeft) phase_ = tpHidden;
        break;
    case tpHidden:
        break;
    }
    if (RelaxedMode != rmYes) Draw();
}

// On arrival the tube is empty; it fills in FillingUpStepFactor ticks (at least one step a tick,
// so a strange factor can neither divide by 0 nor leave it filling for ever).
void TTubeTimer::StepSlidingIn() {
    x_ = std::max(Left, x_ - MoveStep);
    if (x_ > Left) return;
    elapsedSeconds_ = Time;
    elapsedMs_ = TotalMs();
    fillStep_ = std::max(1, TotalMs() / std::max(1, FillingUpStepFactor));
    phase_ = tpFilling;
}

void TTubeTimer::StepFilling() {
    elapsedMs_ = std::max(0, elapsedMs_ - fillStep_);
    if (elapsedMs_ > 0) return;
    elapsedSeconds_ = 0;
    running_ = true;
    phase_ = tpRunning;
}

void TTubeTimer::StepRunning() {
    if (!running_ || Paused) return;
    elapsedMs_ = std::min(TotalMs(), elapsedMs_ + GameTickMs);
    if (absorbing_) {
        const int absorbed = elapsedMs_ + AbsorbedMiliSecsPerUpdate;
        if (absorbed < absorbTargetMs_) {
            elapsedMs_ = absorbed;
        } else {
            elapsedMs_ = std::max(elapsedMs_, absorbTargetMs_);
            absorbing_ = false;
        }
    }
    elapsedSeconds_ = elapsedMs_ / 1000;
    if (RelaxedMode == rmYes) return;
    if (!almostTimeUpFired_ && Time - elapsedSeconds_ <= AlmostTimeUpTimeLeft) {
        almostTimeUpFired_ = true;
        if (OnAlmostTimeUp) OnAlmostTimeUp();
    }
    if (elapsedSeconds_ < Time) return;
    running_ = false;
    elapsedSeconds_ = Time;
    if (OnTimeUp) OnTimeUp();
}

int TTubeTimer::PixelProgress() const {
    if (TotalMs() <= 0) return MaxPixelProgress;
    const double drained = static_cast<double>(elapsedMs_) / TotalMs();
    return std::min(MaxPixelProgress, RoundHalfEven(drained * MaxPixelProgress));
}

int TTubeTimer::PercentLeft() const {
    if (TotalMs() <= 0) return 0;
    const double drained = static_cast<double>(elapsedMs_) / TotalMs();
    return std::clamp(100 - RoundHalfEven(drained * 100), 0, 100);
}

void TTubeTimer::Draw() const {
    if (phase_ == tpHidden) return;
    DrawImage(Pictures::TubeTimer, x_ + TubeOffsetX, Top, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    // Before the filling starts the tube is empty.
    if (phase_ == tpSlidingIn) return;
    const int p = PixelProgress();
    if (p >= MaxPixelProgress) return;
    DrawImageRect(Pictures::TubeTimerEnergy, TRect{0, p, EnergyWidth, EnergyHeight},
                  x_ + EnergyAdjustX, Top + EnergyAdjustY + p, 255);
}
