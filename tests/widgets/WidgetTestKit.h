#pragma once
// Widgets drawn for real: an image list on the recording device (every by-name picture goes
// through it too), the sounds they play in order, and the cursor they ask for.
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/SoundByName.h"
#include "platform/RecordingGraphicsDevice.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

struct TSoundLog : TNamedSoundTarget {
    std::vector<std::string> Played;
    void Play(std::string_view name) override { Played.emplace_back(name); }
};

// Colours as the device gets them: the screen's white takes one off every channel.
inline constexpr uint32_t DeviceWhite = 0xFEFEFE;
inline constexpr uint32_t DeviceYellow = 0xFEFE00;
inline constexpr uint32_t DeviceBlack = 0x000000;

// One drawn quad as a test reads it back.
struct TDrawnPicture {
    std::string Name;
    int X = 0; // top-left corner of an unscaled, unturned sprite
    int Y = 0;
    float QuadWidth = 0; // as drawn, half-pixel edge included
    float CenterX = 0;   // middle of the quad
    int Pattern = 0;
    TRect Source;     // picture pixels the quad shows
    int Alpha = 0;    // as handed to the screen (before its colour takes one off)
    uint32_t Rgb = 0; // as the device got it
    int BlendMode = 0;
};

class WidgetTest : public testing::Test {
protected:
    WidgetTest() {
        screen.SetWindow(&device);
        screen.Initialize();
        SetMainImageTarget(&list);
        SetEffectSoundTarget(&sounds);
        SetMouseCursorRequest(mcArrow);
    }
    ~WidgetTest() override {
        SetMainImageTarget(nullptr);
        SetEffectSoundTarget(nullptr);
        SetMouseCursorRequest(mcArrow);
    }

    void AddPicture(const std::string& name, int columns, int rows, int tileWidth, int tileHeight) {
        TImageListItem& item = list.ImageList.Add(name);
        const int width = columns * tileWidth;
        const int height = rows * tileHeight;
        item.SetPicture({width, height, std::vector<uint32_t>(size_t(width) * height, ~0u)});
        item.SetTileWidth(tileWidth);
        item.SetTileHeight(tileHeight);
        item.LoadTexture();
    }

    // One frame of drawing; every quad it drew, in order.
    std::vector<TDrawnPicture> Frame(const std::function<void()>& draw) {
        screen.Clear(0, 0, 0, 255);
        EXPECT_TRUE(screen.BeginScene());
        draw();
        screen.EndScene();
        std::vector<TDrawnPicture> drawn;
        for (const TRecordedQuad& quad : device.Quads) drawn.push_back(Read(quad));
        return drawn;
    }
    static std::vector<TDrawnPicture> Only(const std::vector<TDrawnPicture>& drawn,
                                           std::string_view name) {
        std::vector<TDrawnPicture> result;
        for (const TDrawnPicture& picture : drawn)
            if (picture.Name == name) result.push_back(picture);
        return result;
    }
    // What the mouse asks for after one move the way the form routes it: arrow first.
    template <typename TWidget> TMouseCursor CursorAfterHover(TWidget& widget, int x, int y) {
        SetMouseCursorRequest(mcArrow);
        widget.Hover(x, y);
        return MouseCursorRequest();
    }

    TRecordingGraphicsDevice device{GameSpace};
    TOmegaScreen screen;
    TOmegaImageList list{&screen};
    TSoundLog sounds;

private:
    TDrawnPicture Read(const TRecordedQuad& quad) const {
        TDrawnPicture picture;
        picture.Name = quad.TextureName;
        const TQuadVertex& topLeft = quad.Corners[0];
        const TQuadVertex& bottomRight = quad.Corners[2];
        picture.X = static_cast<int>(std::lround(topLeft.X + 0.5f));
        picture.Y = static_cast<int>(std::lround(topLeft.Y + 0.5f));
        picture.QuadWidth = quad.Corners[1].X - topLeft.X;
        picture.CenterX = (topLeft.X + quad.Corners[1].X) / 2;
        const TImageListItem* item = list.ImageList.Find(picture.Name);
        const auto texel = [](float coordinate, int size) {
            return static_cast<int>(std::lround(coordinate * size));
        };
        const int width = item->TextureWidth();
        const int height = item->TextureHeight();
        picture.Source = {texel(topLeft.U, width), texel(topLeft.V, height),
                          texel(bottomRight.U, width), texel(bottomRight.V, height)};
        picture.Pattern = picture.Source.Top / item->TileHeight() * item->Columns() +
                          picture.Source.Left / item->TileWidth();
        const int alpha = static_cast<int>(topLeft.Color >> 24);
        picture.Alpha = alpha == 0 ? 0 : alpha + 1;
        picture.Rgb = topLeft.Color & 0xFFFFFF;
        picture.BlendMode = quad.BlendMode;
        return picture;
    }
};
