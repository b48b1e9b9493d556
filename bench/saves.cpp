// Saving what the game remembers, fsync of the file and its folder included, into a temporary
// folder on this machine's disk: the player record (at every round clear) and the high scores.
// Both should take well under one tick (30 ms). The wall time counts: most of it is the disk.
#include "TempFolder.h"
#include "saves/HighScoresClass.h"
#include "saves/PlayerSaveFiles.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SavePlayerRecord(benchmark::State& state) {
    const TTempFolder folder("bench-player-save");
    TPlayerSaveFiles saves;
    saves.Folder = folder.Path();
    TPlayerSaveRecord record = DefaultPlayerSave();
    for (auto _ : state) {
        ++record.Score;
        if (!saves.Save("ANNA", record)) state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SavePlayerRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveHighScores(benchmark::State& state) {
    const TTempFolder folder("bench-high-scores");
    THighScores scores;
    scores.NormalModeFileName = folder.Path() + HighScoresFileName;
    scores.LoadOrCreate();
    int32_t score = 0;
    for (auto _ : state) {
        scores.Submit("ANNA", ++score);
        if (!scores.Save()) state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveHighScores)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
