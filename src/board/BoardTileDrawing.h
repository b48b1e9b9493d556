#pragma once
// Drawing one tile of a board grid by picture name, the same way wherever a grid is shown: by
// the board itself and by every effect that animates a copy of it.
#include "board/GameData.h"

#include <cstdint>

// How the object of a tile is drawn. The defaults draw it as it lies on the board.
struct TTileLook {
    float Scale = 1; // about the tile's top-left corner
    uint8_t Red = 255;
    uint8_t Green = 255;
    uint8_t Blue = 255;
    uint8_t Alpha = 255;
    uint8_t UniFruitCode = 1;    // the element every uni fruit shows
    float UniFruitWobble = 0;    // w: a uni fruit's bubble is 1 + w wide and 1 - w high
    uint8_t PotionGlowAlpha = 0; // the cyan glow over potions; 0 draws none
};

// A shadow of the object: the same sprite tinted black.
TTileLook ShadowLook(float scale, uint8_t alpha);

// Whether a cell shows a background tile (every cell but the empty holes).
bool ShowsBackground(const TBoardTile& tile);
// The cell's background tile; (cellX, cellY) is the cell's top-left.
void DrawTileBackground(const TBoardTile& tile, int cellX, int cellY);
// What the tile holds: a closed locker, an element, a uni fruit, an item; with its fruit-bomb
// mark and its worm, or the husk a worm left. (x, y) is the object's top-left.
void DrawTileObject(const TBoardTile& tile, int x, int y, const TTileLook& look = {});
// The chain and the web laid over a locker or an element at (x, y).
void DrawTileCovers(const TBoardTile& tile, int x, int y);
// Background, object and covers of a tile whose cell starts at (cellX, cellY).
void DrawBoardTile(const TBoardTile& tile, int cellX, int cellY, const TTileLook& look = {});

// The tile one side of a swap description stands for (index 0 the first object, 1 the second).
TBoardTile SwappedObjectTile(const TSwappedObjectsData& data, int index);
