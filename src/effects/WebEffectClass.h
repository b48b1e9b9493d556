#pragma once
// TWebEffect: a spider web tearing apart over its cell.
#include "effects/BreakingCover.h"

class TWebEffect : public TBreakingCover {
public:
    TWebEffect();
    void TearAt(TPoint tile);
};
