#include "platform/Desktop.h"

#include <SDL.h>
#include <cstdio>

bool TSdlDesktop::ShowMessage(const std::string& caption, const std::string& text, bool isError) {
    // stderr first: without a display or a dialog helper the box cannot appear.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    const int shown =
        SDL_ShowSimpleMessageBox(isError ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION,
                                 caption.c_str(), text.c_str(), nullptr);
    if (shown == 0) return true;
    // Said once: the reason is the same for every later box.
    if (!toldNoBox_) std::fprintf(stderr, "(no message box could be shown: %s)\n", SDL_GetError());
    toldNoBox_ = true;
    return false;
}

void TSdlDesktop::OpenWebLink(const std::string& url) {
    SDL_OpenURL(url.c_str());
}
