#pragma once
// A game controller played as the keyboard is: the d-pad and the left stick give the arrow keys,
// A is Enter, B is Escape and Start the in-game menu. The stick gives one key each time it is
// pushed past the threshold, and another only after it came back near the middle.
#include "platform/PlatformEvents.h"

#include <array>
#include <optional>

// SDL's button numbers (SDL_GameControllerButton) without SDL in the header.
std::optional<TKey> KeyOfControllerButton(int button);

class TStickKeys {
public:
    // SDL's stick range is -32768..32767; half way out is a push, a quarter back a release.
    static constexpr int PushedAt = 16384;
    static constexpr int ReleasedBelow = 8192;

    // A new position of one axis (0 horizontal, 1 vertical): the arrow key it pushes, if any.
    std::optional<TKey> Move(int axis, int value);

private:
    std::array<int, 2> pushed_{}; // -1, 0 or 1 per axis
};
