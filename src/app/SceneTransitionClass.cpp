#include "app/SceneTransitionClass.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr int OpaqueAlpha = 255;
constexpr float FullTurn = 360;
// Input waits until the iris has opened this far.
constexpr float OpenEnoughToPlay = 0.65f;
// The swirl and the compass rose over its hole, both scaled from the ratio.
constexpr TPoint SwirlPos{252, -46};
constexpr TPoint RosePos{455, 158};
constexpr float MinimumScale = 2;
constexpr float RoseScale = 0.29f / 2;
// The caption shows while the iris is nearly closed.
constexpr float CaptionUpToRatio = 6;
constexpr TPoint CaptionPos{655, 740};
constexpr float CaptionTextRatio = 0.6f;
constexpr int CaptionAlpha = 200;

} // namespace

void TSceneTransition::Start(TGameSceneValues oldScene, TGameSceneValues newScene) {
    targetScene_ = newScene;
    phase_ = TPhase::Closing;
    active_ = true;
    if (OnStartToSwitch) OnStartToSwitch(oldScene, newScene);
}

bool TSceneTransition::IsBlockingInput() const {
    return active_ &&
           (phase_ == TPhase::Closing || sizeRatio_ < OpenEnoughToPlay * MaxSizeRatioAdd);
}

void TSceneTransition::UpdateAndDraw() {
    if (!active_) return;
    if (phase_ == TPhase::Closing)
        Close();
    else
        Open();
    angle_ += AngleAdd;
    while (angle_ >= FullTurn) angle_ -= FullTurn;
    Draw();
}

void TSceneTransition::Close() {
    alpha_ = std::min(OpaqueAlpha, alpha_ + 4 * BaseAlphaStep);
    sizeRatio_ -= MaxSizeRatioAdd / OpaqueAlpha * BaseAlphaStep + 0.3f;
    if (sizeRatio_ > 0) return;
    // Closed: the scene changes behind the iris.
    sizeRatio_ = 0;
    phase_ = TPhase::Opening;
    alpha_ = OpaqueAlpha;
    if (OnSceneSwitch) OnSceneSwitch(targetScene_);
}

void TSceneTransition::Open() {
    if (sizeRatio_ < MaxSizeRatioAdd) {
        sizeRatio_ =
            std::min(MaxSizeRatioAdd, sizeRatio_ + MaxSizeRatioAdd / OpaqueAlpha * BaseAlphaStep);
        return;
    }
    alpha_ -= 2 * BaseAlphaStep;
    if (alpha_ >= 1) return;
    alpha_ = 0;
    active_ = false;
}

void TSceneTransition::Draw() const {
    const auto alpha = static_cast<uint8_t>(alpha_);
    const float swirlScale = sizeRatio_ + MinimumScale;
    DrawImage(Pictures::TransDark, SwirlPos.X, SwirlPos.Y, angle_, 0.5f, 0.5f, swirlScale,
              swirlScale, 255, 255, 255, alpha, 0);
    const float roseScale = swirlScale * RoseScale;
    DrawImage(Pictures::TransSpin, RosePos.X, RosePos.Y, angle_, 0.5f, 0.5f, roseScale, roseScale,
              255, 255, 255, alpha, 0);
    if (sizeRatio_ > CaptionUpToRatio || GlobGameText == nullptr || TextStringsComp == nullptr)
        return;
    GlobGameText->DrawText(CaptionPos.X, CaptionPos.Y, TextStringsComp->GameTexts(CaptionTextLine),
                           CaptionTextRatio, 0, CaptionAlpha, 0, 0);
}
