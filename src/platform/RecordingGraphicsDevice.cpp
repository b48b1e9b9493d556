#include "platform/RecordingGraphicsDevice.h"

#include <algorithm>

namespace {
int PowerOfTwoAtLeast(int value) {
    int size = 2;
    while (size < value) size *= 2;
    return size;
}
} // namespace

std::vector<TRecordedQuad> TRecordingGraphicsDevice::QuadsOf(std::string_view textureName) const {
    std::vector<TRecordedQuad> result;
    for (const auto& quad : Quads)
        if (quad.TextureName == textureName) result.push_back(quad);
    return result;
}

int TRecordingGraphicsDevice::LiveTextureCount() const {
    int count = 0;
    for (const auto& texture : textures_) count += texture.Alive ? 1 : 0;
    return count;
}

bool TRecordingGraphicsDevice::HasLiveTexture(std::string_view name) const {
    return std::any_of(textures_.begin(), textures_.end(), [name](const RecordedTexture& texture) {
        return texture.Alive && texture.Name == name;
    });
}

TTextureId TRecordingGraphicsDevice::CreateTexture(std::string_view name, int width, int height,
                                                   const uint32_t*) {
    if (width < 1 || height < 1) return NoTexture;
    TPixelSize size{width, height};
    if (PowerOfTwoTextures) size = {PowerOfTwoAtLeast(width), PowerOfTwoAtLeast(height)};
    textures_.push_back({std::string(name), size, true});
    names_.push_back(textures_.back().Name);
    return static_cast<TTextureId>(textures_.size() - 1);
}

void TRecordingGraphicsDevice::DestroyTexture(TTextureId texture) {
    if (texture != NoTexture && texture < textures_.size()) textures_[texture].Alive = false;
}

TPixelSize TRecordingGraphicsDevice::TextureSize(TTextureId texture) const {
    return texture < textures_.size() && textures_[texture].Alive ? textures_[texture].Size
                                                                  : TPixelSize{};
}

void TRecordingGraphicsDevice::SetBlendMode(int mode) {
    ++BlendModeCalls;
    CurrentBlendMode = mode;
}

void TRecordingGraphicsDevice::Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    ClearColor = (uint32_t{alpha} << 24) | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

void TRecordingGraphicsDevice::BeginFrame() {
    ++FramesBegun;
    Quads.clear();
}

void TRecordingGraphicsDevice::DrawQuad(TTextureId texture, const TQuadCorners& corners) {
    Quads.push_back({texture,
                     texture < names_.size() ? names_[texture] : std::string_view{},
                     {corners[0], corners[1], corners[2], corners[3]},
                     CurrentBlendMode,
                     LinearFilter});
}

void TRecordingGraphicsDevice::EndFrame(bool present) {
    if (present)
        ++FramesPresented;
    else
        ++FramesAbandoned;
}
