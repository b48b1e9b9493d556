#include "platform/TerminationSignals.h"

#include <SDL.h>
#include <signal.h>

namespace {

volatile sig_atomic_t terminationRequested = 0;

extern "C" void NoteTermination(int) {
    terminationRequested = 1;
}

} // namespace

void CatchTerminationSignals() {
    // SDL would turn both signals into a quit event, the same one a closed window gives; the
    // game must tell them apart, since a signal never waits for a question.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    struct sigaction action {};
    action.sa_handler = NoteTermination;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool TakeTerminationRequest() {
    if (terminationRequested == 0) return false;
    terminationRequested = 0;
    return true;
}
