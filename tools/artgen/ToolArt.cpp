// The player's six tools as they hang in the tool cabinet and move in the hand, and the
// counters of the three that are counted in uses.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"
#include "TextArt.h"

#include <cmath>
#include <string>

namespace {

constexpr int MagicKeyCode = 104, BroomCode = 105, AerosolCode = 106, HammerCode = 101;

void DrawRotated(cairo_t* cr, double cx, double cy, double angle, double scaleX,
                 const std::function<void()>& draw) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scaleX, 1);
    cairo_translate(cr, -cx, -cy);
    draw();
    cairo_restore(cr);
}

void DustPuffs(cairo_t* cr, double x, double y, int count, double size, TColor color) {
    TArtRandom random(static_cast<uint64_t>(count * 31 + size));
    for (int i = 0; i < count; ++i) {
        const double px = x + random.Range(-size, size),
                     py = y + random.Range(-size * 0.5, size * 0.5);
        PaintGlow(cr, px, py, size * random.Range(0.35, 0.6), color);
    }
}

// Key turning in a lock: upright, half turned (seen from the edge), turned.
void DrawMagicKey(const TTile& t) {
    const double c = t.W / 2;
    const double squeeze[] = {1, 0.45, 1};
    const double angle[] = {-0.79, -0.79, 0.79};
    DrawRotated(t.cr, c, c, angle[t.Pattern], squeeze[t.Pattern],
                [&] { DrawSpecialItem(t.cr, MagicKeyCode, c, c, t.W); });
}

void DrawBroom(const TTile& t) {
    const double c = t.W / 2;
    const double angle[] = {0, -0.35, 0.05, 0.4};
    DrawRotated(t.cr, c, c * 0.7, angle[t.Pattern], 1,
                [&] { DrawSpecialItem(t.cr, BroomCode, c, c, t.W * 0.95); });
    if (t.Pattern > 0)
        DustPuffs(t.cr, c + 16 + t.Pattern * 4, t.H - 14, 3 + t.Pattern, 7, {0.95, 0.9, 0.8, 0.7});
}

void DrawAerosol(const TTile& t) {
    const double c = t.W / 2;
    cairo_save(t.cr);
    if (t.Pattern == 1) cairo_translate(t.cr, 0, 2);
    DrawSpecialItem(t.cr, AerosolCode, c, c, t.W * 0.95);
    cairo_restore(t.cr);
    if (t.Pattern >= 2)
        DustPuffs(t.cr, c + 22, 14, 4 + t.Pattern * 2, 6 + t.Pattern, {0.6, 1, 0.6, 0.75});
}

void DrawAerosolSpray(const TTile& t) {
    TArtRandom random(9);
    for (int i = 0; i < 30; ++i) {
        const double a = random.Range(0, 2 * M_PI), d = random.Range(0, t.W * 0.3);
        PaintGlow(t.cr, t.W / 2 + d * std::cos(a), t.H / 2 + d * std::sin(a), random.Range(14, 26),
                  {0.55, 0.95, 0.55, 0.28});
    }
}

// Patterns 0 locked, 1 ready, 2 ready and glowing, 3 in hand, 4 firing (blaster only).
void DrawCollectorTool(const TTile& t, const std::function<void(double glow)>& draw) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    if (t.Pattern == 0) {
        PaintGreyed(
            cr, [&] { draw(0); }, 0.65);
        PaintGlossy(cr, [&](cairo_t* k) { RoundedRect(k, c + 10, c + 12, 16, 13, 3); },
                    Palette::Gold, {});
        cairo_arc(cr, c + 18, c + 12, 5, M_PI, 0);
        SetColor(cr, Hex("8D99A6"));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        return;
    }
    if (t.Pattern == 2 || t.Pattern == 4) PaintGlow(cr, c, c, c, {1, 0.95, 0.5, 0.75});
    if (t.Pattern == 3) {
        DrawRotated(cr, c, c, -0.3, 1, [&] { draw(0); });
        return;
    }
    draw(t.Pattern == 4 ? 1 : 0);
    if (t.Pattern == 4)
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            cairo_move_to(cr, c + 26 * std::cos(a), c + 26 * std::sin(a));
            cairo_line_to(cr, c + 36 * std::cos(a), c + 36 * std::sin(a));
            cairo_set_source_rgba(cr, 1, 1, 0.7, 0.9);
            cairo_set_line_width(cr, 2.5);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
}

void DrawCounterDigit(const TTile& t) {
    TCaptionStyle style;
    style.OutlineWidth = 2;
    style.ShadowY = 1;
    DrawCaption(t.cr, std::to_string(t.Pattern), t.W / 2, t.H / 2, t.H * 0.82, style);
}

void DrawCounterBadge(const TTile& t) {
    TGloss gloss;
    gloss.Shadow = 1.5;
    PaintGlossy(
        t.cr, [&](cairo_t* c) { Ellipse(c, t.W / 2 - 1, t.H / 2 - 1, t.W / 2 - 3, t.H / 2 - 3); },
        Hex("E53935"), gloss);
}

} // namespace

void DrawBomb(cairo_t* cr, double cx, double cy, double r, double spark) {
    TGloss gloss;
    gloss.Shadow = 3;
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, r, r); }, Hex("34495E"), gloss);
    PaintFlat(
        cr,
        [&](cairo_t* c) { RoundedRect(c, cx + r * 0.35, cy - r * 1.05, r * 0.55, r * 0.45, 2); },
        Hex("95A5A6"), Hex("4A5A5B"), 1);
    cairo_move_to(cr, cx + r * 0.62, cy - r * 1.05);
    cairo_curve_to(cr, cx + r * 0.8, cy - r * 1.5, cx + r * 1.1, cy - r * 1.3, cx + r * 1.15,
                   cy - r * 1.55);
    SetColor(cr, Hex("A1887F"));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    if (spark > 0)
        PaintFlat(
            cr, [&](cairo_t* c) { Star(c, cx + r * 1.15, cy - r * 1.55, 7 * spark, 2.5, 7); },
            Hex("FFEB3B"), Hex("FF6F00"), 1);
}

// The blaster: a magic conch that pulls every element of one kind off the board.
void DrawConch(cairo_t* cr, double cx, double cy, double size, double glow) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 80, size / 80);
    if (glow > 0) PaintGlow(cr, -16, -14, 22 * glow, {0.6, 1, 1, 0.9});
    TGloss gloss;
    gloss.Shadow = 3;
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, -22, -22);
            cairo_curve_to(c, -8, -28, 14, -18, 26, 12);
            cairo_curve_to(c, 28, 20, 20, 26, 12, 22);
            cairo_curve_to(c, -2, 12, -16, 4, -26, -8);
            cairo_curve_to(c, -30, -14, -28, -20, -22, -22);
            cairo_close_path(c);
        },
        Hex("F8A5C2"), gloss);
    // The spiral ridges and the glowing mouth.
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 12 + i * 1.5, 10 + i * 1.5, 4 + i * 4, 3.5, 5.8);
        SetColor(cr, WithAlpha(Hex("B0527A"), 0.7));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    PaintFlat(
        cr, [](cairo_t* c) { Ellipse(c, -21, -14, 7, 9); }, Hex("7FFFF4"), Hex("26A69A"), 1.4);
    cairo_restore(cr);
}

void AddToolArt(TCatalog& catalog) {
    catalog.Add("MagicKey", DrawMagicKey);
    catalog.Add("Broom", DrawBroom);
    catalog.Add("Aerosol", DrawAerosol);
    catalog.Add("AerosolSpray", DrawAerosolSpray);
    catalog.Add("ToolCounter", DrawCounterDigit);
    catalog.Add("ToolCounterBadge", DrawCounterBadge);
    catalog.Add("HammerTool", [](const TTile& t) {
        DrawCollectorTool(
            t, [&](double) { DrawSpecialItem(t.cr, HammerCode, t.W / 2, t.H / 2, t.W * 0.95); });
    });
    catalog.Add("BombTool", [](const TTile& t) {
        DrawCollectorTool(t,
                          [&](double) { DrawBomb(t.cr, t.W / 2 - 3, t.H / 2 + 5, t.W * 0.3, 1); });
    });
    catalog.Add("CollectorTool", [](const TTile& t) {
        DrawCollectorTool(t, [&](double glow) { DrawConch(t.cr, t.W / 2, t.H / 2, t.W, glow); });
    });
}
