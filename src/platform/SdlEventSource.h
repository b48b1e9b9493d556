#pragma once
// Events of the game window through SDL's event queue. Mouse positions arrive in game pixels
// (SDL maps them through the letterboxed game area).
#include "platform/ControllerKeys.h"
#include "platform/PlatformEvents.h"

#include <vector>

class TSdlGraphicsDevice;
struct _SDL_GameController;

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
    void QueueControlChar(TKey key);
    TPlatformEvent ControllerKey(TKey key);
    void OpenController(int deviceIndex);
    void CloseController(int instanceId);

    TSdlGraphicsDevice* device_;
    bool controllersReady_ = false;
    std::vector<_SDL_GameController*> controllers_; // plugged in and opened
    TStickKeys stickKeys_;
    TPostingTimer periodic_;
    TPostingTimer system_;
    std::deque<TPlatformEvent> pending_; // a key down may also give a character
};
