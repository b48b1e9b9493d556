// A bought work's celebration: the burst from its sticker, the particles' end, the fixed pool,
// the island's fireworks with their end and reset, and dice of its own.
#include "effects/Celebration.h"

#include "EffectTestFixture.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr TPoint Sticker{400, 300};
// Longer than any particle of a burst lives.
constexpr int BurstOverTicks = 100;
// Long enough for the last rocket to rise, burst and fade.
constexpr int LastRocketOverTicks = 200;
constexpr int FireworksTicks = TCelebration::FireworksMs / GameTickMs;

class CelebrationTest : public EffectTest {
protected:
    TCelebration Celebration;

    void SetUp() override {
        EffectTest::SetUp();
        Recorder.TileSizes = {{"LittleStars", {16, 16}},
                              {"Confetti", {16, 16}},
                              {"DustParticle", {32, 32}},
                              {"BombSparks", {40, 40}}};
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) Celebration.Tick();
    }
    int ParticlesAt(TPoint at) const {
        return static_cast<int>(
            std::count_if(Celebration.Particles().begin(), Celebration.Particles().end(),
                          [at](const TCelebrationParticle& p) {
                              return p.Active && p.AgeTicks == 0 && p.X == at.X && p.Y == at.Y;
                          }));
    }
};

TEST_F(CelebrationTest, ABurstLeapsFromTheStickerInStarsConfettiAndDust) {
    EXPECT_FALSE(Celebration.Running());
    Celebration.Burst(Sticker);
    const int burst = Celebration.ActiveCount();
    EXPECT_GT(burst, 0);
    EXPECT_EQ(ParticlesAt(Sticker), burst) << "every particle starts at the sticker's middle";
    EXPECT_FALSE(Celebration.FireworksRunning());

    Run(1);
    for (std::string_view name : {"LittleStars", "Confetti", "DustParticle"})
        EXPECT_FALSE(Recorder.CallsOf(name).empty()) << name;
    EXPECT_TRUE(Recorder.CallsOf("BombSparks").empty()) << "no fireworks for one work";
    // One tick on, everything is still close to the sticker: drawn centred on it.
    for (const TRecordedImageCall& call : Recorder.Calls) {
        const TPoint tile = Recorder.NamedTileSize(call.Name);
        EXPECT_LE(std::abs(call.X + tile.X / 2 - Sticker.X), 10) << call.Name;
        EXPECT_LE(std::abs(call.Y + tile.Y / 2 - Sticker.Y), 10) << call.Name;
    }
    // The confetti is thrown up before it flutters down.
    const auto confetti = Recorder.CallsOf("Confetti");
    EXPECT_TRUE(std::all_of(confetti.begin(), confetti.end(),
                            [](const TRecordedImageCall& call) { return call.Y + 8 < Sticker.Y; }));
}

TEST_F(CelebrationTest, EveryParticleFadesAndDiesAndNothingIsDrawnAfter) {
    Celebration.Burst(Sticker);
    Run(30);
    const auto stars = Recorder.CallsOf("LittleStars");
    ASSERT_FALSE(stars.empty());
    Run(BurstOverTicks);
    EXPECT_EQ(Celebration.ActiveCount(), 0);
    EXPECT_FALSE(Celebration.Running());
    Recorder.Clear();
    Run(1);
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(CelebrationTest, ThePoolNeverOverflowsAndTheNewestBurstIsWhole) {
    Celebration.StartFireworks();
    for (int round = 0; round < 40; ++round) {
        Celebration.Burst({100 + round, 200});
        Run(3);
        ASSERT_LE(Celebration.ActiveCount(), TCelebration::PoolSize) << "round " << round;
    }
    const TPoint last{900, 500};
    Celebration.Burst(last);
    TCelebration alone;
    alone.Burst(last);
    EXPECT_EQ(ParticlesAt(last), alone.ActiveCount()) << "the oldest gave way";
    EXPECT_LE(Celebration.ActiveCount(), TCelebration::PoolSize);
}

TEST_F(CelebrationTest, FireworksBurstHighInColourAndStopAfterTheirTime) {
    Celebration.StartFireworks();
    EXPECT_TRUE(Celebration.FireworksRunning());
    int rocketsSeen = 0;
    std::vector<TRecordedImageCall> flashes;
    for (int tick = 0; tick < FireworksTicks; ++tick) {
        Recorder.Clear();
        Celebration.Tick();
        rocketsSeen = std::max<int>(rocketsSeen,
                                    static_cast<int>(std::count_if(
                                        Celebration.Rockets().begin(), Celebration.Rockets().end(),
                                        [](const TRocket& rocket) { return rocket.Active; })));
        for (const TRecordedImageCall& call : Recorder.CallsOf("BombSparks"))
            if (call.PatternIndex == 0) flashes.push_back(call);
    }
    EXPECT_GE(rocketsSeen, 2) << "several rockets in the air at once";
    ASSERT_GE(flashes.size(), 5u);
    bool colours = false;
    for (const TRecordedImageCall& flash : flashes) {
        EXPECT_GT(flash.Y, 100) << "under the top of the picture";
        EXPECT_LT(flash.Y, 450) << "over the book's bottom panel";
        colours = colours || flash.Red != flashes.front().Red || flash.Blue != flashes.front().Blue;
    }
    EXPECT_TRUE(colours) << "not every burst in the same colour";

    // No rocket after the time; those in the air burst and fade.
    int launched = 0;
    for (int tick = 0; tick < LastRocketOverTicks; ++tick) {
        Celebration.Tick();
        for (const TRocket& rocket : Celebration.Rockets())
            launched += rocket.Active && rocket.AgeTicks == 1 ? 1 : 0;
    }
    EXPECT_EQ(launched, 0);
    EXPECT_FALSE(Celebration.FireworksRunning());
    EXPECT_EQ(Celebration.ActiveCount(), 0);
    Recorder.Clear();
    Run(BurstOverTicks);
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(CelebrationTest, AResetEndsEverythingAndItsDiceAreItsOwn) {
    const auto record = [this] {
        Celebration.Burst(Sticker);
        Celebration.StartFireworks();
        Recorder.Clear();
        Run(FireworksTicks / 2);
        return Recorder.Calls;
    };
    const auto first = record();
    ASSERT_TRUE(Celebration.FireworksRunning());
    Celebration.Reset();
    EXPECT_FALSE(Celebration.Running());
    Recorder.Clear();
    Run(1);
    EXPECT_TRUE(Recorder.Calls.empty());

    SetRandomSeed(99); // the game's dice elsewhere in their sequence
    Celebration.Reset();
    const TRandomState gameDice = SaveRandomState();
    const auto again = record();
    ASSERT_EQ(again.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(again[i].X, first[i].X);
        EXPECT_EQ(again[i].Y, first[i].Y);
    }
    const TRandomState after = SaveRandomState();
    EXPECT_EQ(after.State, gameDice.State) << "the game's dice are not touched";
}

} // namespace
