#pragma once
// TMagicKey: opens one locker (and tears its web) a use. Turned in the lock, it reports the tile
// and goes back to its hook.
#include "effects/UseCountToolClass.h"

class TMagicKey : public TUseCountTool {
public:
    TTilePosEvent OnTilePosChange;
    TTileQuestion OnObjectOpenableAsk;
    std::function<void(TPoint tile)> OnTileClick;

    TMagicKey();

private:
    void Apply(TPoint screen) override;
    void Hover(TPoint tile) override;
    void StepApplying() override;

    TPoint target_;
};
