#pragma once
// The sliding panels and windows of the scenes: where each rests, from where it slides in and
// how fast, and the buttons that ride on it.
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

#include <string>
#include <string_view>

// From where a panel slides in along its direction, and how many pixels a frame.
struct TPanelSlide {
    TShowDir Dir;
    int HidingPos;
    int MoveStep;
};

// The panel waits hidden until it is shown.
inline void PreparePanel(TGameMenuWindow& panel, std::string_view picture, TPoint rest,
                         TPanelSlide slide, TOmegaImageList& pictures) {
    panel.WindowImg = std::string(picture);
    panel.OmgImgList = &pictures;
    panel.Left = rest.X;
    panel.Top = rest.Y;
    panel.ShowDir = slide.Dir;
    const bool horizontal = slide.Dir == sdToRight || slide.Dir == sdToLeft;
    (horizontal ? panel.HidingXPos : panel.HidingYPos) = slide.HidingPos;
    panel.MoveStep = slide.MoveStep;
    panel.HideNow();
}

inline void PlaceButton(TGameButton& button, TPoint panel, TPoint offset) {
    button.Left = panel.X + offset.X;
    button.Top = panel.Y + offset.Y;
}
