#pragma once
// SIGTERM and SIGINT end the game the way a close without question does. The handler only notes
// the signal; the SDL event source turns the note into a TerminateRequested event.
void CatchTerminationSignals();
// True once for each signal caught since the last call.
bool TakeTerminationRequest();
