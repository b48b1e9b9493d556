#pragma once
// The level file: one 4572-byte little-endian record per level. The game and the level tool read
// and write it only through this unit, and judge it by the same rules.
#include "board/GameData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr size_t LevelRecordSize = 4572;

// The record's single values, in the order the level source lists them. Gathering targets go
// by element: the file keeps plums before grapes and oranges, the enumeration keeps code order.
enum TLevelField : uint8_t {
    lfObjective,
    lfTargetBananas,
    lfTargetStrawberries,
    lfTargetApples,
    lfTargetGrapes,
    lfTargetOranges,
    lfTargetPlums,
    lfTargetCherries,
    lfTargetGuavas,
    lfTargetFlower1,
    lfTargetFlower2,
    lfTargetFlower3,
    lfTargetFlower4,
    lfTargetSpiders,
    lfTime,
    lfSpiderFruitsInterval,
    lfMaxSpidersOnBoard,
    lfMaxWebs,
    lfOneWebEveryProb,
    lfFullRequiredFruits,
    lfOneUniFruitEveryInterval,
    lfMaxUniFruitOnBoard,
    lfBonusElementKind,
    lfBonusElementCount,
    lfBossEnergy,
    lfBossRefTimeForAbsorbAttempt,
    lfBossHitsToCancelAbsorbAttempt,
    lfBossOneAbsorbedTime,
    lfBossPreparingTime,
    lfBossAbsorbingTime,
    lfBossFinishingTime,
    LevelFieldCount
};

struct TLevelFieldInfo {
    const char* Name;    // the field's name in level sources and in load messages
    uint16_t Offset;     // byte offset in the file
    uint8_t Size;        // 1 (byte) or 4 (little-endian Integer)
    bool Required;       // a level source must give it
    int32_t SourceValue; // otherwise the value a level source gets when it leaves the field out
};
const TLevelFieldInfo& LevelFieldInfo(TLevelField field);

// Longest round whose milliseconds still fit an Integer.
inline constexpr int32_t MaxLevelTime = 2147483;
// Slots of the spider component.
inline constexpr int32_t MaxSpiderSlots = 20;

// The 16 x 12 byte layers of a level: five fields of the board's tiles and two grids of their own.
enum TLevelGrid : uint8_t {
    lgObjectKind,
    lgBackgroundStyle,
    lgChainLevel,
    lgWeb,
    lgFruitBomb,
    lgFrameLayers,
    lgPotionCells,
    LevelGridCount
};
const char* LevelGridName(TLevelGrid grid);

// What the game reads of a level file. The unread areas are not kept: a written file has zeros
// there.
struct TLevelRecord {
    int32_t Fields[LevelFieldCount]{};
    TFlowerIdxSet ElementSet;
    TBoardData Board;
    TSimpleObjectArray FrameLayers; // locker-frame layers per cell: the gold tiles
    TSimpleObjectArray PotionCells; // not 0: a potion starts there

    int32_t& operator[](TLevelField field) { return Fields[field]; }
    int32_t operator[](TLevelField field) const { return Fields[field]; }
    uint8_t& Cell(TLevelGrid grid, int x, int y);
    uint8_t Cell(TLevelGrid grid, int x, int y) const;
    friend bool operator==(const TLevelRecord&, const TLevelRecord&) = default;
};

// The target field of an element code (1..8 fruits, 13..16 flowers); nullopt for other codes.
std::optional<TLevelField> TargetFieldOfCode(int code);

// Field by field from the bytes of a file; nullopt when fewer than a whole record is given.
std::optional<TLevelRecord> DecodeLevelRecord(std::span<const uint8_t> bytes);
std::array<uint8_t, LevelRecordSize> EncodeLevelRecord(const TLevelRecord& record);

enum class TLevelFileStatus { Read, Missing, Unreadable, Damaged };
struct TLevelFileRead {
    TLevelFileStatus Status = TLevelFileStatus::Read;
    std::string Cause; // why it is not Read, in one line
};
// Reads the record whole or not at all: `record` changes only when the status is Read. A file
// that is not there is missing; one that cannot be opened or read (no permission, not a regular
// file) is unreadable; one that is not exactly LevelRecordSize bytes long is damaged.
TLevelFileRead ReadLevelFile(const std::string& path, TLevelRecord& record);
// Writes the file whole or not at all (see WriteFileAtomic), never over the file at
// `inputPath`. Returns an empty string, or what went wrong in one line.
std::string WriteLevelFile(const std::string& path, const TLevelRecord& record,
                           const std::string& inputPath = {});

// ---- Validation: the one set of rules for loading and for the level tool ----

// Where a problem lies: a single value, the element set, one cell of a grid (a tile field that
// has no grid of its own counts as the object-kind cell), or the whole board.
struct TLevelSpot {
    enum TKind : uint8_t { skField, skElementSet, skCell, skBoard } Kind = skBoard;
    TLevelField Field = lfObjective;
    TLevelGrid Grid = lgObjectKind;
    TPoint Cell;

    static TLevelSpot OfField(TLevelField field) { return {skField, field, lgObjectKind, {}}; }
    static TLevelSpot OfElementSet() { return {skElementSet, lfObjective, lgObjectKind, {}}; }
    static TLevelSpot OfCell(TLevelGrid grid, int x, int y) {
        return {skCell, lfObjective, grid, {x, y}};
    }
    static TLevelSpot OfBoard() { return {}; }
};

struct TLevelProblem {
    TLevelSpot Spot;
    std::string Text;       // what is wrong, e.g. "time 0 is below 1"
    std::string Correction; // what loading did about it, e.g. "set to 1"; empty: kept as it is
};

// Checks a record and corrects in place every value the game could not use safely; lists each
// problem, corrected or not. A record with no problem comes back unchanged.
std::vector<TLevelProblem> ValidateLevelRecord(TLevelRecord& record);
