#pragma once
// Matched cells shake in place for eight ticks and are then handed back to the board one by one;
// new flowers and tool items among them are reported on the way.
#include "board/GameData.h"

#include <functional>

using TGroupingEffectCompleteEvent =
    std::function<void(const TBoardData& boardDataTmp, const TSimpleObjectArray& groupedFruits,
                       bool triggeredByBlaster)>;
using TNewFlowerAcquiredEvent = std::function<void(TPoint tilePos)>;
using TNewToolAcquiredEvent = std::function<void(TPoint tilePos, int aToolIdx)>;

class TGroupedElementsEffect {
public:
    static constexpr int ShakeFrames = 8;

    bool Visible = true;
    // One event per cell, each with a mask of that cell only.
    TGroupingEffectCompleteEvent OnGroupingEffectComplete;
    TNewFlowerAcquiredEvent OnNewFlowerAcquired;
    TNewToolAcquiredEvent OnNewToolAcquired;

    void StartGrouping(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits,
                       bool triggeredByBlaster);
    void Tick();
    // Stops every shake without raising anything.
    void Clear();
    bool IsShaking(TPoint tile) const { return Cells(tile).Active; }

private:
    struct TShakingCell {
        bool Active = false;
        int Frame = 0; // 0..8
    };

    void DrawShaking(TPoint tile, int frame) const;
    void HandOverItems();
    void HandBack(TPoint tile);

    TBoardGrid<TShakingCell> Cells;
    TBoardData BoardData{};
    bool TriggeredByBlaster = false;
};
