#pragma once
// Collected elements flying from the board (or a screen point) to their slot in the elements
// panel, swaying and spinning on the way; each arrival is reported.
#include "board/GameData.h"
#include "effects/EffectPattern.h"

#include <functional>

using TFlowingFruitsOneFruitArrived =
    std::function<void(TElementKind elementKind, uint8_t elementIdx)>;
using TFlowingFruitsSlotPosRequestEvent =
    std::function<void(TIndividualElementKind aIndividualElementKind, TPoint& slotPos)>;

// Codes that fly without coming from a board element.
inline constexpr uint8_t fcSpider = 29;
inline constexpr uint8_t fcGoldTile1 = 30; // standard frame, one layer
inline constexpr uint8_t fcGoldTile2 = 32; // upgraded frame, one layer

class TFlowingElements {
public:
    static constexpr int Capacity = 100;
    // Where an element flies when nobody tells it its slot.
    static constexpr TPoint DefaultSlotPos{395, 0};

    bool Visible = true;
    TTileKind TileKind = tkStandard; // look of the gold tiles
    TCommonPosUpdateEvent OnDustEffectRequest;
    TFlowingFruitsOneFruitArrived OnOneFruitArrived;
    TFlowingFruitsSlotPosRequestEvent OnSlotPosRequest;

    // Every masked fruit (1..8) or flower (13..16).
    void StartFlowing(const TBoardData& newBoardData, const TSimpleObjectArray& mask);
    // A locker frame turned to gold; frame type 1 or 2 (the layers it had).
    void StartGoldTile(TPoint tilePos, uint8_t frameType);
    // A spider shot down at a screen point.
    void StartSpider(int x, int y);
    void Tick();
    // Ends every flight without raising anything.
    void Clear();
    int RunningCount() const { return Entries.RunningCount(); }

private:
    enum TFlowState : uint8_t { fwWaiting, fwFlying, fwIdle };

    struct TFlowingElement {
        uint8_t State = fwIdle;
        TElementKind ElementKind = elFruit;
        TIndividualElementKind IndividualKind = ieFruit1;
        uint8_t ElementIdx = 0;
        int Pattern = 0; // 1-based picture of "FlowingElements"
        double X = 0, Y = 0;
        double TargetX = 0, TargetY = 0;
        double SpeedX = 0, SpeedY = 0;
        double AccelX = 0, AccelY = 0;
        float RiseStep = 0, FallStep = 0, SwayMax = 0, SwayMin = 0;
        bool SwayRising = true;
        double SwayOffset = 0;
        double SwaySpeed = 0;
        int Angle = 0;
        bool Clockwise = false;
        int SpinStep = 0;
        double Size = 1;

        bool Running() const { return State != fwIdle; }
    };

    void StartElement(uint8_t code, TPoint tilePos, TPoint screenPos);
    static bool Fly(TFlowingElement& element);
    static void AimAtSlot(TFlowingElement& element);
    static void Spin(TFlowingElement& element);
    static void Draw(const TFlowingElement& element);
    void FinishEarly(TFlowingElement& element) const;

    TEffectRing<TFlowingElement, Capacity> Entries;
};
