// The round's display components frame by frame: the tube timer, the score counter, the energy
// gauge and the objective panel's pop-ups, drawn into a recorder.
#include "app/JackpotScoreClass.h"
#include "app/MannaEnergyClass.h"
#include "app/ObjectiveInfoClass.h"
#include "app/TubeTimerClass.h"
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"
#include "engine/SoundByName.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class TSoundLog : public TNamedSoundTarget {
public:
    std::vector<std::string> Played;
    void Play(std::string_view name) override { Played.emplace_back(name); }
};

struct RoundDisplay : ::testing::Test {
    RoundDisplay() {
        SetMainImageTarget(&recorder);
        SetEffectSoundTarget(&sounds);
    }
    ~RoundDisplay() override {
        SetMainImageTarget(nullptr);
        SetEffectSoundTarget(nullptr);
    }
    TRecordingImageTarget recorder;
    TSoundLog sounds;
};

// ---- the tube timer ----

struct TubeTimerTest : RoundDisplay {
    TubeTimerTest() {
        tube.Left = 1232;
        tube.HideLeft = 1358;
        tube.Top = 320;
        tube.MaxPixelProgress = tube.EnergyHeight;
        tube.Reset();
        tube.OnAlmostTimeUp = [this] { almost.push_back(tick); };
        tube.OnTimeUp = [this] { up.push_back(tick); };
    }
    // Updates until the tube runs; the number of updates.
    int RunUntilRunning() {
        int updates = 0;
        while (tube.Phase() != tpRunning && updates < 1000) {
            tube.UpdateAndDraw();
            ++updates;
        }
        return updates;
    }
    void Run(int updates) {
        for (int i = 0; i < updates; ++i) {
            ++tick;
            tube.UpdateAndDraw();
        }
    }
    TTubeTimer tube;
    std::vector<int> almost, up;
    int tick = 0;
};

TEST_F(TubeTimerTest, SlidesInFillsInFiftyFramesThenDrainsToTimeUpWithItsWarningOnTime) {
    tube.Time = 300;
    tube.Start();
    // 126 pixels of sliding, then 50 frames of filling.
    EXPECT_EQ(RunUntilRunning(), 126 + 50);
    EXPECT_EQ(tube.ElapsedMs(), 0);
    recorder.Clear();
    tube.UpdateAndDraw();
    EXPECT_EQ(tube.ElapsedMs(), 0) << "paused: the time stands";
    const auto liquid = recorder.CallsOf("TubeTimerEnergy");
    ASSERT_EQ(liquid.size(), 1u);
    EXPECT_EQ(liquid[0].Source, (TRect{0, 0, 22, 305}));
    EXPECT_EQ(liquid[0].X, 1232 + 90);
    EXPECT_EQ(recorder.CallsOf("TubeTimer")[0].X, 1228);

    tube.Paused = false;
    // 28 seconds are left after 272 s: 272000 / 30 rounds up to 9067 ticks.
    Run(9066);
    EXPECT_TRUE(almost.empty());
    Run(1);
    EXPECT_EQ(almost, std::vector<int>{9067});
    Run(10000 - 9067 - 1);
    EXPECT_TRUE(up.empty());
    recorder.Clear();
    Run(1);
    EXPECT_EQ(up, std::vector<int>{10000});
    EXPECT_EQ(tube.ElapsedSeconds(), 300);
    EXPECT_EQ(tube.PercentLeft(), 0);
    EXPECT_TRUE(recorder.CallsOf("TubeTimerEnergy").empty()) << "an empty tube draws no liquid";
    Run(100);
    EXPECT_EQ(up.size(), 1u);
    EXPECT_EQ(almost.size(), 1u);
}

TEST_F(TubeTimerTest, RelaxedModeCountsButIsNotDrawnRefusesAbsorbingAndNeverEnds) {
    tube.Time = 2;
    tube.RelaxedMode = rmYes;
    tube.Start();
    RunUntilRunning();
    tube.Paused = false;
    tube.Absorb(1);
    recorder.Clear();
    Run(200);
    EXPECT_TRUE(recorder.Calls.empty());
    EXPECT_EQ(tube.ElapsedSeconds(), 2);
    EXPECT_TRUE(up.empty());
    EXPECT_TRUE(almost.empty());
}

TEST_F(TubeTimerTest, AbsorbingDrainsFasterUpToItsTargetAndStrangeFactorsStillFill) {
    tube.Time = 100;
    tube.FillingUpStepFactor = 0; // no division by 0: it fills at once
    tube.Start();
    EXPECT_EQ(RunUntilRunning(), 126 + 1);
    tube.Paused = false;
    tube.Absorb(3);
    Run(1);
    EXPECT_EQ(tube.ElapsedMs(), 30 + 1500);
    Run(1);
    EXPECT_EQ(tube.ElapsedMs(), 3000) << "the target becomes the value";
    Run(1);
    EXPECT_EQ(tube.ElapsedMs(), 3030);
    EXPECT_EQ(tube.PercentLeft(), 97);
    tube.SlideOut();
    Run(126);
    EXPECT_EQ(tube.Phase(), tpHidden);
}

// ---- the score counter ----

TEST_F(RoundDisplay, TheScoreCountsUpByNineWithATickEverySecondFrameAndSaturates) {
    TJackpotScore score;
    score.Left = 80;
    score.Top = 712;
    score.SetValue(5);
    score.Add(25);
    int frames = 0;
    while (score.Counting() && frames < 100) {
        recorder.Clear();
        score.UpdateAndDraw();
        ++frames;
    }
    EXPECT_EQ(frames, 3); // 14, 23, 30
    EXPECT_EQ(score.Shown(), 30);
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"ScoreCount"});
    // Six places centred on Left; leading zeros are not drawn.
    const auto digits = recorder.CallsOf("Score");
    ASSERT_EQ(digits.size(), 2u);
    EXPECT_EQ(digits[0].X, 80 - 66 + 4 * 22);
    EXPECT_EQ(digits[0].PatternIndex, 3);
    EXPECT_EQ(digits[1].PatternIndex, 0);

    score.SetValue(2147483000);
    score.Add(1000);
    EXPECT_EQ(score.Value(), 2147483647) << "saturates instead of wrapping";
    score.Add(-2147483647);
    score.Add(-5);
    EXPECT_EQ(score.Value(), 0);
    score.SetValue(-3);
    EXPECT_EQ(score.Shown(), 0);
}

// ---- the energy gauge ----

TEST_F(RoundDisplay, TheGaugeFollowsTheCounterAndReportsEachShareOnceEachWay) {
    TMannaEnergy energy;
    std::vector<int> reached, below;
    int full = 0;
    energy.OnEnergyFactorReached = [&](uint8_t level) { reached.push_back(level); };
    energy.OnBelowEnergyFactor = [&](uint8_t level) { below.push_back(level); };
    energy.OnFull = [&] { ++full; };
    energy.FullRequiredFruits = 200;
    energy.AddFruit(70);
    // It rises by one a frame (200 / 200): 60 frames to 30 %.
    for (int i = 0; i < 59; ++i) energy.UpdateAndDraw();
    EXPECT_TRUE(reached.empty());
    energy.UpdateAndDraw();
    EXPECT_EQ(reached, std::vector<int>{1});
    for (int i = 0; i < 30; ++i) energy.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(energy.Level(), 70);
    EXPECT_EQ(reached, std::vector<int>{1}) << "level 1 once while above";
    // The hammer takes its share back: the gauge falls by 5 a frame, past 30 % down.
    energy.Spend(1);
    EXPECT_EQ(energy.FruitsCounter(), 10);
    for (int i = 0; i < 3; ++i) energy.UpdateAndDraw();
    EXPECT_EQ(below, std::vector<int>{1});
    energy.AddFruit(500);
    EXPECT_EQ(energy.FruitsCounter(), 200);
    for (int i = 0; i < 200; ++i) energy.UpdateAndDraw();
    EXPECT_EQ(reached, (std::vector<int>{1, 1, 2, 3}));
    EXPECT_EQ(full, 1);
    // The liquid is drawn from its surface down, bright once a tool can be used.
    recorder.Clear();
    energy.UpdateAndDraw();
    const auto liquid = recorder.CallsOf("MannaEnergy");
    ASSERT_EQ(liquid.size(), 1u);
    EXPECT_EQ(liquid[0].Source, (TRect{20, 0, 40, 500}));
    energy.Spend(3);
    energy.Spend(3);
    EXPECT_EQ(energy.FruitsCounter(), 0);
}

// ---- the objective panel's pop-ups ----

TEST_F(RoundDisplay, TheObjectivePartsPopOneAfterAnotherOnceThePanelRestsBossLookOnBossLevels) {
    TObjectiveInfo panel;
    panel.Show(goBossMode);
    int updates = 0;
    while (panel.Y() != TObjectiveInfo::Rest.Y && updates < 100) {
        panel.Update();
        ++updates;
    }
    for (int i = 0; i < TObjectiveInfo::PopUps; ++i) EXPECT_FALSE(panel.PopUp(i).Started());
    // 30, 300 and 570 ms: the first, tenth and nineteenth frame after the panel came to rest.
    const int starts[TObjectiveInfo::PopUps] = {1, 10, 19};
    for (int frame = 1; frame <= 19; ++frame) {
        panel.Update();
        for (int i = 0; i < TObjectiveInfo::PopUps; ++i)
            EXPECT_EQ(panel.PopUp(i).Started(), frame >= starts[i]) << i << " at " << frame;
    }
    recorder.Clear();
    panel.Draw();
    ASSERT_EQ(recorder.CallsOf("ObjInfoLogo").size(), 1u);
    EXPECT_EQ(recorder.CallsOf("ObjInfoLogo")[0].PatternIndex, 1);
    EXPECT_EQ(recorder.CallsOf("ObjInfoTitle")[0].PatternIndex, 1);
    EXPECT_GT(recorder.CallsOf("ObjInfoSubtitle")[0].ScaleX, 0);
}

} // namespace
