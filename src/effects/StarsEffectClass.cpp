#include "effects/StarsEffectClass.h"

#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

void TStarsEffect::StarsAt(TPoint tile) {
    StarsAtPixel(TileScreenPos(tile));
}

void TStarsEffect::StarsAtPixel(TPoint corner) {
    for (TStar& star : groups_[next_]) {
        star.X = corner.X + 8 * Random(5);
        star.Y = corner.Y + 6 + 4 * Random(4);
        star.LifeMs = 0;
        star.LifeLimitMs = 200 + 150 * Random(8);
        star.Alpha = 120 - 5 * Random(3);
        star.Picture = Random(3) < 2 ? 2 : 1;
        star.Active = true;
    }
    next_ = (next_ + 1) % Groups;
}

void TStarsEffect::StarsOnFoundFlowers(const TBoardData& board) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (board(x, y).ObjectKind == okFruit && board(x, y).ElementCode == ecFoundFlower)
                StarsAt({x, y});
}

void TStarsEffect::Tick() {
    if (!Visible) return;
    for (auto& group : groups_)
        for (TStar& star : group) {
            if (!star.Active) continue;
            star.Y += Random(2) + 1;
            star.Alpha = std::max(LowestAlpha, star.Alpha - AlphaStep);
            // Still drawn on the tick its life ends.
            if (AdvanceTickTimer(star.LifeMs, star.LifeLimitMs)) star.Active = false;
            DrawImageBlend(Pictures::LittleStars, star.X, star.Y, 0, 0, 0, 1, 1, 255, 255, 255,
                           static_cast<uint8_t>(star.Alpha), star.Picture - 1, BlendAdditiveAlpha);
        }
}

void TStarsEffect::Clear() {
    groups_ = {};
}

int TStarsEffect::ActiveCount() const {
    int count = 0;
    for (const auto& group : groups_)
        for (const TStar& star : group) count += star.Active ? 1 : 0;
    return count;
}
