#include "Characters.h"

#include "Elements.h"
#include "Style.h"

#include <cmath>

namespace {

// Figures are drawn 300 units tall, feet at y = 300, centred on x = 0.
constexpr double FigureHeight = 300;

struct TOutfit {
    TColor Skin, Hair, Top, Bottom, Shoes;
    double Width; // body width factor
};

TOutfit OutfitOf(TPerson person) {
    switch (person) {
    case TPerson::Maren:
        return {Hex("F2C6A8"), Hex("D8CFC0"), Hex("8E44AD"), Hex("7D3C98"), Hex("4A235A"), 1.05};
    case TPerson::Borre:
        return {Hex("EEC39A"), Hex("F5F5F5"), Hex("1F3A68"), Hex("2C3E50"), Hex("3E2723"), 1.1};
    case TPerson::Lissa:
        return {Hex("E8B48E"), Hex("B5562E"), Hex("F5F5F0"), Hex("5D7A3A"), Hex("5D4037"), 0.95};
    case TPerson::Oskar:
        return {Hex("F5C7A0"), Hex("7B4A2A"), Hex("FFFFFF"), Hex("6D4C41"), Hex("3E2723"), 1.3};
    default:
        return {Hex("F5C9A0"), Hex("7A4A22"), Hex("2F7FD0"), Hex("6D4C41"), Hex("3E2723"), 1.0};
    }
}

TGloss Body() {
    TGloss gloss;
    gloss.Rim = 2.5;
    gloss.Highlight = 0.3;
    return gloss;
}

void Shape(cairo_t* cr, const TShape& shape, TColor color) {
    PaintGlossy(cr, shape, color, Body());
}

void DrawEyes(cairo_t* cr, bool blink) {
    for (int side = -1; side <= 1; side += 2) {
        const double x = side * 17, y = 66;
        if (blink) {
            cairo_move_to(cr, x - 8, y + 2);
            cairo_curve_to(cr, x - 3, y + 6, x + 3, y + 6, x + 8, y + 2);
            cairo_set_source_rgb(cr, 0.2, 0.12, 0.08);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            continue;
        }
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, x, y, 9, 11); }, Palette::White, Hex("4A3020"), 2);
        cairo_arc(cr, x + 1, y + 2, 6, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.18, 0.12, 0.08);
        cairo_fill(cr);
        cairo_arc(cr, x - 1.5, y - 1.5, 2.2, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
}

void DrawMouth(cairo_t* cr, double open) {
    if (open < 0.25) {
        cairo_move_to(cr, -11, 88);
        cairo_curve_to(cr, -5, 96, 5, 96, 11, 88);
        cairo_set_source_rgb(cr, 0.45, 0.15, 0.12);
        cairo_set_line_width(cr, 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    const double h = 4 + 8 * open;
    PaintFlat(
        cr, [&](cairo_t* c) { Ellipse(c, 0, 91, 9, h); }, Hex("8E2A23"), Hex("5D1A16"), 2);
    PaintFlat(
        cr, [&](cairo_t* c) { Ellipse(c, 0, 91 + h * 0.45, 5.5, h * 0.38); }, Hex("F28B82"),
        Hex("F28B82"), 0);
}

void DrawHead(cairo_t* cr, TPerson person, const TOutfit& outfit, const TPersonLook& look) {
    // Hair behind the head.
    if (person == TPerson::Lissa)
        Shape(
            cr, [](cairo_t* c) { Ellipse(c, 30, 90, 14, 34); }, outfit.Hair);
    Shape(
        cr, [](cairo_t* c) { Ellipse(c, 0, 62, 48, 50); }, outfit.Skin);
    for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, side * 30, 84, 7, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 0.45, 0.45, 0.35);
        cairo_fill(cr);
    }
    DrawEyes(cr, look.Blink);
    PaintFlat(
        cr, [](cairo_t* c) { Ellipse(c, 0, 78, 4, 3); }, Darker(outfit.Skin, 0.12),
        Darker(outfit.Skin, 0.12), 0);
    switch (person) {
    case TPerson::Tovan:
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -48, 56);
                cairo_curve_to(c, -52, 10, 52, 10, 48, 56);
                cairo_curve_to(c, 30, 40, 10, 48, -4, 38);
                cairo_curve_to(c, -16, 48, -34, 44, -48, 56);
                cairo_close_path(c);
            },
            outfit.Hair);
        // The sailor cap.
        Shape(
            cr, [](cairo_t* c) { Ellipse(c, 0, 20, 42, 18); }, Palette::White);
        Shape(
            cr, [](cairo_t* c) { RoundedRect(c, -40, 24, 80, 9, 4); }, Hex("1E5FA8"));
        break;
    case TPerson::Maren:
        Shape(
            cr, [](cairo_t* c) { Ellipse(c, 0, 8, 22, 16); }, outfit.Hair);
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -50, 62);
                cairo_curve_to(c, -54, 4, 54, 4, 50, 62);
                cairo_curve_to(c, 34, 30, -34, 30, -50, 62);
                cairo_close_path(c);
            },
            outfit.Hair);
        // The queen's small crown over her bun.
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -26, 24);
                cairo_line_to(c, -30, -2);
                cairo_line_to(c, -14, 12);
                cairo_line_to(c, 0, -8);
                cairo_line_to(c, 14, 12);
                cairo_line_to(c, 30, -2);
                cairo_line_to(c, 26, 24);
                cairo_close_path(c);
            },
            Palette::Gold);
        break;
    case TPerson::Borre:
        // A white beard round the mouth, and the captain's hat.
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -44, 70);
                cairo_curve_to(c, -40, 130, 40, 130, 44, 70);
                cairo_curve_to(c, 30, 84, 18, 82, 12, 86);
                cairo_curve_to(c, 6, 100, -6, 100, -12, 86);
                cairo_curve_to(c, -18, 82, -30, 84, -44, 70);
                cairo_close_path(c);
            },
            outfit.Hair);
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -52, 32);
                cairo_curve_to(c, -50, -8, 50, -8, 52, 32);
                cairo_close_path(c);
            },
            Hex("1F3A68"));
        Shape(
            cr, [](cairo_t* c) { RoundedRect(c, -56, 26, 112, 10, 5); }, Hex("15294A"));
        Shape(
            cr, [](cairo_t* c) { Star(c, 0, 14, 9, 4, 5); }, Palette::Gold);
        break;
    case TPerson::Lissa:
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -50, 58);
                cairo_curve_to(c, -56, 0, 56, 0, 50, 58);
                cairo_curve_to(c, 36, 30, -36, 30, -50, 58);
                cairo_close_path(c);
            },
            Hex("43A047"));
        break;
    case TPerson::Oskar:
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -34, 24);
                cairo_curve_to(c, -60, -20, -20, -40, 0, -22);
                cairo_curve_to(c, 20, -40, 60, -20, 34, 24);
                cairo_close_path(c);
            },
            Palette::White);
        Shape(
            cr, [](cairo_t* c) { RoundedRect(c, -38, 16, 76, 14, 6); }, Hex("F0F0F0"));
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -24, 86);
                cairo_curve_to(c, -12, 76, -4, 80, 0, 84);
                cairo_curve_to(c, 4, 80, 12, 76, 24, 86);
                cairo_curve_to(c, 12, 84, 4, 88, 0, 86);
                cairo_curve_to(c, -4, 88, -12, 84, -24, 86);
                cairo_close_path(c);
            },
            outfit.Hair);
        break;
    }
    if (person == TPerson::Borre) {
        DrawMouth(cr, look.Mouth);
        Shape(
            cr, [](cairo_t* c) { RoundedRect(c, 12, 92, 26, 6, 3); }, Hex("6D4C41"));
        Shape(
            cr, [](cairo_t* c) { RoundedRect(c, 34, 82, 11, 14, 3); }, Hex("6D4C41"));
    } else {
        DrawMouth(cr, look.Mouth);
    }
}

void DrawBodyAndLimbs(cairo_t* cr, TPerson person, const TOutfit& outfit, const TPersonLook& look) {
    const double w = 46 * outfit.Width;
    const bool dress = person == TPerson::Maren;
    // Legs and shoes.
    if (!dress)
        for (int side = -1; side <= 1; side += 2) {
            const double shift = side * look.Step * 10,
                         lift = side * look.Step > 0 ? 8 * std::abs(look.Step) : 0;
            Shape(
                cr,
                [&](cairo_t* c) { RoundedRect(c, side * 16 - 13 + shift, 196, 26, 92 - lift, 10); },
                outfit.Bottom);
            Shape(
                cr, [&](cairo_t* c) { Ellipse(c, side * 18 + shift * 1.3, 292 - lift, 19, 9); },
                outfit.Shoes);
        }
    else
        for (int side = -1; side <= 1; side += 2)
            Shape(
                cr, [&](cairo_t* c) { Ellipse(c, side * 18, 292, 17, 8); }, outfit.Shoes);
    // Arms behind the body, hands at the sides (the right arm may wave).
    for (int side = -1; side <= 1; side += 2) {
        const double raise = side > 0 ? look.ArmRaise : 0;
        const double hx = side * (w + 12 + 18 * raise), hy = 196 - 110 * raise;
        cairo_move_to(cr, side * (w - 8), 122);
        cairo_line_to(cr, hx, hy);
        SetColor(cr, Darker(outfit.Top, 0.35));
        cairo_set_line_width(cr, 26);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke_preserve(cr);
        SetColor(cr, person == TPerson::Borre ? outfit.Top : Lighter(outfit.Top, 0.05));
        cairo_set_line_width(cr, 21);
        cairo_stroke(cr);
        Shape(
            cr, [&](cairo_t* c) { Ellipse(c, hx, hy + 6, 12, 12); }, outfit.Skin);
    }
    // Torso (a long dress for Maren).
    Shape(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, -w + 8, 108);
            cairo_line_to(c, w - 8, 108);
            if (dress) {
                cairo_curve_to(c, w + 10, 180, w + 26, 240, w + 24, 286);
                cairo_line_to(c, -w - 24, 286);
                cairo_curve_to(c, -w - 26, 240, -w - 10, 180, -w + 8, 108);
            } else {
                cairo_curve_to(c, w + 4, 130, w + 2, 190, w - 2, 206);
                cairo_line_to(c, -w + 2, 206);
                cairo_curve_to(c, -w - 2, 190, -w - 4, 130, -w + 8, 108);
            }
            cairo_close_path(c);
        },
        outfit.Top);
    switch (person) {
    case TPerson::Tovan:
        if (look.Progress < 12) {
            // Striped sailor shirt and a red scarf.
            cairo_save(cr);
            cairo_move_to(cr, -w + 8, 108);
            cairo_line_to(cr, w - 8, 108);
            cairo_line_to(cr, w, 206);
            cairo_line_to(cr, -w, 206);
            cairo_close_path(cr);
            cairo_clip(cr);
            for (int i = 0; i < 4; ++i) cairo_rectangle(cr, -w, 126 + i * 20, 2 * w, 8);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
            cairo_fill(cr);
            cairo_restore(cr);
            cairo_new_path(cr);
        } else {
            Shape(
                cr, [&](cairo_t* c) { RoundedRect(c, -w - 2, 106, 2 * w + 4, 104, 14); },
                Hex("1F3A68"));
            for (int i = 0; i < 3; ++i)
                Shape(
                    cr, [&](cairo_t* c) { Ellipse(c, 0, 130 + i * 24, 5, 5); }, Palette::Gold);
        }
        Shape(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, -30, 106);
                cairo_line_to(c, 30, 106);
                cairo_line_to(c, 0, 138);
                cairo_close_path(c);
            },
            Hex("E53935"));
        if (look.Progress >= 2)
            Shape(
                cr, [&](cairo_t* c) { RoundedRect(c, -w, 192, 2 * w, 12, 4); }, Hex("8D5A2B"));
        if (look.Progress >= 16)
            Shape(
                cr, [](cairo_t* c) { Star(c, -22, 150, 12, 5, 5); }, Palette::Gold);
        break;
    case TPerson::Maren:
        cairo_move_to(cr, -30, 110);
        cairo_curve_to(cr, -24, 150, 24, 150, 30, 110);
        SetColor(cr, Palette::Gold);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        Shape(
            cr, [](cairo_t* c) { Ellipse(c, 0, 146, 11, 11); }, Palette::Gold);
        break;
    case TPerson::Borre:
        for (int i = 0; i < 4; ++i) {
            Shape(
                cr, [&](cairo_t* c) { Ellipse(c, -14, 132 + i * 20, 4.5, 4.5); }, Palette::Gold);
            Shape(
                cr, [&](cairo_t* c) { Ellipse(c, 14, 132 + i * 20, 4.5, 4.5); }, Palette::Gold);
        }
        break;
    case TPerson::Lissa:
        Shape(
            cr, [&](cairo_t* c) { RoundedRect(c, -w + 10, 140, 2 * w - 20, 80, 10); },
            Hex("7CB342"));
        for (int i = 0; i < 3; ++i)
            PaintFlat(
                cr, [&](cairo_t* c) { LeafShape(c, -18 + i * 16, 170, -10 + i * 16, 160, 4); },
                Hex("33691E"), Hex("1B5E20"), 1);
        break;
    case TPerson::Oskar:
        Shape(
            cr, [&](cairo_t* c) { RoundedRect(c, -w + 12, 130, 2 * w - 24, 96, 14); },
            Hex("FAFAFA"));
        break;
    }
    // Things in hand.
    const double rightHandX = w + 12 + 18 * look.ArmRaise, rightHandY = 202 - 110 * look.ArmRaise;
    if (person == TPerson::Tovan && look.Progress >= 4 && look.ArmRaise < 0.5)
        DrawSpecialItem(cr, 101, rightHandX + 4, rightHandY - 12, 70);
    if (person == TPerson::Tovan && look.Progress >= 8)
        Shape(
            cr, [&](cairo_t* c) { RoundedRect(c, -w - 44, 188, 52, 12, 5); }, Palette::Gold);
    if (person == TPerson::Lissa) DrawElement(cr, 18, -w - 12, 186, 50);
    if (person == TPerson::Oskar)
        Shape(
            cr, [&](cairo_t* c) { Ellipse(c, -w - 14, 192, 24, 12); }, Hex("E0A050"));
}

void DrawParrot(cairo_t* cr) {
    Shape(
        cr, [](cairo_t* c) { Ellipse(c, 60, 96, 14, 20); }, Hex("E53935"));
    Shape(
        cr, [](cairo_t* c) { Ellipse(c, 62, 74, 11, 11); }, Hex("E53935"));
    Shape(
        cr, [](cairo_t* c) { LeafShape(c, 56, 100, 66, 128, 6); }, Hex("1E88E5"));
    Shape(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 70, 72);
            cairo_line_to(c, 80, 78);
            cairo_line_to(c, 70, 82);
            cairo_close_path(c);
        },
        Hex("FFC107"));
    cairo_arc(cr, 64, 72, 2.5, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_fill(cr);
}

void DrawFigure(cairo_t* cr, TPerson person, const TPersonLook& look) {
    const TOutfit outfit = OutfitOf(person);
    PaintGlow(cr, 0, 296, 70, {0.05, 0.1, 0.2, 0.3});
    cairo_save(cr);
    cairo_translate(cr, 0, look.Breath);
    DrawBodyAndLimbs(cr, person, outfit, look);
    DrawHead(cr, person, outfit, look);
    if (person == TPerson::Tovan && look.Progress >= 20) DrawParrot(cr);
    cairo_restore(cr);
}

} // namespace

void DrawPerson(cairo_t* cr, TPerson person, double cx, double groundY, double height,
                const TPersonLook& look) {
    cairo_save(cr);
    cairo_translate(cr, cx, groundY - height);
    cairo_scale(cr, height / FigureHeight, height / FigureHeight);
    DrawFigure(cr, person, look);
    cairo_restore(cr);
}

void DrawPortrait(cairo_t* cr, TPerson person, double x, double y, double w, double h,
                  const TPersonLook& look, bool mouthOnly) {
    // The whole figure, as large as the box allows, standing on its bottom edge.
    const double scale = std::min(h / 350, w / 165);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x + w / 2, y + h - 305 * scale);
    cairo_scale(cr, scale, scale);
    if (!mouthOnly) {
        DrawFigure(cr, person, look);
    } else {
        const TOutfit outfit = OutfitOf(person);
        PaintFlat(
            cr, [](cairo_t* c) { Ellipse(c, 0, 91, 14, 13); },
            person == TPerson::Borre ? outfit.Hair : outfit.Skin, outfit.Skin, 0);
        DrawMouth(cr, look.Mouth);
    }
    cairo_restore(cr);
}

void DrawDove(cairo_t* cr, double cx, double cy, double size, double wing) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100, size / 100);
    const TColor white = Hex("FAFBFF");
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, -30, 10);
            cairo_line_to(c, -46, 0);
            cairo_line_to(c, -44, 22);
            cairo_close_path(c);
        },
        white, Body());
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 0, 12, 30, 22); }, white, Body());
    // Mirela's little pocket for the goods.
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, -8, 16, 20, 16, 5); }, Hex("42A5F5"), Body());
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 22, -14, 15, 15); }, white, Body());
    PaintFlat(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 35, -16);
            cairo_line_to(c, 46, -11);
            cairo_line_to(c, 35, -8);
            cairo_close_path(c);
        },
        Hex("FFB74D"), Hex("E65100"), 1.2);
    cairo_arc(cr, 26, -17, 3, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.15);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, -4, 4);
    cairo_rotate(cr, -0.9 * wing);
    PaintGlossy(
        cr, [](cairo_t* c) { LeafShape(c, 0, 0, -38, -18, 12); }, Hex("ECEFF8"), Body());
    cairo_restore(cr);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 6, 32);
        cairo_line_to(cr, side * 8, 42);
    }
    SetColor(cr, Hex("E57373"));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
}
