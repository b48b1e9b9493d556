#include "effects/MagicKeyClass.h"

#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

TMagicKey::TMagicKey() : TUseCountTool(Pictures::MagicKey) {
    Anim.Looped = false;
    Anim.SetSeq("1122333332211");
}

void TMagicKey::Hover(TPoint tile) {
    ReportTile(tile, OnObjectOpenableAsk, OnTilePosChange);
}

void TMagicKey::Apply(TPoint screen) {
    if (!TakeTile(screen, OnObjectOpenableAsk, target_)) return;
    PlaySound("Key");
    Anim.Reset();
    StartApplying();
}

void TMagicKey::StepApplying() {
    Anim.Advance();
    if (!Anim.IsLastFrame()) return;
    if (OnTileClick) OnTileClick(target_);
    Return();
}
