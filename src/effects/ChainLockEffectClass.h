#pragma once
// TChainLockEffect: a chain breaking over its cell; a second-level chain breaks in the second row
// of chain pictures.
#include "effects/BreakingCover.h"

class TChainLockEffect : public TBreakingCover {
public:
    TChainLockEffect();
    void BreakAt(TPoint tile, uint8_t level);
};
