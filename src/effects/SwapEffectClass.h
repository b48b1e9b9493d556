#pragma once
// Two neighbouring board objects changing places, and changing back when the swap makes no line.
#include "board/GameData.h"
#include "effects/EffectPattern.h"

#include <functional>

using TSwapEffectCompleteEvent =
    std::function<void(TTileObjectKind swapObjKind, TPoint object1Pos, TPoint object2Pos)>;

class TSwapEffect {
public:
    static constexpr int Capacity = 20;

    bool Visible = true;
    int NormalPosShiftStep = 6;   // pixels per tick of an ordinary swap
    int QuickPosShiftStep = 8;    // a fruit swap that makes a line
    int SwapBackPosShiftStep = 6; // the way back
    // The element every uni fruit shows; the controller keeps it in step with the board.
    uint8_t UniFruitCode = 1;
    // Tuning of the biting worm; the swap drawing does not use it.
    int BitingWormWidth = 55;
    int BitingWormHeight = 65;
    int BitingWormPosAdjustX = 12;
    int BitingWormPosAdjustY = 7;
    // Both report the left (or upper) tile first, whatever order the request had.
    TSwapEffectCompleteEvent OnEffectComplete;
    TSwapEffectCompleteEvent OnSwapBackComplete;

    void StartSwap(const TSwappedObjectsData& data, bool matchOccurs);
    void Tick();
    // Stops every swap without raising anything.
    void Clear();
    int RunningCount() const { return Instances.RunningCount(); }

private:
    enum class TSwapEnding { None, Complete, SwappedBack };

    struct TSwapInstance {
        bool Active = false;
        TPoint PosA; // left or upper tile
        TPoint PosB; // the other one
        bool MatchOccurs = false;
        int Shift = 0;            // pixels moved in the current phase, 0..52
        uint8_t Direction = 0;    // 0 horizontal, 1 vertical
        TSwappedObjectsData Data; // index 0 describes the object now starting on PosA
        TTileObjectKind SwapObjKind = okLocker;
        int Step = 0;
        bool SwappingBack = false;

        bool Running() const { return Active; }
    };

    TSwapEnding Advance(TSwapInstance& swap) const;
    void Draw(const TSwapInstance& swap) const;
    void RaiseEnding(TSwapEnding ending, const TSwapInstance& swap) const;
    void FinishEarly(TSwapInstance& swap) const;

    TEffectRing<TSwapInstance, Capacity> Instances;
};
