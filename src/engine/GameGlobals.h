#pragma once
// Program-wide values every subsystem shares: the game's title and drawing space, the game
// tick, the random generator, rounding, the reduced-effects mode, the board's screen origin and the
// mouse cursor the widgets ask for. Tests replace the variable ones through the setters.
#include "engine/Geometry.h"
#include "platform/GraphicsDevice.h"

#include <cstdint>

// The window caption and the name the game gives itself in messages.
inline constexpr char GameTitle[] = "The Saga of Tovan";
// Everything is laid out in this space of game pixels; the window letterboxes it.
inline constexpr TPixelSize GameSpace{1366, 768};

// One game tick: every timer adds this, never a measured time.
inline constexpr int GameTickMs = 30;
// Ticks per second of the frame timer.
inline constexpr int GameTicksPerSecond = 33;

// One tick of a game timer: adds the tick length; once the sum reaches the limit the timer stays
// at the limit and is due (True).
inline bool AdvanceTickTimer(int& timer, int limit) {
    const int64_t next = int64_t{timer} + GameTickMs;
    if (next >= limit) {
        timer = limit;
        return true;
    }
    timer = static_cast<int>(next);
    return false;
}

// Uniform integer in 0..n-1. n <= 0 gives 0 and consumes no draw, so the many calls with an
// amplitude of 0 leave seeded runs unchanged.
int Random(int n);
// Reseeds from the clock, unless a test fixed the seed: then the sequence simply goes on.
void Randomize();
// Fixes the generator for repeatable runs; later Randomize() calls keep the sequence.
void SetRandomSeed(uint64_t seed);
// Back to clock seeding (the game's normal state).
void ReleaseRandomSeed();
// The generator's place in its sequence: an onlooker (the round runner's bot asking the board for
// a hint) puts it back afterwards, so that the game draws what it would have drawn.
struct TRandomState {
    uint64_t State = 0;
    uint64_t Increment = 0;
};
TRandomState SaveRandomState();
void RestoreRandomState(const TRandomState& saved);

// Fraction to integer with halves going to the even neighbour (61.5 -> 62, 62.5 -> 62).
int RoundHalfEven(double value);

// Reduced-effects mode, chosen at start: fewer decorations, effects that move twice as far per
// tick, faster narration fades, a ready-made board border. Off unless asked for.
bool IsReducedEffectsMode();
void SetReducedEffectsMode(bool on);

// The board's top-left pixel, published by the controller to every effect component.
TPoint BoardScreenOrigin();
void SetBoardScreenOrigin(TPoint origin);

// The cursor shape the mouse asks for. The controller resets it to the arrow before routing each
// mouse move and shows it every frame; a widget under the mouse asks for the hand.
enum TMouseCursor : uint8_t { mcArrow, mcHand };
TMouseCursor MouseCursorRequest();
void SetMouseCursorRequest(TMouseCursor cursor);
