// Possible moves: the search, the hint that shows one, and the no-more-moves report.
#include "board/BoardTileDrawing.h"
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"

namespace {

// Tiles a move may use: lockers and elements that are free and not clicked objects.
bool CanTakePartInMove(const TBoardTile& tile) {
    if (!tile.IsPlayable() || tile.Web != 0 || tile.ChainLevel != 0) return false;
    if (tile.ObjectKind != okFruit) return true;
    const uint8_t code = tile.ElementCode;
    return code != ecUniFruit && code != ecHammerObject && code != ecFoundFlower &&
           code != ecMultiBubble;
}

TPoint NextCellRowByRow(TPoint cell) {
    if (++cell.X > BoardColumns) {
        cell.X = 1;
        if (++cell.Y > BoardRows) cell.Y = 1;
    }
    return cell;
}

} // namespace

bool TGameBoard::FindMoveOn(const TBoardData& grid, const TTileStateGrid& states, TPoint start,
                            TPoint& pos1, TPoint& pos2) {
    TLineValues values = LineValues(grid, states);
    // Without a line of a value already on the board, a new one must pass through the pair.
    const uint32_t valuesInLines = ValuesInLines(values);

    const TPoint directions[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}}; // left, right, up, down
    TPoint cell = start;
    for (int visited = 0; visited < BoardColumns * BoardRows; ++visited) {
        cell = NextCellRowByRow(cell);
        const TBoardTile& tile = grid(cell);
        const uint8_t moving = LineValueOf(tile);
        if (moving == 0 || !CanTakePartInMove(tile)) continue;
        for (const TPoint& direction : directions) {
            const TPoint other{cell.X + direction.X, cell.Y + direction.Y};
            if (!IsBoardCell(other)) continue;
            const TBoardTile& neighbour = grid(other);
            if (neighbour.ObjectKind != tile.ObjectKind || !CanTakePartInMove(neighbour)) continue;
            // Exchange the two tiles on the values and look for a line of what moved over.
            const uint8_t keptHere = values(cell);
            const uint8_t keptThere = values(other);
            values(other) = TakesPartInLines(states(other)) ? moving : 0;
            values(cell) = TakesPartInLines(states(cell)) ? LineValueOf(neighbour) : 0;
            const bool found =
                (valuesInLines >> moving) & 1
                    ? HasLineOf(values, moving)
                    : HasLineThrough(values, other.X, other.Y) ||
                          (values(cell) == moving && HasLineThrough(values, cell.X, cell.Y));
            values(cell) = keptHere;
            values(other) = keptThere;
            if (found) {
                pos1 = cell;
                pos2 = other;
                return true;
            }
        }
    }
    return false;
}

bool TGameBoard::FindPossibleMove(TPoint& pos1, TPoint& pos2) const {
    const TPoint start{Random(BoardColumns) + 1, Random(BoardRows) + 1};
    return FindMoveOn(Grid, States, start, pos1, pos2);
}

namespace {
bool HoldsClickableStrike(const TBoardData& grid) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = grid(x, y);
            if (tile.ObjectKind == okFruit &&
                (tile.ElementCode == ecHammerObject || tile.ElementCode == ecMultiBubble))
                return true;
        }
    return false;
}
} // namespace

bool TGameBoard::HasMoveOn(const TBoardData& grid, const TTileStateGrid& states) {
    TPoint pos1, pos2;
    return FindMoveOn(grid, states, {BoardColumns, BoardRows}, pos1, pos2) ||
           HoldsClickableStrike(grid);
}

bool TGameBoard::HasPossibleMove() const {
    TPoint pos1, pos2;
    return FindPossibleMove(pos1, pos2) || HoldsClickableStrike(Grid);
}

// ---- Hint ----

void TGameBoard::ShowHintAt(TPoint pos1, TPoint pos2) {
    if (!IsBoardCell(pos1) || !IsBoardCell(pos2)) return;
    HintFirst = pos1;
    HintSecond = pos2;
    HintKind = Grid(pos1).ObjectKind;
    HintWiggle = 0;
    HintWiggleRising = true;
    HintShowingTimer = 0;
    HintTimer = 0;
    HintVisible = true;
}

void TGameBoard::ShowHint() {
    TPoint pos1, pos2;
    if (FindPossibleMove(pos1, pos2)) {
        ShowHintAt(pos1, pos2);
    } else {
        HintFirst = HintSecond = {};
        HintVisible = false;
    }
}

void TGameBoard::HideHint() {
    HintVisible = false;
    HintTimer = 0;
}

bool TGameBoard::IsHintTile(int x, int y) const {
    const TPoint pos{x, y};
    return HintVisible && (pos == HintFirst || pos == HintSecond);
}

void TGameBoard::StepHintTimer() {
    if (Frozen || !AdvanceTickTimer(HintTimer, HintInterval)) return;
    HintTimer = 0;
    ShowHint();
}

void TGameBoard::DrawHint() {
    if (!CanDraw || !Visible || !HintVisible) return;
    HintWiggle += HintWiggleRising ? 1 : -1;
    if (HintWiggle >= 8) HintWiggleRising = false;
    if (HintWiggle <= 0) HintWiggleRising = true;

    const int base = HintKind == okLocker ? -6 : -1;
    const bool across = HintFirst.Y == HintSecond.Y;
    TTileLook look;
    look.Scale = 1.15f;
    look.UniFruitCode = UniFruitCode;
    for (const TPoint pos : {HintFirst, HintSecond}) {
        const TPoint other = pos == HintFirst ? HintSecond : HintFirst;
        // Each tile wiggles away from its partner.
        const int away = (across ? pos.X < other.X : pos.Y < other.Y) ? -HintWiggle : HintWiggle;
        const TPoint cell = TileOrigin(Left, Top, pos.X, pos.Y);
        const int x = cell.X + base + (across ? away : 0);
        const int y = cell.Y + base + (across ? 0 : away);
        DrawTileObject(Grid(pos), x + 2, y + 5, ShadowLook(1.15f, 80));
        DrawTileObject(Grid(pos), x, y, look);
    }

    if (AdvanceTickTimer(HintShowingTimer, ShowingHintTime)) HintVisible = false;
}

// ---- No more moves ----

void TGameBoard::ResetTimers() {
    HintTimer = 0;
    NoMoreMovesTimer = 0;
    NoMoreMovesReported = false;
}

void TGameBoard::StepNoMoreMovesTimer() {
    if (!CanMatch || Frozen) return;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const uint8_t state = States(x, y);
            if (state != tsIdle && state != tsNoCell && state != tsChained) return;
        }
    if (AdvanceTickTimer(NoMoreMovesTimer, NoMoreMovesInterval) && !HintVisible) CheckNoMoreMoves();
}

void TGameBoard::CheckNoMoreMoves() {
    NoMoreMovesTimer = 0;
    if (NoMoreMovesReported || !CanMatch) return;
    if (HasPossibleMove()) return;
    NoMoreMovesReported = true;
    Raise(OnNoMoreMoves);
}
