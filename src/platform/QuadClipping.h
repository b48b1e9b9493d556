#pragma once
// Cutting a turned quad down to the part inside the game area. Without a graphics card SDL draws
// a turned rectangle by turning a copy of the whole picture at its drawn size first, so a picture
// scaled far past the screen (the scene switch's swirl reaches 30,000 pixels) would cost
// gigabytes and seconds a frame; cut to the screen, it is drawn as triangles that cost no more
// than the screen.
#include "platform/GraphicsDevice.h"

#include <array>
#include <vector>

// A convex quad cut by a rectangle has at most eight corners.
using TClippedPolygon = std::array<TQuadVertex, 8>;

// True when a corner lies outside 0..Width x 0..Height.
bool QuadReachesOutside(const TQuadCorners& quad, TPixelSize area);
// True when a corner lies more than a whole area beyond an edge: too big even for SDL's plain
// copy, which scales the whole picture to its drawn size first.
bool QuadFarOutside(const TQuadCorners& quad, TPixelSize area);
// The part of the quad inside the area, its texture coordinates and colours carried along;
// returns the number of corners (0 when nothing is inside).
int ClipQuad(const TQuadCorners& quad, TPixelSize area, TClippedPolygon& polygon);
// The corners' average, with the texture coordinates and colour that belong there.
TQuadVertex PolygonCentre(const TQuadVertex* corners, int count);

// SDL's software renderer finds a triangle's texels from the triangle's doubled area in half
// output pixels times the texel position of its last corner, in 32 bits (SDL 2.26): a large
// triangle on a large display overflows it and reads far outside the picture. Such a triangle is
// cut in halves along its longest edge until every piece stays well inside that product; the
// pieces show the same picture.
using TTriangle = std::array<TQuadVertex, 3>;
void SplitForSoftwareRenderer(const TTriangle& triangle, float outputScaleX, float outputScaleY,
                              TPixelSize textureSize, std::vector<TTriangle>& pieces);
