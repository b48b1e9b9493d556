#include "effects/WebEffectClass.h"

#include "effects/EffectPattern.h"
#include "engine/PictureNames.h"

namespace {

// The web lies a pixel left of and two above its cell.
constexpr TPoint WebOffset{-1, -2};

} // namespace

TWebEffect::TWebEffect() : TBreakingCover(Pictures::Web, "112233445566", {0, 0}, 0) {}

void TWebEffect::TearAt(TPoint tile) {
    const TPoint corner = TileScreenPos(tile);
    StartAt({corner.X + WebOffset.X, corner.Y + WebOffset.Y}, 1);
}
