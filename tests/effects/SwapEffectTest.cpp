#include "EffectTestFixture.h"
#include "effects/SwapEffectClass.h"

#include <algorithm>

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
    int TickNo = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Swap.OnEffectComplete = [this](TTileObjectKind kind, TPoint p1, TPoint p2) {
            Endings.push_back({TickNo, true, kind, p1, p2});
        };
        Swap.OnSwapBackComplete = [this](TTileObjectKind kind, TPoint p1, TPoint p2) {
            Endings.push_back({TickNo, false, kind, p1, p2});
        };
    }
    void RunTicks(int count) {
        for (int i = 0; i < count; ++i) {
            Recorder.Clear();
            ++TickNo;
            Swap.Tick();
        }
    }
    void Start(TPoint first, TPoint second, bool match, TTileObjectKind kind = okFruit) {
        TSwappedObjectsData data;
        data.Object1Pos = first;
        data.Object2Pos = second;
        data.ObjectKind[0] = data.ObjectKind[1] = kind;
        data.ImageIdx[0] = 1; // drawn with pattern 0
        data.ImageIdx[1] = 2; // pattern 1
        Swap.StartSwap(data, match);
    }
    // Where the sprite (not its shadow) of the given pattern was drawn this tick.
    TPoint SpriteAt(int pattern) const {
        for (const TRecordedImageCall& call : Recorder.Calls)
            if (call.PatternIndex == pattern && call.Red == 255) return {call.X, call.Y};
        ADD_FAILURE() << "pattern " << pattern << " not drawn";
        return {};
    }
};

TEST_F(SwapEffectTest, MatchingFruitSwapMovesEightPixelsAndCompletesOnTheSeventhTick) {
    Start({4, 6}, {5, 6}, true);
    const TPoint a = TileTopLeft(4, 6);
    for (int tick = 1; tick <= 7; ++tick) {
        RunTicks(1);
        const int shift = std::min(8 * tick, 52);
        EXPECT_EQ(SpriteAt(0), (TPoint{a.X + shift, a.Y}));
        EXPECT_EQ(SpriteAt(1), (TPoint{a.X + 52 - shift, a.Y}));
        EXPECT_EQ(Endings.size(), tick == 7 ? 1u : 0u);
    }
    // Each object lifted: a black shadow below right, both 1.15 times the size.
    ASSERT_EQ(Recorder.Calls.size(), 4u);
    const TRecordedImageCall& shadow = Recorder.Calls[0];
    EXPECT_EQ((TPoint{shadow.X, shadow.Y}), (TPoint{a.X + 52 + 2, a.Y + 5}));
    EXPECT_EQ(shadow.Red, 0);
    EXPECT_EQ(shadow.Alpha, 80);
    EXPECT_FLOAT_EQ(Recorder.Calls[1].ScaleX, 1.15f);
    EXPECT_FLOAT_EQ(Recorder.Calls[1].CenterX, 0.0f);
    EXPECT_TRUE(Endings[0].Matched);
    EXPECT_EQ(Endings[0].Kind, okFruit);
    EXPECT_EQ(Endings[0].Pos1, (TPoint{4, 6}));
    EXPECT_EQ(Endings[0].Pos2, (TPoint{5, 6}));
    RunTicks(1);
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(SwapEffectTest, SwapWithoutMatchGoesOutAndBackFromEachObjectsOwnTile) {
    // Object 1 is the lower tile: the ending still names the upper tile first.
    Start({3, 5}, {3, 4}, false);
    const TPoint upper = TileTopLeft(3, 4);
    const TPoint lower = TileTopLeft(3, 5);
    RunTicks(1);
    EXPECT_EQ(SpriteAt(0), (TPoint{lower.X, lower.Y - 6})); // object 1 leaves its own tile
    RunTicks(8);
    EXPECT_EQ(SpriteAt(0), upper); // turned back where the first phase left it
    RunTicks(1);
    EXPECT_EQ(SpriteAt(0), (TPoint{upper.X, upper.Y + 6})); // and heads home
    RunTicks(7);
    EXPECT_TRUE(Endings.empty());
    RunTicks(1);
    EXPECT_EQ(SpriteAt(0), lower);
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_EQ(Endings[0].Tick, 18);
    EXPECT_FALSE(Endings[0].Matched);
    EXPECT_EQ(Endings[0].Pos1, (TPoint{3, 4}));
    EXPECT_EQ(Endings[0].Pos2, (TPoint{3, 5}));
}

TEST_F(SwapEffectTest, LockersTakeTheNormalStepAndAStepDividing52ShowsTheEndFirst) {
    Start({1, 1}, {2, 1}, true, okLocker);
    RunTicks(9);
    EXPECT_EQ(Recorder.CallsOf("Locker").size(), 4u); // colours 1 and 2, each with its shadow
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_EQ(Endings[0].Tick, 9);
    EXPECT_EQ(Endings[0].Kind, okLocker);

    Swap.QuickPosShiftStep = 4;
    Start({1, 1}, {2, 1}, true);
    RunTicks(13);
    EXPECT_EQ(SpriteAt(0), TileTopLeft(2, 1));
    EXPECT_EQ(Endings.size(), 1u);
    RunTicks(1);
    EXPECT_EQ(Endings.size(), 2u);
}

TEST_F(SwapEffectTest, UniFruitShowsTheBoardsCurrentElement) {
    TSwappedObjectsData data;
    data.Object1Pos = {1, 1};
    data.Object2Pos = {1, 2};
    data.ObjectKind[0] = data.ObjectKind[1] = okFruit;
    data.ImageIdx[1] = 3; // object 1 is a uni fruit (code 0)
    Swap.UniFruitCode = 5;
    Swap.StartSwap(data, false);
    RunTicks(1);
    const auto bubbles = Recorder.CallsOf("BubbleInside");
    ASSERT_EQ(bubbles.size(), 2u);
    EXPECT_EQ(bubbles[1].PatternIndex, 4);
}

TEST_F(SwapEffectTest, HiddenSwapsFreezeAndClearedOnesNeverEnd) {
    Start({1, 1}, {2, 1}, true);
    RunTicks(1);
    Swap.Visible = false;
    RunTicks(20);
    EXPECT_TRUE(Recorder.Calls.empty());
    EXPECT_TRUE(Endings.empty());
    Swap.Visible = true;
    RunTicks(1);
    EXPECT_EQ(SpriteAt(0).X, TileTopLeft(1, 1).X + 16);

    Swap.Clear();
    RunTicks(30);
    EXPECT_TRUE(Endings.empty());
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(SwapEffectTest, FullTableFinishesTheOldestSwapBeforeReusingIt) {
    const auto fill = [this] {
        for (int i = 1; i <= TSwapEffect::Capacity; ++i)
            Start({1, i % 12 + 1}, {2, i % 12 + 1}, i != 1);
    };
    fill();
    RunTicks(1);
    // Free entries are taken first: nobody is pushed out while one is free.
    Swap.Clear();
    fill();
    EXPECT_TRUE(Endings.empty());

    // The 21st swap ends the oldest (the one without a match) with its own ending, at once.
    Start({9, 9}, {10, 9}, true);
    ASSERT_EQ(Endings.size(), 1u);
    EXPECT_FALSE(Endings[0].Matched);
    EXPECT_EQ(Endings[0].Pos1, (TPoint{1, 2}));
    EXPECT_EQ(Swap.RunningCount(), TSwapEffect::Capacity);

    // Every other swap, the new one included, still ends exactly once.
    RunTicks(20);
    EXPECT_EQ(Endings.size(), 21u);
    EXPECT_EQ(std::count_if(Endings.begin(), Endings.end(),
                            [](const TEnding& e) {
                                return e.Pos1 == TPoint{9, 9};
                            }),
              1);
}

} // namespace
