#pragma once
// The review sheet: every picture as a thumbnail on a labelled grid.
#include "Canvas.h"
#include "Manifest.h"

#include <string>
#include <vector>

// A thumbnail of a finished picture, small enough for one grid cell; a long strip of tiles is
// laid out again as a block of tiles so that each stays large enough to judge.
TSurface MakeThumbnail(cairo_surface_t* picture, const TManifestEntry& entry);
void WriteContactSheet(const std::vector<TManifestEntry>& entries,
                       const std::vector<TSurface>& thumbnails, const std::string& path);
