#pragma once
// The frame benchmarks' round: the controller on the built game's content through the
// recording graphics device, silent, in a round of island 1 with its objective skipped.
#include "app/UMain.h"
#include "engine/GameGlobals.h"
#include "platform/RecordingGraphicsDevice.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

struct TQuietPlatform {
    TRecordingGraphicsDevice Device{GameSpace};
    TQueuedEventSource Events;
    TManualClock Clock;
    TRecordingDesktop Desktop;
    TNullAudioDevice Audio;
};

// The round on level `level` of island 1, the generator seeded; none (the benchmark skipped with
// its reason) when the game folder has no such level.
inline std::unique_ptr<TFormMain> StartBenchRound(benchmark::State& state, TQuietPlatform& platform,
                                                  int level) {
    const std::string gameFolder = std::string(TOVAN_GAME_DIR) + "/";
    char levelFile[32];
    std::snprintf(levelFile, sizeof levelFile, "Levels/Level1-%02d.zel", level);
    if (!std::filesystem::exists(gameFolder + levelFile)) {
        const std::string reason =
            std::string("no built game content (") + levelFile + ") beside the game";
        state.SkipWithError(reason.c_str());
        return nullptr;
    }
    SetRandomSeed(5);
    auto form = std::make_unique<TFormMain>(TFormPlatform{.Device = platform.Device,
                                                          .Events = platform.Events,
                                                          .Clock = platform.Clock,
                                                          .Desktop = platform.Desktop,
                                                          .ProgramFolder = gameFolder,
                                                          .ErrorLogFile = "",
                                                          .DataFolder = "",
                                                          .Audio = &platform.Audio});
    form->LoadMainPictures();
    form->StartLevel(1, level);
    form->MainGame().ObjectiveInfo.Skip();
    // The time never runs out: every frame timed is one of the round, however many.
    form->MainGame().TubeTimer.RelaxedMode = rmYes;
    return form;
}
