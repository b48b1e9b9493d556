// Sprites through the recording device: quad corners, texture coordinates, colours and blend
// modes exactly as the screen hands them to the graphics device.
#include "engine/GameGlobals.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingGraphicsDevice.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class Sprites : public ::testing::Test {
protected:
    void SetUp() override {
        screen.SetWindow(&device);
        screen.Initialize();
        horse = &AddPicture("Horse", 400, 100, 100, 100); // 4 x 1 tiles
        BeginFrame();
    }
    TImageListItem& AddPicture(const std::string& name, int width, int height, int tileWidth,
                               int tileHeight) {
        TImageListItem& item = list.ImageList.Add(name);
        item.SetPicture({width, height, std::vector<uint32_t>(size_t(width) * height, 0xFFFFFFFF)});
        item.SetTileWidth(tileWidth);
        item.SetTileHeight(tileHeight);
        item.LoadTexture();
        return item;
    }
    void BeginFrame() {
        screen.Clear(0, 0, 0, 255);
        ASSERT_TRUE(screen.BeginScene());
    }
    const TRecordedQuad& Last() const { return device.Quads.back(); }
    static void ExpectCorner(const TQuadVertex& v, float x, float y) {
        EXPECT_NEAR(v.X, x, 1e-3) << "y " << v.Y;
        EXPECT_NEAR(v.Y, y, 1e-3) << "x " << v.X;
    }
    static void ExpectTex(const TQuadVertex& v, float u, float vv) {
        EXPECT_NEAR(v.U, u, 1e-6);
        EXPECT_NEAR(v.V, vv, 1e-6);
    }

    TRecordingGraphicsDevice device{GameSpace};
    TOmegaScreen screen;
    TOmegaImageList list{&screen};
    TImageListItem* horse = nullptr;
};

TEST_F(Sprites, TileQuadHasHalfPixelLeftAndTopEdges) {
    horse->Draw(10, 20, 2);
    ASSERT_EQ(device.Quads.size(), 1u);
    const TRecordedQuad& q = Last();
    EXPECT_EQ(q.TextureName, "Horse");
    ExpectCorner(q.Corners[0], 9.5f, 19.5f);
    ExpectCorner(q.Corners[1], 110, 19.5f);
    ExpectCorner(q.Corners[2], 110, 120);
    ExpectCorner(q.Corners[3], 9.5f, 120);
    ExpectTex(q.Corners[0], 0.5f, 0);
    ExpectTex(q.Corners[2], 0.75f, 1);
    // White reaches the device as 254 with the screen's white.
    EXPECT_EQ(q.Corners[0].Color, 0xFEFEFEFEu);
}

TEST_F(Sprites, PatternsPastTheEndDrawTheLastTileAndMinus999DrawsNothing) {
    horse->DrawEx(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, 17, 2);
    ExpectTex(Last().Corners[0], 0.75f, 0);
    EXPECT_EQ(Last().BlendMode, 2);
    const int blendCalls = device.BlendModeCalls;
    horse->DrawEx(0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, -999, 0);
    EXPECT_EQ(device.Quads.size(), 1u);
    EXPECT_EQ(screen.BlendMode(), 2); // not even the blend mode changes
    EXPECT_EQ(device.BlendModeCalls, blendCalls);
}

TEST_F(Sprites, WholePictureUsesPictureCoordinatesOnATileSizedQuad) {
    device.PowerOfTwoTextures = true;
    TImageListItem& item = AddPicture("Back", 300, 200, 100, 50);
    EXPECT_EQ(item.TextureWidth(), 512);
    item.DrawEx(0, 0, 0, 0.5f, 0.5f, 1, 1, 255, 255, 255, 255, -1, 0);
    const TRecordedQuad& q = Last();
    ExpectTex(q.Corners[2], 300.0f / 512, 200.0f / 256);
    ExpectCorner(q.Corners[2], 100, 50); // the quad keeps the tile size
    // Tiles divide by the real texture size too.
    item.Draw(0, 0, 4);
    ExpectTex(Last().Corners[0], 100.0f / 512, 50.0f / 256);
}

TEST_F(Sprites, RotationAboutTheCentreOrTheTopLeftCorner) {
    horse->DrawEx(0, 0, 90, 0.5f, 0.5f, 1, 1, 255, 255, 255, 255, 0, 0);
    // About (50, 50): the top-left corner (-0.5, -0.5) goes to the top-right.
    ExpectCorner(Last().Corners[0], 100.5f, -0.5f);
    ExpectCorner(Last().Corners[2], -0.0f, 100);
    horse->DrawEx(0, 0, 90, 0, 0, 1, 1, 255, 255, 255, 255, 0, 0);
    // About (0, 0): the bottom-right corner (100, 100) goes to (-100, 100).
    ExpectCorner(Last().Corners[2], -100, 100);
}

TEST_F(Sprites, ScaleZeroIsOneAndNegativeScaleMirrors) {
    horse->DrawEx(100, 100, 0, 0.5f, 0.5f, 0, 2, 255, 255, 255, 255, 0, 0);
    ExpectCorner(Last().Corners[0], 99.5f, 49); // x unscaled, y doubled about 150
    ExpectCorner(Last().Corners[2], 200, 250);
    horse->DrawEx(100, 100, 0, 0.5f, 0.5f, -1, 1, 255, 255, 255, 255, 0, 0);
    ExpectCorner(Last().Corners[0], 200.5f, 99.5f);
    ExpectCorner(Last().Corners[1], 100, 99.5f);
}

TEST_F(Sprites, FlipsExchangeTextureCorners) {
    horse->DrawColored(0, 0, 0, 0, 0, 1, 1, 0x80FF0000, true, false, 0, 0);
    ExpectTex(Last().Corners[0], 0, 1);
    ExpectTex(Last().Corners[2], 0.25f, 0);
    EXPECT_EQ(Last().Corners[0].Color, 0x7FFE0000u);
    horse->DrawColored(0, 0, 0, 0, 0, 1, 1, 0xFF00FF00, true, true, 0, 0);
    ExpectTex(Last().Corners[0], 0.25f, 1);
    ExpectTex(Last().Corners[1], 0, 1);
    // A system colour (blue in the high byte) becomes opaque ARGB.
    horse->DrawColored(0, 0, 0, 0, 0, 1, 1, 0x0000FF, false, false, 0, 0);
    EXPECT_EQ(Last().Corners[0].Color, 0xFEFE0000u);
}

TEST_F(Sprites, DrawRectDrawsTheSourceRectangleAtItsOwnSize) {
    horse->DrawRect({50, 10, 150, 60}, 5, 5, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, false, 0, 0);
    ExpectCorner(Last().Corners[0], 4.5f, 4.5f);
    ExpectCorner(Last().Corners[2], 105, 55);
    ExpectTex(Last().Corners[0], 50.0f / 400, 0.1f);
    ExpectTex(Last().Corners[2], 150.0f / 400, 0.6f);
}

TEST_F(Sprites, BlendModeReachesTheDeviceOnlyOnChange) {
    const int calls = device.BlendModeCalls;
    screen.SetBlendMode(2);
    screen.SetBlendMode(2);
    screen.SetBlendMode(-1);
    EXPECT_EQ(device.BlendModeCalls, calls + 1);
    EXPECT_EQ(device.CurrentBlendMode, 2);
}

TEST_F(Sprites, ScreenWideTransformAndColour) {
    screen.OffsetX = 10;
    screen.Red = 128;
    horse->Draw(0, 0, 0);
    ExpectCorner(Last().Corners[0], 9.5f, -0.5f);
    EXPECT_EQ(Last().Corners[0].Color, 0xFE7FFEFEu);
    screen.OffsetX = 0;
    screen.ScaleX = screen.ScaleY = 2;
    screen.CenterX = 100;
    horse->Draw(100, 0, 0);
    ExpectCorner(Last().Corners[1], 300, -1);
}

TEST_F(Sprites, ByNameHelpersGoToTheMainImageList) {
    SetMainImageTarget(&list);
    DrawImage("Horse", 1, 2, 0, 0, 0, 1, 1, 255, 255, 255, 255, 1);
    DrawImageBlend("Horse", 1, 2, 0, 0, 0, 1, 1, 255, 255, 255, 255, 1, 2);
    DrawImage("NoSuchPicture", 1, 2, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    EXPECT_EQ(device.QuadsOf("Horse").size(), 2u);
    EXPECT_EQ(device.Quads.size(), 2u); // an unknown name draws nothing
    EXPECT_EQ(ImageTileSize("Horse"), (TPoint{100, 100}));
    EXPECT_EQ(ImageTileWidth("NoSuchPicture"), 0);
    // In development a missing picture shows as an outlined box with its name.
    list.MarkMissingPictures = true;
    DrawImage("Web", 30, 40, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    EXPECT_EQ(device.Quads.size(), 2u + 4 + 3);
    ExpectCorner(device.Quads[2].Corners[0], 29.5f, 39.5f);
    EXPECT_EQ(device.QuadsOf("MissingPictureFont").size(), 3u);
    SetMainImageTarget(nullptr);
}

TEST_F(Sprites, NothingReachesTheDeviceOutsideAScene) {
    screen.EndScene();
    EXPECT_EQ(device.FramesPresented, 1);
    horse->Draw(0, 0, 0);
    EXPECT_TRUE(device.Quads.empty());
    BeginFrame();
    screen.AbandonScene();
    EXPECT_EQ(device.FramesAbandoned, 1);
    EXPECT_FALSE(screen.SceneBegun());
}

TEST_F(Sprites, LostTexturesAreMadeAgainBeforeTheNextScene) {
    screen.EndScene();
    device.TexturesLost = true;
    EXPECT_FALSE(screen.BeginScene()); // the restoring frame draws nothing
    EXPECT_FALSE(device.TexturesLost);
    EXPECT_EQ(device.LiveTextureCount(), 1);
    BeginFrame();
    horse->Draw(0, 0, 0);
    EXPECT_EQ(Last().TextureName, "Horse");
}

} // namespace
