#pragma once
// The clock every timing reads: the SDL performance counter in the game, a hand-driven clock in
// tests, so a test can run any number of exact ticks.
#include <cstdint>

class TPlatformClock {
public:
    virtual ~TPlatformClock() = default;
    // Monotonic count of clock ticks.
    virtual int64_t Now() = 0;
    // Clock ticks per second.
    virtual int64_t Frequency() = 0;
};

class TSdlClock : public TPlatformClock {
public:
    int64_t Now() override;
    int64_t Frequency() override;
};

// Advanced only by hand; counts nanoseconds unless told otherwise.
class TManualClock : public TPlatformClock {
public:
    explicit TManualClock(int64_t frequency = 1'000'000'000) : frequency_(frequency) {}
    int64_t Now() override { return now_; }
    int64_t Frequency() override { return frequency_; }
    void Advance(int64_t ticks) { now_ += ticks; }
    void AdvanceMs(double ms) { now_ += static_cast<int64_t>(ms * frequency_ / 1000.0); }

private:
    int64_t frequency_;
    int64_t now_ = 0;
};
