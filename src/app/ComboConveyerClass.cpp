#include "app/ComboConveyerClass.h"

#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr float ShrinkStep = 0.04f;
constexpr float SmallestScale = 0.35f;
constexpr uint8_t FirstComboSize = 4;

} // namespace

void TComboConveyer::Send(uint8_t matchXCount, TPoint pos) {
    auto free = std::find_if(combos_.begin(), combos_.end(),
                             [](const TCarriedCombo& combo) { return !combo.Active; });
    if (free == combos_.end()) {
        // A full belt delivers at once: no combo's reward is lost.
        if (OnAComboArrives) OnAComboArrives(matchXCount);
        return;
    }
    const TAxisSpeeds speeds = SpeedsArrivingTogether(Target.X - pos.X, Target.Y - pos.Y, Pace);
    *free = {true,
             matchXCount,
             static_cast<double>(pos.X),
             static_cast<double>(pos.Y),
             speeds.X,
             speeds.Y,
             1};
}

void TComboConveyer::UpdateAndDraw() {
    for (TCarriedCombo& combo : combos_) {
        if (!combo.Active) continue;
        combo.X = MovedTowards(combo.X, Target.X, combo.SpeedX);
        combo.Y = MovedTowards(combo.Y, Target.Y, combo.SpeedY);
        combo.Scale = std::max(SmallestScale, combo.Scale - ShrinkStep);
        DrawImage(Pictures::ComboText, RoundHalfEven(combo.X), RoundHalfEven(combo.Y), 0, 0.5f,
                  0.5f, combo.Scale, combo.Scale, 255, 255, 255, 255,
                  combo.MatchXCount - FirstComboSize);
        if (combo.X != Target.X || combo.Y != Target.Y) continue;
        combo.Active = false;
        if (OnAComboArrives) OnAComboArrives(combo.MatchXCount);
    }
}

void TComboConveyer::Reset() {
    combos_ = {};
}

int TComboConveyer::Carried() const {
    return static_cast<int>(std::count_if(combos_.begin(), combos_.end(),
                                          [](const TCarriedCombo& combo) { return combo.Active; }));
}
