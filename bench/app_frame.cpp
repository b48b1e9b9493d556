// One whole frame of the board scene in the middle of a cascade: columns falling and refilling,
// matched cells shaking, fifty elements falling off the board and a hundred flying to their
// slots, swaps under way, every cell framed, lockers breaking with their pieces, cyan sprays,
// stars, tearing webs, breaking chains, a bursting bubble, combo labels and the conveyer, the
// round's comment, the panels, the tube and the gathering, all through the recording graphics
// device with the game's own pictures, level and texts.
// And one with a full spider wave: every one of the twenty spiders crawling, pausing or spinning.
#include "BenchRound.h"
#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A sum over the timed frames as a counter: its average a frame.
benchmark::Counter PerFrame(int64_t sum, int64_t frames) {
    return benchmark::Counter(frames > 0 ? static_cast<double>(sum) / frames : 0);
}

TSimpleObjectArray RowsOf(const TGameBoard& board, int firstRow, int lastRow) {
    TSimpleObjectArray mask{};
    const TBoardData grid = board.BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = firstRow; y <= lastRow; ++y)
            if (grid(x, y).ObjectKind == okFruit) mask(x, y) = 1;
    return mask;
}

// The small effects' tables as full as play fills them: sprays and stars from every cell, a web
// and a chain breaking on twenty, labels of seven, lockers breaking on a row.
void StirUpSmallEffects(TMainGameScene& game, const TBoardData& grid,
                        const TSimpleObjectArray& everything) {
    game.MatchedCyan.Spray(everything);
    TBoardData lockers = grid;
    TSimpleObjectArray row{};
    for (int x = 1; x <= BoardColumns; ++x) {
        lockers(x, 6).ObjectKind = okLocker;
        lockers(x, 6).LockerColor = 1 + x % 3;
        row(x, 6) = 1;
    }
    game.OpeningLockers.StartOpening(lockers, row);
    for (int i = 0; i < 3; ++i) game.LockerPieces.StartPieces(lockers, row);
    int placed = 0;
    ForEachMaskedCell(everything, [&](TPoint cell) {
        game.Stars.StarsAt(cell);
        if (placed++ >= 20) return;
        game.WebEffect.TearAt(cell);
        game.ChainLockEffect.BreakAt(cell, 2);
    });
    game.UniBubbleEffect.BurstAt({4, 4});
    TBoardData sevens = grid;
    TSimpleObjectArray seven{};
    for (int x = 1; x <= 7; ++x) {
        sevens(x, 2).ElementCode = 1;
        seven(x, 2) = 1;
    }
    for (int i = 0; i < TCombos::Slots; ++i) game.Combos.CheckCombo(sevens, seven);
    for (int i = 0; i < TComboConveyer::Capacity; ++i) game.ComboConveyer.Send(7, {600, 400});
}

// Everything at once, as a big cascade looks: the upper rows cleared and falling in, the lower
// rows shaking before they clear, and the effect tables full.
void StirUp(TFormMain& form) {
    TMainGameScene& game = form.MainGame();
    TGameBoard& board = game.GameBoard;
    const TBoardData grid = board.BoardData();
    TSimpleObjectArray everything{};
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) everything(x, y) = grid(x, y).IsPlayable() ? 1 : 0;
    const TSimpleObjectArray lower = RowsOf(board, 8, 10);
    ForEachMaskedCell(lower, [&](TPoint cell) { everything(cell) = 0; });
    board.GroupedElementsRemoved(RowsOf(board, 3, 5));
    game.GroupedElementsEffect.StartGrouping(grid, lower, false);
    game.FallingElements.StartFalling(grid, everything, 0);
    game.FlowingElements.StartFlowing(grid, everything);
    game.FlowingElements.StartFlowing(grid, everything);
    StirUpSmallEffects(game, grid, everything);
}

void BM_MainGameFrameMidCascade(benchmark::State& state) {
    TQuietPlatform platform;
    const std::unique_ptr<TFormMain> round = StartBenchRound(state, platform, 1);
    if (!round) return;
    TFormMain& form = *round;
    TMainGameScene& game = form.MainGame();
    // Out of reach: the round goes on and keeps cascading.
    TElementGather& gather = game.ElementGather;
    gather.TargetBananas = gather.TargetStrawberries = gather.TargetApples = 99999;
    gather.Prepare();
    // Every cell framed with two layers, the frames at rest.
    TSimpleObjectArray framed{};
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) framed(x, y) = 2;
    game.LockerFrames.SetupFrames(framed);
    game.LockerFrames.FlyIn();
    for (int i = 0; i < 400; ++i) form.OmegaTimer1Timer();
    game.SwapEffect.StartSwap({{5, 5}, {6, 5}, {okFruit, okFruit}, {}, {1, 2}, {}, {}}, false);
    game.SwapEffect.StartSwap({{8, 7}, {8, 8}, {okFruit, okFruit}, {}, {3, 4}, {}, {}}, false);
    StirUp(form);

    int64_t frames = 0;
    int64_t sprites = 0;
    int64_t falling = 0;
    int64_t flowing = 0;
    int64_t cyan = 0;
    int64_t pieces = 0;
    for (auto _ : state) {
        if (game.FallingElements.RunningCount() < 40 || game.FlowingElements.RunningCount() < 80 ||
            game.MatchedCyan.InUse() < 200 || game.Combos.ActiveCount() < TCombos::Slots) {
            state.PauseTiming();
            StirUp(form);
            state.ResumeTiming();
        }
        form.OmegaTimer1Timer();
        ++frames;
        sprites += static_cast<int64_t>(platform.Device.Quads.size());
        falling += game.FallingElements.RunningCount();
        flowing += game.FlowingElements.RunningCount();
        cyan += game.MatchedCyan.InUse();
        pieces += game.LockerPieces.RunningCount();
    }
    state.counters["sprites_per_frame"] = PerFrame(sprites, frames);
    state.counters["falling_in_flight"] = PerFrame(falling, frames);
    state.counters["flowing_in_flight"] = PerFrame(flowing, frames);
    state.counters["cyan_particles"] = PerFrame(cyan, frames);
    state.counters["locker_pieces"] = PerFrame(pieces, frames);
    ReleaseRandomSeed();
}
BENCHMARK(BM_MainGameFrameMidCascade)->Unit(benchmark::kMicrosecond);

// A wave that fills every spider slot and whose webs never run out, so that nobody leaves; the
// board's webs torn first, so that it keeps its moves and its spiders keep spinning.
constexpr int MostWebsKept = 12;
void StartFullSpiderWave(TMainGameScene& game) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) game.GameBoard.TearWeb({x, y});
    TCrawlingSpiders& spiders = game.CrawlingSpiders;
    spiders.MaxSpidersOnBoard = TCrawlingSpiders::SlotCount;
    spiders.MaxWebs = 1000;
    spiders.OneWebEveryProb = 4;
    spiders.TakeBoardData(game.GameBoard.BoardData());
    spiders.StartWave(game.GameBoard.WebCount());
}

void BM_MainGameFrameFullSpiderWave(benchmark::State& state) {
    TQuietPlatform platform;
    const std::unique_ptr<TFormMain> round = StartBenchRound(state, platform, 1);
    if (!round) return;
    TFormMain& form = *round;
    TMainGameScene& game = form.MainGame();
    TCrawlingSpiders& spiders = game.CrawlingSpiders;
    // The board built, then every spider dropped in and landed.
    for (int i = 0; i < 400; ++i) form.OmegaTimer1Timer();
    StartFullSpiderWave(game);
    for (int i = 0; i < 2000 && spiders.SpidersOnBoard() < TCrawlingSpiders::SlotCount; ++i)
        form.OmegaTimer1Timer();

    int64_t frames = 0;
    int64_t sprites = 0;
    int64_t onBoard = 0;
    int64_t spinning = 0;
    int64_t webs = 0;
    for (auto _ : state) {
        const bool waveThinned =
            spiders.SpidersOnBoard() < TCrawlingSpiders::SlotCount && spiders.SpidersToAdd() == 0;
        if (waveThinned || game.GameBoard.WebCount() > MostWebsKept) {
            state.PauseTiming();
            StartFullSpiderWave(game);
            state.ResumeTiming();
        }
        form.OmegaTimer1Timer();
        ++frames;
        sprites += static_cast<int64_t>(platform.Device.Quads.size());
        onBoard += spiders.SpidersOnBoard();
        for (int slot = 0; slot < TCrawlingSpiders::SlotCount; ++slot)
            spinning += spiders.Spider(slot).State == TCrawlingSpiders::ssSpinning ? 1 : 0;
        webs += game.GameBoard.WebCount();
    }
    state.counters["sprites_per_frame"] = PerFrame(sprites, frames);
    state.counters["spiders_on_board"] = PerFrame(onBoard, frames);
    state.counters["spinning"] = PerFrame(spinning, frames);
    state.counters["webs_on_board"] = PerFrame(webs, frames);
    ReleaseRandomSeed();
}
BENCHMARK(BM_MainGameFrameFullSpiderWave)->Unit(benchmark::kMicrosecond);

} // namespace
