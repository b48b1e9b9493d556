#include "ContactSheet.h"

#include "Style.h"
#include "TextArt.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Columns = 10;
constexpr int CellWidth = 210, CellHeight = 180;
constexpr int ThumbWidth = 196, ThumbHeight = 132;

void Checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.78, 0.8, 0.84);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.9, 0.91, 0.94);
    for (int row = 0; row * 8 < h; ++row)
        for (int col = row % 2; col * 8 < w; col += 2)
            cairo_rectangle(cr, x + col * 8, y + row * 8, 8, 8);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Label(cairo_t* cr, const std::string& text, double cx, double cy, double size, TColor color) {
    TCaptionStyle style;
    style.Fill = color;
    style.OutlineWidth = 0;
    style.ShadowY = 0;
    style.Gradient = false;
    DrawCaption(cr, text, cx, cy, size, style, CellWidth - 8);
}
} // namespace

namespace {

// The tiles of a multi-tile picture re-laid in the column count whose block is closest to the
// shape of a thumbnail cell.
TSurface RelayTiles(cairo_surface_t* picture, const TManifestEntry& entry) {
    const int count = entry.Columns * entry.Rows;
    constexpr int Gap = 2;
    int best = entry.Columns;
    double bestMismatch = 1e9;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const double aspect = static_cast<double>(columns * (entry.TileWidth + Gap)) /
                              (rows * (entry.TileHeight + Gap));
        const double mismatch =
            std::abs(std::log(aspect / (static_cast<double>(ThumbWidth) / ThumbHeight)));
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            best = columns;
        }
    }
    const int rows = (count + best - 1) / best;
    TSurface block = NewSurface(best * (entry.TileWidth + Gap), rows * (entry.TileHeight + Gap));
    TContext cr = NewContext(block.get());
    for (int i = 0; i < count; ++i) {
        const double x = (i % best) * (entry.TileWidth + Gap),
                     y = (i / best) * (entry.TileHeight + Gap);
        cairo_save(cr.get());
        cairo_rectangle(cr.get(), x, y, entry.TileWidth, entry.TileHeight);
        cairo_clip(cr.get());
        cairo_set_source_surface(cr.get(), picture, x - (i % entry.Columns) * entry.TileWidth,
                                 y - (i / entry.Columns) * entry.TileHeight);
        cairo_paint(cr.get());
        cairo_restore(cr.get());
    }
    return block;
}

} // namespace

TSurface MakeThumbnail(cairo_surface_t* picture, const TManifestEntry& entry) {
    TSurface relaid;
    if (entry.Columns * entry.Rows > 1) {
        relaid = RelayTiles(picture, entry);
        picture = relaid.get();
    }
    const double w = cairo_image_surface_get_width(picture);
    const double h = cairo_image_surface_get_height(picture);
    const double scale = std::min({1.0, ThumbWidth / w, ThumbHeight / h});
    const int tw = std::max(1, static_cast<int>(std::lround(w * scale)));
    const int th = std::max(1, static_cast<int>(std::lround(h * scale)));
    TSurface thumb = NewSurface(tw, th);
    TContext cr = NewContext(thumb.get());
    cairo_scale(cr.get(), scale, scale);
    cairo_set_source_surface(cr.get(), picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
    cairo_paint(cr.get());
    return thumb;
}

void WriteContactSheet(const std::vector<TManifestEntry>& entries,
                       const std::vector<TSurface>& thumbnails, const std::string& path) {
    const int rows = (static_cast<int>(entries.size()) + Columns - 1) / Columns;
    TSurface sheet = NewSurface(Columns * CellWidth, rows * CellHeight + 40);
    TContext cr = NewContext(sheet.get());
    SetColor(cr.get(), Palette::DeepSea);
    cairo_paint(cr.get());
    Label(cr.get(), "The Saga of Tovan: every picture (" + std::to_string(entries.size()) + ")",
          Columns * CellWidth / 2.0, 20, 18, Palette::Gold);
    for (size_t i = 0; i < entries.size(); ++i) {
        const double x = static_cast<double>(i % Columns) * CellWidth;
        const double y = 40 + static_cast<double>(i / Columns) * CellHeight;
        cairo_surface_t* thumb = thumbnails[i].get();
        if (thumb) {
            const int tw = cairo_image_surface_get_width(thumb);
            const int th = cairo_image_surface_get_height(thumb);
            const double tx = x + (CellWidth - tw) / 2.0, ty = y + 4 + (ThumbHeight - th) / 2.0;
            Checkerboard(cr.get(), tx, ty, tw, th);
            cairo_set_source_surface(cr.get(), thumb, tx, ty);
            cairo_paint(cr.get());
        }
        const auto& e = entries[i];
        Label(cr.get(), e.Name, x + CellWidth / 2.0, y + ThumbHeight + 16, 13, Palette::White);
        Label(cr.get(),
              e.Folder + "  " + std::to_string(e.Columns) + "x" + std::to_string(e.Rows) + "  " +
                  std::to_string(e.TileWidth) + "x" + std::to_string(e.TileHeight),
              x + CellWidth / 2.0, y + ThumbHeight + 33, 10, Palette::Sky);
    }
    WritePng(sheet.get(), path);
}
