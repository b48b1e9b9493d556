// Mirela's tutorial steps and the pointing tool tips: which level or event asks for what, each
// shown once for as long as the shown flags are kept, nothing with the switch off, and where a
// tip puts its panel, arrow and OK button.
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"
#include "engine/TextStringsClass.h"
#include "story/MirelaTutorialClass.h"
#include "story/TutorialToolTipClass.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const TTextStrings& ShippedTexts() {
    static const TTextStrings texts(std::string(TOVAN_SOURCE_DIR) + "/content/Texts/");
    return texts;
}

class Teaching : public ::testing::Test {
protected:
    TRecordingImageTarget Recorder;
    TMirelaTutorial Tutorial;
    TTutorialToolTip ToolTip;
    std::vector<std::string> Events;

    void SetUp() override {
        SetMainImageTarget(&Recorder);
        SetReducedEffectsMode(false);
        Tutorial.LoadTexts(ShippedTexts());
        ToolTip.LoadTexts(ShippedTexts());
        Tutorial.OnStart = [this](int step) { Events.push_back("step " + std::to_string(step)); };
        Tutorial.OnFinish = [this] { Events.push_back("step done"); };
        ToolTip.OnSpecificToolTipIdx = [this](int tip) {
            Events.push_back("tip " + std::to_string(tip));
        };
        ToolTip.OnFinish = [this] { Events.push_back("tip done"); };
        ToolTip.OnPointingPosRequest = [this](int, TPoint& point) { point = Pointing; };
    }
    void TearDown() override { SetMainImageTarget(nullptr); }
    void TickBoth(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            Tutorial.UpdateAndDraw();
            ToolTip.UpdateAndDraw();
        }
    }
    void Matches(int count) {
        for (int i = 0; i < count; ++i) ToolTip.ManualMatch();
    }

    TPoint Pointing{400, 300};
};

TEST_F(Teaching, LevelsHaveTheirStepsAndEveryGuardianTheSameOne) {
    EXPECT_EQ(TMirelaTutorial::StepFor(1, 1, false), 1);
    EXPECT_EQ(TMirelaTutorial::StepFor(1, 5, false), 5);
    EXPECT_EQ(TMirelaTutorial::StepFor(1, 4, false), 0);
    EXPECT_EQ(TMirelaTutorial::StepFor(2, 11, false), 8);
    EXPECT_EQ(TMirelaTutorial::StepFor(5, 1, false), 13);
    EXPECT_EQ(TMirelaTutorial::StepFor(0, 0, false), 9) << "the sticker book";
    EXPECT_EQ(TMirelaTutorial::StepFor(3, 12, true), 7);
    EXPECT_EQ(TMirelaTutorial::StepFor(1, 12, true), 7);

    // Once the guardian's step has been shown, no later guardian shows one.
    ASSERT_TRUE(Tutorial.HasStep(1, 12, true));
    Tutorial.Start(1, 12, true);
    EXPECT_EQ(Tutorial.CurrentStep(), 7);
    Tutorial.Finish();
    TickBoth(100);
    EXPECT_FALSE(Tutorial.Showing());
    EXPECT_FALSE(Tutorial.HasStep(3, 12, true));
    Tutorial.Start(3, 12, true);
    EXPECT_FALSE(Tutorial.Showing());
    EXPECT_EQ(Events, (std::vector<std::string>{"step 7", "step done"}));
}

TEST_F(Teaching, AStepShowsOnceAndItsFlagsCarryItAcrossASave) {
    Tutorial.Start(1, 2, false);
    ASSERT_TRUE(Tutorial.Showing());
    EXPECT_EQ(Tutorial.Title(2), ShippedTexts().GameTutorial(3));
    EXPECT_TRUE(Tutorial.Shown(2));
    const TMirelaTutorial::TShownFlags saved = Tutorial.ShownFlags();
    EXPECT_EQ(saved[1], 1);

    // A player loaded from those flags is not taught the step again; new texts clear them.
    TMirelaTutorial later;
    later.LoadTexts(ShippedTexts());
    EXPECT_TRUE(later.HasStep(1, 2, false));
    later.SetShownFlags(saved);
    EXPECT_FALSE(later.HasStep(1, 2, false));
    later.Start(1, 2, false);
    EXPECT_FALSE(later.Showing());
    EXPECT_TRUE(later.HasStep(1, 3, false));
}

TEST_F(Teaching, TheStepPanelFadesInWithItsIconAndOutAfterItsOk) {
    Tutorial.Start(1, 3, false);
    TickBoth(1);
    auto panel = Recorder.CallsOf("TutorialBlackRect");
    ASSERT_EQ(panel.size(), 1u);
    EXPECT_EQ(panel[0].X, 481);
    EXPECT_EQ(panel[0].Y, 146);
    EXPECT_EQ(panel[0].Alpha, 0) << "the first frame is drawn before the fade moves";
    TickBoth(40);
    Recorder.Clear();
    TickBoth(1);
    panel = Recorder.CallsOf("TutorialBlackRect");
    ASSERT_EQ(panel.size(), 1u);
    EXPECT_EQ(panel[0].Alpha, 170);
    const auto icon = Recorder.CallsOf("TutorialIcons");
    ASSERT_EQ(icon.size(), 1u);
    EXPECT_EQ(icon[0].PatternIndex, 2);
    EXPECT_EQ(icon[0].Alpha, 225);

    Tutorial.Finish();
    Tutorial.Finish();
    EXPECT_TRUE(Tutorial.Text().Vanishing());
    TickBoth(40);
    EXPECT_FALSE(Tutorial.Showing());
    Recorder.Clear();
    TickBoth(1);
    EXPECT_TRUE(Recorder.Calls.empty());
    EXPECT_EQ(Events, (std::vector<std::string>{"step 3", "step done"})) << "one finish";
}

TEST_F(Teaching, SwitchedOffNothingShows) {
    Tutorial.Enabled = false;
    ToolTip.Enabled = false;
    EXPECT_FALSE(Tutorial.HasStep(1, 1, false));
    Tutorial.Start(1, 1, false);
    ToolTip.LevelIdx = 4;
    ToolTip.LevelStart();
    ToolTip.IslandIdx = 1;
    ToolTip.LevelIdx = 1;
    Matches(20);
    ToolTip.EventTip(teSpiderLanded);
    ToolTip.BookTip(btSailOn);
    TickBoth(5);
    EXPECT_TRUE(Events.empty());
    EXPECT_TRUE(Recorder.Calls.empty());
    EXPECT_EQ(ToolTip.MatchCount(), 0);
    EXPECT_FALSE(Tutorial.Shown(1));
    EXPECT_FALSE(ToolTip.Shown(22));
}

TEST_F(Teaching, OnlyTheTaughtTipsShowEachOnce) {
    // Island 1: the level starts ask for tips 1, 7, 11, 13, ...; only level 4's is taught.
    for (int level = 1; level <= 7; ++level) {
        ToolTip.LevelIdx = level;
        ToolTip.LevelStart();
        if (ToolTip.Open()) ToolTip.Finish();
        TickBoth(20);
    }
    ToolTip.IslandIdx = 2;
    ToolTip.LevelIdx = 4;
    ToolTip.LevelStart();
    EXPECT_EQ(Events, (std::vector<std::string>{"tip 13", "tip done"}));
    Events.clear();

    for (TToolTipEvent kind :
         {teStarInPocket, teFirstEnergy, teSecondEnergy, teSpiderLanded, teWebFinished}) {
        ToolTip.EventTip(kind);
        if (ToolTip.Open()) ToolTip.Finish();
        TickBoth(20);
    }
    EXPECT_EQ(Events, (std::vector<std::string>{"tip 6", "tip done", "tip 22", "tip done"}));
    Events.clear();
    for (TBookToolTip kind : {btTutorialDone, btProgress, btSailOn, btTutorialDone}) {
        ToolTip.BookTip(kind);
        if (ToolTip.Open()) ToolTip.Finish();
        TickBoth(20);
    }
    EXPECT_EQ(Events, (std::vector<std::string>{"tip 25", "tip done", "tip 26", "tip done",
                                                "tip 27", "tip done"}));
    ToolTip.EventTip(teSpiderLanded);
    EXPECT_FALSE(ToolTip.Showing()) << "tip 22 was shown";
}

TEST_F(Teaching, TheEighthMatchOfTheFirstLevelPointsAtTheGatheringAndMatchesUnderATipDoNotCount) {
    Matches(7);
    EXPECT_FALSE(ToolTip.Showing()) << "tip 2 at the third match is not taught";
    Matches(1);
    ASSERT_TRUE(ToolTip.Open());
    EXPECT_EQ(ToolTip.CurrentTip(), 3);
    Matches(5);
    EXPECT_EQ(ToolTip.MatchCount(), 8);
    ToolTip.Finish();
    TickBoth(20);
    Matches(20);
    EXPECT_EQ(ToolTip.MatchCount(), 28);
    EXPECT_EQ(Events, (std::vector<std::string>{"tip 3", "tip done"}));

    // The same player after a save: the flags keep it from showing again.
    TTutorialToolTip later;
    later.LoadTexts(ShippedTexts());
    later.SetShownFlags(ToolTip.ShownFlags());
    for (int i = 0; i < 8; ++i) later.ManualMatch();
    EXPECT_FALSE(later.Showing());
}

TEST_F(Teaching, TheTipsPanelLiesOnTheSideAwayFromTheScreensEdges) {
    struct TCase {
        TPoint Pointing;
        int Quadrant;
        TPoint Arrow;
        TPoint Panel;
        int Angle;
    };
    const TCase cases[] = {
        {{900, 460}, 0, {895, 453}, {919, 479}, 105},
        {{901, 460}, 1, {854, 454}, {554, 471}, 195},
        {{900, 461}, 2, {894, 412}, {923, 224}, 15},
        {{901, 461}, 3, {853, 413}, {557, 228}, 285},
    };
    int tip = 0;
    const TBookToolTip kinds[] = {btTutorialDone, btProgress, btSailOn};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Quadrant);
        TTutorialToolTip tool;
        tool.LoadTexts(ShippedTexts());
        TPoint button{};
        tool.OnPointingPosRequest = [&](int, TPoint& point) { point = c.Pointing; };
        tool.OnButtonPosChange = [&](int x, int y) { button = {x, y}; };
        tool.BookTip(kinds[tip++ % 3]);
        ASSERT_TRUE(tool.Showing());
        EXPECT_EQ(tool.Quadrant(), c.Quadrant);
        EXPECT_EQ(tool.ArrowPos(), c.Arrow);
        EXPECT_EQ(tool.PanelPos(), c.Panel);
        EXPECT_EQ(tool.ArrowAngle(), c.Angle);
        EXPECT_EQ(button, (TPoint{c.Panel.X + 121, c.Panel.Y + 164}));
    }
}

TEST_F(Teaching, TheArrowNodsAtItsPointAndEverythingFadesTogether) {
    Pointing = {293, 676};
    ToolTip.BookTip(btTutorialDone);
    std::vector<int> patterns;
    for (int i = 0; i < 30; ++i) {
        Recorder.Clear();
        ToolTip.UpdateAndDraw();
        const auto arrow = Recorder.CallsOf("TutorialArrow");
        ASSERT_EQ(arrow.size(), 1u);
        EXPECT_EQ(arrow[0].X, 293 - 6 - 16);
        EXPECT_EQ(arrow[0].Angle, 15.0f);
        patterns.push_back(arrow[0].PatternIndex);
    }
    EXPECT_NE(std::count(patterns.begin(), patterns.end(), 0), 0);
    EXPECT_NE(std::count(patterns.begin(), patterns.end(), 1), 0);
    const auto panel = Recorder.CallsOf("TutorialBlackRect");
    EXPECT_EQ(panel[0].Alpha, 170);
    EXPECT_FLOAT_EQ(panel[0].ScaleX, 0.8f);

    ToolTip.Finish();
    TickBoth(11);
    EXPECT_FALSE(ToolTip.Showing());
    ToolTip.Reset();
    EXPECT_EQ(ToolTip.PanelPos(), TTutorialToolTip::Unplaced);
}

} // namespace
