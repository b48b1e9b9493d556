#pragma once
// Makes a sprite pop: grow past its size, shrink back to a rest size, then optionally float
// upwards and fade. One Update per tick; owners draw at Position scaled by Ratio with Alpha.
#include "engine/Geometry.h"

#include <functional>

enum TPopperState { psIdle, psGrowing, psShrinking, psSettled };
enum TPopperFloatType { ftNone, ftRightAway, ftAfterPop };

class TSpritePopper {
public:
    double UpStep = 0.01;
    double MaxRatio = 1.2;
    double DownStep = 0.01;
    double MinRatio = 1.0;
    double NormalRatio = 1.0;
    int FloatStep = 1;
    TPopperFloatType FloatType = ftNone;
    int FloatAlphaStep = 8;
    int FloatEndAlpha = 60;
    std::function<void()> OnDelayedPopHappens;

    TPoint Position;
    double Ratio = 1.0;
    double AlphaRatio = 1.0; // the owner's own fading factor
    int Alpha = 255;

    TPopperState State() const { return state_; }
    bool Started() const { return started_; }
    bool Finished() const { return finished_; }
    bool Active() const { return state_ != psIdle; }

    void SetupRatios(double minRatio, double normalRatio, double maxRatio, double upStep,
                     double downStep);
    void SetupFloat(TPopperFloatType floatType, int floatStep, int floatEndAlpha,
                    int floatAlphaStep);
    void Reset();
    void Pop(TPoint position = {});
    void DelayedPop(TPoint position, int delayMs);
    void DelayedPop(int delayMs) { DelayedPop({}, delayMs); }
    void Update();

private:
    void StepState();

    TPopperState state_ = psIdle;
    int delayElapsed_ = 0;
    int delay_ = 0;
    bool delayed_ = false;
    bool started_ = false;
    bool finished_ = false;
};
