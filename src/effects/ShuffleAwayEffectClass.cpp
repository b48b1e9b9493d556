#include "effects/ShuffleAwayEffectClass.h"

#include "engine/GameGlobals.h"
#include "engine/SoundByName.h"

void TShuffleAwayEffect::StartShuffle(const TBoardData& oldBoard, const TBoardData& newBoard) {
    oldBoard_ = oldBoard;
    newBoard_ = newBoard;
    tiles_.ThrowFromCells();
    state_ = ssFirstShake;
    clockMs_ = 0;
}

void TShuffleAwayEffect::Tick() {
    if (!Visible || state_ == ssIdle) return;
    if (state_ == ssFlyingOut || state_ == ssFlyingBack) tiles_.Step();
    Draw();
    Advance();
}

void TShuffleAwayEffect::Draw() const {
    const bool oldShown = state_ == ssFirstShake || state_ == ssFlyingOut;
    const TShuffleState state = state_;
    tiles_.Draw(oldShown ? oldBoard_ : newBoard_, UniFruitCode, [state]() -> TPoint {
        switch (state) {
        case ssFirstShake:
        case ssFlyingBack: {
            const int x = Random(3);
            return {x, Random(2)};
        }
        case ssSecondShake: {
            const int x = Random(2);
            return {x, Random(2)};
        }
        default:
            return {};
        }
    });
}

void TShuffleAwayEffect::Advance() {
    switch (state_) {
    case ssFirstShake:
        if (!AdvanceTickTimer(clockMs_, FirstShakeTime)) return;
        state_ = ssFlyingOut;
        PlaySound("WhipAway");
        return;
    case ssFlyingOut:
        if (!tiles_.AllArrived()) return;
        state_ = ssFlyingBack;
        tiles_.AimAtCells();
        return;
    case ssFlyingBack:
        if (!tiles_.AllArrived()) return;
        state_ = ssSecondShake;
        clockMs_ = 0;
        return;
    case ssSecondShake: {
        if (!AdvanceTickTimer(clockMs_, SecondShakeTime)) return;
        state_ = ssIdle;
        const TBoardData board = newBoard_;
        if (OnFinished) OnFinished(board);
        return;
    }
    case ssIdle:
        return;
    }
}
