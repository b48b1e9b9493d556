#include "EffectBuilder.h"

#include "Parallel.h"
#include "PatchRenderer.h"

#include <cstdio>
#include <filesystem>

namespace {

constexpr double kEdgeFadeSeconds = 0.005;
constexpr double kTailFloorDb = -60;

void AddRoom(const TRecipe& recipe, TSamples& samples) {
    const double mix = recipe.Number("reverb", 0);
    if (mix <= 0) return;
    samples.resize(samples.size() + SecondsToSamples(1.5), 0.0f);
    TRoom room(recipe.Number("room", 0.5), 0.5, 0);
    for (float& s : samples) s += static_cast<float>(mix) * room.Process(s);
}

} // namespace

TAudio RenderEffect(const TRecipe& recipe) {
    TSamples samples;
    MixPatchInto(recipe.entries, {0, 0, 0, HashName(recipe.name)}, samples);
    if (samples.empty() || PeakOf(samples) <= 0) recipe.Fail("is silent");
    AddRoom(recipe, samples);
    TrimSilentEnd(samples, kTailFloorDb, 0.01);
    if (const double length = recipe.Number("length", 0); length > 0)
        samples.resize(SecondsToSamples(length), 0.0f);
    RemoveDcOffset(samples);
    FadeEdges(samples, kEdgeFadeSeconds, recipe.Number("fadeout", kEdgeFadeSeconds));
    const double peakDb = recipe.Number("peak", -3);
    if (peakDb > -1) recipe.Fail("peak above -1 dBFS would clip after coding");
    const auto scale = static_cast<float>(DbToGain(peakDb) / PeakOf(samples));
    for (float& s : samples) s *= scale;
    return {1, kSampleRate, std::move(samples)};
}

void BuildEffects(const TRecipeFile& recipes, const std::string& soundFolder, int threads) {
    std::filesystem::create_directories(soundFolder);
    const auto count = static_cast<int>(recipes.recipes.size());
    ParallelFor(count, threads, [&](int i) {
        const TRecipe& recipe = recipes.recipes[i];
        const TAudio audio = RenderEffect(recipe);
        const double peak = WriteOggFile(soundFolder + "/" + recipe.name + ".ogg", audio,
                                         static_cast<float>(recipe.Number("quality", 0.5)), -1.0);
        std::printf("  %-22s %6.3f s  peak %5.1f dBFS\n", recipe.name.c_str(), audio.Seconds(),
                    peak);
    });
}
