// Sliding windows: their timelines tick by tick, the shown timer, and the windows that would
// slide away for ever if they did not snap.
#include "WidgetTestKit.h"
#include "engine/GameMenuWindowClass.h"

namespace {

class GameMenuWindowTest : public WidgetTest {
protected:
    GameMenuWindowTest() {
        AddPicture("OptionsWindow", 1, 1, 460, 430);
        window.WindowImg = "OptionsWindow";
        window.OmgImgList = &list;
        window.OnPosUpdate = [this](TPoint pos) { updates.push_back(pos); };
        window.OnShowingComplete = [this] { events += "shown "; };
        window.OnHidingComplete = [this] { events += "hidden "; };
        window.OnShownTimerReached = [this] { events += "timer "; };
    }
    // Ticks until the window stops sliding (at most 100); the ticks it took.
    int SlideToRest() {
        for (int tick = 1; tick <= 100; ++tick) {
            window.Update();
            if (window.State() == mwsShown || window.State() == mwsHidden) return tick;
        }
        return -1;
    }

    TGameMenuWindow window;
    std::vector<TPoint> updates;
    std::string events;
};

TEST_F(GameMenuWindowTest, SlidesInStepByStepAndClampsOnTheTickItPasses) {
    window.Left = 449;
    window.Top = 100;
    window.HidingXPos = -470;
    window.MoveStep = 100;
    window.Show();
    EXPECT_TRUE(updates.empty());
    for (int tick = 1; tick <= 9; ++tick) {
        window.Update();
        ASSERT_EQ(updates.size(), size_t(tick));
        EXPECT_EQ(updates.back(), (TPoint{-470 + 100 * tick, 100}));
    }
    EXPECT_EQ(window.State(), mwsShowing);
    window.Update();
    EXPECT_EQ(updates.back(), (TPoint{449, 100}));
    EXPECT_EQ(events, "shown ");
    const auto drawn = Frame([this] { window.Draw(); });
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].X, 449);
    // Shown, it stays put: no more position updates.
    window.Update();
    EXPECT_EQ(updates.size(), 10u);

    window.Hide();
    EXPECT_EQ(SlideToRest(), 10); // 349, 249, ..., -451, then -551 passes -470
    EXPECT_EQ(updates.back(), (TPoint{-470, 100}));
    EXPECT_EQ(events, "shown hidden ");
    EXPECT_TRUE(Frame([this] { window.Draw(); }).empty());
}

TEST_F(GameMenuWindowTest, AStepLandingOnTheTargetEndsOneTickLater) {
    window.Left = 430;
    window.HidingXPos = -470;
    window.MoveStep = 100;
    window.Show();
    EXPECT_EQ(SlideToRest(), 10);
    EXPECT_EQ(updates.size(), 9u); // the last tick did not move
}

TEST_F(GameMenuWindowTest, EveryDirectionComesInAndGoesBack) {
    struct TCase {
        TShowDir Dir;
        int HidingXPos, HidingYPos;
        TPoint Hidden; // where it starts and ends
    };
    for (const TCase& c :
         {TCase{sdToRight, -400, 0, {-400, 140}}, TCase{sdToLeft, 1400, 0, {1400, 140}},
          TCase{sdToDown, 0, -400, {220, -400}}, TCase{sdToUp, 0, 900, {220, 900}}}) {
        window.ShowDir = c.Dir;
        window.HidingXPos = c.HidingXPos;
        window.HidingYPos = c.HidingYPos;
        window.Show();
        EXPECT_EQ(window.Position(), c.Hidden) << int(c.Dir);
        EXPECT_GT(SlideToRest(), 1) << int(c.Dir);
        EXPECT_EQ(window.Position(), (TPoint{220, 140})) << int(c.Dir);
        window.Hide();
        EXPECT_GT(SlideToRest(), 1) << int(c.Dir);
        EXPECT_EQ(window.Position(), c.Hidden) << int(c.Dir);
    }
}

TEST_F(GameMenuWindowTest, AMoveThatDoesNotHeadForTheTargetSnapsThere) {
    // Hiding position on the far side of the shown one: showing would run off to the right.
    window.HidingXPos = 1500;
    window.Show();
    EXPECT_EQ(SlideToRest(), 1);
    EXPECT_EQ(window.Position(), (TPoint{220, 140}));
    // Hiding would run off to the left.
    window.Hide();
    EXPECT_EQ(SlideToRest(), 1);
    EXPECT_EQ(window.Position(), (TPoint{1500, 140}));
    // No step, or a step backwards.
    for (int step : {0, -65}) {
        window.HidingXPos = -400;
        window.MoveStep = step;
        window.Show();
        EXPECT_EQ(SlideToRest(), 1) << step;
        window.Hide();
        EXPECT_EQ(SlideToRest(), 1) << step;
    }
    // The shown position moved behind a window on its way in.
    window.MoveStep = 65;
    window.Show();
    window.Update();
    window.Update();
    window.Left = -500;
    window.Update();
    EXPECT_EQ(window.State(), mwsShown);
    EXPECT_EQ(window.Position().X, -500);
}

TEST_F(GameMenuWindowTest, ShownTimerFiresOnceAndHideNowResetsEverything) {
    window.ShownTimerEnabled = true;
    window.Tag = "RESUME_GAME";
    window.Show();
    SlideToRest();
    for (int tick = 1; tick <= 166; ++tick) window.Update(); // 4980 ms
    EXPECT_EQ(events, "shown ");
    window.Update();
    EXPECT_EQ(window.ShownTime(), 5000);
    for (int tick = 1; tick <= 50; ++tick) window.Update();
    EXPECT_EQ(events, "shown timer ");

    window.HideNow();
    EXPECT_EQ(window.State(), mwsHidden);
    EXPECT_EQ(updates.back(), (TPoint{-400, -400}));
    EXPECT_TRUE(window.Tag.empty());
    EXPECT_EQ(window.ShownTime(), 0);
}

} // namespace
