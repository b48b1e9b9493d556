#pragma once
// Cleared elements thrown off the board: they pop up, fall to the ground line and bounce away, or
// drift off downwards; on their way down they may strike the boss.
#include "board/GameData.h"
#include "effects/EffectPattern.h"

#include <functional>

using TOnGroundHitEvent = std::function<void(int fruitColorIdx, int horzTilePos)>;

class TFallingElements {
public:
    static constexpr int Capacity = 50;
    static constexpr int BounceVariants = 6;
    static constexpr int MaxBounceSteps = 30;

    bool Visible = true;
    int GroundVertPos = 705; // screen y at which a falling element lands
    int AdjustX = -3;
    int AdjustY = -3;
    uint8_t RollAngleStep = 15;   // degrees per tick while bouncing
    float FallSizeAdd = 0.012f;   // growth per tick while falling
    float FloatSizeAdd = 0.0045f; // growth per tick while drifting
    TOnGroundHitEvent OnGroundHit;
    TOnMonsterHitCheckEvent OnMonsterHitCheck; // asked on every falling tick until a hit
    TCommonPosUpdateEvent OnDustEffectRequest; // every bouncing tick

    // Mode 0 after a grouping (a small hop), mode 1 for a bomb blast (thrown far up or down).
    void StartFalling(const TBoardData& newBoardData, const TSimpleObjectArray& mask, uint8_t mode);
    void Tick();
    // Ends every element without raising anything.
    void Clear();
    int RunningCount() const { return Elements.RunningCount(); }

private:
    enum TFallState : uint8_t { fsFalling, fsDrifting, fsBouncing, fsFinished };

    struct TFallingElement {
        uint8_t Code = 0;
        TPoint TilePos{1, 1};
        double X = 0, Y = 0; // while bouncing, the landing point
        double FallSpeed = 0;
        double SideSpeed = 0;
        double Impulse = 0; // extra vertical speed, decays to 0
        uint8_t State = fsFinished;
        uint8_t Variant = 1; // bounce path 1..6
        int BounceStep = 0;  // 0..30
        bool Clockwise = false;
        int Angle = 0;
        float Size = 1.0f;
        float BounceSizeAdd = 0.008f;
        bool HitChecked = false; // the boss has been hit: stop asking
        bool Fading = false;     // swallowed by the boss
        int Alpha = 255;
        int DriftX = 0, DriftY = 0;
        uint8_t DriftSpin = 0;

        bool Running() const { return State != fsFinished; }
    };

    // What a tick of one element asks of the others, raised once it has been drawn.
    struct TStepNotices {
        bool GroundHit = false;
        bool Dust = false;
        TPoint DustPos;
    };

    void StartElement(TPoint tile, uint8_t code, uint8_t mode);
    TStepNotices Step(TFallingElement& element, TPoint& drawPos);
    void Fall(TFallingElement& element, TStepNotices& notices);
    void Drift(TFallingElement& element) const;
    bool Bounce(TFallingElement& element, TPoint& drawPos, TStepNotices& notices) const;
    void Draw(const TFallingElement& element, TPoint drawPos) const;
    void Notify(const TStepNotices& notices, uint8_t code, int horzTilePos) const;

    TEffectRing<TFallingElement, Capacity> Elements;
};
