// One frame of each scene through the recording device: the game walked there on the null
// platform with its own content, then frames timed while the scene stands.
#include "app/SceneWalkKit.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <functional>

namespace {

bool ContentBuilt() {
    return std::filesystem::exists(std::string(TOVAN_GAME_DIR) + "/Levels/Level1-01.zel");
}

// Walks a new game to the scene with `reach`, then times single frames of it.
void TimeScene(benchmark::State& state, const std::function<bool(TSceneWalk&)>& reach) {
    if (!ContentBuilt()) {
        state.SkipWithError("no built game content beside the game");
        return;
    }
    TSceneWalk walk("bench-scenes");
    if (!reach(walk)) {
        state.SkipWithError("the scene could not be reached");
        return;
    }
    for (auto _ : state) walk.Form->OmegaTimer1Timer();
}

bool ReachMenu(TSceneWalk& walk) {
    return walk.ReachMenuAsNewPlayer();
}

void BM_Splash(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) { return walk.ReachReadySplash(); });
}
void BM_AddInitialPlayer(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!walk.ReachReadySplash()) return false;
        walk.Click({683, 400});
        return walk.RunUntil(gsAddInitialPlayer);
    });
}
void BM_Menu(benchmark::State& state) {
    TimeScene(state, ReachMenu);
}
void BM_PlayerSelect(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Click(walk.Form->Menu().ChangePlayerLink());
        return walk.RunUntil(gsPlayerSelect);
    });
}
void BM_ConfirmWindow(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Click(walk.Form->Menu().ExitButton());
        return walk.RunUntil(gsConfirmWindow);
    });
}

} // namespace

BENCHMARK(BM_Splash);
BENCHMARK(BM_AddInitialPlayer);
BENCHMARK(BM_Menu);
BENCHMARK(BM_PlayerSelect);
BENCHMARK(BM_ConfirmWindow);
