// The results window's celebration: the medal's pop settling at full size under its shine, the
// glint of gold only, the dust's fixed pool, and Mirela's one arrival and one departure.
#include "effects/ResultsCelebration.h"

#include "EffectTestFixture.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr TPoint Window{423, 169};
// Longer than any mote lives.
constexpr int DustLifeBound = 60;
// Long enough for the gold medal's glint to come round more than once.
constexpr int GlintWatchTicks = 200;

class ResultsCelebrationTest : public EffectTest {
protected:
    TResultsCelebration Celebration;

    void SetUp() override {
        EffectTest::SetUp();
        Recorder.TileSizes["ResultMedals"] = {160, 160};
        Recorder.TileSizes["FeatureShine"] = {256, 256};
        Recorder.TileSizes["LittleStars"] = {16, 16};
        Recorder.TileSizes["TutorialDove"] = {120, 120};
        Celebration.Reset();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) Celebration.Tick();
    }
    // One frame's drawing of everything, as the scene draws it.
    void DrawFrame() {
        Recorder.Clear();
        Celebration.DrawMedal(Window);
        Celebration.DrawDust(Window);
        Celebration.DrawDove();
    }
    static TPoint Middle(const TRecordedImageCall& call, TPoint tile) {
        return {call.X + tile.X / 2, call.Y + tile.Y / 2};
    }
};

TEST_F(ResultsCelebrationTest, TheMedalPopsInPastFullSizeAndSettlesAtOneUnderItsShine) {
    DrawFrame();
    EXPECT_TRUE(Recorder.CallsOf(Pictures::ResultMedals).empty())
        << "no medal before the window rests";
    ASSERT_EQ(Recorder.CallsOf(Pictures::FeatureShine).size(), 1u)
        << "the shine turns from the start";

    Celebration.WindowShown(mdSilver, Window);
    EXPECT_FLOAT_EQ(Celebration.MedalScale(), TResultsCelebration::MedalStartScale);
    float largest = 0;
    bool wobbled = false;
    for (int i = 0; i < TResultsCelebration::MedalPopTicks; ++i) {
        Celebration.Tick();
        largest = std::max(largest, Celebration.MedalScale());
        wobbled = wobbled || Celebration.MedalAngle() != 0;
    }
    EXPECT_GT(largest, 1.1f) << "it overshoots";
    EXPECT_TRUE(wobbled);
    EXPECT_FLOAT_EQ(Celebration.MedalScale(), 1.0f);
    EXPECT_FLOAT_EQ(Celebration.MedalAngle(), 0.0f);
    Ticks(GlintWatchTicks);
    EXPECT_FLOAT_EQ(Celebration.MedalScale(), 1.0f) << "and stays settled";

    DrawFrame();
    const auto medals = Recorder.CallsOf(Pictures::ResultMedals);
    ASSERT_EQ(medals.size(), 1u);
    EXPECT_EQ(medals[0].PatternIndex, mdSilver);
    const auto shines = Recorder.CallsOf(Pictures::FeatureShine);
    ASSERT_EQ(shines.size(), 1u);
    const TPoint centre{Window.X + TResultsCelebration::MedalCentre.X,
                        Window.Y + TResultsCelebration::MedalCentre.Y};
    EXPECT_EQ(Middle(medals[0], {160, 160}), centre);
    EXPECT_EQ(Middle(shines[0], {256, 256}), centre) << "the shine turns behind the medal";
    EXPECT_FLOAT_EQ(shines[0].ScaleX, 2.35f);
    EXPECT_EQ(shines[0].Alpha, 30);
    const auto firstShine =
        std::find_if(Recorder.Calls.begin(), Recorder.Calls.end(),
                     [](const auto& call) { return call.Name == "FeatureShine"; });
    const auto firstMedal =
        std::find_if(Recorder.Calls.begin(), Recorder.Calls.end(),
                     [](const auto& call) { return call.Name == "ResultMedals"; });
    EXPECT_LT(firstShine, firstMedal);
}

TEST_F(ResultsCelebrationTest, OnlyGoldGlintsAndOnlyOnceSettled) {
    auto glintFrames = [&](TMedalKind medal) {
        Celebration.Reset();
        Celebration.WindowShown(medal, Window);
        int frames = 0;
        int beforeSettled = 0;
        for (int i = 0; i < GlintWatchTicks; ++i) {
            Celebration.Tick();
            DrawFrame();
            const bool glint = !Recorder.CallsOf(Pictures::LittleStars).empty();
            frames += glint ? 1 : 0;
            if (glint && Celebration.MedalScale() != 1.0f) ++beforeSettled;
        }
        EXPECT_EQ(beforeSettled, 0);
        return frames;
    };
    EXPECT_GT(glintFrames(mdGold), 0);
    EXPECT_EQ(glintFrames(mdSilver), 0);
    EXPECT_EQ(glintFrames(mdBronze), 0);
}

TEST_F(ResultsCelebrationTest, DustStaysWithinItsPoolRisesFadesAndDies) {
    constexpr TRect line{350, 190, 460, 220};
    for (int i = 0; i < 3 * TResultsCelebration::DustPoolSize; ++i) Celebration.SprinkleDust(line);
    EXPECT_EQ(Celebration.DustCount(), TResultsCelebration::DustPoolSize);

    DrawFrame();
    const auto born = Recorder.CallsOf(Pictures::LittleStars);
    ASSERT_EQ(born.size(), static_cast<size_t>(TResultsCelebration::DustPoolSize));
    for (const auto& mote : born) {
        EXPECT_GE(mote.X + 8, Window.X + line.Left);
        EXPECT_LT(mote.X + 8, Window.X + line.Right);
        EXPECT_GE(mote.Y + 8, Window.Y + line.Top);
        EXPECT_LT(mote.Y + 8, Window.Y + line.Bottom);
    }
    Ticks(10);
    DrawFrame();
    const auto later = Recorder.CallsOf(Pictures::LittleStars);
    ASSERT_EQ(later.size(), born.size()) << "nobody dies this young";
    for (size_t i = 0; i < later.size(); ++i) {
        EXPECT_LE(later[i].Y, born[i].Y - 10);
        EXPECT_LT(later[i].Alpha, born[i].Alpha);
    }

    Ticks(DustLifeBound);
    EXPECT_EQ(Celebration.DustCount(), 0);
    DrawFrame();
    EXPECT_TRUE(Recorder.CallsOf(Pictures::LittleStars).empty());
    Celebration.SprinkleDust(line);
    EXPECT_EQ(Celebration.DustCount(), 1) << "the freed motes are taken again";
}

TEST_F(ResultsCelebrationTest, DustKeepsToItsOwnDiceAndRepeatsAfterAReset) {
    constexpr TRect line{0, 0, 100, 30};
    auto sprinkled = [&] {
        Celebration.Reset();
        for (int i = 0; i < 8; ++i) Celebration.SprinkleDust(line);
        Ticks(5);
        DrawFrame();
        return Recorder.CallsOf(Pictures::LittleStars);
    };
    const TRandomState before = SaveRandomState();
    const auto first = sprinkled();
    const TRandomState after = SaveRandomState();
    EXPECT_EQ(before.State, after.State) << "the round's dice are left alone";
    const auto second = sprinkled();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].X, second[i].X);
        EXPECT_EQ(first[i].Y, second[i].Y);
    }
}

TEST_F(ResultsCelebrationTest, MirelaFliesInToHerPerchOnceAndLeavesOnce) {
    Ticks(20);
    DrawFrame();
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Away);
    EXPECT_TRUE(Recorder.CallsOf(Pictures::TutorialDove).empty());

    Celebration.WindowShown(mdGold, Window);
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::FlyingIn);
    EXPECT_LT(Celebration.DovePosition().Y + 120, 0) << "she comes from off the screen";
    std::vector<int> wings;
    for (int i = 0; i < TResultsCelebration::DoveFlightTicks; ++i) {
        Celebration.Tick();
        DrawFrame();
        wings.push_back(Recorder.CallsOf(Pictures::TutorialDove).at(0).PatternIndex);
    }
    EXPECT_EQ(std::set<int>(wings.begin(), wings.end()).size(), 3u) << "she beats her wings";
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Perched);
    const TPoint perch{Window.X + TResultsCelebration::DovePerch.X,
                       Window.Y + TResultsCelebration::DovePerch.Y};
    EXPECT_EQ(Celebration.DovePosition(), perch);

    Celebration.WindowShown(mdGold, Window);
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Perched) << "a second showing does not send her off";
    Ticks(300);
    EXPECT_EQ(Celebration.DovePosition(), perch);

    Celebration.WindowHiding();
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::FlyingOff);
    Ticks(TResultsCelebration::DoveFlightTicks);
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Gone);
    DrawFrame();
    EXPECT_TRUE(Recorder.CallsOf(Pictures::TutorialDove).empty());
    Celebration.WindowHiding();
    Celebration.WindowShown(mdGold, Window);
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Gone) << "gone for this window";

    Celebration.Reset();
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Away);
}

TEST_F(ResultsCelebrationTest, MirelaCaughtOnHerWayInTurnsBackFromWhereSheIs) {
    Celebration.WindowHiding();
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Away) << "she never came";

    Celebration.WindowShown(mdBronze, Window);
    Ticks(TResultsCelebration::DoveFlightTicks / 2);
    const TPoint midway = Celebration.DovePosition();
    Celebration.WindowHiding();
    EXPECT_EQ(Celebration.DovePosition(), midway);
    Celebration.Tick();
    EXPECT_LT(Celebration.DovePosition().Y, midway.Y + 1);
    Ticks(TResultsCelebration::DoveFlightTicks);
    EXPECT_EQ(Celebration.Dove(), TDoveFlight::Gone);
}

} // namespace
