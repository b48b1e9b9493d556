// Drawing 2,000 sprites by name through the main image list onto the recording device: the
// engine's own cost per sprite (name lookup, quad geometry, screen transform, submission).
#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingGraphicsDevice.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr int SpritesPerFrame = 2000;

struct SpriteScene {
    TRecordingGraphicsDevice device{GameSpace};
    TOmegaScreen screen;
    TOmegaImageList list{&screen};
    std::vector<std::string> names;

    SpriteScene() {
        screen.SetWindow(&device);
        screen.Initialize();
        // A list the size of the game's: a few hundred pictures.
        for (int i = 0; i < 300; ++i) {
            names.push_back("Picture" + std::to_string(i));
            TImageListItem& item = list.ImageList.Add(names.back());
            item.SetPicture({208, 52, std::vector<uint32_t>(208 * 52, 0xFFFFFFFF)});
            item.SetTileWidth(52);
            item.LoadTexture();
        }
        SetMainImageTarget(&list);
        device.Quads.reserve(SpritesPerFrame + 16);
    }
    ~SpriteScene() { SetMainImageTarget(nullptr); }
};

void BM_DrawSpritesByName(benchmark::State& state) {
    SpriteScene scene;
    const bool turned = state.range(0) != 0;
    for (auto _ : state) {
        scene.screen.BeginScene();
        for (int i = 0; i < SpritesPerFrame; ++i) {
            const std::string& name = scene.names[static_cast<size_t>(i * 7) % scene.names.size()];
            const float angle = turned ? static_cast<float>(i % 360) : 0.0f;
            const float scale = turned ? 1.25f : 1.0f;
            DrawImageBlend(name, i % 1300, i % 700, angle, 0.5f, 0.5f, scale, scale, 255, 255, 255,
                           200, i % 4, i % 2 == 0 ? 0 : 2);
        }
        scene.screen.EndScene();
        benchmark::DoNotOptimize(scene.device.Quads.data());
    }
    state.SetItemsProcessed(state.iterations() * SpritesPerFrame);
    // Seconds per sprite (shown as, for example, "45n").
    state.counters["per_sprite"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * SpritesPerFrame,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DrawSpritesByName)->Arg(0)->Arg(1)->ArgName("rotated_scaled");

} // namespace
