// A fresh arrangement of the board: the shuffle after no more moves and at the start of a level,
// and the resets of a new round.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"

namespace {

// The specials a shuffle keeps, in the order the board counts them.
enum TSpecialKind { skHammers, skBombs, skUniFruits, skMultiBubbles, SpecialKinds };

} // namespace

void TGameBoard::MakeShuffledBoard(TBoardData& grid) const {
    // A draw can leave no move, or a line made by a special put back: draw again.
    for (int attempt = 0; attempt < ShuffleAttempts; ++attempt) {
        ShuffleOnce(grid);
        const TTileStateGrid states = RestingStates(grid);
        if (!AnyLine(LineValues(grid, states), false) && HasMoveOn(grid, states)) return;
    }
}

void TGameBoard::ShuffleOnce(TBoardData& copy) const {
    // 1. What must survive the shuffle.
    int elements = 0;
    int specials[SpecialKinds] = {};
    TBoardGrid<uint8_t> potions;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = Grid(x, y);
            if (!tile.IsPlayable()) continue;
            if (tile.ObjectKind == okFruit) ++elements;
            if (tile.ElementCode == ecHammerObject) ++specials[skHammers];
            if (tile.FruitBomb != 0) ++specials[skBombs];
            if (tile.ElementCode == ecUniFruit) ++specials[skUniFruits];
            if (tile.ElementCode == ecMultiBubble) ++specials[skMultiBubbles];
            if (tile.ObjectKind == okFruit && IsPotionCode(tile.ElementCode))
                potions(x, y) = tile.ElementCode;
        }

    // 2. Every locker and element becomes a fresh locker; chains and backgrounds stay.
    copy = Grid;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = copy(x, y);
            if (!tile.IsPlayable()) continue;
            tile.ObjectKind = okLocker;
            tile.LockerColor = static_cast<uint8_t>(Random(3) + 1);
            tile.ElementCode = GenerateElementCode();
            tile.Web = 0;
            tile.FruitBomb = 0;
            tile.WormState = 0;
            tile.WormTime = 0;
        }

    // 3. As many elements as before, at random cells.
    Randomize();
    for (int i = 0; i < elements; ++i)
        for (int pick = 0; pick < 10000; ++pick) {
            TBoardTile& tile = copy(Random(BoardColumns) + 1, Random(BoardRows) + 1);
            if (tile.ObjectKind != okLocker) continue;
            tile.ObjectKind = okFruit;
            tile.ElementCode = GenerateElementCode();
            break;
        }

    // 4. Break every ready line by marking as few of its tiles as needed.
    TLineValues values = LineValues(copy, RestingStates(copy));
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (!HasLineThrough(values, x, y)) continue;
            TBoardTile& tile = copy(x, y);
            (tile.ObjectKind == okLocker ? tile.LockerColor : tile.ElementCode) = ecShuffleMark;
            values(x, y) = 0;
        }

    // 5. Give the marked tiles values that make no line.
    ResolveShuffleMarks(copy);

    // 6. The specials go back to random cells, 7. the potions to their own cells.
    Randomize();
    TBoardGrid<bool> potionCells;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) potionCells(x, y) = potions(x, y) != 0;
    PutSpecialsBack(copy, potionCells, specials);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (potions(x, y) != 0) {
                copy(x, y).ObjectKind = okFruit;
                copy(x, y).ElementCode = potions(x, y);
            }
}

// Two passes: a locker that fits no colour becomes a marked element for the second pass.
void TGameBoard::ResolveShuffleMarks(TBoardData& copy) const {
    TLineValues values = LineValues(copy, RestingStates(copy));
    // Once a value that fits nothing made a line, no later value can avoid one either.
    bool lineLeft = AnyLine(values, true);
    auto tryValue = [&](int x, int y, uint8_t& field, int value) {
        field = static_cast<uint8_t>(value);
        values(x, y) = LineValueOf(copy(x, y));
        return !lineLeft && !HasLineThrough(values, x, y);
    };
    for (int pass = 0; pass < 2; ++pass)
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                TBoardTile& tile = copy(x, y);
                bool fits = false;
                if (tile.ObjectKind == okFruit && tile.ElementCode == ecShuffleMark) {
                    bool tried = false;
                    for (int code = 1; code <= ecPotion2 && !fits; ++code)
                        if (LevelElementSet.Has(code)) {
                            tried = true;
                            fits = tryValue(x, y, tile.ElementCode, code);
                        }
                    if (!tried) fits = tryValue(x, y, tile.ElementCode, GenerateElementCode());
                } else if (tile.ObjectKind == okLocker && tile.LockerColor == ecShuffleMark) {
                    for (int color = 1; color <= 3 && !fits; ++color)
                        fits = tryValue(x, y, tile.LockerColor, color);
                    if (!fits) {
                        tile.ObjectKind = okFruit;
                        tile.ElementCode = ecShuffleMark;
                        values(x, y) = 0;
                        continue;
                    }
                } else {
                    continue;
                }
                if (!fits) lineLeft = lineLeft || HasLineThrough(values, x, y);
            }
}

void TGameBoard::PutSpecialsBack(TBoardData& copy, const TBoardGrid<bool>& potionCells,
                                 int counts[4]) const {
    // A cell takes one special at most, and never a potion's cell.
    TBoardGrid<bool> taken = potionCells;
    int left = counts[skHammers] + counts[skBombs] + counts[skUniFruits] + counts[skMultiBubbles];
    for (int pick = 0; pick < 10000 && left > 0; ++pick) {
        const int x = Random(BoardColumns) + 1;
        const int y = Random(BoardRows) + 1;
        TBoardTile& tile = copy(x, y);
        if (!tile.IsPlayable() || taken(x, y)) continue;
        tile.ObjectKind = okFruit;
        if (counts[skHammers] > 0) {
            --counts[skHammers];
            tile.ElementCode = ecHammerObject;
        } else if (counts[skUniFruits] > 0) {
            --counts[skUniFruits];
            tile.ElementCode = ecUniFruit;
        } else if (counts[skMultiBubbles] > 0) {
            --counts[skMultiBubbles];
            tile.ElementCode = ecMultiBubble;
            tile.BlasterCode = GenerateElementCode();
        } else {
            --counts[skBombs];
            tile.FruitBomb = 1;
        }
        taken(x, y) = true;
        --left;
    }
}

void TGameBoard::RandomizeElements() {
    Randomize();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = Grid(x, y);
            if (!tile.IsPlayable()) continue;
            tile.ObjectKind = okFruit;
            tile.ElementCode = GenerateElementCode();
            tile.BlasterCode = 1;
        }
    ResetTimers();
    NewFlowerThreshold();
}

void TGameBoard::ResetRound() {
    CanMatch = true;
    Frozen = false;
    MouseHeldFlag = false;
    Shake = {};
    ShakeTimer = ShakeHoldMs;
    Wave = {};
    HideSelection();
    HintVisible = false;
    CascadeArmed = false;
    CascadeTimer = 0;
    PendingCombo = false;
    UniFruitSpawnCounter = 0;
    FruitBombSpawnCounter = 0;
    ResetTimers();
    // Every tile idle; holes and chained tiles keep the states that say so.
    States = RestingStates(Grid);
    Bounces = {};
    NewFlowerThreshold();
    FairyWaiting = {};
    Reveals = {};
    ClearToolHighlight();
}
