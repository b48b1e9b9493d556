#pragma once
// Keeps every by-name drawing call of a frame so tests can read back what was drawn.
#include "engine/ImageDrawing.h"

#include <map>
#include <string>
#include <vector>

struct TRecordedImageCall {
    std::string Name;
    int X = 0;
    int Y = 0;
    float Angle = 0;
    float CenterX = 0;
    float CenterY = 0;
    float ScaleX = 1;
    float ScaleY = 1;
    uint8_t Red = 255;
    uint8_t Green = 255;
    uint8_t Blue = 255;
    uint8_t Alpha = 255;
    uint32_t Color = 0xFFFFFFFF; // for colored calls; otherwise built from the four channels
    bool FlipVertical = false;
    bool FlipHorizontal = false;
    int PatternIndex = 0;
    int BlendMode = 0;
    TRect Source{}; // for a part of a picture; empty otherwise
};

class TRecordingImageTarget : public TNamedImageTarget {
public:
    std::vector<TRecordedImageCall> Calls;
    // Tile sizes answered by NamedTileSize; names not listed answer DefaultTileSize.
    std::map<std::string, TPoint, std::less<>> TileSizes;
    TPoint DefaultTileSize{52, 52};

    void Clear() { Calls.clear(); }
    // Calls that drew the given picture, in drawing order.
    std::vector<TRecordedImageCall> CallsOf(std::string_view name) const;

    void DrawNamedEx(std::string_view name, int x, int y, float angle, float centerX, float centerY,
                     float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue,
                     uint8_t alpha, int patternIndex, int blendMode) override;
    void DrawNamedColored(std::string_view name, int x, int y, float angle, float centerX,
                          float centerY, float scaleX, float scaleY, uint32_t color,
                          bool flipVertical, bool flipHorizontal, int patternIndex,
                          int blendMode) override;
    void DrawNamedRect(std::string_view name, const TRect& source, int x, int y,
                       uint8_t alpha) override;
    TPoint NamedTileSize(std::string_view name) override;
};
