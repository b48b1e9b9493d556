// Combo labels and the small board effects, frame by frame: positions, patterns, alphas and the
// tick each one ends on.
#include "EffectTestFixture.h"
#include "effects/ChainLockEffectClass.h"
#include "effects/CombosClass.h"
#include "effects/EffectPattern.h"
#include "effects/MatchedCyanEffectClass.h"
#include "effects/StarsEffectClass.h"
#include "effects/UniBubbleEffectClass.h"
#include "effects/WebEffectClass.h"

namespace {

// ---- combos ----

class CombosTest : public EffectTest {
protected:
    TCombos Combos;
    std::vector<std::tuple<int, TPoint, int>> Done; // size, position, tick
    int Tick = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Combos.OnAComboDoneShowing = [this](uint8_t count, TPoint pos) {
            Done.push_back({count, pos, Tick});
        };
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++Tick;
            Combos.Tick();
        }
    }
    // A row of `count` cells of `code` starting at (x, y).
    static TSimpleObjectArray Row(TBoardData& board, int x, int y, int count, uint8_t code) {
        TSimpleObjectArray mask{};
        for (int i = 0; i < count; ++i) {
            board(x + i, y).ElementCode = code;
            mask(x + i, y) = 1;
        }
        return mask;
    }
};

TEST_F(CombosTest, SizesFourToSevenShowTheirLabelOverTheCellsAndFinishAfterTheShowingTime) {
    const char* sounds[] = {"MatchX", "MatchX", "Combo", "Combo"};
    for (int count = 4; count <= 7; ++count) {
        TBoardData board = BoardOf(9);
        Combos.CheckCombo(board, Row(board, 2, count, count, 3));
        EXPECT_EQ(Sounds.Played.back(), sounds[count - 4]);
    }
    EXPECT_EQ(Combos.ActiveCount(), 4);
    Recorder.Clear();
    Run(1);
    const auto labels = Recorder.CallsOf("ComboText");
    ASSERT_EQ(labels.size(), 4u);
    // The five cells of row 5 from column 2: centre x is column 2's centre plus two cells.
    const TPoint corner = TileTopLeft(2, 5);
    EXPECT_EQ(labels[1].X, corner.X + 26 + 104 - 63);
    EXPECT_EQ(labels[1].Y, corner.Y + 26 - 57);
    EXPECT_EQ(labels[1].PatternIndex, 1);
    EXPECT_EQ(labels[1].Alpha, 25);
    EXPECT_NEAR(labels[1].ScaleX, 1.1, 0.01) << "the pop grows first";
    // 850 ms: the 29th tick; drawn on it too.
    Run(27);
    EXPECT_TRUE(Done.empty());
    Recorder.Clear();
    Run(1);
    ASSERT_EQ(Done.size(), 4u);
    EXPECT_EQ(std::get<2>(Done[0]), 29);
    EXPECT_EQ(std::get<1>(Done[1]), (TPoint{labels[1].X, labels[1].Y}))
        << "the label's top-left, not the cells' centre";
    EXPECT_EQ(Recorder.CallsOf("ComboText").size(), 4u);
    EXPECT_EQ(Combos.ActiveCount(), 0);
}

TEST_F(CombosTest, ThreeOrEightShowNothingAndTheLargestSameCodeCountDecides) {
    TBoardData board = BoardOf(9);
    Combos.CheckCombo(board, Row(board, 1, 1, 3, 2));
    Combos.CheckCombo(board, Row(board, 1, 2, 8, 2));
    EXPECT_TRUE(Sounds.Played.empty());
    EXPECT_EQ(Combos.ActiveCount(), 0);
    // Five of code 2 and four of code 5 count as five.
    TSimpleObjectArray mask = Row(board, 1, 3, 5, 2);
    const TSimpleObjectArray four = Row(board, 1, 4, 4, 5);
    ForEachMaskedCell(four, [&](TPoint cell) { mask(cell) = 1; });
    Combos.CheckCombo(board, mask);
    Recorder.Clear();
    Run(1);
    EXPECT_EQ(Recorder.CallsOf("ComboText")[0].PatternIndex, 1);
}

TEST_F(CombosTest, AnEleventhLabelIsNotShownButItsSoundPlays) {
    TBoardData board = BoardOf(9);
    const TSimpleObjectArray mask = Row(board, 1, 1, 4, 6);
    for (int i = 0; i < 11; ++i) Combos.CheckCombo(board, mask);
    EXPECT_EQ(Combos.ActiveCount(), 10);
    EXPECT_EQ(Sounds.Played.size(), 11u);
}

// ---- matched cyan ----

TEST_F(EffectTest, CyanParticlesAreSprayedTwentyACellAndTheRingSkipsSlotsInUse) {
    TMatchedCyanEffect cyan;
    cyan.Spray(MaskOf({{3, 3}}));
    EXPECT_EQ(cyan.InUse(), 20);
    const TMatchedCyanEffect::TParticle& first = cyan.Particle(0);
    const TPoint corner = TileTopLeft(3, 3);
    EXPECT_GE(first.X, corner.X + 17);
    EXPECT_LE(first.X, corner.X + 17 + 8);
    EXPECT_DOUBLE_EQ(first.Alpha, 220);
    // Sixteen cells ask for 320: the ring wraps and the 20 births into used slots are skipped.
    TSimpleObjectArray sixteen{};
    for (int x = 1; x <= 16; ++x) sixteen(x, 1) = 1;
    cyan.Spray(sixteen);
    EXPECT_EQ(cyan.InUse(), 300);

    // A particle lives until its size is below 8 or its alpha is 10 or less; drawn additively
    // each tick, on its last too.
    cyan.Clear();
    cyan.Spray(MaskOf({{1, 1}}));
    Recorder.Clear();
    cyan.Tick();
    const auto drawn = Recorder.CallsOf("CyanParticle");
    ASSERT_EQ(drawn.size(), 20u);
    EXPECT_EQ(drawn[0].BlendMode, BlendAdditiveAlpha);
    int ticks = 1;
    while (cyan.InUse() > 0 && ticks < 300) {
        cyan.Tick();
        ++ticks;
    }
    // The longest life: size 41 shrinking by 0.3 is below 8 on its 111th tick.
    EXPECT_LE(ticks, 111);
    EXPECT_GT(ticks, 10);
}

TEST_F(EffectTest, AParticleOfSize21ShrinkingBy18IsFreedOnItsEighthTick) {
    TMatchedCyanEffect cyan;
    TSimpleObjectArray many{};
    for (int x = 1; x <= 15; ++x) many(x, 1) = 1;
    cyan.Spray(many);
    int index = -1;
    for (int i = 0; i < TMatchedCyanEffect::Capacity && index < 0; ++i)
        if (cyan.Particle(i).Size == 21 && cyan.Particle(i).SizeDec == 0.3 * 6) index = i;
    ASSERT_GE(index, 0) << "300 births hold one";
    for (int tick = 1; tick <= 7; ++tick) {
        cyan.Tick();
        EXPECT_TRUE(cyan.Particle(index).InUse) << tick;
    }
    cyan.Tick();
    EXPECT_FALSE(cyan.Particle(index).InUse);
}

// ---- stars ----

TEST_F(EffectTest, StarsSinkFadeNoLowerThanSixtyAndVanishWhenTheirLifeEnds) {
    TStarsEffect stars;
    stars.StarsAt({2, 2});
    EXPECT_EQ(stars.ActiveCount(), 4);
    const TPoint corner = TileTopLeft(2, 2);
    for (int i = 0; i < 4; ++i) {
        const TStarsEffect::TStar& star = stars.Star(0, i);
        EXPECT_EQ((star.X - corner.X) % 8, 0);
        EXPECT_GE(star.Y, corner.Y + 6);
        EXPECT_GE(star.LifeLimitMs, 200);
    }
    int ticks = 0;
    int lowest = 255;
    while (stars.ActiveCount() > 0 && ticks < 100) {
        Recorder.Clear();
        stars.Tick();
        ++ticks;
        for (const auto& call : Recorder.CallsOf("LittleStars"))
            lowest = std::min<int>(lowest, call.Alpha);
    }
    EXPECT_EQ(lowest, TStarsEffect::LowestAlpha);
    EXPECT_LE(ticks, (200 + 150 * 7 + 29) / 30);

    TBoardData board = BoardOf(1);
    board(4, 4).ElementCode = ecFoundFlower;
    board(5, 5).ElementCode = ecFoundFlower;
    board(5, 5).ObjectKind = okLocker;
    stars.StarsOnFoundFlowers(board);
    EXPECT_EQ(stars.ActiveCount(), 4);
}

// ---- web, chain, bubble ----

TEST_F(EffectTest, AWebTearsInTwelveStepsGrowingAndATwentyFirstTearReusesTheFirstSlot) {
    TWebEffect web;
    web.TearAt({3, 4});
    std::vector<int> patterns;
    for (int tick = 0; tick < 14; ++tick) {
        Recorder.Clear();
        web.Tick();
        for (const auto& call : Recorder.CallsOf("Web")) patterns.push_back(call.PatternIndex);
    }
    EXPECT_EQ(patterns, (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
    EXPECT_EQ(web.Slot(0).Pos, (TPoint{TileTopLeft(3, 4).X - 1, TileTopLeft(3, 4).Y - 2}));
    EXPECT_FLOAT_EQ(web.Slot(0).Size, 45 + 12 * 0.8f);
    for (int i = 0; i < 19; ++i) web.TearAt({1, 1});
    web.TearAt({9, 9});
    EXPECT_EQ(web.Slot(0).Pos.X, TileTopLeft(9, 9).X - 1);
    EXPECT_EQ(web.Slot(0).Step, 0);
}

TEST_F(EffectTest, ChainsBreakInTheirOwnRowOfPicturesWithTheirSound) {
    TChainLockEffect chain;
    chain.BreakAt({2, 2}, 1);
    chain.BreakAt({3, 3}, 2);
    EXPECT_EQ(Sounds.Played, (std::vector<std::string>{"ChainLock", "ChainLock"}));
    std::vector<int> first, second;
    for (int tick = 0; tick < 10; ++tick) {
        Recorder.Clear();
        chain.Tick();
        const auto calls = Recorder.CallsOf("ChainLock");
        ASSERT_EQ(calls.size(), 2u);
        first.push_back(calls[0].PatternIndex);
        second.push_back(calls[1].PatternIndex);
        EXPECT_EQ(calls[0].X, TileTopLeft(2, 2).X - 2);
    }
    EXPECT_EQ(first, (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
    EXPECT_EQ(second, (std::vector<int>{5, 5, 6, 6, 7, 7, 8, 8, 9, 9}));
    EXPECT_EQ(chain.ActiveCount(), 0);
}

TEST_F(EffectTest, ABubbleBurstsThroughItsSevenPicturesAndItsLastFrameIsBlank) {
    TUniBubbleEffect bubble;
    bubble.BurstAt({4, 2});
    std::vector<int> patterns;
    int ticks = 0;
    while (bubble.Active() && ticks < 40) {
        Recorder.Clear();
        bubble.Tick();
        ++ticks;
        const auto calls = Recorder.CallsOf("BurstingBubble");
        patterns.push_back(calls.empty() ? -1 : calls[0].PatternIndex);
        if (!calls.empty()) {
            EXPECT_EQ(calls[0].X, TileTopLeft(4, 2).X + 3);
        }
    }
    EXPECT_EQ(ticks, 21);
    EXPECT_EQ(patterns.front(), 0);
    EXPECT_EQ(patterns[19], 6);
    EXPECT_EQ(patterns.back(), -1);
}

} // namespace
