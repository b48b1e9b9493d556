#include "effects/SwapEffectClass.h"

#include <algorithm>

#include "EffectTestFixture.h"

namespace {

struct TEnding {
    int Tick;
    bool Matched;
    TTileObjectKind Kind;
    TPoint Pos1, Pos2;
};

class SwapEffectTest : public EffectTest {
protected:
    TSwapEffect Swap;
    std::vector<TEnding> Endings;
    int TickCount = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Swap.OnEffectComplete = [this](TTileObjectKind kind, TPoint p1, TPoint p2) {
            Endings.push_back({TickCount, true, kind, p1, p2});
        };
        Swap.OnSwapBackComplete = [this](TTileObjectKind kind, TPoint p1, TPoint p2) {
            Endings.push_back({TickCount, false, kind, p1, p2});
        };
    }
    void RunTick() {
        Recorder.Clear();
        ++TickCount;
        Swap.Tick();
    }
    static TSwappedObjectsData Request(TPoint first, TPoint second, uint8_t code1, uint8_t code2,
                                       TTileObjectKind kind = okFruit) {
        TSwappedObjectsData data;
        data.Object1Pos = first;
        data.Object2Pos = second;
        data.ObjectKind[0] = data.ObjectKind[1] = kind;
        data.ImageIdx[0] = code1;
        data.ImageIdx[1] = code2;
        return data;
    }
    // The sprite (not the shadow) drawn with the given pattern this tick.
    TRecordedImageCall SpriteOf(int pattern) const {
        for (const TRecordedImageCall& call : Recorder.Calls)
            if (call.PatternIndex == pattern && call.Red == 255) return call;
        ADD_FAILURE() << "pattern " << pattern << " not drawn";
        return {};
    }
};

TEST_F(SwapEffectTest, MatchingFruitSwapMovesEightPixelsAndCompletesOnTheSeventhTick) {
    Swap.StartSwap(Request({4, 6}, {5, 6}, 3, 7), true);
    const TPoint a = TileTopLeft(4, 6);
    const TPoint b = TileTopLeft(5, 6);
    for (int tick = 1; tick <= 7; ++tick) {
        RunTick();
        const int shift = std::min(8 * tick, 52);
        ASSERT_EQ(Recorder.Calls.size(), 4u);
        const TRecordedImageCall& shadow = Recorder.Calls[0];
        EXPECT_EQ(shadow.X, a.X + shift + 2);
        EXPECT_EQ(shadow.Y, a.Y + 5);
        EXPECT_EQ(shadow.Red, 0);
        EXPECT_EQ(shadow.Alpha, 80);
        EXPECT_EQ(SpriteOf(2).X, a.X + shift);
        EXPECT_EQ(SpriteOf(6).X, b.X - shift);
        EXPECT_EQ(SpriteOf(6).Alpha, 255);
        EXPECT_FLOAT_EQ(SpriteOf(2).ScaleX, 1.15f);
        EXPECT_FLOAT_EQ(SpriteOf(2).CenterX, 0.0f);
        EXPECT_EQ(Endings.size(), tick == 7 ? 1u : 0u);
    }
    EXPECT_TRUE(Endings[0].Matched);
    EXPECT_EQ(Endings[0].Kind, okFruit);
    EXPECT_EQ(Endings[0].Pos1, (TPoint{4, 6}));
    EXPECT_EQ(Endings[0].Pos2, (TPoint{5, 6}));
    RunTick();
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(SwapEffectTest, SwapWithoutMatchGoesOutAndBackFromEachObjectsOwnTile) {
    // Object 1 is the lower tile: both endings still name the upper tile first.
    Swap.StartSwap(Request({3, 5}, {3, 4}, 1, 8), false);
    const TPoint upper = TileTopLeft(3, 4);
    const TPoint lower = TileTopLeft(3, 5);
    RunTick();
    EXPECT_EQ(SpriteOf(0).Y, lower.Y - 6); // object 1 leaves its own tile upwards
    EXPECT_EQ(SpriteOf(7).Y, upper.Y + 6);
    for (int tick = 2; tick <= 9; ++tick) RunTick();
    EXPECT_EQ(SpriteOf(0).Y, upper.Y); // turned back where the first phase left it
    EXPECT_EQ(SpriteOf(7).Y, lower.Y);
    RunTick();
    EXPECT_EQ(SpriteOf(0).Y, upper.Y + 6); // and heads home
    for (int tick = 11; tick <= 18; ++tick) {
        EXPECT_TRUE(Endings.empty()) << tick;
        RunTick();
    }
    EXPECT_EQ(SpriteOf(0).Y, lower.Y);
    EXPECT_EQ(SpriteOf(0).X, lower.X);
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_EQ(Endings[0].Tick, 18);
    EXPECT_FALSE(Endings[0].Matched);
    EXPECT_EQ(Endings[0].Pos1, (TPoint{3, 4}));
    EXPECT_EQ(Endings[0].Pos2, (TPoint{3, 5}));
}

TEST_F(SwapEffectTest, StepsDecideTheEndingTick) {
    // Lockers never take the quick step, even with a match.
    Swap.StartSwap(Request({1, 1}, {2, 1}, 1, 2, okLocker), true);
    for (int tick = 0; tick < 9; ++tick) RunTick();
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_EQ(Endings[0].Tick, 9);
    EXPECT_EQ(Endings[0].Kind, okLocker);

    // A step that divides 52 shows one frame at exactly 52 first.
    Endings.clear();
    TickCount = 0;
    Swap.QuickPosShiftStep = 4;
    Swap.StartSwap(Request({1, 1}, {2, 1}, 1, 2), true);
    for (int tick = 0; tick < 13; ++tick) RunTick();
    EXPECT_EQ(SpriteOf(0).X, TileTopLeft(2, 1).X);
    EXPECT_TRUE(Endings.empty());
    RunTick();
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_EQ(Endings[0].Tick, 14);

    // Windows 10 mode moves twice as far.
    Endings.clear();
    TickCount = 0;
    SetWindows10Mode(true);
    Swap.StartSwap(Request({1, 1}, {2, 1}, 1, 2), false);
    for (int tick = 0; tick < 10; ++tick) RunTick();
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_EQ(Endings[0].Tick, 10);
}

TEST_F(SwapEffectTest, HiddenSwapsFreezeAndClearedOnesNeverEnd) {
    Swap.StartSwap(Request({1, 1}, {2, 1}, 1, 2), true);
    RunTick();
    Swap.Visible = false;
    for (int tick = 0; tick < 20; ++tick) RunTick();
    EXPECT_TRUE(Recorder.Calls.empty());
    EXPECT_TRUE(Endings.empty());
    Swap.Visible = true;
    RunTick();
    EXPECT_EQ(SpriteOf(0).X, TileTopLeft(1, 1).X + 16);

    Swap.Clear();
    for (int tick = 0; tick < 30; ++tick) RunTick();
    EXPECT_TRUE(Endings.empty());
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(SwapEffectTest, FullTableFinishesTheOldestSwapBeforeReusingIt) {
    for (int i = 1; i <= TSwapEffect::Capacity; ++i)
        Swap.StartSwap(Request({1, i % 12 + 1}, {2, i % 12 + 1}, 1, 2), i != 1);
    RunTick();
    // A free entry is taken first: nobody is pushed out while one is free.
    Swap.Clear();
    for (int i = 1; i <= TSwapEffect::Capacity; ++i)
        Swap.StartSwap(Request({1, i % 12 + 1}, {2, i % 12 + 1}, 1, 2), i != 1);
    EXPECT_TRUE(Endings.empty());
    EXPECT_EQ(Swap.RunningCount(), TSwapEffect::Capacity);

    // The 21st swap ends the oldest (a swap without a match) with its own ending, at once.
    Swap.StartSwap(Request({9, 9}, {10, 9}, 4, 5), true);
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_FALSE(Endings[0].Matched);
    EXPECT_EQ(Endings[0].Pos1, (TPoint{1, 2}));
    EXPECT_EQ(Swap.RunningCount(), TSwapEffect::Capacity);

    // Every other swap still ends exactly once, the new one included.
    for (int tick = 0; tick < 20; ++tick) RunTick();
    EXPECT_EQ(Endings.size(), 21u);
    EXPECT_EQ(std::count_if(Endings.begin(), Endings.end(),
                            [](const TEnding& e) { return e.Pos1 == TPoint{9, 9}; }),
              1);
    EXPECT_EQ(Swap.RunningCount(), 0);
}

TEST_F(SwapEffectTest, HandlerMayStartTheNextSwapInsideAnEnding) {
    Swap.OnEffectComplete = [this](TTileObjectKind, TPoint p1, TPoint) {
        Endings.push_back({TickCount, true, okFruit, p1, {}});
        if (p1.X == 1) Swap.StartSwap(Request({7, 7}, {8, 7}, 3, 4), true);
    };
    Swap.StartSwap(Request({1, 1}, {2, 1}, 1, 2), true);
    for (int tick = 0; tick < 20; ++tick) RunTick();
    ASSERT_EQ(Endings.size(), 2u);
    EXPECT_EQ(Endings[1].Pos1, (TPoint{7, 7}));
}

} // namespace
