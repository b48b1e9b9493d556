#include "effects/FallingElementsClass.h"

#include <set>

#include "EffectTestFixture.h"

namespace {

class FallingElementsTest : public EffectTest {
protected:
    TFallingElements Falling;
    std::vector<std::pair<int, int>> GroundHits;
    std::vector<TPoint> Dust;
    size_t TickNo = 0;
    size_t LandingTick = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Falling.OnGroundHit = [this](int code, int column) {
            GroundHits.push_back({code, column});
            LandingTick = TickNo;
        };
        Falling.OnDustEffectRequest = [this](int x, int y) { Dust.push_back({x, y}); };
    }
    void StartOne(uint8_t code, TPoint tile, uint8_t mode = 0) {
        Falling.StartFalling(BoardOf(code), MaskOf({tile}), mode);
    }
    // Ticks until the element has gone; the sprites drawn on each tick.
    std::vector<std::vector<TRecordedImageCall>> RunToEnd() {
        std::vector<std::vector<TRecordedImageCall>> frames;
        TickNo = 0;
        for (int tick = 0; tick < 200 && Falling.RunningCount() > 0; ++tick) {
            Recorder.Clear();
            ++TickNo;
            Falling.Tick();
            frames.push_back(Recorder.Calls);
        }
        EXPECT_EQ(Falling.RunningCount(), 0);
        return frames;
    }
};

TEST_F(FallingElementsTest, HopsUpFallsToTheGroundAndBouncesAlongAPath) {
    StartOne(6, {3, 1});
    const auto frames = RunToEnd();
    ASSERT_EQ(GroundHits, (std::vector<std::pair<int, int>>{{6, 3}}));
    // Rising first, then falling until the landing tick, growing all the way.
    const int startY = TileTopLeft(3, 1).Y - 3;
    EXPECT_LT(frames[0][0].Y, startY);
    const size_t landing = LandingTick - 1;
    for (size_t i = 1; i <= landing; ++i)
        if (frames[i - 1][0].Y >= frames[i][0].Y) EXPECT_LT(frames[i][0].Y, startY);
    EXPECT_GE(frames[landing][0].Y + 3, 705);
    EXPECT_LT(frames[landing - 1][0].Y + 3, 705);
    EXPECT_NEAR(frames[landing][0].ScaleX, 1 + 0.012 * (landing + 1), 1e-4);
    EXPECT_EQ(frames[landing][0].Angle, 0);
    EXPECT_EQ(frames[landing][0].PatternIndex, 5);
    // Every bouncing tick asks for dust where it draws; the first bounce step is the landing point.
    ASSERT_EQ(Dust.size(), frames.size() - landing - 2);
    EXPECT_EQ(Dust[0].X, frames[landing][0].X + 3);
    EXPECT_EQ(Dust[0].Y, frames[landing][0].Y + 3);
    EXPECT_EQ(frames[landing + 1][0].X, Dust[0].X - 3);
    EXPECT_TRUE(frames.back().empty()); // the path's end shows nothing
    EXPECT_EQ(Sounds.Played.size(), 2u);  // landing and the tenth bounce step
}

TEST_F(FallingElementsTest, BouncePathsAreScaledAndEndAtTheirMarkers) {
    std::set<size_t> lengths;
    for (int run = 0; run < 60; ++run) {
        Dust.clear();
        StartOne(7, {run % 16 + 1, 12});
        RunToEnd();
        lengths.insert(Dust.size());
        const TPoint travel{Dust.back().X - Dust[0].X, Dust.back().Y - Dust[0].Y};
        if (Dust.size() == 25) EXPECT_EQ(travel, (TPoint{337, 74})); // variant 3
        if (Dust.size() == 20) EXPECT_EQ(travel, (TPoint{-159, 83})); // variant 5
    }
    EXPECT_EQ(lengths, (std::set<size_t>{20, 21, 22, 25}));
}

TEST_F(FallingElementsTest, BossIsAskedUntilHitAndSwallowedElementsFadeInFourTicks) {
    int asks = 0;
    Falling.OnMonsterHitCheck = [&](TPoint, bool& hitting, bool& absorbing) {
        ++asks;
        hitting = asks == 3;
        absorbing = false;
    };
    StartOne(5, {1, 1});
    for (const auto& frame : RunToEnd())
        for (const TRecordedImageCall& call : frame) EXPECT_EQ(call.Alpha, 255);
    EXPECT_EQ(asks, 3);
    EXPECT_EQ(GroundHits.size(), 1u);

    Falling.OnMonsterHitCheck = [&](TPoint, bool& hitting, bool& absorbing) {
        hitting = absorbing = true;
    };
    GroundHits.clear();
    StartOne(5, {1, 1});
    const auto frames = RunToEnd();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0][0].Alpha, 190);
    EXPECT_EQ(frames[1][0].Alpha, 125);
    EXPECT_EQ(frames[2][0].Alpha, 60);
    EXPECT_TRUE(frames[3].empty());
    EXPECT_TRUE(GroundHits.empty());
}

TEST_F(FallingElementsTest, LightElementsDriftOffScreenAndSpecialsShowNothing) {
    for (uint8_t code : {1, 2, 10, 12}) {
        StartOne(code, {8, 11});
        const auto frames = RunToEnd();
        for (size_t i = 1; i + 1 < frames.size(); ++i) {
            const int dx = frames[i][0].X - frames[i - 1][0].X;
            const int dy = frames[i][0].Y - frames[i - 1][0].Y;
            EXPECT_TRUE(dx >= 3 && dx <= 7 && dy >= 5 && dy <= 8) << dx << "," << dy;
            EXPECT_NE(frames[i][0].Angle, frames[i - 1][0].Angle);
        }
        EXPECT_LT(frames[frames.size() - 2][0].Y + 3, 768);
        EXPECT_TRUE(frames.back().empty());
    }
    EXPECT_TRUE(GroundHits.empty());
    EXPECT_TRUE(Dust.empty());

    for (uint8_t code : {0, 17, 18, 101, 102, 103, 104}) StartOne(code, {2, 2});
    TBoardData bomb = BoardOf(4);
    bomb(2, 2).FruitBomb = 1;
    Falling.StartFalling(bomb, MaskOf({{2, 2}}), 0);
    EXPECT_EQ(Falling.RunningCount(), 0);
}

TEST_F(FallingElementsTest, BlastThrowsFarSideways) {
    for (int run = 0; run < 20; ++run) {
        StartOne(4, {8, 1}, 1);
        Recorder.Clear();
        Falling.Tick();
        EXPECT_GE(std::abs(Recorder.Calls[0].X + 3 - TileTopLeft(8, 1).X), 12);
        Falling.Clear();
    }
}

TEST_F(FallingElementsTest, FiftyFirstElementReplacesTheOldest) {
    TBoardData board = BoardOf(4);
    board(1, 1).ElementCode = 3;
    TSimpleObjectArray mask{};
    for (int i = 0; i < TFallingElements::Capacity; ++i) mask(i / 12 + 1, i % 12 + 1) = 1;
    Falling.StartFalling(board, mask, 0);
    StartOne(5, {9, 9});
    EXPECT_EQ(Falling.RunningCount(), TFallingElements::Capacity);
    Falling.Tick();
    std::map<int, int> drawn;
    for (const TRecordedImageCall& call : Recorder.Calls) ++drawn[call.PatternIndex];
    EXPECT_EQ(drawn, (std::map<int, int>{{3, 49}, {4, 1}}));
}

} // namespace
