#pragma once
// Where the keyboard may stop in a scene: the centres of the widgets a player could click, in
// any order (the keys walk them in reading order). A stop that Cancels is pressed by Escape.
#include "engine/Geometry.h"
#include "platform/PlatformEvents.h"

#include <vector>

struct TKeyStop {
    TPoint At;
    bool Cancels = false;
};

// Adds a stop for each widget that would hear a click now (shown and, where it can be, enabled).
template <typename... TWidget>
void AddKeyStops(std::vector<TKeyStop>& stops, const TWidget&... widgets) {
    const auto addOne = [&stops](const auto& widget) {
        if constexpr (requires { widget.Visible; })
            if (!widget.Visible) return;
        if constexpr (requires { widget.Enabled; })
            if (!widget.Enabled) return;
        int width = 0;
        int height = 0;
        if constexpr (requires { widget.Width(); }) {
            width = widget.Width();
            height = widget.Height();
        } else {
            width = widget.Width;
            height = widget.Height;
        }
        stops.push_back({{widget.Left + width / 2, widget.Top + height / 2}});
    };
    (addOne(widgets), ...);
}

// Enter, Space (a controller's A) or Escape on a scene that a press anywhere moves on. Their
// typed character, not the key, moves it on: nothing of the key is left over for the next scene.
inline bool GoesOn(const TPlatformEvent& event) {
    constexpr uint8_t EnterChar = 13;
    constexpr uint8_t EscapeChar = 27;
    return event.Kind == TEventKind::KeyPress &&
           (event.Char == EnterChar || event.Char == EscapeChar || event.Char == ' ');
}
