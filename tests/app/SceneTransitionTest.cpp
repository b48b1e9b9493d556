// The scene switch's iris: its timeline with the default steps, the scene changing exactly when
// the iris is closed, input held back until it has opened far enough, and what it draws.
#include "app/SceneTransitionClass.h"
#include "engine/PictureNames.h"
#include "engine/RecordingImageTarget.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class SceneTransition : public ::testing::Test {
protected:
    SceneTransition() {
        SetMainImageTarget(&drawn);
        transition.OnSceneSwitch = [this](TGameSceneValues scene) { switchedTo.push_back(scene); };
    }
    ~SceneTransition() override { SetMainImageTarget(nullptr); }

    // Frames until the transition ends, at most limit.
    int RunToEnd(int limit = 500) {
        int frames = 0;
        while (transition.Active() && frames < limit) {
            transition.UpdateAndDraw();
            ++frames;
        }
        return frames;
    }

    TRecordingImageTarget drawn;
    TSceneTransition transition;
    std::vector<TGameSceneValues> switchedTo;
};

TEST_F(SceneTransition, ClosesInTwentyOneFramesThenOpensAndFadesInThirtyNine) {
    std::vector<std::pair<TGameSceneValues, TGameSceneValues>> started;
    transition.OnStartToSwitch = [&](TGameSceneValues from, TGameSceneValues to) {
        started.emplace_back(from, to);
    };
    transition.Start(gsMenu, gsMap);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], std::make_pair(gsMenu, gsMap));

    for (int frame = 1; frame <= 20; ++frame) transition.UpdateAndDraw();
    EXPECT_TRUE(switchedTo.empty()) << "the old scene runs under the closing iris";
    EXPECT_EQ(transition.Alpha(), 255);
    transition.UpdateAndDraw();
    ASSERT_EQ(switchedTo, std::vector<TGameSceneValues>{gsMap});
    EXPECT_EQ(transition.SizeRatio(), 0);

    for (int frame = 1; frame <= 26; ++frame) transition.UpdateAndDraw();
    EXPECT_FLOAT_EQ(transition.SizeRatio(), 32) << "grown to the full size, exactly";
    EXPECT_EQ(transition.Alpha(), 255) << "fading starts only once it is fully grown";
    EXPECT_EQ(RunToEnd(), 13);
    EXPECT_EQ(transition.Alpha(), 0);
    EXPECT_EQ(switchedTo.size(), 1u);
}

TEST_F(SceneTransition, HoldsInputBackUntilTheIrisIsOpenEnough) {
    EXPECT_FALSE(transition.IsBlockingInput());
    transition.Start(gsMenu, gsMap);
    int blockedFrames = 0;
    while (transition.IsBlockingInput()) {
        transition.UpdateAndDraw();
        ++blockedFrames;
    }
    // Closed after 21 frames; open to 65 % of 32 after 17 more (20.8 / 1.2549).
    EXPECT_EQ(blockedFrames, 21 + 17);
    EXPECT_TRUE(transition.Active());
    transition.Stop();
    EXPECT_FALSE(transition.IsBlockingInput());
}

TEST_F(SceneTransition, ARestartClosesAgainFromWhereTheIrisStands) {
    transition.Start(gsMenu, gsMap);
    RunToEnd();
    transition.Start(gsMap, gsMainGame);
    for (int frame = 1; frame <= 30; ++frame) transition.UpdateAndDraw(); // opening again
    const float ratio = transition.SizeRatio();
    transition.Start(gsMainGame, gsMenu);
    transition.UpdateAndDraw();
    EXPECT_LT(transition.SizeRatio(), ratio);
    EXPECT_EQ(transition.TargetScene(), gsMenu);
    RunToEnd();
    EXPECT_EQ(switchedTo, (std::vector<TGameSceneValues>{gsMap, gsMainGame, gsMenu}));
}

TEST_F(SceneTransition, DrawsTheSwirlAndTheRoseTurningAndTheCaptionOnlyWhenNearlyClosed) {
    TTextStrings texts(std::string(TOVAN_SOURCE_DIR) + "/content/Texts/");
    TGlobalGameText text;
    transition.GlobGameText = &text;
    transition.TextStringsComp = &texts;
    transition.Start(gsMenu, gsMap);
    transition.UpdateAndDraw();
    const auto swirl = drawn.CallsOf(Pictures::TransDark);
    const auto rose = drawn.CallsOf(Pictures::TransSpin);
    ASSERT_EQ(swirl.size(), 1u);
    ASSERT_EQ(rose.size(), 1u);
    EXPECT_EQ(swirl[0].Alpha, 40);
    EXPECT_FLOAT_EQ(swirl[0].Angle, 3);
    EXPECT_NEAR(swirl[0].ScaleX, 32 - 1.5549f + 2, 1e-3);
    EXPECT_NEAR(rose[0].ScaleX, swirl[0].ScaleX * 0.29f / 2, 1e-4);
    EXPECT_EQ(drawn.CallsOf(TGlobalGameText::FontImage).size(), 0u);

    for (int frame = 2; frame <= 18; ++frame) transition.UpdateAndDraw(); // ratio about 4
    EXPECT_GT(drawn.CallsOf(TGlobalGameText::FontImage).size(), 0u)
        << "the caption shows under the nearly closed iris";
    EXPECT_FLOAT_EQ(drawn.CallsOf(Pictures::TransDark).back().Angle, 54);
}

} // namespace
