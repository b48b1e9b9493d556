#include "effects/UniBubbleEffectClass.h"

#include "effects/EffectPattern.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

TUniBubbleEffect::TUniBubbleEffect() {
    anim_.Looped = false;
    anim_.SetSeq("11223344455566677777-");
}

void TUniBubbleEffect::BurstAt(TPoint tile) {
    pos_ = TileScreenPos(tile);
    anim_.Reset();
    active_ = true;
}

void TUniBubbleEffect::Tick() {
    if (!active_ || !Visible) return;
    anim_.Advance();
    DrawImage(Pictures::BurstingBubble, pos_.X + BubbleAdjustX, pos_.Y + BubbleAdjustY, 0, 0, 0, 1,
              1, 255, 255, 255, 255, anim_.CurrentFrame());
    if (anim_.IsLastFrame()) active_ = false;
}
