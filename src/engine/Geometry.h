#pragma once
// Points and rectangles in window pixels or board cells, with the layout the game's records use.
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};
static_assert(sizeof(TPoint) == 8);

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};
