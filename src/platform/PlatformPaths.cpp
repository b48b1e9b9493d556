#include "platform/PlatformPaths.h"

#include <SDL.h>
#include <cstdlib>

namespace {
std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}
} // namespace

std::string ProgramFolder() {
    char* base = SDL_GetBasePath();
    if (base == nullptr) return "./";
    std::string folder(base);
    SDL_free(base);
    return WithSlash(folder);
}

std::string UserDataFolder() {
    // An XDG path must be absolute; a relative one is ignored as the XDG rules say.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr && home[0] != 0 ? home : ".") + "/.local/share";
    }
    return WithSlash(base) + "The Saga of Tovan/";
}
