// The objective panel's course from rising to gone, and the medal of a won round's time.
#include "app/ObjectiveInfoClass.h"
#include "app/scenes/MainGameScene.h"

#include <gtest/gtest.h>

namespace {

struct ObjectivePanel : ::testing::Test {
    ObjectivePanel() {
        panel.OnStartHiding = [this] { ++startsHiding; };
        panel.OnHidingComplete = [this] { ++gone; };
    }
    // Updates until the phase is reached; the number of updates, or -1.
    int UpdateUntil(TObjectivePhase phase, int limit = 500) {
        for (int i = 1; i <= limit; ++i) {
            panel.Update();
            if (panel.Phase() == phase) return i;
        }
        return -1;
    }

    TObjectiveInfo panel;
    int startsHiding = 0;
    int gone = 0;
};

TEST_F(ObjectivePanel, RisesToItsRestShowsItsTimeAndLeavesOverTheTop) {
    panel.Show(goNormalMode);
    EXPECT_EQ(panel.Phase(), opEntering);
    ASSERT_GT(UpdateUntil(opShown), 0);
    EXPECT_EQ(panel.Y(), TObjectiveInfo::Rest.Y);
    const int shownUpdates = UpdateUntil(opHiding);
    EXPECT_EQ(shownUpdates, TObjectiveInfo{}.ShowingTime / GameTickMs);
    EXPECT_EQ(startsHiding, 1);
    EXPECT_EQ(gone, 0);
    ASSERT_GT(UpdateUntil(opIdle), 0);
    EXPECT_LE(panel.Y(), -panel.ShadowHeight);
    EXPECT_EQ(gone, 1);
    panel.Update();
    EXPECT_EQ(gone, 1) << "gone once";
}

TEST_F(ObjectivePanel, APressCutsTheShowingShortButNotTheRise) {
    panel.Show(goBossMode);
    panel.Update();
    panel.Press();
    const int rise = UpdateUntil(opShown);
    ASSERT_GT(rise, 0);
    EXPECT_EQ(panel.Phase(), opShown) << "a press while rising is not kept for later";
    panel.Press();
    panel.Update();
    EXPECT_EQ(panel.Phase(), opHiding);
    EXPECT_EQ(startsHiding, 1);
}

TEST_F(ObjectivePanel, SkippingRaisesWhatHidingWouldOnceAndResetRaisesNothing) {
    panel.Skip();
    EXPECT_EQ(startsHiding + gone, 0) << "nothing to skip";
    panel.Show(goNormalMode);
    panel.Skip();
    EXPECT_EQ(panel.Phase(), opIdle);
    EXPECT_EQ(startsHiding, 1);
    EXPECT_EQ(gone, 1);
    panel.Show(goNormalMode);
    panel.Reset();
    EXPECT_EQ(panel.Phase(), opIdle);
    EXPECT_EQ(gone, 1);
}

TEST(RoundMedal, GoldUpToTheGoldTimeThenSilverThenBronze) {
    EXPECT_EQ(MedalFor(72, 117, 72), mdGold);
    EXPECT_EQ(MedalFor(73, 117, 72), mdSilver);
    EXPECT_EQ(MedalFor(117, 117, 72), mdSilver);
    EXPECT_EQ(MedalFor(118, 117, 72), mdBronze);
}

} // namespace
