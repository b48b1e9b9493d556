#pragma once
// The mouse as the scenes hand it to their widgets: a press to each widget's Press, a move to
// its Hover, a release to its Release (check boxes have none). And the keys that go on where a
// scene only waits for a press.
#include "engine/WidgetKinds.h"
#include "platform/PlatformEvents.h"

template <typename... TWidget> void RouteMouse(const TPlatformEvent& event, TWidget&... widgets) {
    const auto routeOne = [&event](auto& widget) {
        switch (event.Kind) {
        case TEventKind::MouseDown:
            widget.Press(event.X, event.Y, static_cast<TMouseButton>(event.Button));
            break;
        case TEventKind::MouseMove:
            widget.Hover(event.X, event.Y);
            break;
        case TEventKind::MouseUp:
            if constexpr (requires { widget.Release(event.X, event.Y); })
                widget.Release(event.X, event.Y);
            break;
        default:
            break;
        }
    };
    (routeOne(widgets), ...);
}

