// The drained energy's flight from the tube to the boss.
#include "effects/AbsorbedEnergyClass.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(AbsorbedEnergy, TheColourTellsHowMuchOfTheTubeIsLeft) {
    EXPECT_EQ(EnergyColorOf(0), ecRed);
    EXPECT_EQ(EnergyColorOf(40), ecRed);
    EXPECT_EQ(EnergyColorOf(41), ecYellow);
    EXPECT_EQ(EnergyColorOf(77), ecYellow);
    EXPECT_EQ(EnergyColorOf(78), ecGreen);
    EXPECT_EQ(EnergyColorOf(100), ecGreen);
}

TEST(AbsorbedEnergy, TheStreamLeavesSparkBySparkAndEndsWhenTheLastHasArrived) {
    TAbsorbedEnergy flight;
    flight.Start({1300, 400}, {400, 600}, ecYellow);
    EXPECT_TRUE(flight.Running());
    flight.Tick();
    EXPECT_EQ(flight.InFlight(), 1);
    int most = 0;
    int ticks = 1;
    for (; flight.Running() && ticks < 1000; ++ticks) {
        flight.Tick();
        most = std::max(most, flight.InFlight());
    }
    EXPECT_EQ(ticks, (TAbsorbedEnergy::Sparks - 1) * TAbsorbedEnergy::TicksBetweenSparks +
                         TAbsorbedEnergy::FlightTicks);
    EXPECT_EQ(most, TAbsorbedEnergy::Sparks);
    EXPECT_EQ(flight.InFlight(), 0);
}

TEST(AbsorbedEnergy, AHiddenStreamWaits) {
    TAbsorbedEnergy flight;
    flight.Start({0, 0}, {10, 10}, ecRed);
    flight.Visible = false;
    for (int tick = 0; tick < 200; ++tick) flight.Tick();
    EXPECT_TRUE(flight.Running());
    flight.Clear();
    EXPECT_FALSE(flight.Running());
}
