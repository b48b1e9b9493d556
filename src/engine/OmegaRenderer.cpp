#include "engine/OmegaRenderer.h"

#include "engine/OmegaScreen.h"

#include <cmath>
#include <numbers>

void TOmegaRenderer::ResetQuad() {
    SetColor(0xFFFFFFFF);
    FlipVertical = FlipHorizontal = false;
    SetTexCoords(0, 0, 1, 1);
}

namespace {
// Puts a rectangle on the corners, into the fields horizontal and vertical of each vertex.
void SetCornerRect(TQuadCorners& corners, float TQuadVertex::*horizontal,
                   float TQuadVertex::*vertical, float left, float top, float right, float bottom) {
    const float xs[4] = {left, right, right, left};
    const float ys[4] = {top, top, bottom, bottom};
    for (int i = 0; i < 4; ++i) {
        corners[i].*horizontal = xs[i];
        corners[i].*vertical = ys[i];
    }
}
} // namespace

void TOmegaRenderer::SetTexCoords(float left, float top, float right, float bottom) {
    if (FlipHorizontal) std::swap(left, right);
    if (FlipVertical) std::swap(top, bottom);
    SetCornerRect(Vertices, &TQuadVertex::U, &TQuadVertex::V, left, top, right, bottom);
}

void TOmegaRenderer::SetRect(int x, int y, float width, float height) {
    SetCornerRect(Vertices, &TQuadVertex::X, &TQuadVertex::Y, static_cast<float>(x) - 0.5f,
                  static_cast<float>(y) - 0.5f, static_cast<float>(x) + width,
                  static_cast<float>(y) + height);
}

void TOmegaRenderer::Transform(float originX, float originY, float angle, float scaleX,
                               float scaleY) {
    if (angle == 0 && scaleX == 1 && scaleY == 1) return;
    const double radians = angle * std::numbers::pi / 180.0;
    const auto cosA = static_cast<float>(std::cos(radians));
    const auto sinA = static_cast<float>(std::sin(radians));
    for (auto& vertex : Vertices) {
        const float dx = scaleX * (vertex.X - originX);
        const float dy = scaleY * (vertex.Y - originY);
        vertex.X = originX + dx * cosA - dy * sinA;
        vertex.Y = originY + dx * sinA + dy * cosA;
    }
}

void TOmegaRenderer::Submit(TTextureId texture) {
    if (Screen != nullptr) Screen->SubmitQuad(texture, Vertices);
}
