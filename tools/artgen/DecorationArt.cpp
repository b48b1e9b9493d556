// Ambient decoration: old-movie and comic layers, lightning, fog, dust, rain, confetti,
// butterflies and the little animals of the picture book.
#include "Catalog.h"
#include "Style.h"
#include "World.h"

#include <cmath>
#include <string>

namespace {

// 0: a paper frame with torn inner edges round the comic strip; 1: a soft dark vignette.
void DrawStoryMask(const TTile& t) {
    cairo_t* cr = t.cr;
    if (t.Pattern == 1) {
        cairo_rectangle(cr, 0, 0, t.W, t.H);
        FillRadial(cr, t.W / 2, t.H / 2, t.H * 0.35, t.W * 0.6,
                   {{0, {0.1, 0.06, 0.02, 0}}, {1, {0.1, 0.06, 0.02, 0.75}}});
        return;
    }
    TArtRandom random(41);
    cairo_rectangle(cr, 0, 0, t.W, t.H);
    const double m = 34;
    cairo_move_to(cr, m, m);
    for (double x = m; x < t.W - m; x += 18) cairo_line_to(cr, x, m + random.Range(-6, 6));
    for (double y = m; y < t.H - m; y += 18) cairo_line_to(cr, t.W - m + random.Range(-6, 6), y);
    for (double x = t.W - m; x > m; x -= 18) cairo_line_to(cr, x, t.H - m + random.Range(-6, 6));
    for (double y = t.H - m; y > m; y -= 18) cairo_line_to(cr, m + random.Range(-6, 6), y);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColor(cr, Hex("F6EEDC"));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// Scratches and dust of an old film, two frames.
void DrawMovieEffect(const TTile& t) {
    TArtRandom random(static_cast<uint64_t>(50 + t.Pattern));
    for (int i = 0; i < 5; ++i) {
        const double x = random.Range(0, t.W);
        cairo_move_to(t.cr, x, random.Range(0, t.H * 0.3));
        cairo_line_to(t.cr, x + random.Range(-8, 8), random.Range(t.H * 0.6, t.H));
    }
    cairo_set_source_rgba(t.cr, 0.95, 0.9, 0.8, 0.35);
    cairo_set_line_width(t.cr, 1.5);
    cairo_stroke(t.cr);
    for (int i = 0; i < 60; ++i) {
        cairo_arc(t.cr, random.Range(0, t.W), random.Range(0, t.H), random.Range(0.8, 2.5), 0,
                  2 * M_PI);
        cairo_set_source_rgba(t.cr, 0.15, 0.1, 0.05, 0.35);
        cairo_fill(t.cr);
    }
}

void DrawLightning(const TTile& t) {
    cairo_t* cr = t.cr;
    TArtRandom random(static_cast<uint64_t>(60 + t.Pattern));
    double x = t.W * (t.Pattern == 0 ? 0.3 : 0.72), y = 0;
    cairo_move_to(cr, x, y);
    while (y < t.H * 0.7) {
        x += random.Range(-60, 60);
        y += random.Range(40, 90);
        cairo_line_to(cr, x, y);
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(cr, 0.8, 0.9, 1, 0.35);
    cairo_set_line_width(cr, 26);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 1, 1, 0.85, 1);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void DrawFog(const TTile& t) {
    TArtRandom random(static_cast<uint64_t>(70 + t.Pattern));
    for (int i = 0; i < 26; ++i)
        PaintGlow(t.cr, random.Range(0, t.W), t.H * (0.35 + 0.6 * random.Next()),
                  random.Range(120, 260), {1, 1, 1, 0.22});
}

void DrawScreenDust(const TTile& t) {
    TArtRandom random(static_cast<uint64_t>(80 + t.Pattern));
    for (int i = 0; i < 90; ++i)
        PaintGlow(t.cr, random.Range(0, t.W), random.Range(0, t.H), random.Range(2, 6),
                  {1, 0.92, 0.6, 0.8});
}

// Columns are three puff shapes, rows seven frames growing and fading.
void DrawDustParticle(const TTile& t) {
    const int shape = t.Pattern % 3, frame = t.Pattern / 3;
    const double grow = 0.35 + 0.65 * frame / 6.0, alpha = 0.85 * (1 - frame / 7.0);
    const double c = t.W / 2;
    for (int i = 0; i <= shape; ++i)
        PaintGlow(t.cr, c + (i - shape / 2.0) * 6 * grow, c + (i % 2) * 4 * grow,
                  (c - 2) * grow * (1 - 0.2 * i), {0.92, 0.88, 0.8, alpha});
}

void DrawConfetti(const TTile& t) {
    const TColor colors[] = {Hex("E53935"), Hex("FFB300"), Hex("43A047"),
                             Hex("1E88E5"), Hex("8E24AA"), Hex("FF80AB")};
    const double c = t.W / 2;
    cairo_save(t.cr);
    cairo_translate(t.cr, c, c);
    cairo_rotate(t.cr, t.Pattern * 0.7);
    if (t.Pattern % 2 == 0)
        RoundedRect(t.cr, -6, -3, 12, 6, 1.5);
    else
        Star(t.cr, 0, 0, 7, 3, 5);
    SetColor(t.cr, colors[t.Pattern]);
    cairo_fill(t.cr);
    cairo_restore(t.cr);
}

void DrawRainFlower(const TTile& t) {
    const double c = t.W / 2;
    if (t.Pattern == 1) {
        for (int i = 0; i < 5; ++i) {
            const double a = 2 * M_PI * i / 5;
            PaintGlossy(
                t.cr,
                [&](cairo_t* k) { Ellipse(k, c + 7 * std::cos(a), c + 7 * std::sin(a), 7, 7); },
                Hex("FFFFFF"), {});
        }
        PaintGlossy(t.cr, [&](cairo_t* k) { Ellipse(k, c, c, 5, 5); }, Hex("FFC107"), {});
        return;
    }
    PaintGlossy(t.cr, [&](cairo_t* k) { LeafShape(k, c - 12, c + 8, c + 12, c - 8, 7); },
                t.Pattern == 0 ? Hex("FF80AB") : Hex("FFD54F"), {});
}

void DrawRainDrop(const TTile& t) {
    const double length = t.H * (0.4 + 0.2 * t.Pattern);
    cairo_move_to(t.cr, t.W / 2, t.H - length);
    cairo_line_to(t.cr, t.W / 2, t.H - 2);
    cairo_set_source_rgba(t.cr, 0.75, 0.88, 1, 0.8);
    cairo_set_line_width(t.cr, 2.5);
    cairo_set_line_cap(t.cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(t.cr);
}

void DrawButterfly(const TTile& t, TColor wing) {
    const double c = t.W / 2;
    const double open = 0.2 + 0.8 * std::abs(std::cos(M_PI * t.Pattern / 8.0));
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(t.cr);
        cairo_translate(t.cr, c, c);
        cairo_scale(t.cr, side * open, 1);
        PaintGlossy(t.cr, [](cairo_t* k) { Ellipse(k, 9, -6, 9, 8); }, wing, {});
        PaintGlossy(t.cr, [](cairo_t* k) { Ellipse(k, 7, 6, 6, 6); }, Lighter(wing, 0.3), {});
        cairo_restore(t.cr);
    }
    PaintFlat(
        t.cr, [&](cairo_t* k) { Ellipse(k, c, c, 2, 9); }, Hex("4E342E"), Hex("3E2723"), 0.6);
}

void DrawBirdie(const TTile& t) {
    const double flap = std::sin(2 * M_PI * t.Pattern / 5);
    const double cx = t.W / 2, cy = t.H / 2 + 4;
    PaintGlossy(t.cr, [&](cairo_t* k) { Ellipse(k, cx, cy, 12, 8); }, Hex("FAFAFA"), {});
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(t.cr, cx + side * 4, cy - 2);
        cairo_curve_to(t.cr, cx + side * 12, cy - 6 - flap * 10, cx + side * 20, cy - 4 - flap * 14,
                       cx + side * 28, cy - flap * 12);
    }
    SetColor(t.cr, Hex("607D8B"));
    cairo_set_line_width(t.cr, 4);
    cairo_set_line_cap(t.cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(t.cr);
    PaintFlat(
        t.cr,
        [&](cairo_t* k) {
            cairo_move_to(k, cx - 12, cy - 1);
            cairo_line_to(k, cx - 19, cy + 1);
            cairo_line_to(k, cx - 12, cy + 3);
            cairo_close_path(k);
        },
        Hex("FFB300"), Hex("E65100"), 0.6);
}

// A cloud seen from above: overlapping puffs lit from the top left, a faint blue-grey underside,
// and a rim that fades into the sea so that the map shows through its edge.
void DrawMapCloud(const TTile& t) {
    struct TPuff {
        double X, Y, R;
    };
    static const TPuff Puffs[] = {{0.30, 0.58, 0.20},
                                  {0.48, 0.44, 0.26},
                                  {0.68, 0.52, 0.21},
                                  {0.82, 0.62, 0.13},
                                  {0.18, 0.66, 0.12}};
    const auto puffs = [&](cairo_t* k) {
        for (const TPuff& puff : Puffs) {
            cairo_new_sub_path(k);
            Ellipse(k, puff.X * t.W, puff.Y * t.H, puff.R * t.W, puff.R * t.W * 0.8);
        }
    };
    cairo_push_group(t.cr);
    PaintSoftShadow(t.cr, puffs, 8, 3, 6, 0.18);
    puffs(t.cr);
    FillLinear(t.cr, 0, t.H * 0.2, 0, t.H * 0.85,
               {{0, Hex("FFFFFF")}, {0.6, Hex("F4F8FC")}, {1, Hex("C9D8E8")}});
    cairo_pop_group_to_source(t.cr);
    cairo_paint_with_alpha(t.cr, 0.85);
}

void DrawPony(cairo_t* cr, double cx, double groundY, double step) {
    const TColor coat = Hex("C68642");
    for (int i = 0; i < 4; ++i) {
        const double x = cx - 26 + i * 16 + (i % 2 ? step : -step) * 6;
        PaintGlossy(cr, [&](cairo_t* k) { RoundedRect(k, x, groundY - 34, 7, 34, 3); },
                    Darker(coat, 0.15), {});
    }
    PaintGlossy(cr, [&](cairo_t* k) { Ellipse(k, cx, groundY - 42, 34, 18); }, coat, {});
    PaintGlossy(cr, [&](cairo_t* k) { RoundedRect(k, cx - 46, groundY - 76, 20, 34, 8); }, coat,
                {});
    PaintGlossy(cr, [&](cairo_t* k) { Ellipse(k, cx - 44, groundY - 78, 13, 10); }, coat, {});
    PaintGlossy(cr,
                [&](cairo_t* k) { LeafShape(k, cx - 30, groundY - 82, cx - 18, groundY - 58, 5); },
                Hex("5D4037"), {});
    PaintGlossy(cr,
                [&](cairo_t* k) { LeafShape(k, cx + 32, groundY - 48, cx + 44, groundY - 22, 5); },
                Hex("5D4037"), {});
    cairo_arc(cr, cx - 48, groundY - 80, 2, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_fill(cr);
}

void DrawHorseCart(const TTile& t) {
    PaintGlossy(t.cr, [](cairo_t* k) { RoundedRect(k, 18, 34, 70, 34, 6); }, Hex("A86B3C"), {});
    cairo_move_to(t.cr, 18, 50);
    cairo_line_to(t.cr, 2, 56);
    SetColor(t.cr, Hex("6B4320"));
    cairo_set_line_width(t.cr, 4);
    cairo_stroke(t.cr);
    const double turn = t.Pattern * M_PI / 8;
    PaintGlossy(t.cr, [](cairo_t* k) { Ellipse(k, 52, 74, 20, 20); }, Hex("8D5A2B"), {});
    for (int i = 0; i < 4; ++i) {
        const double a = turn + i * M_PI / 4;
        cairo_move_to(t.cr, 52 - 17 * std::cos(a), 74 - 17 * std::sin(a));
        cairo_line_to(t.cr, 52 + 17 * std::cos(a), 74 + 17 * std::sin(a));
    }
    SetColor(t.cr, Hex("F3E2BE"));
    cairo_set_line_width(t.cr, 3);
    cairo_stroke(t.cr);
    for (int i = 0; i < 3; ++i)
        PaintGlossy(t.cr, [&](cairo_t* k) { Ellipse(k, 34 + i * 18, 32, 9, 9); },
                    i == 1 ? Hex("FF8C1A") : Hex("7CCB3A"), {});
}

} // namespace

void AddDecorationArt(TCatalog& catalog) {
    catalog.Add("StoryBGMask", AtDoubleSize(DrawStoryMask));
    catalog.Add("MovieEffect", AtDoubleSize(DrawMovieEffect));
    catalog.Add("Lightning", AtDoubleSize(DrawLightning));
    catalog.Add("Fog", AtDoubleSize(DrawFog));
    catalog.Add("ScreenDustEffect", AtDoubleSize(DrawScreenDust));
    catalog.Add("DustParticle", DrawDustParticle);
    catalog.Add("Confetti", DrawConfetti);
    catalog.Add("RainFlowers", DrawRainFlower);
    catalog.Add("RainDrop", DrawRainDrop);
    catalog.Add("PinkButterfly", [](const TTile& t) { DrawButterfly(t, Hex("FF80AB")); });
    catalog.Add("BlueButterfly", [](const TTile& t) { DrawButterfly(t, Hex("4FC3F7")); });
    catalog.Add("Birdie", DrawBirdie);
    catalog.Add("MapCloud", DrawMapCloud);
    catalog.Add("Horse", [](const TTile& t) {
        DrawPony(t.cr, t.W / 2 + 6, t.H - 8, std::sin(M_PI * t.Pattern / 2));
    });
    catalog.Add("HorseCart", DrawHorseCart);
}
