#pragma once
// The frame timer that paces the whole game: fires OnTimer once per frame, as soon as one
// target period has passed since the previous fired tick, from passes that the program's loop
// runs while it is idle (or from a periodic timer in lossy mode). No catching up: never more
// than one tick per pass.
#include "platform/PlatformClock.h"
#include "platform/PlatformEvents.h"

#include <cstdint>
#include <functional>

// The application's idle hook: the program's loop calls Handler while nothing else is to do;
// done = false asks to be called again at once instead of sleeping.
struct TApplicationIdle {
    std::function<void(bool& done)> Handler;
};

class TOmegaTimer {
public:
    // Takes over the idle hook, keeping the handler installed there before it; a periodic timer
    // serves lossy mode.
    TOmegaTimer(TPlatformClock& clock, TApplicationIdle& idle, TPeriodicTimer* periodic = nullptr);
    ~TOmegaTimer();
    TOmegaTimer(const TOmegaTimer&) = delete;
    TOmegaTimer& operator=(const TOmegaTimer&) = delete;

    std::function<void()> OnTimer;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int TargetFPS() const { return targetFPS_; }
    void SetTargetFPS(int value);
    int MinFPS() const { return minFPS_; }
    void SetMinFPS(int value);
    int MaxFPS() const { return maxFPS_; }
    void SetMaxFPS(int value);
    int FPSWarningFrames() const { return fpsWarningFrames_; }
    void SetFPSWarningFrames(int value);
    bool LossyMode() const { return lossyMode_; }
    void SetLossyMode(bool value);

    // Ticks fired in the last completed window of one second.
    int FPS() const { return fps_; }
    // Length of the last fired frame in target periods, and in seconds.
    float Delta() const { return delta_; }
    float ElapsedSeconds() const { return elapsedSeconds_; }
    bool FPSWarning() const { return fpsWarning_; }

    // One pass (what the idle hook and the periodic timer run).
    void Pass(bool& done);
    // Clock ticks until the next tick may fire; -1 when no tick is pending from idle passes
    // (disabled, lossy, no handler), so the loop may wait for events alone.
    int64_t TicksUntilDue();
    int64_t ClockFrequency() const { return frequency_; }

private:
    void Rearm();
    void Fire(int64_t now);

    TPlatformClock& clock_;
    TApplicationIdle& idle_;
    TPeriodicTimer* periodic_;
    std::function<void(bool&)> savedIdleHandler_;
    int64_t frequency_;
    int64_t lastTickTime_ = 0;
    int64_t rateWindowStart_ = 0;
    float delta_ = 0;
    float elapsedSeconds_ = 0;
    int fps_ = 0;
    int frameCount_ = 0;
    bool fpsWarning_ = false;
    int slowFrameCount_ = 0;
    bool enabled_ = false;
    int targetFPS_ = 0;
    int minFPS_ = 0;
    int maxFPS_ = 0;
    int fpsWarningFrames_ = 0;
    bool lossyMode_ = false;
    // Periods in clock ticks, kept 64-bit: nanosecond clocks count a billion a second.
    int64_t targetPeriod_ = 0;
    int64_t slowLimitPeriod_ = 0;
    int64_t capPeriod_ = 0;
    int periodicIntervalMs_ = 0;
};
