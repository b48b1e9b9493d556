// One whole frame of a boss round through the recording graphics device: the island's guardian
// draining the tube with its aura at the peak and its sparks, fifty elements falling towards it
// and asking whether they hit, the board below its top edge, the panels and the tube, with the
// game's own pictures, the boss level of island 1 and texts.
#include "BenchRound.h"
#include "engine/GameGlobals.h"

#include <benchmark/benchmark.h>
#include <climits>
#include <memory>

namespace {

// Every element of the board thrown off it at once.
void ThrowEverything(TMainGameScene& game) {
    const TBoardData grid = game.GameBoard.BoardData();
    TSimpleObjectArray everything{};
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) everything(x, y) = grid(x, y).IsPlayable() ? 1 : 0;
    game.FallingElements.StartFalling(grid, everything, 0);
}

void BM_BossRoundFrameAbsorbing(benchmark::State& state) {
    TQuietPlatform platform;
    const std::unique_ptr<TFormMain> round = StartBenchRound(state, platform, 12);
    if (!round) return;
    TFormMain& form = *round;
    TMainGameScene& game = form.MainGame();
    // A tube that outlasts the run.
    game.TubeTimer.Time = 100000;
    TBoss& boss = game.CurrentBoss();
    // It drains for good and never falls: the frame measured is the absorbing one.
    boss.SetEnergy(INT_MAX);
    boss.AbsorbingTime = INT_MAX;
    for (int i = 0; i < 3000 && game.MonsterAura.State() != asPeak; ++i) form.OmegaTimer1Timer();
    if (game.MonsterAura.State() != asPeak) {
        state.SkipWithError("the boss never absorbed");
        return;
    }
    ThrowEverything(game);

    int64_t frames = 0;
    int64_t sprites = 0;
    int64_t falling = 0;
    for (auto _ : state) {
        if (game.FallingElements.RunningCount() < 40) {
            state.PauseTiming();
            ThrowEverything(game);
            state.ResumeTiming();
        }
        form.OmegaTimer1Timer();
        ++frames;
        sprites += static_cast<int64_t>(platform.Device.Quads.size());
        falling += game.FallingElements.RunningCount();
    }
    const auto perFrame = [frames](int64_t sum) {
        return benchmark::Counter(frames > 0 ? static_cast<double>(sum) / frames : 0);
    };
    state.counters["sprites_per_frame"] = perFrame(sprites);
    state.counters["falling_in_flight"] = perFrame(falling);
    state.counters["absorbing"] = boss.IsAbsorbing() ? 1 : 0;
    ReleaseRandomSeed();
}
BENCHMARK(BM_BossRoundFrameAbsorbing)->Unit(benchmark::kMicrosecond);

} // namespace
