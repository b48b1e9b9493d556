#include "platform/QuadClipping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

uint32_t MixColor(uint32_t a, uint32_t b, float t) {
    uint32_t mixed = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float from = static_cast<float>((a >> shift) & 0xFF);
        const float to = static_cast<float>((b >> shift) & 0xFF);
        const auto channel = static_cast<uint32_t>(std::lround(from + (to - from) * t));
        mixed |= std::min<uint32_t>(channel, 0xFF) << shift;
    }
    return mixed;
}

TQuadVertex Between(const TQuadVertex& a, const TQuadVertex& b, float t) {
    return {a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, MixColor(a.Color, b.Color, t),
            a.U + (b.U - a.U) * t, a.V + (b.V - a.V) * t};
}

// One edge of the area: how far a corner lies on its inner side (negative outside).
struct TEdge {
    float TQuadVertex::*Axis;
    float Limit;
    bool KeepBelow;
    float Inside(const TQuadVertex& v) const {
        return KeepBelow ? Limit - v.*Axis : v.*Axis - Limit;
    }
};

// Keeps the part of the polygon on the inner side of one edge.
int ClipByEdge(const TQuadVertex* in, int count, const TEdge& edge, TQuadVertex* out) {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const TQuadVertex& from = in[i];
        const TQuadVertex& to = in[(i + 1) % count];
        const float a = edge.Inside(from);
        const float b = edge.Inside(to);
        if (a >= 0) out[kept++] = from;
        if ((a >= 0) != (b >= 0)) out[kept++] = Between(from, to, a / (a - b));
    }
    return kept;
}

// A corner more than margin areas beyond an edge.
bool BeyondArea(const TQuadCorners& quad, TPixelSize area, float margin) {
    const auto width = static_cast<float>(area.Width);
    const auto height = static_cast<float>(area.Height);
    return std::any_of(quad, quad + 4, [&](const TQuadVertex& v) {
        return v.X < -margin * width || v.Y < -margin * height || v.X > (1 + margin) * width ||
               v.Y > (1 + margin) * height;
    });
}

// Half of what the software renderer's 32-bit product holds: its own rounding of corners to whole
// pixels and of texels to whole texels stays far inside.
constexpr double SoftwareTexelProductLimit = 1 << 30;
// Each cut halves the product; twenty cuts cover any display and picture.
constexpr int MostCuts = 20;

double TexelProduct(const TTriangle& t, float scaleX, float scaleY, TPixelSize textureSize) {
    const double doubledArea = std::fabs(static_cast<double>(t[1].X - t[0].X) * (t[2].Y - t[0].Y) -
                                         static_cast<double>(t[1].Y - t[0].Y) * (t[2].X - t[0].X));
    // Corners in half pixels: four times the doubled area in whole pixels.
    const double halfPixelArea = 4 * doubledArea * scaleX * scaleY;
    double texel = 1;
    for (const TQuadVertex& v : t)
        texel = std::max({texel, std::fabs(v.U) * textureSize.Width + 1.0,
                          std::fabs(v.V) * textureSize.Height + 1.0});
    return halfPixelArea * texel;
}

float SquaredLength(const TQuadVertex& a, const TQuadVertex& b) {
    return (b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y);
}

void Split(const TTriangle& t, float scaleX, float scaleY, TPixelSize textureSize, int cutsLeft,
           std::vector<TTriangle>& pieces) {
    if (cutsLeft == 0 || TexelProduct(t, scaleX, scaleY, textureSize) < SoftwareTexelProductLimit) {
        pieces.push_back(t);
        return;
    }
    // The longest edge runs from corner i to the next; the corner opposite it joins its middle.
    int i = 0;
    for (int k = 1; k < 3; ++k)
        if (SquaredLength(t[k], t[(k + 1) % 3]) > SquaredLength(t[i], t[(i + 1) % 3])) i = k;
    const TQuadVertex& from = t[i];
    const TQuadVertex& to = t[(i + 1) % 3];
    const TQuadVertex& opposite = t[(i + 2) % 3];
    const TQuadVertex middle = Between(from, to, 0.5f);
    Split({from, middle, opposite}, scaleX, scaleY, textureSize, cutsLeft - 1, pieces);
    Split({middle, to, opposite}, scaleX, scaleY, textureSize, cutsLeft - 1, pieces);
}

} // namespace

void SplitForSoftwareRenderer(const TTriangle& triangle, float outputScaleX, float outputScaleY,
                              TPixelSize textureSize, std::vector<TTriangle>& pieces) {
    Split(triangle, outputScaleX, outputScaleY, textureSize, MostCuts, pieces);
}

bool QuadReachesOutside(const TQuadCorners& quad, TPixelSize area) {
    return BeyondArea(quad, area, 0);
}

bool QuadFarOutside(const TQuadCorners& quad, TPixelSize area) {
    return BeyondArea(quad, area, 1);
}

int ClipQuad(const TQuadCorners& quad, TPixelSize area, TClippedPolygon& polygon) {
    const TEdge edges[4] = {{&TQuadVertex::X, 0, false},
                            {&TQuadVertex::X, static_cast<float>(area.Width), true},
                            {&TQuadVertex::Y, 0, false},
                            {&TQuadVertex::Y, static_cast<float>(area.Height), true}};
    // Each edge adds at most one corner: 4 + 4 fit.
    TClippedPolygon cut;
    std::copy(quad, quad + 4, polygon.begin());
    int count = 4;
    for (const TEdge& edge : edges) {
        count = ClipByEdge(polygon.data(), count, edge, cut.data());
        std::copy(cut.begin(), cut.begin() + count, polygon.begin());
        if (count == 0) break;
    }
    return count;
}

TQuadVertex PolygonCentre(const TQuadVertex* corners, int count) {
    TQuadVertex centre = corners[0];
    for (int i = 1; i < count; ++i) {
        const float weight = 1.0f / static_cast<float>(i + 1);
        centre = Between(centre, corners[i], weight);
    }
    return centre;
}
