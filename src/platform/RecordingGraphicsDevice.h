#pragma once
// A graphics device for tests: draws nothing and keeps every quad of the current frame, with
// the texture's name, corners, colours, texture coordinates and blend mode.
#include "platform/GraphicsDevice.h"

#include <deque>
#include <string>

struct TRecordedQuad {
    TTextureId Texture = NoTexture;
    std::string_view TextureName; // valid while the texture exists
    TQuadVertex Corners[4];
    int BlendMode = 0;
    bool LinearFilter = false;
};

class TRecordingGraphicsDevice : public TGraphicsDevice {
public:
    explicit TRecordingGraphicsDevice(TPixelSize gameSize) : gameSize_(gameSize) {}

    // Quads of the frame begun last, in drawing order.
    std::vector<TRecordedQuad> Quads;
    // Round texture sizes up to powers of two (at least 2), as some devices do.
    bool PowerOfTwoTextures = false;
    // Counters and last values, for tests of what reached the device.
    int BlendModeCalls = 0;
    int CurrentBlendMode = 0;
    bool LinearFilter = false;
    uint32_t ClearColor = 0;
    int FramesBegun = 0;
    int FramesPresented = 0;
    int FramesAbandoned = 0;
    bool TexturesLost = false;
    std::vector<TPixelSize> Modes;
    std::string Caption;
    int IconWidth = 0; // the last icon given, 0 before any
    bool CursorShown = true;
    int Minimised = 0; // times minimised

    // Quads drawn with the named texture, in drawing order.
    std::vector<TRecordedQuad> QuadsOf(std::string_view textureName) const;
    int LiveTextureCount() const;
    // A texture of that name has been made and not destroyed.
    bool HasLiveTexture(std::string_view name) const;

    TTextureId CreateTexture(std::string_view name, int width, int height,
                             const uint32_t* pixels) override;
    void DestroyTexture(TTextureId texture) override;
    TPixelSize TextureSize(TTextureId texture) const override;
    void SetBlendMode(int mode) override;
    void SetLinearFilter(bool linear) override { LinearFilter = linear; }
    void Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) override;
    bool NeedsRestore() const override { return TexturesLost; }
    void Restored() override { TexturesLost = false; }
    void BeginFrame() override;
    void DrawQuad(TTextureId texture, const TQuadCorners& corners) override;
    void EndFrame(bool present) override;
    bool ReadFrame(TFramePixels&) override { return false; }
    TPixelSize GameSize() const override { return gameSize_; }
    void SetCaption(std::string_view caption) override { Caption = caption; }
    void SetIcon(int width, int, const uint32_t*) override { IconWidth = width; }
    void SetFullScreen(bool fullScreen) override { fullScreen_ = fullScreen; }
    bool FullScreen() const override { return fullScreen_; }
    void Minimise() override { ++Minimised; }
    void ShowCursor(bool show) override { CursorShown = show; }
    std::vector<TPixelSize> DisplayModes() const override { return Modes; }

private:
    struct RecordedTexture {
        std::string Name;
        TPixelSize Size;
        bool Alive = false;
    };
    TPixelSize gameSize_;
    bool fullScreen_ = false;
    std::deque<RecordedTexture> textures_{RecordedTexture{}}; // stable names; slot 0 unused
    std::vector<std::string_view> names_{std::string_view{}}; // the names, by texture id
};
