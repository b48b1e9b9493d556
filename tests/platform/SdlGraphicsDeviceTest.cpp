// The SDL device drawing for real: off-screen frames read back pixel by pixel, and the game
// window (on SDL's dummy display) letterboxing the game area and mapping the mouse into it.
#include "platform/SdlGraphicsDevice.h"

#include "engine/GameGlobals.h"
#include "platform/SdlEventSource.h"
#include "platform/SdlTurnedPictures.h"
#include "platform/TerminationSignals.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr uint32_t Opaque(uint32_t rgb) {
    return 0xFF000000u | rgb;
}

void FillQuad(TQuadCorners& q, float left, float top, float right, float bottom, uint32_t color) {
    q[0] = {left, top, color, 0, 0};
    q[1] = {right, top, color, 1, 0};
    q[2] = {right, bottom, color, 1, 1};
    q[3] = {left, bottom, color, 0, 1};
}

uint8_t Red(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 16);
}

class OffscreenDevice : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        device = TSdlGraphicsDevice::OpenOffscreen({64, 48}, error);
        ASSERT_NE(device, nullptr) << error;
        device->Clear(0, 0, 0, 255);
        device->BeginFrame();
    }
    uint32_t PixelAt(int x, int y) {
        TFramePixels frame;
        EXPECT_TRUE(device->ReadFrame(frame));
        EXPECT_EQ(frame.Width, 64);
        EXPECT_EQ(frame.Height, 48);
        return frame.At(x, y);
    }
    std::unique_ptr<TSdlGraphicsDevice> device;
};

TEST_F(OffscreenDevice, QuadWithHalfPixelEdgesCoversExactlyItsPixels) {
    // A 10 x 10 sprite at (5, 5), placed as the screen places it.
    TQuadCorners quad;
    FillQuad(quad, 4.5f, 4.5f, 15, 15, Opaque(0xFF0000));
    device->DrawQuad(NoTexture, quad);
    TFramePixels frame;
    ASSERT_TRUE(device->ReadFrame(frame));
    EXPECT_EQ(Red(frame.At(5, 5)), 255);
    EXPECT_EQ(Red(frame.At(14, 14)), 255);
    EXPECT_EQ(Red(frame.At(4, 5)), 0);
    EXPECT_EQ(Red(frame.At(5, 4)), 0);
    EXPECT_EQ(Red(frame.At(15, 14)), 0);
    EXPECT_EQ(Red(frame.At(14, 15)), 0);
}

TEST_F(OffscreenDevice, TexturedQuadShowsTheTextureTintedByItsColour) {
    const uint32_t pixels[4] = {Opaque(0xFF0000), Opaque(0x00FF00), Opaque(0x0000FF),
                                Opaque(0xFFFFFF)};
    const TTextureId texture = device->CreateTexture("Checker", 2, 2, pixels);
    ASSERT_NE(texture, NoTexture);
    EXPECT_EQ(device->TextureSize(texture), (TPixelSize{2, 2}));
    TQuadCorners quad;
    FillQuad(quad, -0.5f, -0.5f, 20, 20, Opaque(0xFFFFFF));
    device->DrawQuad(texture, quad);
    EXPECT_EQ(PixelAt(2, 2) & 0xFFFFFF, 0xFF0000u);         // top-left texel
    EXPECT_EQ(PixelAt(17, 2) & 0xFFFFFF, 0x00FF00u);        // top-right
    EXPECT_EQ(PixelAt(2, 17) & 0xFFFFFF, 0x0000FFu);        // bottom-left
    FillQuad(quad, 29.5f, -0.5f, 50, 20, Opaque(0x808080)); // tinted half grey
    device->DrawQuad(texture, quad);
    EXPECT_NEAR(Red(PixelAt(32, 2)), 128, 2);
}

TEST_F(OffscreenDevice, NormalAndAdditiveBlendModes) {
    TQuadCorners quad;
    FillQuad(quad, -0.5f, -0.5f, 64, 48, Opaque(0x640000)); // red 100 everywhere
    device->DrawQuad(NoTexture, quad);
    device->SetBlendMode(0);
    FillQuad(quad, -0.5f, -0.5f, 10, 10, 0x80C80000); // red 200 at half alpha: 150
    device->DrawQuad(NoTexture, quad);
    device->SetBlendMode(2);
    FillQuad(quad, 19.5f, -0.5f, 30, 10, 0x80640000); // + 100 x 0.5: 150
    device->DrawQuad(NoTexture, quad);
    EXPECT_NEAR(Red(PixelAt(5, 5)), 150, 2);
    EXPECT_NEAR(Red(PixelAt(25, 5)), 150, 2);
    EXPECT_EQ(Red(PixelAt(40, 5)), 100);
}

TEST_F(OffscreenDevice, MirroredAndTurnedQuads) {
    const uint32_t pixels[2] = {Opaque(0xFF0000), Opaque(0x00FF00)};
    const TTextureId texture = device->CreateTexture("RedGreen", 2, 1, pixels);
    TQuadCorners quad;
    // Texture coordinates right to left: a mirrored copy.
    FillQuad(quad, -0.5f, -0.5f, 20, 10, Opaque(0xFFFFFF));
    std::swap(quad[0].U, quad[1].U);
    std::swap(quad[2].U, quad[3].U);
    device->DrawQuad(texture, quad);
    EXPECT_EQ(PixelAt(2, 5) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(PixelAt(17, 5) & 0xFFFFFF, 0xFF0000u);
    // A diamond (the square turned by 45 degrees) about (40, 24).
    quad[0] = {40, 14, Opaque(0x0000FF), 0, 0};
    quad[1] = {50, 24, Opaque(0x0000FF), 1, 0};
    quad[2] = {40, 34, Opaque(0x0000FF), 1, 1};
    quad[3] = {30, 24, Opaque(0x0000FF), 0, 1};
    device->DrawQuad(NoTexture, quad);
    EXPECT_EQ(PixelAt(40, 24) & 0xFF, 0xFFu);
    EXPECT_EQ(PixelAt(32, 16) & 0xFFFFFF, 0u); // outside the diamond, inside its box
}

TEST_F(OffscreenDevice, OpaquePicturesStillBlendWithTranslucentColours) {
    const uint32_t white = 0xFFFFFFFF;
    const TTextureId texture = device->CreateTexture("White", 1, 1, &white);
    TQuadCorners quad;
    FillQuad(quad, -0.5f, -0.5f, 10, 10, 0xFFFFFFFF);
    device->DrawQuad(texture, quad);
    FillQuad(quad, 19.5f, -0.5f, 30, 10, 0x80FFFFFF);
    device->DrawQuad(texture, quad);
    EXPECT_EQ(Red(PixelAt(5, 5)), 255);
    EXPECT_NEAR(Red(PixelAt(25, 5)), 128, 2);
}

TEST_F(OffscreenDevice, DestroyedTextureSlotIsReusedAndDrawsNothing) {
    const uint32_t white = 0xFFFFFFFF;
    const TTextureId first = device->CreateTexture("A", 1, 1, &white);
    device->DestroyTexture(first);
    EXPECT_EQ(device->TextureSize(first), (TPixelSize{}));
    const TTextureId second = device->CreateTexture("B", 1, 1, &white);
    EXPECT_EQ(second, first);
    EXPECT_EQ(device->CreateTexture("Empty", 0, 5, nullptr), NoTexture);
}

// The tests run on SDL's dummy driver (CTest sets it); the game itself must not.
TEST(SdlWindow, AnInvisibleDriverCountsAsNoDisplayUnlessAllowed) {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver == nullptr || std::string(driver) != "dummy")
        GTEST_SKIP() << "not on the dummy driver";
    std::string error;
    EXPECT_EQ(TSdlGraphicsDevice::OpenWindow("Tovan test", {1366, 768}, false, error), nullptr);
    EXPECT_EQ(error.rfind("No display: ", 0), 0u) << error;
    EXPECT_NE(error.find("dummy"), std::string::npos) << error;
}

TEST(SdlWindow, LetterboxesTheGameAreaAndMapsTheMouseIntoIt) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenWindow("Tovan test", GameSpace, false, error, true);
    if (device == nullptr) GTEST_SKIP() << "no display: " << error;
    TSdlEventSource events(device.get());
    SDL_Window* window = SDL_GetWindowFromID(device->WindowId());
    // Twice as wide and 100 pixels taller than twice the height: bars of 50 above and below.
    SDL_SetWindowSize(window, 2 * GameSpace.Width, 2 * GameSpace.Height + 100);
    TPlatformEvent event;
    while (events.WaitEvent(event, 0)) {
    }
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = device->WindowId();
    motion.motion.x = GameSpace.Width;
    motion.motion.y = 50 + GameSpace.Height;
    SDL_PushEvent(&motion);
    bool seen = false;
    for (int i = 0; i < 20 && !seen; ++i)
        if (events.WaitEvent(event, 0) && event.Kind == TEventKind::MouseMove) seen = true;
    ASSERT_TRUE(seen);
    EXPECT_EQ(event.X, GameSpace.Width / 2);
    EXPECT_EQ(event.Y, GameSpace.Height / 2);
}

TEST(SdlWindow, KeysGiveKeyDownAndTheirCharacters) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenWindow("Tovan test", GameSpace, false, error, true);
    if (device == nullptr) GTEST_SKIP() << "no display: " << error;
    TSdlEventSource events(device.get());
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_ESCAPE;
    SDL_PushEvent(&key);
    key.key.keysym.sym = SDLK_F5;
    SDL_PushEvent(&key);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "G\xC3\xA9\xE2\x82\xAC"); // G, e acute, euro (not Latin-1)
    SDL_PushEvent(&text);
    // Alt+Enter is the full-screen key, not an Enter typed.
    key.key.keysym.sym = SDLK_RETURN;
    key.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&key);

    std::vector<TPlatformEvent> got;
    TPlatformEvent event;
    for (int i = 0; i < 30; ++i)
        if (events.WaitEvent(event, 0) &&
            (event.Kind == TEventKind::KeyDown || event.Kind == TEventKind::KeyPress))
            got.push_back(event);
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0].Key, TKey::Escape);
    EXPECT_FALSE(got[0].Alt);
    EXPECT_EQ(got[1].Kind, TEventKind::KeyPress);
    EXPECT_EQ(got[1].Char, 27);
    EXPECT_EQ(got[2].Key, TKey::F5);
    EXPECT_EQ(got[3].Char, 'G');
    EXPECT_EQ(got[4].Char, 0xE9);
    EXPECT_EQ(got[5].Key, TKey::Enter);
    EXPECT_TRUE(got[5].Alt);
}

// Each signal gives one request to end, told apart from a closed window.
TEST(SdlWindow, TerminationSignalsBecomeOneRequestEach) {
    CatchTerminationSignals();
    std::string error;
    auto device = TSdlGraphicsDevice::OpenWindow("Tovan test", GameSpace, false, error, true);
    if (device == nullptr) GTEST_SKIP() << "no display: " << error;
    TSdlEventSource events(device.get());
    TPlatformEvent event;
    while (events.WaitEvent(event, 0)) {
    }
    for (int signal : {SIGTERM, SIGINT}) {
        std::raise(signal);
        int requests = 0;
        for (int i = 0; i < 20; ++i)
            if (events.WaitEvent(event, 1) && event.Kind == TEventKind::TerminateRequested)
                ++requests;
        EXPECT_EQ(requests, 1) << signal;
    }
}

TEST(SdlWindow, AWindowOnASmallDesktopKeepsTheGameShapeAndFits) {
    EXPECT_EQ(FittedWindowSize(GameSpace, {1920, 1050}), GameSpace);
    EXPECT_EQ(FittedWindowSize(GameSpace, GameSpace), GameSpace);
    EXPECT_EQ(FittedWindowSize(GameSpace, {1024, 570}), (TPixelSize{1013, 570}));  // height bound
    EXPECT_EQ(FittedWindowSize(GameSpace, {1024, 1000}), (TPixelSize{1024, 575})); // width bound
    EXPECT_EQ(FittedWindowSize(GameSpace, {0, 0}), GameSpace); // no desktop known
}

} // namespace

// Turned pictures: the software renderer keeps a turned copy once a turn repeats; what it
// shows must not change, and a texture slot given to a new picture must not show the old one.
namespace {

void TurnedQuad(TQuadCorners& q, float cx, float cy, float width, float height, float turn,
                uint32_t color) {
    const float c = std::cos(turn), s = std::sin(turn);
    const float corners[4][2] = {{-width / 2, -height / 2},
                                 {width / 2, -height / 2},
                                 {width / 2, height / 2},
                                 {-width / 2, height / 2}};
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        q[i] = {cx + corners[i][0] * c - corners[i][1] * s,
                cy + corners[i][0] * s + corners[i][1] * c, color, uv[i][0], uv[i][1]};
}

std::vector<uint32_t> HalvesPicture(int width, int height, uint32_t left, uint32_t right) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[y * width + x] = x < width / 2 ? left : right;
    return pixels;
}

class TurnedPictures : public ::testing::Test {
protected:
    static constexpr int Width = 320, Height = 240;
    void SetUp() override {
        std::string error;
        device = TSdlGraphicsDevice::OpenOffscreen({Width, Height}, error);
        ASSERT_NE(device, nullptr) << error;
    }
    TFramePixels DrawFrame(TTextureId texture, float turn, uint32_t color) {
        device->Clear(0, 0, 255, 255);
        device->BeginFrame();
        TQuadCorners quad;
        TurnedQuad(quad, 160, 120, 180, 120, turn, color);
        device->DrawQuad(texture, quad);
        TFramePixels frame;
        EXPECT_TRUE(device->ReadFrame(frame));
        device->EndFrame(false);
        return frame;
    }
    // Pixels whose colour differs by more than blending's rounding.
    static int DifferingPixels(const TFramePixels& a, const TFramePixels& b) {
        constexpr int Rounding = 3;
        int count = 0;
        for (size_t i = 0; i < a.Pixels.size(); ++i)
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(static_cast<int>((a.Pixels[i] >> shift) & 0xFF) -
                             static_cast<int>((b.Pixels[i] >> shift) & 0xFF)) > Rounding) {
                    ++count;
                    break;
                }
        return count;
    }
    std::unique_ptr<TSdlGraphicsDevice> device;
};

TEST_F(TurnedPictures, KeptCopyLooksLikeTheTurnedPicture) {
    const auto pixels = HalvesPicture(90, 60, Opaque(0xFF0000), 0x8000FF00);
    const TTextureId texture = device->CreateTexture("Halves", 90, 60, pixels.data());
    for (const uint32_t tint : {0xFFFFFFFFu, 0x80FFFFFFu, 0xFF808080u}) {
        const TFramePixels turnedEachTime = DrawFrame(texture, 0.3f, tint); // first sight
        DrawFrame(texture, 0.3f, tint);                                     // copy made
        const TFramePixels fromCopy = DrawFrame(texture, 0.3f, tint);
        // The same picture in the same place; at most its rim differs by rounding.
        EXPECT_LT(DifferingPixels(turnedEachTime, fromCopy), 180 * 2 + 120 * 2) << std::hex << tint;
        EXPECT_EQ(fromCopy.At(5, 5), Opaque(0x0000FF)); // nothing around it is drawn
    }
}

TEST_F(TurnedPictures, NewPictureInAFreedSlotIsNotShownAsTheOldCopy) {
    auto pixels = HalvesPicture(90, 60, Opaque(0xFF0000), Opaque(0xFF0000));
    TTextureId texture = device->CreateTexture("Red", 90, 60, pixels.data());
    for (int i = 0; i < 3; ++i) DrawFrame(texture, 0.5f, 0xFFFFFFFF);
    device->DestroyTexture(texture);
    pixels = HalvesPicture(90, 60, Opaque(0x00FF00), Opaque(0x00FF00));
    const TTextureId reused = device->CreateTexture("Green", 90, 60, pixels.data());
    ASSERT_EQ(reused, texture);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(DrawFrame(reused, 0.5f, 0xFFFFFFFF).At(160, 120), Opaque(0x00FF00));
}

// The scene change's rose grows far past the screen while it spins.
TEST_F(TurnedPictures, APictureTurnedFarLargerThanTheScreenIsDrawnAndShowsItsMiddle) {
    const auto pixels = HalvesPicture(256, 256, Opaque(0xFF0000), Opaque(0xFF0000));
    const TTextureId texture = device->CreateTexture("Rose", 256, 256, pixels.data());
    for (const float size : {1300.0f, 1900.0f, 2600.0f})
        for (int frame = 0; frame < 3; ++frame) {
            device->Clear(0, 0, 255, 255);
            device->BeginFrame();
            TQuadCorners quad;
            TurnedQuad(quad, 160, 120, size, size, 0.7f, 0xFFFFFFFF);
            device->DrawQuad(texture, quad);
            TFramePixels shown;
            ASSERT_TRUE(device->ReadFrame(shown));
            device->EndFrame(false);
            EXPECT_EQ(shown.At(160, 120), Opaque(0xFF0000)) << size;
        }
}

// A turn blown up far past the screen, as the transition's spin is, is drawn turned each time:
// no copy of it is kept, however often it repeats.
TEST(TurnedQuadKey, ATurnFarLargerThanTheScreenIsNeverKept) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface, nullptr);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    ASSERT_NE(renderer, nullptr);
    SDL_Texture* picture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 90, 60);
    ASSERT_NE(picture, nullptr);
    {
        TSdlTurnedPictures kept(renderer);
        constexpr float Side = TSdlTurnedPictures::MaxKeptSide * 0.9f;
        TQuadCorners quad;
        TurnedQuad(quad, 32, 32, Side, Side * 0.9f, 0.4f, 0xFFFFFFFF);
        TTurnedQuad turned;
        ASSERT_TRUE(TurnedQuadOf(3, {90, 60}, quad, turned));
        SDL_Rect target{};
        for (int sight = 0; sight < 3; ++sight)
            EXPECT_EQ(kept.Find(turned, picture, target), nullptr);
        EXPECT_EQ(kept.KeptCount(), 0);
    }
    SDL_DestroyTexture(picture);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}

TEST(TurnedQuadKey, OnlyLargeTurnedRectanglesWithOneColourAreKept) {
    const TPixelSize size{180, 120};
    TQuadCorners quad;
    TTurnedQuad turned;
    TurnedQuad(quad, 100, 100, 180, 120, 0.2f, 0xFFFFFFFF);
    ASSERT_TRUE(TurnedQuadOf(7, size, quad, turned));
    EXPECT_EQ(turned.Key.Width, 180);
    EXPECT_EQ(turned.Key.SourceRight, 180);
    EXPECT_NEAR(turned.CentreX, 100, 1e-3);

    TTurnedQuad nearly;
    TurnedQuad(quad, 300, 50, 180, 120, 0.2f + 1e-4f, 0xFFFFFFFF); // elsewhere, a hair more
    ASSERT_TRUE(TurnedQuadOf(7, size, quad, nearly));
    EXPECT_EQ(nearly.Key, turned.Key);
    TurnedQuad(quad, 100, 100, 180, 120, 0.21f, 0xFFFFFFFF); // a corner moves ~1 pixel
    ASSERT_TRUE(TurnedQuadOf(7, size, quad, nearly));
    EXPECT_NE(nearly.Key, turned.Key);

    TurnedQuad(quad, 100, 100, 60, 40, 0.2f, 0xFFFFFFFF); // small: turned each time
    EXPECT_FALSE(TurnedQuadOf(7, size, quad, turned));
    TurnedQuad(quad, 100, 100, 180, 120, 0.2f, 0xFFFFFFFF);
    quad[2].Color = 0x80FFFFFF; // shaded
    EXPECT_FALSE(TurnedQuadOf(7, size, quad, turned));
    TurnedQuad(quad, 100, 100, 180, 120, 0.2f, 0xFFFFFFFF);
    std::swap(quad[1].X, quad[3].X); // mirrored: the same texels, the other way round
    std::swap(quad[1].Y, quad[3].Y);
    EXPECT_FALSE(TurnedQuadOf(7, size, quad, turned));
    TurnedQuad(quad, 100, 100, 180, 120, 0.2f, 0xFFFFFFFF);
    quad[2].X += 15; // not a rectangle
    quad[1].X += 15;
    EXPECT_FALSE(TurnedQuadOf(7, size, quad, turned));
}

} // namespace

// Full screen on a display larger than the game letterboxes the game area into it. The scene
// change's swirl, turned and blown up past the screen, then covers the whole display with
// triangles far larger than the game's own; every pixel still comes from the picture.
class LargeDisplay : public ::testing::TestWithParam<TPixelSize> {};

TEST_P(LargeDisplay, ASwirlOverTheWholeScreenShowsOnlyItsPicture) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenOffscreen(GameSpace, error, GetParam());
    ASSERT_NE(device, nullptr) << error;
    // The swirl's own size; one colour, so any texel read from outside it shows.
    constexpr int Width = 862, Height = 860;
    constexpr uint32_t Swirl = Opaque(0x2080C0);
    std::vector<uint32_t> pixels(static_cast<size_t>(Width) * Height, Swirl);
    const TTextureId texture = device->CreateTexture("TransDark", Width, Height, pixels.data());
    // The memory the picture came from, likely just before SDL's copy, shows another colour.
    std::fill(pixels.begin(), pixels.end(), Opaque(0x00FF00));
    for (const float turn : {51.0f, 200.0f, 333.0f}) {
        for (const float scale : {2.0f, 7.6f, 20.0f}) {
            device->Clear(0, 0, 0, 255);
            device->BeginFrame();
            const float radians = turn * 3.14159265f / 180;
            const float c = std::cos(radians), s = std::sin(radians);
            const float halfW = Width * scale / 2, halfH = Height * scale / 2;
            const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
            TQuadCorners quad;
            for (int i = 0; i < 4; ++i) {
                const float x = corners[i][0] * halfW, y = corners[i][1] * halfH;
                quad[i] = {252 + x * c - y * s, -46 + x * s + y * c, 0xFFFFFFFF,
                           (corners[i][0] + 1) / 2, (corners[i][1] + 1) / 2};
            }
            device->DrawQuad(texture, quad);
            TFramePixels frame;
            ASSERT_TRUE(device->ReadFrame(frame));
            device->EndFrame(false);
            // At twice its size the swirl leaves the far corner uncovered.
            const int foreign = static_cast<int>(
                std::count_if(frame.Pixels.begin(), frame.Pixels.end(),
                              [&](uint32_t p) { return p != Swirl && p != Opaque(0); }));
            EXPECT_EQ(foreign, 0) << "turn " << turn << ", scale " << scale;
            if (scale > 7) {
                EXPECT_EQ(frame.At(frame.Width - 1, frame.Height - 1), Swirl);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FullScreen, LargeDisplay,
                         ::testing::Values(TPixelSize{1366, 768}, TPixelSize{1920, 1080},
                                           TPixelSize{2560, 1440}, TPixelSize{3840, 2160}),
                         [](const auto& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });
