#include "effects/ChainLockEffectClass.h"

#include "effects/EffectPattern.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

namespace {

// Chains are drawn two pixels up and left of their cell; a second-level chain's pictures come
// four after its digit.
constexpr TPoint ChainOffset{-2, -2};
constexpr int SecondLevelShift = 4;

} // namespace

TChainLockEffect::TChainLockEffect()
    : TBreakingCover(Pictures::ChainLock, "1122334455", ChainOffset, SecondLevelShift) {}

void TChainLockEffect::BreakAt(TPoint tile, uint8_t level) {
    StartAt(TileScreenPos(tile), level);
    PlaySound("ChainLock");
}
