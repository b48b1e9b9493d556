#include "engine/BitmapFont.h"

#include "engine/GameGlobals.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace {

struct TFontTable {
    std::array<bool, 256> Accepted{};
    std::array<uint8_t, 256> Glyph{};
    std::array<uint8_t, 256> Width{};
};

struct TWidthGroup {
    std::string_view Characters;
    uint8_t Width;
};

constexpr uint8_t DefaultWidth = 20;

constexpr uint8_t Code(char c) {
    return static_cast<uint8_t>(c);
}

// The tiles of a font picture are in the order of `glyphOrder`; every tile's character is
// accepted.
constexpr TFontTable MakeFont(std::string_view glyphOrder,
                              std::initializer_list<TWidthGroup> widths) {
    TFontTable font;
    font.Width.fill(DefaultWidth);
    for (size_t tile = 0; tile < glyphOrder.size(); ++tile) {
        font.Accepted[Code(glyphOrder[tile])] = true;
        font.Glyph[Code(glyphOrder[tile])] = static_cast<uint8_t>(tile);
    }
    for (const TWidthGroup& group : widths)
        for (char c : group.Characters) font.Width[Code(c)] = group.Width;
    return font;
}

// Capitals only: a to z are drawn, measured and accepted as their capitals, and the small
// umlauts share the tiles of the capital ones.
constexpr TFontTable MakeCommentFont() {
    TFontTable font = MakeFont("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789':!&- \xC4\xD6\xDC\xDF",
                               {{" ", 12},
                                {":", 19},
                                {"!", 21},
                                {"-1I", 22},
                                {"23J", 24},
                                {"57FS", 26},
                                {"68EL", 27},
                                {"049", 28},
                                {"CNTZ", 30},
                                {"&ABPV\xC4\xD6\xE4\xF6", 31},
                                {"GQRY", 32},
                                {"DKOU\xDF", 33},
                                {"X\xDC\xFC", 34},
                                {"H", 35},
                                {"M", 37},
                                {"W", 44}});
    for (char c = 'a'; c <= 'z'; ++c) {
        font.Glyph[Code(c)] = font.Glyph[Code(c - 'a' + 'A')];
        font.Width[Code(c)] = font.Width[Code(c - 'a' + 'A')];
    }
    const std::string_view smallUmlauts = "\xE4\xF6\xFC", capitalUmlauts = "\xC4\xD6\xDC";
    for (size_t i = 0; i < smallUmlauts.size(); ++i) {
        font.Accepted[Code(smallUmlauts[i])] = true;
        font.Glyph[Code(smallUmlauts[i])] = font.Glyph[Code(capitalUmlauts[i])];
    }
    return font;
}

constexpr TFontTable CommentFont = MakeCommentFont();

constexpr TFontTable NormalFont =
    MakeFont("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
             "!#$%&*()-+=;:'\",./?| \xC4\xD6\xDC\xDF\xE4\xF6\xFC",
             {{"!Il|", 7},         {"'.i", 8},         {":", 9},
              {",1;j", 10},        {"/J", 11},         {"s", 12},
              {" fr", 13},         {"\"()*-t", 14},    {"+c", 15},
              {"$5=?Sxz", 16},     {"37hv", 17},       {"24689EFLZenoy\xDF\xF6", 18},
              {"Tbdgkpu\xFC", 19}, {"0CPUVX\xDC", 21}, {"D", 22},
              {"#GHN", 23},        {"&A\xC4", 24},     {"MOQw\xD6", 25},
              {"%", 26},           {"m", 28},          {"W", 30}});

const TFontTable& FontOf(TGameFontKind fontKind) {
    return fontKind == fkAirstripComment ? CommentFont : NormalFont;
}

char UpperCaseLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr int MaxWrappedWords = 199;
constexpr size_t MaxWordLength = 50;

} // namespace

std::string FilterText(TGameFontKind fontKind, std::string_view text) {
    const TFontTable& font = FontOf(fontKind);
    std::string filtered;
    for (char c : text) {
        if (fontKind == fkAirstripComment) c = UpperCaseLetter(c);
        if (!font.Accepted[Code(c)]) continue;
        filtered += c;
        if (filtered.size() == MaxFilteredLength) break;
    }
    return filtered;
}

int GlyphIndex(TGameFontKind fontKind, char character) {
    return FontOf(fontKind).Glyph[Code(character)];
}

int BaseCharWidth(TGameFontKind fontKind, char character) {
    return FontOf(fontKind).Width[Code(character)];
}

int CharWidth(TGameFontKind fontKind, char character, int spacing, float ratio) {
    // The ratio is a single-precision value, widened as it is: 1.15 scales 10 to 11.
    return RoundHalfEven((spacing + BaseCharWidth(fontKind, character)) *
                         static_cast<double>(ratio));
}

int TextWidth(TGameFontKind fontKind, std::string_view text, int spacing, float ratio) {
    int width = 0;
    for (char c : text) width += CharWidth(fontKind, c, spacing, ratio);
    return width;
}

std::string WrapText(TGameFontKind fontKind, std::string_view text, int spacing, int lineIndex,
                     int maxWidth, float ratio) {
    if (lineIndex < 1 || lineIndex > MaxWrappedLines) return "";
    std::array<std::string, MaxWrappedLines> lines;
    std::array<int, MaxWrappedLines> lineWidths{};
    const int spaceWidth = CharWidth(fontKind, ' ', spacing, ratio);
    int line = 0; // 0-based
    int words = 0;
    size_t position = 0;
    while (words < MaxWrappedWords && line < lineIndex) {
        position = text.find_first_not_of(' ', position);
        if (position == std::string_view::npos) break;
        const size_t end = std::min(text.find(' ', position), text.size());
        const std::string_view word =
            text.substr(position, std::min(end - position, MaxWordLength));
        position = end;
        ++words;
        // The measured candidate includes the separating space, also at the start of a line.
        const int wordWidth = spaceWidth + TextWidth(fontKind, word, spacing, ratio);
        if (lineWidths[line] + wordWidth > maxWidth && line + 1 < MaxWrappedLines) ++line;
        lines[line] += ' ';
        lines[line] += word;
        lineWidths[line] += wordWidth;
    }
    std::string& wanted = lines[lineIndex - 1];
    return wanted.empty() ? wanted : wanted.substr(1);
}
