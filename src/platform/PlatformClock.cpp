#include "platform/PlatformClock.h"

#include <SDL.h>

int64_t TSdlClock::Now() {
    return static_cast<int64_t>(SDL_GetPerformanceCounter());
}
int64_t TSdlClock::Frequency() {
    return static_cast<int64_t>(SDL_GetPerformanceFrequency());
}
