#include "board/BoardTileDrawing.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

void DrawPicture(std::string_view name, int x, int y, const TTileLook& look, int pattern) {
    DrawImage(name, x, y, 0, 0, 0, look.Scale, look.Scale, look.Red, look.Green, look.Blue,
              look.Alpha, pattern);
}

// Uni fruits wobble about their middle.
void DrawUniFruit(int x, int y, const TTileLook& look) {
    if (look.UniFruitCode < 1 || look.UniFruitCode > ecLastFlower) return;
    DrawImage(Pictures::BubbleInside, x, y, 0, 0.5f, 0.5f, look.Scale * (1 + look.UniFruitWobble),
              look.Scale * (1 - look.UniFruitWobble), look.Red, look.Green, look.Blue, look.Alpha,
              look.UniFruitCode - 1);
}

void DrawElement(const TBoardTile& tile, int x, int y, const TTileLook& look) {
    const uint8_t code = tile.ElementCode;
    if (tile.WormState == 2) {
        // The worm ate the element: only its husk is left.
        DrawPicture(Pictures::WormHusk, x, y, look, 0);
    } else if (code == ecUniFruit) {
        DrawUniFruit(x, y, look);
    } else if (IsMatchableCode(code)) {
        DrawPicture(Pictures::ElementsInside, x, y, look, code - 1);
        if (IsPotionCode(code) && look.PotionGlowAlpha > 0)
            DrawImageBlend(Pictures::ElementsInside, x, y, 0, 0, 0, look.Scale, look.Scale, 0, 255,
                           255, look.PotionGlowAlpha, code - 1, BlendAdditiveAlpha);
    } else if (IsItemCode(code)) {
        DrawPicture(Pictures::SpecialItems, x, y, look, code - ecHammerObject);
    }
    if (tile.FruitBomb != 0) DrawPicture(Pictures::FruitBombMark, x, y, look, 0);
    if (tile.WormState == 1) DrawPicture(Pictures::Worm, x, y, look, 0);
}

} // namespace

TTileLook ShadowLook(float scale, uint8_t alpha) {
    TTileLook look;
    look.Scale = scale;
    look.Red = look.Green = look.Blue = 0;
    look.Alpha = alpha;
    return look;
}

bool ShowsBackground(const TBoardTile& tile) {
    return tile.ObjectKind != okUnused || tile.BackgroundStyle != 0;
}

void DrawTileBackground(const TBoardTile& tile, int cellX, int cellY) {
    if (!ShowsBackground(tile)) return;
    DrawImage(Pictures::BackgroundTile, cellX - 2, cellY - 2, 0, 0, 0, 1, 1, 255, 255, 255, 255,
              tile.BackgroundStyle != 0 ? 1 : 0);
}

void DrawTileObject(const TBoardTile& tile, int x, int y, const TTileLook& look) {
    if (tile.ObjectKind == okLocker) {
        if (tile.LockerColor >= 1 && tile.LockerColor <= 3)
            DrawPicture(Pictures::Locker, x, y, look, tile.LockerColor - 1);
    } else if (tile.ObjectKind == okFruit) {
        DrawElement(tile, x, y, look);
    }
}

void DrawTileCovers(const TBoardTile& tile, int x, int y) {
    if (!tile.IsPlayable()) return;
    if (tile.ChainLevel != 0) {
        DrawImage(Pictures::ChainLock, x - 2, y - 2, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
        if (tile.ChainLevel >= 2)
            DrawImage(Pictures::ChainLock, x - 2, y - 2, 0, 0, 0, 1, 1, 255, 255, 255, 255, 5);
    }
    if (tile.Web != 0) DrawImage(Pictures::Web, x - 1, y - 2, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
}

void DrawBoardTile(const TBoardTile& tile, int cellX, int cellY, const TTileLook& look) {
    DrawTileBackground(tile, cellX, cellY);
    DrawTileObject(tile, cellX, cellY, look);
    DrawTileCovers(tile, cellX, cellY);
}

TBoardTile SwappedObjectTile(const TSwappedObjectsData& data, int index) {
    const int side = index == 0 ? 0 : 1;
    TBoardTile tile;
    tile.ObjectKind = data.ObjectKind[side];
    if (tile.ObjectKind == okLocker)
        tile.LockerColor = data.ImageIdx[side];
    else
        tile.ElementCode = data.ImageIdx[side];
    tile.FruitBomb = data.BombFlag[side];
    tile.WormState = data.WormState[side];
    return tile;
}
