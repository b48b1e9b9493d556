#pragma once
// The game's graphics device on SDL_Renderer: a framed window of the game's size (or the desktop in
// full screen, letterboxed), or an off-screen software renderer on a surface for tests and tools.
#include "platform/GraphicsDevice.h"
#include "platform/QuadClipping.h"
#include "platform/RedrawRegions.h"
#include "platform/SdlTurnedPictures.h"

#include <memory>
#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;
struct SDL_Vertex;

// The windowed size for the game: the game's own size, or on a desktop with less room (its usable
// area without panels and the window's frame) the largest size of the same shape that fits.
TPixelSize FittedWindowSize(TPixelSize gameSize, TPixelSize room);

class TSdlGraphicsDevice : public TGraphicsDevice {
public:
    // Opens the game window, framed and resizable; nullptr and the reason in error when no display
    // can be used. SDL's off-screen and dummy video drivers show nothing to a player, so they count
    // as no display unless a test allows them.
    static std::unique_ptr<TSdlGraphicsDevice> OpenWindow(std::string_view caption,
                                                          TPixelSize gameSize, bool fullScreen,
                                                          std::string& error,
                                                          bool allowInvisibleDriver = false);
    // Draws with SDL's software renderer into a surface: no window, no display needed. A larger
    // output size letterboxes the game area into it, as full screen on a larger display does.
    static std::unique_ptr<TSdlGraphicsDevice>
    OpenOffscreen(TPixelSize gameSize, std::string& error, TPixelSize outputSize = {});
    ~TSdlGraphicsDevice() override;
    TSdlGraphicsDevice(const TSdlGraphicsDevice&) = delete;
    TSdlGraphicsDevice& operator=(const TSdlGraphicsDevice&) = delete;

    TTextureId CreateTexture(std::string_view name, int width, int height,
                             const uint32_t* pixels) override;
    void DestroyTexture(TTextureId texture) override;
    TPixelSize TextureSize(TTextureId texture) const override;

    void SetBlendMode(int mode) override { blendMode_ = mode; }
    void SetLinearFilter(bool linear) override { linearFilter_ = linear; }
    void Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) override;
    bool NeedsRestore() const override { return texturesLost_; }
    void Restored() override { texturesLost_ = false; }
    void BeginFrame() override {}
    void DrawQuad(TTextureId texture, const TQuadCorners& corners) override;
    void EndFrame(bool present) override;
    bool ReadFrame(TFramePixels& frame) override;

    TPixelSize GameSize() const override { return gameSize_; }
    void SetCaption(std::string_view caption) override;
    void SetIcon(int width, int height, const uint32_t* pixels) override;
    void SetFullScreen(bool fullScreen) override;
    bool FullScreen() const override { return fullScreen_; }
    void Minimise() override;
    void ShowCursor(bool show) override;
    std::vector<TPixelSize> DisplayModes() const override;

    // The driver dropped the renderer's textures (device or targets reset).
    void MarkTexturesLost();
    // The next frame is drawn whole (the window was uncovered, resized or its pixels lost).
    void RedrawAll() {
        redrawAll_ = true;
        clearWindow_ = true;
    }
    bool IsSoftware() const { return software_; }
    // SDL's name of the renderer drawing the frames ("software", "opengl", ...).
    std::string RendererName() const;
    uint32_t WindowId() const;

private:
    struct TextureSlot {
        SDL_Texture* Texture = nullptr;
        TPixelSize Size;
        int BlendMode = -1;
        int Linear = -1;
        uint32_t ColorMod = 0xFFFFFFFF; // ARGB last given to the texture
        bool Opaque = false;            // every texel has alpha 255
        uint32_t Generation = 0;        // tells a new picture in this slot from the one before
    };
    TSdlGraphicsDevice(SDL_Window* window, SDL_Surface* surface, SDL_Renderer* renderer,
                       TPixelSize gameSize);
    // Blend mode (none at all when unblended) and filter, set only on change.
    void ApplyTextureState(TextureSlot& slot, bool unblended);
    // An upright quad of one colour is a plain (scaled, maybe mirrored) copy: much faster than
    // triangles in the software renderer. False when the quad is turned or shaded.
    bool DrawUprightQuad(TextureSlot& slot, const TQuadCorners& corners);
    void DrawFanAroundCentre(const TextureSlot& slot, const TQuadVertex* corners, int count);
    void DrawTriangles(const TextureSlot& slot, const TTriangle* triangles, int count);
    // A turned picture drawn as its kept turned copy; false when none is kept for it.
    bool DrawKeptTurn(TTextureId texture, const TextureSlot& slot, const TQuadCorners& corners);
    void PresentFrame();
    void ChooseFramePicture();
    void DrawQuadNow(TTextureId texture, const TQuadCorners& corners);
    void ClearNow(uint32_t argb);
    // The software renderer keeps the frame's steps and at its end draws only where they differ
    // from the frame before; the window's pixels stay from one frame to the next.
    bool KeepsSteps() const;
    void DrawChangedAreas();
    bool StretchesPicture(const TDrawStep& step) const;
    void DrawStepsInto(const TPixelRect& area, bool wholeFrame);

    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    TPixelSize gameSize_;
    bool software_ = false;
    bool fullScreen_ = false;
    bool shown_ = false;
    bool videoInitialised_ = false;
    bool texturesLost_ = false;
    int blendMode_ = 0;
    bool linearFilter_ = false;
    std::vector<TextureSlot> textures_{1}; // slot 0 is NoTexture
    std::vector<TTextureId> freeSlots_;
    std::unique_ptr<TSdlTurnedPictures> turnedPictures_; // software renderer only
    uint32_t nextGeneration_ = 1;
    std::vector<TDrawStep> steps_;      // this frame's, not drawn yet
    std::vector<TDrawStep> drawnSteps_; // the frame on screen
    bool redrawAll_ = true;
    bool stepsDrawn_ = false; // this frame's steps are on screen already (read back early)
    bool drewThisFrame_ = false;
    SDL_Texture* framePicture_ = nullptr; // the frame at the game's size, shown scaled
    bool clearWindow_ = true;
    // Kept from quad to quad so that drawing allocates nothing.
    std::vector<TTriangle> pieces_;
    std::vector<SDL_Vertex> vertices_;
    std::vector<int> indices_;
};
