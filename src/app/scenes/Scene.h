#pragma once
// One screen of the game behind the scene switch: the controller enters and leaves it as the
// scene changes, runs its frame once per tick while it shows, and hands it the input meant for
// it.
#include "platform/PlatformEvents.h"

class TScene {
public:
    virtual ~TScene() = default;

    virtual void Enter() {}
    virtual void Leave() {}
    // Updates and draws the scene's components, bottom layer first.
    virtual void Frame() = 0;
    // Presses, moves and releases of the mouse, in game coordinates.
    virtual void Mouse(const TPlatformEvent&) {}
    virtual void Key(const TPlatformEvent&) {}
};
