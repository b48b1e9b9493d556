// Lines of lockers and elements: finding them, grouping and opening them, and taking back the
// results of the removal and opening effects.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"

namespace {

// Calls onRun(value, x, y, dx, dy, length) for every run of three or more equal values, down the
// columns first, then along the rows; stops when onRun returns True.
template <typename OnRun> bool ForEachRun(const TBoardGrid<uint8_t>& values, OnRun onRun) {
    auto scan = [&](int lines, int length, auto at, int dx, int dy) {
        for (int line = 1; line <= lines; ++line) {
            int start = 1;
            for (int i = 2; i <= length + 1; ++i) {
                const uint8_t value = at(line, start);
                if (i <= length && at(line, i) == value) continue;
                if (value != 0 && i - start >= 3) {
                    const TPoint first = dx != 0 ? TPoint{start, line} : TPoint{line, start};
                    if (onRun(value, first.X, first.Y, dx, dy, i - start)) return true;
                }
                start = i;
            }
        }
        return false;
    };
    if (scan(
            BoardColumns, BoardRows, [&](int x, int y) { return values(x, y); }, 0, 1))
        return true;
    return scan(
        BoardRows, BoardColumns, [&](int y, int x) { return values(x, y); }, 1, 0);
}

// Whether three equal values that `counts` accepts stand in a row or a column anywhere.
template <typename Counts> bool AnyThreeInARow(const TBoardGrid<uint8_t>& values, Counts counts) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y + 2 <= BoardRows; ++y) {
            const uint8_t value = values(x, y);
            if (value != 0 && value == values(x, y + 1) && value == values(x, y + 2) &&
                counts(value))
                return true;
        }
    for (int y = 1; y <= BoardRows; ++y)
        for (int x = 1; x + 2 <= BoardColumns; ++x) {
            const uint8_t value = values(x, y);
            if (value != 0 && value == values(x + 1, y) && value == values(x + 2, y) &&
                counts(value))
                return true;
        }
    return false;
}

int RunLength(const TBoardGrid<uint8_t>& values, int x, int y, int dx, int dy) {
    const uint8_t value = values(x, y);
    int length = 1;
    for (int sx = x - dx, sy = y - dy; IsBoardCell(sx, sy) && values(sx, sy) == value;
         sx -= dx, sy -= dy)
        ++length;
    for (int sx = x + dx, sy = y + dy; IsBoardCell(sx, sy) && values(sx, sy) == value;
         sx += dx, sy += dy)
        ++length;
    return length;
}

} // namespace

// ---- The line rule ----

bool TGameBoard::TakesPartInLines(uint8_t state) {
    return state == tsIdle || state == tsChained;
}

uint8_t TGameBoard::LineValueOf(const TBoardTile& tile) {
    if (tile.ObjectKind == okLocker)
        return tile.LockerColor >= 1 && tile.LockerColor <= 3 ? LockerLine + tile.LockerColor : 0;
    // An eaten husk never matches.
    if (tile.ObjectKind == okFruit && IsMatchableCode(tile.ElementCode) && tile.WormState != 2)
        return tile.ElementCode;
    return 0;
}

TGameBoard::TLineValues TGameBoard::LineValues(const TBoardData& grid,
                                               const TTileStateGrid& states) {
    TLineValues values;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            values(x, y) = TakesPartInLines(states(x, y)) ? LineValueOf(grid(x, y)) : 0;
    return values;
}

// A busy tile ends a line: the tiles on its two sides never join into one.
TSimpleObjectArray TGameBoard::LinesOf(const TLineValues& values, uint8_t value) {
    TSimpleObjectArray lines;
    ForEachRun(values, [&](uint8_t runValue, int x, int y, int dx, int dy, int length) {
        if (runValue == value)
            for (int i = 0; i < length; ++i) lines(x + i * dx, y + i * dy) = 1;
        return false;
    });
    return lines;
}

bool TGameBoard::HasLineOf(const TLineValues& values, uint8_t value) {
    return AnyThreeInARow(values, [value](uint8_t found) { return found == value; });
}

uint32_t TGameBoard::ValuesInLines(const TLineValues& values) {
    uint32_t found = 0;
    AnyThreeInARow(values, [&found](uint8_t value) {
        found |= 1u << value;
        return false;
    });
    return found;
}

bool TGameBoard::HasLineThrough(const TLineValues& values, int x, int y) {
    if (values(x, y) == 0) return false;
    return RunLength(values, x, y, 0, 1) >= 3 || RunLength(values, x, y, 1, 0) >= 3;
}

bool TGameBoard::AnyLine(const TLineValues& values, bool withPotions) {
    return AnyThreeInARow(
        values, [withPotions](uint8_t value) { return withPotions || !IsPotionCode(value); });
}

uint8_t TGameBoard::RestingState(const TBoardTile& tile) {
    if (tile.ObjectKind == okUnused) return tsNoCell;
    if (tile.IsPlayable() && tile.ChainLevel > 0) return tsChained;
    return tsIdle;
}

TTileStateGrid TGameBoard::RestingStates(const TBoardData& grid) {
    TTileStateGrid states;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) states(x, y) = RestingState(grid(x, y));
    return states;
}

bool TGameBoard::AnyMatch(const TBoardData& grid) const {
    return AnyLine(LineValues(grid, States), true);
}

// ---- Grouping ----

bool TGameBoard::IsBottomPotion(int x, int y) const {
    const TBoardTile& tile = Grid(x, y);
    if (tile.ObjectKind != okFruit || !IsPotionCode(tile.ElementCode)) return false;
    if (y == BoardRows) return true;
    const TBoardTile& below = Grid(x, y + 1);
    return below.ObjectKind == okTempBlank || below.ObjectKind == okBlocker ||
           (below.ObjectKind == okUnused && below.BackgroundStyle == 0);
}

// Potions at the bottom and items lying on the board are collected with every check.
void TGameBoard::AddCollectables(TSimpleObjectArray& mask) const {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = Grid(x, y);
            const bool item = tile.ObjectKind == okFruit && (tile.ElementCode == ecFoundFlower ||
                                                             IsToolItemCode(tile.ElementCode));
            if (item || IsBottomPotion(x, y)) mask(x, y) = 1;
        }
}

void TGameBoard::AbsorbBlow(int x, int y) {
    TBoardTile& tile = Grid(x, y);
    TearWeb({x, y});
    if (tile.ChainLevel > 0) {
        const uint8_t before = tile.ChainLevel;
        --tile.ChainLevel;
        if (tile.ChainLevel == 0 && States(x, y) == tsChained) States(x, y) = tsIdle;
        Raise(OnChainLockEffectRequest, TPoint{x, y}, before);
    }
}

bool TGameBoard::StrikeTile(int x, int y, TSimpleObjectArray& grouped) {
    if (!TakesPartInLines(States(x, y))) return false;
    const TBoardTile& tile = Grid(x, y);
    if (tile.Web == 0 && tile.ChainLevel == 0) {
        States(x, y) = tsGrouped;
        grouped(x, y) = 1;
        return true;
    }
    // A web or a chain takes the whole blow of this pass.
    AbsorbBlow(x, y);
    return false;
}

void TGameBoard::ChaseWorms(const TSimpleObjectArray& cells) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = Grid(x, y);
            if (cells(x, y) == 0 || tile.WormState != 1) continue;
            tile.WormState = 0;
            tile.WormTime = 0;
            Raise(OnAFruitWormBanRequest, TPoint{x, y});
        }
}

void TGameBoard::FinishGrouping(const TSimpleObjectArray& grouped, bool triggeredByBlaster) {
    // The locker frames under the grouped tiles lose a layer (also reported when none did).
    Raise(OnRemoveLockerFrames, grouped);
    if (grouped == TSimpleObjectArray{}) return;
    ChaseWorms(grouped);
    const TBoardData snapshot = Grid;
    const bool checkCombos = PendingCombo;
    PendingCombo = false;
    Raise(OnGroupedElementsEffectRequest, snapshot, grouped, checkCombos, triggeredByBlaster);
    Raise(OnNoMatchTimerReset);
}

void TGameBoard::CheckMatches() {
    if (!CanMatch) return;
    TSimpleObjectArray grouped;
    for (int code = 1; code <= ecPotion2; ++code) {
        // Potions never form lines of their own; they leave at the bottom.
        TSimpleObjectArray mask;
        if (!IsPotionCode(code))
            mask = LinesOf(LineValues(Grid, States), static_cast<uint8_t>(code));
        AddCollectables(mask);
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                if (mask(x, y) != 0) StrikeTile(x, y, grouped);
    }
    FinishGrouping(grouped, false);
}

void TGameBoard::GroupElementsOfCode(uint8_t code) {
    TSimpleObjectArray grouped;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = Grid(x, y);
            if (tile.ObjectKind == okFruit && tile.ElementCode == code && tile.WormState != 2)
                StrikeTile(x, y, grouped);
        }
    FinishGrouping(grouped, true);
}

// ---- Lockers ----

void TGameBoard::NewFlowerThreshold() {
    FlowerThreshold =
        OneFlowerPerLockersMin + Random(OneFlowerPerLockersMax - OneFlowerPerLockersMin + 1);
}

bool TGameBoard::AskFlowerAllowed() {
    bool canAddFlower = false;
    Raise(OnCanAddFlowerQuestion, canAddFlower);
    return canAddFlower;
}

void TGameBoard::PlaceFoundFlower(int x, int y) {
    Grid(x, y).ElementCode = ecFoundFlower;
    TFlowerIdxSet unobtained;
    Raise(OnUnobtainedFlowerIdxSetRequest, unobtained);
    for (int draw = 0; draw < 100; ++draw) {
        const int index = Random(6) + 1;
        if (unobtained.Has(index)) {
            LastFlowerIndex = index;
            return;
        }
    }
    LastFlowerIndex = 1;
    for (int index = 6; index >= 1; --index)
        if (unobtained.Has(index)) LastFlowerIndex = index;
}

void TGameBoard::CheckLockers() {
    if (!CanMatch) return;
    bool flowerAllowed = false;
    if (++CheckCounter >= FlowerThreshold) {
        NewFlowerThreshold();
        CheckCounter = 0;
        flowerAllowed = AskFlowerAllowed();
    }

    bool touched = false;
    TSimpleObjectArray opening;
    for (int color = 1; color <= 3; ++color) {
        const TSimpleObjectArray lines =
            LinesOf(LineValues(Grid, States), static_cast<uint8_t>(LockerLine + color));
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                if (lines(x, y) == 0 || !TakesPartInLines(States(x, y))) continue;
                touched = true;
                const TBoardTile& tile = Grid(x, y);
                if (tile.Web == 0 && tile.ChainLevel == 0) {
                    opening(x, y) = 1;
                    States(x, y) = tsLockerOpening;
                } else {
                    AbsorbBlow(x, y);
                }
            }
    }

    if (ActiveMode == amFindFlower && flowerAllowed) {
        bool placed = false;
        for (int x = 1; x <= BoardColumns && !placed; ++x)
            for (int y = 1; y <= BoardRows && !placed; ++y)
                if (opening(x, y) != 0 && !IsSpecialObject(Grid(x, y))) {
                    PlaceFoundFlower(x, y);
                    placed = true;
                }
    }

    if (touched) Raise(OnNoMatchTimerReset);
    const TBoardData snapshot = Grid;
    Raise(OnOpeningLockersEffectRequest, snapshot, opening);
}

// ---- Completions ----

void TGameBoard::LockersOpened(const TSimpleObjectArray& map) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = Grid(x, y);
            if (map(x, y) == 0 || tile.ObjectKind != okLocker) continue;
            tile.ObjectKind = okFruit;
            States(x, y) = RestingState(tile);
        }
}

// The cell keeps its code and bomb: the effects and the bomb detonation still read them.
void TGameBoard::MakeBlank(int x, int y) {
    TBoardTile& tile = Grid(x, y);
    tile.ObjectKind = okTempBlank;
    tile.FallOffset = 0;
    States(x, y) = tsFalling;
}

void TGameBoard::GroupedElementsRemoved(const TSimpleObjectArray& map) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (map(x, y) != 0 && Grid(x, y).IsPlayable()) MakeBlank(x, y);
    MarkFallingColumns();
}

void TGameBoard::RemoveTile(TPoint pos) {
    if (!IsBoardCell(pos) || !Grid(pos).IsPlayable()) return;
    MakeBlank(pos.X, pos.Y);
    MarkFallingColumns();
}
