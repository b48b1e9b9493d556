#pragma once
// TBroom: sweeps the web off one tile a use. It stays in the hand while uses and webs are left.
#include "effects/UseCountToolClass.h"

class TBroom : public TUseCountTool {
public:
    TTilePosEvent OnTilePosChange;
    TTileQuestion OnObjectBroomableAsk;
    std::function<void(TPoint broomedTilePos)> OnTileBroomingFinished;
    std::function<void(int& websLeft)> OnWebsLeftQuestion;

    TBroom();

private:
    void Apply(TPoint screen) override;
    void Hover(TPoint tile) override;
    void StepApplying() override;

    TPoint target_;
};
