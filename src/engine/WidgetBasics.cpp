#include "engine/WidgetBasics.h"

#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"

#include <algorithm>

bool InsideArea(int left, int top, int width, int height, int x, int y) {
    // 64-bit sums: a parked widget or a far-off point must not wrap around.
    return left <= x && int64_t{x} <= int64_t{left} + width && top <= y &&
           int64_t{y} <= int64_t{top} + height;
}

THoverChange TWidgetMouse::Hover(bool inside) {
    const bool was = Hovered;
    Hovered = inside;
    if (Hovered) SetMouseCursorRequest(mcHand);
    if (Hovered == was) return THoverChange::None;
    return Hovered ? THoverChange::Entered : THoverChange::Left;
}

bool TWidgetMouse::Press(bool inside, TMouseButton button) {
    if (button != mbLeft) return false;
    Hovered = inside;
    Pressed = inside;
    return Pressed;
}

bool TWidgetMouse::Release(bool inside) {
    Hovered = inside;
    const bool click = Hovered && Pressed;
    // The widget takes its plain look again until the mouse moves.
    if (click) Hovered = false;
    Pressed = false;
    return click;
}

uint8_t ChannelByte(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

TImageListItem* FindPicture(TOmegaImageList* list, std::string_view name) {
    return list == nullptr ? nullptr : list->ImageList.Find(name);
}

void DrawProgressFill(TImageListItem& picture, int width, int sourceTop, int height, int x, int y) {
    picture.DrawRect({0, sourceTop, width, sourceTop + height}, x, y, 0, 0, 0, 1, 1, FullChannel,
                     FullChannel, FullChannel, FullChannel, false, false, 0, BlendNormal);
}
