#include <gtest/gtest.h>

#include <set>

#include "engine/GameGlobals.h"

namespace {

TEST(GameGlobals, RandomStaysInRangeAndEmptyRangesConsumeNothing) {
    SetRandomSeed(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int value = Random(6);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 6);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 6u);

    SetRandomSeed(42);
    const int first = Random(1000);
    SetRandomSeed(42);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(1000), first);
    ReleaseRandomSeed();
}

TEST(GameGlobals, FixedSeedSurvivesRandomize) {
    SetRandomSeed(3);
    const int a = Random(1 << 30);
    SetRandomSeed(3);
    Randomize();
    EXPECT_EQ(Random(1 << 30), a);
    ReleaseRandomSeed();
}

TEST(GameGlobals, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfEven(61.5), 62);
    EXPECT_EQ(RoundHalfEven(62.5), 62);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

} // namespace
