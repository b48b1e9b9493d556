#include "platform/SdlTurnedPictures.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>

namespace {

constexpr float PerpendicularTolerance = 1e-3f; // of the product of the sides
constexpr float CornerTolerance = 0.01f;        // pixels

// Room around a turned copy so that no edge texel is cut.
constexpr int CopyMargin = 2;

struct TCopySize {
    int Width;
    int Height;
};

TCopySize CopySizeOf(const TTurnedQuad& quad) {
    const float c = std::fabs(std::cos(quad.Turn));
    const float s = std::fabs(std::sin(quad.Turn));
    const float w = static_cast<float>(quad.Key.Width);
    const float h = static_cast<float>(quad.Key.Height);
    return {static_cast<int>(std::ceil(w * c + h * s)) + CopyMargin,
            static_cast<int>(std::ceil(w * s + h * c)) + CopyMargin};
}

// Each texel times the tint, as the screen would tint it while drawing.
void TintTexels(std::vector<uint32_t>& texels, uint32_t tint) {
    if (tint == 0xFFFFFFFF) return;
    const uint32_t factors[4] = {tint & 0xFF, (tint >> 8) & 0xFF, (tint >> 16) & 0xFF, tint >> 24};
    for (uint32_t& texel : texels) {
        uint32_t tinted = 0;
        for (int channel = 0; channel < 4; ++channel) {
            const uint32_t value = (texel >> (8 * channel)) & 0xFF;
            tinted |= (value * factors[channel] / 255) << (8 * channel);
        }
        texel = tinted;
    }
}

} // namespace

bool TurnedQuadOf(TTextureId texture, TPixelSize textureSize, const TQuadCorners& c,
                  TTurnedQuad& quad) {
    const uint32_t color = c[0].Color;
    if (c[1].Color != color || c[2].Color != color || c[3].Color != color) return false;
    if (c[0].U != c[3].U || c[1].U != c[2].U || c[0].V != c[1].V || c[2].V != c[3].V) return false;
    if (!(c[1].U > c[0].U && c[3].V > c[0].V)) return false;
    const float ax = c[1].X - c[0].X, ay = c[1].Y - c[0].Y; // along the top edge
    const float bx = c[3].X - c[0].X, by = c[3].Y - c[0].Y; // down the left edge
    const float width = std::hypot(ax, ay);
    const float height = std::hypot(bx, by);
    if (width * height < static_cast<float>(TSdlTurnedPictures::MinKeptArea)) return false;
    if (std::fabs(ax * bx + ay * by) > PerpendicularTolerance * width * height) return false;
    if (ax * by - ay * bx <= 0) return false; // mirrored
    if (std::fabs(c[0].X + ax + bx - c[2].X) > CornerTolerance ||
        std::fabs(c[0].Y + ay + by - c[2].Y) > CornerTolerance)
        return false;

    const float radius = std::hypot(width, height) / 2;
    const float step = TSdlTurnedPictures::MaxCornerShift / radius;
    quad.Key.Texture = texture;
    quad.Key.SourceLeft = static_cast<int>(std::lround(c[0].U * textureSize.Width));
    quad.Key.SourceTop = static_cast<int>(std::lround(c[0].V * textureSize.Height));
    quad.Key.SourceRight = static_cast<int>(std::lround(c[1].U * textureSize.Width));
    quad.Key.SourceBottom = static_cast<int>(std::lround(c[3].V * textureSize.Height));
    quad.Key.Width = static_cast<int>(std::lround(width));
    quad.Key.Height = static_cast<int>(std::lround(height));
    quad.Key.TurnStep = static_cast<int>(std::lround(std::atan2(ay, ax) / step));
    quad.Turn = static_cast<float>(quad.Key.TurnStep) * step;
    quad.CentreX = (c[0].X + c[1].X + c[2].X + c[3].X) / 4;
    quad.CentreY = (c[0].Y + c[1].Y + c[2].Y + c[3].Y) / 4;
    quad.U0 = c[0].U;
    quad.V0 = c[0].V;
    quad.U1 = c[1].U;
    quad.V1 = c[3].V;
    quad.Key.Color = color;
    return true;
}

SDL_Texture* TSdlTurnedPictures::Find(const TTurnedQuad& quad, SDL_Texture* picture,
                                      SDL_Rect& target) {
    auto found = std::find_if(kept_.begin(), kept_.end(),
                              [&](const Kept& kept) { return kept.Key == quad.Key; });
    if (found == kept_.end()) {
        if (!SeenRecently(quad.Key)) return nullptr;
        const TCopySize size = CopySizeOf(quad);
        const int64_t pixels = static_cast<int64_t>(size.Width) * size.Height;
        if (pixels > MaxKeptPixels || size.Width > MaxKeptSide || size.Height > MaxKeptSide)
            return nullptr;
        MakeRoom(pixels);
        SDL_Texture* copy = MakeCopy(quad, picture, size.Width, size.Height);
        if (copy == nullptr) return nullptr;
        kept_.push_back({quad.Key, copy, size.Width, size.Height, frame_});
        keptPixels_ += pixels;
        found = kept_.end() - 1;
    }
    found->LastUsed = frame_;
    target.x = static_cast<int>(std::lround(quad.CentreX - static_cast<float>(found->Width) / 2));
    target.y = static_cast<int>(std::lround(quad.CentreY - static_cast<float>(found->Height) / 2));
    target.w = found->Width;
    target.h = found->Height;
    return found->Copy;
}

bool TSdlTurnedPictures::SeenRecently(const TTurnedQuadKey& key) {
    if (std::find(recent_.begin(), recent_.end(), key) != recent_.end()) return true;
    if (recent_.size() < static_cast<size_t>(RecentKeysKept)) {
        recent_.push_back(key);
    } else {
        recent_[nextRecent_] = key;
        nextRecent_ = (nextRecent_ + 1) % recent_.size();
    }
    return false;
}

// The picture drawn turned into a cleared copy exactly as it would be drawn on the screen, then
// tinted texel by texel once, so that drawing the copy needs no tint (SDL's fast blitters); the
// picture's own state is left as it was.
SDL_Texture* TSdlTurnedPictures::MakeCopy(const TTurnedQuad& quad, SDL_Texture* picture, int width,
                                          int height) {
    std::vector<uint32_t> texels(static_cast<size_t>(width) * height);
    if (!DrawTurned(quad, picture, width, height, texels)) return nullptr;
    TintTexels(texels, quad.Key.Color);
    SDL_Texture* copy = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                          SDL_TEXTUREACCESS_STATIC, width, height);
    if (copy == nullptr) return nullptr;
    SDL_UpdateTexture(copy, nullptr, texels.data(), width * 4);
    return copy;
}

bool TSdlTurnedPictures::DrawTurned(const TTurnedQuad& quad, SDL_Texture* picture, int width,
                                    int height, std::vector<uint32_t>& texels) {
    SDL_Texture* canvas = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                            SDL_TEXTUREACCESS_TARGET, width, height);
    if (canvas == nullptr) return false;
    SDL_Texture* screen = SDL_GetRenderTarget(renderer_);
    if (SDL_SetRenderTarget(renderer_, canvas) != 0) {
        SDL_DestroyTexture(canvas);
        return false;
    }
    Uint8 drawColor[4];
    SDL_GetRenderDrawColor(renderer_, &drawColor[0], &drawColor[1], &drawColor[2], &drawColor[3]);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0);
    SDL_RenderClear(renderer_);
    SDL_SetRenderDrawColor(renderer_, drawColor[0], drawColor[1], drawColor[2], drawColor[3]);

    SDL_BlendMode pictureBlend = SDL_BLENDMODE_BLEND;
    SDL_GetTextureBlendMode(picture, &pictureBlend);
    SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_NONE);
    Uint8 tint[4];
    SDL_GetTextureColorMod(picture, &tint[0], &tint[1], &tint[2]);
    SDL_GetTextureAlphaMod(picture, &tint[3]);
    SDL_SetTextureColorMod(picture, 255, 255, 255);
    SDL_SetTextureAlphaMod(picture, 255);

    // Pixel centres lie on halves for SDL, as on the screen.
    const float cx = static_cast<float>(width) / 2 + 0.5f;
    const float cy = static_cast<float>(height) / 2 + 0.5f;
    const float cosTurn = std::cos(quad.Turn);
    const float sinTurn = std::sin(quad.Turn);
    const float halfW = static_cast<float>(quad.Key.Width) / 2;
    const float halfH = static_cast<float>(quad.Key.Height) / 2;
    const float offsets[4][2] = {
        {-halfW, -halfH}, {halfW, -halfH}, {halfW, halfH}, {-halfW, halfH}};
    const float texCoords[4][2] = {
        {quad.U0, quad.V0}, {quad.U1, quad.V0}, {quad.U1, quad.V1}, {quad.U0, quad.V1}};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        const float x = offsets[i][0] * cosTurn - offsets[i][1] * sinTurn;
        const float y = offsets[i][0] * sinTurn + offsets[i][1] * cosTurn;
        vertices[i] = {{cx + x, cy + y}, {255, 255, 255, 255}, {texCoords[i][0], texCoords[i][1]}};
    }
    static constexpr int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer_, picture, vertices, 4, indices, 6);
    const bool read = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888,
                                           texels.data(), width * 4) == 0;

    SDL_SetTextureColorMod(picture, tint[0], tint[1], tint[2]);
    SDL_SetTextureAlphaMod(picture, tint[3]);
    SDL_SetTextureBlendMode(picture, pictureBlend);
    SDL_SetRenderTarget(renderer_, screen);
    SDL_DestroyTexture(canvas);
    return read;
}

void TSdlTurnedPictures::MakeRoom(int64_t pixels) {
    while (!kept_.empty() && keptPixels_ + pixels > MaxKeptPixels) {
        const auto oldest =
            std::min_element(kept_.begin(), kept_.end(),
                             [](const Kept& a, const Kept& b) { return a.LastUsed < b.LastUsed; });
        Drop(static_cast<size_t>(oldest - kept_.begin()));
    }
}

void TSdlTurnedPictures::Drop(size_t index) {
    keptPixels_ -= static_cast<int64_t>(kept_[index].Width) * kept_[index].Height;
    SDL_DestroyTexture(kept_[index].Copy);
    kept_[index] = kept_.back();
    kept_.pop_back();
}

void TSdlTurnedPictures::Forget(TTextureId texture) {
    for (size_t i = kept_.size(); i-- > 0;)
        if (kept_[i].Key.Texture == texture) Drop(i);
    std::erase_if(recent_, [&](const TTurnedQuadKey& key) { return key.Texture == texture; });
    nextRecent_ = 0;
}

void TSdlTurnedPictures::FrameEnded() {
    ++frame_;
    for (size_t i = kept_.size(); i-- > 0;)
        if (frame_ - kept_[i].LastUsed > ForgetAfterFrames) Drop(i);
}

void TSdlTurnedPictures::Clear() {
    while (!kept_.empty()) Drop(kept_.size() - 1);
    recent_.clear();
    nextRecent_ = 0;
}
