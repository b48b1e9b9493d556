#pragma once
// The game's one look: palette, and the glossy treatment every object gets (soft gradient lit
// from the top left, darker rim, one white highlight, soft shadow below right).
#include <cairo.h>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>

struct TColor {
    double R = 0, G = 0, B = 0, A = 1;
};

TColor Hex(std::string_view rgb, double alpha = 1);
TColor Mix(TColor a, TColor b, double t);
TColor Lighter(TColor c, double amount); // towards white
TColor Darker(TColor c, double amount);  // towards black
TColor WithAlpha(TColor c, double alpha);
void SetColor(cairo_t* cr, TColor c);
void AddStop(cairo_pattern_t* pattern, double offset, TColor c);

struct TStop {
    double Offset;
    TColor Color;
};
// Fills the current path with a gradient along (x0, y0) - (x1, y1); keepPath leaves the path
// for a stroke after it.
void FillLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
                std::initializer_list<TStop> stops, bool keepPath = false);
// Fills the current path with a gradient round (cx, cy) from radius r0 to r1.
void FillRadial(cairo_t* cr, double cx, double cy, double r0, double r1,
                std::initializer_list<TStop> stops, bool keepPath = false);

namespace Palette {
inline const TColor SeaBlue = Hex("1E88E5");
inline const TColor DeepSea = Hex("0D3B66");
inline const TColor Sand = Hex("F4E1B5");
inline const TColor Wood = Hex("8D5A2B");
inline const TColor Gold = Hex("F6C343");
inline const TColor Leaf = Hex("4CAF50");
inline const TColor Ink = Hex("3A2A1A"); // the darkest outline we use: warm, never pure black
inline const TColor White = Hex("FFFFFF");
inline const TColor Sky = Hex("8ED8F8");
} // namespace Palette

// A path builder: adds one closed shape to the current path of cr.
using TShape = std::function<void(cairo_t*)>;

struct TGloss {
    double Rim = 1.8;  // rim width in pixels, 0 for none
    double Shadow = 0; // shadow spread in pixels, 0 for none
    double ShadowX = 2, ShadowY = 3;
    double ShadowAlpha = 0.28;
    double Highlight = 0.8;              // highlight opacity, 0 for none
    double LightX = 0.33, LightY = 0.28; // light centre as fractions of the shape's box
};

// Fills the shape with the glossy treatment in the base colour.
void PaintGlossy(cairo_t* cr, const TShape& shape, TColor base, const TGloss& gloss = {});
// Only the soft shadow of a shape (before painting several shapes that share one shadow).
void PaintSoftShadow(cairo_t* cr, const TShape& shape, double spread, double dx, double dy,
                     double alpha);
// Flat fill with a rim, for small details (stems, seeds, leaves' veins).
void PaintFlat(cairo_t* cr, const TShape& shape, TColor fill, TColor rim, double rimWidth);
// A soft round glow (light, sparkle, aura).
void PaintGlow(cairo_t* cr, double cx, double cy, double radius, TColor centre);

// Draws `draw` greyed out (no colour left) at the given opacity: locked and bought looks.
void PaintGreyed(cairo_t* cr, const std::function<void()>& draw, double alpha);

// Shapes.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double rotation = 0, double roundness = 0);
// A leaf: pointed oval from (x0,y0) to (x1,y1), bulging by width on both sides.
void LeafShape(cairo_t* cr, double x0, double y0, double x1, double y1, double width);

// A small deterministic generator for scattering details (dust, seeds, waves).
class TArtRandom {
public:
    explicit TArtRandom(uint64_t seed) : State(seed * 0x9E3779B97F4A7C15ull + 1) {}
    explicit TArtRandom(std::string_view name);
    double Next(); // [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

private:
    uint64_t State;
};
