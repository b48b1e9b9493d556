// The gathering panel: slot layout, counting down, the pulse, and the end of the gathering.
#include "app/ElementGatherClass.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/RecordingImageTarget.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

class Gathering : public ::testing::Test {
protected:
    void SetUp() override { SetMainImageTarget(&recorder); }
    void TearDown() override { SetMainImageTarget(nullptr); }

    // Bananas and strawberries by default; the panel at rest.
    void Prepare(int bananas = 1, int strawberries = 1) {
        gather.TargetBananas = bananas;
        gather.TargetStrawberries = strawberries;
        gather.Prepare();
        gather.OnSlotDone = [this](int x) { slotsDone.push_back(x); };
        gather.OnComplete = [this] { ++completions; };
    }
    std::vector<TRecordedImageCall> Frame(std::string_view picture) {
        recorder.Clear();
        gather.UpdateAndDraw();
        return recorder.CallsOf(picture);
    }

    TRecordingImageTarget recorder;
    TElementGather gather;
    std::vector<int> slotsDone;
    int completions = 0;
};

TEST_F(Gathering, TwoSlotsAreCentredFirstAndLastPieceWithTheirIcons) {
    Prepare(12, 5);
    gather.SlideIn();
    gather.Top = -100; // keep the panel where it starts
    EXPECT_EQ(gather.UsedSlotCount(), 2);
    EXPECT_EQ(gather.PanelLeft(), 563); // 684 - (121 + 121) / 2
    const auto pieces = Frame("ElementPanel");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].X, 563);
    EXPECT_EQ(pieces[0].PatternIndex, 0);
    EXPECT_EQ(pieces[1].X, 684);
    EXPECT_EQ(pieces[1].PatternIndex, 2);
    EXPECT_EQ(pieces[1].Y, -100);
    const auto icons = recorder.CallsOf("ElementGather");
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].PatternIndex, ieFruit1);
    EXPECT_EQ(icons[0].X, 563 + 30);
    EXPECT_EQ(icons[1].PatternIndex, ieFruit2);
    EXPECT_EQ(icons[1].X, 684 - 3 + 30); // a last piece's slot starts 3 px to its left
    EXPECT_EQ(icons[1].Y, -100 + 19);
    // Counters under the icons: "12" and "5", centred on the counter point.
    const auto digits = recorder.CallsOf("ElementGatherNumber");
    ASSERT_EQ(digits.size(), 3u);
    EXPECT_EQ(digits[0].PatternIndex, 1);
    EXPECT_EQ(digits[1].PatternIndex, 2);
    EXPECT_EQ(digits[2].PatternIndex, 5);
    EXPECT_EQ(gather.SlotPoint(ieFruit1), (TPoint{563 + 43, -100 + 62}));
    EXPECT_EQ(gather.SlotPoint(ieFruit2), (TPoint{681 + 43, -100 + 62}));
    EXPECT_EQ(digits[2].X, 681 + 43 - 52 / 2); // one digit, 52 wide in the recorder
}

TEST_F(Gathering, ASingleTargetUsesTheSinglePieceAndSitsItsIconFurtherRight) {
    Prepare(0, 3);
    const auto pieces = Frame("ElementPanel");
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].PatternIndex, 3);
    EXPECT_EQ(pieces[0].X, 684 - 121 / 2);
    const auto icons = recorder.CallsOf("ElementGather");
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].X, pieces[0].X + 39);
}

TEST_F(Gathering, UnknownAndUnusedKindsHaveNoSlotPoint) {
    Prepare();
    EXPECT_EQ(gather.SlotPoint(-1), (TPoint{320, 30}));
    EXPECT_EQ(gather.SlotPoint(17), (TPoint{320, 30}));
    EXPECT_EQ(gather.SlotPoint(ieFruit5), (TPoint{320, 30}));
    EXPECT_FALSE(gather.StillNeeded(ieFruit5));
    EXPECT_FALSE(gather.StillNeeded(40));
}

TEST_F(Gathering, CountingDownEndsEachSlotOnceAndTheGatheringOnce) {
    Prepare(2, 1);
    gather.Count(elFruit, 1);
    EXPECT_EQ(gather.Remaining(ieFruit1), 1);
    EXPECT_TRUE(slotsDone.empty());
    gather.Count(elFruit, 2);
    ASSERT_EQ(slotsDone.size(), 1u);
    EXPECT_EQ(slotsDone[0], gather.SlotPoint(ieFruit2).X);
    EXPECT_EQ(completions, 0);
    gather.Count(elFruit, 1);
    EXPECT_EQ(slotsDone.size(), 2u);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(gather.Completed());
    // More arrivals after the end, or of kinds without a slot, change nothing.
    gather.Count(elFruit, 1);
    gather.Count(elFruit, 9);
    gather.Count(elFlower, 1);
    gather.Count(elSpider, 1);
    EXPECT_EQ(slotsDone.size(), 2u);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(gather.Remaining(ieFruit1), 0);
    // A new round starts over.
    gather.Prepare();
    EXPECT_FALSE(gather.Completed());
    EXPECT_EQ(gather.Remaining(ieFruit1), 2);
}

TEST_F(Gathering, AnArrivalPulsesTheIconUpHoldsItAndShrinksItBack) {
    Prepare(5, 0);
    gather.Count(elFruit, 1);
    std::vector<float> sizes;
    for (int tick = 0; tick < 40; ++tick) {
        const auto pulsing = Frame("PulsingElements");
        if (pulsing.empty()) break;
        sizes.push_back(pulsing[0].ScaleX / 0.9f * gather.OrigPulsingFruitHeight);
    }
    // 30 -> 42 -> 54 -> 65 (clamped), held 450 ms (15 ticks), then down by 7 to 52.
    ASSERT_GE(sizes.size(), 3u);
    EXPECT_NEAR(sizes[0], 42, 0.01);
    EXPECT_NEAR(sizes[1], 54, 0.01);
    EXPECT_NEAR(sizes[2], 65, 0.01);
    const int held = static_cast<int>(
        std::count_if(sizes.begin(), sizes.end(), [](float s) { return s > 64.99f; }));
    EXPECT_EQ(held, 1 + 450 / GameTickMs);
    EXPECT_NEAR(sizes.back(), 52, 0.01);
    // Then the still icon is back; the counter has counted down to 4.
    EXPECT_EQ(recorder.CallsOf("ElementGather").size(), 1u);
    EXPECT_EQ(recorder.CallsOf("ElementGatherNumber").back().PatternIndex, 4);
}

TEST_F(Gathering, AFinishedSlotDimsItsIconAndHidesItsCounter) {
    Prepare(1, 1);
    gather.Count(elFruit, 1);
    for (int tick = 0; tick < 40; ++tick) Frame("ElementGather");
    const auto icons = Frame("ElementGather");
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].Alpha, 125);
    EXPECT_EQ(icons[1].Alpha, 255);
    EXPECT_EQ(recorder.CallsOf("ElementGatherNumber").size(), 1u);
}

} // namespace
