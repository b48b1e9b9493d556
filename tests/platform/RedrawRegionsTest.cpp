// Redrawing only what changed: the areas found between two frames, and the software renderer's
// frames drawn that way matching the same frames drawn whole on a fresh device, pixel by pixel.
#include "platform/RedrawRegions.h"

#include "platform/SdlGraphicsDevice.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

namespace {

constexpr TPixelSize Area{320, 200};

TDrawStep Sprite(float left, float top, float size, uint32_t color = 0xFFFFFFFF,
                 TTextureId texture = 1) {
    TDrawStep step;
    step.Texture = texture;
    step.Generation = texture;
    step.Corners = {TQuadVertex{left, top, color, 0, 0}, TQuadVertex{left + size, top, color, 1, 0},
                    TQuadVertex{left + size, top + size, color, 1, 1},
                    TQuadVertex{left, top + size, color, 0, 1}};
    return step;
}

TDrawStep ClearStep() {
    TDrawStep step;
    step.IsClear = true;
    step.ClearColor = 0xFF000000;
    return step;
}

TEST(ChangedAreas, FindsOnlyWhatMovedAndJoinsWhatTouches) {
    const std::vector<TDrawStep> frame{ClearStep(), Sprite(10, 10, 20), Sprite(150, 80, 20)};
    EXPECT_TRUE(ChangedAreas(frame, frame, Area).empty());

    // One sprite moved a little: its old and new places, joined into one area.
    std::vector<TDrawStep> moved = frame;
    moved[1] = Sprite(14, 10, 20);
    const auto areas = ChangedAreas(frame, moved, Area);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0], (TPixelRect{9, 9, 27, 23}));

    // A new tint or a new picture in the same texture slot is a change too.
    std::vector<TDrawStep> tinted = frame;
    tinted[2].Corners[0].Color = 0x80FFFFFF;
    EXPECT_EQ(ChangedAreas(frame, tinted, Area).size(), 1u);
    std::vector<TDrawStep> newPicture = frame;
    newPicture[2].Generation = 99;
    EXPECT_EQ(ChangedAreas(frame, newPicture, Area).size(), 1u);

    // Two changes far apart stay two areas; a step gone counts where it was.
    std::vector<TDrawStep> both = moved;
    both.pop_back();
    EXPECT_EQ(ChangedAreas(frame, both, Area).size(), 2u);
}

TEST(ChangedAreas, ManyOrLargeChangesRedrawTheWholeArea) {
    const TPixelRect whole{0, 0, Area.Width, Area.Height};
    std::vector<TDrawStep> before{ClearStep()};
    std::vector<TDrawStep> after{ClearStep()};
    for (int i = 0; i < 16; ++i) { // sixteen small changes far apart
        const auto x = static_cast<float>(i % 4 * 80);
        const auto y = static_cast<float>(i / 4 * 50);
        before.push_back(Sprite(x, y, 4));
        after.push_back(Sprite(x, y, 5));
    }
    EXPECT_EQ(ChangedAreas(before, after, Area), std::vector<TPixelRect>{whole});
    // A step put in early shifts every later one: all of them count as changed.
    std::vector<TDrawStep> inserted = before;
    inserted.insert(inserted.begin() + 1, Sprite(300, 180, 3));
    EXPECT_EQ(ChangedAreas(before, inserted, Area), std::vector<TPixelRect>{whole});
    // Another clear colour changes everything.
    std::vector<TDrawStep> cleared = before;
    cleared[0].ClearColor = 0xFF102030;
    EXPECT_EQ(ChangedAreas(before, cleared, Area), std::vector<TPixelRect>{whole});
}

TEST(ChangedAreas, StepsFarOutsideOrBrokenStayWithinTheArea) {
    const TPixelRect bounds = StepBounds(Sprite(-1e9f, -1e9f, 2e9f), Area);
    EXPECT_EQ(bounds, (TPixelRect{0, 0, Area.Width, Area.Height}));
    EXPECT_TRUE(StepBounds(Sprite(500, 500, 10), Area).Empty());
    EXPECT_TRUE(StepBounds(Sprite(NAN, NAN, NAN), Area).Empty() ||
                Overlaps(StepBounds(Sprite(NAN, NAN, NAN), Area), {0, 0, 1, 1}));
}

// The same scene on two devices: one keeps its window pixels and redraws what changed from frame
// to frame, the other draws each frame whole on a fresh surface.
class RedrawnFrames : public ::testing::Test {
protected:
    struct Pictures {
        TTextureId Backdrop = NoTexture;
        TTextureId Ball = NoTexture;
        TTextureId Stripes = NoTexture;
    };

    static std::vector<uint32_t> Pattern(int width, int height, uint32_t seed, bool opaque) {
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const uint32_t value =
                    (static_cast<uint32_t>(x * 37 + y * 91) ^ seed) * 2654435761u;
                const uint32_t alpha = opaque             ? 0xFFu
                                       : (x + y) % 5 == 0 ? 0u
                                                          : 0x40u + (value & 0xBFu);
                pixels[static_cast<size_t>(y) * width + x] = alpha << 24 | (value >> 8 & 0xFFFFFFu);
            }
        return pixels;
    }

    static Pictures Make(TSdlGraphicsDevice& device, uint32_t ballSeed) {
        Pictures pictures;
        const auto backdrop = Pattern(Area.Width, Area.Height, 7, true);
        const auto ball = Pattern(40, 40, ballSeed, false);
        const auto stripes = Pattern(64, 16, 3, false);
        pictures.Backdrop =
            device.CreateTexture("Backdrop", Area.Width, Area.Height, backdrop.data());
        pictures.Ball = device.CreateTexture("Ball", 40, 40, ball.data());
        pictures.Stripes = device.CreateTexture("Stripes", 64, 16, stripes.data());
        return pictures;
    }

    // A w x h picture with its centre at (cx, cy), placed as the screen places sprites, then
    // scaled and turned about its centre.
    static void Quad(TSdlGraphicsDevice& device, TTextureId texture, float cx, float cy, float w,
                     float h, float degrees, uint32_t color, float scale = 1) {
        const float turn = degrees * 3.14159265f / 180;
        const float c = std::cos(turn);
        const float s = std::sin(turn);
        const float left = -w / 2 - 0.5f;
        const float top = -h / 2 - 0.5f;
        const float xs[4] = {left, w / 2, w / 2, left};
        const float ys[4] = {top, top, h / 2, h / 2};
        const float us[4] = {0, 1, 1, 0};
        const float vs[4] = {0, 0, 1, 1};
        TQuadCorners quad;
        for (int i = 0; i < 4; ++i)
            quad[i] = {cx + scale * (xs[i] * c - ys[i] * s), cy + scale * (xs[i] * s + ys[i] * c),
                       color, us[i], vs[i]};
        device.DrawQuad(texture, quad);
    }

    // Frame n of a small scene: a still backdrop, a ball gliding, a band turning and changing its
    // tint, additive light now and then, a stretched band now and then (put in at the end, so the
    // steps before it keep their places and most frames redraw only a part).
    static void DrawFrame(TSdlGraphicsDevice& device, const Pictures& pictures, int n,
                          bool rocking = true) {
        device.Clear(0, 0, 0, 255);
        device.SetBlendMode(0);
        Quad(device, pictures.Backdrop, Area.Width / 2.0f, Area.Height / 2.0f, Area.Width,
             Area.Height, 0, 0xFFFFFFFF);
        // Stretched pictures the ball glides over, cut at the edges of the ball's areas.
        device.SetLinearFilter(n % 2 == 1);
        TQuadCorners band{{20.3f, 50.2f, 0xFFFFFFFF, 0, 0},
                          {300.6f, 50.2f, 0xFFFFFFFF, 1, 0},
                          {300.6f, 90.7f, 0xFFFFFFFF, 1, 1},
                          {20.3f, 90.7f, 0xFFFFFFFF, 0, 1}};
        device.DrawQuad(pictures.Stripes, band);
        TQuadCorners shrunk{{70.3f, 25.1f, 0xFFFFFFFF, 0, 0},
                            {107.9f, 25.1f, 0xFFFFFFFF, 1, 0},
                            {107.9f, 62.6f, 0xFFFFFFFF, 1, 1},
                            {70.3f, 62.6f, 0xFFFFFFFF, 0, 1}};
        device.DrawQuad(pictures.Backdrop, shrunk);
        device.SetLinearFilter(false);
        Quad(device, pictures.Ball, 30.0f + static_cast<float>(n / 2) * 7, 40, 40, 40, 0,
             0xFFFFFFFF);
        device.SetLinearFilter(n % 2 == 0);
        Quad(device, pictures.Stripes, 150, 30, 64, 16, static_cast<float>(n / 3) * 11,
             n % 4 < 2 ? 0xFFFFFFFF : 0xC0FF8080);
        device.SetLinearFilter(false);
        device.SetBlendMode(2);
        Quad(device, pictures.Ball, 60, 90, 40, 40, 0, n % 5 == 3 ? 0x80FFFFFF : 0x20FFFFFF);
        device.SetBlendMode(0);
        if (n % 6 == 4) Quad(device, pictures.Stripes, 100, 100, 64, 16, 0, 0xFFFFFFFF, 1.7f);
        // A large picture rocking between three turns, each kept turned after its second sight.
        if (rocking)
            Quad(device, pictures.Backdrop, 200, 110, Area.Width, Area.Height,
                 static_cast<float>(n % 3) * 7, 0xFFFFFFFF, 0.6f);
    }

    // Frame n drawn whole, after the frames before it drawn whole too (so that the same turns
    // are kept turned as on the device that drew every frame).
    static TFramePixels FreshFrame(int n, bool rocking = true) {
        std::string error;
        auto device = TSdlGraphicsDevice::OpenOffscreen(Area, error);
        EXPECT_NE(device, nullptr) << error;
        const Pictures pictures = Make(*device, 11);
        for (int before = 0; before < n; ++before) {
            DrawFrame(*device, pictures, before, rocking);
            device->EndFrame(true);
            device->RedrawAll();
        }
        DrawFrame(*device, pictures, n, rocking);
        TFramePixels frame;
        EXPECT_TRUE(device->ReadFrame(frame));
        return frame;
    }

    static size_t DifferentPixels(const TFramePixels& a, const TFramePixels& b) {
        if (a.Pixels.size() != b.Pixels.size()) return SIZE_MAX;
        return static_cast<size_t>(std::inner_product(
            a.Pixels.begin(), a.Pixels.end(), b.Pixels.begin(), size_t{0}, std::plus<>(),
            [](uint32_t x, uint32_t y) { return x != y ? 1 : 0; }));
    }
};

TEST_F(RedrawnFrames, LookLikeFramesDrawnWhole) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenOffscreen(Area, error);
    ASSERT_NE(device, nullptr) << error;
    const Pictures pictures = Make(*device, 11);
    for (int n = 0; n < 24; ++n) {
        device->BeginFrame();
        DrawFrame(*device, pictures, n);
        device->EndFrame(true);
        TFramePixels kept;
        ASSERT_TRUE(device->ReadFrame(kept));
        EXPECT_EQ(DifferentPixels(kept, FreshFrame(n)), 0u) << "frame " << n;
    }
}

TEST_F(RedrawnFrames, NewPictureInAReusedSlotIsDrawnAgain) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenOffscreen(Area, error);
    ASSERT_NE(device, nullptr) << error;
    Pictures pictures = Make(*device, 5);
    DrawFrame(*device, pictures, 0, false);
    device->EndFrame(true);
    // The ball's slot gets another ball, drawn exactly where the old one was.
    device->DestroyTexture(pictures.Ball);
    const auto ball = Pattern(40, 40, 11, false);
    ASSERT_EQ(device->CreateTexture("Ball", 40, 40, ball.data()), pictures.Ball);
    DrawFrame(*device, pictures, 0, false);
    device->EndFrame(true);
    TFramePixels kept;
    ASSERT_TRUE(device->ReadFrame(kept));
    EXPECT_EQ(DifferentPixels(kept, FreshFrame(0, false)), 0u);
}

TEST_F(RedrawnFrames, AnAbandonedFrameLeavesTheNextOneWhole) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenOffscreen(Area, error);
    ASSERT_NE(device, nullptr) << error;
    const Pictures pictures = Make(*device, 11);
    DrawFrame(*device, pictures, 0, false);
    device->EndFrame(true);
    // Read back half-way (as screenshots do), then abandoned.
    DrawFrame(*device, pictures, 7, false);
    TFramePixels early;
    ASSERT_TRUE(device->ReadFrame(early));
    device->DrawQuad(NoTexture, {});
    device->EndFrame(false);
    DrawFrame(*device, pictures, 1, false);
    device->EndFrame(true);
    TFramePixels kept;
    ASSERT_TRUE(device->ReadFrame(kept));
    EXPECT_EQ(DifferentPixels(early, FreshFrame(7, false)), 0u);
    EXPECT_EQ(DifferentPixels(kept, FreshFrame(1, false)), 0u);
}

} // namespace
