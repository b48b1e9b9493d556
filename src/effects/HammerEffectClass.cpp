#include "effects/HammerEffectClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>

namespace {
// The mallet's picture is placed by its top-left, this far from the pointer's spot.
constexpr TPoint PictureOffset{-37, -82};
} // namespace

THammerEffect::THammerEffect() {
    anim_.Looped = false;
    anim_.SetSeq("1122334455667788999999999");
}

void THammerEffect::StartAt(TPoint tile) {
    const TPoint origin = BoardScreenOrigin();
    tile_ = tile;
    pos_ = {origin.X + tile.X * TileSize + PointerAdjustX + PictureOffset.X,
            origin.Y + tile.Y * TileSize + PointerAdjustY + PictureOffset.Y};
    alpha_ = 255;
    scale_ = StartScale;
    anim_.Reset();
    running_ = true;
}

void THammerEffect::Tick() {
    if (!running_ || !Visible) return;
    anim_.Advance();
    scale_ = std::min(scale_ + ScaleStep, 1.0);
    const auto scale = static_cast<float>(scale_);
    const int pattern = anim_.CurrentFrame();
    DrawImage(Pictures::HammerHitting, pos_.X + ShadowAdjustX, pos_.Y + ShadowAdjustY, 0, 0, 0,
              scale, scale, 0, 0, 0, static_cast<uint8_t>(std::min(ShadowAlpha, alpha_)), pattern);
    DrawImage(Pictures::HammerHitting, pos_.X, pos_.Y, 0, 0, 0, scale, scale, 255, 255, 255,
              static_cast<uint8_t>(alpha_), pattern);
    if (anim_.Position() == HitAnimPos) {
        PlaySound("Hammer");
        if (OnHit) OnHit(tile_);
    }
    if (!anim_.IsLastFrame()) return;
    alpha_ = std::max(alpha_ - AlphaStep, MinHammerAlpha);
    if (alpha_ == MinHammerAlpha) running_ = false;
}
