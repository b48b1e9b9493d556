// The game's emblem for desktops (menus, docks, the window's icon): a strawberry on a round sea
// badge with a golden rim and a wave, drawn at each icon size so that the small ones stay bold.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"

#include <algorithm>

namespace {

void DrawEmblem(const TTile& t) {
    cairo_t* cr = t.cr;
    const double size = std::min(t.W, t.H);
    const double cx = t.W / 2;
    const double cy = t.H / 2;
    // Small icons need a thicker rim and less margin to read at all.
    const double rim = std::max(1.5, size * 0.06);
    const double radius = size / 2 - std::max(0.5, size * 0.02);

    Ellipse(cr, cx, cy, radius, radius);
    SetColor(cr, Palette::Gold);
    cairo_fill(cr);
    const double inner = radius - rim;
    Ellipse(cr, cx, cy, inner, inner);
    FillRadial(cr, cx - inner * 0.3, cy - inner * 0.4, inner * 0.1, inner * 1.3,
               {{0, Palette::Sky}, {0.55, Palette::SeaBlue}, {1, Palette::DeepSea}});

    // The wave across the lower third, clipped to the badge.
    cairo_save(cr);
    Ellipse(cr, cx, cy, inner, inner);
    cairo_clip(cr);
    const double waveTop = cy + inner * 0.35;
    cairo_move_to(cr, cx - inner, waveTop);
    cairo_curve_to(cr, cx - inner * 0.5, waveTop - inner * 0.25, cx - inner * 0.1,
                   waveTop + inner * 0.2, cx + inner * 0.4, waveTop - inner * 0.05);
    cairo_curve_to(cr, cx + inner * 0.7, waveTop - inner * 0.15, cx + inner * 0.9,
                   waveTop - inner * 0.1, cx + inner, waveTop);
    cairo_line_to(cr, cx + inner, cy + inner);
    cairo_line_to(cr, cx - inner, cy + inner);
    cairo_close_path(cr);
    FillLinear(cr, 0, waveTop - inner * 0.2, 0, cy + inner,
               {{0, Hex("4FC3F7")}, {1, Hex("0E5C9E")}});
    cairo_restore(cr);

    constexpr int Strawberry = 2;
    // The fruit fills most of the badge: at 16 pixels it is the one thing that shows.
    DrawElement(cr, Strawberry, cx, cy - inner * 0.05, inner * (size <= 32 ? 1.9 : 1.65));
}

} // namespace

void AddIconArt(TCatalog& catalog) {
    catalog.AddFamily("TovanIcon", DrawEmblem);
}
