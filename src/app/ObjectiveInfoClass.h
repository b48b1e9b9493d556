#pragma once
// TObjectiveInfo: the objective panel of a level's start. It rises from below the screen with its
// shadow, shows the level's goal for a few seconds (a press cuts that short), then flies off the
// top; once it has gone, the round is played.
#include "board/GameData.h"
#include "engine/Geometry.h"

#include <functional>

enum TObjectivePhase : uint8_t { opIdle, opEntering, opShown, opHiding };

class TObjectiveInfo {
public:
    // Where the panel rests while shown.
    static constexpr TPoint Rest{359, 135};

    int ShowingTime = 3000; // ms
    int OrigMoveStep = 13;
    // Taken from the shadow picture once pictures are bound.
    int ShadowHeight = 324;
    std::function<void()> OnStartHiding;
    std::function<void()> OnHidingComplete;

    void TakeSize();
    void Show(TGameObjective objective);
    // Shortens the showing; a press while the panel still rises changes nothing.
    void Press();
    // Gone at once without raising anything.
    void Reset();
    // Gone at once, raising what its hiding would have raised: for going straight into play.
    void Skip();
    void Update();
    void Draw() const;

    TObjectivePhase Phase() const { return phase_; }
    int Y() const { return y_; }

private:
    void StepEntering();
    void StepShown();
    void StepHiding();
    void StartHiding();

    TObjectivePhase phase_ = opIdle;
    TGameObjective objective_ = goNormalMode;
    int y_ = 0;
    int speed_ = 0;
    int shownMs_ = 0;
    float alphaRatio_ = 0;
    float shadowRatio_ = 0;
};
