// Per-tick costs of sound and text: playing effects by name, the music fade, a comment's tick,
// wrapping a chat line and drawing a line of text.
#include "engine/BitmapFont.h"
#include "engine/GameCommentClass.h"
#include "engine/GameGlobals.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/MusicBoxClass.h"
#include "engine/RecordingImageTarget.h"
#include "engine/SFXPlayerClass.h"
#include "platform/AudioDevice.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

// A sound folder of 61 effects, the six busy ones among them: the size of the game's.
std::string MakeSoundFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "tovan-bench-sounds";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 55; ++i) std::ofstream(folder / ("Effect" + std::to_string(i) + ".ogg"));
    for (const char* busy : {"ElementBounce1", "ElementBounce2", "ElementBounce3", "LockerBreak",
                             "ScoreCount", "LockerBounce"})
        std::ofstream(folder / (std::string(busy) + ".ogg"));
    return (folder / "").string();
}

void BM_PlayEffectByName(benchmark::State& state) {
    TNullAudioDevice device;
    TSFXPlayer effects(device);
    effects.Path = MakeSoundFolder();
    effects.LoadSounds();
    std::filesystem::remove_all(effects.Path);
    for (auto _ : state) {
        effects.Play("ScoreCount");
        effects.Play("Effect54"); // the last ordinary name: the longest look-up
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_PlayEffectByName);

void BM_MusicFadeTick(benchmark::State& state) {
    TNullAudioDevice device;
    TMusicBox music(device);
    music.LoadMusic();
    int frame = 0;
    for (auto _ : state) {
        if (++frame % 100 == 0) music.RequestTrack(frame / 100 % TMusicBox::TrackCount);
        music.Update();
    }
}
BENCHMARK(BM_MusicFadeTick);

void BM_CommentTickOfFiftyLetters(benchmark::State& state) {
    TRecordingImageTarget target;
    SetMainImageTarget(&target);
    SetRandomSeed(1);
    TGameComment comment;
    comment.LettersImg = "CommentFont";
    comment.WavingTime = 1 << 30;
    comment.ShowText(std::string(50, 'W'));
    for (auto _ : state) {
        target.Clear();
        comment.Update();
    }
    SetMainImageTarget(nullptr);
}
BENCHMARK(BM_CommentTickOfFiftyLetters);

const std::string ChatLine =
    "Tovan, the tide brought three crates of ripe bananas to the old pier this morning, and "
    "not one of the fishermen will tell me who sent them. Would you look into it before the "
    "market opens, and bring a few strawberries back for the children of the harbour?";

void BM_WrapChatLine(benchmark::State& state) {
    for (auto _ : state)
        for (int line = 1; line <= 5; ++line)
            benchmark::DoNotOptimize(WrapText(fkAirstripNormal, ChatLine, -1, line, 520, 0.8f));
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_WrapChatLine);

void BM_DrawTextLine(benchmark::State& state) {
    TRecordingImageTarget target;
    SetMainImageTarget(&target);
    TGlobalGameText text;
    for (auto _ : state) {
        target.Clear();
        text.DrawText(20, 10, ChatLine.substr(0, 80), 0.8f, -1, 255, 0, 0);
    }
    SetMainImageTarget(nullptr);
}
BENCHMARK(BM_DrawTextLine);

} // namespace
