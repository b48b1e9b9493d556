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

// TODO(round effects issue): the badge, the title and the line under it pop in one after
// another once the panel has risen; until then they fade with it.
void TObjectiveInfo::Draw() const {
    if (phase_ == opIdle) return;
    const int pattern = objective_ == goBossMode ? 1 : 0;
    const auto alpha = static_cast<uint8_t>(FullChannel * alphaRatio_);
    const float shadowScale = ShadowScale * shadowRatio_;
    DrawImage(Pictures::ObjInfoShadow, Rest.X + ShadowHeight / 2, y_, 0, Centered, Centered,
              shadowScale, shadowScale, FullChannel, FullChannel, FullChannel,
              static_cast<uint8_t>(ShadowAlpha * alphaRatio_), 0);
    const auto drawPart = [&](std::string_view picture, TPoint offset) {
        DrawImage(picture, Rest.X + offset.X, y_ + offset.Y, 0, 0, 0, 1, 1, FullChannel,
                  FullChannel, FullChannel, alpha, pattern);
    };
    drawPart(Pictures::ObjInfoLogo, LogoOffset);
    drawPart(Pictures::ObjInfoTitle, TitleOffset);
    drawPart(Pictures::ObjInfoSubtitle, SubtitleOffset);
}
