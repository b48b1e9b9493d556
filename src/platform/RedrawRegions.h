#pragma once
// Where one frame differs from the frame before it. A frame is the list of its drawing steps;
// wherever a step differs from the step at the same place in the frame before (or one frame has
// a step the other lacks), both steps' pixels must be drawn again. The software renderer redraws
// only those areas: most of a resting screen stays as it is.
#include "platform/GraphicsDevice.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

struct TPixelRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
    int Right() const { return X + Width; }
    int Bottom() const { return Y + Height; }
    friend bool operator==(const TPixelRect&, const TPixelRect&) = default;
};

// One quad or one clear of the whole area, with the state it was drawn in. The texture's
// generation tells a new picture in a reused texture slot from the old one.
struct TDrawStep {
    bool IsClear = false;
    TTextureId Texture = NoTexture;
    uint32_t Generation = 0;
    int BlendMode = 0;
    bool Linear = false;
    uint32_t ClearColor = 0;
    std::array<TQuadVertex, 4> Corners{};
};

bool SameStep(const TDrawStep& a, const TDrawStep& b);
// The pixels a step may touch, a pixel more on every side for filtering, within the area.
TPixelRect StepBounds(const TDrawStep& step, TPixelSize area);
bool Overlaps(const TPixelRect& a, const TPixelRect& b);

// Steps that may come out differently when cut at an area's edge: an area reaching one grows to
// take it whole.
using TCutsUnevenly = std::function<bool(const TDrawStep&)>;

// The areas to draw again, few and apart: areas that touch are joined, and when the changes are
// many or cover most of the screen the answer is the whole area. Empty when nothing changed.
std::vector<TPixelRect> ChangedAreas(const std::vector<TDrawStep>& before,
                                     const std::vector<TDrawStep>& now, TPixelSize area,
                                     const TCutsUnevenly& cutsUnevenly = {});
