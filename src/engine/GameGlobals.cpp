#include "engine/GameGlobals.h"

#include <chrono>
#include <cmath>

namespace {

// PCG32 (XSH RR): small, fast, and the same sequence with every compiler and library.
struct Pcg32 {
    uint64_t state = 0x853c49e6748fea9bULL;
    uint64_t inc = 0xda3e39cb94b95bdbULL;

    void Seed(uint64_t seed) {
        state = 0;
        inc = (seed << 1u) | 1u;
        Next();
        state += seed;
        Next();
    }
    uint32_t Next() {
        uint64_t old = state;
        state = old * 6364136223846793005ULL + inc;
        auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        auto rot = static_cast<uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    }
};

Pcg32 generator;
bool seedFixed = false;
bool reducedEffectsMode = false;
TPoint boardOrigin{266, 95};
TMouseCursor cursorRequest = mcArrow;

} // namespace

int Random(int n) {
    if (n <= 0) return 0;
    // Rejection keeps every value equally likely.
    const auto range = static_cast<uint32_t>(n);
    const uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    uint32_t draw;
    do draw = generator.Next();
    while (draw >= limit);
    return static_cast<int>(draw % range);
}

void Randomize() {
    if (seedFixed) return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    generator.Seed(static_cast<uint64_t>(now));
}

void SetRandomSeed(uint64_t seed) {
    generator.Seed(seed);
    seedFixed = true;
}

void ReleaseRandomSeed() {
    seedFixed = false;
}

TRandomState SaveRandomState() {
    return {generator.state, generator.inc};
}

void RestoreRandomState(const TRandomState& saved) {
    generator.state = saved.State;
    generator.inc = saved.Increment;
}

int RoundHalfEven(double value) {
    // nearbyint rounds halves to even under the default rounding mode.
    return static_cast<int>(std::nearbyint(value));
}

bool IsReducedEffectsMode() {
    return reducedEffectsMode;
}
void SetReducedEffectsMode(bool on) {
    reducedEffectsMode = on;
}

TPoint BoardScreenOrigin() {
    return boardOrigin;
}
void SetBoardScreenOrigin(TPoint origin) {
    boardOrigin = origin;
}

TMouseCursor MouseCursorRequest() {
    return cursorRequest;
}
void SetMouseCursorRequest(TMouseCursor cursor) {
    cursorRequest = cursor;
}
