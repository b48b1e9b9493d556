#include "app/MannaEnergyClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

// The cabinet at the screen's left edge, the tube in it and the liquid in the tube.
constexpr TPoint CabinetPos{0, 0};
constexpr TPoint TubeOffset{4, 74};
constexpr TPoint GlassOffset{42, 74};
constexpr TPoint LiquidOffset{8, 13};
constexpr int LiquidWidth = 20;
constexpr int LiquidHeight = 500;
constexpr int WaveHeight = 12;
constexpr int WaveFrames = 6;
constexpr int TicksPerWaveFrame = 3;

} // namespace

void TMannaEnergy::AddFruit(int steps) {
    counter_ = std::clamp(counter_ + std::max(0, steps), 0, std::max(0, FullRequiredFruits));
}

int TMannaEnergy::Share(uint8_t level) const {
    return RoundHalfEven(FullRequiredFruits * ReqEnergyFactors[level - 1]);
}

void TMannaEnergy::Spend(uint8_t level) {
    if (level < 1 || level > FactorLevels) return;
    counter_ = std::max(0, counter_ - Share(level));
}

bool TMannaEnergy::Covers(uint8_t level) const {
    return level >= 1 && level <= FactorLevels && counter_ >= Share(level);
}

void TMannaEnergy::Reset() {
    counter_ = 0;
    level_ = 0;
    reached_ = {};
    full_ = false;
}

void TMannaEnergy::UpdateAndDraw() {
    ++waveTick_;
    Follow();
    Report();
    Draw();
}

// The gauge follows the counter, rising slowly and falling faster; it never passes it.
void TMannaEnergy::Follow() {
    const double full = std::max(1, FullRequiredFruits);
    if (counter_ > level_)
        level_ = std::min<double>(counter_, level_ + full / std::max(1, TempCounterIncDivFactor));
    else if (counter_ < level_)
        level_ = std::max<double>(counter_, level_ - full / std::max(1, TempCounterDecDivFactor));
}

// Each share is reported once on the way up, and once on the way down below it.
void TMannaEnergy::Report() {
    for (int i = 0; i < FactorLevels; ++i) {
        const bool above =
            FullRequiredFruits > 0 && level_ >= FullRequiredFruits * ReqEnergyFactors[i] - 1e-9;
        if (above == reached_[i]) continue;
        reached_[i] = above;
        const auto level = static_cast<uint8_t>(i + 1);
        if (above && OnEnergyFactorReached) OnEnergyFactorReached(level);
        if (!above && OnBelowEnergyFactor) OnBelowEnergyFactor(level);
    }
    const bool full = FullRequiredFruits > 0 && level_ >= FullRequiredFruits;
    if (full && !full_ && OnFull) OnFull();
    full_ = full;
}

void TMannaEnergy::Draw() const {
    DrawImage(Pictures::LeftPanel, CabinetPos.X, CabinetPos.Y, 0, 0, 0, 1, 1, 255, 255, 255, 255,
              0);
    const int tubeX = CabinetPos.X + TubeOffset.X;
    const int tubeY = CabinetPos.Y + TubeOffset.Y;
    DrawImage(Pictures::EnergyBar, tubeX, tubeY, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    const double share = FullRequiredFruits > 0 ? level_ / FullRequiredFruits : 0;
    const int height = std::clamp(RoundHalfEven(share * LiquidHeight), 0, LiquidHeight);
    if (height > 0) {
        // The bright liquid once the first tool can be used.
        const int column = reached_[0] ? LiquidWidth : 0;
        const int liquidX = tubeX + LiquidOffset.X;
        const int surfaceY = tubeY + LiquidOffset.Y + LiquidHeight - height;
        DrawImageRect(Pictures::MannaEnergy,
                      TRect{column, LiquidHeight - height, column + LiquidWidth, LiquidHeight},
                      liquidX, surfaceY, 255);
        const int wave = (waveTick_ / TicksPerWaveFrame) % WaveFrames;
        DrawImage(Pictures::MannaEnergyWave, liquidX, surfaceY - WaveHeight / 2, 0, 0, 0, 1, 1, 255,
                  255, 255, 255, wave);
    }
    DrawImage(Pictures::EnergyBarGlass, tubeX, tubeY, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    DrawImage(Pictures::LeftPanelGlass, CabinetPos.X + GlassOffset.X, CabinetPos.Y + GlassOffset.Y,
              0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
}
