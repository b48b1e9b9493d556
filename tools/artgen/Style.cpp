#include "Style.h"

#include <algorithm>
#include <cmath>

TColor Hex(std::string_view rgb, double alpha) {
    const auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    const auto byte = [&](int i) { return (digit(rgb[i]) * 16 + digit(rgb[i + 1])) / 255.0; };
    if (!rgb.empty() && rgb[0] == '#') rgb.remove_prefix(1);
    return {byte(0), byte(2), byte(4), alpha};
}

TColor Mix(TColor a, TColor b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
            a.A + (b.A - a.A) * t};
}

TColor Lighter(TColor c, double amount) {
    return Mix(c, {1, 1, 1, c.A}, amount);
}
TColor Darker(TColor c, double amount) {
    return Mix(c, {0, 0, 0, c.A}, amount);
}
TColor WithAlpha(TColor c, double alpha) {
    return {c.R, c.G, c.B, alpha};
}
void SetColor(cairo_t* cr, TColor c) {
    cairo_set_source_rgba(cr, c.R, c.G, c.B, c.A);
}
void AddStop(cairo_pattern_t* pattern, double offset, TColor c) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.R, c.G, c.B, c.A);
}

namespace {
void FillWith(cairo_t* cr, cairo_pattern_t* pattern, std::initializer_list<TStop> stops,
              bool keepPath) {
    for (const TStop& stop : stops) AddStop(pattern, stop.Offset, stop.Color);
    cairo_set_source(cr, pattern);
    keepPath ? cairo_fill_preserve(cr) : cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}
} // namespace

void FillLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
                std::initializer_list<TStop> stops, bool keepPath) {
    FillWith(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops, keepPath);
}

void FillRadial(cairo_t* cr, double cx, double cy, double r0, double r1,
                std::initializer_list<TStop> stops, bool keepPath) {
    FillWith(cr, cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops, keepPath);
}

void PaintSoftShadow(cairo_t* cr, const TShape& shape, double spread, double dx, double dy,
                     double alpha) {
    // Stacked strokes of falling width build a soft edge without a blur pass.
    constexpr int Steps = 5;
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    cairo_new_path(cr);
    shape(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(cr, 0.05, 0.1, 0.2, alpha / Steps);
    for (int k = 0; k < Steps; ++k) {
        cairo_set_line_width(cr, 2 * spread * (Steps - k) / Steps);
        cairo_stroke_preserve(cr);
    }
    cairo_set_source_rgba(cr, 0.05, 0.1, 0.2, alpha * 0.6);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintGlossy(cairo_t* cr, const TShape& shape, TColor base, const TGloss& gloss) {
    if (gloss.Shadow > 0)
        PaintSoftShadow(cr, shape, gloss.Shadow, gloss.ShadowX, gloss.ShadowY, gloss.ShadowAlpha);
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    const double w = x1 - x0, h = y1 - y0;
    const double lx = x0 + w * gloss.LightX, ly = y0 + h * gloss.LightY;
    FillRadial(cr, lx, ly, 0, std::max(w, h) * 0.95,
               {{0, Lighter(base, 0.5)}, {0.42, base}, {1, Darker(base, 0.28)}}, true);
    if (gloss.Rim > 0) {
        SetColor(cr, Darker(base, 0.38));
        cairo_set_line_width(cr, gloss.Rim);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    if (gloss.Highlight > 0) {
        cairo_clip(cr);
        const double hx = x0 + w * 0.34, hy = y0 + h * 0.26;
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.55);
        cairo_scale(cr, w * 0.2, h * 0.11);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_identity_matrix(cr);
        FillLinear(cr, hx, hy - h * 0.12, hx, hy + h * 0.12,
                   {{0, {1, 1, 1, gloss.Highlight}}, {1, {1, 1, 1, gloss.Highlight * 0.15}}});
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

void PaintFlat(cairo_t* cr, const TShape& shape, TColor fill, TColor rim, double rimWidth) {
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    SetColor(cr, fill);
    if (rimWidth > 0) {
        cairo_fill_preserve(cr);
        SetColor(cr, rim);
        cairo_set_line_width(cr, rimWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void PaintGlow(cairo_t* cr, double cx, double cy, double radius, TColor centre) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    FillRadial(
        cr, cx, cy, 0, radius,
        {{0, centre}, {0.35, WithAlpha(centre, centre.A * 0.45)}, {1, WithAlpha(centre, 0)}});
    cairo_restore(cr);
}

void PaintGreyed(cairo_t* cr, const std::function<void()>& draw, double alpha) {
    cairo_push_group(cr);
    draw();
    cairo_pattern_t* picture = cairo_pop_group(cr);
    cairo_push_group(cr);
    cairo_set_source(cr, picture);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_HSL_SATURATION);
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_mask(cr, picture);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_pattern_destroy(picture);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double rotation, double roundness) {
    cairo_new_sub_path(cr);
    const int n = points * 2;
    const auto corner = [&](int i) {
        const double a = rotation - M_PI / 2 + M_PI * i / points;
        const double r = i % 2 == 0 ? outer : inner;
        return std::pair{cx + r * std::cos(a), cy + r * std::sin(a)};
    };
    if (roundness <= 0) {
        for (int i = 0; i < n; ++i) {
            const auto [x, y] = corner(i);
            i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
        }
    } else {
        // Curves through the midpoints, with the corners as control points: rounded tips.
        const auto mid = [&](int i) {
            const auto [ax, ay] = corner(i % n);
            const auto [bx, by] = corner((i + 1) % n);
            return std::pair{(ax + bx) / 2, (ay + by) / 2};
        };
        auto [sx, sy] = mid(0);
        cairo_move_to(cr, sx, sy);
        for (int i = 1; i <= n; ++i) {
            const auto [px, py] = corner(i % n);
            const auto [mx, my] = mid(i);
            const auto [qx, qy] = std::pair{sx, sy};
            const double t = roundness;
            cairo_curve_to(cr, qx + (px - qx) * (1 - t * 0.5), qy + (py - qy) * (1 - t * 0.5),
                           mx + (px - mx) * (1 - t * 0.5), my + (py - my) * (1 - t * 0.5), mx, my);
            sx = mx;
            sy = my;
        }
    }
    cairo_close_path(cr);
}

void LeafShape(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    const double len = std::hypot(x1 - x0, y1 - y0);
    const double nx = -(y1 - y0) / len * width, ny = (x1 - x0) / len * width;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx + nx - (x1 - x0) * 0.25, my + ny - (y1 - y0) * 0.25,
                   mx + nx + (x1 - x0) * 0.25, my + ny + (y1 - y0) * 0.25, x1, y1);
    cairo_curve_to(cr, mx - nx + (x1 - x0) * 0.25, my - ny + (y1 - y0) * 0.25,
                   mx - nx - (x1 - x0) * 0.25, my - ny - (y1 - y0) * 0.25, x0, y0);
    cairo_close_path(cr);
}

TArtRandom::TArtRandom(std::string_view name) : State(1469598103934665603ull) {
    for (char c : name) State = (State ^ static_cast<uint8_t>(c)) * 1099511628211ull;
}

double TArtRandom::Next() {
    State ^= State << 13;
    State ^= State >> 7;
    State ^= State << 17;
    return static_cast<double>(State >> 11) / 9007199254740992.0;
}
