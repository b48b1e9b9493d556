#include "platform/RedrawRegions.h"

#include <algorithm>
#include <cmath>

namespace {

// More separate areas than this cost more in passes over the steps than they save in pixels.
constexpr size_t MostAreas = 8;
// Changes over more than this share of the screen are drawn as one whole frame.
constexpr int WholeFramePercent = 60;
// Areas this close are drawn as one.
constexpr int JoiningGap = 8;
// Filtering and half-pixel edges reach a pixel past the corners.
constexpr int FilterMargin = 1;

bool SameVertex(const TQuadVertex& a, const TQuadVertex& b) {
    return a.X == b.X && a.Y == b.Y && a.Color == b.Color && a.U == b.U && a.V == b.V;
}

TPixelRect Union(const TPixelRect& a, const TPixelRect& b) {
    const int left = std::min(a.X, b.X);
    const int top = std::min(a.Y, b.Y);
    return {left, top, std::max(a.Right(), b.Right()) - left,
            std::max(a.Bottom(), b.Bottom()) - top};
}

bool Near(const TPixelRect& a, const TPixelRect& b) {
    return a.X <= b.Right() + JoiningGap && b.X <= a.Right() + JoiningGap &&
           a.Y <= b.Bottom() + JoiningGap && b.Y <= a.Bottom() + JoiningGap;
}

long long AreaOf(const TPixelRect& rect) {
    return static_cast<long long>(rect.Width) * rect.Height;
}

// Adds an area, joined with every area near it.
void AddArea(std::vector<TPixelRect>& areas, TPixelRect added) {
    if (added.Empty()) return;
    for (auto it = areas.begin(); it != areas.end();) {
        if (Near(*it, added)) {
            added = Union(added, *it);
            areas.erase(it);
            it = areas.begin();
        } else {
            ++it;
        }
    }
    areas.push_back(added);
}

// Grows the areas over every uneven step they cut, until none is cut.
void TakeUnevenStepsWhole(std::vector<TPixelRect>& areas, const std::vector<TDrawStep>& now,
                          TPixelSize area, const TCutsUnevenly& cutsUnevenly) {
    bool grown = true;
    while (grown) {
        grown = false;
        for (const TDrawStep& step : now) {
            const TPixelRect bounds = StepBounds(step, area);
            const bool cut = std::any_of(areas.begin(), areas.end(), [&](const TPixelRect& rect) {
                return Overlaps(rect, bounds) && Union(rect, bounds) != rect;
            });
            if (!cut || !cutsUnevenly(step)) continue;
            AddArea(areas, bounds);
            grown = true;
        }
    }
}

} // namespace

bool SameStep(const TDrawStep& a, const TDrawStep& b) {
    if (a.IsClear || b.IsClear) return a.IsClear == b.IsClear && a.ClearColor == b.ClearColor;
    return a.Texture == b.Texture && a.Generation == b.Generation && a.BlendMode == b.BlendMode &&
           a.Linear == b.Linear &&
           std::equal(a.Corners.begin(), a.Corners.end(), b.Corners.begin(), SameVertex);
}

TPixelRect StepBounds(const TDrawStep& step, TPixelSize area) {
    if (step.IsClear) return {0, 0, area.Width, area.Height};
    float left = step.Corners[0].X;
    float right = left;
    float top = step.Corners[0].Y;
    float bottom = top;
    for (const TQuadVertex& corner : step.Corners) {
        left = std::min(left, corner.X);
        right = std::max(right, corner.X);
        top = std::min(top, corner.Y);
        bottom = std::max(bottom, corner.Y);
    }
    // Corners far outside (or not numbers at all) are held to the area before turning to int.
    const auto clampTo = [](float value, int limit) {
        return std::isnan(value) ? 0 : static_cast<int>(std::clamp(value, -1.0f, limit + 1.0f));
    };
    const int x0 = std::max(0, clampTo(std::floor(left), area.Width) - FilterMargin);
    const int y0 = std::max(0, clampTo(std::floor(top), area.Height) - FilterMargin);
    const int x1 = std::min(area.Width, clampTo(std::ceil(right), area.Width) + 1 + FilterMargin);
    const int y1 =
        std::min(area.Height, clampTo(std::ceil(bottom), area.Height) + 1 + FilterMargin);
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

bool Overlaps(const TPixelRect& a, const TPixelRect& b) {
    return !a.Empty() && !b.Empty() && a.X < b.Right() && b.X < a.Right() && a.Y < b.Bottom() &&
           b.Y < a.Bottom();
}

std::vector<TPixelRect> ChangedAreas(const std::vector<TDrawStep>& before,
                                     const std::vector<TDrawStep>& now, TPixelSize area,
                                     const TCutsUnevenly& cutsUnevenly) {
    std::vector<TPixelRect> areas;
    const size_t steps = std::max(before.size(), now.size());
    for (size_t i = 0; i < steps; ++i) {
        const bool inBefore = i < before.size();
        const bool inNow = i < now.size();
        if (inBefore && inNow && SameStep(before[i], now[i])) continue;
        if (inBefore) AddArea(areas, StepBounds(before[i], area));
        if (inNow) AddArea(areas, StepBounds(now[i], area));
    }
    if (cutsUnevenly) TakeUnevenStepsWhole(areas, now, area, cutsUnevenly);
    long long covered = 0;
    for (const TPixelRect& rect : areas) covered += AreaOf(rect);
    const TPixelRect whole{0, 0, area.Width, area.Height};
    if (areas.size() > MostAreas || covered * 100 > AreaOf(whole) * WholeFramePercent)
        return {whole};
    return areas;
}
