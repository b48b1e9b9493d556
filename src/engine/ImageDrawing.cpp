#include "engine/ImageDrawing.h"

namespace {
TNamedImageTarget* mainTarget = nullptr;
}

void SetMainImageTarget(TNamedImageTarget* target) {
    mainTarget = target;
}
TNamedImageTarget* MainImageTarget() {
    return mainTarget;
}

void DrawImage(std::string_view name, int x, int y, float angle, float centerX, float centerY,
               float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha,
               int patternIndex) {
    DrawImageBlend(name, x, y, angle, centerX, centerY, scaleX, scaleY, red, green, blue, alpha,
                   patternIndex, BlendNormal);
}

void DrawImageBlend(std::string_view name, int x, int y, float angle, float centerX, float centerY,
                    float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue,
                    uint8_t alpha, int patternIndex, int blendMode) {
    if (mainTarget == nullptr || patternIndex == NoPattern) return;
    mainTarget->DrawNamedEx(name, x, y, angle, centerX, centerY, scaleX, scaleY, red, green, blue,
                            alpha, patternIndex, blendMode);
}

void DrawImageColored(std::string_view name, int x, int y, float angle, float centerX,
                      float centerY, float scaleX, float scaleY, uint32_t color, bool flipVertical,
                      bool flipHorizontal, int patternIndex) {
    if (mainTarget == nullptr || patternIndex == NoPattern) return;
    mainTarget->DrawNamedColored(name, x, y, angle, centerX, centerY, scaleX, scaleY, color,
                                 flipVertical, flipHorizontal, patternIndex, BlendNormal);
}

void DrawImageRect(std::string_view name, const TRect& source, int x, int y, uint8_t alpha) {
    if (mainTarget == nullptr || source.Width() <= 0 || source.Height() <= 0) return;
    mainTarget->DrawNamedRect(name, source, x, y, alpha);
}

TPoint ImageTileSize(std::string_view name) {
    return mainTarget != nullptr ? mainTarget->NamedTileSize(name) : TPoint{};
}
int ImageTileWidth(std::string_view name) {
    return ImageTileSize(name).X;
}
int ImageTileHeight(std::string_view name) {
    return ImageTileSize(name).Y;
}
