#include "board/LevelFile.h"

#include "files/AtomicWrite.h"
#include "files/FileRead.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr size_t ElementSetOffset = 56;
constexpr size_t BoardOffset = 92;
constexpr size_t FrameLayersOffset = 3932;
constexpr size_t PotionCellsOffset = 4124;
constexpr size_t TileRecordSize = 20;

// Indexed by TLevelField; the offsets are the file's, so the targets are not in offset order.
constexpr TLevelFieldInfo FieldInfos[LevelFieldCount] = {
    {"objective", 0, 1, false, goNormalMode},
    {"target-bananas", 4, 4, false, 0},
    {"target-strawberries", 8, 4, false, 0},
    {"target-apples", 12, 4, false, 0},
    {"target-grapes", 20, 4, false, 0},
    {"target-oranges", 24, 4, false, 0},
    {"target-plums", 16, 4, false, 0},
    {"target-cherries", 28, 4, false, 0},
    {"target-guavas", 32, 4, false, 0},
    {"target-flower1", 36, 4, false, 0},
    {"target-flower2", 40, 4, false, 0},
    {"target-flower3", 44, 4, false, 0},
    {"target-flower4", 48, 4, false, 0},
    {"target-spiders", 52, 4, false, 0},
    {"time", 88, 4, true, 0},
    {"spider-interval", 4508, 4, false, 0},
    {"spider-count", 4512, 4, false, 2},
    {"spider-webs", 4516, 4, false, 3},
    {"spider-web-chance", 4520, 4, false, 15},
    {"mana", 4524, 4, false, 200},
    {"unifruit-interval", 4528, 4, false, 0},
    {"unifruit-count", 4532, 1, false, 1},
    {"bonus-kind", 4536, 1, false, elFruit},
    {"bonus-count", 4540, 4, false, 0},
    {"boss-energy", 4544, 4, false, 60},
    {"boss-attempt-time", 4548, 4, false, 10000},
    {"boss-cancel-hits", 4552, 4, false, 99999},
    {"boss-absorbed-time", 4556, 4, false, 60},
    {"boss-preparing-time", 4560, 4, false, 3000},
    {"boss-absorbing-time", 4564, 4, false, 7000},
    {"boss-finishing-time", 4568, 4, false, 3500},
};

constexpr const char* GridNames[LevelGridCount] = {"kind", "background", "chain",  "web",
                                                   "bomb", "frames",     "potions"};

int32_t GetInt32(const uint8_t* p) {
    const uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(v);
}

void PutInt32(uint8_t* p, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

size_t TileOffset(int x, int y) {
    return BoardOffset + (x - 1) * BoardRows * TileRecordSize + (y - 1) * TileRecordSize;
}
size_t CellOffset(size_t gridOffset, int x, int y) {
    return gridOffset + (x - 1) * BoardRows + (y - 1);
}

void DecodeTile(const uint8_t* p, TBoardTile& tile) {
    tile.ObjectKind = p[0];
    tile.BackgroundStyle = p[1];
    tile.LockerColor = p[2];
    tile.ElementCode = p[3];
    tile.Web = p[4];
    tile.ChainLevel = p[5];
    tile.FruitBomb = p[6];
    tile.WormState = p[7];
    tile.WormTime = GetInt32(p + 8);
    tile.BlasterCode = GetInt32(p + 12);
    tile.FallOffset = GetInt32(p + 16);
}

void EncodeTile(const TBoardTile& tile, uint8_t* p) {
    const uint8_t bytes[8] = {
        tile.ObjectKind, tile.BackgroundStyle, tile.LockerColor, tile.ElementCode,
        tile.Web,        tile.ChainLevel,      tile.FruitBomb,   tile.WormState};
    std::memcpy(p, bytes, sizeof bytes);
    PutInt32(p + 8, tile.WormTime);
    PutInt32(p + 12, tile.BlasterCode);
    PutInt32(p + 16, tile.FallOffset);
}

} // namespace

const TLevelFieldInfo& LevelFieldInfo(TLevelField field) {
    return FieldInfos[field];
}

const char* LevelGridName(TLevelGrid grid) {
    return GridNames[grid];
}

uint8_t& TLevelRecord::Cell(TLevelGrid grid, int x, int y) {
    TBoardTile& tile = Board(x, y);
    switch (grid) {
    case lgObjectKind:
        return tile.ObjectKind;
    case lgBackgroundStyle:
        return tile.BackgroundStyle;
    case lgChainLevel:
        return tile.ChainLevel;
    case lgWeb:
        return tile.Web;
    case lgFruitBomb:
        return tile.FruitBomb;
    case lgFrameLayers:
        return FrameLayers(x, y);
    default:
        return PotionCells(x, y);
    }
}

uint8_t TLevelRecord::Cell(TLevelGrid grid, int x, int y) const {
    return const_cast<TLevelRecord&>(*this).Cell(grid, x, y);
}

std::optional<TLevelField> TargetFieldOfCode(int code) {
    if (IsFruitCode(code)) return static_cast<TLevelField>(lfTargetBananas + code - ecFirstFruit);
    if (IsFlowerCode(code)) return static_cast<TLevelField>(lfTargetFlower1 + code - ecFirstFlower);
    return std::nullopt;
}

std::optional<TLevelRecord> DecodeLevelRecord(std::span<const uint8_t> bytes) {
    if (bytes.size() < LevelRecordSize) return std::nullopt;
    const uint8_t* file = bytes.data();
    TLevelRecord record;
    for (int f = 0; f < LevelFieldCount; ++f) {
        const TLevelFieldInfo& info = FieldInfos[f];
        record.Fields[f] = info.Size == 1 ? file[info.Offset] : GetInt32(file + info.Offset);
    }
    std::memcpy(record.ElementSet.Bits, file + ElementSetOffset, sizeof record.ElementSet.Bits);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            DecodeTile(file + TileOffset(x, y), record.Board(x, y));
            record.FrameLayers(x, y) = file[CellOffset(FrameLayersOffset, x, y)];
            record.PotionCells(x, y) = file[CellOffset(PotionCellsOffset, x, y)];
        }
    return record;
}

std::array<uint8_t, LevelRecordSize> EncodeLevelRecord(const TLevelRecord& record) {
    std::array<uint8_t, LevelRecordSize> bytes{};
    uint8_t* file = bytes.data();
    for (int f = 0; f < LevelFieldCount; ++f) {
        const TLevelFieldInfo& info = FieldInfos[f];
        if (info.Size == 1)
            file[info.Offset] = static_cast<uint8_t>(record.Fields[f]);
        else
            PutInt32(file + info.Offset, record.Fields[f]);
    }
    std::memcpy(file + ElementSetOffset, record.ElementSet.Bits, sizeof record.ElementSet.Bits);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            EncodeTile(record.Board(x, y), file + TileOffset(x, y));
            file[CellOffset(FrameLayersOffset, x, y)] = record.FrameLayers(x, y);
            file[CellOffset(PotionCellsOffset, x, y)] = record.PotionCells(x, y);
        }
    return bytes;
}

TLevelFileRead ReadLevelFile(const std::string& path, TLevelRecord& record) {
    // A record's size is the cap: a longer file is refused without being read.
    const TFileContents contents = ReadWholeFile(path, LevelRecordSize);
    switch (contents.Error.Failure) {
    case TFileFailure::None:
        break;
    case TFileFailure::Missing:
        return {TLevelFileStatus::Missing, contents.Error.Cause};
    case TFileFailure::TooLarge:
        return {TLevelFileStatus::Damaged, contents.Error.Cause};
    default:
        return {TLevelFileStatus::Unreadable, contents.Error.Cause};
    }
    if (contents.Bytes.size() != LevelRecordSize)
        return {TLevelFileStatus::Damaged, std::to_string(contents.Bytes.size()) + " bytes, not " +
                                               std::to_string(LevelRecordSize)};
    record = *DecodeLevelRecord(contents.Bytes);
    return {};
}

std::string WriteLevelFile(const std::string& path, const TLevelRecord& record,
                           const std::string& inputPath) {
    return WriteFileAtomic(path, EncodeLevelRecord(record), inputPath);
}

// ---- Validation ----

namespace {

// When a rule applies: always, only while spider waves come, or only on a boss level.
enum TRuleScope : uint8_t { rsAlways, rsSpiders, rsBoss };

// A value must lie in Lowest..Highest. Out of range it becomes Fallback, or without one the
// nearest legal value.
struct TRangeRule {
    TLevelField Field;
    TRuleScope Scope;
    int32_t Lowest;
    int32_t Highest;
    std::optional<int32_t> Fallback;
};

constexpr int32_t Unlimited = INT32_MAX;
constexpr int32_t BoardCells = BoardColumns * BoardRows;

// In record order: a rule's scope depends only on values checked before it.
const TRangeRule RangeRules[] = {
    {lfObjective, rsAlways, goNormalMode, goBossMode, goNormalMode},
    {lfTargetBananas, rsAlways, 0, Unlimited, {}},
    {lfTargetStrawberries, rsAlways, 0, Unlimited, {}},
    {lfTargetApples, rsAlways, 0, Unlimited, {}},
    {lfTargetGrapes, rsAlways, 0, Unlimited, {}},
    {lfTargetOranges, rsAlways, 0, Unlimited, {}},
    {lfTargetPlums, rsAlways, 0, Unlimited, {}},
    {lfTargetCherries, rsAlways, 0, Unlimited, {}},
    {lfTargetGuavas, rsAlways, 0, Unlimited, {}},
    {lfTargetFlower1, rsAlways, 0, Unlimited, {}},
    {lfTargetFlower2, rsAlways, 0, Unlimited, {}},
    {lfTargetFlower3, rsAlways, 0, Unlimited, {}},
    {lfTargetFlower4, rsAlways, 0, Unlimited, {}},
    {lfTargetSpiders, rsAlways, 0, Unlimited, {}},
    {lfTime, rsAlways, 1, MaxLevelTime, {}},
    {lfSpiderFruitsInterval, rsAlways, 0, Unlimited, {}},
    {lfMaxSpidersOnBoard, rsSpiders, 0, MaxSpiderSlots, {}},
    {lfMaxWebs, rsSpiders, 0, BoardCells, {}},
    {lfOneWebEveryProb, rsSpiders, 1, Unlimited, 15},
    {lfFullRequiredFruits, rsAlways, 1, Unlimited, 200},
    {lfOneUniFruitEveryInterval, rsAlways, 0, Unlimited, {}},
    {lfBonusElementKind, rsAlways, elFruit, elSpider, elFruit},
    {lfBonusElementCount, rsAlways, 0, Unlimited, {}},
    {lfBossEnergy, rsBoss, 1, Unlimited, 60},
    {lfBossRefTimeForAbsorbAttempt, rsBoss, 1, Unlimited, 10000},
    {lfBossHitsToCancelAbsorbAttempt, rsBoss, 0, Unlimited, 99999},
    {lfBossOneAbsorbedTime, rsBoss, 0, Unlimited, 60},
    {lfBossPreparingTime, rsBoss, 0, Unlimited, 3000},
    {lfBossAbsorbingTime, rsBoss, 0, Unlimited, 7000},
    {lfBossFinishingTime, rsBoss, 0, Unlimited, 3500},
};

std::string RangeText(const TRangeRule& rule, int32_t value) {
    if (value < rule.Lowest) return "below " + std::to_string(rule.Lowest);
    return "above " + std::to_string(rule.Highest);
}

std::string SetTo(int value) {
    return "set to " + std::to_string(value);
}

std::string CellText(TLevelGrid grid, int x, int y) {
    return std::string(LevelGridName(grid)) + " at (" + std::to_string(x) + "," +
           std::to_string(y) + ")";
}

class TValidator {
public:
    explicit TValidator(TLevelRecord& record) : Record(record) {}

    std::vector<TLevelProblem> Run() {
        CheckRanges();
        CheckElementSet();
        CheckTargets();
        CheckBoard();
        return std::move(Problems);
    }

private:
    TLevelRecord& Record;
    std::vector<TLevelProblem> Problems;

    void Report(TLevelSpot spot, std::string text, std::string correction = {}) {
        Problems.push_back({spot, std::move(text), std::move(correction)});
    }
    void ReportField(TLevelField field, std::string text, std::string correction = {}) {
        Report(TLevelSpot::OfField(field), std::move(text), std::move(correction));
    }
    void ReportCell(TLevelGrid grid, int x, int y, std::string text, std::string correction) {
        Report(TLevelSpot::OfCell(grid, x, y), CellText(grid, x, y) + ": " + std::move(text),
               std::move(correction));
    }

    bool InScope(TRuleScope scope) const {
        if (scope == rsSpiders) return Record[lfSpiderFruitsInterval] > 0;
        if (scope == rsBoss) return Record[lfObjective] == goBossMode;
        return true;
    }

    void CheckRanges() {
        for (const TRangeRule& rule : RangeRules) {
            int32_t& value = Record[rule.Field];
            if (!InScope(rule.Scope) || (value >= rule.Lowest && value <= rule.Highest)) continue;
            const std::string text = std::string(LevelFieldInfo(rule.Field).Name) + " " +
                                     std::to_string(value) + " is " + RangeText(rule, value);
            value = rule.Fallback.value_or(value < rule.Lowest ? rule.Lowest : rule.Highest);
            std::string correction = SetTo(value);
            // A bonus of no known kind gives nothing, as a round without a gold medal does.
            if (rule.Field == lfBonusElementKind && Record[lfBonusElementCount] != 0) {
                Record[lfBonusElementCount] = 0;
                correction += ", bonus-count set to 0";
            }
            ReportField(rule.Field, text, correction);
        }
    }

    void CheckElementSet() {
        const TLevelSpot spot = TLevelSpot::OfElementSet();
        bool generates = false;
        for (int code = 0; code <= 255; ++code) {
            if (!Record.ElementSet.Has(code)) continue;
            if (code < ecFirstFruit || code > ecPotion2)
                Report(spot, "elements: code " + std::to_string(code) + " is outside 1..18");
            else if (code <= ecLastFlower)
                generates = true;
        }
        if (!generates) Report(spot, "elements: no code of 1..16, so only bananas (1) come");
    }

    // A normal round is won by meeting every target; one the level never brings can't be met.
    void CheckTargets() {
        if (Record[lfObjective] != goNormalMode) return;
        for (int code = ecFirstFruit; code <= ecLastFlower; ++code) {
            const auto field = TargetFieldOfCode(code);
            if (!field || Record[*field] == 0 || Record.ElementSet.Has(code)) continue;
            ReportField(*field, std::string(LevelFieldInfo(*field).Name) + " " +
                                    std::to_string(Record[*field]) + ": elements lack code " +
                                    std::to_string(code));
        }
        if (Record[lfTargetSpiders] > 0 &&
            (Record[lfSpiderFruitsInterval] == 0 || Record[lfMaxSpidersOnBoard] == 0))
            ReportField(lfTargetSpiders, "target-spiders " +
                                             std::to_string(Record[lfTargetSpiders]) +
                                             ": no spiders come (spider-interval or "
                                             "spider-count is 0)");
    }

    void CheckBoard() {
        // Tiles first: what lies on a cell is judged by the mended kinds of every cell.
        bool anyPlayable = false;
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                CheckTile(x, y);
                anyPlayable = anyPlayable || Record.Board(x, y).IsPlayable();
            }
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) CheckCellExtras(x, y);
        if (!anyPlayable)
            Report(TLevelSpot::OfBoard(), "kind: the board has no cell with a locker or a fruit");
    }

    void CheckTile(int x, int y) {
        TBoardTile& tile = Record.Board(x, y);
        if (tile.ObjectKind > okUnused) {
            ReportCell(lgObjectKind, x, y, std::to_string(tile.ObjectKind) + " is outside 0..4",
                       SetTo(okUnused));
            tile.ObjectKind = okUnused;
        }
        // Colour and code are drawn afresh when the round starts; they only must not be wild.
        if (tile.LockerColor > 3) {
            ReportCell(lgObjectKind, x, y,
                       "locker colour " + std::to_string(tile.LockerColor) + " is outside 0..3",
                       SetTo(1));
            tile.LockerColor = 1;
        }
        if (tile.ElementCode > ecPotion2 && !IsItemCode(tile.ElementCode)) {
            ReportCell(lgObjectKind, x, y,
                       "element code " + std::to_string(tile.ElementCode) + " is no element",
                       SetTo(ecFirstFruit));
            tile.ElementCode = ecFirstFruit;
        }
    }

    // Chains, webs, bombs, gold tiles and potions belong to a locker or a fruit. Elsewhere they
    // would be drawn over holes, counted as webs the spiders spun, or make targets no match
    // can reach.
    void CheckCellExtras(int x, int y) {
        const bool playable = Record.Board(x, y).IsPlayable();
        for (TLevelGrid grid : {lgChainLevel, lgWeb, lgFruitBomb, lgFrameLayers, lgPotionCells}) {
            uint8_t& value = Record.Cell(grid, x, y);
            const bool layered = grid == lgChainLevel || grid == lgFrameLayers;
            const uint8_t legal = !playable ? 0 : layered ? std::min<uint8_t>(value, 2) : value;
            if (value == legal) continue;
            ReportCell(grid, x, y,
                       std::to_string(value) + (playable
                                                    ? " is outside 0..2"
                                                    : " on a cell without a locker or a fruit"),
                       SetTo(legal));
            value = legal;
        }
        if (Record.PotionCells(x, y) != 0 && SinksOntoVisibleHole(x, y))
            ReportCell(lgPotionCells, x, y,
                       "the potion comes to rest on a visible hole and is never collected", {});
    }

    // A potion sinks through every cell that can empty; a visible hole holds it up for good.
    bool SinksOntoVisibleHole(int x, int y) const {
        for (int below = y + 1; below <= BoardRows; ++below) {
            const TBoardTile& tile = Record.Board(x, below);
            if (tile.IsPlayable() || tile.ObjectKind == okTempBlank) continue;
            return tile.ObjectKind == okUnused && tile.BackgroundStyle != 0;
        }
        return false;
    }
};

} // namespace

std::vector<TLevelProblem> ValidateLevelRecord(TLevelRecord& record) {
    return TValidator(record).Run();
}
