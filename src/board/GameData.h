#pragma once
// The game's shared vocabulary: enumerations, element codes, the tile record, the board grid and
// the small records the board exchanges with its effects. Plain bytes with value semantics: a
// grid is copied by copying it.
#include <cstdint>
#include <cstring>
#include <functional>

#include "engine/Geometry.h"
#include "engine/TextKinds.h"   // the font and language kinds belong to the vocabulary too
#include "engine/WidgetKinds.h" // and so do the mouse buttons and the question buttons

// ---- Enumerations (one byte each, ordinal 0 first) ----

enum TGameObjective : uint8_t { goNormalMode, goBossMode };
enum TTileObjectKind : uint8_t { okLocker, okFruit, okTempBlank, okBlocker, okUnused };
enum TToolKind : uint8_t { toNone, toMagicKey, toBroom, toAerosol };
enum TNewToolKind : uint8_t { tlNone, tlHammer, tlBomb, tlBlaster };
enum TTileKind : uint8_t { tkStandard, tkUpgraded };
enum TMedalKind : uint8_t { mdBronze, mdSilver, mdGold, mdNone };
enum TElementKind : uint8_t { elFruit, elFlower, elPotion, elGoldTile, elSpider };
enum TIndividualElementKind : uint8_t {
    iePotion1,
    iePotion2,
    ieFruit1,
    ieFruit2,
    ieFruit3,
    ieFruit4,
    ieFruit5,
    ieFruit6,
    ieFruit7,
    ieFruit8,
    ieFlower1,
    ieFlower2,
    ieFlower3,
    ieFlower4,
    ieSpider,
    ieGoldTile1,
    ieGoldTile2
};
inline constexpr int IndividualElementKindCount = 17;
enum TGameBoardActiveMode : uint8_t { amNormal, amFindFlower };
enum TRelaxedMode : uint8_t { rmNotInitialized, rmYes, rmNo };

// ---- Element codes a tile holds ----

inline constexpr uint8_t ecUniFruit = 0;
inline constexpr uint8_t ecFirstFruit = 1; // 1 bananas .. 8 guavas
inline constexpr uint8_t ecLastFruit = 8;
inline constexpr uint8_t ecFirstExtra = 9; // four further elements: match, but earn nothing
inline constexpr uint8_t ecLastExtra = 12;
inline constexpr uint8_t ecFirstFlower = 13;
inline constexpr uint8_t ecLastFlower = 16;
inline constexpr uint8_t ecPotion1 = 17;
inline constexpr uint8_t ecPotion2 = 18;
inline constexpr uint8_t ecHammerObject = 101;
inline constexpr uint8_t ecFoundFlower = 102;
inline constexpr uint8_t ecMultiBubble = 103;
inline constexpr uint8_t ecMagicKeyItem = 104;
inline constexpr uint8_t ecBroomItem = 105;
inline constexpr uint8_t ecAerosolItem = 106;
inline constexpr uint8_t ecShuffleMark = 255; // only ever inside the shuffle

constexpr bool IsMatchableCode(int code) { return code >= 1 && code <= ecPotion2; }
constexpr bool IsFruitCode(int code) { return code >= ecFirstFruit && code <= ecLastFruit; }
constexpr bool IsFlowerCode(int code) { return code >= ecFirstFlower && code <= ecLastFlower; }
constexpr bool IsPotionCode(int code) { return code == ecPotion1 || code == ecPotion2; }
constexpr bool IsItemCode(int code) { return code >= ecHammerObject && code <= ecAerosolItem; }
constexpr bool IsToolItemCode(int code) { return code >= ecMagicKeyItem && code <= ecAerosolItem; }
// The one mapping of a tool item on the board to the tool it fills: 104 the magic key, 105 the
// broom, 106 the aerosol; toNone for any other code.
constexpr TToolKind ToolKindOfItem(int code) {
    return IsToolItemCode(code) ? static_cast<TToolKind>(code - ecMagicKeyItem + toMagicKey)
                                : toNone;
}

// ---- Board geometry ----

inline constexpr int BoardColumns = 16;
inline constexpr int BoardRows = 12;
inline constexpr int TileSize = 52;

constexpr bool IsBoardCell(int x, int y) {
    return x >= 1 && x <= BoardColumns && y >= 1 && y <= BoardRows;
}
constexpr bool IsBoardCell(TPoint p) { return IsBoardCell(p.X, p.Y); }

// ---- Tile record (20 bytes; the same layout in memory, in the grid and in level files) ----

struct TBoardTile {
    uint8_t ObjectKind = okLocker; // TTileObjectKind
    uint8_t BackgroundStyle = 0;   // 0 plain, otherwise the alternate background
    uint8_t LockerColor = 0;       // 1..3 for okLocker
    uint8_t ElementCode = 0;
    uint8_t Web = 0;        // a spider web covers the tile
    uint8_t ChainLevel = 0; // 0 none, 1 or 2 chain strength
    uint8_t FruitBomb = 0;  // not 0: the element carries a fruit bomb
    uint8_t WormState = 0;  // 0 no worm, 1 eating, 2 eaten husk
    int32_t WormTime = 0;   // ms in the current worm state
    int32_t BlasterCode = 0; // code a multi bubble (103) removes
    int32_t FallOffset = 0;  // pixels travelled towards the cell below (0..51)

    TTileObjectKind Kind() const { return static_cast<TTileObjectKind>(ObjectKind); }
    // Holds a locker or an element: the tiles that play.
    bool IsPlayable() const { return ObjectKind == okLocker || ObjectKind == okFruit; }
};
static_assert(sizeof(TBoardTile) == 20);

// A tile is special when it holds a uni fruit, an item or a fruit bomb.
constexpr bool IsSpecialObject(const TBoardTile& tile) {
    return tile.ElementCode == ecUniFruit || IsItemCode(tile.ElementCode) || tile.FruitBomb != 0;
}

// ---- Grids (column-major: the 12 tiles of column 1 first) ----

template <typename Cell> struct TBoardGrid {
    Cell Cells[BoardColumns][BoardRows]{};

    // 1-based column x and row y, as the game counts them.
    Cell& operator()(int x, int y) { return Cells[x - 1][y - 1]; }
    const Cell& operator()(int x, int y) const { return Cells[x - 1][y - 1]; }
    Cell& operator()(TPoint p) { return (*this)(p.X, p.Y); }
    const Cell& operator()(TPoint p) const { return (*this)(p.X, p.Y); }
    // Grids have no padding, so equal bytes are equal grids.
    friend bool operator==(const TBoardGrid& a, const TBoardGrid& b) {
        return std::memcmp(&a, &b, sizeof(TBoardGrid)) == 0;
    }
};

using TBoardData = TBoardGrid<TBoardTile>;
static_assert(sizeof(TBoardData) == 3840);

// One byte per cell, 0 or 1: sets of positions carried by events.
using TSimpleObjectArray = TBoardGrid<uint8_t>;
static_assert(sizeof(TSimpleObjectArray) == 192);

// The board's own state of each tile. Only idle or chained tiles match; only idle tiles click.
enum TTileState : uint8_t {
    tsIdle = 0,
    tsSwapping = 1,
    tsLockerOpening = 2,
    tsGrouped = 3,
    tsFalling = 4, // falling, or empty and waiting to be filled
    tsStruck = 5,  // struck by a hammer or a bomb
    tsNoCell = 6,
    tsChained = 7
};
using TTileStateGrid = TBoardGrid<uint8_t>;

// ---- Swap description (26 bytes) ----

#pragma pack(push, 1)
struct TSwappedObjectsData {
    TPoint Object1Pos;        // the tile selected first
    TPoint Object2Pos;        // the tile selected second
    uint8_t ObjectKind[2]{};  // each tile's object kind
    bool IsSpecial[2]{};      // each tile holds a special object
    uint8_t ImageIdx[2]{};    // locker colour for a locker, element code for an element
    uint8_t BombFlag[2]{};    // each tile's fruit-bomb byte
    uint8_t WormState[2]{};   // each tile's worm state
};
#pragma pack(pop)
static_assert(sizeof(TSwappedObjectsData) == 26);

// ---- Gathering target moved from one element to another (2 bytes) ----

struct TChangedElementIdx {
    uint16_t Value = 0;
    uint8_t FromCode() const { return static_cast<uint8_t>(Value & 0xFF); }
    uint8_t ToCode() const { return static_cast<uint8_t>(Value >> 8); }
    static TChangedElementIdx Make(uint8_t from, uint8_t to) {
        return {static_cast<uint16_t>(from | (to << 8))};
    }
};
static_assert(sizeof(TChangedElementIdx) == 2);

// ---- Set of byte values (32 bytes, bit n = member n): flower indices, level element sets ----

struct TFlowerIdxSet {
    uint8_t Bits[32]{};

    bool Has(int n) const { return n >= 0 && n <= 255 && (Bits[n >> 3] >> (n & 7)) & 1; }
    void Include(int n) {
        if (n >= 0 && n <= 255) Bits[n >> 3] |= static_cast<uint8_t>(1u << (n & 7));
    }
    void Exclude(int n) {
        if (n >= 0 && n <= 255) Bits[n >> 3] &= static_cast<uint8_t>(~(1u << (n & 7)));
    }
    bool Empty() const {
        for (uint8_t b : Bits)
            if (b != 0) return false;
        return true;
    }
    friend bool operator==(const TFlowerIdxSet&, const TFlowerIdxSet&) = default;
};
static_assert(sizeof(TFlowerIdxSet) == 32);

// The element set a board starts with: the eight fruits.
TFlowerIdxSet DefaultElementSet();

// ---- Board placement on screen ----

// Top-left pixel of tile (x, y) for a board whose origin is (left, top).
constexpr TPoint TileOrigin(int left, int top, int x, int y) {
    return {left + (x - 1) * TileSize, top + (y - 1) * TileSize};
}
// The tile under a screen point, or (0, 0) when the point is on no tile.
TPoint ScreenToTile(int left, int top, int mouseX, int mouseY);
// The origin that centres the used area of a grid in the game area (a full board: 266, 95).
// An empty grid (no used column) is placed as a full one.
TPoint CenteredBoardOrigin(const TBoardData& board);

// ---- Events shared by several components ----

using TOnMonsterHitCheckEvent = std::function<void(TPoint fruitPos, bool& hitting, bool& absorbing)>;
using TCommonPosUpdateEvent = std::function<void(int x, int y)>;
