#include "story/NarrationTextClass.h"

#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"

#include <algorithm>

namespace {

constexpr int FullAlpha = 255;
constexpr char LineBreak = '|';

std::string_view FontImage(TGameFontKind kind) {
    return kind == fkAirstripComment ? "CommentFont" : "GlobalFontWhite";
}

} // namespace

void TNarrationText::SetMaxAlpha(int value) {
    maxAlpha_ = std::min(value, FullAlpha);
}

void TNarrationText::ApplyTiming(const TNarrationTiming& normal, const TNarrationTiming& reduced) {
    const TNarrationTiming& timing = IsReducedEffectsMode() ? reduced : normal;
    AlphaStep = timing.AlphaStep;
    AlphaUpdateRepeat = timing.AlphaUpdateRepeat;
    VanishingAlphaStep = timing.VanishingAlphaStep;
}

void TNarrationText::Reset() {
    origin_ = {};
    for (std::string& line : lines_) line.clear();
    for (auto& row : alphas_) row.fill(0);
    cursorLine_ = 1;
    cursorChar_ = 0;
    vanishing_ = false;
}

void TNarrationText::Show(int x, int y, std::string_view text, uint8_t red, uint8_t green,
                          uint8_t blue) {
    Reset();
    origin_ = {x, y};
    red_ = red;
    green_ = green;
    blue_ = blue;
    size_t start = 0;
    for (int line = 0; line < MaxLines && start <= text.size(); ++line) {
        const size_t end = std::min(text.find(LineBreak, start), text.size());
        const std::string_view part = text.substr(start, end - start);
        const std::string drawable = FilterText(FontKind, part.substr(0, MaxLineLength));
        lines_[line] = drawable.substr(0, MaxLineLength);
        start = end + 1;
    }
}

bool TNarrationText::Complete() {
    if (cursorLine_ > MaxLines) return true;
    // The cursor stays on the last line: an empty one is passed on the next tick.
    cursorLine_ = MaxLines;
    for (int line = 0; line < MaxLines; ++line)
        std::fill_n(alphas_[line].begin(), lines_[line].size(), static_cast<uint8_t>(maxAlpha_));
    return false;
}

bool TNarrationText::Invisible() const {
    return std::all_of(alphas_.begin(), alphas_.end(), [](const auto& row) {
        return std::all_of(row.begin(), row.end(), [](uint8_t alpha) { return alpha == 0; });
    });
}

void TNarrationText::UpdateAndDraw() {
    Reveal();
    Fade();
    Draw();
}

// An empty line costs one step and is passed.
void TNarrationText::Reveal() {
    for (int step = 0; step < AlphaUpdateRepeat; ++step) {
        if (cursorLine_ > MaxLines) return;
        ++cursorChar_;
        if (cursorChar_ > static_cast<int>(lines_[cursorLine_ - 1].size())) {
            ++cursorLine_;
            cursorChar_ = 0;
        } else {
            alphas_[cursorLine_ - 1][cursorChar_ - 1] =
                static_cast<uint8_t>(std::clamp(StartingAlpha, 0, FullAlpha));
        }
    }
}

void TNarrationText::Fade() {
    for (auto& row : alphas_)
        for (uint8_t& alpha : row) {
            if (alpha == 0) continue;
            const int next = vanishing_ ? std::max(alpha - VanishingAlphaStep, 0)
                                        : std::min(alpha + AlphaStep, maxAlpha_);
            alpha = static_cast<uint8_t>(std::clamp(next, 0, FullAlpha));
        }
}

void TNarrationText::Draw() const {
    const std::string_view image = FontImage(FontKind);
    const int freshAlpha = StartingAlpha + AlphaStep;
    for (int line = 0; line < MaxLines; ++line) {
        int x = origin_.X;
        const int y = origin_.Y + line * VertSpace;
        const std::string& text = lines_[line];
        for (size_t i = 0; i < text.size(); ++i) {
            const int alpha = alphas_[line][i];
            const char c = text[i];
            if (alpha != 0) {
                DrawImage(image, x, y, 0, 0, 0, FontRatio, FontRatio, red_, green_, blue_,
                          static_cast<uint8_t>(alpha), GlyphIndex(FontKind, c));
                if (alpha == freshAlpha && !vanishing_ && OnTailPosUpdate) OnTailPosUpdate({x, y});
            }
            x += CharWidth(FontKind, c, HorzSpaceAdd, FontRatio);
        }
    }
}
