#pragma once
// The world of the islands and of Floodkeep, the harbour town Tovan rebuilds: scenery pieces and
// the twenty works the player buys, each drawable into any box, from an 84-pixel icon to a
// sticker in the picture book.
#include "Style.h"

#include <cairo.h>

struct TBox {
    double X, Y, W, H;
};

// Scenery.
void DrawSkyGradient(cairo_t* cr, TBox box, TColor top, TColor bottom);
void DrawSun(cairo_t* cr, double cx, double cy, double radius);
void DrawCloud(cairo_t* cr, double cx, double cy, double width, double alpha = 0.95);
void DrawSeaBand(cairo_t* cr, TBox box, TColor top, TColor bottom, int seed);
void DrawPalm(cairo_t* cr, double x, double groundY, double height, double lean);
void DrawGull(cairo_t* cr, double cx, double cy, double span);
// A green island with a sandy rim, its base on the waterline from x0 to x1, peak at peakY.
void DrawIsland(cairo_t* cr, double x0, double x1, double baseY, double peakY, TColor grass,
                int seed);

// A string of little flags from (x0, y0) to (x1, y1), sagging in the middle.
void DrawBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, double size);
void DrawKite(cairo_t* cr, double cx, double cy, double size, TColor color);

// The twenty works of Floodkeep, number 1..20 in buying order (icon index), drawn standing on
// the bottom of the box and filling it; and the airship that arrives when all are done.
inline constexpr int WorkCount = 20;
void DrawWork(cairo_t* cr, int work, TBox box);
void DrawZeppelin(cairo_t* cr, TBox box);

// Floodkeep's cove in 1366 x 768 screen pixels before any work is done.
void DrawHavenGround(cairo_t* cr);
// The sticker of a work as it sits in the haven picture, in screen pixels.
void DrawHavenSticker(cairo_t* cr, const char* name);
