#pragma once
// TObjectiveInfo: the objective panel of a level's start. It rises from below the screen with its
// shadow; once it rests, its badge, title and the line under it pop in one after another (the
// boss's look on a boss level). It shows the level's goal for a few seconds (a press cuts that
// short), then flies off the top; once it has gone, the round is played.
#include "board/GameData.h"
#include "engine/Geometry.h"
#include "engine/SpritePopperClass.h"

#include <array>
#include <functional>
#include <string_view>

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
    // The badge, the title and the line under it, in that order.
    static constexpr int PopUps = 3;
    const TSpritePopper& PopUp(int index) const { return popUps_[index]; }
    int Y() const { return y_; }

private:
    void StepEntering();
    void StepShown();
    void StepHiding();
    void StartHiding();
    void DrawPart(std::string_view picture, TPoint offset, const TSpritePopper& popUp) const;

    TObjectivePhase phase_ = opIdle;
    TGameObjective objective_ = goNormalMode;
    int y_ = 0;
    int speed_ = 0;
    int shownMs_ = 0;
    float alphaRatio_ = 0;
    float shadowRatio_ = 0;
    bool popped_ = false;
    std::array<TSpritePopper, PopUps> popUps_{};
};
