#pragma once
// The review sheet: every picture as a thumbnail on a labelled grid.
#include "Canvas.h"
#include "Manifest.h"

#include <string>
#include <vector>

// A thumbnail of a finished picture, small enough for one grid cell.
TSurface MakeThumbnail(cairo_surface_t* picture);
void WriteContactSheet(const std::vector<TManifestEntry>& entries,
                       const std::vector<TSurface>& thumbnails, const std::string& path);
