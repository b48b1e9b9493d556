// The board's life cycle, input, swap protocol, per-frame order and drawing.
#include "board/GameBoardClass.h"

#include "board/BoardTileDrawing.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <utility>

namespace {

bool AreNeighbours(TPoint a, TPoint b) {
    const int dx = a.X > b.X ? a.X - b.X : b.X - a.X;
    const int dy = a.Y > b.Y ? a.Y - b.Y : b.Y - a.Y;
    return dx + dy == 1;
}

} // namespace

TGameBoard::TGameBoard() : LevelElementSet(DefaultElementSet()) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = Grid(x, y);
            tile = TBoardTile{};
            tile.ObjectKind = okFruit;
            tile.LockerColor = static_cast<uint8_t>(Random(3) + 1);
            tile.ElementCode = GenerateElementCode();
            tile.BlasterCode = 1;
        }
    // Shake rings by distance from the centre: the 3x3 block (9 cells), then 12, 16 and 20.
    const int ringLimit[4] = {2, 5, 10, 17}; // largest squared distance of each ring
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int squared = dx * dx + dy * dy;
            for (int ring = 0; ring < 4; ++ring)
                if (squared <= ringLimit[ring]) {
                    RingCells.push_back({dx, dy, ring + 1});
                    break;
                }
        }
    NewFlowerThreshold();
}

// ---- Reading ----

TBoardTile TGameBoard::TileAt(TPoint pos) const {
    if (IsBoardCell(pos)) return Grid(pos);
    TBoardTile none;
    none.ObjectKind = okUnused;
    return none;
}

uint8_t TGameBoard::TileState(TPoint pos) const {
    return IsBoardCell(pos) ? States(pos) : static_cast<uint8_t>(tsNoCell);
}

int TGameBoard::ShakeAmplitude(TPoint pos) const {
    return IsBoardCell(pos) ? Shake(pos) : 0;
}

void TGameBoard::SetElementSet(const TFlowerIdxSet& elementSet) {
    LevelElementSet = elementSet;
    // Uni fruits show only elements of the level.
    if (!LevelElementSet.Has(UniFruitCode))
        UniFruitCode = NextUniFruitCode(UniFruitCode, elementSet);
}

void TGameBoard::SetBoardData(const TBoardData& grid) {
    Grid = grid;
    States = RestingStates(Grid);
    Shake = {};
    Wave = {};
    Reveals = {};
    FairyWaiting = {};
    Bounces = {};
    // Hint marks belong to the old arrangement.
    HintVisible = false;
    HideSelection();
    MouseHeldFlag = false;
}

bool TGameBoard::FindTutorialElement(uint8_t first, uint8_t last, TPoint& pos) const {
    auto holds = [&](int x, int y) {
        const TBoardTile& tile = Grid(x, y);
        return tile.ElementCode >= first && tile.ElementCode <= last;
    };
    for (int y = 5; y <= BoardRows; ++y)
        for (int x = 6; x <= BoardColumns; ++x)
            if (Grid(x, y).ObjectKind == okFruit && holds(x, y)) {
                pos = {x, y};
                return true;
            }
    // Anywhere else, lockers included; empty cells keep stale codes and never count.
    for (int y = 1; y <= BoardRows; ++y)
        for (int x = 1; x <= BoardColumns; ++x)
            if (Grid(x, y).IsPlayable() && holds(x, y)) {
                pos = {x, y};
                return true;
            }
    pos = {};
    return false;
}

TPoint TGameBoard::BoardPictureOrigin() const {
    int firstColumn = 0, firstRow = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (!ShowsBackground(Grid(x, y))) continue;
            if (firstColumn == 0) firstColumn = x;
            if (firstRow == 0 || y < firstRow) firstRow = y;
        }
    firstColumn = std::max(firstColumn, 1);
    firstRow = std::max(firstRow, 1);
    return {Left + (firstColumn - 1) * TileSize - 10, Top + (firstRow - 1) * TileSize - 11};
}

// ---- Frame ----

void TGameBoard::UpdateAndDraw() {
    if (!CanDraw || !Visible) return;
    StepUniFruitColor();
    StepWorms();
    StepBlasterWave();
    StepShakeDecay();
    StepHintTimer();
    StepNoMoreMovesTimer();
    StepBounces();
    StepToolHighlight();
    MarkFallingColumns();
    GravityStep();

    RollShakeOffsets();
    if (!IsReducedEffectsMode()) DrawBackground();
    Raise(OnTimeToDrawBoardBorder);
    Raise(OnTimeToDrawLockerFrames);
    DrawElements();
    DrawReveals();
    DrawCovers();
    DrawSelection();

    StepCascadeDelay();
}

// ---- Input ----

void TGameBoard::SetMouseHeld(bool held) {
    if (held && !Visible) return;
    MouseHeldFlag = held;
}

void TGameBoard::MouseDown(int x, int y, TMouseButton button) {
    if (!CanDraw || !Visible) return;
    if (button == mbRight) {
        HideSelection();
        return;
    }
    const TPoint pos = ScreenToTile(Left, Top, x, y);
    // Only lockers and elements take clicks; holes, blockers and empty cells only end a selection.
    if (!IsBoardCell(pos) || !Grid(pos).IsPlayable()) {
        HideSelection();
        return;
    }
    TileClick(pos);
}

void TGameBoard::SelectTile(TPoint pos, uint8_t pattern) {
    if (IsBoardCell(pos) && Grid(pos).IsPlayable()) {
        SelectionVisible = true;
        SelectionPattern = pattern;
        LastClickedPos = FirstSelectedPos = pos;
    } else {
        HideSelection();
        SelectionPattern = 0;
    }
}

void TGameBoard::TileClick(TPoint pos) {
    const TBoardTile& tile = Grid(pos);
    if (tile.Web != 0 || tile.ChainLevel != 0) {
        HideSelection();
        return;
    }
    if (States(pos) != tsIdle) return;
    HideHint();
    Raise(OnObjectTileClick);

    if (!SelectionVisible) {
        SelectionVisible = true;
    } else {
        SelectionVisible = pos == LastClickedPos;
    }
    LastClickedPos = pos;

    const bool clickable = tile.ObjectKind == okFruit &&
                           (tile.ElementCode == ecUniFruit || tile.ElementCode == ecHammerObject ||
                            tile.ElementCode == ecMultiBubble);
    if (clickable) {
        if (SelectionVisible) ActivateObject(pos);
        MouseHeldFlag = false;
        return;
    }
    if (SelectionVisible) {
        FirstSelectedPos = pos;
        SelectionPattern = 0;
        return;
    }

    MouseHeldFlag = false;
    // The first tile may have changed since it was selected: it must still be free to move.
    const TPoint first = FirstSelectedPos;
    if (!IsBoardCell(first) || !AreNeighbours(first, pos)) return;
    const TBoardTile& firstTile = Grid(first);
    if (firstTile.ObjectKind != tile.ObjectKind || States(first) != tsIdle || firstTile.Web != 0 ||
        firstTile.ChainLevel != 0)
        return;

    TBoardData swapped = Grid;
    std::swap(swapped(first), swapped(pos));
    const bool matchOccurs = AnyMatch(swapped);
    if (matchOccurs) Raise(OnManualMatch);
    States(first) = States(pos) = tsSwapping;
    Raise(OnSwapEffectRequest, DescribeSwap(first, pos), matchOccurs);
}

TSwappedObjectsData TGameBoard::DescribeSwap(TPoint first, TPoint second) const {
    TSwappedObjectsData data;
    data.Object1Pos = first;
    data.Object2Pos = second;
    const TPoint cells[2] = {first, second};
    for (int side = 0; side < 2; ++side) {
        const TBoardTile& tile = Grid(cells[side]);
        data.ObjectKind[side] = tile.ObjectKind;
        data.IsSpecial[side] = IsSpecialObject(tile);
        data.ImageIdx[side] = tile.ObjectKind == okLocker  ? tile.LockerColor
                              : tile.ObjectKind == okFruit ? tile.ElementCode
                                                           : 0;
        data.BombFlag[side] = tile.FruitBomb;
        data.WormState[side] = tile.WormState;
    }
    return data;
}

void TGameBoard::ApplySwap(TPoint pos1, TPoint pos2) {
    if (!IsBoardCell(pos1) || !IsBoardCell(pos2)) return;
    TBoardTile& a = Grid(pos1);
    TBoardTile& b = Grid(pos2);
    // The content moves; kind, background, web, chain and fall offset stay with their cells.
    std::swap(a.ElementCode, b.ElementCode);
    std::swap(a.FruitBomb, b.FruitBomb);
    std::swap(a.WormState, b.WormState);
    std::swap(a.WormTime, b.WormTime);
    std::swap(a.BlasterCode, b.BlasterCode);
    if (a.ObjectKind == okLocker) std::swap(a.LockerColor, b.LockerColor);
    std::swap(FairyWaiting(pos1), FairyWaiting(pos2)); // a husk keeps its call for the fairy
    States(pos1) = RestingState(a);
    States(pos2) = RestingState(b);
}

void TGameBoard::CancelSwap(TPoint pos1, TPoint pos2) {
    if (IsBoardCell(pos1)) States(pos1) = RestingState(Grid(pos1));
    if (IsBoardCell(pos2)) States(pos2) = RestingState(Grid(pos2));
}

// ---- Drawing ----

int TGameBoard::BounceOffset(int x, int y) const {
    return RoundHalfEven(Bounces(x, y).Value);
}

TPoint TGameBoard::ElementPoint(int x, int y) const {
    const int shake = ShakeOffsets(x, y);
    const TPoint cell = TileOrigin(Left, Top, x, y);
    const int fall = States(x, y) == tsFalling ? Grid(x, y).FallOffset : 0;
    return {cell.X + shake, cell.Y + shake + BounceOffset(x, y) + fall};
}

// Tiles another component draws now: swapping, opening, grouped or struck tiles.
bool TGameBoard::IsElementHidden(int x, int y) const {
    const uint8_t state = States(x, y);
    return state == tsSwapping || state == tsLockerOpening || state == tsGrouped ||
           state == tsStruck;
}

// One displacement per shaking tile and frame, shared by the element and its covers.
void TGameBoard::RollShakeOffsets() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            ShakeOffsets(x, y) = static_cast<uint8_t>(Random(Shake(x, y)));
}

void TGameBoard::DrawBackground() const {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TPoint cell = TileOrigin(Left, Top, x, y);
            DrawTileBackground(Grid(x, y), cell.X, cell.Y);
        }
}

void TGameBoard::DrawElements() {
    PotionGlow += PotionGlowRising ? 6 : -4;
    if (PotionGlow >= 120) PotionGlowRising = false;
    if (PotionGlow <= -60) PotionGlowRising = true;
    TTileLook look;
    look.UniFruitCode = UniFruitCode;
    look.UniFruitWobble = static_cast<float>(UniWobbleStep * 0.0075);
    look.PotionGlowAlpha = static_cast<uint8_t>(std::clamp(PotionGlow, 0, 80));

    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& tile = Grid(x, y);
            if (!tile.IsPlayable() || IsElementHidden(x, y) || Reveals(x, y).Active) continue;
            if (IsHintTile(x, y)) continue;
            const TPoint at = ElementPoint(x, y);
            DrawTileObject(tile, at.X, at.Y, look);
            DrawToolHighlight(x, y, at);
        }
}

void TGameBoard::DrawCovers() const {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            const uint8_t state = States(x, y);
            if (state == tsSwapping || state == tsGrouped || state == tsStruck) continue;
            const TBoardTile& tile = Grid(x, y);
            if (tile.ChainLevel == 0 && tile.Web == 0) continue;
            const TPoint at = ElementPoint(x, y);
            DrawTileCovers(tile, at.X, at.Y);
        }
}

void TGameBoard::DrawSelection() {
    if (!SelectionVisible || !IsBoardCell(LastClickedPos)) return;
    if (SelectionAlphaRising) {
        SelectionAlpha += 10;
        if (SelectionAlpha >= 256) {
            SelectionAlpha = 255;
            SelectionAlphaRising = false;
        }
    } else {
        SelectionAlpha -= 10;
        if (SelectionAlpha < 150) {
            SelectionAlpha = 150;
            SelectionAlphaRising = true;
        }
    }
    const TPoint pos = LastClickedPos;
    const TPoint cell = TileOrigin(Left, Top, pos.X, pos.Y);
    DrawImage(Pictures::TileSelection, cell.X - 1, cell.Y - 2 + BounceOffset(pos.X, pos.Y), 0, 0, 0,
              1, 1, 255, 255, 255, static_cast<uint8_t>(SelectionAlpha), SelectionPattern);
}
