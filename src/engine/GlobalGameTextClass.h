#pragma once
// TGlobalGameText: a line of text in the general bitmap font, every glyph a tile of
// "GlobalFontWhite" drawn at proportional advances.
#include "engine/TextKinds.h"

#include <string_view>

class TGlobalGameText {
public:
    static constexpr const char* FontImage = "GlobalFontWhite";

    TGameFontKind FontKind = fkAirstripNormal;
    // Glyph tile size of the font picture at ratio 1.
    int OrigLetterWidth = 19;
    int OrigLetterHeight = 24;

    // Takes the tile size of the font picture once it is loaded.
    void TakeFontSize();
    // Width of the text after filtering for the font.
    int TextWidth(std::string_view text, int spacing, float ratio) const;
    // (x, y) is the centre of the first glyph cell. maxWidth 0 means no limit; colorKind 0 white,
    // 1 yellow, 2 red, 3 black, anything else white.
    void DrawText(int x, int y, std::string_view text, float ratio, int spacing, int alpha,
                  int maxWidth, int colorKind) const;
};
