#include "engine/VolumeBarClass.h"

#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"
#include "engine/PictureNames.h"
#include "engine/WidgetBasics.h"

#include <algorithm>

void TVolumeBar::TakeSize() {
    const TImageListItem* fill = FindPicture(OmgImgList, Pictures::VolumeFill);
    if (fill == nullptr) return;
    FillWidth = fill->TileWidth();
    FillHeight = fill->TileHeight() / 2;
}

void TVolumeBar::SetPosition(int value) {
    position = std::clamp(value, 0, MaxPosition);
    const int width = RoundHalfEven(static_cast<double>(position) / MaxPosition * FillWidth);
    targetWidth = std::clamp(width, 0, std::max(FillWidth, 0));
}

void TVolumeBar::SetPositionNow(int value) {
    SetPosition(value);
    shownWidth = targetWidth;
}

void TVolumeBar::Draw() {
    if (shownWidth < targetWidth)
        shownWidth = std::min(shownWidth + FillStep, targetWidth);
    else
        shownWidth = std::max(shownWidth - FillStep, targetWidth);
    DrawFill();
    DrawGlass();
}

void TVolumeBar::DrawFill() {
    TImageListItem* fill = FindPicture(OmgImgList, Pictures::VolumeFill);
    if (fill == nullptr) return;
    // The enabled fill is the lower half of the picture.
    const int sourceTop = Enabled ? FillHeight : 0;
    DrawProgressFill(*fill, shownWidth, sourceTop, FillHeight, Left + FillOffset.X,
                     Top + FillOffset.Y);
}

void TVolumeBar::DrawGlass() {
    TImageListItem* glass = FindPicture(OmgImgList, Pictures::VolumeGlass);
    if (glass != nullptr) glass->Draw(Left + GlassOffset.X, Top + GlassOffset.Y, 0);
}
