// Frame sequences, oscillating values and sprite poppers, tick by tick.
#include "engine/AnimDataClass.h"
#include "engine/SpritePopperClass.h"
#include "engine/ValueUpDownClass.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> Frames(TAnimData& anim, int ticks) {
    std::vector<int> frames;
    for (int i = 0; i < ticks; ++i) {
        anim.Advance();
        frames.push_back(anim.CurrentFrame());
    }
    return frames;
}

TEST(AnimData, LoopedSequenceNeverShowsItsLastCharacter) {
    TAnimData anim;
    EXPECT_EQ(Frames(anim, 3), (std::vector<int>{0, 0, 0})); // the default "1"
    anim.SetSeq("123");
    anim.Reset();
    EXPECT_EQ(Frames(anim, 5), (std::vector<int>{0, 1, 0, 1, 0}));
    anim.Looped = false;
    anim.Reset();
    EXPECT_EQ(Frames(anim, 5), (std::vector<int>{0, 1, 2, 2, 2}));
    EXPECT_TRUE(anim.IsLastFrame());
}

TEST(AnimData, CharactersNamePatternsAndBlanks) {
    TAnimData anim;
    anim.SetSeq("19az-0 ");
    anim.Looped = false;
    anim.Reset();
    EXPECT_EQ(anim.Seq(), "19AZ-0 ");
    EXPECT_EQ(anim.CurrentFrame(), 0); // position 0 reads as 1
    EXPECT_EQ(Frames(anim, 6), (std::vector<int>{8, 0, 25, -999, -999, -999}));
    EXPECT_TRUE(anim.IsBlankFrame());
    // Changing the sequence keeps the position; a position past its end draws nothing.
    anim.SetSeq("12");
    EXPECT_EQ(anim.CurrentFrame(), -999);
    anim.SetSeq("");
    anim.Reset();
    EXPECT_EQ(anim.CurrentFrame(), -999);
    anim.SetSeq(std::string(300, '2'));
    EXPECT_EQ(anim.Seq().size(), 255u);
}

TEST(ValueUpDown, SwingsBetweenMinAndMaxWithOptionalRange) {
    TValueUpDown value;
    value.Init(0, 100, 10, 20);
    std::vector<float> seen;
    for (int i = 0; i < 18; ++i) {
        value.Step();
        seen.push_back(value.Value());
    }
    EXPECT_EQ(seen, (std::vector<float>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 80, 60, 40, 20,
                                        0, 10, 20}));
    value.SetRangeMax(50);
    value.Restart();
    for (int i = 0; i < 7; ++i) value.Step();
    EXPECT_EQ(value.Value(), 50); // internal 70, output held at the bound
    value.SetRangeMin(30);
    value.Restart();
    EXPECT_EQ(value.Value(), 30);
}

TEST(ValueUpDown, IntValueRoundsHalvesToEven) {
    TValueUpDown value;
    value.Init(62.5f, 100, 1, 1);
    EXPECT_EQ(value.IntValue(), 62);
    value.Init(61.5f, 100, 1, 1);
    EXPECT_EQ(value.IntValue(), 62);
}

TEST(SpritePopper, DefaultPopGrowsShrinksAndFades) {
    TSpritePopper popper;
    popper.Pop({10, 20});
    int growTicks = 0;
    while (popper.State() == psGrowing) {
        popper.Update();
        ++growTicks;
    }
    EXPECT_NEAR(growTicks, 20, 1);
    EXPECT_DOUBLE_EQ(popper.Ratio, 1.2);
    int shrinkTicks = 0;
    while (popper.State() == psShrinking) {
        popper.Update();
        ++shrinkTicks;
    }
    EXPECT_NEAR(shrinkTicks, 20, 1);
    EXPECT_DOUBLE_EQ(popper.Ratio, 1.0);
    int fadeTicks = 0;
    while (!popper.Finished()) {
        popper.Update();
        ++fadeTicks;
    }
    EXPECT_EQ(popper.Alpha, 60);
    EXPECT_EQ(fadeTicks, 25);                     // 255 - 24 x 8 = 63, then 60
    EXPECT_EQ(popper.Position, (TPoint{10, 20})); // no floating by default
    EXPECT_TRUE(popper.Active());
}

TEST(SpritePopper, DelayedPopFiresOnTheTickTheWaitEnds) {
    TSpritePopper popper;
    int fired = 0;
    popper.OnDelayedPopHappens = [&] { ++fired; };
    popper.DelayedPop({0, 0}, 90);
    popper.Update();
    popper.Update();
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(popper.Started());
    EXPECT_DOUBLE_EQ(popper.Ratio, 1.0);
    popper.Update();
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(popper.Started());
    EXPECT_DOUBLE_EQ(popper.Ratio, 1.01);
    popper.DelayedPop(0);
    popper.Update();
    EXPECT_EQ(fired, 1);
    EXPECT_DOUBLE_EQ(popper.Ratio, 1.01);
}

TEST(SpritePopper, FloatingRightAwayOrAfterThePop) {
    TSpritePopper popper;
    popper.SetupRatios(0.5, 1.0, 1.5, 0.5, 0.5);
    popper.SetupFloat(ftAfterPop, 3, 255, 8);
    popper.Pop({0, 100});
    popper.Update(); // 1.0
    popper.Update(); // 1.5, shrinking
    EXPECT_EQ(popper.Position.Y, 100);
    popper.Update(); // 1.0, settled: floats from this tick on
    EXPECT_EQ(popper.Position.Y, 97);
    popper.Update();
    EXPECT_TRUE(popper.Finished()); // alpha already at its end value
    popper.SetupFloat(ftRightAway, 2, 60, 8);
    popper.Pop({0, 100});
    popper.Update();
    EXPECT_EQ(popper.Position.Y, 98);
    popper.Reset();
    EXPECT_FALSE(popper.Active());
    EXPECT_DOUBLE_EQ(popper.Ratio, 0.5);
}

} // namespace
