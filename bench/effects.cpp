// One frame of the board effects with every table full: 20 swaps, a grouping of 40 cells, 50
// falling and 100 flowing elements, drawn into the recorder (or nowhere).
#include "effects/FallingElementsClass.h"
#include "effects/FlowingElementsClass.h"
#include "effects/GroupedElementsEffectClass.h"
#include "effects/SwapEffectClass.h"
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"

#include <benchmark/benchmark.h>

namespace {

struct TBusyBoardEffects {
    TSwapEffect Swap;
    TGroupedElementsEffect Grouping;
    TFallingElements Falling;
    TFlowingElements Flowing;
    TBoardData Board{};
    TSimpleObjectArray FirstColumns{};
    int NextCell = 0;

    TBusyBoardEffects() {
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                Board(x, y) = {okFruit, 0, 0, static_cast<uint8_t>((x + y) % 8 + 3)};
        for (int i = 0; i < 40; ++i) FirstColumns(i / 12 + 1, i % 12 + 1) = 1;
        Flowing.OnSlotPosRequest = [](TIndividualElementKind kind, TPoint& pos) {
            pos = {400 + 40 * kind, 20};
        };
    }
    // Whatever has ended starts again, so every frame is as busy as the fullest one.
    void Refill() {
        while (Swap.RunningCount() < TSwapEffect::Capacity) {
            const int row = Swap.RunningCount() % BoardRows + 1;
            TSwappedObjectsData data;
            data.Object1Pos = {3, row};
            data.Object2Pos = {4, row};
            data.ObjectKind[0] = data.ObjectKind[1] = okFruit;
            data.ImageIdx[0] = 1;
            data.ImageIdx[1] = 2;
            Swap.StartSwap(data, false);
        }
        if (!Grouping.IsShaking({1, 1})) Grouping.StartGrouping(Board, FirstColumns, false);
        while (Falling.RunningCount() < TFallingElements::Capacity)
            Falling.StartFalling(Board, NextSingleCell(), 0);
        while (Flowing.RunningCount() < TFlowingElements::Capacity)
            Flowing.StartFlowing(Board, NextSingleCell());
    }
    TSimpleObjectArray NextSingleCell() {
        TSimpleObjectArray mask{};
        mask(NextCell / BoardRows + 1, NextCell % BoardRows + 1) = 1;
        NextCell = (NextCell + 1) % (BoardColumns * BoardRows);
        return mask;
    }
    void Frame() {
        Swap.Tick();
        Grouping.Tick();
        Falling.Tick();
        Flowing.Tick();
    }
};

void RunFrames(benchmark::State& state, TRecordingImageTarget* recorder) {
    SetRandomSeed(5);
    SetMainImageTarget(recorder);
    TBusyBoardEffects effects;
    size_t sprites = 0;
    for (auto _ : state) {
        effects.Refill();
        if (recorder != nullptr) recorder->Clear();
        effects.Frame();
        if (recorder != nullptr) sprites = recorder->Calls.size();
    }
    state.counters["sprites"] = static_cast<double>(sprites);
    SetMainImageTarget(nullptr);
}

void BM_FullEffectsFrameRecorded(benchmark::State& state) {
    TRecordingImageTarget recorder;
    RunFrames(state, &recorder);
}
BENCHMARK(BM_FullEffectsFrameRecorded);

void BM_FullEffectsFrameUndrawn(benchmark::State& state) {
    RunFrames(state, nullptr);
}
BENCHMARK(BM_FullEffectsFrameUndrawn);

} // namespace
