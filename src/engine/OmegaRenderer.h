#pragma once
// One quad of four vertices, shared by all items of an image list: the items fill it from a
// tile, a position, a scale, a rotation and a colour, and it goes to the screen in one call.
#include "platform/GraphicsDevice.h"

#include <cstdint>

class TOmegaScreen;

class TOmegaRenderer {
public:
    TOmegaScreen* Screen = nullptr;
    // Corners: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left.
    TQuadCorners Vertices{};
    bool FlipVertical = false;
    bool FlipHorizontal = false;

    // White, the whole texture.
    void ResetQuad();
    void SetColor(uint32_t argb) {
        for (auto& vertex : Vertices) vertex.Color = argb;
    }
    // The texture rectangle of the corners; the flips exchange top with bottom and left with
    // right.
    void SetTexCoords(float left, float top, float right, float bottom);
    // Corners of the w x h rectangle at (x, y): left and top edges half a pixel further out,
    // so the sprite covers exactly its pixels.
    void SetRect(int x, int y, float width, float height);
    // Scales by (scaleX, scaleY) and turns by angle degrees (clockwise on screen) about origin.
    void Transform(float originX, float originY, float angle, float scaleX, float scaleY);
    void Submit(TTextureId texture);
};
