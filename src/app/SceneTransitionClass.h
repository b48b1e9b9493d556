#pragma once
// TSceneTransition: the animated scene switch. A deep-sea swirl closes over the old scene like
// an iris, the scene changes at its midpoint, and the swirl opens and fades over the new one.
#include "app/GameSceneClass.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/TextStringsClass.h"

#include <functional>

class TSceneTransition {
public:
    // The caption under the closed iris: a line of the game's texts.
    static constexpr int CaptionTextLine = 5;

    const TGlobalGameText* GlobGameText = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    int BaseAlphaStep = 10;
    float MaxSizeRatioAdd = 32.0f;
    float AngleAdd = 3.0f;
    // Raised as a transition starts, so the old scene can slide its panels out.
    std::function<void(TGameSceneValues oldScene, TGameSceneValues newScene)> OnStartToSwitch;
    // Raised at the midpoint, when the iris is closed.
    std::function<void(TGameSceneValues newScene)> OnSceneSwitch;

    // Closes over the old scene towards the new one; a running transition closes again from
    // where it is.
    void Start(TGameSceneValues oldScene, TGameSceneValues newScene);
    void Stop() { active_ = false; }
    bool Active() const { return active_; }
    // The iris is closing, or not yet open far enough to play on.
    bool IsBlockingInput() const;
    // One frame: advances the iris and draws it over everything.
    void UpdateAndDraw();

    TGameSceneValues TargetScene() const { return targetScene_; }
    int Alpha() const { return alpha_; }
    float SizeRatio() const { return sizeRatio_; }
    float Angle() const { return angle_; }

private:
    enum class TPhase { Closing, Opening };
    void Close();
    void Open();
    void Draw() const;

    bool active_ = false;
    TPhase phase_ = TPhase::Closing;
    TGameSceneValues targetScene_ = gsMenu;
    int alpha_ = 0;
    float sizeRatio_ = 32.0f;
    float angle_ = 0;
};
