#include "engine/LoadingBarClass.h"

#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"
#include "engine/PictureNames.h"
#include "engine/WidgetBasics.h"

#include <algorithm>

namespace {

// Where the parts sit on the bar's background.
constexpr TPoint FillOffset{94, 10};
constexpr TPoint GlassOffset{102, 9};
constexpr TPoint LabelOffset{199, 14};
constexpr int LoadingLabel = 0;
constexpr int DoneLabel = 1;

} // namespace

TLoadingBar::TLoadingBar() {
    loadingPulse.Init(120, 255, 8, 8);
    donePulse.Init(40, 255, 15, 12);
}

void TLoadingBar::SetLeft(int value) {
    left = value;
    x = value;
}

void TLoadingBar::SetTop(int value) {
    top = value;
    y = value;
}

void TLoadingBar::TakeSize() {
    const TImageListItem* fill = FindPicture(OmgImgList, Pictures::LoadingBarFill);
    if (fill == nullptr) return;
    FillWidth = fill->TileWidth();
    FillHeight = fill->TileHeight();
}

void TLoadingBar::ImageLoaded() {
    loadedCount = std::min(loadedCount + 1, std::max(ImageCountToLoad, 0));
    if (loadedCount >= ImageCountToLoad - 1) loadingMinusOneFinished = true;
    if (loadedCount >= ImageCountToLoad) loadingFinished = true;
}

void TLoadingBar::Draw() {
    if (state == lbsSlidingAway) Slide();
    if (TImageListItem* background = FindPicture(OmgImgList, Pictures::LoadingBarBG))
        background->Draw(x, y, 0);
    if (TImageListItem* fill = FindPicture(OmgImgList, Pictures::LoadingBarFill))
        DrawProgressFill(*fill, ShownFillWidth(), 0, FillHeight, x + FillOffset.X,
                         y + FillOffset.Y);
    if (TImageListItem* glass = FindPicture(OmgImgList, Pictures::LoadingBarGlass))
        glass->Draw(x + GlassOffset.X, y + GlassOffset.Y, 0);
    DrawLabel();
}

void TLoadingBar::Slide() {
    y = std::min(y + 1, top + SlideDistance);
    if (y == top + SlideDistance) state = lbsGone;
}

int TLoadingBar::ShownFillWidth() const {
    // No count to load against: an empty bar rather than a division by zero.
    if (ImageCountToLoad <= 0) return 0;
    return RoundHalfEven(static_cast<double>(loadedCount) / ImageCountToLoad * FillWidth);
}

void TLoadingBar::DrawLabel() {
    TValueUpDown& pulse = loadingFinished ? donePulse : loadingPulse;
    pulse.Step();
    TImageListItem* label = FindPicture(OmgImgList, Pictures::LoadingBarText);
    if (label == nullptr) return;
    label->DrawEx(x + LabelOffset.X, y + LabelOffset.Y, 0, 0, 0, 1, 1, FullChannel, FullChannel,
                  FullChannel, ChannelByte(pulse.IntValue()),
                  loadingFinished ? DoneLabel : LoadingLabel, BlendNormal);
}
