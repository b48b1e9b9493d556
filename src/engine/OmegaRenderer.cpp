#include "engine/OmegaRenderer.h"

#include "engine/OmegaScreen.h"

#include <cmath>
#include <numbers>

void TOmegaRenderer::ResetQuad() {
    SetColor(0xFFFFFFFF);
    FlipVertical = FlipHorizontal = false;
    SetTexCoords(0, 0, 1, 1);
}

void TurnQuad(TQuadCorners& quad, float originX, float originY, float angle, float scaleX,
              float scaleY, float toX, float toY) {
    const double radians = angle * std::numbers::pi / 180.0;
    const auto cosA = static_cast<float>(std::cos(radians));
    const auto sinA = static_cast<float>(std::sin(radians));
    for (TQuadVertex& vertex : quad) {
        const float dx = scaleX * (vertex.X - originX);
        const float dy = scaleY * (vertex.Y - originY);
        vertex.X = toX + dx * cosA - dy * sinA;
        vertex.Y = toY + dx * sinA + dy * cosA;
    }
}

void TOmegaRenderer::Submit(TTextureId texture) {
    if (Screen != nullptr) Screen->SubmitQuad(texture, Vertices);
}
