#include "UiKit.h"

#include "TextArt.h"

#include <cmath>

namespace {

void WoodGrain(cairo_t* cr, double x, double y, double w, double h, TColor wood, int seed) {
    TArtRandom random(static_cast<uint64_t>(seed));
    const int lines = std::max(3, static_cast<int>(h / 7));
    for (int i = 0; i < lines; ++i) {
        const double ly = y + h * (i + 0.5) / lines + random.Range(-1.5, 1.5);
        cairo_move_to(cr, x, ly);
        cairo_curve_to(cr, x + w * 0.3, ly + random.Range(-2, 2), x + w * 0.7,
                       ly + random.Range(-2, 2), x + w, ly);
    }
    SetColor(cr, WithAlpha(Darker(wood, 0.35), 0.28));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

struct TButtonColors {
    TColor Face, Text;
};

TButtonColors ColorsOf(TButtonLook look) {
    switch (look) {
    case TButtonLook::Gold:
        return {Hex("F6B93B"), Palette::White};
    case TButtonLook::Sea:
        return {Hex("2F8FE0"), Palette::White};
    case TButtonLook::Coral:
        return {Hex("E8674F"), Palette::White};
    default:
        return {Hex("A86B3C"), Palette::White};
    }
}

} // namespace

void DrawWoodBoard(cairo_t* cr, double x, double y, double w, double h, double radius) {
    TGloss gloss;
    gloss.Shadow = 4;
    gloss.ShadowX = 2;
    gloss.ShadowY = 4;
    gloss.Highlight = 0.25;
    gloss.Rim = 2;
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, x, y, w, h, radius); }, Palette::Wood, gloss);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    WoodGrain(cr, x, y, w, h, Palette::Wood, static_cast<int>(w * 3 + h));
    cairo_restore(cr);
}

void DrawFramedPanel(cairo_t* cr, double x, double y, double w, double h, double frame,
                     double radius) {
    DrawWoodBoard(cr, x, y, w, h, radius);
    const double ix = x + frame, iy = y + frame, iw = w - 2 * frame, ih = h - 2 * frame;
    RoundedRect(cr, ix, iy, iw, ih, radius * 0.6);
    FillLinear(cr, 0, iy, 0, iy + ih, {{0, Lighter(Palette::Sand, 0.45)}, {1, Palette::Sand}});
    // Inner shadow under the frame's top edge, a light line along its bottom.
    RoundedRect(cr, ix + 1, iy + 1, iw - 2, ih - 2, radius * 0.6);
    SetColor(cr, WithAlpha(Darker(Palette::Wood, 0.4), 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Brass bolts in the corners.
    for (const auto& [bx, by] : {std::pair{x + frame / 2 + 2, y + frame / 2 + 2},
                                 {x + w - frame / 2 - 2, y + frame / 2 + 2},
                                 {x + frame / 2 + 2, y + h - frame / 2 - 2},
                                 {x + w - frame / 2 - 2, y + h - frame / 2 - 2}})
        PaintGlossy(cr, [&](cairo_t* c) { Ellipse(c, bx, by, frame * 0.28, frame * 0.28); },
                    Palette::Gold, {});
}

void DrawButton(cairo_t* cr, double x, double y, double w, double h, std::string_view caption,
                TButtonLook look, bool pressed) {
    const TButtonColors colors = ColorsOf(look);
    const double drop = pressed ? 1.5 : 0;
    const double r = std::min(h / 2 - 2, 14.0);
    TGloss gloss;
    gloss.Shadow = pressed ? 1 : 2.5;
    gloss.ShadowY = pressed ? 1 : 3;
    gloss.Rim = 2;
    gloss.LightY = 0.1;
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, x + 2, y + 1.5 + drop, w - 5, h - 6, r); },
        colors.Face, gloss);
    // A light inner rim, like a sand bevel.
    RoundedRect(cr, x + 4.5, y + 4 + drop, w - 10, h - 11, r - 2);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    if (caption.empty()) return;
    TCaptionStyle style;
    style.Fill = colors.Text;
    style.Outline = Darker(colors.Face, 0.6);
    style.OutlineWidth = std::max(1.5, h * 0.05);
    style.ShadowY = 1.5;
    DrawCaption(cr, caption, x + w / 2 - 1, y + (h - 5) / 2 + drop, (h - 6) * 0.5, style, w - 22);
}

void DrawDisabledButton(cairo_t* cr, double x, double y, double w, double h,
                        std::string_view caption, TButtonLook look) {
    PaintGreyed(
        cr, [&] { DrawButton(cr, x, y, w, h, caption, look); }, 0.55);
}

void DrawGlass(cairo_t* cr, double x, double y, double w, double h, double radius) {
    RoundedRect(cr, x, y, w, h, radius);
    FillLinear(cr, x, y, x + w, y + h,
               {{0, {1, 1, 1, 0.32}}, {0.5, {0.85, 0.95, 1, 0.12}}, {1, {1, 1, 1, 0.25}}}, true);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // A curved reflection along the upper left.
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    cairo_move_to(cr, x + w * 0.12, y + h * 0.92);
    cairo_curve_to(cr, x + w * 0.08, y + h * 0.4, x + w * 0.3, y + h * 0.1, x + w * 0.7,
                   y + h * 0.07);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_set_line_width(cr, std::max(2.0, std::min(w, h) * 0.08));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawRibbon(cairo_t* cr, double x, double y, double w, double h, TColor color) {
    const double fold = h * 0.5;
    for (int side = 0; side < 2; ++side) {
        const double ex = side == 0 ? x : x + w - fold * 1.6;
        PaintFlat(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, ex, y + fold * 0.5);
                cairo_line_to(c, ex + fold * 1.6, y + fold * 0.5);
                cairo_line_to(c, ex + fold * 1.6, y + h + fold * 0.5);
                cairo_line_to(c, ex, y + h + fold * 0.5);
                cairo_line_to(c, side == 0 ? ex + fold * 0.6 : ex + fold, y + h * 0.5 + fold * 0.5);
                cairo_close_path(c);
            },
            Darker(color, 0.25), Darker(color, 0.5), 1.2);
    }
    TGloss gloss;
    gloss.Shadow = 2;
    gloss.LightY = 0.1;
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, x + fold, y, w - 2 * fold, h, 4); }, color, gloss);
}

void DrawCrest(cairo_t* cr, double cx, double cy, double radius, TCrestIcon icon) {
    TGloss gloss;
    gloss.Shadow = 3;
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, radius, radius); }, Palette::Gold, gloss);
    PaintFlat(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, radius * 0.78, radius * 0.78); }, Hex("1E6FB8"),
        Darker(Palette::Gold, 0.4), 1.5);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, radius / 30, radius / 30);
    const TColor ink = Palette::White;
    SetColor(cr, ink);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (icon) {
    case TCrestIcon::Gear:
        Star(cr, 0, 0, 15, 11, 8, 0, 0);
        cairo_fill(cr);
        cairo_arc(cr, 0, 0, 5, 0, 2 * M_PI);
        SetColor(cr, Hex("1E6FB8"));
        cairo_fill(cr);
        break;
    case TCrestIcon::Anchor:
        cairo_arc(cr, 0, -12, 3.5, 0, 2 * M_PI);
        cairo_move_to(cr, 0, -8);
        cairo_line_to(cr, 0, 14);
        cairo_move_to(cr, -8, -4);
        cairo_line_to(cr, 8, -4);
        cairo_move_to(cr, -13, 4);
        cairo_curve_to(cr, -12, 12, -6, 15, 0, 15);
        cairo_curve_to(cr, 6, 15, 12, 12, 13, 4);
        cairo_stroke(cr);
        break;
    case TCrestIcon::Wheel:
        cairo_arc(cr, 0, 0, 10, 0, 2 * M_PI);
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            cairo_move_to(cr, 3 * std::cos(a), 3 * std::sin(a));
            cairo_line_to(cr, 16 * std::cos(a), 16 * std::sin(a));
        }
        cairo_stroke(cr);
        break;
    case TCrestIcon::Quill:
        cairo_move_to(cr, -12, 14);
        cairo_curve_to(cr, -4, 2, 4, -8, 13, -15);
        cairo_curve_to(cr, 8, -2, 0, 6, -10, 10);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case TCrestIcon::Trophy:
        cairo_move_to(cr, -10, -13);
        cairo_line_to(cr, 10, -13);
        cairo_curve_to(cr, 10, 0, 5, 4, 0, 4);
        cairo_curve_to(cr, -5, 4, -10, 0, -10, -13);
        cairo_fill(cr);
        cairo_rectangle(cr, -2, 4, 4, 6);
        cairo_rectangle(cr, -8, 10, 16, 4);
        cairo_fill(cr);
        cairo_arc(cr, -10, -7, 5, M_PI / 2, 1.5 * M_PI);
        cairo_arc(cr, 10, -7, 5, 1.5 * M_PI, M_PI / 2);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    case TCrestIcon::Laurel:
        for (int side = -1; side <= 1; side += 2)
            for (int i = 0; i < 5; ++i) {
                const double a = M_PI / 2 + side * (0.4 + i * 0.45);
                LeafShape(cr, 13 * std::cos(a), 13 * std::sin(a), 13 * std::cos(a) + side * 5,
                          13 * std::sin(a) - 5, 2.5);
                cairo_fill(cr);
            }
        Star(cr, 0, 0, 7, 3, 5);
        cairo_fill(cr);
        break;
    case TCrestIcon::Scroll:
        RoundedRect(cr, -11, -13, 22, 26, 3);
        cairo_stroke(cr);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, -6, -6 + i * 6);
            cairo_line_to(cr, 6, -6 + i * 6);
        }
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    case TCrestIcon::Question:
        cairo_arc(cr, 0, -5, 7, M_PI, 2.3 * M_PI);
        cairo_line_to(cr, 0, 6);
        cairo_stroke(cr);
        cairo_arc(cr, 0, 13, 2.2, 0, 2 * M_PI);
        cairo_fill(cr);
        break;
    case TCrestIcon::Shell:
        Star(cr, 0, 2, 15, 9, 7, 0, 0.6);
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}
