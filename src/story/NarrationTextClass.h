#pragma once
// TNarrationText: a block of bitmap-font text that types itself in, each character fading in
// from a starting alpha to a maximum, and that can fade out as a whole. The chapter dialogs speak
// through it, the story strips narrate with it.
#include "engine/Geometry.h"
#include "engine/TextKinds.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// How fast a narration types and fades: the owner picks the normal or the reduced-effects set.
struct TNarrationTiming {
    int AlphaStep;
    int AlphaUpdateRepeat;
    int VanishingAlphaStep;
};

class TNarrationText {
public:
    static constexpr int MaxLines = 10;
    static constexpr int MaxLineLength = 100;
    // The reveal cursor's line once everything has appeared.
    static constexpr int RevealedLine = MaxLines + 1;

    TGameFontKind FontKind = fkAirstripNormal;
    float FontRatio = 0.7f;
    int VertSpace = 17;
    int HorzSpaceAdd = 1;
    int CapsAdj = 0;
    int StartingAlpha = 25;
    int AlphaStep = 8;
    int AlphaUpdateRepeat = 2;
    int VanishingAlphaStep = 25;
    // Where the newest character was drawn, the tick after it appeared.
    std::function<void(TPoint pos)> OnTailPosUpdate;

    int MaxAlpha() const { return maxAlpha_; }
    // 256 and more are stored as 255.
    void SetMaxAlpha(int value);
    // The normal timing, or the reduced one in reduced-effects mode.
    void ApplyTiming(const TNarrationTiming& normal, const TNarrationTiming& reduced);

    void Reset();
    // "|" starts a new line; lines past the tenth are dropped, each line keeps at most 100
    // characters the font can draw.
    void Show(int x, int y, std::string_view text, uint8_t red, uint8_t green, uint8_t blue);
    void ShowWhite(int x, int y, std::string_view text) { Show(x, y, text, 255, 255, 255); }
    void Vanish() { vanishing_ = true; }
    // Shows the whole text at once; True when it had already all appeared.
    bool Complete();
    // Once per tick: reveal, fade, draw.
    void UpdateAndDraw();

    const std::string& Line(int line) const { return lines_[line - 1]; }
    int CharAlpha(int line, int character) const { return alphas_[line - 1][character - 1]; }
    int CursorLine() const { return cursorLine_; }
    bool Vanishing() const { return vanishing_; }
    // Nothing is drawn any more: every character is at alpha 0.
    bool Invisible() const;

private:
    void Reveal();
    void Fade();
    void Draw() const;

    int maxAlpha_ = 230;
    std::array<std::string, MaxLines> lines_{};
    std::array<std::array<uint8_t, MaxLineLength>, MaxLines> alphas_{};
    int cursorLine_ = 1;
    int cursorChar_ = 0;
    bool vanishing_ = false;
    TPoint origin_{};
    uint8_t red_ = 255;
    uint8_t green_ = 255;
    uint8_t blue_ = 255;
};
