#pragma once
// Events of the game window through SDL's event queue. Mouse positions arrive in game pixels
// (SDL maps them through the letterboxed game area).
#include "platform/PlatformEvents.h"

class TSdlGraphicsDevice;

class TSdlEventSource : public TEventSource {
public:
    // The device hears of driver resets that dropped its textures.
    explicit TSdlEventSource(TSdlGraphicsDevice* device);
    ~TSdlEventSource() override;
    TSdlEventSource(const TSdlEventSource&) = delete;
    TSdlEventSource& operator=(const TSdlEventSource&) = delete;

    // False also when what arrived is nothing the game uses: callers simply ask again.
    bool WaitEvent(TPlatformEvent& event, int timeoutMs) override;
    void StartPeriodic(int intervalMs) override;
    void StopPeriodic() override;
    void StartSystemTimer(int intervalMs) override;
    void StopSystemTimer() override;

    // An SDL timer that posts an event of its own type.
    struct TPostingTimer {
        int Id = 0;
        uint32_t EventType = 0;
    };

private:
    TSdlGraphicsDevice* device_;
    TPostingTimer periodic_;
    TPostingTimer system_;
    std::deque<TPlatformEvent> pending_; // a key down may also give a character
};
