#pragma once
// TUniBubbleEffect: the soap bubble of a uni fruit bursting.
#include "board/GameData.h"
#include "engine/AnimDataClass.h"

class TUniBubbleEffect {
public:
    bool Visible = true;
    int BubbleAdjustX = 3;
    int BubbleAdjustY = 3;

    TUniBubbleEffect();
    void BurstAt(TPoint tile);
    void Stop() { active_ = false; }
    void Tick();
    bool Active() const { return active_; }

private:
    TPoint pos_;
    bool active_ = false;
    TAnimData anim_;
};
