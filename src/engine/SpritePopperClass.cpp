#include "engine/SpritePopperClass.h"

#include "engine/GameGlobals.h"

#include <algorithm>

void TSpritePopper::SetupRatios(double minRatio, double normalRatio, double maxRatio, double upStep,
                                double downStep) {
    MinRatio = minRatio;
    NormalRatio = normalRatio;
    MaxRatio = maxRatio;
    UpStep = upStep;
    DownStep = downStep;
}

void TSpritePopper::SetupFloat(TPopperFloatType floatType, int floatStep, int floatEndAlpha,
                               int floatAlphaStep) {
    FloatType = floatType;
    FloatStep = floatStep;
    FloatEndAlpha = floatEndAlpha;
    FloatAlphaStep = floatAlphaStep;
}

void TSpritePopper::Reset() {
    state_ = psIdle;
    delayElapsed_ = 0;
    delay_ = 0;
    delayed_ = false;
    Ratio = MinRatio;
    started_ = false;
    AlphaRatio = 1.0;
    Position = {};
    Alpha = 255;
    finished_ = false;
}

void TSpritePopper::Pop(TPoint position) {
    Reset();
    Position = position;
    state_ = psGrowing;
}

void TSpritePopper::DelayedPop(TPoint position, int delayMs) {
    Reset();
    delayed_ = true;
    delay_ = delayMs;
    delayElapsed_ = 0;
    Position = position;
    state_ = psGrowing;
}

void TSpritePopper::Update() {
    if (state_ == psIdle) return;
    if (delayed_ && delay_ > 0) {
        if (!AdvanceTickTimer(delayElapsed_, delay_)) return;
        delayed_ = false;
        if (OnDelayedPopHappens) OnDelayedPopHappens();
        // The handler may have started a new delay.
        if (delayElapsed_ < delay_) return;
    }
    started_ = true;
    StepState();
    const bool floats =
        FloatType == ftRightAway || (FloatType == ftAfterPop && state_ == psSettled);
    if (floats) Position.Y -= FloatStep;
}

void TSpritePopper::StepState() {
    switch (state_) {
    case psGrowing:
        Ratio += UpStep;
        if (Ratio >= MaxRatio) {
            Ratio = MaxRatio;
            state_ = psShrinking;
        }
        break;
    case psShrinking:
        Ratio -= DownStep;
        if (Ratio <= NormalRatio) {
            Ratio = NormalRatio;
            state_ = psSettled;
        }
        break;
    case psSettled:
        if (Alpha < FloatEndAlpha)
            Alpha = std::min(Alpha + FloatAlphaStep, FloatEndAlpha);
        else if (Alpha > FloatEndAlpha)
            Alpha = std::max(Alpha - FloatAlphaStep, FloatEndAlpha);
        if (Alpha == FloatEndAlpha) finished_ = true;
        break;
    case psIdle:
        break;
    }
}
