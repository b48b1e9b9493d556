#pragma once
// The graphics device: textured, coloured quads in game pixels, blend modes, clear and present,
// plus the window it shows in. The SDL device draws for real (in a window or off-screen); the
// recording device keeps every quad of a frame for tests.
#include <cstdint>
#include <string_view>
#include <vector>

// 0 is no texture: the quad is filled with its vertex colours.
using TTextureId = uint32_t;
inline constexpr TTextureId NoTexture = 0;

struct TPixelSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TPixelSize&, const TPixelSize&) = default;
};

// One corner of a quad: position in game pixels, ARGB colour, texture coordinates 0..1.
struct TQuadVertex {
    float X = 0;
    float Y = 0;
    uint32_t Color = 0xFFFFFFFF;
    float U = 0;
    float V = 0;
};

// Corners in the order top-left, top-right, bottom-right, bottom-left.
using TQuadCorners = TQuadVertex[4];

// A whole frame read back from the device, ARGB row by row.
struct TFramePixels {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

class TGraphicsDevice {
public:
    virtual ~TGraphicsDevice() = default;

    // Pixels are ARGB (alpha in the top byte), width x height, row by row. Returns NoTexture
    // when the device cannot make it.
    virtual TTextureId CreateTexture(std::string_view name, int width, int height,
                                     const uint32_t* pixels) = 0;
    virtual void DestroyTexture(TTextureId texture) = 0;
    // The texture's real size, which may be larger than the picture it was made from.
    virtual TPixelSize TextureSize(TTextureId texture) const = 0;

    // Blend mode numbers as the screen knows them (0 normal alpha, 2 additive by alpha, ...).
    virtual void SetBlendMode(int mode) = 0;
    virtual void SetLinearFilter(bool linear) = 0;
    virtual void Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) = 0;
    // Textures were lost (the driver reset the device): the owner must make them again.
    virtual bool NeedsRestore() const = 0;
    virtual void Restored() = 0;
    virtual void BeginFrame() = 0;
    virtual void DrawQuad(TTextureId texture, const TQuadCorners& corners) = 0;
    // Ends the frame; shows it when present is true.
    virtual void EndFrame(bool present) = 0;
    // The frame drawn so far (before its present). False when the device cannot read back.
    virtual bool ReadFrame(TFramePixels& frame) = 0;

    // The size of the game area every quad is placed in.
    virtual TPixelSize GameSize() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    // The window's icon for the desktop's task bar and switcher: ARGB pixels, row by row.
    virtual void SetIcon(int width, int height, const uint32_t* pixels) = 0;
    virtual void SetFullScreen(bool fullScreen) = 0;
    virtual bool FullScreen() const = 0;
    // Minimises the window to the desktop's task bar.
    virtual void Minimise() = 0;
    virtual void ShowCursor(bool show) = 0;
    // Every display mode the main display lists.
    virtual std::vector<TPixelSize> DisplayModes() const = 0;
};
