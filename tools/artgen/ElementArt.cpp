// The board's elements, items and their variants. Every element has its own silhouette as well
// as its own colour, so that players who cannot tell the colours apart can still play.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"

#include <cmath>
#include <string>

namespace {

// Elements are drawn in a 52 x 52 box; this puts that box centred on (cx, cy) at any size.
class TUnitBox {
public:
    TUnitBox(cairo_t* cr, double cx, double cy, double size) : Cr(cr) {
        cairo_save(cr);
        cairo_translate(cr, cx - size / 2, cy - size / 2);
        cairo_scale(cr, size / 52, size / 52);
    }
    ~TUnitBox() { cairo_restore(Cr); }

private:
    cairo_t* Cr;
};

TGloss ElementGloss() {
    TGloss gloss;
    gloss.Shadow = 2.2;
    gloss.ShadowX = 1.5;
    gloss.ShadowY = 2.5;
    gloss.Rim = 1.6;
    return gloss;
}

TGloss NoShadow() {
    TGloss gloss = ElementGloss();
    gloss.Shadow = 0;
    return gloss;
}

const TColor Stem = Hex("7A4A22");
const TColor LeafGreen = Hex("3FA535");

void PaintStem(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_save(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, y0 + (y1 - y0) * 0.6, x1 - (x1 - x0) * 0.3, y1, x1,
                   y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, Darker(Stem, 0.3));
    cairo_set_line_width(cr, width + 1.4);
    cairo_stroke_preserve(cr);
    SetColor(cr, Stem);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void PaintLeaf(cairo_t* cr, double x0, double y0, double x1, double y1, double width,
               TColor color = LeafGreen) {
    TGloss gloss = NoShadow();
    gloss.Rim = 1.2;
    gloss.Highlight = 0.4;
    PaintGlossy(
        cr, [&](cairo_t* c) { LeafShape(c, x0, y0, x1, y1, width); }, color, gloss);
    cairo_save(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0 + (x1 - x0) * 0.8, y0 + (y1 - y0) * 0.8);
    SetColor(cr, WithAlpha(Darker(color, 0.35), 0.7));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- Fruits ----

void BananaShape(cairo_t* cr) {
    cairo_move_to(cr, -18, -8);
    cairo_curve_to(cr, -14, 11, 14, 11, 18, -8);
    cairo_curve_to(cr, 18.5, -9.5, 17, -10.5, 15.5, -9.5);
    cairo_curve_to(cr, 10, 1, -10, 1, -16, -10);
    cairo_curve_to(cr, -17, -10.5, -18.5, -9.5, -18, -8);
    cairo_close_path(cr);
}

void DrawBananas(cairo_t* cr) {
    const TColor yellow = Hex("FFD93B");
    // Three bananas hang from one stem at the top right, fanned downwards.
    const double angles[] = {-0.95, -0.6, -0.25};
    const double stemX = 42, stemY = 9;
    for (double angle : angles) {
        cairo_save(cr);
        cairo_translate(cr, stemX, stemY);
        cairo_rotate(cr, angle);
        cairo_scale(cr, 1.08, 1.08);
        cairo_translate(cr, -18, 8);
        TGloss gloss = ElementGloss();
        gloss.Shadow = 1.6;
        PaintGlossy(cr, BananaShape, yellow, gloss);
        PaintFlat(
            cr, [](cairo_t* c) { Ellipse(c, -17.3, -8.6, 1.8, 1.6); }, Hex("6B4A1E"), Hex("4A3212"),
            0.6);
        cairo_restore(cr);
    }
    PaintFlat(
        cr, [](cairo_t* c) { RoundedRect(c, 39.5, 4.5, 7, 7, 2); }, Hex("8AA83A"), Hex("5A6E22"),
        1.2);
}

void StrawberryShape(cairo_t* cr) {
    cairo_move_to(cr, 26, 47);
    cairo_curve_to(cr, 13, 40, 5, 24, 11, 16);
    cairo_curve_to(cr, 15, 11, 22, 12, 26, 14);
    cairo_curve_to(cr, 30, 12, 37, 11, 41, 16);
    cairo_curve_to(cr, 47, 24, 39, 40, 26, 47);
    cairo_close_path(cr);
}

void DrawStrawberry(cairo_t* cr) {
    PaintGlossy(cr, StrawberryShape, Hex("E8323C"), ElementGloss());
    // Seeds in staggered rows, kept inside the berry.
    for (int row = 0; row < 5; ++row) {
        const double y = 19 + row * 5.6;
        const double halfWidth = 13.5 - row * 2.4;
        const int count = 4 - row / 2;
        for (int i = 0; i < count; ++i) {
            const double x =
                26 - halfWidth + (2 * halfWidth) * (i + (row % 2 ? 0.75 : 0.25)) / count;
            PaintFlat(
                cr, [&](cairo_t* c) { Ellipse(c, x, y, 1.0, 1.5); }, Hex("FFF2A8"), Hex("B8860B"),
                0.5);
        }
    }
    // Leaf crown.
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (1.05 + 0.225 * i);
        PaintLeaf(cr, 26, 13.5, 26 + 11 * std::cos(a), 13.5 + 7 * std::sin(a) + 2, 3.2);
    }
    PaintStem(cr, 26, 12, 27.5, 5, 2.2);
}

void AppleShape(cairo_t* cr) {
    cairo_move_to(cr, 26, 14);
    cairo_curve_to(cr, 31, 9, 45, 9, 45.5, 25);
    cairo_curve_to(cr, 46, 38, 37, 47, 31, 46);
    cairo_curve_to(cr, 29, 45.5, 23, 45.5, 21, 46);
    cairo_curve_to(cr, 15, 47, 6, 38, 6.5, 25);
    cairo_curve_to(cr, 7, 9, 21, 9, 26, 14);
    cairo_close_path(cr);
}

void DrawApple(cairo_t* cr) {
    PaintGlossy(cr, AppleShape, Hex("7CCB3A"), ElementGloss());
    PaintStem(cr, 26, 15, 28.5, 4.5, 2.4);
    PaintLeaf(cr, 28.5, 8.5, 40, 4.5, 3.6);
}

void DrawGrapes(cairo_t* cr) {
    const TColor purple = Hex("8B4FC8");
    const int rows[] = {4, 3, 2, 1};
    const double r = 5.7, dx = 10.4, top = 15.5, dy = 9.2;
    // One shadow under the whole bunch, then the grapes back to front.
    PaintSoftShadow(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, 26 - 2 * dx, top - r);
            cairo_line_to(c, 26 + 2 * dx, top - r);
            cairo_line_to(c, 26, top + 3 * dy + r);
            cairo_close_path(c);
        },
        2, 1.5, 2.5, 0.25);
    PaintStem(cr, 26, top - 4, 24, 4, 2.4);
    PaintLeaf(cr, 25, 8, 37, 4, 3.8);
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i < rows[row]; ++i) {
            const double x = 26 + (i - (rows[row] - 1) / 2.0) * dx;
            const double y = top + row * dy;
            TGloss gloss = NoShadow();
            gloss.Rim = 1.3;
            PaintGlossy(
                cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r); }, purple, gloss);
        }
    }
}

void DrawOrange(cairo_t* cr) {
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 26, 28.5, 18.5, 18); }, Hex("FF8C1A"), ElementGloss());
    // Dimpled rind.
    TArtRandom random(5);
    for (int i = 0; i < 26; ++i) {
        const double a = random.Range(0, 2 * M_PI), d = std::sqrt(random.Next()) * 15;
        const double x = 26 + d * std::cos(a), y = 28.5 + d * std::sin(a);
        cairo_arc(cr, x, y, 0.75, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.75, 0.35, 0.02, 0.45);
        cairo_fill(cr);
    }
    PaintFlat(
        cr, [](cairo_t* c) { Star(c, 26, 11.5, 3.6, 1.6, 5); }, Hex("5E8C2A"), Hex("3E5E1A"), 0.8);
    PaintLeaf(cr, 27.5, 10.5, 39, 5, 3.6);
}

void PlumShape(cairo_t* cr) {
    Ellipse(cr, 26, 28.5, 15.5, 18.5);
}

void DrawPlum(cairo_t* cr) {
    PaintGlossy(cr, PlumShape, Hex("3F5BD8"), ElementGloss());
    // The side crease.
    cairo_save(cr);
    cairo_move_to(cr, 25, 11.5);
    cairo_curve_to(cr, 17, 20, 16, 36, 22.5, 46);
    SetColor(cr, WithAlpha(Darker(Hex("3F5BD8"), 0.45), 0.8));
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
    PaintStem(cr, 25, 11, 27, 4.5, 2);
}

void DrawCherries(cairo_t* cr) {
    const TColor red = Hex("D6246E");
    PaintStem(cr, 31, 6, 16, 27, 1.8);
    PaintStem(cr, 31, 6, 36, 25, 1.8);
    PaintLeaf(cr, 31, 6, 43, 10, 3.4);
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 16, 35, 10.5, 10.5); }, red, ElementGloss());
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 35.5, 33.5, 10.5, 10.5); }, red, ElementGloss());
}

void PearShape(cairo_t* cr) {
    cairo_move_to(cr, 26, 7);
    cairo_curve_to(cr, 33, 7, 34, 15, 36, 19);
    cairo_curve_to(cr, 45.5, 25, 47, 46, 26, 47);
    cairo_curve_to(cr, 5, 46, 6.5, 25, 16, 19);
    cairo_curve_to(cr, 18, 15, 19, 7, 26, 7);
    cairo_close_path(cr);
}

void DrawGuava(cairo_t* cr) {
    PaintGlossy(cr, PearShape, Hex("4CC9A7"), ElementGloss());
    // The cut face: pink flesh with a ring of seeds.
    cairo_save(cr);
    cairo_translate(cr, 26, 31);
    cairo_scale(cr, 0.74, 0.74);
    cairo_translate(cr, -26, -31);
    TGloss flesh = NoShadow();
    flesh.Rim = 1.4;
    flesh.Highlight = 0.45;
    PaintGlossy(cr, PearShape, Hex("FF8FA3"), flesh);
    cairo_restore(cr);
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * M_PI * i / 9;
        PaintFlat(
            cr,
            [&](cairo_t* c) { Ellipse(c, 26 + 6.5 * std::cos(a), 34 + 6 * std::sin(a), 1.1, 1.1); },
            Hex("FFF1C9"), Hex("C76B7A"), 0.5);
    }
    PaintStem(cr, 26, 8, 27, 3.5, 2);
}

// ---- Sea treasures ----

void ShellShape(cairo_t* cr) {
    // A scallop: a fan of eight rounded ribs over a small hinge.
    const double cx = 26, cy = 39, r = 21;
    cairo_move_to(cr, cx - 5, cy + 6);
    cairo_line_to(cr, cx - 9, cy + 3);
    for (int i = 0; i < 8; ++i) {
        const double a0 = M_PI * (1.08 + 0.105 * i), a1 = M_PI * (1.08 + 0.105 * (i + 1));
        const double am = (a0 + a1) / 2;
        cairo_curve_to(cr, cx + (r + 3) * std::cos(am - 0.03), cy + (r + 3) * std::sin(am - 0.03),
                       cx + (r + 3) * std::cos(am + 0.03), cy + (r + 3) * std::sin(am + 0.03),
                       cx + r * std::cos(a1), cy + r * std::sin(a1));
    }
    cairo_line_to(cr, cx + 9, cy + 3);
    cairo_line_to(cr, cx + 5, cy + 6);
    cairo_close_path(cr);
}

void DrawShell(cairo_t* cr) {
    const TColor sand = Hex("F0B060");
    cairo_save(cr);
    cairo_translate(cr, 0, 2);
    PaintGlossy(cr, ShellShape, sand, ElementGloss());
    // Ribs.
    for (int i = 1; i < 8; ++i) {
        const double a = M_PI * (1.08 + 0.105 * i);
        cairo_move_to(cr, 26, 42);
        cairo_line_to(cr, 26 + 19 * std::cos(a), 39 + 19 * std::sin(a));
    }
    SetColor(cr, WithAlpha(Darker(sand, 0.35), 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    PaintFlat(
        cr, [](cairo_t* c) { RoundedRect(c, 19, 40, 14, 7, 2.5); }, Darker(sand, 0.1),
        Darker(sand, 0.4), 1.2);
    cairo_restore(cr);
}

void DrawStarfish(cairo_t* cr) {
    const TColor coral = Hex("FF6F61");
    PaintGlossy(
        cr, [](cairo_t* c) { Star(c, 26, 27.5, 22, 9.5, 5, 0.1, 0.55); }, coral, ElementGloss());
    for (int arm = 0; arm < 5; ++arm) {
        const double a = 0.1 - M_PI / 2 + 2 * M_PI * arm / 5;
        for (int k = 1; k <= 3; ++k) {
            const double d = 4 + k * 4.2;
            cairo_arc(cr, 26 + d * std::cos(a), 27.5 + d * std::sin(a), 1.4 - k * 0.2, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 1, 0.92, 0.8, 0.9);
            cairo_fill(cr);
        }
    }
}

void DrawPearl(cairo_t* cr) {
    const TColor shell = Hex("8E7CC3");
    // An open clam: the upper shell fanned out behind, the pearl, the lower dish in front.
    TGloss gloss = ElementGloss();
    cairo_save(cr);
    cairo_translate(cr, 0, -3);
    PaintGlossy(cr, ShellShape, shell, gloss);
    cairo_restore(cr);
    PaintSoftShadow(
        cr, [](cairo_t* c) { Ellipse(c, 26, 31, 10.5, 10.5); }, 2, 1, 2, 0.35);
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 26, 31, 10.5, 10.5); }, Hex("FBF8FF"), NoShadow());
    cairo_arc(cr, 26, 31, 9.8, 0, 2 * M_PI);
    FillLinear(cr, 16, 22, 36, 40,
               {{0, {1, 0.8, 0.9, 0.0}}, {0.55, {0.7, 0.8, 1, 0.3}}, {1, {1, 0.8, 0.65, 0.35}}});
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 5, 36);
            cairo_curve_to(c, 12, 38, 40, 38, 47, 36);
            cairo_curve_to(c, 45, 48, 7, 48, 5, 36);
            cairo_close_path(c);
        },
        Darker(shell, 0.1), gloss);
}

void GemShape(cairo_t* cr) {
    cairo_move_to(cr, 15, 13);
    cairo_line_to(cr, 37, 13);
    cairo_line_to(cr, 47, 24);
    cairo_line_to(cr, 26, 47);
    cairo_line_to(cr, 5, 24);
    cairo_close_path(cr);
}

void DrawGem(cairo_t* cr) {
    const TColor sky = Hex("4FC3F7");
    PaintGlossy(cr, GemShape, sky, ElementGloss());
    // Facets: the girdle line and the cuts towards the point.
    cairo_save(cr);
    cairo_move_to(cr, 5, 24);
    cairo_line_to(cr, 47, 24);
    cairo_move_to(cr, 15, 13);
    cairo_line_to(cr, 20, 24);
    cairo_line_to(cr, 26, 13);
    cairo_line_to(cr, 32, 24);
    cairo_line_to(cr, 37, 13);
    cairo_move_to(cr, 20, 24);
    cairo_line_to(cr, 26, 47);
    cairo_line_to(cr, 32, 24);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 15, 13);
    cairo_line_to(cr, 20, 24);
    cairo_line_to(cr, 5, 24);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---- Flowers ----

void DrawHibiscus(cairo_t* cr) {
    const TColor pink = Hex("FF3D6E");
    PaintSoftShadow(
        cr, [](cairo_t* c) { Ellipse(c, 26, 27, 20, 20); }, 2, 1.5, 2.5, 0.25);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + 2 * M_PI * i / 5;
        cairo_save(cr);
        cairo_translate(cr, 26 + 10.5 * std::cos(a), 27 + 10.5 * std::sin(a));
        cairo_rotate(cr, a);
        PaintGlossy(
            cr, [](cairo_t* c) { Ellipse(c, 0, 0, 10.5, 9); }, pink, NoShadow());
        cairo_restore(cr);
    }
    PaintGlow(cr, 26, 27, 9, WithAlpha(Hex("8B0A36"), 0.9));
    // The long stamen.
    PaintStem(cr, 26, 27, 37, 13, 1.6);
    for (int i = 0; i < 4; ++i)
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, 35 + i * 1.5, 12 + (i % 2) * 2.5, 1.6, 1.6); },
            Hex("FFE04A"), Hex("B8860B"), 0.5);
}

void DaisyPetal(cairo_t* cr) {
    Ellipse(cr, 0, 0, 9, 3.3);
}

void DrawDaisy(cairo_t* cr) {
    for (int i = 0; i < 14; ++i) {
        const double a = 2 * M_PI * i / 14;
        cairo_save(cr);
        cairo_translate(cr, 26 + 1.5 + 12 * std::cos(a), 26 + 2 + 12 * std::sin(a));
        cairo_rotate(cr, a);
        PaintSoftShadow(cr, DaisyPetal, 1.2, 0, 0, 0.25);
        cairo_restore(cr);
    }
    for (int i = 0; i < 14; ++i) {
        const double a = 2 * M_PI * i / 14;
        cairo_save(cr);
        cairo_translate(cr, 26 + 12 * std::cos(a), 26 + 12 * std::sin(a));
        cairo_rotate(cr, a);
        TGloss petal = NoShadow();
        petal.Rim = 1;
        petal.Highlight = 0;
        PaintGlossy(cr, DaisyPetal, Hex("FAFAFF"), petal);
        cairo_restore(cr);
    }
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 26, 26, 7.5, 7.5); }, Hex("FFC107"), NoShadow());
}

void PetalShape(cairo_t* cr, double baseX, double baseY, double tipX, double tipY, double width) {
    const double mx = (baseX + tipX) / 2, my = (baseY + tipY) / 2;
    const double len = std::hypot(tipX - baseX, tipY - baseY);
    const double nx = -(tipY - baseY) / len * width, ny = (tipX - baseX) / len * width;
    cairo_move_to(cr, baseX, baseY);
    cairo_curve_to(cr, baseX + nx * 1.4, baseY + ny * 1.4, mx + nx, my + ny, tipX, tipY);
    cairo_curve_to(cr, mx - nx, my - ny, baseX - nx * 1.4, baseY - ny * 1.4, baseX, baseY);
    cairo_close_path(cr);
}

void DrawLotus(cairo_t* cr) {
    const TColor lilac = Hex("B07CFF");
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 26, 42, 19, 5.5); }, Hex("45B35A"), ElementGloss());
    // Back petals first, the tall middle one, then the two front petals.
    const double tips[][2] = {{7, 20}, {45, 20}, {15, 12}, {37, 12}, {26, 6}, {16, 27}, {36, 27}};
    for (int i = 0; i < 7; ++i) {
        TGloss gloss = NoShadow();
        gloss.Rim = 1.3;
        PaintGlossy(
            cr, [&](cairo_t* c) { PetalShape(c, 26, 40.5, tips[i][0], tips[i][1], 6.5); },
            i >= 4 ? Lighter(lilac, 0.15) : lilac, gloss);
    }
}

void TulipShape(cairo_t* cr) {
    cairo_move_to(cr, 14, 9);
    cairo_curve_to(cr, 17, 12, 19, 15, 20.5, 17);
    cairo_curve_to(cr, 22, 13, 24, 9, 26, 5);
    cairo_curve_to(cr, 28, 9, 30, 13, 31.5, 17);
    cairo_curve_to(cr, 33, 15, 35, 12, 38, 9);
    cairo_curve_to(cr, 41, 18, 40, 31, 26, 33);
    cairo_curve_to(cr, 12, 31, 11, 18, 14, 9);
    cairo_close_path(cr);
}

void DrawTulip(cairo_t* cr) {
    PaintStem(cr, 26, 32, 26, 48, 2.6);
    PaintLeaf(cr, 25, 48, 13, 31, 3.6);
    PaintLeaf(cr, 27, 48, 40, 34, 3.4);
    PaintGlossy(cr, TulipShape, Hex("FFA726"), ElementGloss());
    cairo_move_to(cr, 20.5, 17);
    cairo_curve_to(cr, 21, 24, 23, 29, 26, 32);
    cairo_move_to(cr, 31.5, 17);
    cairo_curve_to(cr, 31, 24, 29, 29, 26, 32);
    SetColor(cr, WithAlpha(Darker(Hex("FFA726"), 0.35), 0.8));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
}

// ---- Potions ----

void DrawFlask(cairo_t* cr, const TShape& body, double liquidTop, TColor liquid, double neckX,
               double neckTop, double neckBottom) {
    const double neckW = 9;
    const auto bottle = [&](cairo_t* c) {
        body(c);
        RoundedRect(c, neckX - neckW / 2, neckTop, neckW, neckBottom - neckTop + 2, 1.5);
    };
    PaintSoftShadow(cr, bottle, 2.2, 1.5, 2.5, 0.3);
    // Glass.
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.45);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // Liquid with a slanted, glossy surface.
    cairo_rectangle(cr, 0, liquidTop, 52, 52 - liquidTop);
    FillLinear(cr, 0, liquidTop, 0, 48, {{0, Lighter(liquid, 0.35)}, {1, Darker(liquid, 0.25)}});
    Ellipse(cr, 26, liquidTop, 16, 2.2);
    SetColor(cr, Lighter(liquid, 0.55));
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 22 + i * 5, liquidTop + 6 + (i % 2) * 5, 1.3 + i * 0.3, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Neck, rim, cork.
    PaintFlat(
        cr,
        [&](cairo_t* c) {
            RoundedRect(c, neckX - neckW / 2, neckTop, neckW, neckBottom - neckTop + 2, 1.5);
        },
        {0.85, 0.95, 1, 0.55}, Hex("5B7C99"), 1.3);
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    SetColor(cr, Hex("5B7C99"));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, neckX - 6, neckTop - 5, 12, 6.5, 2); }, Hex("B5835A"),
        NoShadow());
    // Glass highlight.
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_clip(cr);
    double x0, y0, x1, y1;
    cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
    Ellipse(cr, x0 + (x1 - x0) * 0.3, y0 + (y1 - y0) * 0.32, (x1 - x0) * 0.11, (y1 - y0) * 0.2);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawRoundPotion(cairo_t* cr) {
    DrawFlask(
        cr, [](cairo_t* c) { Ellipse(c, 26, 33, 15.5, 14.5); }, 28, Hex("22D3E6"), 26, 9, 20);
}

void DrawTallPotion(cairo_t* cr) {
    DrawFlask(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 20, 15);
            cairo_line_to(c, 32, 15);
            cairo_curve_to(c, 37, 17, 38, 20, 38, 24);
            cairo_line_to(c, 38, 43);
            cairo_curve_to(c, 38, 46, 36, 48, 33, 48);
            cairo_line_to(c, 19, 48);
            cairo_curve_to(c, 16, 48, 14, 46, 14, 43);
            cairo_line_to(c, 14, 24);
            cairo_curve_to(c, 14, 20, 15, 17, 20, 15);
            cairo_close_path(c);
        },
        26, Hex("FF6FA8"), 26, 7, 16);
}

using TElementPainter = void (*)(cairo_t*);
const TElementPainter ElementPainters[] = {
    DrawBananas,  DrawStrawberry, DrawApple, DrawGrapes,   DrawOrange,      DrawPlum,
    DrawCherries, DrawGuava,      DrawShell, DrawStarfish, DrawPearl,       DrawGem,
    DrawHibiscus, DrawDaisy,      DrawLotus, DrawTulip,    DrawRoundPotion, DrawTallPotion};

// ---- Board items ----

void DrawHammerItem(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 26, 27);
    cairo_rotate(cr, -0.7);
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, -3, -6, 6, 28, 2.5); }, Hex("C98B4E"), ElementGloss());
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, -15, -17, 30, 14, 4); }, Hex("D9534F"), ElementGloss());
    PaintFlat(
        cr,
        [](cairo_t* c) {
            cairo_rectangle(c, -10, -17, 3, 14);
            cairo_rectangle(c, 7, -17, 3, 14);
        },
        Hex("E0E4EA"), Hex("7D8794"), 0.8);
    cairo_restore(cr);
}

void DrawFoundFlowerItem(cairo_t* cr) {
    PaintGlow(cr, 26, 26, 25, {1, 0.95, 0.6, 0.8});
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * M_PI * i / 8;
        cairo_save(cr);
        cairo_translate(cr, 26 + 10 * std::cos(a), 26 + 10 * std::sin(a));
        cairo_rotate(cr, a);
        PaintGlossy(
            cr, [](cairo_t* c) { Ellipse(c, 0, 0, 8.5, 5.5); }, Hex("FFC83D"), NoShadow());
        cairo_restore(cr);
    }
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 26, 26, 6.5, 6.5); }, Hex("FF7A00"), NoShadow());
    for (const auto& [x, y] : {std::pair{8.0, 10.0}, {44.0, 12.0}, {42.0, 43.0}})
        PaintFlat(
            cr, [&](cairo_t* c) { Star(c, x, y, 4.5, 1.3, 4); }, Palette::White, Palette::Gold,
            0.6);
}

void DrawMultiBubble(cairo_t* cr) {
    DrawBubble(cr, 26, 26, 21);
    // A rainbow ring tells the magic bubble from the plain fruit bubble.
    const TColor colors[] = {Hex("FF5252"), Hex("FFB300"), Hex("FFEB3B"),
                             Hex("4CAF50"), Hex("29B6F6"), Hex("7E57C2")};
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, 26, 26, 18.5, 2 * M_PI * i / 6, 2 * M_PI * (i + 1) / 6);
        SetColor(cr, WithAlpha(colors[i], 0.85));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    PaintFlat(
        cr, [](cairo_t* c) { Star(c, 26, 26, 11, 3.6, 4, 0.0, 0.3); }, Palette::White,
        Palette::Gold, 1.2);
}

void KeyShape(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 15, 17, 9, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 15, 17, 4, 2 * M_PI, 0);
    cairo_move_to(cr, 20, 21);
    cairo_line_to(cr, 42, 43);
    cairo_line_to(cr, 39, 46);
    cairo_line_to(cr, 35, 42);
    cairo_line_to(cr, 32, 45);
    cairo_line_to(cr, 29.5, 42.5);
    cairo_line_to(cr, 32.5, 39.5);
    cairo_line_to(cr, 30.5, 37.5);
    cairo_line_to(cr, 27.5, 40.5);
    cairo_line_to(cr, 25, 38);
    cairo_line_to(cr, 28, 35);
    cairo_line_to(cr, 17, 24);
    cairo_close_path(cr);
}

void DrawKeyItem(cairo_t* cr) {
    PaintGlow(cr, 26, 26, 25, {1, 0.9, 0.5, 0.55});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    PaintGlossy(cr, KeyShape, Palette::Gold, ElementGloss());
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void DrawBroomItem(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 26, 26);
    cairo_rotate(cr, -0.75);
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, -2.5, -24, 5, 30, 2.5); }, Hex("A0622D"),
        ElementGloss());
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, -6, 4);
            cairo_line_to(c, 6, 4);
            cairo_curve_to(c, 12, 12, 14, 18, 14, 24);
            cairo_line_to(c, -14, 24);
            cairo_curve_to(c, -14, 18, -12, 12, -6, 4);
            cairo_close_path(c);
        },
        Hex("F2C94C"), ElementGloss());
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, i * 1.6, 7);
        cairo_line_to(cr, i * 3.6, 23);
    }
    SetColor(cr, WithAlpha(Hex("B8860B"), 0.8));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    PaintFlat(
        cr, [](cairo_t* c) { RoundedRect(c, -7, 2, 14, 5, 1.5); }, Hex("E53935"), Hex("8E1F1C"), 1);
    cairo_restore(cr);
}

void DrawAerosolItem(cairo_t* cr) {
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, 16, 16, 20, 32, 5); }, Hex("43A047"), ElementGloss());
    PaintFlat(
        cr, [](cairo_t* c) { cairo_rectangle(c, 16.8, 26, 18.4, 10); }, Hex("F5F5F5"),
        Hex("9E9E9E"), 0.8);
    PaintFlat(
        cr, [](cairo_t* c) { Star(c, 26, 31, 4, 1.6, 5); }, Hex("43A047"), Hex("2E7D32"), 0.6);
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, 19, 9, 14, 8, 3); }, Hex("E53935"), NoShadow());
    PaintFlat(
        cr, [](cairo_t* c) { cairo_rectangle(c, 31, 10.5, 5, 3); }, Hex("424242"), Hex("212121"),
        0.6);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 40 + i * 3, 10 - i * 2.5 + (i == 1 ? 3 : 0), 1.5 + i * 0.6, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.7, 0.95, 0.7, 0.8);
        cairo_fill(cr);
    }
}

const TElementPainter ItemPainters[] = {DrawHammerItem, DrawFoundFlowerItem, DrawMultiBubble,
                                        DrawKeyItem,    DrawBroomItem,       DrawAerosolItem};

// ---- Lockers, bombs, worms ----

void DrawLocker(cairo_t* cr, int color) {
    const TColor paints[] = {Hex("C0392B"), Hex("2E6FD8"), Hex("2E9E4F")};
    const TColor paint = Mix(paints[color], Palette::Wood, 0.25);
    TGloss gloss = ElementGloss();
    gloss.Highlight = 0.35;
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, 5, 5, 42, 42, 6); }, paint, gloss);
    // Planks and iron corners.
    for (int i = 1; i < 3; ++i) {
        cairo_move_to(cr, 6, 5 + 14 * i);
        cairo_line_to(cr, 46, 5 + 14 * i);
    }
    SetColor(cr, WithAlpha(Darker(paint, 0.45), 0.6));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (const auto& [x, y] : {std::pair{5.0, 5.0}, {39.0, 5.0}, {5.0, 39.0}, {39.0, 39.0}})
        PaintFlat(
            cr, [&](cairo_t* c) { RoundedRect(c, x, y, 8, 8, 2.5); }, Hex("CFD6DE"), Hex("6B7682"),
            1);
    // The seal: its shape repeats the colour, for players who see colours alike.
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 26, 26, 10.5, 10.5); }, Palette::Gold, NoShadow());
    const TShape seals[] = {[](cairo_t* c) { Ellipse(c, 26, 26, 5, 5); },
                            [](cairo_t* c) {
                                cairo_move_to(c, 26, 20);
                                cairo_line_to(c, 32, 30);
                                cairo_line_to(c, 20, 30);
                                cairo_close_path(c);
                            },
                            [](cairo_t* c) {
                                cairo_move_to(c, 26, 19.5);
                                cairo_line_to(c, 32.5, 26);
                                cairo_line_to(c, 26, 32.5);
                                cairo_line_to(c, 19.5, 26);
                                cairo_close_path(c);
                            }};
    PaintFlat(cr, seals[color], paints[color], Darker(paints[color], 0.4), 1);
}

void DrawBombMark(cairo_t* cr) {
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 40, 14, 8, 8); }, Hex("37474F"), ElementGloss());
    PaintFlat(
        cr, [](cairo_t* c) { RoundedRect(c, 42, 3.5, 5, 4.5, 1); }, Hex("90A4AE"), Hex("455A64"),
        0.8);
    cairo_move_to(cr, 45, 4.5);
    cairo_curve_to(cr, 47, 1, 49, 2, 49.5, 1.5);
    SetColor(cr, Hex("8D6E63"));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    PaintFlat(
        cr, [](cairo_t* c) { Star(c, 49.5, 2, 3.6, 1.2, 6); }, Hex("FFEB3B"), Hex("FF6F00"), 0.7);
}

void DrawWorm(cairo_t* cr) {
    const TColor green = Hex("8BC34A");
    // Body segments rising out of the element's lower right.
    const double segments[][3] = {{44, 47, 5.5}, {41, 41, 5.8}, {40, 35, 6}, {42, 29.5, 6.2}};
    for (const auto& s : segments)
        PaintGlossy(
            cr, [&](cairo_t* c) { Ellipse(c, s[0], s[1], s[2], s[2]); }, green, ElementGloss());
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 44.5, 23.5, 7, 6.5); }, Lighter(green, 0.1),
        ElementGloss());
    for (const double x : {42.0, 47.5}) {
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, x, 22, 2.2, 2.6); }, Palette::White, Hex("33691E"),
            0.6);
        cairo_arc(cr, x + 0.5, 22.5, 1.1, 0, 2 * M_PI);
        SetColor(cr, Hex("1B1B1B"));
        cairo_fill(cr);
    }
    cairo_arc(cr, 44.8, 25.5, 2.2, 0.2, M_PI - 0.2);
    SetColor(cr, Hex("33691E"));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void DrawWormHusk(cairo_t* cr) {
    const TColor husk = Hex("B89A6A");
    // An apple-core silhouette: the eaten middle leaves two bitten edges.
    const auto core = [](cairo_t* c) {
        cairo_move_to(c, 17, 9);
        cairo_curve_to(c, 22, 11, 30, 11, 35, 9);
        cairo_curve_to(c, 36, 14, 30, 17, 30, 22);
        cairo_curve_to(c, 27, 24, 27, 28, 30, 30);
        cairo_curve_to(c, 30, 36, 37, 40, 36, 45);
        cairo_curve_to(c, 30, 47, 22, 47, 16, 45);
        cairo_curve_to(c, 15, 40, 22, 36, 22, 30);
        cairo_curve_to(c, 25, 28, 25, 24, 22, 22);
        cairo_curve_to(c, 22, 17, 16, 14, 17, 9);
        cairo_close_path(c);
    };
    TGloss gloss = ElementGloss();
    gloss.Highlight = 0.3;
    PaintGlossy(cr, core, husk, gloss);
    for (const double y : {20.0, 34.0})
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, 26, y, 1.4, 2.2); }, Hex("5D4037"), Hex("3E2723"),
            0.5);
    PaintStem(cr, 26, 10, 27, 4, 2);
}

// ---- Painters ----

void PaintElementTile(const TTile& t, int code) {
    DrawElement(t.cr, code, t.W / 2, t.H / 2, std::min(t.W, t.H));
}

} // namespace

void DrawElement(cairo_t* cr, int code, double cx, double cy, double size) {
    if (code < 1 || code > 18) return;
    TUnitBox box(cr, cx, cy, size);
    ElementPainters[code - 1](cr);
}

void DrawSpecialItem(cairo_t* cr, int code, double cx, double cy, double size) {
    if (code < 101 || code > 106) return;
    TUnitBox box(cr, cx, cy, size);
    ItemPainters[code - 101](cr);
}

void DrawBubble(cairo_t* cr, double cx, double cy, double radius) {
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    FillRadial(cr, cx, cy, radius * 0.6, radius,
               {{0, {0.85, 0.95, 1, 0.08}}, {0.8, {0.7, 0.9, 1, 0.3}}, {1, {0.95, 0.85, 1, 0.75}}});
    cairo_arc(cr, cx, cy, radius - 0.6, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.35, 0.6, 0.9, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Ellipse(cr, cx - radius * 0.38, cy - radius * 0.45, radius * 0.3, radius * 0.16);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
    cairo_arc(cr, cx + radius * 0.5, cy + radius * 0.45, radius * 0.07, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_fill(cr);
}

void AddElementArt(TCatalog& catalog) {
    catalog.Add("ElementsInside", [](const TTile& t) { PaintElementTile(t, t.Pattern + 1); });
    catalog.Add("BubbleInside", [](const TTile& t) {
        DrawElement(t.cr, t.Pattern + 1, t.W / 2, t.H / 2, t.W * 0.74);
        DrawBubble(t.cr, t.W / 2, t.H / 2, t.W / 2 - 2);
    });
    catalog.Add("SpecialItems", [](const TTile& t) {
        DrawSpecialItem(t.cr, 101 + t.Pattern, t.W / 2, t.H / 2, t.W);
    });
    catalog.Add("Locker", [](const TTile& t) {
        TUnitBox box(t.cr, t.W / 2, t.H / 2, t.W);
        DrawLocker(t.cr, t.Pattern);
    });
    catalog.Add("FruitBombMark", [](const TTile& t) {
        TUnitBox box(t.cr, t.W / 2, t.H / 2, t.W);
        DrawBombMark(t.cr);
    });
    catalog.Add("Worm", [](const TTile& t) {
        TUnitBox box(t.cr, t.W / 2, t.H / 2, t.W);
        DrawWorm(t.cr);
    });
    catalog.Add("WormHusk", [](const TTile& t) {
        TUnitBox box(t.cr, t.W / 2, t.H / 2, t.W);
        DrawWormHusk(t.cr);
    });
}
