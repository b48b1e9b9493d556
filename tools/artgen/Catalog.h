#pragma once
// Which painter draws which picture. Every art unit registers its painters by picture name or
// by a name prefix for numbered families ("Upg", "Scene"); the builder draws each manifest entry
// tile by tile with the painter it finds.
#include "Manifest.h"

#include <cairo.h>
#include <functional>
#include <map>
#include <string>

struct TTile {
    cairo_t* cr;                 // origin at the tile's top-left, clipped to the tile
    const TManifestEntry& Entry; // the picture being drawn
    int Pattern;                 // tile index, row by row from 0
    double W, H;                 // tile size in pixels
};

using TPainter = std::function<void(const TTile&)>;

// A full-screen layer kept at half size and drawn by the game at scale 2: the painter draws
// at the size the player sees, onto the half-size tile.
TPainter AtDoubleSize(TPainter painter);

class TCatalog {
public:
    void Add(const std::string& name, TPainter painter);
    void AddFamily(const std::string& prefix, TPainter painter);
    // The painter of a name: its own, else that of the longest matching family prefix.
    const TPainter* Find(const std::string& name) const;

private:
    std::map<std::string, TPainter> Painters;
    std::map<std::string, TPainter> Families;
};

// Each art unit adds its painters.
void AddElementArt(TCatalog& catalog);
void AddBoardArt(TCatalog& catalog);
void AddEffectArt(TCatalog& catalog);
void AddToolArt(TCatalog& catalog);
void AddRoundArt(TCatalog& catalog);
void AddWidgetArt(TCatalog& catalog);
void AddSceneArt(TCatalog& catalog);
void AddShopArt(TCatalog& catalog);
void AddStickerArt(TCatalog& catalog);
void AddCreatureArt(TCatalog& catalog);
void AddBossArt(TCatalog& catalog);
void AddPortraitArt(TCatalog& catalog);
void AddDecorationArt(TCatalog& catalog);
void AddFontArt(TCatalog& catalog);
void AddIconArt(TCatalog& catalog);

inline TCatalog BuildCatalog() {
    TCatalog catalog;
    AddElementArt(catalog);
    AddIconArt(catalog);
    AddBoardArt(catalog);
    AddEffectArt(catalog);
    AddToolArt(catalog);
    AddRoundArt(catalog);
    AddWidgetArt(catalog);
    AddSceneArt(catalog);
    AddShopArt(catalog);
    AddStickerArt(catalog);
    AddCreatureArt(catalog);
    AddBossArt(catalog);
    AddPortraitArt(catalog);
    AddDecorationArt(catalog);
    AddFontArt(catalog);
    return catalog;
}
