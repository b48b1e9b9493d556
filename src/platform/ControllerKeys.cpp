#include "platform/ControllerKeys.h"

#include <SDL.h>
#include <cstdlib>

std::optional<TKey> KeyOfControllerButton(int button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return TKey::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return TKey::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return TKey::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return TKey::Right;
    case SDL_CONTROLLER_BUTTON_A:
        return TKey::Enter;
    case SDL_CONTROLLER_BUTTON_B:
        return TKey::Escape;
    case SDL_CONTROLLER_BUTTON_START:
        return TKey::Menu;
    default:
        return std::nullopt;
    }
}

std::optional<TKey> TStickKeys::Move(int axis, int value) {
    if (axis < 0 || axis > 1) return std::nullopt;
    int& pushed = pushed_[static_cast<size_t>(axis)];
    if (std::abs(value) < ReleasedBelow) {
        pushed = 0;
        return std::nullopt;
    }
    const int direction = value >= PushedAt ? 1 : value <= -PushedAt ? -1 : 0;
    if (direction == 0 || direction == pushed) return std::nullopt;
    pushed = direction;
    if (axis == 0) return direction > 0 ? TKey::Right : TKey::Left;
    return direction > 0 ? TKey::Down : TKey::Up;
}
