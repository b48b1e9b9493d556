#pragma once
// Golden dust drifting over a whole-screen picture, as over an old film: the story strips and
// the help page. Reduced effects leave it out, it is one more blend of the whole screen.
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <cstdint>

namespace ScreenDust {

// The dust is stored at half size.
inline constexpr float Scale = 2.0f;
inline constexpr int Frames = 3;
inline constexpr int TicksPerFrame = 8;
inline constexpr uint8_t FullChannel = 255;

// The dust's frame for `ticks` ticks of its scene.
inline void Draw(int ticks, uint8_t alpha) {
    if (IsReducedEffectsMode()) return;
    DrawImage(Pictures::ScreenDustEffect, 0, 0, 0, 0, 0, Scale, Scale, FullChannel, FullChannel,
              FullChannel, alpha, (ticks / TicksPerFrame) % Frames);
}

} // namespace ScreenDust
