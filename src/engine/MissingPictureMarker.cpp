#include "engine/MissingPictureMarker.h"

#include "engine/OmegaScreen.h"

#include <cctype>
#include <vector>

namespace {

constexpr std::string_view GlyphChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_-.";
// 3 x 5 pixels per glyph, rows top to bottom.
constexpr std::string_view Glyphs[] = {
    "111101101101111", "010110010010111", "110001010100111", "110001010001110", "101101111001001",
    "111100110001110", "011100111101111", "111001010010010", "111101111101111", "111101111001110",
    "010101111101101", "110101110101110", "011100100100011", "110101101101110", "111100110100111",
    "111100110100100", "011100101101011", "101101111101101", "111010010010111", "001001001101010",
    "101101110101101", "100100100100111", "101111111101101", "110101101101101", "010101101101010",
    "110101110100100", "010101101110011", "110101110101101", "011100010001110", "111010010010010",
    "101101101101111", "101101101101010", "101101111111101", "101101010101101", "101101010010010",
    "111001010100111", "000000000000111", "000000111000000", "000000000000010"};
constexpr int GlyphCount = static_cast<int>(GlyphChars.size());
constexpr int CellWidth = 4;  // glyph and one pixel of space
constexpr int CellHeight = 6; // glyph and one pixel of space
constexpr int CharsPerLine = 12;
constexpr uint32_t MarkerColor = 0xFFFF00FF;

void SubmitRect(TOmegaScreen& screen, TTextureId texture, float left, float top, float right,
                float bottom, float uLeft, float uRight, uint32_t color) {
    TQuadCorners quad = {{left, top, color, uLeft, 0},
                         {right, top, color, uRight, 0},
                         {right, bottom, color, uRight, 1},
                         {left, bottom, color, uLeft, 1}};
    screen.SubmitQuad(texture, quad);
}

} // namespace

TTextureId CreateMarkerFont(TGraphicsDevice& device) {
    const int width = GlyphCount * CellWidth;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * CellHeight, 0);
    for (int g = 0; g < GlyphCount; ++g)
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (Glyphs[g][row * 3 + col] == '1')
                    pixels[static_cast<size_t>(row) * width + g * CellWidth + col] = 0xFFFFFFFF;
    return device.CreateTexture("MissingPictureFont", width, CellHeight, pixels.data());
}

void DrawMissingPictureMarker(TOmegaScreen& screen, TTextureId font, std::string_view name, int x,
                              int y, int width, int height) {
    screen.SetBlendMode(0);
    const float left = static_cast<float>(x) - 0.5f;
    const float top = static_cast<float>(y) - 0.5f;
    const float right = left + static_cast<float>(width);
    const float bottom = top + static_cast<float>(height);
    SubmitRect(screen, NoTexture, left, top, right, top + 1, 0, 1, MarkerColor);
    SubmitRect(screen, NoTexture, left, bottom - 1, right, bottom, 0, 1, MarkerColor);
    SubmitRect(screen, NoTexture, left, top, left + 1, bottom, 0, 1, MarkerColor);
    SubmitRect(screen, NoTexture, right - 1, top, right, bottom, 0, 1, MarkerColor);
    if (font == NoTexture) return;
    const float fontWidth = static_cast<float>(GlyphCount * CellWidth);
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
        const size_t glyph = GlyphChars.find(c);
        if (glyph == std::string_view::npos) continue;
        const float gx = left + 2 + static_cast<float>((i % CharsPerLine) * CellWidth);
        const float gy = top + 2 + static_cast<float>((i / CharsPerLine) * CellHeight);
        const float u = static_cast<float>(glyph * CellWidth) / fontWidth;
        SubmitRect(screen, font, gx, gy, gx + CellWidth, gy + CellHeight, u,
                   u + CellWidth / fontWidth, MarkerColor);
    }
}
