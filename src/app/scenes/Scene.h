#pragma once
// One screen of the game behind the scene switch: the controller enters and leaves it as the
// scene changes, runs its frame once per tick while it shows, and hands it the input meant for
// it. A unit may serve a small family of scenes; it then hears which one through the scene
// values it is given.
#include "app/GameSceneClass.h"
#include "app/scenes/SceneKeyboard.h"
#include "platform/PlatformEvents.h"

class TScene {
public:
    virtual ~TScene() = default;

    // `from` is the scene being left; `to` the one coming.
    virtual void Enter(TGameSceneValues /*from*/) {}
    virtual void Leave(TGameSceneValues /*to*/) {}
    // A transition away from the scene has begun: its panels slide out under the closing iris.
    virtual void TransitionStarts(TGameSceneValues /*to*/) {}
    // Updates and draws the scene's components, bottom layer first. An overlay draws the scene
    // beneath it first, through the host.
    virtual void Frame() = 0;
    // Presses, moves and releases of the mouse, in game coordinates.
    virtual void Mouse(const TPlatformEvent&) {}
    // Typed characters and pressed keys.
    virtual void Key(const TPlatformEvent&) {}
    // Where the keyboard may stop now (the controller walks them and clicks them as the mouse
    // would); none for a scene that uses the keys itself.
    virtual std::vector<TKeyStop> KeyStops() const { return {}; }
};
