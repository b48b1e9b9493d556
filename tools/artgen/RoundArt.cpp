// The round display around the board: tube timer, objective panel, gathering slots, score,
// side panels, the energy tube, medals and pop-up labels.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"
#include "TextArt.h"
#include "UiKit.h"

#include <cmath>
#include <string>

namespace {

// ---- Tube timer ----

void DrawTubeTimer(const TTile& t) {
    cairo_t* cr = t.cr;
    // Wooden stand with a brass cap; the glass column keeps x 94..116, y 53..358 clear.
    DrawWoodBoard(cr, 70, 20, 64, 370, 18);
    PaintGlossy(cr, [](cairo_t* c) { RoundedRect(c, 82, 30, 46, 18, 8); }, Palette::Gold, {});
    PaintGlossy(cr, [](cairo_t* c) { RoundedRect(c, 82, 362, 46, 22, 8); }, Palette::Gold, {});
    RoundedRect(cr, 91, 50, 28, 312, 12);
    SetColor(cr, Hex("1C3550"));
    cairo_fill(cr);
    // Scale marks beside the glass.
    for (int i = 0; i <= 10; ++i) {
        cairo_move_to(cr, 76, 56 + i * 30);
        cairo_line_to(cr, i % 5 == 0 ? 88 : 84, 56 + i * 30);
    }
    SetColor(cr, Hex("F3D9A4"));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // An hourglass sign on the cap.
    PaintGlossy(cr, [](cairo_t* c) { Ellipse(c, 104, 22, 17, 17); }, Hex("2F8FE0"), {});
    cairo_move_to(cr, 97, 13);
    cairo_line_to(cr, 111, 13);
    cairo_line_to(cr, 97, 31);
    cairo_line_to(cr, 111, 31);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void DrawTubeEnergy(const TTile& t) {
    cairo_rectangle(t.cr, 0, 0, t.W, t.H);
    FillLinear(t.cr, 0, 0, t.W, 0, {{0, Hex("2E9E4F")}, {0.35, Hex("8DF07A")}, {1, Hex("1F7A3A")}});
    TArtRandom random(17);
    for (int i = 0; i < 14; ++i) {
        cairo_arc(t.cr, random.Range(4, t.W - 4), random.Range(4, t.H - 4), random.Range(1, 2.5), 0,
                  2 * M_PI);
        cairo_set_source_rgba(t.cr, 1, 1, 1, 0.5);
        cairo_fill(t.cr);
    }
}

void DrawTubeMask(const TTile& t) {
    if (t.Pattern == 0) {
        DrawGlass(t.cr, 0.5, 0.5, t.W - 1, t.H - 1, t.W / 2 - 1);
        return;
    }
    RoundedRect(t.cr, 0, 0, t.W, t.H, t.W / 2);
    cairo_set_source_rgba(t.cr, 1, 0.2, 0.15, 0.45);
    cairo_fill(t.cr);
}

void DrawSmallBubble(const TTile& t) {
    DrawBubble(t.cr, t.W / 2, t.H / 2, t.W / 2 - (t.Pattern == 0 ? 0.5 : 2.5));
}

// ---- Objective panel ----

void DrawObjInfoShadow(const TTile& t) {
    cairo_rectangle(t.cr, 0, 0, t.W, t.H);
    FillRadial(t.cr, t.W / 2, t.H / 2, 0, t.W / 2,
               {{0, {0.02, 0.08, 0.16, 0.75}},
                {0.6, {0.02, 0.08, 0.16, 0.5}},
                {1, {0.02, 0.08, 0.16, 0}}});
}

void DrawObjInfoLogo(const TTile& t) {
    cairo_t* cr = t.cr;
    const double cx = t.W / 2, cy = t.H / 2;
    if (t.Pattern == 0) {
        // A basket of fruit.
        DrawElement(cr, 1, cx - 26, cy - 16, 46);
        DrawElement(cr, 3, cx + 24, cy - 18, 44);
        DrawElement(cr, 7, cx - 2, cy - 24, 44);
        TGloss gloss;
        gloss.Shadow = 3;
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, cx - 56, cy - 6);
                cairo_line_to(c, cx + 56, cy - 6);
                cairo_line_to(c, cx + 42, cy + 44);
                cairo_line_to(c, cx - 42, cy + 44);
                cairo_close_path(c);
            },
            Hex("C98B4E"), gloss);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, cx - 52 + i * 2, cy + 8 + i * 13);
            cairo_line_to(cr, cx + 52 - i * 2, cy + 8 + i * 13);
        }
        SetColor(cr, WithAlpha(Darker(Hex("C98B4E"), 0.4), 0.7));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        return;
    }
    // A boss crest: a shield with crossed claws.
    TGloss gloss;
    gloss.Shadow = 3;
    PaintGlossy(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, cx - 42, cy - 44);
            cairo_line_to(c, cx + 42, cy - 44);
            cairo_curve_to(c, cx + 44, cy + 10, cx + 20, cy + 40, cx, cy + 50);
            cairo_curve_to(c, cx - 20, cy + 40, cx - 44, cy + 10, cx - 42, cy - 44);
            cairo_close_path(c);
        },
        Hex("8E44AD"), gloss);
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, cx + side * (-20 + i * 8), cy - 28 + i * 2);
            cairo_curve_to(cr, cx + side * (-8 + i * 8), cy - 4, cx + side * (4 + i * 6), cy + 12,
                           cx + side * (14 + i * 6), cy + 26);
        }
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void DrawPopTitle(const TTile& t, const char* normal, const char* boss, TColor ribbon) {
    DrawRibbon(t.cr, 2, 4, t.W - 4, t.H - 12, ribbon);
    TCaptionStyle style;
    style.OutlineWidth = 2.5;
    DrawCaption(t.cr, t.Pattern == 0 ? normal : boss, t.W / 2, t.H / 2 - 4, t.H * 0.42, style,
                t.W - 50);
}

// ---- Gathering display ----

void DrawSlotIcon(cairo_t* cr, int slot, double cx, double cy, double size) {
    if (slot < 2)
        DrawElement(cr, FirstPotionCode + slot, cx, cy, size);
    else if (slot < 10)
        DrawElement(cr, slot - 1, cx, cy, size);
    else if (slot < 14)
        DrawElement(cr, FirstFlowerCode + slot - 10, cx, cy, size);
    else if (slot == 14)
        DrawSpiderIcon(cr, cx, cy, size);
    else
        DrawGoldTile(cr, 1, slot == 16, cx, cy, size);
}

void DrawElementsPanel(const TTile& t) {
    DrawWoodBoard(t.cr, 6, 8, t.W - 12, t.H - 22, 14);
    for (const double x : {30.0, t.W - 30})
        for (const double y : {20.0, t.H - 26})
            PaintGlossy(t.cr, [&](cairo_t* c) { Ellipse(c, x, y, 4, 4); }, Palette::Gold, {});
}

// Slot pieces: 0 first, 1 middle, 2 last, 3 single.
void DrawElementPanelPiece(const TTile& t) {
    cairo_t* cr = t.cr;
    const bool roundLeft = t.Pattern == 0 || t.Pattern == 3;
    const bool roundRight = t.Pattern == 2 || t.Pattern == 3;
    const double x0 = roundLeft ? 6 : 0, x1 = roundRight ? t.W - 6 : t.W;
    cairo_save(cr);
    cairo_rectangle(cr, x0, 6, x1 - x0, t.H - 14);
    cairo_clip(cr);
    DrawFramedPanel(cr, roundLeft ? x0 : -20, 6,
                    (roundRight ? x1 : t.W + 20) - (roundLeft ? x0 : -20), t.H - 14, 7, 14);
    cairo_restore(cr);
    // The hollow the icon sits in.
    RoundedRect(cr, t.W / 2 - 26, 17, 52, 52, 12);
    cairo_set_source_rgba(cr, 0.55, 0.35, 0.15, 0.22);
    cairo_fill(cr);
}

void DrawDigit(const TTile& t, TColor fill, TColor outline) {
    TCaptionStyle style;
    style.Fill = fill;
    style.Outline = outline;
    style.OutlineWidth = std::max(1.5, t.H * 0.08);
    style.ShadowY = 1;
    DrawCaption(t.cr, std::to_string(t.Pattern), t.W / 2, t.H / 2, t.H * 0.78, style, t.W);
}

// A rolling digit: a soft vertical smear of three strengths.
void DrawDigitBlur(const TTile& t, TColor fill) {
    const double strength = 0.4 + 0.3 * t.Pattern;
    for (int i = -3; i <= 3; ++i) {
        RoundedRect(t.cr, t.W * 0.2, t.H * 0.15 + i * strength * 2.5, t.W * 0.6, t.H * 0.7,
                    t.W * 0.25);
        SetColor(t.cr, WithAlpha(fill, 0.16));
        cairo_fill(t.cr);
    }
}

// ---- Side panels ----

void DrawLeftPanel(const TTile& t) {
    cairo_t* cr = t.cr;
    DrawWoodBoard(cr, 0, -20, t.W - 4, t.H + 14, 22);
    // The island and level sign on top, the energy slot and the tool hooks below.
    RoundedRect(cr, 10, 12, t.W - 24, 52, 12);
    SetColor(cr, Hex("F3E2BE"));
    cairo_fill(cr);
    RoundedRect(cr, 4, 74, 36, 522, 14);
    SetColor(cr, Hex("3B2412"));
    cairo_fill(cr);
    RoundedRect(cr, 42, 74, 84, 522, 12);
    SetColor(cr, Hex("6B4320"));
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, 84, 92 + i * 86, 4, 0, 2 * M_PI);
        SetColor(cr, Hex("C9CED6"));
        cairo_fill(cr);
    }
}

void DrawTopPanel(const TTile& t) {
    cairo_t* cr = t.cr;
    for (const double x : {40.0, t.W - 40}) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 16);
    }
    SetColor(cr, Hex("C9A66B"));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    DrawFramedPanel(cr, 4, 12, t.W - 10, t.H - 18, 7, 14);
}

void DrawBottomPanel(const TTile& t) {
    DrawFramedPanel(t.cr, 4, 4, t.W - 10, t.H - 10, 8, 18);
    PaintGlossy(t.cr, [&](cairo_t* c) { Star(c, 28, t.H / 2, 13, 6, 5, 0, 0.3); }, Palette::Gold,
                {});
}

void DrawEnergyBar(const TTile& t) {
    RoundedRect(t.cr, 1, 1, t.W - 2, t.H - 2, t.W / 2 - 1);
    SetColor(t.cr, Hex("1C3550"));
    cairo_fill_preserve(t.cr);
    SetColor(t.cr, Palette::Gold);
    cairo_set_line_width(t.cr, 3);
    cairo_stroke(t.cr);
    // Marks of the three tool levels: 30 %, 60 % and full.
    for (const double share : {0.3, 0.6, 1.0}) {
        const double y = t.H - 14 - (t.H - 28) * share;
        PaintGlossy(t.cr, [&](cairo_t* c) { Star(c, t.W / 2, y, 7, 3, 4); }, Hex("FFF3B0"), {});
    }
}

void DrawMannaEnergy(const TTile& t) {
    const TColor base = t.Pattern == 0 ? Hex("2F9BF0") : Hex("7FE6FF");
    RoundedRect(t.cr, 0, 0, t.W, t.H, t.W / 2);
    FillLinear(t.cr, 0, 0, t.W, 0,
               {{0, Darker(base, 0.2)}, {0.4, Lighter(base, 0.45)}, {1, Darker(base, 0.3)}});
}

void DrawMannaWave(const TTile& t) {
    const double phase = 2 * M_PI * t.Pattern / 6;
    cairo_move_to(t.cr, 0, t.H);
    for (double x = 0; x <= t.W; x += 1)
        cairo_line_to(t.cr, x, t.H * 0.45 + 2.5 * std::sin(phase + x * 0.45));
    cairo_line_to(t.cr, t.W, t.H);
    cairo_close_path(t.cr);
    SetColor(t.cr, Hex("BDF1FF"));
    cairo_fill(t.cr);
}

void DrawShine(const TTile& t) {
    const double c = t.W / 2;
    PaintGlow(t.cr, c, c, c, {1, 1, 0.8, 0.8});
    PaintFlat(
        t.cr, [&](cairo_t* k) { Star(k, c, c, c - 4, 6, 8); }, {1, 1, 0.9, 0.9}, Palette::Gold, 0);
}

void DrawEnergyBonus(const TTile& t) {
    TCaptionStyle style;
    style.Fill = Hex("7FE6FF");
    style.Outline = Hex("0D3B66");
    style.OutlineWidth = 3;
    const std::string text = "Energy " + std::string(t.Pattern + 1, '+');
    DrawCaption(t.cr, text, t.W / 2, t.H / 2, t.H * 0.5, style, t.W - 8);
}

void DrawPaused(const TTile& t) {
    DrawFramedPanel(t.cr, 2, 2, t.W - 6, t.H - 6, 6, 14);
    TCaptionStyle style;
    style.OutlineWidth = 2.5;
    DrawCaption(t.cr, "Paused", t.W / 2, t.H / 2 - 1, t.H * 0.4, style, t.W - 24);
}

void DrawMedal(const TTile& t) {
    cairo_t* cr = t.cr;
    const TColor metals[] = {Hex("CD7F32"), Hex("C0C8D0"), Hex("F6C343")};
    const TColor metal = metals[t.Pattern];
    const double c = t.W / 2;
    // Ribbon tails, then the medal with its star.
    for (int side = -1; side <= 1; side += 2)
        PaintFlat(
            cr,
            [&](cairo_t* k) {
                cairo_move_to(k, c + side * 10, c);
                cairo_line_to(k, c + side * 44, c + 72);
                cairo_line_to(k, c + side * 26, c + 66);
                cairo_line_to(k, c + side * 18, c + 78);
                cairo_line_to(k, c - side * 6, c + 10);
                cairo_close_path(k);
            },
            side < 0 ? Hex("1E88E5") : Hex("E53935"), Hex("0D3B66"), 1.5);
    TGloss gloss;
    gloss.Shadow = 4;
    PaintGlossy(
        cr, [&](cairo_t* k) { Ellipse(k, c, c - 8, 52, 52); }, metal, gloss);
    PaintFlat(
        cr, [&](cairo_t* k) { Ellipse(k, c, c - 8, 40, 40); }, Lighter(metal, 0.15),
        Darker(metal, 0.35), 2);
    PaintGlossy(cr, [&](cairo_t* k) { Star(k, c, c - 8, 28, 12, 5); }, Lighter(metal, 0.35), {});
}

void DrawLevelDigit(const TTile& t) {
    DrawDigit(t, Palette::White, Hex("5A3A1E"));
}

} // namespace

void AddRoundArt(TCatalog& catalog) {
    catalog.Add("TubeTimer", DrawTubeTimer);
    catalog.Add("TubeTimerEnergy", DrawTubeEnergy);
    catalog.Add("TubeTimerMask", DrawTubeMask);
    catalog.Add("TubeBubble", DrawSmallBubble);
    catalog.Add("ShuffleBubbles", DrawSmallBubble);
    catalog.Add("ObjInfoShadow", DrawObjInfoShadow);
    catalog.Add("ObjInfoLogo", DrawObjInfoLogo);
    catalog.Add("ObjInfoTitle", [](const TTile& t) {
        DrawPopTitle(t, "Gather them all!", "Beat the boss!", Hex("2F8FE0"));
    });
    catalog.Add("ObjInfoSubtitle", [](const TTile& t) {
        DrawPopTitle(t, "before the tube runs dry", "before it drains the tube", Hex("E8674F"));
    });
    catalog.Add("ElementsPanel", DrawElementsPanel);
    catalog.Add("ElementPanel", DrawElementPanelPiece);
    catalog.Add("ElementGather", [](const TTile& t) {
        DrawSlotIcon(t.cr, t.Pattern, t.W / 2, t.H / 2, t.W * 0.95);
    });
    catalog.Add("PulsingElements",
                [](const TTile& t) { DrawSlotIcon(t.cr, t.Pattern, t.W / 2, t.H / 2, t.W); });
    catalog.Add("ElementGatherNumber",
                [](const TTile& t) { DrawDigit(t, Palette::White, Hex("0D3B66")); });
    catalog.Add("ElementGatherNumberBlur",
                [](const TTile& t) { DrawDigitBlur(t, Palette::White); });
    catalog.Add("Score", [](const TTile& t) { DrawDigit(t, Palette::Gold, Hex("5A3A1E")); });
    catalog.Add("ScoreBlur", [](const TTile& t) { DrawDigitBlur(t, Palette::Gold); });
    catalog.Add("LevelInfoDigit", DrawLevelDigit);
    catalog.Add("LeftPanel", DrawLeftPanel);
    catalog.Add("LeftPanelGlass",
                [](const TTile& t) { DrawGlass(t.cr, 1, 1, t.W - 2, t.H - 2, 12); });
    catalog.Add("TopPanel", DrawTopPanel);
    catalog.Add("BottomPanel", DrawBottomPanel);
    catalog.Add("EnergyBar", DrawEnergyBar);
    catalog.Add("EnergyBarGlass",
                [](const TTile& t) { DrawGlass(t.cr, 1, 1, t.W - 2, t.H - 2, t.W / 2 - 1); });
    catalog.Add("MannaEnergy", DrawMannaEnergy);
    catalog.Add("MannaEnergyWave", DrawMannaWave);
    catalog.Add("ShuffleButtonShine", DrawShine);
    catalog.Add("EnergyBonusText", DrawEnergyBonus);
    catalog.Add("Paused", DrawPaused);
    catalog.Add("ResultMedals", DrawMedal);
}
