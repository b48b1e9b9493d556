#pragma once
// The two bitmap fonts: which Latin-1 characters each can draw, the tile of each character and
// how far it advances; filtering, measuring and word wrapping are built on these tables.
#include "engine/TextKinds.h"

#include <string>
#include <string_view>

inline constexpr int MaxFilteredLength = 255;

// The characters the font can draw, in order (upper-cased first for the comment font), at most
// 255. Every other character, control characters included, is dropped.
std::string FilterText(TGameFontKind fontKind, std::string_view text);
// Tile of the character in the font picture; 0 for a character the font does not know.
int GlyphIndex(TGameFontKind fontKind, char character);
// Advance in pixels at ratio 1, before spacing.
int BaseCharWidth(TGameFontKind fontKind, char character);
// round((spacing + base width) x ratio), halves to the even neighbour.
int CharWidth(TGameFontKind fontKind, char character, int spacing, float ratio);
// Sum of CharWidth over the text, each rounded on its own; nothing is filtered.
int TextWidth(TGameFontKind fontKind, std::string_view text, int spacing, float ratio);

inline constexpr int MaxWrappedLines = 20;
// Line lineIndex (1..20) of the text wrapped at spaces to maxWidth pixels; "" outside 1..20.
// A word that does not fit on its line starts the next one, even when it fits on none; line 20
// takes whatever does not fit before it.
std::string WrapText(TGameFontKind fontKind, std::string_view text, int spacing, int lineIndex,
                     int maxWidth, float ratio);
