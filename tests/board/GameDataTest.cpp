#include <gtest/gtest.h>

#include <cstddef>

#include "board/GameData.h"

namespace {

size_t TileOffset(const TBoardData& grid, int x, int y) {
    return reinterpret_cast<const std::byte*>(&grid(x, y)) -
           reinterpret_cast<const std::byte*>(&grid);
}

TEST(GameData, RecordsKeepTheirByteLayout) {
    EXPECT_EQ(offsetof(TBoardTile, WormState), 7u);
    EXPECT_EQ(offsetof(TBoardTile, WormTime), 8u);
    EXPECT_EQ(offsetof(TBoardTile, BlasterCode), 12u);
    EXPECT_EQ(offsetof(TBoardTile, FallOffset), 16u);

    TBoardData grid;
    EXPECT_EQ(TileOffset(grid, 1, 1), 0u);
    EXPECT_EQ(TileOffset(grid, 2, 1), 240u);
    EXPECT_EQ(TileOffset(grid, 16, 12), 3820u);

    TSimpleObjectArray mask;
    EXPECT_EQ(&mask(3, 5) - &mask(1, 1), (3 - 1) * 12 + (5 - 1));

    EXPECT_EQ(offsetof(TSwappedObjectsData, Object2Pos), 8u);
    EXPECT_EQ(offsetof(TSwappedObjectsData, ObjectKind), 16u);
    EXPECT_EQ(offsetof(TSwappedObjectsData, IsSpecial), 18u);
    EXPECT_EQ(offsetof(TSwappedObjectsData, ImageIdx), 20u);
    EXPECT_EQ(offsetof(TSwappedObjectsData, BombFlag), 22u);
    EXPECT_EQ(offsetof(TSwappedObjectsData, WormState), 24u);
}

TEST(GameData, EnumerationsKeepTheirOrdinals) {
    EXPECT_EQ(okUnused, 4);
    EXPECT_EQ(mdNone, 3);
    EXPECT_EQ(ieGoldTile2, 16);
    EXPECT_EQ(laSE, 7);
    EXPECT_EQ(fkAirstripNormal, 1);
}

TEST(GameData, SpecialObjectsAndMatchableCodes) {
    TBoardTile tile;
    tile.ElementCode = 5;
    EXPECT_FALSE(IsSpecialObject(tile));
    tile.FruitBomb = 1;
    EXPECT_TRUE(IsSpecialObject(tile));
    tile.FruitBomb = 0;
    for (int code : {0, 101, 103, 106}) {
        tile.ElementCode = static_cast<uint8_t>(code);
        EXPECT_TRUE(IsSpecialObject(tile)) << code;
        EXPECT_FALSE(IsMatchableCode(code)) << code;
    }
    EXPECT_TRUE(IsMatchableCode(1));
    EXPECT_TRUE(IsMatchableCode(18));
    EXPECT_FALSE(IsMatchableCode(19));
    EXPECT_FALSE(IsMatchableCode(255));
}

TEST(GameData, ElementSetIsAByteBitSet) {
    TFlowerIdxSet set = DefaultElementSet();
    EXPECT_TRUE(set.Has(1));
    EXPECT_TRUE(set.Has(8));
    EXPECT_FALSE(set.Has(0));
    EXPECT_FALSE(set.Has(9));
    EXPECT_EQ(set.Bits[0], 0b1111'1110);
    EXPECT_EQ(set.Bits[1], 0b0000'0001);
    set.Include(255);
    EXPECT_TRUE(set.Has(255));
    EXPECT_FALSE(set.Has(256));
    EXPECT_FALSE(set.Has(-1));
}

TEST(GameData, ScreenPointsMapToTiles) {
    EXPECT_EQ(ScreenToTile(266, 95, 266, 95), (TPoint{1, 1}));
    EXPECT_EQ(ScreenToTile(266, 95, 266 + 51, 95 + 51), (TPoint{1, 1}));
    EXPECT_EQ(ScreenToTile(266, 95, 266 + 52, 95), (TPoint{2, 1}));
    EXPECT_EQ(ScreenToTile(266, 95, 266 + 16 * 52 - 1, 95 + 12 * 52 - 1), (TPoint{16, 12}));
    // Left of, above, right of and below the board: no tile.
    EXPECT_EQ(ScreenToTile(266, 95, 265, 100), (TPoint{}));
    EXPECT_EQ(ScreenToTile(266, 95, 300, 94), (TPoint{}));
    EXPECT_EQ(ScreenToTile(266, 95, 200, -400), (TPoint{}));
    EXPECT_EQ(ScreenToTile(266, 95, 266 + 16 * 52, 100), (TPoint{}));
    EXPECT_EQ(ScreenToTile(266, 95, 300, 95 + 12 * 52), (TPoint{}));
}

TEST(GameData, UsedAreaIsCentred) {
    TBoardData grid;
    for (auto& column : grid.Cells)
        for (auto& tile : column) tile.ObjectKind = okFruit;
    EXPECT_EQ(CenteredBoardOrigin(grid), (TPoint{266, 95}));

    for (auto& column : grid.Cells)
        for (auto& tile : column) tile = TBoardTile{okUnused};
    grid(3, 2).ObjectKind = okFruit;
    grid(10, 9).ObjectKind = okUnused;
    grid(10, 9).BackgroundStyle = 1; // a visible hole counts as used
    // Columns 3..10 and rows 2..9 sit centred on (682, 407).
    const TPoint origin = CenteredBoardOrigin(grid);
    EXPECT_EQ(origin, (TPoint{266 + 26 * 4, 95 + 26 * 2}));
    EXPECT_EQ(origin.X + (3 - 1) * 52 + (8 * 52) / 2, 682);
    EXPECT_EQ(origin.Y + (2 - 1) * 52 + (8 * 52) / 2, 407);
}

} // namespace
