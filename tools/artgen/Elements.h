#pragma once
// The board's elements and items, drawable at any size: the board cell, the gathering slots,
// the shop and the tutorial all show the same fruit.
#include <cairo.h>

// Draws element `code` (1..18: fruits, sea treasures, flowers, potions) centred on (cx, cy),
// scaled so that a size of 52 fills one board cell.
void DrawElement(cairo_t* cr, int code, double cx, double cy, double size);
// Board items 101..106 (hammer, found flower, multi bubble, key, broom, aerosol).
void DrawSpecialItem(cairo_t* cr, int code, double cx, double cy, double size);
// The spider as an icon (gathering slot, purse).
void DrawSpiderIcon(cairo_t* cr, double cx, double cy, double size);
// A gold-tile frame: layers 1 or 2, wooden or golden (upgraded).
void DrawGoldTile(cairo_t* cr, int layers, bool upgraded, double cx, double cy, double size);
// The collector tools as icons: the bomb (spark 0..1) and the blaster's magic conch (glow 0..1).
void DrawBomb(cairo_t* cr, double cx, double cy, double radius, double spark);
void DrawConch(cairo_t* cr, double cx, double cy, double size, double glow);
// The first island's guardian, the owl, as an icon centred on (cx, cy).
void DrawGuardianIcon(cairo_t* cr, double cx, double cy, double size);
// Crossed chains with a padlock over a cell-sized box centred on (cx, cy).
void DrawChainIcon(cairo_t* cr, double cx, double cy, double size);
// A soap bubble around whatever was drawn inside it.
void DrawBubble(cairo_t* cr, double cx, double cy, double radius);

// The eight fruits are codes 1..8, the flowers 13..16, the potions 17 and 18.
inline constexpr int FirstFlowerCode = 13;
inline constexpr int FirstPotionCode = 17;
