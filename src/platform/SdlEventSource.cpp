#include "platform/SdlEventSource.h"

#include "files/TextEncoding.h"
#include "platform/ControllerKeys.h"
#include "platform/SdlGraphicsDevice.h"
#include "platform/TerminationSignals.h"

#include <SDL.h>

namespace {

TKey KeyOf(SDL_Keycode code) {
    if (code >= SDLK_F1 && code <= SDLK_F12)
        return static_cast<TKey>(static_cast<int>(TKey::F1) + (code - SDLK_F1));
    switch (code) {
    case SDLK_ESCAPE:
        return TKey::Escape;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return TKey::Enter;
    case SDLK_BACKSPACE:
        return TKey::Backspace;
    case SDLK_UP:
        return TKey::Up;
    case SDLK_DOWN:
        return TKey::Down;
    case SDLK_LEFT:
        return TKey::Left;
    case SDLK_RIGHT:
        return TKey::Right;
    case SDLK_TAB:
        return TKey::Tab;
    case SDLK_SPACE:
        return TKey::Space;
    default:
        return TKey::Other;
    }
}

// Keys that give a control character but no text input.
uint8_t ControlCharOf(TKey key) {
    switch (key) {
    case TKey::Escape:
        return 27;
    case TKey::Enter:
        return 13;
    case TKey::Backspace:
        return 8;
    default:
        return 0;
    }
}

int ButtonOf(uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return 0;
    }
}

// A window with no client area (minimised) maps every position by a zero size: its mouse
// events are dropped.
bool HasClientArea(uint32_t windowId) {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    if (window == nullptr) return false;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    return width > 0 && height > 0;
}

Uint32 PostTimerEvent(Uint32 interval, void* param) {
    SDL_Event event{};
    event.type = static_cast<Uint32>(reinterpret_cast<uintptr_t>(param));
    SDL_PushEvent(&event);
    return interval;
}

void StopTimer(TSdlEventSource::TPostingTimer& timer) {
    if (timer.Id != 0) SDL_RemoveTimer(timer.Id);
    timer.Id = 0;
}

void StartTimer(TSdlEventSource::TPostingTimer& timer, int intervalMs) {
    StopTimer(timer);
    if (intervalMs > 0 && timer.EventType != static_cast<uint32_t>(-1))
        timer.Id = SDL_AddTimer(static_cast<Uint32>(intervalMs), PostTimerEvent,
                                reinterpret_cast<void*>(uintptr_t{timer.EventType}));
}

bool IsAltHeld(const SDL_Keysym& key) {
    return (key.mod & KMOD_ALT) != 0;
}

} // namespace

TSdlEventSource::TSdlEventSource(TSdlGraphicsDevice* device) : device_(device) {
    SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER);
    // Without controller support the game plays on with mouse and keys; SDL reports the
    // controllers already there as added.
    controllersReady_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    const uint32_t first = SDL_RegisterEvents(2);
    periodic_.EventType = first;
    system_.EventType = first == static_cast<uint32_t>(-1) ? first : first + 1;
}

TSdlEventSource::~TSdlEventSource() {
    StopPeriodic();
    StopSystemTimer();
    for (SDL_GameController* controller : controllers_) SDL_GameControllerClose(controller);
    if (controllersReady_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_QuitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER);
}

void TSdlEventSource::StartPeriodic(int intervalMs) {
    StartTimer(periodic_, intervalMs);
}

void TSdlEventSource::StopPeriodic() {
    StopTimer(periodic_);
}

void TSdlEventSource::StartSystemTimer(int intervalMs) {
    StartTimer(system_, intervalMs);
}

void TSdlEventSource::StopSystemTimer() {
    StopTimer(system_);
}

bool TSdlEventSource::WaitEvent(TPlatformEvent& result, int timeoutMs) {
    if (!pending_.empty()) {
        result = pending_.front();
        pending_.pop_front();
        return true;
    }
    // Looked at before and after the wait: a signal ends the wait no sooner than its timeout.
    if (TakeTerminationRequest()) {
        result = TPlatformEvent{};
        result.Kind = TEventKind::TerminateRequested;
        return true;
    }
    SDL_Event event;
    const int got =
        timeoutMs == 0 ? SDL_PollEvent(&event) : SDL_WaitEventTimeout(&event, timeoutMs);
    if (got == 0) return timeoutMs != 0 && WaitEvent(result, 0);
    // Translates one SDL event; events the game does not use give nothing and the caller asks
    // again.
    TPlatformEvent out;
    switch (event.type) {
    case SDL_QUIT:
        out.Kind = TEventKind::CloseRequested;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (!HasClientArea(event.button.windowID)) return false;
        out.Kind = event.type == SDL_MOUSEBUTTONDOWN ? TEventKind::MouseDown : TEventKind::MouseUp;
        out.X = event.button.x;
        out.Y = event.button.y;
        out.Button = ButtonOf(event.button.button);
        break;
    case SDL_MOUSEMOTION:
        if (!HasClientArea(event.motion.windowID)) return false;
        out.Kind = TEventKind::MouseMove;
        out.X = event.motion.x;
        out.Y = event.motion.y;
        break;
    case SDL_KEYDOWN: {
        out.Kind = TEventKind::KeyDown;
        out.Key = KeyOf(event.key.keysym.sym);
        out.Alt = IsAltHeld(event.key.keysym);
        // With Alt held a key is a shortcut (Alt+Enter), not typing.
        if (!out.Alt) QueueControlChar(out.Key);
        break;
    }
    case SDL_CONTROLLERDEVICEADDED:
        OpenController(event.cdevice.which);
        return false;
    case SDL_CONTROLLERDEVICEREMOVED:
        CloseController(event.cdevice.which);
        return false;
    case SDL_CONTROLLERBUTTONDOWN: {
        const std::optional<TKey> key = KeyOfControllerButton(event.cbutton.button);
        if (!key) return false;
        out = ControllerKey(*key);
        break;
    }
    case SDL_CONTROLLERAXISMOTION: {
        const int axis = event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX   ? 0
                         : event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY ? 1
                                                                         : -1;
        const std::optional<TKey> key = stickKeys_.Move(axis, event.caxis.value);
        if (!key) return false;
        out = ControllerKey(*key);
        break;
    }
    case SDL_TEXTINPUT: {
        // Characters beyond Latin-1 are not typed.
        bool lossless = true;
        for (const char typed : Utf8ToLatin1(event.text.text, lossless)) {
            TPlatformEvent press;
            press.Kind = TEventKind::KeyPress;
            press.Char = static_cast<uint8_t>(typed);
            pending_.push_back(press);
        }
        return WaitEvent(result, 0);
    }
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST:
            out.Kind = TEventKind::FocusLost;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            out.Kind = TEventKind::FocusGained;
            break;
        case SDL_WINDOWEVENT_RESTORED:
            out.Kind = TEventKind::Restored;
            break;
        case SDL_WINDOWEVENT_CLOSE:
            out.Kind = TEventKind::CloseRequested;
            break;
        default:
            return false;
        }
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        if (device_ != nullptr) device_->MarkTexturesLost();
        return false;
    default:
        if (event.type == periodic_.EventType) {
            out.Kind = TEventKind::PeriodicTimer;
            break;
        }
        if (event.type == system_.EventType) {
            out.Kind = TEventKind::SystemTimer;
            break;
        }
        return false;
    }
    result = out;
    return true;
}

void TSdlEventSource::QueueControlChar(TKey key) {
    if (const uint8_t control = ControlCharOf(key); control != 0) {
        TPlatformEvent press;
        press.Kind = TEventKind::KeyPress;
        press.Char = control;
        pending_.push_back(press);
    }
}

// A controller's button or stick as the key it stands for, with the character a keyboard
// would type for it.
TPlatformEvent TSdlEventSource::ControllerKey(TKey key) {
    TPlatformEvent down;
    down.Kind = TEventKind::KeyDown;
    down.Key = key;
    QueueControlChar(key);
    return down;
}

void TSdlEventSource::OpenController(int deviceIndex) {
    if (!controllersReady_ || !SDL_IsGameController(deviceIndex)) return;
    // A controller that cannot be opened is simply not played with.
    if (SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex))
        controllers_.push_back(controller);
}

void TSdlEventSource::CloseController(int instanceId) {
    for (auto it = controllers_.begin(); it != controllers_.end(); ++it) {
        SDL_Joystick* joystick = SDL_GameControllerGetJoystick(*it);
        if (joystick != nullptr && SDL_JoystickInstanceID(joystick) == instanceId) {
            SDL_GameControllerClose(*it);
            controllers_.erase(it);
            stickKeys_ = TStickKeys{};
            return;
        }
    }
}
