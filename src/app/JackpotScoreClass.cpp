#include "app/JackpotScoreClass.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// The rolling digits blur the more, the further the count still has to go.
constexpr int BlurPlaces = 2;
constexpr int StrongBlurSteps = 100;
constexpr int MediumBlurSteps = 10;

int Saturated(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, INT_MAX));
}

} // namespace

void TJackpotScore::TakeSize() {
    const TPoint size = ImageTileSize(Pictures::Score);
    if (size.X <= 0 || size.Y <= 0) return;
    DigitWidth = size.X;
    DigitHeight = size.Y;
}

void TJackpotScore::SetValue(int value) {
    value_ = std::max(0, value);
    shown_ = value_;
}

void TJackpotScore::Add(int points) {
    value_ = Saturated(int64_t{value_} + points);
}

void TJackpotScore::UpdateAndDraw() {
    if (Counting()) {
        const int step = std::max(1, Increment);
        shown_ =
            shown_ < value_ ? std::min(value_, shown_ + step) : std::max(value_, shown_ - step);
        if (++ticks_ % 2 == 0) PlaySound("ScoreCount");
    } else {
        ticks_ = 0;
    }
    Draw();
}

void TJackpotScore::Draw() const {
    const std::string text = std::to_string(shown_);
    const int places = std::max(Digits, static_cast<int>(text.size()));
    const std::string padded = std::string(places - text.size(), '0') + text;
    const int width = places * DigitWidth;
    const int left = AutoCentered ? Left - width / 2 : Left;
    const int remaining = std::abs(value_ - shown_) / std::max(1, Increment);
    const int blur = remaining >= StrongBlurSteps ? 2 : remaining >= MediumBlurSteps ? 1 : 0;
    for (int i = 0; i < places; ++i) {
        const bool leading = i < places - static_cast<int>(text.size());
        if (leading && !ShowLeadingZeros) continue;
        const int x = left + i * DigitWidth;
        DrawImage(Pictures::Score, x, Top, 0, 0, 0, 1, 1, 255, 255, 255, 255, padded[i] - '0');
        if (Counting() && i >= places - BlurPlaces)
            DrawImage(Pictures::ScoreBlur, x, Top, 0, 0, 0, 1, 1, 255, 255, 255, BlurAlpha, blur);
    }
}
