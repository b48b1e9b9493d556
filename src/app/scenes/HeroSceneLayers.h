#pragma once
// The hero scene behind the menu: Tovan as far as the player's works have brought him, standing
// on the shore with sea mist drifting past his feet now and then, lightning now and then and
// short stretches of old film. Every layer over him comes and goes, so most frames blend none of
// them over the screen: the menu idles most of the time. Reduced effects keep the hero alone.
#include "app/GameServices.h"

#include <random>

class THeroSceneLayers {
public:
    static constexpr int SceneCount = 21;
    static constexpr TPoint HeroPos{70, 440};
    static constexpr TPoint CaptainPos{250, 440};
    // Lightning: a flash every 9 to 16 s, its bolts lit in two beats.
    static constexpr int FlashMinGapTicks = 300;
    static constexpr int FlashGapSpreadTicks = 240;
    static constexpr int FlashTicks = 10;
    // Old film: a second of scratches every nine seconds.
    static constexpr int FilmEveryTicks = 300;
    static constexpr int FilmTicks = 30;
    // The mist: a band at the hero's feet, 30 s a round, of which 19 s clear sea.
    static constexpr int FogTop = 560;
    static constexpr int FogCycleTicks = 1000;
    static constexpr int FogClearTicks = 640;

    explicit THeroSceneLayers(TSceneHost& host);

    // Hero scene 0..20 (clamped), its pictures loaded when it is not the scene shown already.
    void Choose(int scene);
    int Scene() const { return scene_; }
    // One tick: the hero, then the layers over him; the flashes thunder when `withSounds`.
    void Frame(bool withSounds);

    int FlashAlpha() const;
    int FogAlpha() const;
    bool FilmShowing() const { return ticks_ % FilmEveryTicks < FilmTicks; }

private:
    void DrawHero() const;
    void DrawFog() const;
    void AdvanceLightning(bool withSounds);
    void DrawLightning() const;
    void DrawFilm() const;
    // The weather has dice of its own: the game's seeded dice stay with the rounds, whatever
    // scene draws the sky.
    int WeatherRandom(int range);

    TSceneHost& host_;
    int scene_ = -1;
    int ticks_ = 0;
    int nextFlash_ = FlashMinGapTicks;
    int flashTick_ = FlashTicks; // past the flash: dark
    int bolt_ = 0;
    std::minstd_rand weather_;
};
