#pragma once
// The hero scene behind the menu: Tovan as far as the player's works have brought him, standing
// on the shore with sea mist drifting past, lightning now and then and short stretches of old
// film. Only the mist is drawn every frame, and only over the lower half where the sea is; the
// flashes and the film come in short bursts. Reduced effects keep the hero alone.
#include "app/GameServices.h"

class THeroSceneLayers {
public:
    static constexpr int SceneCount = 21;
    static constexpr TPoint HeroPos{70, 440};
    static constexpr TPoint CaptainPos{250, 440};
    // Lightning: a flash every 9 to 16 s, its bolts lit in two beats.
    static constexpr int FlashMinGapTicks = 300;
    static constexpr int FlashGapSpreadTicks = 240;
    static constexpr int FlashTicks = 10;
    // Old film: a second and a bit of scratches every six seconds.
    static constexpr int FilmEveryTicks = 200;
    static constexpr int FilmTicks = 40;
    // The mist band begins this far down the screen.
    static constexpr int FogTop = 330;

    explicit THeroSceneLayers(TSceneHost& host);

    // Hero scene 0..20 (clamped), its pictures loaded when it is not the scene shown already.
    void Choose(int scene);
    int Scene() const { return scene_; }
    // One tick: the hero, then the layers over him; the flashes thunder when `withSounds`.
    void Frame(bool withSounds);

    int FlashAlpha() const;
    bool FilmShowing() const { return ticks_ % FilmEveryTicks < FilmTicks; }

private:
    void DrawHero() const;
    void DrawFog() const;
    void AdvanceLightning(bool withSounds);
    void DrawLightning() const;
    void DrawFilm() const;

    TSceneHost& host_;
    int scene_ = -1;
    int ticks_ = 0;
    int nextFlash_ = FlashMinGapTicks;
    int flashTick_ = FlashTicks; // past the flash: dark
    int bolt_ = 0;
};
