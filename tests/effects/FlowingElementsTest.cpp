#include "EffectTestFixture.h"
#include "effects/FlowingElementsClass.h"

namespace {

struct TArrival {
    int Tick;
    TElementKind Kind;
    uint8_t Idx;
};

class FlowingElementsTest : public EffectTest {
protected:
    TFlowingElements Flowing;
    std::vector<TArrival> Arrivals;
    std::vector<TIndividualElementKind> SlotRequests;
    std::vector<TPoint> Dust;
    int TickNo = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Flowing.OnOneFruitArrived = [this](TElementKind kind, uint8_t idx) {
            Arrivals.push_back({TickNo, kind, idx});
        };
        Flowing.OnDustEffectRequest = [this](int x, int y) { Dust.push_back({x, y}); };
    }
    void AnswerSlot(TPoint slot) {
        Flowing.OnSlotPosRequest = [this, slot](TIndividualElementKind kind, TPoint& pos) {
            SlotRequests.push_back(kind);
            pos = slot;
        };
    }
    std::vector<std::vector<TRecordedImageCall>> RunToEnd() {
        std::vector<std::vector<TRecordedImageCall>> frames;
        for (TickNo = 1; TickNo <= 600 && Flowing.RunningCount() > 0; ++TickNo) {
            Recorder.Clear();
            Flowing.Tick();
            frames.push_back(Recorder.Calls);
        }
        EXPECT_EQ(Flowing.RunningCount(), 0);
        return frames;
    }
};

TEST_F(FlowingElementsTest, FruitWaitsOneTickThenSwaysUpToItsSlotAndArrivesOnce) {
    AnswerSlot({600, 20});
    Flowing.StartFlowing(BoardOf(4), MaskOf({{2, 11}}));
    ASSERT_EQ(SlotRequests, std::vector<TIndividualElementKind>{ieFruit4});
    const auto frames = RunToEnd();
    const TPoint start = TileTopLeft(2, 11);
    // The waiting tick shows the fruit where it was, without dust.
    EXPECT_EQ(frames[0][0].X, start.X + 2); // sway offset 1.5 rounds to 2
    EXPECT_EQ(frames[0][0].Y, start.Y);
    EXPECT_EQ(Dust.size(), frames.size() - 1);
    EXPECT_EQ(frames[0][0].PatternIndex, 3);
    EXPECT_EQ(frames[0][0].Name, "FlowingElements");
    // Heading up all the way, accelerating, the sprite drawn where the dust is asked for.
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_LT(frames[i][0].Y, frames[i - 1][0].Y);
        EXPECT_EQ(Dust[i - 1], (TPoint{frames[i][0].X, frames[i][0].Y}));
        EXPECT_NE(frames[i][0].Angle, frames[i - 1][0].Angle);
    }
    ASSERT_EQ(Arrivals.size(), 1u);
    EXPECT_EQ(Arrivals[0].Tick, static_cast<int>(frames.size()));
    EXPECT_EQ(Arrivals[0].Kind, elFruit);
    EXPECT_EQ(Arrivals[0].Idx, 4);
    // The aim allows for the sway, so the drawn sprite lands on the slot.
    EXPECT_NEAR(frames.back()[0].X, 600, 1);
    EXPECT_EQ(frames.back()[0].Y, 20);
}

TEST_F(FlowingElementsTest, CodesFlyAsTheirKindAndUnansweredSlotsMeanTheTopLeft) {
    Flowing.StartFlowing(BoardOf(14), MaskOf({{16, 1}}));
    const auto frames = RunToEnd();
    EXPECT_EQ(frames[0][0].PatternIndex, 9);
    EXPECT_EQ(Arrivals.back().Kind, elFlower);
    EXPECT_EQ(Arrivals.back().Idx, 2);
    EXPECT_NEAR(frames.back()[0].X, 395, 1);
    EXPECT_EQ(frames.back()[0].Y, 0);

    AnswerSlot({500, 10});
    Flowing.StartGoldTile({3, 3}, 2);
    Flowing.TileKind = tkUpgraded;
    Flowing.StartGoldTile({4, 3}, 1);
    Flowing.StartGoldTile({5, 3}, 0); // no such frame: nothing flies
    Flowing.StartSpider(700, 650);
    EXPECT_EQ(SlotRequests,
              (std::vector<TIndividualElementKind>{ieGoldTile1, ieGoldTile2, ieSpider}));
    Recorder.Clear();
    Flowing.Tick();
    std::vector<int> patterns;
    for (const TRecordedImageCall& call : Recorder.Calls) patterns.push_back(call.PatternIndex);
    EXPECT_EQ(patterns, (std::vector<int>{14, 15, 12}));
    EXPECT_EQ(Recorder.Calls[2].Y, 650); // the spider starts where it was shot

    // Potions, uni fruits and the four extra elements never fly.
    TBoardData board = BoardOf(17);
    board(1, 2).ElementCode = 0;
    board(1, 3).ElementCode = 9;
    Flowing.Clear();
    Flowing.StartFlowing(board, MaskOf({{1, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(Flowing.RunningCount(), 0);
}

TEST_F(FlowingElementsTest, TargetBelowTheStartEndsOnTheFirstFlyingTick) {
    AnswerSlot({100, 760});
    Flowing.StartFlowing(BoardOf(1), MaskOf({{1, 1}}));
    Flowing.Tick();
    EXPECT_TRUE(Arrivals.empty());
    Flowing.Tick();
    EXPECT_EQ(Arrivals.size(), 1u);
}

TEST_F(FlowingElementsTest, HundredAndFirstFlightCountsTheOldestAtOnce) {
    TSimpleObjectArray mask{};
    for (int i = 0; i < TFlowingElements::Capacity; ++i) mask(i / 12 + 1, i % 12 + 1) = 1;
    TBoardData board = BoardOf(2);
    board(1, 1).ElementCode = 7;
    Flowing.StartFlowing(board, mask);
    Flowing.Tick();
    EXPECT_TRUE(Arrivals.empty());
    Flowing.StartSpider(10, 700);
    ASSERT_EQ(Arrivals.size(), 1u);
    EXPECT_EQ(Arrivals[0].Idx, 7);
    RunToEnd();
    EXPECT_EQ(Arrivals.size(), 101u);

    Flowing.StartFlowing(board, mask);
    Flowing.Clear();
    RunToEnd();
    EXPECT_EQ(Arrivals.size(), 101u);
}

} // namespace
