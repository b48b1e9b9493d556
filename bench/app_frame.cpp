// One whole frame of the board scene in the middle of a cascade: columns falling and refilling,
// matched cells shaking, fifty elements falling off the board and a hundred flying to their
// slots, swaps under way, the round's comment and the gathering panel, all through the recording
// graphics device with the game's own pictures, level and texts.
#include "app/UMain.h"
#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "platform/RecordingGraphicsDevice.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

struct TQuietPlatform {
    TRecordingGraphicsDevice Device{GameSpace};
    TQueuedEventSource Events;
    TManualClock Clock;
    TRecordingDesktop Desktop;
    TNullAudioDevice Audio;
};

TSimpleObjectArray RowsOf(const TGameBoard& board, int firstRow, int lastRow) {
    TSimpleObjectArray mask{};
    const TBoardData grid = board.BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = firstRow; y <= lastRow; ++y)
            if (grid(x, y).ObjectKind == okFruit) mask(x, y) = 1;
    return mask;
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
}

void BM_MainGameFrameMidCascade(benchmark::State& state) {
    const std::string gameFolder = std::string(TOVAN_GAME_DIR) + "/";
    if (!std::filesystem::exists(gameFolder + "Levels/Level1-01.zel")) {
        state.SkipWithError("no built game content (Levels, Images) beside the game");
        return;
    }
    SetRandomSeed(5);
    TQuietPlatform platform;
    TFormMain form({.Device = platform.Device,
                    .Events = platform.Events,
                    .Clock = platform.Clock,
                    .Desktop = platform.Desktop,
                    .ProgramFolder = gameFolder,
                    .ErrorLogFile = "",
                    .DataFolder = "",
                    .Audio = &platform.Audio});
    form.LoadMainPictures();
    form.StartLevel(1, 1);
    form.MainGame().ObjectiveInfo.Skip();
    TMainGameScene& game = form.MainGame();
    // Out of reach: the round goes on and keeps cascading.
    TElementGather& gather = game.ElementGather;
    gather.TargetBananas = gather.TargetStrawberries = gather.TargetApples = 99999;
    gather.Prepare();
    game.SwapEffect.StartSwap({{5, 5}, {6, 5}, {okFruit, okFruit}, {}, {1, 2}, {}, {}}, false);
    game.SwapEffect.StartSwap({{8, 7}, {8, 8}, {okFruit, okFruit}, {}, {3, 4}, {}, {}}, false);
    StirUp(form);

    int64_t frames = 0;
    int64_t sprites = 0;
    int64_t falling = 0;
    int64_t flowing = 0;
    for (auto _ : state) {
        if (game.FallingElements.RunningCount() < 40 || game.FlowingElements.RunningCount() < 80) {
            state.PauseTiming();
            StirUp(form);
            state.ResumeTiming();
        }
        form.OmegaTimer1Timer();
        ++frames;
        sprites += static_cast<int64_t>(platform.Device.Quads.size());
        falling += game.FallingElements.RunningCount();
        flowing += game.FlowingElements.RunningCount();
    }
    const auto perFrame = [frames](int64_t sum) {
        return benchmark::Counter(frames > 0 ? static_cast<double>(sum) / frames : 0);
    };
    state.counters["sprites_per_frame"] = perFrame(sprites);
    state.counters["falling_in_flight"] = perFrame(falling);
    state.counters["flowing_in_flight"] = perFrame(flowing);
    ReleaseRandomSeed();
}
BENCHMARK(BM_MainGameFrameMidCascade)->Unit(benchmark::kMicrosecond);

} // namespace
