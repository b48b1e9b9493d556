// Buttons, check boxes, bars and windows: every caption the player clicks is part of its
// picture, in English.
#include "Catalog.h"
#include "Style.h"
#include "TextArt.h"
#include "UiKit.h"

#include <cmath>
#include <string>

namespace {

struct TButtonPicture {
    const char* Name;
    const char* Caption;
    TButtonLook Look;
};

// A button's pattern 0 is its normal look; a second tile, where the layout has one, is the
// disabled look.
const TButtonPicture Buttons[] = {
    {"PlayButton", "Play", TButtonLook::Gold},
    {"OptionsButton", "Options", TButtonLook::Wood},
    {"HighScoresButton", "High Scores", TButtonLook::Wood},
    {"ExitButton", "Exit", TButtonLook::Coral},
    {"HelpButton", "Help", TButtonLook::Wood},
    {"NameListNewButton", "New", TButtonLook::Sea},
    {"NameListDeleteButton", "Delete", TButtonLook::Coral},
    {"MapMenuButton", "Menu", TButtonLook::Wood},
    {"BookPlayButton", "Play", TButtonLook::Gold},
    {"InGameMenuButton", "Menu", TButtonLook::Wood},
    {"InGameResumeButton", "Resume", TButtonLook::Gold},
    {"InGameRestartButton", "Restart", TButtonLook::Wood},
    {"InGameOptionsButton", "Options", TButtonLook::Wood},
    {"InGameHelpButton", "Help", TButtonLook::Wood},
    {"InGameToMenuButton", "Main Menu", TButtonLook::Coral},
    {"CreditsButton", "Credits", TButtonLook::Sea},
    {"WindowDoneButton", "Done", TButtonLook::Gold},
    {"TutorialOKButton", "OK", TButtonLook::Gold},
    {"StorySkipButton", "Skip", TButtonLook::Sea},
    {"WindowYesButton", "Yes", TButtonLook::Gold},
    {"WindowOKButton", "OK", TButtonLook::Gold},
    {"WindowNoButton", "No", TButtonLook::Coral},
    {"WindowCancelButton", "Cancel", TButtonLook::Coral},
    {"BuySlotBuyButton", "Buy", TButtonLook::Gold},
};

void DrawButtonTile(const TTile& t, const TButtonPicture& button) {
    if (t.Pattern == 0)
        DrawButton(t.cr, 0, 0, t.W, t.H, button.Caption, button.Look);
    else
        DrawDisabledButton(t.cr, 0, 0, t.W, t.H, button.Caption, button.Look);
}

// Check boxes: 0 off, 1 off and hovered, 2 on, 3 on and hovered.
void DrawCheckBox(const TTile& t, const char* caption) {
    cairo_t* cr = t.cr;
    const bool on = t.Pattern >= 2, hovered = t.Pattern % 2 == 1;
    const double box = t.H - 5;
    if (hovered) PaintGlow(cr, 2 + box / 2, 2 + box / 2, box * 0.9, {1, 0.95, 0.6, 0.8});
    TGloss gloss;
    gloss.Shadow = 1.5;
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, 2, 1.5, box, box, 5); }, Lighter(Palette::Sand, 0.3),
        gloss);
    RoundedRect(cr, 2, 1.5, box, box, 5);
    SetColor(cr, Palette::Wood);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (on) {
        cairo_move_to(cr, 7, box * 0.55);
        cairo_line_to(cr, box * 0.45, box - 3);
        cairo_line_to(cr, box + 4, 1);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetColor(cr, Hex("1B5E20"));
        cairo_set_line_width(cr, 5.5);
        cairo_stroke_preserve(cr);
        SetColor(cr, Hex("66E05A"));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    TCaptionStyle style;
    style.Fill = hovered ? Hex("FFE07A") : Palette::White;
    style.OutlineWidth = 2;
    const double textLeft = box + 10;
    const double width = CaptionWidth(cr, caption, t.H * 0.52);
    DrawCaption(cr, caption, textLeft + std::min(width, t.W - textLeft - 2) / 2, t.H / 2 - 1,
                t.H * 0.52, style, t.W - textLeft - 2);
}

void DrawRoundButton(const TTile& t, bool plus) {
    cairo_t* cr = t.cr;
    const bool pressed = t.Pattern == 1;
    const double c = t.W / 2, drop = pressed ? 1 : 0;
    TGloss gloss;
    gloss.Shadow = pressed ? 0.8 : 1.8;
    PaintGlossy(
        cr, [&](cairo_t* k) { Ellipse(k, c - 1, c - 1 + drop, c - 3, c - 3); },
        pressed ? Darker(Palette::Wood, 0.15) : Palette::Wood, gloss);
    cairo_move_to(cr, c - 8, c - 1 + drop);
    cairo_line_to(cr, c + 6, c - 1 + drop);
    if (plus) {
        cairo_move_to(cr, c - 1, c - 8 + drop);
        cairo_line_to(cr, c - 1, c + 6 + drop);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, Darker(Palette::Wood, 0.55));
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
}

// Top half the disabled (grey) fill, bottom half the enabled (sea blue) fill.
void DrawVolumeFill(const TTile& t) {
    const double half = t.H / 2;
    for (int row = 0; row < 2; ++row) {
        const TColor color = row == 0 ? Hex("A7ADB3") : Hex("2F9BF0");
        RoundedRect(t.cr, 0, row * half, t.W, half, half / 2);
        FillLinear(t.cr, 0, row * half, 0, (row + 1) * half,
                   {{0, Lighter(color, 0.45)}, {1, Darker(color, 0.1)}});
    }
}

void DrawVolumeGlass(const TTile& t) {
    DrawGlass(t.cr, 0.75, 0.75, t.W - 1.5, t.H - 1.5, t.H / 2);
}

// Windows that slide in: a sand panel in a wooden frame with a crest in the top-left corner,
// leaving the middle free for the texts and buttons the game places on it.
void DrawWindow(const TTile& t, TCrestIcon icon) {
    DrawFramedPanel(t.cr, 4, 4, t.W - 10, t.H - 10, 12, 22);
    DrawCrest(t.cr, 36, 36, 24, icon);
}

void DrawConfirmWindow(const TTile& t) {
    DrawFramedPanel(t.cr, 3, 3, t.W - 8, t.H - 8, 10, 18);
    DrawRibbon(t.cr, 26, 16, t.W - 56, 30, Hex("2F8FE0"));
}

void DrawScreenDarken(const TTile& t) {
    cairo_rectangle(t.cr, 0, 0, t.W, t.H);
    FillRadial(t.cr, t.W / 2, t.H / 2, t.H * 0.2, t.W * 0.62,
               {{0, {0.02, 0.08, 0.16, 0.45}}, {1, {0.02, 0.06, 0.12, 0.72}}});
}

void DrawChangePlayerLink(const TTile& t) {
    TCaptionStyle style;
    style.Fill = Hex("FFE07A");
    style.OutlineWidth = 2;
    DrawCaption(t.cr, "Change player", t.W / 2, t.H / 2 - 2, t.H * 0.62, style, t.W - 6);
    const double width = std::min(CaptionWidth(t.cr, "Change player", t.H * 0.62), t.W - 6);
    cairo_move_to(t.cr, t.W / 2 - width / 2, t.H - 3);
    cairo_line_to(t.cr, t.W / 2 + width / 2, t.H - 3);
    SetColor(t.cr, Hex("FFE07A"));
    cairo_set_line_width(t.cr, 1.5);
    cairo_stroke(t.cr);
}

void DrawSelectionBar(const TTile& t) {
    RoundedRect(t.cr, 1, 1, t.W - 2, t.H - 2, t.H / 2 - 1);
    FillLinear(t.cr, 0, 0, 0, t.H, {{0, {1, 0.9, 0.5, 0.95}}, {1, {0.95, 0.65, 0.15, 0.95}}}, true);
    cairo_set_source_rgba(t.cr, 1, 1, 1, 0.8);
    cairo_set_line_width(t.cr, 1.5);
    cairo_stroke(t.cr);
}

void DrawHighScoreLine(const TTile& t) {
    RoundedRect(t.cr, 2, 4, t.W - 4, t.H - 8, (t.H - 8) / 2);
    cairo_set_source_rgba(t.cr, 0.55, 0.35, 0.15, 0.22);
    cairo_fill(t.cr);
    PaintGlossy(t.cr, [&](cairo_t* c) { Star(c, 16, t.H / 2, 9, 4, 5); }, Palette::Gold, {});
}

// ---- The loading bar of the splash screen ----

void DrawLoadingBarBG(const TTile& t) {
    DrawWoodBoard(t.cr, 3, 3, t.W - 8, t.H - 8, 16);
    RoundedRect(t.cr, 90, 7, 346, 32, 15);
    SetColor(t.cr, Hex("3B2412"));
    cairo_fill(t.cr);
    for (const double x : {40.0, t.W - 44})
        PaintGlossy(t.cr, [&](cairo_t* c) { Star(c, x, t.H / 2 - 2, 14, 6, 5, 0, 0.4); },
                    Hex("FF6F61"), {});
}

void DrawLoadingBarFill(const TTile& t) {
    RoundedRect(t.cr, 0, 0, t.W, t.H, t.H / 2);
    FillLinear(t.cr, 0, 0, 0, t.H, {{0, Hex("FFF3A0")}, {0.5, Hex("F6C343")}, {1, Hex("E08A1E")}});
    for (double x = -t.H; x < t.W; x += 22) {
        cairo_move_to(t.cr, x, t.H);
        cairo_line_to(t.cr, x + t.H, 0);
        cairo_line_to(t.cr, x + t.H + 9, 0);
        cairo_line_to(t.cr, x + 9, t.H);
        cairo_close_path(t.cr);
    }
    cairo_set_source_rgba(t.cr, 1, 1, 1, 0.22);
    cairo_fill(t.cr);
}

void DrawLoadingBarText(const TTile& t) {
    TCaptionStyle style;
    style.OutlineWidth = 2;
    DrawCaption(t.cr, t.Pattern == 0 ? "Loading..." : "Click to play", t.W / 2, t.H / 2, t.H * 0.62,
                style, t.W - 4);
}

} // namespace

void AddWidgetArt(TCatalog& catalog) {
    for (const TButtonPicture& button : Buttons)
        catalog.Add(button.Name, [&button](const TTile& t) { DrawButtonTile(t, button); });
    catalog.Add("CheckBoxSound", [](const TTile& t) { DrawCheckBox(t, "Sound"); });
    catalog.Add("CheckBoxMusic", [](const TTile& t) { DrawCheckBox(t, "Music"); });
    catalog.Add("CheckBoxFullscreen", [](const TTile& t) { DrawCheckBox(t, "Full screen"); });
    catalog.Add("CheckBoxTutorial", [](const TTile& t) { DrawCheckBox(t, "Tutorial"); });
    catalog.Add("VolumeMinusButton", [](const TTile& t) { DrawRoundButton(t, false); });
    catalog.Add("VolumePlusButton", [](const TTile& t) { DrawRoundButton(t, true); });
    catalog.Add("VolumeFill", DrawVolumeFill);
    catalog.Add("VolumeGlass", DrawVolumeGlass);
    catalog.Add("ConfirmWindow", DrawConfirmWindow);
    catalog.Add("OptionsWindow", [](const TTile& t) { DrawWindow(t, TCrestIcon::Gear); });
    catalog.Add("InGameMenuWindow", [](const TTile& t) { DrawWindow(t, TCrestIcon::Anchor); });
    catalog.Add("NameListWindow", [](const TTile& t) { DrawWindow(t, TCrestIcon::Wheel); });
    catalog.Add("AddNameWindow", [](const TTile& t) {
        DrawWindow(t, TCrestIcon::Quill);
        // The name field.
        RoundedRect(t.cr, 50, 92, t.W - 100, 40, 10);
        cairo_set_source_rgba(t.cr, 1, 1, 1, 0.75);
        cairo_fill_preserve(t.cr);
        SetColor(t.cr, Palette::Wood);
        cairo_set_line_width(t.cr, 2);
        cairo_stroke(t.cr);
    });
    catalog.Add("HighScoresWindow", [](const TTile& t) { DrawWindow(t, TCrestIcon::Trophy); });
    catalog.Add("ResultsWindow", [](const TTile& t) { DrawWindow(t, TCrestIcon::Laurel); });
    catalog.Add("CreditsWindow", [](const TTile& t) { DrawWindow(t, TCrestIcon::Scroll); });
    catalog.Add("ScreenDarken", DrawScreenDarken);
    catalog.Add("ChangePlayerLink", DrawChangePlayerLink);
    catalog.Add("NameListSelection", DrawSelectionBar);
    catalog.Add("HighScoreLine", DrawHighScoreLine);
    catalog.Add("LoadingBarBG", DrawLoadingBarBG);
    catalog.Add("LoadingBarFill", DrawLoadingBarFill);
    catalog.Add("LoadingBarGlass",
                [](const TTile& t) { DrawGlass(t.cr, 1, 1, t.W - 2, t.H - 2, t.H / 2 - 1); });
    catalog.Add("LoadingBarText", DrawLoadingBarText);
}
