#pragma once
// One quad of four vertices, shared by all items of an image list: the items fill it from a
// tile, a position, a scale, a rotation and a colour, and it goes to the screen in one call.
#include "platform/GraphicsDevice.h"

#include <cstdint>
#include <utility>

class TOmegaScreen;

// Scales the corners by (scaleX, scaleY) and turns them by angle degrees (clockwise on screen)
// about (originX, originY); the origin then lands on (toX, toY).
void TurnQuad(TQuadCorners& quad, float originX, float originY, float angle, float scaleX,
              float scaleY, float toX, float toY);

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
    void SetTexCoords(float left, float top, float right, float bottom) {
        if (FlipHorizontal) std::swap(left, right);
        if (FlipVertical) std::swap(top, bottom);
        SetCornerRect(&TQuadVertex::U, &TQuadVertex::V, left, top, right, bottom);
    }
    // Corners of the w x h rectangle at (x, y): left and top edges half a pixel further out,
    // so the sprite covers exactly its pixels.
    void SetRect(int x, int y, float width, float height) {
        SetCornerRect(&TQuadVertex::X, &TQuadVertex::Y, static_cast<float>(x) - 0.5f,
                      static_cast<float>(y) - 0.5f, static_cast<float>(x) + width,
                      static_cast<float>(y) + height);
    }
    // Scales by (scaleX, scaleY) and turns by angle degrees (clockwise on screen) about origin.
    void Transform(float originX, float originY, float angle, float scaleX, float scaleY) {
        if (angle != 0 || scaleX != 1 || scaleY != 1)
            TurnQuad(Vertices, originX, originY, angle, scaleX, scaleY, originX, originY);
    }
    void Submit(TTextureId texture);

private:
    // Puts a rectangle on the corners, into the fields horizontal and vertical of each vertex.
    void SetCornerRect(float TQuadVertex::*horizontal, float TQuadVertex::*vertical, float left,
                       float top, float right, float bottom) {
        const float xs[4] = {left, right, right, left};
        const float ys[4] = {top, top, bottom, bottom};
        for (int i = 0; i < 4; ++i) {
            Vertices[i].*horizontal = xs[i];
            Vertices[i].*vertical = ys[i];
        }
    }
};
