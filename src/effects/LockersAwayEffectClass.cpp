#include "effects/LockersAwayEffectClass.h"

#include "engine/GameGlobals.h"
#include "engine/SoundByName.h"

void TLockersAwayEffect::Start(const TBoardData& board) {
    board_ = board;
    tiles_.ThrowFromCells();
    phase_ = lpShaking;
    timerMs_ = 0;
}

void TLockersAwayEffect::Tick() {
    if (!Visible || phase_ == lpIdle) return;
    if (phase_ == lpSpreading) tiles_.Step();
    const bool shaking = phase_ == lpShaking;
    tiles_.Draw(board_, UniFruitCode, [shaking]() -> TPoint {
        if (!shaking) return {};
        const int x = Random(3);
        return {x, Random(2)};
    });
    if (phase_ == lpShaking) {
        if (!AdvanceTickTimer(timerMs_, FirstShakeTime)) return;
        phase_ = lpSpreading;
        PlaySound("WhipAway");
        if (OnAboutSpreading) OnAboutSpreading();
        return;
    }
    if (!tiles_.AllArrived()) return;
    phase_ = lpIdle;
    if (OnFinished) OnFinished();
}
