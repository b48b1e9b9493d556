#include "TempFolder.h"
#include "engine/GameCommentClass.h"
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"
#include "engine/SoundByName.h"
#include "engine/TextStringsClass.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct TSoundLog : TNamedSoundTarget {
    std::vector<std::string> Played;
    void Play(std::string_view name) override { Played.emplace_back(name); }
};

class GameCommentTest : public testing::Test {
protected:
    void SetUp() override {
        SetRandomSeed(2024);
        SetMainImageTarget(&target);
        SetEffectSoundTarget(&sounds);
        folder.Write("GameComments.txt", "1\n2\n3\n4\n5\n6\nGo!\nTime up!\n");
        testing::internal::CaptureStderr(); // the other tables are missing here
        strings = std::make_unique<TTextStrings>(folder.Path());
        testing::internal::GetCapturedStderr();
        // Configured like the round comments.
        comment.TextStringsComp = strings.get();
        comment.LettersImg = "CommentFont";
        comment.SetShiftAdjListKind(slShorter);
        comment.CenterAdjustX = 25;
        comment.CenterAdjustY = -40;
        comment.AdditionalHorzSpace = 0;
        comment.LetterSizeRatio = 1.15f;
        comment.LetterHeight = 60;
        comment.OnWavingFinished = [this](TGameCommentType type) { finished.push_back(type); };
    }
    void TearDown() override {
        SetMainImageTarget(nullptr);
        SetEffectSoundTarget(nullptr);
        ReleaseRandomSeed();
    }
    // One tick; the letters it drew.
    std::vector<TRecordedImageCall> Tick() {
        target.Clear();
        comment.Update();
        return target.Calls;
    }

    TTempFolder folder{"comments"};
    std::unique_ptr<TTextStrings> strings;
    TRecordingImageTarget target;
    TSoundLog sounds;
    TGameComment comment;
    std::vector<TGameCommentType> finished;
};

// "TIME UP!" at ratio 1.15 advances 34, 25, 43, 31, 14, 38, 36, 24 pixels: 245 in all, so the
// line starts at (1366 - 245) div 2 + 25 = 585, on top (768 - 60) div 2 - 40 = 314.
TEST_F(GameCommentTest, TimeUpFliesInWavesAndFadesOverItsWholeLife) {
    comment.ShowComment(coTimeUp);
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"TimeUp"});
    EXPECT_EQ(comment.LetterCount(), 8);
    const std::vector<int> targetX{585, 619, 644, 687, 718, 732, 770, 806};
    const int top = 314;

    // Spreading: every letter flies straight at its target, the longer axis 64 pixels a tick.
    std::vector<TRecordedImageCall> previous = Tick();
    int tick = 1;
    while (comment.State() == gcsSpreading) {
        ASSERT_LT(tick, 40);
        const auto calls = Tick();
        ++tick;
        ASSERT_EQ(calls.size(), 8u);
        for (size_t i = 0; i < calls.size(); ++i) {
            const int moveX = std::abs(calls[i].X - previous[i].X);
            const int moveY = std::abs(calls[i].Y - previous[i].Y);
            EXPECT_LE(std::max(moveX, moveY), 64 + 3) << "letter " << i; // + wave offset
            EXPECT_EQ(calls[i].Alpha, std::min(10 * tick, 255));
            EXPECT_EQ(calls[i].Name, "CommentFont");
            EXPECT_FLOAT_EQ(calls[i].ScaleX, 1.15f);
        }
        previous = calls;
    }
    ASSERT_EQ(comment.State(), gcsWaving);
    for (size_t i = 0; i < previous.size(); ++i) {
        EXPECT_EQ(previous[i].X, targetX[i]);
        EXPECT_GE(previous[i].Y - top, 1);
        EXPECT_LE(previous[i].Y - top, 2);
    }
    EXPECT_EQ(previous[0].PatternIndex, 19); // T
    EXPECT_EQ(previous[7].PatternIndex, 38); // !

    // Waving: 1500 ms at 30 ms a tick; the letters bob 1 or 2 pixels, neighbours one phase apart.
    std::vector<int> bobOfFirst, bobOfSecond;
    for (int wave = 1; wave <= 50; ++wave) {
        const auto calls = Tick();
        ASSERT_EQ(calls.size(), 8u);
        EXPECT_EQ(calls[0].X, targetX[0]);
        bobOfFirst.push_back(calls[0].Y - top);
        bobOfSecond.push_back(calls[1].Y - top);
        EXPECT_EQ(finished.size(), wave == 50 ? 1u : 0u) << "wave tick " << wave;
    }
    for (int i = 0; i + 1 < 50; ++i) EXPECT_EQ(bobOfSecond[i], bobOfFirst[i + 1]);
    // The first letter starts at phase 1 and has moved on one phase each tick since the start.
    const int shorterWave[8] = {1, 1, 1, 1, 2, 2, 2, 2};
    for (int wave = 1; wave <= 50; ++wave)
        EXPECT_EQ(bobOfFirst[wave - 1], shorterWave[(tick + wave) % 8]) << "wave tick " << wave;
    EXPECT_EQ(finished, std::vector<TGameCommentType>{coTimeUp});
    EXPECT_EQ(comment.State(), gcsVanishing);

    // Vanishing: 20 alpha a tick, then nothing more is drawn.
    for (int fade = 1; fade <= 12; ++fade) {
        const auto calls = Tick();
        ASSERT_EQ(calls.size(), 8u);
        EXPECT_EQ(calls[3].Alpha, 255 - 20 * fade);
    }
    EXPECT_TRUE(Tick().empty());
    EXPECT_EQ(comment.State(), gcsIdle);
    EXPECT_TRUE(Tick().empty());
}

TEST_F(GameCommentTest, WaveOnlyTextStandsAtItsPlaceUntilToldToFinish) {
    comment.WaveOnly = true;
    comment.Alignment = alDefined;
    comment.DefinedLeft = 100;
    comment.DefinedTop = 200;
    comment.CenterAdjustX = 0;
    comment.ShowText("Go");
    EXPECT_EQ(comment.State(), gcsWaving);
    EXPECT_TRUE(sounds.Played.empty());
    for (int tick = 0; tick < 200; ++tick) Tick();
    const auto calls = Tick();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].X, 100);
    EXPECT_EQ(calls[1].X, 100 + 37); // G: round(32 x 1.15)
    EXPECT_EQ(comment.State(), gcsWaving);
    comment.FinishWaving();
    Tick();
    EXPECT_EQ(finished, std::vector<TGameCommentType>{coCustomText});
    EXPECT_EQ(comment.State(), gcsVanishing);
}

TEST_F(GameCommentTest, ACommentWithoutDrawableLettersStillRunsItsCourse) {
    comment.ShowText("???");
    EXPECT_EQ(comment.LetterCount(), 0);
    int ticks = 0;
    while (comment.State() != gcsIdle && ticks < 100) {
        EXPECT_TRUE(Tick().empty());
        ++ticks;
    }
    EXPECT_EQ(finished, std::vector<TGameCommentType>{coCustomText});

    // A comment whose table entry is missing is silent too, but its end still comes.
    comment.ShowComment(coNoMoreMoves);
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"NoMoreMoves"});
    EXPECT_EQ(comment.State(), gcsSpreading);
    for (int tick = 0; tick < 100; ++tick) Tick();
    EXPECT_EQ(finished, (std::vector<TGameCommentType>{coCustomText, coNoMoreMoves}));
}

TEST_F(GameCommentTest, NothingNewForEmptyTextOrUnlistedTypesAndStopNowEndsAtOnce) {
    comment.ShowText("");
    comment.ShowComment(coShuffling);
    comment.ShowComment(coNone);
    EXPECT_EQ(comment.State(), gcsIdle);
    EXPECT_TRUE(Tick().empty());

    comment.ShowComment(coGo);
    EXPECT_TRUE(sounds.Played.empty());
    comment.Visible = false;
    EXPECT_TRUE(Tick().empty());
    comment.Visible = true;
    EXPECT_EQ(Tick().size(), 3u);
    comment.StopNow();
    EXPECT_TRUE(Tick().empty());
    EXPECT_TRUE(finished.empty());
}

TEST_F(GameCommentTest, TakesLetterSizeFromItsPicture) {
    target.TileSizes["CommentFont"] = {64, 192};
    comment.TakeSize();
    EXPECT_EQ(comment.LetterWidth, 64);
    EXPECT_EQ(comment.LetterHeight, 64);
}

} // namespace
