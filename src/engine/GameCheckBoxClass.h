#pragma once
// TGameCheckBox: a switch drawn from four tiles: 0 unchecked, 1 unchecked hovered, 2 checked,
// 3 checked hovered. Only a press over its Width x Height area toggles it.
#include "engine/WidgetBasics.h"

#include <functional>
#include <string>

class TGameCheckBox {
public:
    bool Checked = false;
    int Left = 0;
    int Top = 0;
    int Width = 30;
    int Height = 15;
    std::string ImageName;
    TOmegaImageList* OmgImgList = nullptr;
    std::function<void()> OnClick;

    void Hover(int x, int y);
    void Press(int x, int y, TMouseButton button);
    void Draw();

    bool Hovered() const { return mouse.Hovered; }

private:
    TWidgetMouse mouse;
};
