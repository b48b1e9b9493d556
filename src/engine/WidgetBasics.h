#pragma once
// What every widget shares: the hit rectangle, the mouse state of a clickable area (hover with
// the hand cursor, left presses only, a click only when press and release are both on it) and
// the lookup of its pictures in its image list.
#include "engine/WidgetKinds.h"

#include <cstdint>
#include <functional>
#include <string_view>

class TImageListItem;
class TOmegaImageList;

// Fires a notify event when the owner assigned one.
inline void Raise(const std::function<void()>& event) {
    if (event) event();
}

// A widget position that keeps it off-screen until the form places it.
inline constexpr int ParkedPosition = -999;

// (x, y) lies in the rectangle from (left, top) to (left + width, top + height), edges included.
bool InsideArea(int left, int top, int width, int height, int x, int y);

enum class THoverChange : uint8_t { None, Entered, Left };

struct TWidgetMouse {
    bool Hovered = false;
    bool Pressed = false;

    // The mouse is over the widget (inside) or not; while it is, the cursor request becomes the
    // hand.
    THoverChange Hover(bool inside);
    // A press with the left button begins on the widget when inside; other buttons change
    // nothing. True when the press began on the widget.
    bool Press(bool inside, TMouseButton button);
    // Ends any press; true when it completes a click (pressed and released on the widget).
    bool Release(bool inside);
};

// A colour or alpha channel of white, opaque drawing.
inline constexpr uint8_t FullChannel = 255;
// A channel from an integer, clamped to 0..255.
uint8_t ChannelByte(int value);

// The named picture of a widget's image list; nullptr without a list or without the picture.
TImageListItem* FindPicture(TOmegaImageList* list, std::string_view name);
// A progress fill: the left `width` pixels of the picture's rows sourceTop..sourceTop + height,
// unscaled and opaque, at (x, y).
void DrawProgressFill(TImageListItem& picture, int width, int sourceTop, int height, int x, int y);
