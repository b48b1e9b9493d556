#pragma once
// What reaches the game between ticks: mouse, keys, focus, the close request and the timers,
// with mouse positions already in game pixels. The SDL source reads the real window; the queued
// source replays what a test put into it.
#include <cstdint>
#include <deque>

enum class TEventKind : uint8_t {
    MouseDown,
    MouseMove,
    MouseUp,
    KeyDown,  // Key holds the key
    KeyPress, // Char holds a Latin-1 character (27 Escape, 13 Enter, 8 Backspace)
    FocusLost,
    FocusGained,
    Restored,
    CloseRequested,     // the window's close box: may be answered with a question
    TerminateRequested, // SIGTERM or SIGINT: the game ends without a question
    PeriodicTimer,      // the periodic timer of the frame timer's lossy mode
    SystemTimer         // the window system's plain timer (leaving full screen after focus loss)
};

// Keys the game reacts to by key rather than by character.
enum class TKey : uint8_t {
    Other,
    Escape,
    Enter,
    Backspace,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Up,
    Down,
    Left,
    Right,
    Tab,
    Space,
    Menu // a game controller's Start: the in-game menu
};

struct TPlatformEvent {
    TEventKind Kind = TEventKind::MouseMove;
    int X = 0;      // game pixels
    int Y = 0;      // game pixels
    int Button = 0; // 0 left, 1 right, 2 middle
    TKey Key = TKey::Other;
    bool Alt = false; // KeyDown: an Alt key was held
    uint8_t Char = 0;
};

// A periodic timer that posts PeriodicTimer events into the event source.
class TPeriodicTimer {
public:
    virtual ~TPeriodicTimer() = default;
    virtual void StartPeriodic(int intervalMs) = 0;
    virtual void StopPeriodic() = 0;
};

class TEventSource : public TPeriodicTimer {
public:
    // Waits up to timeoutMs (0: do not wait, negative: until something happens) for an event.
    virtual bool WaitEvent(TPlatformEvent& event, int timeoutMs) = 0;
    // A second timer, apart from the frame timer's: posts SystemTimer events every intervalMs
    // until stopped.
    virtual void StartSystemTimer(int intervalMs) = 0;
    virtual void StopSystemTimer() = 0;
};

// Gives back the events a test queued, never waits.
class TQueuedEventSource : public TEventSource {
public:
    std::deque<TPlatformEvent> Queue;
    int PeriodicIntervalMs = 0; // 0 while stopped
    int SystemIntervalMs = 0;   // 0 while stopped

    void Push(const TPlatformEvent& event) { Queue.push_back(event); }
    bool WaitEvent(TPlatformEvent& event, int) override {
        if (Queue.empty()) return false;
        event = Queue.front();
        Queue.pop_front();
        return true;
    }
    void StartPeriodic(int intervalMs) override { PeriodicIntervalMs = intervalMs; }
    void StopPeriodic() override { PeriodicIntervalMs = 0; }
    void StartSystemTimer(int intervalMs) override { SystemIntervalMs = intervalMs; }
    void StopSystemTimer() override { SystemIntervalMs = 0; }
};
