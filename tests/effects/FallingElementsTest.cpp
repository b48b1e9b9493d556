#include "EffectTestFixture.h"
#include "effects/FallingElementsClass.h"

#include <map>
#include <set>

namespace {

using TFrames = std::vector<std::vector<TRecordedImageCall>>;

class FallingElementsTest : public EffectTest {
protected:
    TFallingElements Falling;
    std::vector<std::pair<int, int>> GroundHits;
    std::vector<TPoint> Dust;
    size_t LandingFrame = 0;
    TFrames Frames;

    void SetUp() override {
        EffectTest::SetUp();
        Falling.OnGroundHit = [this](int code, int column) {
            GroundHits.push_back({code, column});
            LandingFrame = Frames.size();
        };
        Falling.OnDustEffectRequest = [this](int x, int y) { Dust.push_back({x, y}); };
    }
    // Starts one element and ticks until it has gone, keeping the sprites of every tick.
    void RunOne(uint8_t code, TPoint tile, uint8_t mode = 0) {
        Frames.clear();
        Dust.clear();
        Falling.StartFalling(BoardOf(code), MaskOf({tile}), mode);
        while (Frames.size() < 200 && Falling.RunningCount() > 0) {
            Recorder.Clear();
            Falling.Tick();
            Frames.push_back(Recorder.Calls);
        }
        EXPECT_EQ(Falling.RunningCount(), 0);
    }
    TPoint DrawnAt(size_t frame) const { return {Frames[frame][0].X + 3, Frames[frame][0].Y + 3}; }
};

TEST_F(FallingElementsTest, HopsUpFallsToTheGroundAndBouncesAlongAPath) {
    RunOne(6, {3, 1});
    ASSERT_EQ(GroundHits, (std::vector<std::pair<int, int>>{{6, 3}}));
    EXPECT_LT(DrawnAt(0).Y, TileTopLeft(3, 1).Y); // the hop
    EXPECT_LT(DrawnAt(LandingFrame - 1).Y, 705);
    EXPECT_GE(DrawnAt(LandingFrame).Y, 705);
    EXPECT_NEAR(Frames[LandingFrame][0].ScaleX, 1 + 0.012 * (LandingFrame + 1), 1e-4);
    EXPECT_EQ(Frames[LandingFrame][0].Angle, 0); // no spin while falling
    EXPECT_EQ(Frames[LandingFrame][0].PatternIndex, 5);
    // Every bouncing tick asks for dust where it draws; its first step is the landing point.
    ASSERT_EQ(Dust.size(), Frames.size() - LandingFrame - 2);
    EXPECT_EQ(Dust[0], DrawnAt(LandingFrame));
    EXPECT_EQ(Dust[1], DrawnAt(LandingFrame + 2));
    EXPECT_TRUE(Frames.back().empty());  // the path's end shows nothing
    EXPECT_EQ(Sounds.Played.size(), 2u); // landing and the tenth bounce step
}

TEST_F(FallingElementsTest, BouncePathsAreScaledAndEndAtTheirMarkers) {
    std::set<size_t> lengths;
    for (int run = 0; run < 60; ++run) {
        RunOne(7, {run % 16 + 1, 12});
        lengths.insert(Dust.size());
        const TPoint travel{Dust.back().X - Dust[0].X, Dust.back().Y - Dust[0].Y};
        if (Dust.size() == 25) {
            EXPECT_EQ(travel, (TPoint{337, 74})); // variant 3
        }
        if (Dust.size() == 20) {
            EXPECT_EQ(travel, (TPoint{-159, 83})); // variant 5
        }
    }
    EXPECT_EQ(lengths, (std::set<size_t>{20, 21, 22, 25}));
}

TEST_F(FallingElementsTest, BossIsAskedUntilHitAndSwallowedElementsFadeInFourTicks) {
    int asks = 0;
    Falling.OnMonsterHitCheck = [&](TPoint, bool& hitting, bool& absorbing) {
        hitting = ++asks == 3;
        absorbing = false;
    };
    RunOne(5, {1, 1});
    EXPECT_EQ(asks, 3);
    EXPECT_EQ(Frames[LandingFrame][0].Alpha, 255);

    GroundHits.clear();
    Falling.OnMonsterHitCheck = [](TPoint, bool& hitting, bool& absorbing) {
        hitting = absorbing = true;
    };
    RunOne(5, {1, 1});
    ASSERT_EQ(Frames.size(), 4u);
    EXPECT_EQ(Frames[0][0].Alpha, 190);
    EXPECT_EQ(Frames[2][0].Alpha, 60);
    EXPECT_TRUE(Frames[3].empty());
    EXPECT_TRUE(GroundHits.empty());
}

TEST_F(FallingElementsTest, LightElementsDriftOffScreenAndSpecialsShowNothing) {
    for (uint8_t code : {1, 2, 10, 12}) {
        RunOne(code, {8, 11});
        for (size_t i = 1; i + 1 < Frames.size(); ++i) {
            const int dx = DrawnAt(i).X - DrawnAt(i - 1).X;
            const int dy = DrawnAt(i).Y - DrawnAt(i - 1).Y;
            EXPECT_TRUE(dx >= 3 && dx <= 7 && dy >= 5 && dy <= 8) << dx << "," << dy;
            EXPECT_NE(Frames[i][0].Angle, Frames[i - 1][0].Angle);
        }
        EXPECT_LT(DrawnAt(Frames.size() - 2).Y, 768);
        EXPECT_TRUE(Frames.back().empty());
    }
    EXPECT_TRUE(GroundHits.empty());
    EXPECT_TRUE(Dust.empty());

    for (uint8_t code : {0, 17, 18, 101, 102, 103, 104})
        Falling.StartFalling(BoardOf(code), MaskOf({{2, 2}}), 0);
    TBoardData bomb = BoardOf(4);
    bomb(2, 2).FruitBomb = 1;
    Falling.StartFalling(bomb, MaskOf({{2, 2}}), 0);
    EXPECT_EQ(Falling.RunningCount(), 0);
}

TEST_F(FallingElementsTest, BlastThrowsFarSideways) {
    for (int run = 0; run < 20; ++run) {
        RunOne(4, {8, 1}, 1);
        EXPECT_GE(std::abs(DrawnAt(0).X - TileTopLeft(8, 1).X), 12);
    }
}

TEST_F(FallingElementsTest, FiftyFirstElementReplacesTheOldest) {
    TBoardData board = BoardOf(4);
    board(1, 1).ElementCode = 3;
    TSimpleObjectArray mask{};
    for (int i = 0; i < TFallingElements::Capacity; ++i) mask(i / 12 + 1, i % 12 + 1) = 1;
    Falling.StartFalling(board, mask, 0);
    Falling.StartFalling(BoardOf(5), MaskOf({{9, 9}}), 0);
    EXPECT_EQ(Falling.RunningCount(), TFallingElements::Capacity);
    Falling.Tick();
    std::map<int, int> drawn;
    for (const TRecordedImageCall& call : Recorder.Calls) ++drawn[call.PatternIndex];
    EXPECT_EQ(drawn, (std::map<int, int>{{3, 49}, {4, 1}}));
}

} // namespace
