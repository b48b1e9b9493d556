#include "engine/GlobalGameTextClass.h"

#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"

#include <algorithm>

namespace {

struct TTextColor {
    uint8_t Red, Green, Blue;
};

TTextColor ColorOfKind(int colorKind) {
    switch (colorKind) {
    case 1:
        return {255, 255, 0};
    case 2:
        return {255, 0, 0};
    case 3:
        return {0, 0, 0};
    default:
        return {255, 255, 255};
    }
}

} // namespace

void TGlobalGameText::TakeFontSize() {
    const TPoint tile = ImageTileSize(FontImage);
    OrigLetterWidth = tile.X;
    OrigLetterHeight = tile.Y;
}

int TGlobalGameText::TextWidth(std::string_view text, int spacing, float ratio) const {
    return ::TextWidth(FontKind, FilterText(FontKind, text), spacing, ratio);
}

void TGlobalGameText::DrawText(int x, int y, std::string_view text, float ratio, int spacing,
                               int alpha, int maxWidth, int colorKind) const {
    if (ratio <= 0) return;
    const std::string letters = FilterText(FontKind, text);
    const int halfWidth = RoundHalfEven(ratio / 2.0 * OrigLetterWidth);
    const int halfHeight = RoundHalfEven(ratio / 2.0 * OrigLetterHeight);
    const TTextColor color = ColorOfKind(colorKind);
    const auto glyphAlpha = static_cast<uint8_t>(std::clamp(alpha, 0, 255));
    int advance = 0;
    for (char c : letters) {
        const int width = CharWidth(FontKind, c, spacing, ratio);
        if (maxWidth != 0 && advance + width > maxWidth) break;
        DrawImage(FontImage, x + advance - halfWidth, y - halfHeight, 0, 0, 0, ratio, ratio,
                  color.Red, color.Green, color.Blue, glyphAlpha, GlyphIndex(FontKind, c));
        advance += width;
    }
}
