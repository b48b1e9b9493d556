#pragma once
// The keyboard's way through a scene's buttons: Tab, Down and Right go to the next stop in
// reading order, Up and Left to the one before, Enter or Space press the stop in focus and Escape
// the scene's cancelling stop. Moving and pressing are the mouse's own moves and clicks at the
// stop, so every widget answers exactly as it does to the mouse (its glow is the focus mark).
// Nothing is in focus until a key moves it, and the real mouse takes over as soon as it is used.
#include "app/scenes/Scene.h"

#include <cstdint>

class TKeyboardFocus {
public:
    // Stops whose centres lie closer than this in height count as one row.
    static constexpr int RowHeight = 24;

    // True when the key was used; the scene then does not hear it.
    bool Key(const TPlatformEvent& event, TScene& scene);
    void MouseUsed() { focus_ = NoFocus; }
    void SceneChanged();
    int Focus() const { return focus_; }

private:
    static constexpr int NoFocus = -1;
    void MoveTo(TScene& scene, const TKeyStop& stop) const;
    void Press(TScene& scene, const TKeyStop& stop, uint8_t typed);

    int focus_ = NoFocus;
    uint8_t swallowChar_ = 0; // what the used key also types, kept from the scene
};
