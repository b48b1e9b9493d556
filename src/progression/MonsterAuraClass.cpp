#include "progression/MonsterAuraClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float GrowStep = 0.1f;
constexpr int GrowAlphaStep = 12;
constexpr int FadeAlphaStep = 10;
constexpr float FadeGrowStep = 0.075f;
constexpr float TurnStep = 0.45f;
constexpr float FullCircle = 360;
constexpr float RiseStep = 0.03f;
constexpr float FallStep = 0.04f;
// Sizes that add up tenth by tenth reach their end despite the float's rounding.
constexpr float SizeTolerance = 1e-4f;
// Where sparks are born: a 20 x 20 grid of 13 px around the aura.
constexpr int SparkGridSteps = 20;
constexpr int SparkGridStep = 13;
// The bubble's centre from the aura's place: the middle of the boss's body.
constexpr TPoint BubbleCentre{89, 53};
constexpr int AdditiveBlend = 2;

} // namespace

void TMonsterAura::Start() {
    state_ = asGrowing;
    rising_ = true;
    peakClock_ = 0;
    delayedPeakFired_ = false;
    bubbleSize_ = MinBubbleSizeRatio;
    bubbleAlpha_ = MinBubbleAlpha;
    for (TSpark& spark : sparks_) SeedSpark(spark);
}

void TMonsterAura::Stop() {
    state_ = asFading;
    rising_ = false;
}

void TMonsterAura::Reset() {
    state_ = asOff;
    peakClock_ = 0;
    delayedPeakFired_ = false;
    intensity_ = 0;
    rising_ = false;
}

void TMonsterAura::Tick() {
    if (!Visible || state_ == asOff) return;
    StepBubble();
    angle_ = std::fmod(angle_ + TurnStep, FullCircle);
    intensity_ =
        rising_ ? std::min(1.0f, intensity_ + RiseStep) : std::max(0.0f, intensity_ - FallStep);
    StepSparks();
}

void TMonsterAura::StepBubble() {
    switch (state_) {
    case asGrowing:
        bubbleAlpha_ = std::min(MaxBubbleAlpha, bubbleAlpha_ + GrowAlphaStep);
        bubbleSize_ += GrowStep;
        if (bubbleSize_ >= MaxBubbleSizeRatio - SizeTolerance) {
            bubbleSize_ = MaxBubbleSizeRatio;
            state_ = asPeak;
            if (OnAuraPeak) OnAuraPeak();
        }
        break;
    case asPeak:
        if (AdvanceTickTimer(peakClock_, AuraPeakDelayTime) && !delayedPeakFired_) {
            delayedPeakFired_ = true;
            if (OnAuraPeakWithDelay) OnAuraPeakWithDelay();
        }
        break;
    case asFading:
        bubbleSize_ += FadeGrowStep;
        bubbleAlpha_ -= FadeAlphaStep;
        if (bubbleAlpha_ <= MinBubbleAlpha) {
            bubbleAlpha_ = MinBubbleAlpha;
            state_ = asOff;
        }
        break;
    case asOff:
        break;
    }
}

void TMonsterAura::StepSparks() {
    for (TSpark& spark : sparks_)
        if (++spark.Frame > SparkFrames) SeedSpark(spark);
}

void TMonsterAura::SeedSpark(TSpark& spark) const {
    spark.Frame = 1;
    spark.Angle = 30.0f * static_cast<float>(1 + Random(12));
    spark.Pos = {Left + SparksAdjX + SparkGridStep * Random(SparkGridSteps),
                 Top + SparksAdjY + SparkGridStep * Random(SparkGridSteps)};
    spark.Alpha = 120 + 10 * Random(11);
    spark.Size = 0.5f + 0.15f * static_cast<float>(Random(5));
}

void TMonsterAura::Draw() const {
    if (!Visible || state_ == asOff) return;
    const auto alpha = static_cast<uint8_t>(std::clamp(bubbleAlpha_, 0, 255));
    // Pictures are placed by their top-left corner and scaled about their centre.
    const int halfWidth = ImageTileWidth(Pictures::MonsterAura) / 2;
    const int halfHeight = ImageTileHeight(Pictures::MonsterAura) / 2;
    DrawImageBlend(Pictures::MonsterAura, Left + BubbleCentre.X - halfWidth,
                   Top + BubbleCentre.Y - halfHeight, angle_, 0.5f, 0.5f, bubbleSize_, bubbleSize_,
                   255, 255, 255, alpha, 0, AdditiveBlend);
    for (const TSpark& spark : sparks_) {
        const auto sparkAlpha =
            static_cast<uint8_t>(std::clamp(RoundHalfEven(spark.Alpha * intensity_), 0, 255));
        DrawImageBlend(Pictures::MonsterAuraSpark, spark.Pos.X, spark.Pos.Y, spark.Angle, 0.5f,
                       0.5f, spark.Size, spark.Size, 255, 255, 255, sparkAlpha, spark.Frame - 1,
                       AdditiveBlend);
    }
}
