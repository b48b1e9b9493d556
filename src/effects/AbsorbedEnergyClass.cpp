#include "effects/AbsorbedEnergyClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr int RedBelowPercent = 41;
constexpr int GreenAbovePercent = 77;
constexpr std::array<uint32_t, 3> Colours = {0xFFFF5040, 0xFFFFD040, 0xFF60F070};
// A spark grows from half its size and eases in towards the boss.
constexpr float SmallestSize = 0.5f;
constexpr int SparkFrames = 10;
constexpr float SpinPerTick = 12;

} // namespace

TEnergyColor EnergyColorOf(int percentLeft) {
    if (percentLeft < RedBelowPercent) return ecRed;
    if (percentLeft <= GreenAbovePercent) return ecYellow;
    return ecGreen;
}

void TAbsorbedEnergy::Start(TPoint from, TPoint to, TEnergyColor color) {
    from_ = from;
    to_ = to;
    color_ = color;
    ticks_ = 0;
    running_ = true;
}

void TAbsorbedEnergy::Clear() {
    running_ = false;
    ticks_ = 0;
}

int TAbsorbedEnergy::InFlight() const {
    if (!running_) return 0;
    int count = 0;
    for (int spark = 0; spark < Sparks; ++spark) {
        const int age = ticks_ - spark * TicksBetweenSparks;
        if (age >= 0 && age < FlightTicks) ++count;
    }
    return count;
}

void TAbsorbedEnergy::Tick() {
    if (!Visible || !running_) return;
    ++ticks_;
    if (ticks_ >= (Sparks - 1) * TicksBetweenSparks + FlightTicks) {
        Clear();
        return;
    }
    Draw();
}

void TAbsorbedEnergy::Draw() const {
    const uint32_t colour = Colours[color_];
    for (int spark = 0; spark < Sparks; ++spark) {
        const int age = ticks_ - spark * TicksBetweenSparks;
        if (age < 0 || age >= FlightTicks) continue;
        // Quick at first, slowing as it reaches the boss.
        const double share = static_cast<double>(age) / FlightTicks;
        const double eased = 1 - (1 - share) * (1 - share);
        const int x = from_.X + RoundHalfEven((to_.X - from_.X) * eased);
        const int y = from_.Y + RoundHalfEven((to_.Y - from_.Y) * eased);
        const auto size = static_cast<float>(SmallestSize + share * (1 - SmallestSize));
        DrawImageColored(Pictures::MonsterAuraSpark, x, y, SpinPerTick * static_cast<float>(age),
                         0.5f, 0.5f, size, size, colour, false, false, age % SparkFrames);
    }
}
