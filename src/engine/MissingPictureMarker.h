#pragma once
// Development aid: where a picture is missing, a thin outlined box with its name is
// drawn instead, so missing art is visible on screen.
#include "platform/GraphicsDevice.h"

#include <string_view>

class TOmegaScreen;

// A tiny built-in font (digits, letters shown upper-case, '_', '-', '.') as one texture.
TTextureId CreateMarkerFont(TGraphicsDevice& device);
void DrawMissingPictureMarker(TOmegaScreen& screen, TTextureId font, std::string_view name, int x,
                              int y, int width, int height);
