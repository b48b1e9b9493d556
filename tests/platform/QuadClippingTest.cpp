// Turned quads reaching past the game area are cut to it without changing what shows: every
// corner of the cut stays inside, with the texture coordinates its place had on the quad.
#include "platform/QuadClipping.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

constexpr TPixelSize Area{1366, 768};

// A square of the given half size around (cx, cy), turned by angle degrees, its texture
// spanning 0..1 on both axes.
void TurnedSquare(TQuadCorners& quad, float cx, float cy, float half, float angle) {
    const float radians = angle * 3.14159265f / 180;
    const float c = std::cos(radians), s = std::sin(radians);
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 4; ++i) {
        const float x = corners[i][0] * half, y = corners[i][1] * half;
        quad[i] = {cx + x * c - y * s, cy + x * s + y * c, 0xFFFFFFFF, (corners[i][0] + 1) / 2,
                   (corners[i][1] + 1) / 2};
    }
}

TEST(QuadClipping, AQuadInsideIsLeftAloneAndOneOutsideLeavesNothing) {
    TQuadCorners quad;
    TurnedSquare(quad, 683, 384, 100, 30);
    EXPECT_FALSE(QuadReachesOutside(quad, Area));
    TClippedPolygon cut;
    EXPECT_EQ(ClipQuad(quad, Area, cut), 4);

    TurnedSquare(quad, -500, 384, 100, 30);
    EXPECT_TRUE(QuadReachesOutside(quad, Area));
    EXPECT_FALSE(QuadFarOutside(quad, Area)) << "a panel sliding in keeps its plain copy";
    EXPECT_EQ(ClipQuad(quad, Area, cut), 0);

    TurnedSquare(quad, 683, 384, 14600, 0); // upright, but far too big for a plain copy
    EXPECT_TRUE(QuadFarOutside(quad, Area));
}

TEST(QuadClipping, AHugeTurnedQuadBecomesTheScreenWithItsOwnTextureCoordinates) {
    TQuadCorners quad;
    const float half = 14600, angle = 57; // the swirl near its largest
    TurnedSquare(quad, 683, 384, half, angle);
    quad[2].Color = 0x00000000; // a colour that runs across the quad
    ASSERT_TRUE(QuadReachesOutside(quad, Area));
    TClippedPolygon cut;
    const int count = ClipQuad(quad, Area, cut);
    ASSERT_EQ(count, 4) << "the screen lies wholly inside: its four corners";
    const float radians = angle * 3.14159265f / 180;
    for (int i = 0; i < count; ++i) {
        const TQuadVertex& v = cut[i];
        EXPECT_TRUE(v.X == 0 || v.X == Area.Width) << v.X;
        EXPECT_TRUE(v.Y == 0 || v.Y == Area.Height) << v.Y;
        // Back into the square's own frame: where this point lies on the texture.
        const float dx = v.X - 683, dy = v.Y - 384;
        const float x = dx * std::cos(radians) + dy * std::sin(radians);
        const float y = -dx * std::sin(radians) + dy * std::cos(radians);
        EXPECT_NEAR(v.U, (x / half + 1) / 2, 1e-4);
        EXPECT_NEAR(v.V, (y / half + 1) / 2, 1e-4);
        EXPECT_NE(v.Color, 0xFFFFFFFFu) << "the colour is carried along too";
    }
    const TQuadVertex centre = PolygonCentre(cut.data(), count);
    EXPECT_NEAR(centre.X, 683, 1e-3);
    EXPECT_NEAR(centre.U, 0.5f, 1e-4);
}

TEST(QuadClipping, ACornerPokingOutAddsTheCornersOfTheCut) {
    TQuadCorners quad;
    TurnedSquare(quad, 0, 0, 100, 45); // a diamond on the top-left corner of the screen
    TClippedPolygon cut;
    const int count = ClipQuad(quad, Area, cut);
    EXPECT_GE(count, 3);
    for (int i = 0; i < count; ++i) {
        EXPECT_GE(cut[i].X, 0);
        EXPECT_GE(cut[i].Y, 0);
    }
}

} // namespace

// A triangle too large for the software renderer's texel arithmetic is cut into pieces that
// cover it exactly, each texel where the whole triangle had it, and each small enough.
TEST(SoftwareTriangles, PiecesCoverTheTriangleWithItsOwnTexels) {
    const TTriangle whole{{{683.5f, 384.5f, 0xFFFFFFFF, 0.5f, 0.5f},
                           {1366.5f, 768.5f, 0xFFFFFFFF, 0.61f, 0.46f},
                           {0.5f, 768.5f, 0xFFFFFFFF, 0.48f, 0.62f}}};
    const auto doubledArea = [](const TTriangle& t) {
        return std::fabs((t[1].X - t[0].X) * (t[2].Y - t[0].Y) -
                         (t[1].Y - t[0].Y) * (t[2].X - t[0].X));
    };
    // The texel the whole triangle has at a point, from its barycentric weights.
    const auto texelAt = [&](float x, float y) {
        const auto weight = [&](int a, int b) {
            const TQuadVertex &p = whole[a], &q = whole[b];
            return ((q.X - p.X) * (y - p.Y) - (q.Y - p.Y) * (x - p.X)) /
                   ((whole[1].X - whole[0].X) * (whole[2].Y - whole[0].Y) -
                    (whole[1].Y - whole[0].Y) * (whole[2].X - whole[0].X));
        };
        const float w0 = weight(1, 2), w1 = weight(2, 0), w2 = weight(0, 1);
        return std::pair{w0 * whole[0].U + w1 * whole[1].U + w2 * whole[2].U,
                         w0 * whole[0].V + w1 * whole[1].V + w2 * whole[2].V};
    };
    for (const float scale : {1.0f, 1.4f, 2.8f, 5.6f}) {
        std::vector<TTriangle> pieces;
        SplitForSoftwareRenderer(whole, scale, scale, {862, 860}, pieces);
        if (scale > 1) {
            EXPECT_GT(pieces.size(), 1u) << scale;
        }
        float area = 0;
        for (const TTriangle& piece : pieces) {
            area += doubledArea(piece);
            // Half pixels of the display, times the largest texel, in SDL's 32 bits.
            EXPECT_LT(4.0 * doubledArea(piece) * scale * scale * 862, 2147483647.0) << scale;
            for (const TQuadVertex& corner : piece) {
                const auto [u, v] = texelAt(corner.X, corner.Y);
                EXPECT_NEAR(corner.U, u, 1e-4f);
                EXPECT_NEAR(corner.V, v, 1e-4f);
            }
        }
        EXPECT_NEAR(area, doubledArea(whole), doubledArea(whole) * 1e-5f) << scale;
    }
}
