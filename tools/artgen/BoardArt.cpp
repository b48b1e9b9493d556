// The board's own layers: cell backgrounds, frames, selection, webs, chains, border and the
// sprites that fly from the board to the gathering slots.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"
#include "TextArt.h"

#include <cmath>

namespace {

// ---- Cells ----

void DrawBackgroundTile(const TTile& t) {
    const bool alternate = t.Pattern == 1;
    const TColor top = alternate ? Hex("CFF1EE") : Hex("FBF0D6");
    const TColor bottom = alternate ? Hex("94D3D6") : Hex("EBCF98");
    cairo_t* cr = t.cr;
    // The cell itself fills (2,2)..(54,54); the margin holds only a soft edge.
    RoundedRect(cr, 1, 1, 54, 54, 6);
    cairo_set_source_rgba(cr, 0.35, 0.25, 0.1, 0.12);
    cairo_fill(cr);
    RoundedRect(cr, 2, 2, 52, 52, 5);
    FillLinear(cr, 2, 2, 54, 54, {{0, top}, {1, bottom}});
    // Bevel: light upper-left edge, darker lower-right edge.
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 4, 52);
    cairo_line_to(cr, 4, 8);
    cairo_curve_to(cr, 4, 5, 5, 4, 8, 4);
    cairo_line_to(cr, 52, 4);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_stroke(cr);
    cairo_move_to(cr, 52.5, 5);
    cairo_line_to(cr, 52.5, 48);
    cairo_curve_to(cr, 52.5, 51, 51, 52.5, 48, 52.5);
    cairo_line_to(cr, 5, 52.5);
    SetColor(cr, WithAlpha(Darker(bottom, 0.3), 0.6));
    cairo_stroke(cr);
    if (alternate) {
        // Sea glass: a few light ripples.
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 10, 16 + i * 13);
            cairo_curve_to(cr, 20, 12 + i * 13, 34, 20 + i * 13, 46, 15 + i * 13);
        }
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

// Pattern 0 golden, 1 red with a cross; the cell lies at (1,2)..(53,54).
void DrawTileSelection(const TTile& t) {
    cairo_t* cr = t.cr;
    const bool refused = t.Pattern == 1;
    const TColor color = refused ? Hex("FF4B4B") : Hex("FFD54A");
    RoundedRect(cr, 2.5, 3.5, 49, 49, 7);
    SetColor(cr, WithAlpha(color, 0.35));
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    SetColor(cr, color);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    // Corner sparkles.
    for (const auto& [x, y] : {std::pair{4.0, 5.0}, {50.0, 5.0}, {4.0, 51.0}, {50.0, 51.0}})
        PaintFlat(
            cr, [&](cairo_t* c) { Star(c, x, y, 4, 1.2, 4); }, Palette::White, color, 0.8);
    if (refused) {
        PaintGlossy(cr, [](cairo_t* c) { Ellipse(c, 43, 13, 8, 8); }, color, {});
        cairo_move_to(cr, 39.5, 9.5);
        cairo_line_to(cr, 46.5, 16.5);
        cairo_move_to(cr, 46.5, 9.5);
        cairo_line_to(cr, 39.5, 16.5);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void DrawToolHighlight(const TTile& t) {
    cairo_t* cr = t.cr;
    RoundedRect(cr, 2, 2, 52, 52, 6);
    FillRadial(cr, 28, 28, 8, 38, {{0, {1, 0.95, 0.6, 0.25}}, {1, {1, 0.8, 0.2, 0.85}}});
    RoundedRect(cr, 3, 3, 50, 50, 6);
    cairo_set_source_rgba(cr, 1, 1, 0.85, 0.95);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// ---- Webs and chains ----

// A web centred on (27,28); `tear` 0 is whole, 5 nearly gone.
void DrawWeb(const TTile& t) {
    cairo_t* cr = t.cr;
    const int tear = t.Pattern;
    TArtRandom random(static_cast<uint64_t>(tear) * 7 + 3);
    const double cx = 27, cy = 28;
    constexpr int Spokes = 10;
    constexpr int Rings = 4;
    double radius[Spokes];
    for (int s = 0; s < Spokes; ++s) radius[s] = 25 + (s % 2) * 2;
    const auto point = [&](int spoke, double ring, double sag) {
        const double a = 2 * M_PI * spoke / Spokes + 0.15;
        const double r = radius[spoke] * ring / Rings;
        return std::pair{cx + r * std::cos(a), cy + r * std::sin(a) + sag};
    };
    const double keep = 1.0 - tear * 0.17; // share of threads still holding
    const double sag = tear * 1.6;         // torn threads droop
    const auto thread = [&](std::pair<double, double> a, std::pair<double, double> b) {
        cairo_move_to(cr, a.first, a.second);
        cairo_line_to(cr, b.first, b.second);
    };
    for (int s = 0; s < Spokes; ++s)
        if (random.Next() < keep) thread(point(s, 0.3, 0), point(s, Rings, sag * random.Next()));
    for (int ring = 1; ring <= Rings; ++ring)
        for (int s = 0; s < Spokes; ++s)
            if (random.Next() < keep)
                thread(point(s, ring, sag * random.Next() * 0.5),
                       point((s + 1) % Spokes, ring, sag * random.Next() * 0.5));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, 0.1, 0.15, 0.3, 0.35);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.97, 0.98, 1, 0.95 - tear * 0.08);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// One chain of oval links from (x0,y0) to (x1,y1); `spread` pushes links apart as it breaks.
void DrawChain(cairo_t* cr, double x0, double y0, double x1, double y1, TColor metal, double spread,
               int seed) {
    const int links = 7;
    const double angle = std::atan2(y1 - y0, x1 - x0);
    TArtRandom random(static_cast<uint64_t>(seed));
    for (int i = 0; i < links; ++i) {
        const double f = (i + 0.5) / links;
        const double jitterX = spread * random.Range(-1, 1), jitterY = spread * random.Range(-1, 1);
        cairo_save(cr);
        cairo_translate(cr, x0 + (x1 - x0) * f + jitterX, y0 + (y1 - y0) * f + jitterY);
        cairo_rotate(cr, angle + spread * 0.08 * random.Range(-1, 1));
        const bool flat = i % 2 == 0;
        const auto link = [&](cairo_t* c) {
            if (flat) {
                RoundedRect(c, -5.5, -3.6, 11, 7.2, 3.6);
            } else {
                RoundedRect(c, -5.5, -1.5, 11, 3, 1.5);
            }
        };
        TGloss gloss;
        gloss.Rim = 1.2;
        gloss.Highlight = 0.6;
        gloss.Shadow = 1.2;
        gloss.ShadowX = 1;
        gloss.ShadowY = 1.5;
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                link(c);
                if (flat) RoundedRect(c, -3, -1.3, 6, 2.6, 1.3);
            },
            metal, gloss);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_restore(cr);
    }
}

void DrawPadlock(cairo_t* cr, double cx, double cy, TColor body) {
    cairo_arc(cr, cx, cy - 4, 5, M_PI, 0);
    SetColor(cr, Hex("9AA5B1"));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    PaintGlossy(cr, [&](cairo_t* c) { RoundedRect(c, cx - 7.5, cy - 4, 15, 12, 3); }, body, {});
    cairo_arc(cr, cx, cy + 1, 1.7, 0, 2 * M_PI);
    cairo_rectangle(cr, cx - 0.8, cy + 1, 1.6, 4);
    SetColor(cr, Darker(body, 0.6));
    cairo_fill(cr);
}

// Patterns 0..4: the crossed chains of level 1 and their break; 5..9: the second chain.
void DrawChainLock(const TTile& t) {
    cairo_t* cr = t.cr;
    const bool second = t.Pattern >= 5;
    const int stage = t.Pattern % 5;
    const double spread = stage * 3.2;
    cairo_push_group(cr);
    if (!second) {
        DrawChain(cr, 4, 4, 52, 52, Hex("B0BAC5"), spread, 11 + stage);
        DrawChain(cr, 52, 4, 4, 52, Hex("B0BAC5"), spread, 23 + stage);
        if (stage == 0) DrawPadlock(cr, 28, 28, Palette::Gold);
    } else {
        DrawChain(cr, 2, 28, 54, 28, Hex("8A6F5A"), spread, 37 + stage);
        DrawChain(cr, 28, 2, 28, 54, Hex("8A6F5A"), spread, 41 + stage);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 1.0 - stage * 0.18);
}

// ---- Gold-tile frames ----

void DrawFramePlate(cairo_t* cr, double x, double y, double w, double h, bool golden,
                    double border) {
    const TColor base = golden ? Hex("F2B93B") : Hex("A86B3C");
    TGloss gloss;
    gloss.Rim = 1.4;
    gloss.Highlight = golden ? 0.7 : 0.35;
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, x, y, w, h, 5); }, base, gloss);
    // The inner panel, a shade darker, framed by the carved border.
    PaintFlat(
        cr,
        [&](cairo_t* c) {
            RoundedRect(c, x + border, y + border, w - 2 * border, h - 2 * border, 3);
        },
        Darker(base, 0.12), Darker(base, 0.4), 1);
    if (!golden) {
        for (int i = 1; i < 4; ++i) {
            cairo_move_to(cr, x + border + 1, y + h * i / 4);
            cairo_line_to(cr, x + w - border - 1, y + h * i / 4);
        }
        SetColor(cr, WithAlpha(Darker(base, 0.45), 0.45));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    for (const auto& [px, py] : {std::pair{x + 3.5, y + 3.5},
                                 {x + w - 3.5, y + 3.5},
                                 {x + 3.5, y + h - 3.5},
                                 {x + w - 3.5, y + h - 3.5}})
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, px, py, 1.6, 1.6); },
            golden ? Hex("FFF3B0") : Hex("D9B48A"), Darker(base, 0.5), 0.6);
}

} // namespace

void DrawChainIcon(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx - size / 2, cy - size / 2);
    cairo_scale(cr, size / 56, size / 56);
    DrawChain(cr, 4, 4, 52, 52, Hex("B0BAC5"), 0, 11);
    DrawChain(cr, 52, 4, 4, 52, Hex("B0BAC5"), 0, 23);
    DrawPadlock(cr, 28, 28, Palette::Gold);
    cairo_restore(cr);
}

void DrawGoldTile(cairo_t* cr, int layers, bool upgraded, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx - size / 2, cy - size / 2);
    cairo_scale(cr, size / 52, size / 52);
    if (layers >= 2) DrawFramePlate(cr, 7, 9, 40, 40, upgraded, 6);
    DrawFramePlate(cr, 4, 4, 40, 40, upgraded, 6);
    if (upgraded)
        PaintFlat(
            cr, [](cairo_t* c) { Star(c, 24, 24, 7, 3, 5); }, Hex("FFF8D0"), Hex("C8901A"), 1);
    cairo_restore(cr);
}

namespace {

void DrawBrownTile(const TTile& t) {
    const bool upgraded = t.Pattern >= 2;
    const bool doubled = t.Pattern % 2 == 1;
    if (doubled) {
        DrawFramePlate(t.cr, 0.5, 0.5, 51, 51, upgraded, 7);
        DrawFramePlate(t.cr, 4, 4, 44, 44, upgraded, 5);
    } else {
        DrawFramePlate(t.cr, 1, 1, 50, 50, upgraded, 6);
    }
}

// ---- Board border: half-cell pieces ----

// Rows 0..2 (and 3..5 for the alternate look): outer corners, edges, inner corners. A piece
// touches the board along the side that faces it; the rail runs 2..14 px away from the board.
void DrawBorderPiece(const TTile& t) {
    cairo_t* cr = t.cr;
    const bool alternate = t.Pattern >= 12;
    const int kind = (t.Pattern % 12) / 4, which = t.Pattern % 4;
    const TColor rail = alternate ? Hex("DCC8A8") : Hex("9B6234");
    const double s = 26, inner = 2, outer = 14;
    const auto shape = [&](cairo_t* c) {
        switch (kind) {
        case 0: { // outer corner: the board lies towards the piece corner (cx, cy)
            const double cx = which % 2 == 0 ? s : 0, cy = which < 2 ? s : 0;
            const double start = (which == 0) ? M_PI
                                 : which == 1 ? 1.5 * M_PI
                                 : which == 2 ? 0.5 * M_PI
                                              : 0;
            cairo_new_sub_path(c);
            cairo_arc(c, cx, cy, outer, start, start + M_PI / 2);
            cairo_arc_negative(c, cx, cy, inner, start + M_PI / 2, start);
            cairo_close_path(c);
            break;
        }
        case 1: // edges: top, bottom, left, right of the board
            if (which == 0) cairo_rectangle(c, 0, s - outer, s, outer - inner);
            if (which == 1) cairo_rectangle(c, 0, inner, s, outer - inner);
            if (which == 2) cairo_rectangle(c, s - outer, 0, outer - inner, s);
            if (which == 3) cairo_rectangle(c, inner, 0, outer - inner, s);
            break;
        default: { // inner corner: the board wraps around the piece corner (cx, cy)
            const double cx = which % 2 == 0 ? 0 : s, cy = which < 2 ? 0 : s;
            const double start = which == 0   ? 0
                                 : which == 1 ? 0.5 * M_PI
                                 : which == 2 ? 1.5 * M_PI
                                              : M_PI;
            cairo_new_sub_path(c);
            cairo_arc(c, cx, cy, s - inner, start, start + M_PI / 2);
            cairo_arc_negative(c, cx, cy, s - outer, start + M_PI / 2, start);
            cairo_close_path(c);
        }
        }
    };
    TGloss gloss;
    gloss.Rim = 1.2;
    gloss.Highlight = 0.3;
    PaintGlossy(cr, shape, rail, gloss);
}

// ---- Flying sprites ----

void DrawFlowingElement(const TTile& t) {
    const int p = t.Pattern;
    const double c = t.W / 2, size = t.W;
    if (p < 8)
        DrawElement(t.cr, p + 1, c, c, size);
    else if (p < 12)
        DrawElement(t.cr, FirstFlowerCode + p - 8, c, c, size);
    else if (p == 12)
        DrawSpiderIcon(t.cr, c, c, size);
    else
        DrawGoldTile(t.cr, (p - 13) % 2 + 1, p >= 15, c, c, size);
}

// The rare flowers the board hands out in find-flower mode, each on a glowing card.
void DrawFoundFlower(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    struct TFlower {
        TColor Petal, Heart;
        int Petals;
        double Length, Width;
    };
    const TFlower flowers[] = {{Hex("FFC83D"), Hex("FF7A00"), 10, 0.34, 0.13},
                               {Hex("7FD8FF"), Hex("1E88E5"), 6, 0.38, 0.14},
                               {Hex("FF8AD8"), Hex("C2185B"), 5, 0.4, 0.11},
                               {Hex("E1E6FF"), Hex("7986CB"), 8, 0.36, 0.12},
                               {Hex("FF7043"), Hex("5D2A0A"), 6, 0.36, 0.17},
                               {Hex("B388FF"), Hex("FFD54F"), 6, 0.4, 0.12}};
    const TFlower& f = flowers[t.Pattern % 6];
    PaintGlow(cr, c, c, t.W * 0.5, WithAlpha(Lighter(f.Petal, 0.5), 0.9));
    for (int layer = 0; layer < 2; ++layer) {
        for (int i = 0; i < f.Petals; ++i) {
            const double a = 2 * M_PI * (i + layer * 0.5) / f.Petals;
            const double len = t.W * f.Length * (layer ? 0.7 : 1);
            cairo_save(cr);
            cairo_translate(cr, c + len * 0.55 * std::cos(a), c + len * 0.55 * std::sin(a));
            cairo_rotate(cr, a);
            TGloss gloss;
            gloss.Shadow = layer ? 0 : 2.5;
            PaintGlossy(
                cr, [&](cairo_t* k) { Ellipse(k, 0, 0, len * 0.55, t.W * f.Width); },
                layer ? Lighter(f.Petal, 0.25) : f.Petal, gloss);
            cairo_restore(cr);
        }
    }
    if (t.Pattern == 5) { // the rainbow iris: every petal a colour of its own
        const TColor rainbow[] = {Hex("FF5252"), Hex("FFB300"), Hex("FFEB3B"),
                                  Hex("4CAF50"), Hex("29B6F6"), Hex("7E57C2")};
        for (int i = 0; i < 6; ++i) {
            cairo_arc(cr, c, c, t.W * 0.13, 2 * M_PI * i / 6, 2 * M_PI * (i + 1) / 6);
            cairo_line_to(cr, c, c);
            SetColor(cr, rainbow[i]);
            cairo_fill(cr);
        }
    } else {
        PaintGlossy(cr, [&](cairo_t* k) { Ellipse(k, c, c, t.W * 0.12, t.W * 0.12); }, f.Heart, {});
    }
    for (int i = 0; i < 4; ++i) {
        const double a = 0.7 + i * M_PI / 2;
        PaintFlat(
            cr,
            [&](cairo_t* k) {
                Star(k, c + t.W * 0.42 * std::cos(a), c + t.W * 0.42 * std::sin(a), 7, 2, 4);
            },
            Palette::White, Palette::Gold, 0.8);
    }
}

} // namespace

void AddBoardArt(TCatalog& catalog) {
    catalog.Add("BackgroundTile", DrawBackgroundTile);
    catalog.Add("TileSelection", DrawTileSelection);
    catalog.Add("ToolHighlight", DrawToolHighlight);
    catalog.Add("Web", DrawWeb);
    catalog.Add("ChainLock", DrawChainLock);
    catalog.Add("BrownTile", DrawBrownTile);
    catalog.Add("BoardBorder", DrawBorderPiece);
    catalog.Add("FlowingElements", DrawFlowingElement);
    catalog.Add("FoundFlowers", DrawFoundFlower);
}
