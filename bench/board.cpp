// The board's hot paths: the match test, the move search, the shuffle and one frame.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"

#include <benchmark/benchmark.h>

namespace {

// Codes 1..4 in 2x2 blocks: no line and no move, so every search runs to its end.
TBoardData QuietGrid() {
    TBoardData grid;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            grid(x, y).ObjectKind = okFruit;
            grid(x, y).LockerColor = 1;
            grid(x, y).ElementCode = static_cast<uint8_t>(((x - 1) % 2) * 2 + (y - 1) % 2 + 1);
        }
    return grid;
}

// A played-looking board: the shuffle of a fresh one.
TBoardData ShuffledGrid(TGameBoard& board) {
    TBoardData grid;
    board.MakeShuffledBoard(grid);
    return grid;
}

void BM_AnyMatchFullBoard(benchmark::State& state) {
    SetRandomSeed(1);
    TGameBoard board;
    board.SetBoardData(QuietGrid());
    const TBoardData grid = board.BoardData();
    for (auto _ : state) benchmark::DoNotOptimize(board.AnyMatch(grid));
}
BENCHMARK(BM_AnyMatchFullBoard);

void BM_FindPossibleMoveNoneLeft(benchmark::State& state) {
    SetRandomSeed(1);
    TGameBoard board;
    board.SetBoardData(QuietGrid());
    TPoint pos1, pos2;
    for (auto _ : state) benchmark::DoNotOptimize(board.FindPossibleMove(pos1, pos2));
}
BENCHMARK(BM_FindPossibleMoveNoneLeft);

void BM_FindPossibleMoveShuffledBoard(benchmark::State& state) {
    SetRandomSeed(1);
    TGameBoard board;
    board.SetBoardData(ShuffledGrid(board));
    TPoint pos1, pos2;
    for (auto _ : state) benchmark::DoNotOptimize(board.FindPossibleMove(pos1, pos2));
}
BENCHMARK(BM_FindPossibleMoveShuffledBoard);

void BM_MakeShuffledBoard(benchmark::State& state) {
    SetRandomSeed(1);
    TGameBoard board;
    board.SetBoardData(ShuffledGrid(board));
    TBoardData grid;
    for (auto _ : state) {
        board.MakeShuffledBoard(grid);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_MakeShuffledBoard)->Unit(benchmark::kMicrosecond);

// Three columns half cleared and falling, a hint showing and a shake running.
void BM_UpdateAndDrawMidCascade(benchmark::State& state) {
    SetRandomSeed(1);
    TRecordingImageTarget recorder;
    recorder.Calls.reserve(4096);
    SetMainImageTarget(&recorder);
    TGameBoard board;
    board.Left = 266;
    board.Top = 95;
    board.SetBoardData(ShuffledGrid(board));
    TSimpleObjectArray cleared;
    for (int x = 5; x <= 7; ++x)
        for (int y = 7; y <= 12; ++y) cleared(x, y) = 1;
    board.GroupedElementsRemoved(cleared);
    board.StartShake({6, 6});
    for (int tick = 0; tick < 3; ++tick) board.UpdateAndDraw();
    const TGameBoard midCascade = board;
    for (auto _ : state) {
        state.PauseTiming();
        board = midCascade;
        recorder.Clear();
        state.ResumeTiming();
        board.UpdateAndDraw();
        board.DrawHint();
    }
    state.counters["sprites"] = static_cast<double>(recorder.Calls.size());
    SetMainImageTarget(nullptr);
}
BENCHMARK(BM_UpdateAndDrawMidCascade)->Unit(benchmark::kMicrosecond);

} // namespace
