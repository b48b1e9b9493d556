// One whole frame of the board through the SDL renderer: clear, the board's own drawing of all
// 192 tiles and the hint, present. In a real window when a display is there (run it under
// Xvfb), else off-screen; both use SDL's software renderer when there is no GPU.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/SdlGraphicsDevice.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Pictures of the board with their tile layout (columns of 52-pixel tiles, 56 for the
// background, which overlaps its neighbours).
struct BoardPicture {
    const char* Name;
    int Columns;
    int TileSize;
    bool Opaque = false; // a square tile without transparency
};
constexpr BoardPicture BoardPictures[] = {{"BackgroundTile", 2, 56, true},
                                          {"ElementsInside", 18, 52},
                                          {"BubbleInside", 16, 52},
                                          {"Locker", 3, 52},
                                          {"ChainLock", 5, 56},
                                          {"Web", 6, 56},
                                          {"TileSelection", 2, 52},
                                          {"SpecialItems", 6, 52},
                                          {"WormHusk", 1, 52},
                                          {"FruitBombMark", 1, 52},
                                          {"Worm", 1, 52}};

void AddPicture(TOmegaImageList& list, const BoardPicture& picture) {
    const int width = picture.Columns * picture.TileSize;
    const int height = picture.TileSize;
    TPicture pixels{width, height, std::vector<uint32_t>(size_t(width) * height)};
    // Each tile a round shaded sprite: opaque inside, a soft edge, transparent corners, as the
    // game's art is.
    const float radius = picture.TileSize * 0.45f;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float dx = static_cast<float>(x % picture.TileSize) - picture.TileSize / 2.0f;
            const float dy = static_cast<float>(y) - picture.TileSize / 2.0f;
            const float edge = radius - std::sqrt(dx * dx + dy * dy);
            auto alpha = static_cast<uint32_t>(std::clamp(edge * 128.0f, 0.0f, 255.0f));
            if (picture.Opaque) alpha = 255;
            pixels.Pixels[size_t(y) * width + x] =
                (alpha << 24) | 0x00C08040u | uint32_t((x + y) % 64);
        }
    TImageListItem& item = list.ImageList.Add(picture.Name);
    item.SetPicture(std::move(pixels));
    item.SetTileWidth(picture.TileSize);
    item.SetTileHeight(picture.TileSize);
    item.LoadTexture();
}

void BM_BoardFrame(benchmark::State& state) {
    std::string error;
    const bool window = std::getenv("DISPLAY") != nullptr;
    auto device = window ? TSdlGraphicsDevice::OpenWindow("Board frame", GameSpace, false, error)
                         : TSdlGraphicsDevice::OpenOffscreen(GameSpace, error);
    if (device == nullptr) {
        state.SkipWithError(error.c_str());
        return;
    }
    TOmegaScreen screen;
    screen.SetWindow(device.get());
    screen.Initialize();
    TOmegaImageList list(&screen);
    for (const auto& picture : BoardPictures) AddPicture(list, picture);
    SetMainImageTarget(&list);
    SetRandomSeed(1);
    TGameBoard board;
    board.CanMatch = false;
    board.Left = 266;
    board.Top = 95;

    for (auto _ : state) {
        screen.SetLinearFilter(true);
        screen.Clear(0, 0, 0, 255);
        screen.BeginScene();
        board.UpdateAndDraw();
        board.DrawHint();
        screen.EndScene();
    }
    state.SetLabel(std::string(window ? "window" : "off-screen") +
                   (device->IsSoftware() ? ", software renderer" : ", hardware renderer"));
    SetMainImageTarget(nullptr);
    ReleaseRandomSeed();
}
BENCHMARK(BM_BoardFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
