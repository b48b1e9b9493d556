#pragma once
// THammerEffect: a mallet swings down onto a tile; at the hit it reports the tile, then fades.
#include "board/GameData.h"
#include "engine/AnimDataClass.h"

#include <functional>

class THammerEffect {
public:
    bool Visible = true;
    int PointerAdjustX = -44;
    int PointerAdjustY = -40;
    int HitAnimPos = 17;
    int AlphaStep = 30;
    int MinHammerAlpha = 60;
    int ShadowAlpha = 60;
    int ShadowAdjustX = 3;
    int ShadowAdjustY = 6;
    std::function<void(TPoint hitTilePos)> OnHit;

    THammerEffect();
    void StartAt(TPoint tile);
    void Stop() { running_ = false; }
    void Tick();
    bool Running() const { return running_; }

private:
    static constexpr double StartScale = 0.2;
    static constexpr double ScaleStep = 0.1;

    TAnimData anim_;
    TPoint tile_;
    TPoint pos_;
    int alpha_ = 255;
    double scale_ = StartScale;
    bool running_ = false;
};
