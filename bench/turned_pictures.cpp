// A title-sized picture (450 x 200, soft edges) drawn turned through SDL's software renderer,
// off-screen: turned afresh on every draw (a turn that never repeats) against the kept turned
// copy (the same turn again, as a rocking title or a stepped shine asks).
#include "platform/SdlGraphicsDevice.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr TPixelSize Screen{1366, 768};
constexpr int PictureWidth = 450;
constexpr int PictureHeight = 200;

std::vector<uint32_t> SoftPicture() {
    std::vector<uint32_t> pixels(static_cast<size_t>(PictureWidth) * PictureHeight);
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            const int edge = std::min({x, y, PictureWidth - 1 - x, PictureHeight - 1 - y});
            const uint32_t alpha = static_cast<uint32_t>(std::min(255, edge * 16));
            pixels[static_cast<size_t>(y) * PictureWidth + x] = (alpha << 24) | 0x00C08040u;
        }
    return pixels;
}

void TurnedCorners(TQuadCorners& q, float turn) {
    const float c = std::cos(turn), s = std::sin(turn);
    const float w = PictureWidth / 2.0f, h = PictureHeight / 2.0f;
    const float corners[4][2] = {{-w, -h}, {w, -h}, {w, h}, {-w, h}};
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        q[i] = {683 + corners[i][0] * c - corners[i][1] * s,
                384 + corners[i][0] * s + corners[i][1] * c, 0xFFFFFFFF, uv[i][0], uv[i][1]};
}

void BM_TurnedPicture(benchmark::State& state) {
    const bool sameTurn = state.range(0) != 0;
    std::string error;
    auto device = TSdlGraphicsDevice::OpenOffscreen(Screen, error);
    if (device == nullptr) {
        state.SkipWithError(error.c_str());
        return;
    }
    const auto pixels = SoftPicture();
    const TTextureId picture =
        device->CreateTexture("Title", PictureWidth, PictureHeight, pixels.data());
    int frame = 0;
    TQuadCorners quad;
    for (auto _ : state) {
        // A new turn every frame: a third of a degree more each time never repeats a key soon.
        TurnedCorners(quad, sameTurn ? 0.03f : 0.03f + static_cast<float>(frame % 1000) * 0.006f);
        device->DrawQuad(picture, quad);
        device->EndFrame(true); // runs the queued drawing
        ++frame;
    }
    state.SetLabel(sameTurn ? "same turn: kept copy" : "new turn each frame");
}
BENCHMARK(BM_TurnedPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
