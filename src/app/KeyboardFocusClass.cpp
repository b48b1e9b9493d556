#include "app/KeyboardFocusClass.h"

#include <algorithm>

namespace {

constexpr uint8_t EnterChar = 13;
constexpr uint8_t EscapeChar = 27;
constexpr uint8_t SpaceChar = ' ';

void SortInReadingOrder(std::vector<TKeyStop>& stops) {
    std::ranges::stable_sort(stops, [](const TKeyStop& a, const TKeyStop& b) {
        const int rowA = a.At.Y / TKeyboardFocus::RowHeight;
        const int rowB = b.At.Y / TKeyboardFocus::RowHeight;
        return rowA != rowB ? rowA < rowB : a.At.X < b.At.X;
    });
}

TPlatformEvent MouseEvent(TEventKind kind, TPoint at) {
    TPlatformEvent event;
    event.Kind = kind;
    event.X = at.X;
    event.Y = at.Y;
    return event;
}

} // namespace

void TKeyboardFocus::SceneChanged() {
    focus_ = NoFocus;
    swallowChar_ = 0;
}

bool TKeyboardFocus::Key(const TPlatformEvent& event, TScene& scene) {
    if (event.Kind == TEventKind::KeyPress) {
        const bool swallowed = swallowChar_ != 0 && event.Char == swallowChar_;
        swallowChar_ = 0;
        return swallowed;
    }
    if (event.Kind != TEventKind::KeyDown || event.Alt) return false;
    swallowChar_ = 0;
    std::vector<TKeyStop> stops = scene.KeyStops();
    if (stops.empty()) return false;
    SortInReadingOrder(stops);
    const int count = static_cast<int>(stops.size());
    focus_ = std::min(focus_, count - 1);
    switch (event.Key) {
    case TKey::Tab:
    case TKey::Down:
    case TKey::Right:
        focus_ = (focus_ + 1) % count;
        MoveTo(scene, stops[static_cast<size_t>(focus_)]);
        return true;
    case TKey::Up:
    case TKey::Left:
        focus_ = focus_ <= 0 ? count - 1 : focus_ - 1;
        MoveTo(scene, stops[static_cast<size_t>(focus_)]);
        return true;
    case TKey::Enter:
    case TKey::Space:
        // Before any stop is chosen Enter stays the scene's own (a typed name's end).
        if (focus_ == NoFocus) return false;
        Press(scene, stops[static_cast<size_t>(focus_)],
              event.Key == TKey::Enter ? EnterChar : SpaceChar);
        return true;
    case TKey::Escape: {
        const auto cancel = std::ranges::find_if(stops, &TKeyStop::Cancels);
        if (cancel == stops.end()) return false;
        Press(scene, *cancel, EscapeChar);
        return true;
    }
    default:
        return false;
    }
}

void TKeyboardFocus::MoveTo(TScene& scene, const TKeyStop& stop) const {
    scene.Mouse(MouseEvent(TEventKind::MouseMove, stop.At));
}

void TKeyboardFocus::Press(TScene& scene, const TKeyStop& stop, uint8_t typed) {
    MoveTo(scene, stop);
    scene.Mouse(MouseEvent(TEventKind::MouseDown, stop.At));
    scene.Mouse(MouseEvent(TEventKind::MouseUp, stop.At));
    swallowChar_ = typed;
}
