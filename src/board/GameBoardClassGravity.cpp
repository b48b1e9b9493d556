// Falling, refilling and the cascade: tiles drop into empty cells a few pixels per frame, new
// elements appear at the top of each column segment, and a settled board checks for new lines.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"

#include <algorithm>
#include <cstdint>

// ---- Element codes ----

uint8_t TGameBoard::GenerateCodeIn(int first, int last) const {
    int code = first;
    for (int draw = 0; draw < 100; ++draw) {
        code = first + Random(last - first + 1);
        if (LevelElementSet.Has(code)) return static_cast<uint8_t>(code);
    }
    // A sparse set can miss a hundred times; a member of the set still comes out.
    int members[ecLastFlower];
    int count = 0;
    for (int candidate = first; candidate <= last; ++candidate)
        if (LevelElementSet.Has(candidate)) members[count++] = candidate;
    return static_cast<uint8_t>(count > 0 ? members[Random(count)] : code);
}

uint8_t TGameBoard::GenerateElementCode() const {
    auto available = [&](int first, int last) {
        for (int code = first; code <= last; ++code)
            if (LevelElementSet.Has(code)) return true;
        return false;
    };
    const bool common = available(ecFirstFruit, ecLastExtra);
    const bool rare = available(ecFirstFlower, ecLastFlower);
    // A flower comes 3 times in 37 when both ranges are open.
    bool chooseRare = rare;
    if (common && rare) chooseRare = Random(37) >= 34;
    if (!common && !rare) return 1;
    return chooseRare ? GenerateCodeIn(ecFirstFlower, ecLastFlower)
                      : GenerateCodeIn(ecFirstFruit, ecLastExtra);
}

void TGameBoard::SpawnElement(TPoint pos) {
    if (!IsBoardCell(pos)) return;
    TBoardTile& tile = Grid(pos);
    // A new element starts clean: nothing of what the cell held before stays on it.
    const uint8_t background = tile.BackgroundStyle;
    tile = TBoardTile{};
    tile.BackgroundStyle = background;
    tile.ObjectKind = okFruit;
    tile.LockerColor = static_cast<uint8_t>(Random(3) + 1);
    tile.ElementCode = GenerateElementCode();
    tile.BlasterCode = 1;
    FairyWaiting(pos) = false;
    ++UniFruitSpawnCounter;
    ++FruitBombSpawnCounter;
    SpawnSpecialElement(pos);
    SpawnToolItem(pos);
}

// ---- Falling ----

// Holes, blockers and chained tiles hold up everything above them.
bool TGameBoard::HoldsUpColumn(int x, int y) const {
    const TBoardTile& tile = Grid(x, y);
    return tile.ObjectKind == okUnused || tile.ObjectKind == okBlocker ||
           (tile.IsPlayable() && tile.ChainLevel > 0);
}

bool TGameBoard::IsSegmentTop(int x, int y) const {
    return y == 1 || HoldsUpColumn(x, y - 1);
}

bool TGameBoard::BlankBelow(int x, int y) const {
    for (int below = y + 1; below <= BoardRows; ++below) {
        if (HoldsUpColumn(x, below)) return false;
        if (Grid(x, below).ObjectKind == okTempBlank) return true;
    }
    return false;
}

void TGameBoard::MarkFallingColumns() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (Grid(x, y).ObjectKind != okTempBlank) continue;
            for (int above = y; above >= 1; --above) {
                uint8_t& state = States(x, above);
                if (state == tsNoCell || state == tsChained ||
                    Grid(x, above).ObjectKind == okBlocker)
                    break;
                if (state == tsIdle) {
                    state = tsFalling;
                    Grid(x, above).FallOffset = 0;
                }
            }
        }
}

void TGameBoard::StartBounce(int x) {
    for (int y = 1; y <= BoardRows; ++y) Bounces(x, y) = {0, -2.0, 2.0, 2};
}

void TGameBoard::StepBounces() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBounce& bounce = Bounces(x, y);
            if (bounce.Phase == 0) continue;
            const double step = 0.23 * (bounce.High - bounce.Low);
            if (bounce.Phase == 2) {
                bounce.Value += step;
                if (bounce.Value >= bounce.High) {
                    bounce.Value = bounce.High;
                    bounce.Phase = 1;
                    bounce.Low += 0.77;
                }
            } else {
                bounce.Value -= step;
                if (bounce.Value <= bounce.Low) {
                    bounce.Value = bounce.Low;
                    bounce.Phase = 2;
                    bounce.High -= 0.77;
                }
            }
            if (bounce.Low > bounce.High) bounce = {};
        }
}

// One tile in state falling (or an empty cell waiting) moves on by one frame's step.
void TGameBoard::DropTile(int x, int y) {
    TBoardTile& tile = Grid(x, y);
    if (tile.ObjectKind == okUnused || tile.ObjectKind == okBlocker) {
        States(x, y) = RestingState(tile);
        return;
    }
    tile.FallOffset = std::clamp(tile.FallOffset, 0, 51) + std::clamp(DroppingStep, 1, TileSize);
    if (tile.FallOffset <= 51) return;

    if (tile.IsPlayable()) {
        if (y == BoardRows || Grid(x, y + 1).ObjectKind != okTempBlank) {
            const uint8_t belowState = y < BoardRows ? States(x, y + 1) : uint8_t{tsIdle};
            if (belowState >= tsSwapping && belowState <= tsStruck) {
                // The cell below is still busy or on its way out: wait over it.
                tile.FallOffset = 51;
            } else {
                tile.FallOffset = 0;
                States(x, y) = RestingState(tile);
            }
            return;
        }
        // The element moves down; the background belongs to the cell.
        TBoardTile& below = Grid(x, y + 1);
        const uint8_t background = below.BackgroundStyle;
        below = tile;
        below.BackgroundStyle = background;
        below.FallOffset = 0;
        FairyWaiting(x, y + 1) = FairyWaiting(x, y);
        FairyWaiting(x, y) = false;
        if (BlankBelow(x, y + 1)) {
            States(x, y + 1) = tsFalling;
        } else {
            States(x, y + 1) = RestingState(below);
            StartBounce(x);
        }
    }

    tile.FallOffset = 0;
    tile.ObjectKind = okTempBlank;
    if (IsSegmentTop(x, y)) SpawnElement({x, y});
    States(x, y) = BlankBelow(x, y) ? static_cast<uint8_t>(tsFalling) : RestingState(Grid(x, y));
}

void TGameBoard::GravityStep() {
    if (Frozen) return;
    auto anyFalling = [&] {
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                if (States(x, y) == tsFalling) return true;
        return false;
    };
    if (!anyFalling()) return;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = BoardRows; y >= 1; --y)
            if (States(x, y) == tsFalling) DropTile(x, y);
    if (anyFalling()) return;
    // Settled: lockers are checked at once, lines after the cascade delay.
    CheckLockers();
    CascadeTimer = 0;
    CascadeArmed = true;
}

void TGameBoard::StepCascadeDelay() {
    if (!CascadeArmed || Frozen) return;
    if (!AdvanceTickTimer(CascadeTimer, CascadeDelayMs)) return;
    CascadeArmed = false;
    CheckMatches();
}
