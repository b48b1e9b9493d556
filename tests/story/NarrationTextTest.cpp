// The narration text through the recording device, tick by tick.
#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"
#include "story/NarrationTextClass.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class NarrationText : public ::testing::Test {
protected:
    TRecordingImageTarget Recorder;
    TNarrationText Text;

    void SetUp() override {
        SetMainImageTarget(&Recorder);
        SetReducedEffectsMode(false);
    }
    void TearDown() override {
        SetMainImageTarget(nullptr);
        SetReducedEffectsMode(false);
    }
    // One tick; the glyphs it drew.
    std::vector<TRecordedImageCall> Tick() {
        Recorder.Clear();
        Text.UpdateAndDraw();
        return Recorder.CallsOf("GlobalFontWhite");
    }
};

TEST_F(NarrationText, CharactersAppearTickByTickAndFadeUpToTheMaximum) {
    Text.Show(100, 200, "Ahoy", 0, 0, 0);
    auto glyphs = Tick();
    ASSERT_EQ(glyphs.size(), 2u); // two characters a tick by default
    EXPECT_EQ(glyphs[0].Alpha, Text.StartingAlpha + Text.AlphaStep);
    EXPECT_EQ(glyphs[0].PatternIndex, GlyphIndex(fkAirstripNormal, 'A'));
    EXPECT_EQ(glyphs[0].Red, 0);
    glyphs = Tick();
    ASSERT_EQ(glyphs.size(), 4u);
    EXPECT_EQ(glyphs[0].Alpha, Text.StartingAlpha + 2 * Text.AlphaStep);
    EXPECT_EQ(glyphs[3].Alpha, Text.StartingAlpha + Text.AlphaStep);
    // The line's end is one more step; then the empty lines pass one a step.
    for (int tick = 0; tick < 40; ++tick) glyphs = Tick();
    for (const TRecordedImageCall& glyph : glyphs) EXPECT_EQ(glyph.Alpha, Text.MaxAlpha());
    EXPECT_EQ(Text.CursorLine(), TNarrationText::RevealedLine);
}

TEST_F(NarrationText, LinesStackByVerticalSpaceAndThePenAdvancesByGlyphWidths) {
    Text.AlphaUpdateRepeat = 20;
    Text.Show(10, 50, "Wi|x", 255, 255, 255);
    const auto glyphs = Tick();
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].X, 10);
    EXPECT_EQ(glyphs[1].X,
              10 + CharWidth(fkAirstripNormal, 'W', Text.HorzSpaceAdd, Text.FontRatio));
    EXPECT_EQ(glyphs[2].X, 10);
    EXPECT_EQ(glyphs[2].Y, 50 + Text.VertSpace);
    EXPECT_FLOAT_EQ(glyphs[0].ScaleX, Text.FontRatio);
}

TEST_F(NarrationText, TextIsCutToTenLinesOfAHundredDrawableCharacters) {
    std::string text;
    for (int line = 1; line <= 13; ++line) text += "L" + std::to_string(line) + "|";
    Text.Show(0, 0, text, 255, 255, 255);
    EXPECT_EQ(Text.Line(10), "L10");
    Text.Show(0, 0, std::string(150, 'a') + "<b", 255, 255, 255);
    EXPECT_EQ(Text.Line(1), std::string(100, 'a'));
    Text.Show(0, 0, "a<b", 255, 255, 255);
    EXPECT_EQ(Text.Line(1), "ab");
}

TEST_F(NarrationText, ThreeCharactersATickShowAThreeLetterLineInOneTick) {
    Text.AlphaUpdateRepeat = 3;
    Text.Show(0, 0, "Yes", 255, 255, 255);
    EXPECT_EQ(Tick().size(), 3u);
}

TEST_F(NarrationText, CompleteShowsEverythingAndReportsCompletionOnceTheCursorHasPassed) {
    Text.Show(0, 0, "Hello there|second line", 255, 255, 255);
    Tick();
    EXPECT_FALSE(Text.Complete());
    for (int character = 1; character <= 11; ++character)
        EXPECT_EQ(Text.CharAlpha(1, character), Text.MaxAlpha());
    EXPECT_EQ(Text.CharAlpha(2, 11), Text.MaxAlpha());
    // The cursor waits on the last line until the next tick passes it.
    EXPECT_FALSE(Text.Complete());
    Tick();
    EXPECT_TRUE(Text.Complete());
    for (const TRecordedImageCall& glyph : Tick()) EXPECT_EQ(glyph.Alpha, Text.MaxAlpha());
}

TEST_F(NarrationText, VanishFadesTheWholeTextAndCharactersStillAppearingFadeDownToo) {
    Text.Show(0, 0, "abcdef", 255, 255, 255);
    Tick();
    Tick();
    Text.Vanish();
    auto glyphs = Tick();
    // The fifth and sixth appear as the fade begins and are gone at once (25 - 25).
    ASSERT_EQ(glyphs.size(), 4u);
    EXPECT_EQ(glyphs[0].Alpha, Text.StartingAlpha + 2 * Text.AlphaStep - Text.VanishingAlphaStep);
    EXPECT_EQ(Text.CharAlpha(1, 5), 0);
    EXPECT_EQ(Text.CharAlpha(1, 6), 0);
    for (int tick = 0; tick < 10; ++tick) Tick();
    EXPECT_TRUE(Text.Invisible());
    EXPECT_TRUE(Tick().empty());
}

TEST_F(NarrationText, TheTailIsReportedWhereTheNewestCharacterWasDrawn) {
    std::vector<TPoint> tails;
    Text.OnTailPosUpdate = [&tails](TPoint pos) { tails.push_back(pos); };
    Text.AlphaUpdateRepeat = 1;
    Text.Show(40, 60, "ab", 255, 255, 255);
    Tick();
    Tick();
    ASSERT_EQ(tails.size(), 2u);
    EXPECT_EQ(tails[0].X, 40);
    EXPECT_EQ(tails[1].X, 40 + CharWidth(fkAirstripNormal, 'a', Text.HorzSpaceAdd, Text.FontRatio));
    Text.Vanish();
    tails.clear();
    Tick();
    EXPECT_TRUE(tails.empty());
}

TEST_F(NarrationText, MaximumAlphaIsCappedAndReducedEffectsTypeFaster) {
    Text.SetMaxAlpha(300);
    EXPECT_EQ(Text.MaxAlpha(), 255);
    const TNarrationTiming normal{25, 1, 50};
    const TNarrationTiming reduced{75, 3, 150};
    Text.ApplyTiming(normal, reduced);
    EXPECT_EQ(Text.AlphaUpdateRepeat, 1);
    SetReducedEffectsMode(true);
    Text.ApplyTiming(normal, reduced);
    EXPECT_EQ(Text.AlphaStep, 75);
    EXPECT_EQ(Text.AlphaUpdateRepeat, 3);
    EXPECT_EQ(Text.VanishingAlphaStep, 150);
}

TEST_F(NarrationText, TheCommentFontDrawsCapitalsWithItsOwnPicture) {
    Text.FontKind = fkAirstripComment;
    Text.AlphaUpdateRepeat = 5;
    Text.Show(0, 0, "go<", 255, 255, 255);
    EXPECT_EQ(Text.Line(1), "GO");
    Text.UpdateAndDraw();
    EXPECT_EQ(Recorder.CallsOf("CommentFont").size(), 2u);
}

} // namespace
