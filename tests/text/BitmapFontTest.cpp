#include "engine/BitmapFont.h"

#include "engine/GlobalGameTextClass.h"
#include "engine/RecordingImageTarget.h"

#include <gtest/gtest.h>

namespace {

const TGameFontKind Comment = fkAirstripComment;
const TGameFontKind Normal = fkAirstripNormal;

TEST(FilterText, KeepsOnlyWhatTheFontCanDraw) {
    EXPECT_EQ(FilterText(Comment, "Time up!"), "TIME UP!");
    EXPECT_EQ(FilterText(Normal, "a < b"), "a  b");
    EXPECT_EQ(FilterText(Normal, "a<b"), "ab");
    EXPECT_EQ(FilterText(Normal, "Tab\there\r\n~@[]_"), "Tabhere");
    // Latin-1 umlauts pass both fonts; the comment font upper-cases a to z only.
    EXPECT_EQ(FilterText(Normal, "Gr\xFC\xDF"
                                 "e \xC4rger \xE9t\xE9"),
              "Gr\xFC\xDF"
              "e \xC4rger t");
    EXPECT_EQ(FilterText(Comment, "s\xFC\xDF, \xF6l?"), "S\xFC\xDF \xF6L");
    EXPECT_EQ(FilterText(Comment, "it's 3:0 - go & win"), "IT'S 3:0 - GO & WIN");
    EXPECT_EQ(FilterText(Normal, std::string(300, 'x')).size(), 255u);
}

TEST(GlyphIndex, FollowsTheTileOrderOfEachFontPicture) {
    EXPECT_EQ(GlyphIndex(Comment, 'A'), 0);
    EXPECT_EQ(GlyphIndex(Comment, 'z'), 25);
    EXPECT_EQ(GlyphIndex(Comment, '0'), 26);
    EXPECT_EQ(GlyphIndex(Comment, '\''), 36);
    EXPECT_EQ(GlyphIndex(Comment, ' '), 41);
    EXPECT_EQ(GlyphIndex(Comment, '\xC4'), 42);
    EXPECT_EQ(GlyphIndex(Comment, '\xF6'), 43);
    EXPECT_EQ(GlyphIndex(Comment, '\xFC'), 44);
    EXPECT_EQ(GlyphIndex(Comment, '\xDF'), 45);
    EXPECT_EQ(GlyphIndex(Comment, '?'), 0);

    EXPECT_EQ(GlyphIndex(Normal, 'a'), 26);
    EXPECT_EQ(GlyphIndex(Normal, '9'), 61);
    EXPECT_EQ(GlyphIndex(Normal, '!'), 62);
    EXPECT_EQ(GlyphIndex(Normal, '='), 72);
    EXPECT_EQ(GlyphIndex(Normal, '"'), 76);
    EXPECT_EQ(GlyphIndex(Normal, '|'), 81);
    EXPECT_EQ(GlyphIndex(Normal, ' '), 82);
    EXPECT_EQ(GlyphIndex(Normal, '\xC4'), 83);
    EXPECT_EQ(GlyphIndex(Normal, '\xFC'), 89);
    EXPECT_EQ(GlyphIndex(Normal, '<'), 0);
}

TEST(CharWidth, ScalesTheAdvanceAndRoundsHalvesToEven) {
    EXPECT_EQ(CharWidth(Normal, 'W', 0, 0.8f), 24);
    EXPECT_EQ(CharWidth(Normal, ' ', -1, 0.8f), 10);
    EXPECT_EQ(CharWidth(Normal, '0', 0, 0.5f), 10); // 10.5
    EXPECT_EQ(CharWidth(Normal, 'G', 0, 0.5f), 12); // 11.5
    // The ratio is single precision: 1.15 is a little less, so 10 x 1.15 gives 11.
    EXPECT_EQ(CharWidth(Normal, ',', 0, 1.15f), 11);
    EXPECT_EQ(CharWidth(Comment, 'M', 3, 0.75f), 30);
}

TEST(CharWidth, AdvanceTablesOfBothFonts) {
    const struct {
        TGameFontKind Font;
        std::string Characters;
        int Width;
    } groups[] = {
        {Normal, "!Il|", 7},
        {Normal, "'.i", 8},
        {Normal, ",1;j", 10},
        {Normal, " fr", 13},
        {Normal, "\"()*-t", 14},
        {Normal, "$5=?Sxz", 16},
        {Normal, "37hv", 17},
        {Normal, "24689EFLZenoy\xDF\xF6", 18},
        {Normal, "Tbdgkpu\xFC", 19},
        {Normal, "0CPUVX\xDC", 21},
        {Normal, "#GHN", 23},
        {Normal, "&A\xC4", 24},
        {Normal, "MOQw\xD6", 25},
        {Normal, "BKRYaq\xE4<", 20},
        {Comment, " ", 12},
        {Comment, "-1Ii", 22},
        {Comment, "57FSfs", 26},
        {Comment,
         "&ABPV\xC4\xD6\xE4\xF6"
         "a",
         31},
        {Comment, "DKOU\xDF", 33},
        {Comment, "X\xDC\xFC", 34},
        {Comment, "Ww", 44},
        {Comment, "?\"", 20},
    };
    for (const auto& group : groups)
        for (char c : group.Characters)
            EXPECT_EQ(BaseCharWidth(group.Font, c), group.Width)
                << "character " << static_cast<int>(static_cast<unsigned char>(c));
    EXPECT_EQ(TextWidth(Normal, "Ab<", 1, 1.0f), 25 + 20 + 21);
}

// Normal font, spacing 0, ratio 1: " one" is 67 pixels, " two" 70, " six" 49.
TEST(WrapText, BreaksBeforeTheWordThatWouldPassTheWidth) {
    const std::string text = "  one   two six";
    EXPECT_EQ(WrapText(Normal, text, 0, 1, 137, 1.0f), "one two");
    EXPECT_EQ(WrapText(Normal, text, 0, 2, 137, 1.0f), "six");
    EXPECT_EQ(WrapText(Normal, text, 0, 3, 137, 1.0f), "");
    EXPECT_EQ(WrapText(Normal, text, 0, 1, 136, 1.0f), "one");
    EXPECT_EQ(WrapText(Normal, text, 0, 2, 136, 1.0f), "two six");
}

TEST(WrapText, AWordWiderThanTheLineStillGetsALineOfItsOwn) {
    EXPECT_EQ(WrapText(Normal, "one two", 0, 1, 50, 1.0f), "");
    EXPECT_EQ(WrapText(Normal, "one two", 0, 2, 50, 1.0f), "one");
    EXPECT_EQ(WrapText(Normal, "one two", 0, 3, 50, 1.0f), "two");
}

TEST(WrapText, LineTwentyTakesTheRestAndOtherLinesAreEmpty) {
    std::string text;
    for (int word = 1; word <= 30; ++word) text += "w" + std::to_string(word) + " ";
    EXPECT_EQ(WrapText(Normal, text, 0, 19, 10, 1.0f), "w18");
    EXPECT_EQ(WrapText(Normal, text, 0, 20, 10, 1.0f),
              "w19 w20 w21 w22 w23 w24 w25 w26 w27 w28 w29 w30");
    EXPECT_EQ(WrapText(Normal, text, 0, 0, 10, 1.0f), "");
    EXPECT_EQ(WrapText(Normal, text, 0, 21, 10, 1.0f), "");
    EXPECT_EQ(WrapText(Normal, "", 0, 1, 100, 1.0f), "");
}

TEST(WrapText, TakesAtMost199WordsOfAtMost50Characters) {
    std::string text;
    for (int word = 0; word < 250; ++word) text += "a ";
    const std::string line = WrapText(Normal, text, 0, 1, 1000000, 1.0f);
    EXPECT_EQ(std::count(line.begin(), line.end(), 'a'), 199);
    EXPECT_EQ(WrapText(Normal, std::string(60, 'b') + " c", 0, 1, 1000000, 1.0f),
              std::string(50, 'b') + " c");
}

class GlobalGameTextTest : public testing::Test {
protected:
    void SetUp() override { SetMainImageTarget(&target); }
    void TearDown() override { SetMainImageTarget(nullptr); }
    TRecordingImageTarget target;
    TGlobalGameText text;
};

TEST_F(GlobalGameTextTest, FirstGlyphIsCentredOnThePointAndTheRestFollowAtTheirAdvances) {
    text.DrawText(100, 50, "A<b", 1.0f, 0, 200, 0, 1);
    ASSERT_EQ(target.Calls.size(), 2u);
    const auto& first = target.Calls[0];
    EXPECT_EQ(first.Name, "GlobalFontWhite");
    EXPECT_EQ(first.X, 100 - 10); // round(9.5) = 10
    EXPECT_EQ(first.Y, 50 - 12);
    EXPECT_EQ(first.PatternIndex, 0);
    EXPECT_EQ(first.Alpha, 200);
    EXPECT_EQ(first.Color & 0xFFFFFF, 0xFFFF00u);
    EXPECT_FLOAT_EQ(first.ScaleX, 1.0f);
    EXPECT_EQ(first.CenterX, 0.0f);
    EXPECT_EQ(target.Calls[1].X, 90 + 24);
    EXPECT_EQ(target.Calls[1].PatternIndex, 27);
}

TEST_F(GlobalGameTextTest, StopsBeforeTheGlyphThatWouldPassMaxWidth) {
    text.DrawText(0, 0, "WWWW", 1.0f, 0, 255, 100, 0);
    EXPECT_EQ(target.Calls.size(), 3u);
    target.Clear();
    text.DrawText(0, 0, "WWWW", 1.0f, 0, 255, 0, 0);
    EXPECT_EQ(target.Calls.size(), 4u);
    target.Clear();
    text.DrawText(0, 0, "WWWW", 0.0f, 0, 255, 0, 0);
    text.DrawText(0, 0, "WWWW", -1.0f, 0, 255, 0, 0);
    EXPECT_TRUE(target.Calls.empty());
}

TEST_F(GlobalGameTextTest, ColourKindsAndScaledCells) {
    const uint32_t colours[] = {0xFFFFFF, 0xFFFF00, 0xFF0000, 0x000000, 0xFFFFFF};
    const int kinds[] = {0, 1, 2, 3, 9};
    for (int i = 0; i < 5; ++i) {
        target.Clear();
        text.DrawText(20, 10, "x", 0.8f, -1, 255, 0, kinds[i]);
        ASSERT_EQ(target.Calls.size(), 1u);
        EXPECT_EQ(target.Calls[0].Color & 0xFFFFFF, colours[i]) << "kind " << kinds[i];
    }
    // 0.8 / 2 x 19 = 7.6 and 0.8 / 2 x 24 = 9.6.
    EXPECT_EQ(target.Calls[0].X, 20 - 8);
    EXPECT_EQ(target.Calls[0].Y, 10 - 10);
}

TEST_F(GlobalGameTextTest, MeasuresFilteredTextAndTakesTheTileSizeOfItsPicture) {
    EXPECT_EQ(text.TextWidth("a<b", 0, 1.0f), 20 + 19);
    target.TileSizes["GlobalFontWhite"] = {38, 48};
    text.TakeFontSize();
    EXPECT_EQ(text.OrigLetterWidth, 38);
    EXPECT_EQ(text.OrigLetterHeight, 48);
}

} // namespace
