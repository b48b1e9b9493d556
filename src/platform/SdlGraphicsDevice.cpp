#include "platform/SdlGraphicsDevice.h"

#include "platform/QuadClipping.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

struct BlendFactors {
    SDL_BlendFactor Source;
    SDL_BlendFactor Destination;
    SDL_BlendMode Nearest; // what a renderer without custom blending gets instead
};

// The screen's blend modes as source and destination factors (modes 0, 2 and 5 are exact
// built-in modes of every renderer).
BlendFactors FactorsOf(int mode) {
    switch (mode) {
    case 1:
        return {SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD};
    case 2:
        return {SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD};
    case 3:
        return {SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR,
                SDL_BLENDMODE_BLEND};
    case 4:
        return {SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD};
    case 5:
        return {SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDMODE_MOD};
    case 6:
        return {SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDMODE_MOD};
    case 7:
        return {SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR, SDL_BLENDMODE_BLEND};
    case 8:
        return {SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDMODE_BLEND};
    case 9:
        return {SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ZERO, SDL_BLENDMODE_BLEND};
    case 10:
        return {SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDMODE_ADD};
    case 11:
        return {SDL_BLENDFACTOR_DST_COLOR, SDL_BLENDFACTOR_DST_COLOR, SDL_BLENDMODE_MOD};
    case 12:
        return {SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR,
                SDL_BLENDMODE_BLEND};
    case 13:
        return {SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR,
                SDL_BLENDMODE_BLEND};
    default:
        return {SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                SDL_BLENDMODE_BLEND};
    }
}

SDL_BlendFactor AlphaFactorOf(SDL_BlendFactor colorFactor) {
    switch (colorFactor) {
    case SDL_BLENDFACTOR_SRC_COLOR:
        return SDL_BLENDFACTOR_SRC_ALPHA;
    case SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR:
        return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case SDL_BLENDFACTOR_DST_COLOR:
        return SDL_BLENDFACTOR_DST_ALPHA;
    case SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR:
        return SDL_BLENDFACTOR_ONE_MINUS_DST_ALPHA;
    default:
        return colorFactor;
    }
}

// Built-in mode where one is exact, else a composed one; a renderer that refuses it gets the
// nearest built-in mode.
template <typename SetMode> void ApplyBlendMode(int mode, SetMode&& set) {
    if (mode == 0 || mode > 13 || mode < 0) {
        set(SDL_BLENDMODE_BLEND);
        return;
    }
    const BlendFactors factors = FactorsOf(mode);
    if (mode == 2 || mode == 5) {
        set(factors.Nearest);
        return;
    }
    const SDL_BlendMode custom = SDL_ComposeCustomBlendMode(
        factors.Source, factors.Destination, SDL_BLENDOPERATION_ADD, AlphaFactorOf(factors.Source),
        AlphaFactorOf(factors.Destination), SDL_BLENDOPERATION_ADD);
    if (set(custom) != 0) set(factors.Nearest);
}

SDL_Color ColorOf(uint32_t argb) {
    return {static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
            static_cast<Uint8>(argb >> 24)};
}

// Full white reaches the device as 254: no modulation at all lets SDL use its fast blitters,
// and one step in 255 is not visible.
uint32_t WithoutNearWhite(uint32_t color) {
    return (color & 0xFEFEFEFEu) == 0xFEFEFEFEu ? 0xFFFFFFFF : color;
}

// Quads are placed with pixel centres on whole numbers; SDL has them on halves.
SDL_Vertex VertexOf(const TQuadVertex& corner) {
    return {{corner.X + 0.5f, corner.Y + 0.5f}, ColorOf(corner.Color), {corner.U, corner.V}};
}

std::string SdlError(std::string_view what) {
    return std::string(what) + ": " + SDL_GetError();
}

// Drivers SDL falls back to when there is no screen: a window on them is never seen.
bool IsInvisibleDriver(const char* driver) {
    const std::string_view name = driver != nullptr ? driver : "";
    return name.empty() || name == "offscreen" || name == "dummy" || name == "evdev";
}

// A machine without a graphics device node has no GL but one drawn by the CPU; asking for it
// would only load that GL's compiler into the game for nothing (tens of megabytes).
bool HasGraphicsDevice() {
    std::error_code error;
    for (const char* node : {"/dev/dri", "/dev/nvidia0"})
        if (std::filesystem::exists(node, error)) return true;
    return false;
}

// An OpenGL renderer whose GL is itself drawn by the CPU (a virtual display, no GPU driver)
// is slower than SDL's own software renderer.
bool IsCpuDrawnGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 ||
        std::string_view(info.name).find("opengl") == std::string_view::npos)
        return false;
    using GetString = const unsigned char*(SDLCALL*)(unsigned int);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr || SDL_GL_GetCurrentContext() == nullptr) return false;
    constexpr unsigned int GlRenderer = 0x1F01;
    const auto* name = reinterpret_cast<const char*>(getString(GlRenderer));
    if (name == nullptr) return false;
    const std::string_view glName(name);
    return glName.find("llvmpipe") != std::string_view::npos ||
           glName.find("softpipe") != std::string_view::npos ||
           glName.find("Software Rasterizer") != std::string_view::npos;
}

// Shrinks a window that would hang off the usable desktop area and centres it there.
void FitIntoDesktop(SDL_Window* window, TPixelSize gameSize) {
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return;
    // Zero where the window manager has not told the frame's size.
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
    const TPixelSize room{usable.w - left - right, usable.h - top - bottom};
    const TPixelSize size = FittedWindowSize(gameSize, room);
    if (size == gameSize) return;
    SDL_SetWindowSize(window, size.Width, size.Height);
    SDL_SetWindowPosition(window, usable.x + left + (room.Width - size.Width) / 2,
                          usable.y + top + (room.Height - size.Height) / 2);
}

// A window uncovered, resized or shown again may have lost the pixels kept from frame to frame.
int RedrawOnWindowChange(void* device, SDL_Event* event) {
    if (event->type != SDL_WINDOWEVENT) return 1;
    auto* self = static_cast<TSdlGraphicsDevice*>(device);
    if (event->window.windowID != self->WindowId()) return 1;
    switch (event->window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        self->RedrawAll();
        break;
    default:
        break;
    }
    return 1;
}

// An upright copy at another size than its picture's (a turned picture is drawn texel by texel or
// from its kept copy at its own size).
bool IsStretchedUpright(const TQuadCorners& c, TPixelSize size) {
    if (c[0].Y != c[1].Y || c[0].X != c[3].X) return false;
    const float width = std::fabs(c[1].X - c[0].X) - 0.5f;
    const float height = std::fabs(c[3].Y - c[0].Y) - 0.5f;
    const float sourceWidth = std::fabs(c[1].U - c[0].U) * static_cast<float>(size.Width);
    const float sourceHeight = std::fabs(c[3].V - c[0].V) * static_cast<float>(size.Height);
    constexpr float Tolerance = 0.01f;
    return std::fabs(width - sourceWidth) > Tolerance ||
           std::fabs(height - sourceHeight) > Tolerance;
}

} // namespace

TPixelSize FittedWindowSize(TPixelSize gameSize, TPixelSize room) {
    if (room.Width <= 0 || room.Height <= 0) return gameSize;
    if (gameSize.Width <= room.Width && gameSize.Height <= room.Height) return gameSize;
    const double scale = std::min(static_cast<double>(room.Width) / gameSize.Width,
                                  static_cast<double>(room.Height) / gameSize.Height);
    return {std::max(1, static_cast<int>(gameSize.Width * scale)),
            std::max(1, static_cast<int>(gameSize.Height * scale))};
}

TSdlGraphicsDevice::TSdlGraphicsDevice(SDL_Window* window, SDL_Surface* surface,
                                       SDL_Renderer* renderer, TPixelSize gameSize)
    : window_(window), surface_(surface), renderer_(renderer), gameSize_(gameSize) {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer_, &info);
    software_ = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    if (software_) turnedPictures_ = std::make_unique<TSdlTurnedPictures>(renderer_);
    // Plain coloured quads are drawn with one white texel: SDL's software renderer ignores the
    // blend mode of untextured geometry.
    const uint32_t white = 0xFFFFFFFF;
    textures_[NoTexture].Texture =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
    if (textures_[NoTexture].Texture != nullptr)
        SDL_UpdateTexture(textures_[NoTexture].Texture, nullptr, &white, 4);
    if (window_ != nullptr) SDL_AddEventWatch(RedrawOnWindowChange, this);
}

std::unique_ptr<TSdlGraphicsDevice>
TSdlGraphicsDevice::OpenWindow(std::string_view caption, TPixelSize gameSize, bool fullScreen,
                               std::string& error, bool allowInvisibleDriver) {
    // The close box is one close request: the window's own event, without a second one for the
    // last window gone (the second would answer the quit question before the player could).
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = SdlError("No display");
        return nullptr;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!allowInvisibleDriver && IsInvisibleDriver(driver)) {
        error = std::string("No display: only SDL's \"") + driver +
                "\" video driver could be started, which shows nothing (is DISPLAY set?)";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    const std::string title(caption);
    // Hidden until its first frame: full screen asked for before then is in the window's state
    // when the window manager first sees it, which no window manager misses.
    Uint32 flags =
        SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    SDL_Window* window =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         gameSize.Width, gameSize.Height, flags);
    if (window == nullptr) {
        error = SdlError("The game window could not be opened");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    // A hardware renderer first, the software renderer when there is none (or the hardware one
    // is only a GL drawn by the CPU; then frames go to the window without GL as well).
    SDL_Renderer* renderer = nullptr;
    if (HasGraphicsDevice())
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    else
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (renderer != nullptr && IsCpuDrawnGl(renderer)) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) {
        error = SdlError("No compatible graphics device was found");
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    // The game area keeps its size and is letterboxed into whatever the window has; SDL maps
    // mouse positions back into it.
    SDL_RenderSetLogicalSize(renderer, gameSize.Width, gameSize.Height);
    std::unique_ptr<TSdlGraphicsDevice> device(
        new TSdlGraphicsDevice(window, nullptr, renderer, gameSize));
    device->fullScreen_ = fullScreen;
    if (!fullScreen) FitIntoDesktop(window, gameSize);
    device->videoInitialised_ = true;
    device->ChooseFramePicture();
    return device;
}

std::unique_ptr<TSdlGraphicsDevice>
TSdlGraphicsDevice::OpenOffscreen(TPixelSize gameSize, std::string& error, TPixelSize outputSize) {
    if (outputSize.Width < 1 || outputSize.Height < 1) outputSize = gameSize;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, outputSize.Width, outputSize.Height,
                                                          32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        error = SdlError("The off-screen surface could not be made");
        return nullptr;
    }
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (renderer == nullptr) {
        error = SdlError("The software renderer could not be made");
        SDL_FreeSurface(surface);
        return nullptr;
    }
    if (outputSize != gameSize) SDL_RenderSetLogicalSize(renderer, gameSize.Width, gameSize.Height);
    return std::unique_ptr<TSdlGraphicsDevice>(
        new TSdlGraphicsDevice(nullptr, surface, renderer, gameSize));
}

TSdlGraphicsDevice::~TSdlGraphicsDevice() {
    if (window_ != nullptr) SDL_DelEventWatch(RedrawOnWindowChange, this);
    turnedPictures_.reset();
    if (framePicture_ != nullptr) SDL_DestroyTexture(framePicture_);
    for (auto& slot : textures_)
        if (slot.Texture != nullptr) SDL_DestroyTexture(slot.Texture);
    SDL_DestroyRenderer(renderer_);
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
    if (window_ != nullptr) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_DestroyWindow(window_);
    }
    if (videoInitialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TTextureId TSdlGraphicsDevice::CreateTexture(std::string_view, int width, int height,
                                             const uint32_t* pixels) {
    if (width < 1 || height < 1) return NoTexture;
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, width, height);
    if (texture == nullptr) return NoTexture;
    if (pixels != nullptr) SDL_UpdateTexture(texture, nullptr, pixels, width * 4);
    int realWidth = width;
    int realHeight = height;
    SDL_QueryTexture(texture, nullptr, nullptr, &realWidth, &realHeight);

    TTextureId id;
    if (!freeSlots_.empty()) {
        id = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        id = static_cast<TTextureId>(textures_.size());
        textures_.emplace_back();
    }
    textures_[id] = TextureSlot{texture, {realWidth, realHeight}};
    textures_[id].Generation = nextGeneration_++;
    if (pixels != nullptr)
        textures_[id].Opaque = std::all_of(pixels, pixels + static_cast<size_t>(width) * height,
                                           [](uint32_t pixel) { return pixel >= 0xFF000000u; });
    return id;
}

void TSdlGraphicsDevice::DestroyTexture(TTextureId texture) {
    if (texture == NoTexture || texture >= textures_.size()) return;
    TextureSlot& slot = textures_[texture];
    if (slot.Texture == nullptr) return;
    if (turnedPictures_ != nullptr) turnedPictures_->Forget(texture);
    SDL_DestroyTexture(slot.Texture);
    slot = TextureSlot{};
    freeSlots_.push_back(texture);
}

TPixelSize TSdlGraphicsDevice::TextureSize(TTextureId texture) const {
    return texture < textures_.size() ? textures_[texture].Size : TPixelSize{};
}

void TSdlGraphicsDevice::Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    const uint32_t argb = static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(red) << 16 |
                          static_cast<uint32_t>(green) << 8 | blue;
    if (!KeepsSteps()) {
        ClearNow(argb);
        return;
    }
    TDrawStep step;
    step.IsClear = true;
    step.ClearColor = argb;
    steps_.push_back(step);
}

// Within a changed area only that area is cleared: the clip leaves the rest as it is.
void TSdlGraphicsDevice::ClearNow(uint32_t argb) {
    const SDL_Color color = ColorOf(argb);
    SDL_SetRenderDrawColor(renderer_, color.r, color.g, color.b, color.a);
    if (SDL_RenderIsClipEnabled(renderer_)) {
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        SDL_RenderFillRect(renderer_, nullptr);
    } else {
        SDL_RenderClear(renderer_);
    }
    drewThisFrame_ = true;
}

bool TSdlGraphicsDevice::KeepsSteps() const {
    if (!software_ || stepsDrawn_) return false;
    int width = 0;
    int height = 0;
    return SDL_GetRendererOutputSize(renderer_, &width, &height) == 0 &&
           TPixelSize{width, height} == gameSize_;
}

void TSdlGraphicsDevice::ApplyTextureState(TextureSlot& slot, bool unblended) {
    constexpr int NoBlending = -2;
    const int wanted = unblended ? NoBlending : blendMode_;
    if (slot.BlendMode != wanted) {
        if (unblended)
            SDL_SetTextureBlendMode(slot.Texture, SDL_BLENDMODE_NONE);
        else
            ApplyBlendMode(blendMode_, [&](SDL_BlendMode mode) {
                return SDL_SetTextureBlendMode(slot.Texture, mode);
            });
        slot.BlendMode = wanted;
    }
    if (slot.Linear != static_cast<int>(linearFilter_)) {
        SDL_SetTextureScaleMode(slot.Texture,
                                linearFilter_ ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
        slot.Linear = linearFilter_;
    }
}

void TSdlGraphicsDevice::DrawQuad(TTextureId texture, const TQuadCorners& corners) {
    if (!KeepsSteps()) {
        // Drawn past what the frame before knows: the next frame starts afresh.
        redrawAll_ = true;
        DrawQuadNow(texture, corners);
        return;
    }
    TDrawStep step;
    step.Texture = texture;
    step.Generation = texture < textures_.size() ? textures_[texture].Generation : 0;
    step.BlendMode = blendMode_;
    step.Linear = linearFilter_;
    std::copy(std::begin(corners), std::end(corners), step.Corners.begin());
    steps_.push_back(step);
}

void TSdlGraphicsDevice::DrawQuadNow(TTextureId texture, const TQuadCorners& corners) {
    drewThisFrame_ = true;
    TextureSlot& slot = texture < textures_.size() && textures_[texture].Texture != nullptr
                            ? textures_[texture]
                            : textures_[NoTexture];
    if (slot.Texture == nullptr) return;
    if (!QuadFarOutside(corners, gameSize_) &&
        (DrawUprightQuad(slot, corners) || DrawKeptTurn(texture, slot, corners)))
        return;
    ApplyTextureState(slot, false);
    if (slot.ColorMod != 0xFFFFFFFF) {
        SDL_SetTextureColorMod(slot.Texture, 255, 255, 255);
        SDL_SetTextureAlphaMod(slot.Texture, 255);
        slot.ColorMod = 0xFFFFFFFF;
    }
    if (!QuadReachesOutside(corners, gameSize_)) {
        const TTriangle halves[2] = {{corners[0], corners[1], corners[2]},
                                     {corners[0], corners[2], corners[3]}};
        DrawTriangles(slot, halves, 2);
        return;
    }
    TClippedPolygon inside;
    DrawFanAroundCentre(slot, inside.data(), ClipQuad(corners, gameSize_, inside));
}

// Triangles around the polygon's centre, of a polygon cut to the game area.
void TSdlGraphicsDevice::DrawFanAroundCentre(const TextureSlot& slot, const TQuadVertex* corners,
                                             int count) {
    if (count < 3) return;
    constexpr int MaxCorners = std::tuple_size_v<TClippedPolygon>;
    TTriangle fan[MaxCorners];
    const TQuadVertex centre = PolygonCentre(corners, count);
    for (int i = 0; i < count; ++i) fan[i] = {centre, corners[i], corners[(i + 1) % count]};
    DrawTriangles(slot, fan, count);
}

// Every triangle with corners of its own: SDL's software renderer never takes two of them back
// for one rectangle (and one turned copy of the whole picture). Its triangles are cut small
// enough for its texel arithmetic first.
void TSdlGraphicsDevice::DrawTriangles(const TextureSlot& slot, const TTriangle* triangles,
                                       int count) {
    pieces_.clear();
    if (software_) {
        float scaleX = 1;
        float scaleY = 1;
        SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
        for (int i = 0; i < count; ++i)
            SplitForSoftwareRenderer(triangles[i], scaleX, scaleY, slot.Size, pieces_);
    } else {
        pieces_.assign(triangles, triangles + count);
    }
    vertices_.clear();
    indices_.clear();
    for (const TTriangle& piece : pieces_)
        for (const TQuadVertex& corner : piece) {
            indices_.push_back(static_cast<int>(vertices_.size()));
            vertices_.push_back(VertexOf(corner));
        }
    SDL_RenderGeometry(renderer_, slot.Texture, vertices_.data(),
                       static_cast<int>(vertices_.size()), indices_.data(),
                       static_cast<int>(indices_.size()));
}

bool TSdlGraphicsDevice::DrawUprightQuad(TextureSlot& slot, const TQuadCorners& c) {
    const bool upright = c[0].Y == c[1].Y && c[2].Y == c[3].Y && c[0].X == c[3].X &&
                         c[1].X == c[2].X && c[0].V == c[1].V && c[2].V == c[3].V &&
                         c[0].U == c[3].U && c[1].U == c[2].U;
    uint32_t color = c[0].Color;
    if (!upright || c[1].Color != color || c[2].Color != color || c[3].Color != color) return false;
    color = WithoutNearWhite(color);
    // Mirrored corners or texture coordinates become flips of a copy.
    int flip = SDL_FLIP_NONE;
    float left = c[0].X;
    float right = c[1].X;
    float top = c[0].Y;
    float bottom = c[3].Y;
    if (right < left) std::swap(left, right), flip ^= SDL_FLIP_HORIZONTAL;
    if (bottom < top) std::swap(top, bottom), flip ^= SDL_FLIP_VERTICAL;
    if (c[1].U < c[0].U) flip ^= SDL_FLIP_HORIZONTAL;
    if (c[3].V < c[0].V) flip ^= SDL_FLIP_VERTICAL;
    const TPixelSize size = slot.Size.Width > 0 ? slot.Size : TPixelSize{1, 1};
    const float u0 = std::min(c[0].U, c[1].U) * static_cast<float>(size.Width);
    const float u1 = std::max(c[0].U, c[1].U) * static_cast<float>(size.Width);
    const float v0 = std::min(c[0].V, c[3].V) * static_cast<float>(size.Height);
    const float v1 = std::max(c[0].V, c[3].V) * static_cast<float>(size.Height);
    const SDL_Rect source{static_cast<int>(std::lround(u0)), static_cast<int>(std::lround(v0)),
                          static_cast<int>(std::lround(u1 - u0)),
                          static_cast<int>(std::lround(v1 - v0))};
    // The left and top edges lie half a pixel out: the copy covers the same pixels.
    const SDL_FRect target{left + 0.5f, top + 0.5f, right - left - 0.5f, bottom - top - 0.5f};
    if (source.w < 1 || source.h < 1 || target.w <= 0 || target.h <= 0) return true;
    // An opaque picture drawn opaque with normal blending is a plain copy, exactly.
    ApplyTextureState(slot, slot.Opaque && blendMode_ == 0 && (color >> 24) == 0xFF);
    if (slot.ColorMod != color) {
        SDL_SetTextureColorMod(slot.Texture, static_cast<Uint8>(color >> 16),
                               static_cast<Uint8>(color >> 8), static_cast<Uint8>(color));
        SDL_SetTextureAlphaMod(slot.Texture, static_cast<Uint8>(color >> 24));
        slot.ColorMod = color;
    }
    if (flip == SDL_FLIP_NONE)
        SDL_RenderCopyF(renderer_, slot.Texture, &source, &target);
    else
        SDL_RenderCopyExF(renderer_, slot.Texture, &source, &target, 0, nullptr,
                          static_cast<SDL_RendererFlip>(flip));
    return true;
}

bool TSdlGraphicsDevice::DrawKeptTurn(TTextureId texture, const TextureSlot& slot,
                                      const TQuadCorners& corners) {
    TTurnedQuad quad;
    if (turnedPictures_ == nullptr || !TurnedQuadOf(texture, slot.Size, corners, quad))
        return false;
    quad.Key.Color = WithoutNearWhite(quad.Key.Color);
    SDL_Rect target{};
    SDL_Texture* copy = turnedPictures_->Find(quad, slot.Texture, target);
    if (copy == nullptr) return false;
    ApplyBlendMode(blendMode_,
                   [&](SDL_BlendMode mode) { return SDL_SetTextureBlendMode(copy, mode); });
    SDL_RenderCopy(renderer_, copy, nullptr, &target);
    return true;
}

// A frame without steps leaves the window's pixels as they are, as drawing nothing would.
void TSdlGraphicsDevice::DrawChangedAreas() {
    if (stepsDrawn_ || steps_.empty()) return;
    const TPixelRect whole{0, 0, gameSize_.Width, gameSize_.Height};
    const std::vector<TPixelRect> areas =
        redrawAll_ ? std::vector<TPixelRect>{whole}
                   : ChangedAreas(drawnSteps_, steps_, gameSize_,
                                  [this](const TDrawStep& step) { return StretchesPicture(step); });
    const int blendMode = blendMode_;
    const bool linear = linearFilter_;
    for (const TPixelRect& area : areas) DrawStepsInto(area, area == whole);
    blendMode_ = blendMode;
    linearFilter_ = linear;
    drawnSteps_.swap(steps_);
    steps_.clear();
    redrawAll_ = false;
    stepsDrawn_ = true;
}

// A stretched copy comes out differently cut at an area's edge (SDL rounds each cut's stretch
// anew): such a step is drawn again whole or not at all.
bool TSdlGraphicsDevice::StretchesPicture(const TDrawStep& step) const {
    if (step.IsClear || step.Texture == NoTexture || step.Texture >= textures_.size()) return false;
    TQuadCorners corners;
    std::copy(step.Corners.begin(), step.Corners.end(), corners);
    return IsStretchedUpright(corners, textures_[step.Texture].Size);
}

void TSdlGraphicsDevice::DrawStepsInto(const TPixelRect& area, bool wholeFrame) {
    const SDL_Rect clip{area.X, area.Y, area.Width, area.Height};
    SDL_RenderSetClipRect(renderer_, wholeFrame ? nullptr : &clip);
    for (const TDrawStep& step : steps_) {
        if (!wholeFrame && !Overlaps(StepBounds(step, gameSize_), area)) continue;
        if (step.IsClear) {
            ClearNow(step.ClearColor);
            continue;
        }
        blendMode_ = step.BlendMode;
        linearFilter_ = step.Linear;
        TQuadCorners corners;
        std::copy(step.Corners.begin(), step.Corners.end(), corners);
        DrawQuadNow(step.Texture, corners);
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
}

// A frame that changed nothing is not shown again: the window shows it already.
void TSdlGraphicsDevice::EndFrame(bool present) {
    if (present && window_ != nullptr && !shown_) {
        SDL_ShowWindow(window_);
        shown_ = true;
    }
    if (present) {
        DrawChangedAreas();
        if (drewThisFrame_ || !software_) PresentFrame();
    } else {
        steps_.clear();
        redrawAll_ = true;
    }
    stepsDrawn_ = false;
    drewThisFrame_ = false;
    if (turnedPictures_ != nullptr) turnedPictures_->FrameEnded();
    ChooseFramePicture();
}

void TSdlGraphicsDevice::PresentFrame() {
    if (framePicture_ == nullptr) {
        SDL_RenderPresent(renderer_);
        return;
    }
    SDL_SetRenderTarget(renderer_, nullptr);
    if (clearWindow_) {
        // The bands beside the game area: black, drawn once for each new window size.
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        clearWindow_ = false;
    }
    SDL_RenderCopy(renderer_, framePicture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    SDL_SetRenderTarget(renderer_, framePicture_);
}

// Drawn by the CPU into a window of another size than the game's, a frame is drawn at the game's
// size into a picture of its own and shown scaled: only the changes of a frame are drawn, at the
// game's size, and every triangle stays within it. Decided between frames, for the next.
void TSdlGraphicsDevice::ChooseFramePicture() {
    if (!software_ || window_ == nullptr) return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    const bool wanted = TPixelSize{width, height} != gameSize_;
    if (wanted == (framePicture_ != nullptr)) return;
    if (wanted) {
        framePicture_ =
            SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                              gameSize_.Width, gameSize_.Height);
        // Without it the frame is drawn scaled straight into the window, only slower.
        if (framePicture_ == nullptr) return;
        SDL_SetTextureBlendMode(framePicture_, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(framePicture_, SDL_ScaleModeLinear);
        SDL_SetRenderTarget(renderer_, framePicture_);
    } else {
        SDL_SetRenderTarget(renderer_, nullptr);
        SDL_DestroyTexture(framePicture_);
        framePicture_ = nullptr;
    }
    RedrawAll();
}

void TSdlGraphicsDevice::MarkTexturesLost() {
    redrawAll_ = true;
    texturesLost_ = true;
    if (turnedPictures_ != nullptr) turnedPictures_->Clear();
}

bool TSdlGraphicsDevice::ReadFrame(TFramePixels& frame) {
    DrawChangedAreas();
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0 || outputWidth < 1 ||
        outputHeight < 1)
        return false;
    // SDL reads its letterboxed area in output pixels, which its own viewport query rounds
    // otherwise: room for the whole output, in rows as wide as it, whatever it reads.
    std::vector<uint32_t> pixels(static_cast<size_t>(outputWidth) * outputHeight, 0);
    if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                             outputWidth * 4) != 0)
        return false;
    float scaleX = 1;
    float scaleY = 1;
    SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
    constexpr float Rounding = 0.001f;
    frame.Width = std::min(outputWidth, static_cast<int>(gameSize_.Width * scaleX + Rounding));
    frame.Height = std::min(outputHeight, static_cast<int>(gameSize_.Height * scaleY + Rounding));
    frame.Pixels.resize(static_cast<size_t>(frame.Width) * frame.Height);
    for (int y = 0; y < frame.Height; ++y)
        std::copy_n(pixels.begin() + static_cast<ptrdiff_t>(y) * outputWidth, frame.Width,
                    frame.Pixels.begin() + static_cast<ptrdiff_t>(y) * frame.Width);
    return true;
}

void TSdlGraphicsDevice::SetCaption(std::string_view caption) {
    if (window_ != nullptr) SDL_SetWindowTitle(window_, std::string(caption).c_str());
}

void TSdlGraphicsDevice::SetIcon(int width, int height, const uint32_t* pixels) {
    if (window_ == nullptr || width < 1 || height < 1 || pixels == nullptr) return;
    // SDL only reads the pixels while it sets the icon.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(pixels), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) return;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void TSdlGraphicsDevice::SetFullScreen(bool fullScreen) {
    if (window_ == nullptr || fullScreen == fullScreen_) return;
    if (SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        return;
    fullScreen_ = fullScreen;
    if (fullScreen) return;
    SDL_SetWindowSize(window_, gameSize_.Width, gameSize_.Height);
    FitIntoDesktop(window_, gameSize_);
}

void TSdlGraphicsDevice::Minimise() {
    if (window_ != nullptr) SDL_MinimizeWindow(window_);
}

void TSdlGraphicsDevice::ShowCursor(bool show) {
    if (window_ != nullptr) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

std::vector<TPixelSize> TSdlGraphicsDevice::DisplayModes() const {
    std::vector<TPixelSize> modes;
    if (window_ == nullptr) return modes;
    const int display = SDL_GetWindowDisplayIndex(window_);
    const int count = SDL_GetNumDisplayModes(display < 0 ? 0 : display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(display < 0 ? 0 : display, i, &mode) == 0)
            modes.push_back({mode.w, mode.h});
    }
    return modes;
}

std::string TSdlGraphicsDevice::RendererName() const {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer_, &info) == 0 && info.name != nullptr ? info.name : "";
}

uint32_t TSdlGraphicsDevice::WindowId() const {
    return window_ != nullptr ? SDL_GetWindowID(window_) : 0;
}
