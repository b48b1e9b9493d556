// The two bitmap fonts drawn by the game's own text drawing into an off-screen frame: the ink of
// neighbouring letters keeps the same gap, whatever the letters, so text reads evenly.
#include "engine/BitmapFont.h"
#include "engine/GameCommentClass.h"
#include "engine/GameGlobals.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/ImageDrawing.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/SpriteTileCountClass.h"
#include "platform/SdlGraphicsDevice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int FrameWidth = GameSpace.Width, FrameHeight = 200;

class FontFrame : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        device = TSdlGraphicsDevice::OpenOffscreen({FrameWidth, FrameHeight}, error);
        ASSERT_NE(device, nullptr) << error;
        screen.Width = FrameWidth;
        screen.Height = FrameHeight;
        screen.SetWindow(device.get());
        screen.Initialize();
        list.TileCounts = &tileCounts;
        for (const char* font : {"GlobalFontWhite.png", "CommentFont.png"})
            list.LoadImageFile(TOVAN_GAME_DIR "/Images/", font);
        SetMainImageTarget(&list);
    }
    void TearDown() override { SetMainImageTarget(nullptr); }

    void BeginFrame() {
        screen.Clear(0, 0, 0, 255);
        ASSERT_TRUE(screen.BeginScene());
    }

    // Runs of frame columns that hold bright ink (the letters' fill, not their dark outline).
    std::vector<std::pair<int, int>> InkRuns() {
        TFramePixels frame;
        EXPECT_TRUE(device->ReadFrame(frame));
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < frame.Width; ++x) {
            bool ink = false;
            for (int y = 0; y < frame.Height && !ink; ++y) {
                const uint32_t p = frame.At(x, y);
                ink = std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}) > 140;
            }
            if (!ink) continue;
            if (!runs.empty() && runs.back().second == x - 1)
                runs.back().second = x;
            else
                runs.push_back({x, x});
        }
        return runs;
    }

    // Gaps between neighbouring letters of the same word (a space is no gap between letters).
    std::vector<int> LetterGaps(const std::string& text) {
        const auto runs = InkRuns();
        std::string letters;
        std::vector<bool> afterSpace;
        bool space = false;
        for (char c : text) {
            if (c == ' ') {
                space = true;
                continue;
            }
            letters += c;
            afterSpace.push_back(space);
            space = false;
        }
        EXPECT_EQ(runs.size(), letters.size()) << "every letter should stand apart: " << text;
        std::vector<int> gaps;
        for (size_t i = 1; i < std::min(runs.size(), letters.size()); ++i)
            if (!afterSpace[i]) gaps.push_back(runs[i].first - runs[i - 1].second - 1);
        return gaps;
    }

    static void ExpectEven(const std::vector<int>& gaps, int spread, const std::string& what) {
        ASSERT_FALSE(gaps.empty());
        const auto [low, high] = std::minmax_element(gaps.begin(), gaps.end());
        EXPECT_GE(*low, 1) << what << ": letters touch";
        EXPECT_LE(*high - *low, spread) << what << ": gaps from " << *low << " to " << *high;
    }

    std::unique_ptr<TSdlGraphicsDevice> device;
    TOmegaScreen screen;
    TSpriteTileCount tileCounts;
    TOmegaImageList list{&screen};
};

// Letters without holes between their parts, so that each letter is one run of ink columns.
const std::string GeneralSample = "Tovan builds a Windy Harbour quickly, wow 2024";
const std::string CommentSample = "TIME UP! WELL DONE 1937";

TEST_F(FontFrame, GeneralFontSpacesLettersEvenlyAtEveryRatio) {
    TGlobalGameText text;
    text.TakeFontSize();
    EXPECT_EQ(text.OrigLetterWidth, list.ImageList.Find("GlobalFontWhite")->TileWidth());
    for (const float ratio : {0.56f, 0.7f, 0.88f, 1.0f}) {
        BeginFrame();
        text.DrawText(20, FrameHeight / 2, GeneralSample, ratio, 0, 255, 0, 0);
        ExpectEven(LetterGaps(GeneralSample), 3, "ratio " + std::to_string(ratio));
    }
}

TEST_F(FontFrame, PenIsTheCentreOfTheFirstGlyphCell) {
    TGlobalGameText text;
    text.TakeFontSize();
    BeginFrame();
    text.DrawText(300, FrameHeight / 2, "H", 1.0f, 0, 255, 0, 0);
    const auto runs = InkRuns();
    ASSERT_EQ(runs.size(), 1u);
    // The glyph's ink lies within its advance to the right of the pen.
    EXPECT_GE(runs[0].first, 300);
    EXPECT_LE(runs[0].second, 300 + BaseCharWidth(fkAirstripNormal, 'H'));
}

TEST_F(FontFrame, CommentLettersSpaceEvenly) {
    TGameComment comment;
    comment.LettersImg = "CommentFont";
    comment.TakeSize();
    comment.WaveOnly = true;
    comment.LetterAlphaInc = 255;
    comment.Alignment = alDefined;
    comment.DefinedLeft = 20;
    comment.DefinedTop = 40;
    comment.CenterAdjustX = 0;
    comment.AdditionalHorzSpace = 0; // as the round comments are configured
    for (const float ratio : {0.75f, 1.0f, 1.15f}) {
        comment.LetterSizeRatio = ratio;
        comment.ShowText(CommentSample);
        BeginFrame();
        comment.Update();
        ExpectEven(LetterGaps(CommentSample), 4, "comment ratio " + std::to_string(ratio));
    }
}

} // namespace
