#pragma once
// TTubeTimer: the round timer, a glass tube at the board screen's right edge. It slides in, fills
// up, then drains as game time passes (a boss can drain it faster); it warns when little time is
// left and reports the end. In relaxed mode it is not drawn and never ends the round.
#include "board/GameData.h"

#include <functional>

enum TTubePhase : uint8_t { tpHidden, tpSlidingIn, tpSlidingOut, tpFilling, tpRunning };

class TTubeTimer {
public:
    int Left = 0;        // resting x
    int HideLeft = 1200; // x when hidden
    int Top = 0;
    // Taken from the liquid's picture once pictures are bound.
    int EnergyWidth = 22;
    int EnergyHeight = 305;
    int MaxPixelProgress = 325;
    int EnergyAdjustX = 90;
    int EnergyAdjustY = 53;
    TRelaxedMode RelaxedMode = rmNotInitialized;
    int Time = 300; // seconds of the round
    int AbsorbedMiliSecsPerUpdate = 1500;
    int AlmostTimeUpTimeLeft = 28; // seconds
    bool Paused = true;
    int MoveStep = 1;             // pixels per tick of the slides
    int FillingUpStepFactor = 50; // ticks the filling takes
    std::function<void()> OnAlmostTimeUp;
    std::function<void()> OnTimeUp;

    void TakeSize();
    // Slides in, fills, then runs (while not paused).
    void Start();
    // Hidden at HideLeft, every flag cleared, paused.
    void Reset();
    void SlideOut();
    // A boss drains the tube by `seconds` more, a step each tick; refused in relaxed mode.
    void Absorb(int seconds);
    void UpdateAndDraw();

    TTubePhase Phase() const { return phase_; }
    int X() const { return x_; }
    int ElapsedMs() const { return elapsedMs_; }
    int ElapsedSeconds() const { return elapsedSeconds_; }
    bool Running() const { return running_; }
    // Rows of the liquid already drained: 0 full, MaxPixelProgress empty.
    int PixelProgress() const;
    int PercentLeft() const;

private:
    int TotalMs() const { return Time * 1000; }
    void StepSlidingIn();
    void StepFilling();
    void StepRunning();
    void Draw() const;

    TTubePhase phase_ = tpHidden;
    int x_ = 1200;
    bool running_ = false;
    int elapsedMs_ = 0;
    int elapsedSeconds_ = 0;
    int fillStep_ = 0;
    bool almostTimeUpFired_ = false;
    bool absorbing_ = false;
    int absorbTargetMs_ = 0;
};
