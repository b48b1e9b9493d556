#pragma once
// Drawing by picture name: how almost every component draws. The helpers look the name up in
// the main image list (or whatever target a test installs) and draw one tile of it.
#include "engine/Geometry.h"

#include <cstdint>
#include <string_view>

// Pattern index that draws nothing.
inline constexpr int NoPattern = -999;
// Pattern index that draws the whole picture instead of one tile.
inline constexpr int WholePicture = -1;

// Blend modes the game uses.
inline constexpr int BlendNormal = 0;
inline constexpr int BlendAdditiveAlpha = 2;

// Where the by-name helpers go: the main image list in the game, a recorder in tests.
class TNamedImageTarget {
public:
    virtual ~TNamedImageTarget() = default;
    virtual void DrawNamedEx(std::string_view name, int x, int y, float angle, float centerX,
                             float centerY, float scaleX, float scaleY, uint8_t red, uint8_t green,
                             uint8_t blue, uint8_t alpha, int patternIndex, int blendMode) = 0;
    virtual void DrawNamedColored(std::string_view name, int x, int y, float angle, float centerX,
                                  float centerY, float scaleX, float scaleY, uint32_t color,
                                  bool flipVertical, bool flipHorizontal, int patternIndex,
                                  int blendMode) = 0;
    // Part of the named picture (source in its pixels) at (x, y), unscaled.
    virtual void DrawNamedRect(std::string_view name, const TRect& source, int x, int y,
                               uint8_t alpha) = 0;
    // Tile size of the named picture; (0, 0) for a name the target does not know.
    virtual TPoint NamedTileSize(std::string_view name) = 0;
};

// Installs the target of the helpers (nullptr: the helpers draw nothing).
void SetMainImageTarget(TNamedImageTarget* target);
TNamedImageTarget* MainImageTarget();

void DrawImage(std::string_view name, int x, int y, float angle, float centerX, float centerY,
               float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha,
               int patternIndex);
void DrawImageBlend(std::string_view name, int x, int y, float angle, float centerX, float centerY,
                    float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue,
                    uint8_t alpha, int patternIndex, int blendMode);
void DrawImageColored(std::string_view name, int x, int y, float angle, float centerX,
                      float centerY, float scaleX, float scaleY, uint32_t color, bool flipVertical,
                      bool flipHorizontal, int patternIndex);
// A part of a picture: the rows of a gauge's liquid that are filled, for example.
void DrawImageRect(std::string_view name, const TRect& source, int x, int y, uint8_t alpha);
int ImageTileWidth(std::string_view name);
int ImageTileHeight(std::string_view name);
TPoint ImageTileSize(std::string_view name);
