// The question window: where its parts and texts land, which texts each question takes, and
// how an answer travels out.
#include "TempFolder.h"
#include "WidgetTestKit.h"
#include "engine/BitmapFont.h"
#include "engine/GameConfirmWindowClass.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/TextStringsClass.h"

#include <memory>

namespace {

constexpr float TitleRatio = 0.85f;
constexpr float LineRatio = 0.6f;

class GameConfirmWindowTest : public WidgetTest {
protected:
    GameConfirmWindowTest() {
        AddPicture("ConfirmWindow", 1, 1, 424, 190);
        AddPicture("GlobalFontWhite", 28, 4, 19, 24);
        for (const char* name : {"WindowYesButton", "WindowOKButton", "WindowNoButton"})
            AddPicture(name, 1, 1, 128, 45);
        AddPicture("WindowCancelButton", 1, 2, 128, 45);
        std::string lines;
        for (int line = 1; line <= 24; ++line) lines += "Line " + std::to_string(line) + "\n";
        folder.Write("GameConfirms.txt", lines);
        testing::internal::CaptureStderr(); // the other tables are missing here
        strings = std::make_unique<TTextStrings>(folder.Path());
        testing::internal::GetCapturedStderr();

        confirm.Left = 480;
        confirm.Top = 290;
        confirm.OmgImgList = &list;
        confirm.GlobGameText = &text;
        confirm.TextStringsComp = strings.get();
        confirm.CreateParts();
        confirm.TakeSize();
        confirm.OnPositiveButtonClick = [this] { events += "yes "; };
        confirm.OnNegativeButtonClick = [this] { events += "no "; };
        confirm.OnHidingComplete = [this](bool answer) {
            events += answer ? "gone(yes) " : "gone(no) ";
        };
    }
    // Ticks until the window is in place; the last frame.
    std::vector<TDrawnPicture> ShowAndSettle(int kind) {
        confirm.Show(kind, pbYes, nbNo);
        std::vector<TDrawnPicture> drawn;
        for (int tick = 0; tick < 20 && confirm.Window().State() != mwsShown; ++tick)
            drawn = Frame([this] { confirm.Draw(); });
        return drawn;
    }
    void Click(int x, int y) {
        confirm.Hover(x, y);
        confirm.Press(x, y, mbLeft);
        confirm.Release(x, y);
    }
    // The first glyph of a text drawn at ratio: where DrawText was asked to put it.
    static TPoint TextOrigin(const TDrawnPicture& glyph, float ratio) {
        return {glyph.X + RoundHalfEven(ratio / 2 * 19), glyph.Y + RoundHalfEven(ratio / 2 * 24)};
    }
    static int Width(const std::string& line, float ratio) {
        return TextWidth(fkAirstripNormal, line, -1, ratio);
    }

    TTempFolder folder{"confirm"};
    std::unique_ptr<TTextStrings> strings;
    TGlobalGameText text;
    TGameConfirmWindow confirm;
    std::string events;
};

TEST_F(GameConfirmWindowTest, DropsInWithButtonsAndCentredTexts) {
    const auto drawn = ShowAndSettle(2); // title 11, one line 12
    const auto window = Only(drawn, "ConfirmWindow");
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(window[0].X, 480);
    EXPECT_EQ(window[0].Y, 290);
    const auto yes = Only(drawn, "WindowYesButton");
    const auto no = Only(drawn, "WindowNoButton");
    ASSERT_EQ(yes.size(), 1u);
    ASSERT_EQ(no.size(), 1u);
    EXPECT_EQ((TPoint{yes[0].X, yes[0].Y}), (TPoint{480 + 69, 290 + 135}));
    EXPECT_EQ((TPoint{no[0].X, no[0].Y}), (TPoint{480 + 227, 290 + 135}));

    const auto glyphs = Only(drawn, "GlobalFontWhite");
    ASSERT_EQ(glyphs.size(), 14u); // "Line 11" and "Line 12"
    const TDrawnPicture& title = glyphs.front();
    EXPECT_EQ(TextOrigin(title, TitleRatio),
              (TPoint{480 + 40 + (350 - Width("Line 11", TitleRatio)) / 2, 290 + 27}));
    EXPECT_EQ(title.Rgb, DeviceBlack);
    const TDrawnPicture& line = glyphs[7];
    EXPECT_EQ(TextOrigin(line, LineRatio),
              (TPoint{480 + 26 + (370 - Width("Line 12", LineRatio)) / 2, 290 + 85}));
    EXPECT_EQ(line.Rgb, DeviceWhite);
}

TEST_F(GameConfirmWindowTest, TwoLinesSitAHalfGapAboveAndBelowAndNoLinesAreNone) {
    const auto glyphs = Only(ShowAndSettle(3), "GlobalFontWhite"); // 18, 19, 20
    ASSERT_EQ(glyphs.size(), 21u);
    const TPoint first = TextOrigin(glyphs[7], LineRatio);
    const TPoint second = TextOrigin(glyphs[14], LineRatio);
    EXPECT_EQ(first, (TPoint{480 + 26 + (370 - Width("Line 19", LineRatio)) / 2, 290 + 85 - 13}));
    EXPECT_EQ(second, (TPoint{first.X, 290 + 85 + 13}));
    // A question without texts (kind 5) still comes up, with its two buttons.
    const auto bare = ShowAndSettle(5);
    EXPECT_TRUE(Only(bare, "GlobalFontWhite").empty());
    EXPECT_EQ(bare.size(), 3u);
}

TEST_F(GameConfirmWindowTest, AnAnswerHidesTheWindowAndArrivesWhenItHasGone) {
    ShowAndSettle(2);
    Click(480 + 227 + 10, 290 + 135 + 10); // No
    EXPECT_EQ(events, "no ");
    EXPECT_FALSE(confirm.Answer());
    EXPECT_EQ(confirm.Window().State(), mwsHiding);
    Frame([this] { confirm.Draw(); });
    Click(480 + 69 + 10, 290 - 85 + 135 + 10); // Yes, on its way up: too late
    EXPECT_FALSE(confirm.Answer());
    for (int tick = 0; tick < 20 && confirm.Window().State() != mwsHidden; ++tick)
        Frame([this] { confirm.Draw(); });
    EXPECT_EQ(events, "no gone(no) ");

    // Asked again with OK and Cancel: the buttons change their pictures, and OK answers yes.
    events.clear();
    confirm.Show(8, pbOK, nbCancel);
    for (int tick = 0; tick < 20 && confirm.Window().State() != mwsShown; ++tick)
        Frame([this] { confirm.Draw(); });
    EXPECT_EQ(confirm.PositiveButton().ImageName, "WindowOKButton");
    EXPECT_EQ(confirm.NegativeButton().ImageName, "WindowCancelButton");
    Click(480 + 69 + 10, 290 + 135 + 10);
    EXPECT_TRUE(confirm.Answer());
    for (int tick = 0; tick < 20 && confirm.Window().State() != mwsHidden; ++tick)
        Frame([this] { confirm.Draw(); });
    EXPECT_EQ(events, "yes gone(yes) ");
}

} // namespace
