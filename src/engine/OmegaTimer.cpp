#include "engine/OmegaTimer.h"

#include <algorithm>

TOmegaTimer::TOmegaTimer(TPlatformClock& clock, TApplicationIdle& idle, TPeriodicTimer* periodic)
    : clock_(clock), idle_(idle), periodic_(periodic), savedIdleHandler_(idle.Handler),
      frequency_(std::max<int64_t>(1, clock.Frequency())) {
    SetMinFPS(10);
    SetMaxFPS(120);
    SetFPSWarningFrames(10);
}

TOmegaTimer::~TOmegaTimer() {
    if (periodic_ != nullptr) periodic_->StopPeriodic();
    idle_.Handler = nullptr;
}

void TOmegaTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    if (value) {
        // Measurement restarts: the first frame counts from now, not from before the pause.
        lastTickTime_ = clock_.Now();
        rateWindowStart_ = lastTickTime_;
        frameCount_ = 0;
        fps_ = 0;
    }
    Rearm();
}

void TOmegaTimer::SetTargetFPS(int value) {
    if (value == targetFPS_) return;
    targetFPS_ = value;
    if (value > 0) {
        targetPeriod_ = frequency_ / value;
        periodicIntervalMs_ = 1000 / value;
    }
    Rearm();
}

void TOmegaTimer::SetMinFPS(int value) {
    if (value == minFPS_) return;
    minFPS_ = value;
    if (value > 0) slowLimitPeriod_ = frequency_ / value;
}

void TOmegaTimer::SetMaxFPS(int value) {
    if (value == maxFPS_) return;
    maxFPS_ = value;
    if (value > 0) capPeriod_ = frequency_ / value;
}

void TOmegaTimer::SetFPSWarningFrames(int value) {
    if (value == fpsWarningFrames_) return;
    fpsWarningFrames_ = value;
    fpsWarning_ = false;
    slowFrameCount_ = 0;
}

void TOmegaTimer::SetLossyMode(bool value) {
    lossyMode_ = value;
    Rearm();
}

void TOmegaTimer::Rearm() {
    if (periodic_ != nullptr) periodic_->StopPeriodic();
    const bool running = enabled_ && OnTimer;
    if (lossyMode_) {
        if (targetFPS_ > 0 && running && periodic_ != nullptr)
            periodic_->StartPeriodic(periodicIntervalMs_);
        idle_.Handler = nullptr;
    } else if (running) {
        idle_.Handler = [this](bool& done) { Pass(done); };
    } else {
        idle_.Handler = nullptr;
    }
}

void TOmegaTimer::Fire(int64_t now) {
    if (OnTimer) OnTimer();
    // The period runs from the start of one handler call to the start of the next.
    lastTickTime_ = now;
    ++frameCount_;
}

void TOmegaTimer::Pass(bool& done) {
    if (!enabled_) return;
    done = false;
    const int64_t now = clock_.Now();
    if (now - rateWindowStart_ >= frequency_) {
        fps_ = frameCount_;
        frameCount_ = 0;
        rateWindowStart_ = now;
    }
    int64_t elapsed = now - lastTickTime_;

    if (lossyMode_) {
        delta_ = targetPeriod_ > 0 ? static_cast<float>(double(elapsed) / targetPeriod_) : 0.0f;
        elapsedSeconds_ = static_cast<float>(double(elapsed) / frequency_);
        Fire(now);
    } else {
        if (minFPS_ > 0 && elapsed > slowLimitPeriod_) {
            elapsed = slowLimitPeriod_;
            if (++slowFrameCount_ >= fpsWarningFrames_) {
                fpsWarning_ = true;
                --slowFrameCount_;
            }
        } else {
            fpsWarning_ = false;
            slowFrameCount_ = 0;
        }
        const bool capped = maxFPS_ != 0 && elapsed < capPeriod_;
        const bool early = targetFPS_ > 0 && elapsed < targetPeriod_;
        if (!capped && !early) {
            if (targetFPS_ > 0) {
                delta_ = static_cast<float>(double(elapsed) / targetPeriod_);
                elapsedSeconds_ = static_cast<float>(double(elapsed) / frequency_);
            } else {
                delta_ = elapsedSeconds_ = static_cast<float>(double(elapsed) / frequency_);
            }
            Fire(now);
        }
    }
    if (savedIdleHandler_) savedIdleHandler_(done);
}

int64_t TOmegaTimer::TicksUntilDue() {
    if (!enabled_ || lossyMode_ || !idle_.Handler) return -1;
    int64_t period = targetFPS_ > 0 ? targetPeriod_ : 0;
    if (maxFPS_ != 0) period = std::max(period, capPeriod_);
    return std::max<int64_t>(0, lastTickTime_ + period - clock_.Now());
}
