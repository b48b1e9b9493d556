#include "effects/BroomClass.h"

#include "engine/PictureNames.h"

TBroom::TBroom() : TUseCountTool(Pictures::Broom) {
    Anim.Looped = false;
    Anim.SetSeq("22334422334422331");
}

void TBroom::Hover(TPoint tile) {
    ReportTile(tile, OnObjectBroomableAsk, OnTilePosChange);
}

void TBroom::Apply(TPoint screen) {
    if (!TakeTile(screen, OnObjectBroomableAsk, target_)) return;
    Anim.Reset();
    StartApplying();
}

void TBroom::StepApplying() {
    Anim.Advance();
    if (!Anim.IsLastFrame()) return;
    if (OnTileBroomingFinished) OnTileBroomingFinished(target_);
    int websLeft = 0;
    if (OnWebsLeftQuestion) OnWebsLeftQuestion(websLeft);
    if (Count() > 0 && websLeft > 0)
        KeepInHand();
    else
        Return();
}
