#include "effects/AerosolClass.h"

#include "engine/PictureNames.h"

#include <algorithm>

namespace {
constexpr char StartSeq[] = "22";
constexpr char SpraySeq[] = "34343434";
constexpr char EndSeq[] = "2211";
constexpr float SprayPictureSize = 128;
} // namespace

TAerosol::TAerosol() : TUseCountTool(Pictures::Aerosol) {
    IdleReturnTime = 400;
}

bool TAerosol::InPutBackArea(int x, int y) const {
    return x >= PutBackArea.Left && x <= PutBackArea.Right && y >= PutBackArea.Top &&
           y <= PutBackArea.Bottom;
}

void TAerosol::Apply(TPoint) {
    if (!SpendUse()) {
        Return();
        return;
    }
    stage_ = ssStarting;
    spraySize_ = 0;
    Anim.Looped = false;
    Anim.SetSeq(StartSeq);
    Anim.Reset();
    StartApplying();
}

// A square of the spray's size around the can, less the part that does not reach; a small spray
// shrinks to its centre, never turned inside out.
TRect TAerosol::SprayRect() const {
    const TPoint centre = Pos();
    const int half = std::max(spraySize_ / 2 - SprayRangeReduce, 0);
    return {centre.X - half, centre.Y - half, centre.X + half, centre.Y + half};
}

void TAerosol::StepApplying() {
    Anim.Advance();
    switch (stage_) {
    case ssStarting:
        if (!Anim.IsLastFrame()) return;
        stage_ = ssSpraying;
        spraySize_ = SprayStartSize;
        Anim.Looped = true;
        Anim.SetSeq(SpraySeq);
        Anim.Reset();
        return;
    case ssSpraying:
        StepSpray();
        return;
    case ssEnding:
        if (Anim.IsLastFrame()) FinishSpray();
        return;
    }
}

void TAerosol::StepSpray() {
    if (Anim.Position() >= SprayOutAnimSeqPos || spraySize_ > SprayStartSize)
        spraySize_ = std::min(spraySize_ + SprayGrowth, MaxSpraySize);
    if (OnSpraySizeChange) OnSpraySizeChange(SprayRect());
    if (spraySize_ < MaxSpraySize) return;
    stage_ = ssEnding;
    Anim.Looped = false;
    Anim.SetSeq(EndSeq);
    Anim.Reset();
}

void TAerosol::FinishSpray() {
    spraySize_ = 0;
    bool enemiesExist = false;
    if (OnEnemiesExistQuestion) OnEnemiesExistQuestion(enemiesExist);
    if (Count() > 0 && enemiesExist)
        KeepInHand();
    else
        Return();
}

void TAerosol::DrawEffects() const {
    if (Phase() != tpApplying || spraySize_ <= 0) return;
    DrawCentred(Pictures::AerosolSpray, Pos(), static_cast<float>(spraySize_) / SprayPictureSize,
                255, 0);
}
