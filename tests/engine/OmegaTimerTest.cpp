// The frame timer's passes on a hand-driven clock.
#include "engine/OmegaTimer.h"

#include <gtest/gtest.h>

namespace {

class FrameTimer : public ::testing::Test {
protected:
    FrameTimer() : timer(clock, idle, &periodic) {
        timer.OnTimer = [this] {
            ++ticks;
            clock.AdvanceMs(handlerMs);
        };
        timer.SetTargetFPS(33);
        timer.SetMinFPS(10);
        timer.SetMaxFPS(0);
    }
    // One pass of the program's idle loop; false when the timer is not hooked in.
    bool IdlePass() {
        if (!idle.Handler) return false;
        bool done = true;
        idle.Handler(done);
        return true;
    }
    // Passes every millisecond until a tick fires.
    void RunUntilTick() {
        const int before = ticks;
        for (int i = 0; i < 1000 && ticks == before; ++i) {
            clock.AdvanceMs(1);
            IdlePass();
        }
    }

    TManualClock clock;
    TApplicationIdle idle;
    TQueuedEventSource periodic;
    TOmegaTimer timer;
    int ticks = 0;
    double handlerMs = 0;
};

TEST_F(FrameTimer, FiresOnceATargetPeriodHasPassedSinceThePreviousTick) {
    timer.SetEnabled(true);
    IdlePass();
    EXPECT_EQ(ticks, 0);
    clock.AdvanceMs(30.2); // one period is 30.3 ms
    IdlePass();
    EXPECT_EQ(ticks, 0);
    clock.AdvanceMs(0.2);
    IdlePass();
    EXPECT_EQ(ticks, 1);
    // No catching up: a late pass fires one tick, and the next period starts from it.
    clock.AdvanceMs(95);
    IdlePass();
    IdlePass();
    EXPECT_EQ(ticks, 2);
    EXPECT_NEAR(timer.Delta(), 95.0 / (1000.0 / 33), 0.01);
}

TEST_F(FrameTimer, SlowHandlersClampTheFrameAndRaiseTheWarningAfterTenInARow) {
    timer.SetEnabled(true);
    handlerMs = 250;
    // Every pass after a 250 ms handler is slow and fires at once, its frame clamped to 100 ms.
    RunUntilTick(); // the first tick comes after a normal period
    for (int slowPasses = 0; slowPasses <= 10; ++slowPasses) {
        EXPECT_EQ(timer.FPSWarning(), slowPasses == 10);
        RunUntilTick();
    }
    EXPECT_TRUE(timer.FPSWarning());
    EXPECT_NEAR(timer.Delta(), 3.3, 0.01);
    EXPECT_NEAR(timer.ElapsedSeconds(), 0.1, 0.001);
    handlerMs = 0;
    RunUntilTick(); // still measures the last slow handler
    EXPECT_TRUE(timer.FPSWarning());
    clock.AdvanceMs(1);
    IdlePass();
    EXPECT_FALSE(timer.FPSWarning());
}

TEST_F(FrameTimer, FpsCountsTicksOfEachCompletedSecond) {
    timer.SetEnabled(true);
    for (int i = 0; i < 990; ++i) {
        clock.AdvanceMs(1);
        IdlePass();
    }
    EXPECT_EQ(timer.FPS(), 0);
    for (int i = 0; i < 20; ++i) {
        clock.AdvanceMs(1);
        IdlePass();
    }
    EXPECT_EQ(timer.FPS(), 32); // 1000 ms at 1 ms passes: a tick every 31 ms
}

TEST_F(FrameTimer, SetterRulesAndUnthrottledTicks) {
    timer.SetEnabled(true);
    // TargetFPS 0 without a cap: a tick on every pass.
    timer.SetTargetFPS(0);
    IdlePass();
    IdlePass();
    EXPECT_EQ(ticks, 2);
    // A cap of 120 holds passes back for 1/120 s.
    timer.SetMaxFPS(120);
    IdlePass();
    EXPECT_EQ(ticks, 2);
    clock.AdvanceMs(8.4);
    IdlePass();
    EXPECT_EQ(ticks, 3);
    // Re-enabling measures from that moment, not from the last tick.
    timer.SetMaxFPS(0);
    timer.SetTargetFPS(33);
    timer.SetEnabled(false);
    clock.AdvanceMs(500);
    timer.SetEnabled(true);
    IdlePass();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(timer.TicksUntilDue(), 1'000'000'000 / 33);
}

TEST_F(FrameTimer, DisablingUnhooksTheTimerAndTheSavedIdleHandler) {
    TManualClock otherClock;
    TApplicationIdle appIdle;
    int savedCalls = 0;
    appIdle.Handler = [&](bool&) { ++savedCalls; };
    TOmegaTimer own(otherClock, appIdle);
    own.OnTimer = [] {};
    own.SetTargetFPS(33);
    own.SetEnabled(true);
    ASSERT_TRUE(appIdle.Handler);
    bool done = true;
    appIdle.Handler(done);
    EXPECT_FALSE(done); // the loop keeps polling while enabled
    EXPECT_EQ(savedCalls, 1);
    own.SetEnabled(false);
    EXPECT_FALSE(appIdle.Handler);
    EXPECT_EQ(own.TicksUntilDue(), -1);
}

TEST_F(FrameTimer, LossyModeUsesThePeriodicTimerOnlyWithATargetAndAHandler) {
    timer.SetEnabled(true);
    timer.SetLossyMode(true);
    EXPECT_EQ(periodic.PeriodicIntervalMs, 30);
    EXPECT_FALSE(idle.Handler);
    bool done = true;
    timer.Pass(done); // a periodic message fires at once
    EXPECT_EQ(ticks, 1);
    timer.SetTargetFPS(0);
    EXPECT_EQ(periodic.PeriodicIntervalMs, 0);
    timer.SetTargetFPS(33);
    timer.OnTimer = nullptr;
    timer.SetLossyMode(true);
    EXPECT_EQ(periodic.PeriodicIntervalMs, 0);
}

TEST_F(FrameTimer, SettingTheSameTargetDoesNotRearm) {
    timer.SetEnabled(true);
    idle.Handler = nullptr; // somebody else took the hook
    timer.SetTargetFPS(33);
    EXPECT_FALSE(idle.Handler);
    timer.SetTargetFPS(20);
    EXPECT_TRUE(idle.Handler);
}

} // namespace
