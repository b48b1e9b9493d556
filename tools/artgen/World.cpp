#include "World.h"

#include "Elements.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

TGloss Soft(double shadow = 0) {
    TGloss gloss;
    gloss.Rim = 1.5;
    gloss.Highlight = 0.35;
    gloss.Shadow = shadow;
    return gloss;
}

void Block(cairo_t* cr, double x, double y, double w, double h, TColor color, double radius = 2) {
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, x, y, w, h, radius); }, color, Soft());
}

void Roof(cairo_t* cr, double x, double y, double w, double h, TColor color) {
    PaintGlossy(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, x - 4, y + h);
            cairo_line_to(c, x + w / 2, y);
            cairo_line_to(c, x + w + 4, y + h);
            cairo_close_path(c);
        },
        color, Soft());
}

void Window(cairo_t* cr, double x, double y, double w, double h) {
    PaintFlat(
        cr, [&](cairo_t* c) { RoundedRect(c, x, y, w, h, 1.5); }, Hex("FFE9A8"), Hex("6B4320"),
        1.2);
}

void StripedAwning(cairo_t* cr, double x, double y, double w, double h, TColor a, TColor b) {
    const int stripes = 5;
    for (int i = 0; i < stripes; ++i) {
        const double sx = x + w * i / stripes;
        PaintFlat(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, sx, y);
                cairo_line_to(c, sx + w / stripes, y);
                cairo_line_to(c, sx + w / stripes, y + h);
                cairo_arc(c, sx + w / stripes / 2, y + h, w / stripes / 2, 0, M_PI);
                cairo_close_path(c);
            },
            i % 2 ? b : a, Darker(a, 0.4), 1);
    }
}

void BuntingImpl(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, double size) {
    const TColor colors[] = {Hex("E53935"), Hex("FFB300"), Hex("43A047"), Hex("1E88E5"),
                             Hex("8E24AA")};
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) / 3, y0 + sag, x0 + 2 * (x1 - x0) / 3, y1 + sag, x1, y1);
    SetColor(cr, Hex("5D4037"));
    cairo_set_line_width(cr, std::max(0.8, size * 0.12));
    cairo_stroke(cr);
    const int flags = std::max(3, static_cast<int>((x1 - x0) / (size * 1.4)));
    for (int i = 0; i < flags; ++i) {
        const double t = (i + 0.5) / flags;
        const double mt = 1 - t;
        const double px = mt * mt * mt * x0 + 3 * mt * mt * t * (x0 + (x1 - x0) / 3) +
                          3 * mt * t * t * (x0 + 2 * (x1 - x0) / 3) + t * t * t * x1;
        const double py = mt * mt * mt * y0 + 3 * mt * mt * t * (y0 + sag) +
                          3 * mt * t * t * (y1 + sag) + t * t * t * y1;
        PaintFlat(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, px - size / 2, py);
                cairo_line_to(c, px + size / 2, py);
                cairo_line_to(c, px, py + size * 1.2);
                cairo_close_path(c);
            },
            colors[i % 5], Darker(colors[i % 5], 0.35), std::max(0.5, size * 0.08));
    }
}

void Tree(cairo_t* cr, double x, double groundY, double size, bool fruit) {
    Block(cr, x - size * 0.08, groundY - size * 0.5, size * 0.16, size * 0.5, Hex("8D5A2B"));
    for (const auto& [dx, dy, r] :
         {std::tuple{-0.2, -0.7, 0.28}, {0.2, -0.72, 0.28}, {0.0, -0.9, 0.3}})
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                Ellipse(c, x + dx * size, groundY + dy * size, r * size, r * size * 0.9);
            },
            Hex("4CAF50"), Soft(1));
    if (fruit)
        for (const auto& [dx, dy] :
             {std::pair{-0.22, -0.6}, {0.15, -0.78}, {0.25, -0.58}, {-0.05, -0.95}})
            PaintGlossy(
                cr,
                [&](cairo_t* c) {
                    Ellipse(c, x + dx * size, groundY + dy * size, size * 0.06, size * 0.075);
                },
                Hex("9CCC65"), Soft());
}

// ---- The works, each in its own unit box standing on y = height ----

struct TWorkShape {
    double Width, Height;
    void (*Draw)(cairo_t*);
};

void MarketSquare(cairo_t* cr) {
    BuntingImpl(cr, 2, 12, 118, 12, 8, 7);
    for (int i = 0; i < 2; ++i) {
        const double x = 6 + i * 58;
        Block(cr, x + 2, 40, 4, 40, Hex("8D5A2B"));
        Block(cr, x + 44, 40, 4, 40, Hex("8D5A2B"));
        Block(cr, x, 58, 52, 22, Hex("C98B4E"));
        StripedAwning(cr, x - 3, 28, 58, 14, i ? Hex("1E88E5") : Hex("E53935"), Palette::White);
        for (int k = 0; k < 3; ++k) DrawElement(cr, 1 + i * 3 + k, x + 10 + k * 16, 56, 17);
    }
}

void Bakery(cairo_t* cr) {
    Block(cr, 62, 8, 14, 34, Hex("B0614A"));
    for (int i = 0; i < 3; ++i) PaintGlow(cr, 70 + i * 5, 4 - i * 6, 7 + i * 2, {1, 1, 1, 0.6});
    Block(cr, 8, 40, 84, 46, Hex("F3D9A4"));
    Roof(cr, 4, 18, 92, 26, Hex("C0392B"));
    Window(cr, 18, 52, 18, 16);
    Window(cr, 64, 52, 18, 16);
    Block(cr, 42, 58, 16, 28, Hex("8D5A2B"));
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 50, 46, 11, 6); }, Hex("E0A050"), Soft());
}

void HarbourWall(cairo_t* cr) {
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 5; ++i)
            Block(cr, 2 + i * 19 + (row ? 9 : 0) - (row ? 9 : 0) * (i == 0), 40 + row * 16,
                  row && i == 0 ? 10 : 18, 15, Hex("B8B0A0"), 3);
    DrawGull(cr, 30, 18, 22);
    DrawGull(cr, 64, 26, 16);
}

void FishingPier(cairo_t* cr) {
    for (int i = 0; i < 4; ++i) Block(cr, 14 + i * 22, 58, 5, 34, Hex("6B4320"));
    Block(cr, 4, 50, 92, 10, Hex("C98B4E"));
    for (int i = 1; i < 8; ++i) {
        cairo_move_to(cr, 4 + i * 11.5, 50);
        cairo_line_to(cr, 4 + i * 11.5, 60);
    }
    SetColor(cr, Hex("6B4320"));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void BeachHuts(cairo_t* cr) {
    for (int i = 0; i < 2; ++i) {
        const double x = 4 + i * 54;
        Block(cr, x, 42, 40, 44, i ? Hex("4FC3F7") : Hex("FF8A80"));
        for (int s = 1; s < 4; ++s) {
            cairo_move_to(cr, x + s * 10, 43);
            cairo_line_to(cr, x + s * 10, 85);
        }
        cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        Roof(cr, x, 24, 40, 20, Hex("F5F5F5"));
        Block(cr, x + 13, 62, 14, 24, Hex("8D5A2B"));
    }
    for (int i = 0; i < 5; ++i) DrawElement(cr, 14, 8 + i * 22, 92, 14);
}

void FishingBoat(cairo_t* cr) {
    Block(cr, 47, 10, 4, 60, Hex("6B4320"));
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 52, 14);
            cairo_line_to(c, 88, 60);
            cairo_line_to(c, 52, 60);
            cairo_close_path(c);
        },
        Hex("FFF8E1"), Soft());
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 4, 66);
            cairo_line_to(c, 96, 66);
            cairo_curve_to(c, 92, 82, 80, 90, 70, 90);
            cairo_line_to(c, 26, 90);
            cairo_curve_to(c, 16, 90, 8, 80, 4, 66);
            cairo_close_path(c);
        },
        Hex("1E88E5"), Soft(2));
    Block(cr, 8, 70, 84, 4, Palette::White, 1);
    // The net hanging over the side.
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 14 + i * 6, 60);
        cairo_line_to(cr, 10 + i * 7, 82);
    }
    cairo_set_source_rgba(cr, 0.9, 0.85, 0.6, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void Lighthouse(cairo_t* cr) {
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 20, 96, 20, 8); }, Hex("8D8A80"), Soft());
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 8, 94);
            cairo_line_to(c, 13, 24);
            cairo_line_to(c, 27, 24);
            cairo_line_to(c, 32, 94);
            cairo_close_path(c);
        },
        Palette::White, Soft(2));
    for (int i = 0; i < 3; ++i) {
        const double y = 34 + i * 22;
        PaintFlat(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, 12.3 - i * 1.6, y);
                cairo_line_to(c, 27.7 + i * 1.6, y);
                cairo_line_to(c, 28.5 + i * 1.6, y + 11);
                cairo_line_to(c, 11.5 - i * 1.6, y + 11);
                cairo_close_path(c);
            },
            Hex("E53935"), Hex("8E1F1C"), 0.8);
    }
    Block(cr, 10, 20, 20, 5, Hex("37474F"), 1);
    PaintGlow(cr, 20, 14, 16, {1, 0.95, 0.5, 0.9});
    Block(cr, 14, 8, 12, 12, Hex("FFF59D"), 2);
    Roof(cr, 13, 0, 14, 9, Hex("E53935"));
}

void StoneBridge(cairo_t* cr) {
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 0, 20);
            cairo_line_to(c, 100, 20);
            cairo_line_to(c, 100, 45);
            cairo_line_to(c, 84, 45);
            cairo_curve_to(c, 80, 28, 20, 28, 16, 45);
            cairo_line_to(c, 0, 45);
            cairo_close_path(c);
        },
        Hex("C8BFAE"), Soft(1.5));
    Block(cr, 0, 14, 100, 7, Hex("A89F8E"), 2);
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 8 + i * 17, 21);
        cairo_line_to(cr, 8 + i * 17, 30);
    }
    SetColor(cr, Hex("8A8070"));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void DivingDock(cairo_t* cr) {
    Block(cr, 0, 62, 64, 9, Hex("C98B4E"));
    for (int i = 0; i < 3; ++i) Block(cr, 6 + i * 24, 68, 4, 26, Hex("6B4320"));
    Block(cr, 16, 12, 5, 52, Hex("6B4320"));
    Block(cr, 16, 12, 56, 4, Hex("6B4320"));
    cairo_move_to(cr, 70, 16);
    cairo_line_to(cr, 70, 54);
    SetColor(cr, Hex("5D4037"));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 58, 70);
            cairo_curve_to(c, 58, 52, 82, 52, 82, 70);
            cairo_close_path(c);
        },
        Hex("D4A33B"), Soft(1));
    Window(cr, 66, 60, 8, 6);
    for (int i = 0; i < 3; ++i) DrawBubble(cr, 76 + i * 5, 84 - i * 6, 2 + i);
}

void GoldWorkshop(cairo_t* cr) {
    Block(cr, 66, 14, 12, 30, Hex("7E7E7E"));
    Block(cr, 8, 40, 84, 46, Hex("FFE0B2"));
    Roof(cr, 4, 20, 92, 24, Hex("5D4037"));
    Window(cr, 16, 52, 20, 14);
    Block(cr, 60, 56, 16, 30, Hex("8D5A2B"));
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 36, 72);
            cairo_line_to(c, 56, 72);
            cairo_line_to(c, 52, 64);
            cairo_line_to(c, 40, 64);
            cairo_close_path(c);
        },
        Palette::Gold, Soft());
}

void LotusGarden(cairo_t* cr) {
    PaintFlat(
        cr, [](cairo_t* c) { Ellipse(c, 50, 78, 48, 18); }, Hex("4FC3F7"), Hex("0288D1"), 1.5);
    for (int i = 0; i < 3; ++i) DrawElement(cr, 15, 24 + i * 26, 70 + (i % 2) * 6, 26);
    for (int i = 0; i < 4; ++i)
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, 14 + i * 24, 86 - (i % 2) * 4, 7, 3); }, Hex("66BB6A"),
            Hex("2E7D32"), 0.8);
}

void SeaTerraces(cairo_t* cr) {
    for (int i = 0; i < 3; ++i) Block(cr, i * 22, 40 + i * 16, 100 - i * 22, 16, Hex("D7CCC8"), 3);
    for (int i = 0; i < 3; ++i) {
        Block(cr, 60 + (i % 2) * 10 - i * 4, 32 + i * 16, 24, 4, Hex("8D5A2B"), 1);
        Block(cr, 62 + (i % 2) * 10 - i * 4, 36 + i * 16, 3, 5, Hex("6B4320"), 1);
        Block(cr, 80 + (i % 2) * 10 - i * 4, 36 + i * 16, 3, 5, Hex("6B4320"), 1);
    }
    DrawElement(cr, 13, 12, 34, 16);
}

void Windmill(cairo_t* cr) {
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 16, 96);
            cairo_line_to(c, 24, 40);
            cairo_line_to(c, 40, 40);
            cairo_line_to(c, 48, 96);
            cairo_close_path(c);
        },
        Hex("F5F5F5"), Soft(2));
    Roof(cr, 22, 28, 20, 14, Hex("C0392B"));
    Block(cr, 27, 78, 10, 18, Hex("8D5A2B"));
    cairo_save(cr);
    cairo_translate(cr, 32, 42);
    for (int i = 0; i < 4; ++i) {
        cairo_rotate(cr, M_PI / 2);
        PaintFlat(
            cr, [](cairo_t* c) { cairo_rectangle(c, 2, -4, 28, 8); }, Hex("FFF8E1"), Hex("8D5A2B"),
            1.2);
    }
    cairo_restore(cr);
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 32, 42, 3, 3); }, Hex("6B4320"), Soft());
    for (int i = 0; i < 3; ++i) DrawElement(cr, 16, 6 + i * 25, 92, 12);
}

void HerbTower(cairo_t* cr) {
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, 6, 18, 28, 80, 8); }, Hex("BCAAA4"), Soft(2));
    Roof(cr, 4, 2, 32, 18, Hex("2E7D32"));
    TArtRandom random(31);
    for (int i = 0; i < 22; ++i)
        PaintFlat(
            cr,
            [&](cairo_t* c) { Ellipse(c, random.Range(6, 34), random.Range(26, 94), 3.5, 2.5); },
            Hex("66BB6A"), Hex("2E7D32"), 0.6);
    Window(cr, 14, 40, 12, 14);
    DrawElement(cr, 18, 20, 47, 12);
}

void GuavaOrchard(cairo_t* cr) {
    for (int i = 0; i < 3; ++i) Tree(cr, 20 + i * 30, 96 - (i % 2) * 4, 60, true);
}

void KiteImpl(cairo_t* cr, double cx, double cy, double size, TColor color) {
    PaintGlossy(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, cx, cy - size);
            cairo_line_to(c, cx + size * 0.7, cy);
            cairo_line_to(c, cx, cy + size * 1.2);
            cairo_line_to(c, cx - size * 0.7, cy);
            cairo_close_path(c);
        },
        color, Soft(1));
    cairo_move_to(cr, cx, cy + size * 1.2);
    cairo_curve_to(cr, cx - size * 0.5, cy + size * 2, cx + size * 0.5, cy + size * 2.4, cx,
                   cy + size * 3);
    SetColor(cr, Hex("5D4037"));
    cairo_set_line_width(cr, std::max(0.8, size * 0.06));
    cairo_stroke(cr);
}

void KiteMeadow(cairo_t* cr) {
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 50, 100, 55, 16); }, Hex("8BC34A"), Soft());
    KiteImpl(cr, 30, 22, 13, Hex("E53935"));
    KiteImpl(cr, 70, 34, 11, Hex("1E88E5"));
}

void FestivalStage(cairo_t* cr) {
    Block(cr, 4, 64, 92, 24, Hex("A86B3C"));
    Block(cr, 6, 10, 6, 56, Hex("6B4320"));
    Block(cr, 88, 10, 6, 56, Hex("6B4320"));
    StripedAwning(cr, 4, 6, 92, 12, Hex("8E24AA"), Hex("FFB300"));
    for (int side = 0; side < 2; ++side)
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                const double x = side ? 88 : 12;
                cairo_move_to(c, x, 18);
                cairo_line_to(c, x + (side ? -18 : 18), 18);
                cairo_curve_to(c, x + (side ? -8 : 8), 40, x + (side ? -12 : 12), 56, x, 64);
                cairo_close_path(c);
            },
            Hex("C62828"), Soft());
    for (int i = 0; i < 5; ++i) PaintGlow(cr, 20 + i * 15, 24, 5, {1, 1, 0.6, 1});
}

void FestivalFlags(cairo_t* cr) {
    BuntingImpl(cr, 2, 20, 98, 20, 14, 10);
    BuntingImpl(cr, 2, 52, 98, 52, 12, 9);
}

void ClockTower(cairo_t* cr) {
    Block(cr, 6, 30, 28, 68, Hex("E8D8B8"));
    Roof(cr, 4, 4, 32, 26, Hex("1E6FB8"));
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 20, 44, 10, 10); }, Palette::White, Soft());
    cairo_move_to(cr, 20, 44);
    cairo_line_to(cr, 20, 37);
    cairo_move_to(cr, 20, 44);
    cairo_line_to(cr, 25, 46);
    SetColor(cr, Hex("263238"));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 20, 66, 6, 7); }, Palette::Gold, Soft());
    Block(cr, 14, 80, 12, 18, Hex("8D5A2B"));
}

void SkyDock(cairo_t* cr) {
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 8, 98);
            cairo_line_to(c, 16, 14);
            cairo_line_to(c, 20, 14);
            cairo_line_to(c, 28, 98);
            cairo_close_path(c);
        },
        Hex("90A4AE"), Soft(2));
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 10 + i * 0.7, 90 - i * 13);
        cairo_line_to(cr, 26 - i * 0.7, 80 - i * 13);
    }
    SetColor(cr, Hex("546E7A"));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Block(cr, 6, 10, 24, 6, Hex("546E7A"), 2);
    PaintGlow(cr, 18, 6, 5, {1, 0.3, 0.3, 1});
}

const TWorkShape Works[WorkCount] = {
    {120, 90, MarketSquare}, {100, 90, Bakery},        {100, 92, HarbourWall},
    {100, 94, FishingPier},  {100, 96, BeachHuts},     {100, 92, FishingBoat},
    {40, 100, Lighthouse},   {100, 46, StoneBridge},   {100, 98, DivingDock},
    {100, 88, GoldWorkshop}, {100, 96, LotusGarden},   {100, 88, SeaTerraces},
    {64, 100, Windmill},     {40, 100, HerbTower},     {100, 96, GuavaOrchard},
    {100, 104, KiteMeadow},  {100, 90, FestivalStage}, {100, 70, FestivalFlags},
    {40, 100, ClockTower},   {36, 100, SkyDock}};

} // namespace

void DrawBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, double size) {
    BuntingImpl(cr, x0, y0, x1, y1, sag, size);
}

void DrawKite(cairo_t* cr, double cx, double cy, double size, TColor color) {
    KiteImpl(cr, cx, cy, size, color);
}

void DrawSkyGradient(cairo_t* cr, TBox box, TColor top, TColor bottom) {
    cairo_rectangle(cr, box.X, box.Y, box.W, box.H);
    FillLinear(cr, 0, box.Y, 0, box.Y + box.H, {{0, top}, {1, bottom}});
}

void DrawSun(cairo_t* cr, double cx, double cy, double radius) {
    PaintGlow(cr, cx, cy, radius * 2.6, {1, 0.98, 0.8, 0.7});
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, radius, radius); }, Hex("FFE066"), Soft());
}

void DrawCloud(cairo_t* cr, double cx, double cy, double width, double alpha) {
    const double r = width / 4;
    cairo_save(cr);
    cairo_push_group(cr);
    for (const auto& [dx, dy, k] :
         {std::tuple{-1.2, 0.2, 0.8}, {-0.4, -0.3, 1.1}, {0.5, -0.1, 1.0}, {1.2, 0.25, 0.7}})
        Ellipse(cr, cx + dx * r, cy + dy * r, k * r * 1.1, k * r);
    FillLinear(cr, 0, cy - r * 1.5, 0, cy + r, {{0, {1, 1, 1, 1}}, {1, {0.86, 0.92, 0.98, 1}}});
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

void DrawSeaBand(cairo_t* cr, TBox box, TColor top, TColor bottom, int seed) {
    DrawSkyGradient(cr, box, top, bottom);
    TArtRandom random(static_cast<uint64_t>(seed));
    const int ripples = static_cast<int>(box.W * box.H / 2600);
    for (int i = 0; i < ripples; ++i) {
        const double y = box.Y + random.Next() * box.H;
        const double depth = (y - box.Y) / box.H;
        const double x = box.X + random.Next() * box.W, w = 8 + 26 * depth;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + w * 0.3, y - 2 - 2 * depth, x + w * 0.7, y - 2 - 2 * depth, x + w,
                       y);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void DrawPalm(cairo_t* cr, double x, double groundY, double height, double lean) {
    const double topX = x + lean * height, topY = groundY - height;
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x + lean * height * 0.2, groundY - height * 0.5, topX, topY + height * 0.3,
                   topX, topY);
    SetColor(cr, Hex("8D6E4A"));
    cairo_set_line_width(cr, height * 0.08);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI * (1.05 + i * 0.19);
        const double ex = topX + height * 0.45 * std::cos(a) * (i % 2 ? 1 : 0.9);
        const double ey = topY + height * 0.25 * std::sin(a) + height * 0.18;
        PaintGlossy(
            cr, [&](cairo_t* c) { LeafShape(c, topX, topY, ex, ey, height * 0.07); }, Hex("43A047"),
            Soft());
    }
}

void DrawGull(cairo_t* cr, double cx, double cy, double span) {
    cairo_move_to(cr, cx - span / 2, cy);
    cairo_curve_to(cr, cx - span / 4, cy - span / 4, cx - span / 10, cy - span / 6, cx, cy);
    cairo_curve_to(cr, cx + span / 10, cy - span / 6, cx + span / 4, cy - span / 4, cx + span / 2,
                   cy);
    cairo_set_source_rgba(cr, 0.2, 0.25, 0.3, 0.85);
    cairo_set_line_width(cr, std::max(1.0, span / 12));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void DrawIsland(cairo_t* cr, double x0, double x1, double baseY, double peakY, TColor grass,
                int seed) {
    const double w = x1 - x0;
    PaintGlossy(
        cr,
        [&](cairo_t* c) { Ellipse(c, (x0 + x1) / 2, baseY, w * 0.53, (baseY - peakY) * 0.2 + 8); },
        Hex("F2D9A0"), Soft());
    PaintGlossy(
        cr,
        [&](cairo_t* c) {
            cairo_move_to(c, x0, baseY);
            cairo_curve_to(c, x0 + w * 0.15, peakY, x0 + w * 0.6, peakY - (baseY - peakY) * 0.15,
                           x1, baseY);
            cairo_close_path(c);
        },
        grass, Soft());
    TArtRandom random(static_cast<uint64_t>(seed));
    for (int i = 0; i < 3; ++i)
        DrawPalm(cr, x0 + w * random.Range(0.15, 0.85), baseY - (baseY - peakY) * 0.1,
                 (baseY - peakY) * random.Range(0.6, 0.9), random.Range(-0.25, 0.25));
}

void DrawWork(cairo_t* cr, int work, TBox box) {
    if (work < 1 || work > WorkCount) throw std::out_of_range("no work " + std::to_string(work));
    const TWorkShape& shape = Works[work - 1];
    const double scale = std::min(box.W / shape.Width, box.H / shape.Height);
    cairo_save(cr);
    cairo_translate(cr, box.X + (box.W - shape.Width * scale) / 2,
                    box.Y + box.H - shape.Height * scale);
    cairo_scale(cr, scale, scale);
    shape.Draw(cr);
    cairo_restore(cr);
}

void DrawZeppelin(cairo_t* cr, TBox box) {
    cairo_save(cr);
    cairo_translate(cr, box.X, box.Y);
    cairo_scale(cr, box.W / 100, box.H / 52);
    Block(cr, 38, 36, 24, 10, Hex("8D5A2B"), 3);
    PaintGlossy(
        cr, [](cairo_t* c) { Ellipse(c, 50, 20, 46, 17); }, Hex("EF5350"), Soft(2));
    for (int i = 1; i < 4; ++i) {
        cairo_save(cr);
        Ellipse(cr, 50, 20, 46, 17);
        cairo_clip(cr);
        Ellipse(cr, 50, 20, 46 * i / 4.0, 17);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    PaintGlossy(
        cr,
        [](cairo_t* c) {
            cairo_move_to(c, 92, 20);
            cairo_line_to(c, 100, 8);
            cairo_line_to(c, 100, 32);
            cairo_close_path(c);
        },
        Hex("FFB300"), Soft());
    cairo_restore(cr);
}
