#include "engine/GameCheckBoxClass.h"

#include "engine/OmegaImageList.h"
#include "engine/SoundByName.h"

namespace {

constexpr int CheckedPatterns = 2; // the checked looks follow the two unchecked ones
constexpr int HoveredPattern = 1;  // added to either pair

} // namespace

void TGameCheckBox::Hover(int x, int y) {
    mouse.Hover(InsideArea(Left, Top, Width, Height, x, y));
}

void TGameCheckBox::Press(int, int, TMouseButton button) {
    // The press counts where the last move left the mouse.
    if (button != mbLeft || !mouse.Hovered) return;
    Checked = !Checked;
    PlaySound("Click");
    if (OnClick) OnClick();
}

void TGameCheckBox::Draw() {
    TImageListItem* picture = FindPicture(OmgImgList, ImageName);
    if (picture == nullptr) return;
    picture->Draw(Left, Top,
                  (Checked ? CheckedPatterns : 0) + (mouse.Hovered ? HoveredPattern : 0));
}
