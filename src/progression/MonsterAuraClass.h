#pragma once
// TMonsterAura: the bubble that swells around a boss while it drains the round's time, turning,
// with sparks around it. It grows to its peak, the moment the time is taken, holds there and
// fades when the boss lets go.
#include "engine/Geometry.h"

#include <array>
#include <cstdint>
#include <functional>

enum TAuraState : uint8_t { asOff, asGrowing, asPeak, asFading };

class TMonsterAura {
public:
    static constexpr int SparkCount = 5;
    static constexpr int SparkFrames = 10;

    bool Visible = true;
    int Left = 0; // placed by the controller at the boss
    int Top = 0;
    int AuraPeakDelayTime = 2000;
    float MaxBubbleSizeRatio = 2.0f;
    float MinBubbleSizeRatio = 0.5f;
    int MaxBubbleAlpha = 240;
    int MinBubbleAlpha = 10;
    int SparksAdjX = -64;
    int SparksAdjY = -45;
    std::function<void()> OnAuraPeak;
    std::function<void()> OnAuraPeakWithDelay;

    void Start();
    void Stop();
    void Reset();
    void Tick();
    void Draw() const;

    TAuraState State() const { return state_; }
    float BubbleSize() const { return bubbleSize_; }
    int BubbleAlpha() const { return bubbleAlpha_; }
    float Intensity() const { return intensity_; }
    float Angle() const { return angle_; }

private:
    struct TSpark {
        float Angle = 0;
        TPoint Pos;
        int Alpha = 0;
        float Size = 1;
        int Frame = 1; // 1..SparkFrames
    };

    void StepBubble();
    void StepSparks();
    void SeedSpark(TSpark& spark) const;

    TAuraState state_ = asOff;
    float bubbleSize_ = 0.5f;
    int bubbleAlpha_ = 10;
    float intensity_ = 0;
    bool rising_ = false;
    float angle_ = 0;
    int peakClock_ = 0;
    bool delayedPeakFired_ = false;
    std::array<TSpark, SparkCount> sparks_{};
};
