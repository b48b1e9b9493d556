// The upgrade slots, the shop window and the picture book's panels.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"
#include "UiKit.h"
#include "World.h"

#include <cmath>

namespace {

// The icon of a work on a round patch of sky; bought works are greyed.
void DrawWorkIcon(const TTile& t, bool bought) {
    const auto icon = [&] {
        const double c = t.W / 2;
        cairo_save(t.cr);
        Ellipse(t.cr, c, c, c - 2, c - 2);
        cairo_clip_preserve(t.cr);
        FillLinear(
            t.cr, 0, 0, 0, t.H,
            {{0, Hex("BEE7FA")}, {0.7, Hex("E8F7FD")}, {0.71, Hex("9ED9A0")}, {1, Hex("6DBB4E")}});
        DrawWork(t.cr, t.Pattern + 1, {10, 10, t.W - 20, t.H - 18});
        cairo_restore(t.cr);
    };
    if (bought)
        PaintGreyed(t.cr, icon, 0.6);
    else
        icon();
}

void DrawGlassCover(const TTile& t) {
    DrawGlass(t.cr, 3, 3, t.W - 6, t.H - 6, t.W / 2 - 3);
    Ellipse(t.cr, t.W / 2, t.H / 2, t.W / 2 - 2, t.H / 2 - 2);
    SetColor(t.cr, Palette::Gold);
    cairo_set_line_width(t.cr, 3);
    cairo_stroke(t.cr);
}

// The shop: title band, the price shelf (icons at y 226) and the purse row (icons at y 399).
void DrawShopWindow(const TTile& t) {
    cairo_t* cr = t.cr;
    DrawFramedPanel(cr, 3, 3, t.W - 8, t.H - 8, 14, 26);
    DrawRibbon(cr, 60, 22, t.W - 120, 40, Hex("2F8FE0"));
    for (const double y : {214.0, 372.0}) {
        RoundedRect(cr, 40, y, t.W - 80, 58, 14);
        cairo_set_source_rgba(cr, 0.55, 0.35, 0.15, 0.2);
        cairo_fill(cr);
    }
    DrawCrest(cr, 44, 44, 26, TCrestIcon::Shell);
}

// Purse kinds: fruit, flower, potion, gold tile, spider.
void DrawElementIcon(const TTile& t) {
    const double c = t.W / 2;
    switch (t.Pattern) {
    case 0:
        DrawElement(t.cr, 2, c, c, t.W);
        break;
    case 1:
        DrawElement(t.cr, FirstFlowerCode + 1, c, c, t.W);
        break;
    case 2:
        DrawElement(t.cr, FirstPotionCode, c, c, t.W);
        break;
    case 3:
        DrawGoldTile(t.cr, 1, false, c, c, t.W);
        break;
    default:
        DrawSpiderIcon(t.cr, c, c, t.W);
    }
}

// What each of the ten upgrades improves, with a rising arrow.
void DrawUpgradeSprite(const TTile& t) {
    const int codes[] = {4, 5, 6, 7, 8, 14, 15, 16, 0, 18};
    const double c = t.W / 2;
    if (codes[t.Pattern] == 0)
        DrawGoldTile(t.cr, 1, true, c - 4, c + 2, t.W * 0.85);
    else
        DrawElement(t.cr, codes[t.Pattern], c - 4, c + 2, t.W * 0.85);
    PaintGlossy(t.cr,
                [&](cairo_t* k) {
                    cairo_move_to(k, t.W - 12, 4);
                    cairo_line_to(k, t.W - 2, 16);
                    cairo_line_to(k, t.W - 8, 16);
                    cairo_line_to(k, t.W - 8, 26);
                    cairo_line_to(k, t.W - 16, 26);
                    cairo_line_to(k, t.W - 16, 16);
                    cairo_line_to(k, t.W - 22, 16);
                    cairo_close_path(k);
                },
                Hex("43A047"), {});
}

// The picture book's progress: 0 frame, 1 fill, 2 glass.
void DrawProgressTube(const TTile& t) {
    cairo_t* cr = t.cr;
    if (t.Pattern == 0) {
        DrawWoodBoard(cr, 2, 2, t.W - 6, t.H - 6, 20);
        RoundedRect(cr, 22, 14, t.W - 44, t.H - 28, (t.H - 28) / 2);
        SetColor(cr, Hex("1C3550"));
        cairo_fill(cr);
        return;
    }
    if (t.Pattern == 1) {
        RoundedRect(cr, 22, 14, t.W - 44, t.H - 28, (t.H - 28) / 2);
        FillLinear(cr, 0, 14, 0, t.H - 14, {{0, Hex("B9F6CA")}, {1, Hex("2E9E4F")}});
        return;
    }
    DrawGlass(cr, 22, 14, t.W - 44, t.H - 28, (t.H - 28) / 2);
}

} // namespace

void AddShopArt(TCatalog& catalog) {
    catalog.Add("BuySlotIcons", [](const TTile& t) { DrawWorkIcon(t, false); });
    catalog.Add("BuySlotIcons_Gray", [](const TTile& t) { DrawWorkIcon(t, true); });
    catalog.Add("BuySlotGlassCover", DrawGlassCover);
    catalog.Add("ShopWindow", DrawShopWindow);
    catalog.Add("ElementIcons", DrawElementIcon);
    catalog.Add("ShopUpgradeSprites", DrawUpgradeSprite);
    catalog.Add("BookProgressTube", DrawProgressTube);
    catalog.Add("BookBottomPanel",
                [](const TTile& t) { DrawFramedPanel(t.cr, 3, 3, t.W - 8, t.H - 8, 12, 24); });
}
