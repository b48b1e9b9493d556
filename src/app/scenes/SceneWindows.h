#pragma once
// What the windows over the scenes have in common: they drop in from above the screen, stand
// centred, and carry their buttons along as they slide.
#include "app/GameServices.h"
#include "app/scenes/ScenePanels.h"
#include "engine/GameButtonClass.h"
#include "engine/GameGlobals.h"
#include "engine/GameMenuWindowClass.h"

#include <string_view>

class TOmegaImageList;

// How the windows' texts are drawn: the font's colour kinds, no extra spacing, no width limit.
inline constexpr int TextWhite = 0;
inline constexpr int TextBlack = 3;
inline constexpr int NoSpacing = 0;
inline constexpr int NoWidthLimit = 0;
inline constexpr uint8_t Opaque = 255;

// Where a window of the picture's size stands centred on the screen.
constexpr TPoint CentredRest(TPoint size) {
    return {(GameSpace.Width - size.X) / 2, (GameSpace.Height - size.Y) / 2};
}

// A hidden window of the picture resting at `rest`, showing by sliding down from `hidingY`.
void PrepareWindow(TGameMenuWindow& window, std::string_view picture, TPoint rest,
                   TOmegaImageList& pictures, int hidingY);
// One tick of a window over the scene beneath: that scene, the darkening, the window sliding;
// False once the window has gone, when its contents are not drawn.
bool DrawWindowOver(TSceneHost& host, TGameSceneValues beneath, TGameMenuWindow& window);
