#include "platform/Desktop.h"

#include <SDL.h>
#include <cstdio>

void TSdlDesktop::ShowMessage(const std::string& caption, const std::string& text, bool isError) {
    // stderr first: without a display the box cannot appear.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(isError ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION,
                             caption.c_str(), text.c_str(), nullptr);
}

void TSdlDesktop::OpenWebLink(const std::string& url) {
    SDL_OpenURL(url.c_str());
}
