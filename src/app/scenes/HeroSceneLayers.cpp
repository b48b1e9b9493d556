#include "app/scenes/HeroSceneLayers.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"
#include "engine/WidgetBasics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float HalfSizeScale = 2.0f;
// The hero breathes through his six frames and rests a moment on the first.
constexpr std::array<int, 16> HeroFrames{0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1};
constexpr int HeroTicksPerFrame = 4;
constexpr int CaptainFrames = 8;
constexpr int CaptainTicksPerFrame = 4;
// The layers move on every fourth tick together (the captain's pace): on the ticks between, a
// resting menu has nothing to draw again. The mist drifts a pixel each time: slow sea mist.
constexpr int FogTicksPerPixel = 4;
constexpr int FogLayers = 3;
constexpr int FogMaxAlpha = 110;
constexpr int FogFadeTicks = 60;
constexpr std::array<uint8_t, THeroSceneLayers::FlashTicks> FlashProfile{180, 90, 30, 0, 0,
                                                                         140, 60, 20, 0, 0};
constexpr int LightningBolts = 2;
constexpr int FilmFrames = 2;
constexpr int FilmTicksPerFrame = 4;
constexpr uint8_t FilmAlpha = 60;

} // namespace

THeroSceneLayers::THeroSceneLayers(TSceneHost& host) : host_(host) {}

void THeroSceneLayers::Choose(int scene) {
    scene = std::clamp(scene, 0, SceneCount - 1);
    if (scene == scene_) return;
    scene_ = scene;
    host_.LoadHeroScene(scene);
}

void THeroSceneLayers::Frame(bool withSounds) {
    ++ticks_;
    DrawHero();
    if (IsReducedEffectsMode()) return;
    DrawFog();
    AdvanceLightning(withSounds);
    DrawLightning();
    DrawFilm();
}

void THeroSceneLayers::DrawHero() const {
    if (scene_ < 0) return;
    const int frame =
        HeroFrames[static_cast<size_t>(ticks_ / HeroTicksPerFrame) % HeroFrames.size()];
    DrawImage(Pictures::HeroScenes.Name(scene_), HeroPos.X, HeroPos.Y, 0, 0, 0, 1, 1, FullChannel,
              FullChannel, FullChannel, FullChannel, frame);
    if (scene_ == 0)
        DrawImage(Pictures::Scene0Captain, CaptainPos.X, CaptainPos.Y, 0, 0, 0, 1, 1, FullChannel,
                  FullChannel, FullChannel, FullChannel,
                  (ticks_ / CaptainTicksPerFrame) % CaptainFrames);
}

// The mist at its stored size, copies side by side drifting to the left: unscaled copies cost
// the software renderer a fraction of a stretched one, and a quiet sea costs nothing.
void THeroSceneLayers::DrawFog() const {
    const int alpha = FogAlpha();
    const int width = ImageTileWidth(Pictures::Fog);
    if (alpha <= 0 || width <= 0) return;
    const int shift = (ticks_ / FogTicksPerPixel) % width;
    const int layer = std::max(scene_, 0) % FogLayers;
    for (int x = -shift; x < GameSpace.Width; x += width)
        DrawImage(Pictures::Fog, x, FogTop, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
                  static_cast<uint8_t>(alpha), layer);
}

// The mist rolls in, lingers and goes again, then the sea is clear for a while.
int THeroSceneLayers::FogAlpha() const {
    const int phase = ticks_ % FogCycleTicks;
    const int rolling = phase - FogClearTicks;
    if (rolling < 0) return 0;
    const int fromEdge = std::min(rolling, FogCycleTicks - FogClearTicks - rolling);
    return FogMaxAlpha * std::min(fromEdge, FogFadeTicks) / FogFadeTicks;
}

void THeroSceneLayers::AdvanceLightning(bool withSounds) {
    if (flashTick_ < FlashTicks) ++flashTick_;
    if (--nextFlash_ > 0) return;
    nextFlash_ = FlashMinGapTicks + WeatherRandom(FlashGapSpreadTicks);
    flashTick_ = 0;
    bolt_ = WeatherRandom(LightningBolts);
    if (withSounds) PlaySound("Lightning");
}

int THeroSceneLayers::WeatherRandom(int range) {
    return static_cast<int>(weather_() % static_cast<unsigned>(range));
}

int THeroSceneLayers::FlashAlpha() const {
    return flashTick_ < FlashTicks ? FlashProfile[static_cast<size_t>(flashTick_)] : 0;
}

void THeroSceneLayers::DrawLightning() const {
    const int alpha = FlashAlpha();
    if (alpha == 0) return;
    DrawImageBlend(Pictures::Lightning, 0, 0, 0, 0, 0, HalfSizeScale, HalfSizeScale, FullChannel,
                   FullChannel, FullChannel, static_cast<uint8_t>(alpha), bolt_,
                   BlendAdditiveAlpha);
}

void THeroSceneLayers::DrawFilm() const {
    if (!FilmShowing()) return;
    DrawImage(Pictures::MovieEffect, 0, 0, 0, 0, 0, HalfSizeScale, HalfSizeScale, FullChannel,
              FullChannel, FullChannel, FilmAlpha, (ticks_ / FilmTicksPerFrame) % FilmFrames);
}
