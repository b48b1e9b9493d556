#include "Catalog.h"
#include "Style.h"
#include "TextArt.h"

// Until a picture has its own painter it is drawn as a labelled card, so that the game folder is
// always complete.
void AddDecorationArt(TCatalog& catalog) {
    catalog.AddFamily("", [](const TTile& t) {
        RoundedRect(t.cr, 1, 1, t.W - 2, t.H - 2, 6);
        SetColor(t.cr, WithAlpha(Palette::SeaBlue, 0.6));
        cairo_fill(t.cr);
        DrawCaption(t.cr, t.Entry.Name, t.W / 2, t.H / 2, 14, {}, t.W - 4);
    });
}
