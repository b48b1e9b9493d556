#include "app/ObjectiveInfoClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/WidgetBasics.h"

#include <algorithm>

namespace {

constexpr float EnterAlphaStep = 0.048f;
constexpr float EnterShadowStep = 0.055f;
constexpr int EnterAcceleration = 8;
constexpr float HideAlphaStep = 0.12f;
constexpr float HideShadowStep = 0.04f;
constexpr int HideAcceleration = 3;
constexpr float ShadowAlpha = 160;
constexpr float ShadowScale = 2;
// The badge, the title and the line under it, from the panel's corner.
constexpr TPoint LogoOffset{254, 27};
constexpr TPoint TitleOffset{216, 147};
constexpr TPoint SubtitleOffset{174, 205};
constexpr float Centered = 0.5f;
// Each part pops this long after the panel has come to rest.
constexpr int PopDelays[TObjectiveInfo::PopUps] = {30, 300, 570};
constexpr double PopMaxRatio = 1.3;
constexpr double PopUpStep = 0.1;
constexpr double PopDownStep = 0.05;

float StepUp(float ratio, float step) {
    return std::min(1.0f, ratio + step);
}

float StepDown(float ratio, float step) {
    return std::max(0.0f, ratio - step);
}

} // namespace

void TObjectiveInfo::TakeSize() {
    if (const int height = ImageTileHeight(Pictures::ObjInfoShadow); height > 0)
        ShadowHeight = height;
}

void TObjectiveInfo::Show(TGameObjective objective) {
    objective_ = objective;
    y_ = GameSpace.Height + 2 * ShadowHeight;
    speed_ = OrigMoveStep;
    alphaRatio_ = 0;
    shadowRatio_ = 0;
    shownMs_ = 0;
    phase_ = opEntering;
    popped_ = false;
    for (TSpritePopper& popUp : popUps_) {
        popUp.SetupRatios(0, 1, PopMaxRatio, PopUpStep, PopDownStep);
        popUp.Reset();
    }
}

void TObjectiveInfo::Press() {
    if (phase_ == opShown) shownMs_ = ShowingTime;
}

void TObjectiveInfo::Reset() {
    phase_ = opIdle;
}

void TObjectiveInfo::Skip() {
    if (phase_ == opIdle) return;
    if (phase_ != opHiding && OnStartHiding) OnStartHiding();
    phase_ = opIdle;
    if (OnHidingComplete) OnHidingComplete();
}

void TObjectiveInfo::Update() {
    for (TSpritePopper& popUp : popUps_) popUp.Update();
    switch (phase_) {
    case opEntering:
        StepEntering();
        break;
    case opShown:
        StepShown();
        break;
    case opHiding:
        StepHiding();
        break;
    case opIdle:
        break;
    }
}

void TObjectiveInfo::StepEntering() {
    alphaRatio_ = StepUp(alphaRatio_, EnterAlphaStep);
    shadowRatio_ = StepUp(shadowRatio_, EnterShadowStep);
    speed_ += EnterAcceleration;
    y_ = std::max(Rest.Y, y_ - speed_);
    if (y_ == Rest.Y && !popped_) {
        popped_ = true;
        for (int i = 0; i < PopUps; ++i) popUps_[i].DelayedPop(PopDelays[i]);
    }
    if (alphaRatio_ == 1 && shadowRatio_ == 1) phase_ = opShown;
}

void TObjectiveInfo::StepShown() {
    shownMs_ += GameTickMs;
    if (shownMs_ >= ShowingTime) StartHiding();
}

void TObjectiveInfo::StartHiding() {
    phase_ = opHiding;
    speed_ = OrigMoveStep;
    if (OnStartHiding) OnStartHiding();
}

void TObjectiveInfo::StepHiding() {
    speed_ += HideAcceleration;
    alphaRatio_ = StepDown(alphaRatio_, HideAlphaStep);
    shadowRatio_ = StepDown(shadowRatio_, HideShadowStep);
    y_ -= speed_;
    if (y_ > -ShadowHeight) return;
    phase_ = opIdle;
    if (OnHidingComplete) OnHidingComplete();
}

void TObjectiveInfo::Draw() const {
    if (phase_ == opIdle) return;
    const float shadowScale = ShadowScale * shadowRatio_;
    DrawImage(Pictures::ObjInfoShadow, Rest.X + ShadowHeight / 2, y_, 0, Centered, Centered,
              shadowScale, shadowScale, FullChannel, FullChannel, FullChannel,
              static_cast<uint8_t>(ShadowAlpha * alphaRatio_), 0);
    DrawPart(Pictures::ObjInfoLogo, LogoOffset, popUps_[0]);
    DrawPart(Pictures::ObjInfoTitle, TitleOffset, popUps_[1]);
    DrawPart(Pictures::ObjInfoSubtitle, SubtitleOffset, popUps_[2]);
}

// A part shows once it has popped, at its pop's size about its centre, fading with the panel.
void TObjectiveInfo::DrawPart(std::string_view picture, TPoint offset,
                              const TSpritePopper& popUp) const {
    if (!popUp.Started()) return;
    const int pattern = objective_ == goBossMode ? 1 : 0;
    const auto alpha = static_cast<uint8_t>(FullChannel * alphaRatio_);
    const auto scale = static_cast<float>(popUp.Ratio);
    DrawImage(picture, Rest.X + offset.X, y_ + offset.Y, 0, Centered, Centered, scale, scale,
              FullChannel, FullChannel, FullChannel, alpha, pattern);
}
