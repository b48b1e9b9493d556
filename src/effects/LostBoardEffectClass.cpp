#include "effects/LostBoardEffectClass.h"

#include "effects/EffectPattern.h"
#include "effects/LooseTiles.h"
#include "engine/GameGlobals.h"

namespace {

// The way of a bouncing tile, one step a tick.
constexpr int BounceDY[TLostBoardEffect::BounceSteps] = {-10, -20, -30, -40, -28, -14, -2,
                                                         10,  26,  40,  60,  80,  100};
constexpr int DropRowOffsets[3] = {0, -2, -4};
constexpr int DropTries = 100;
constexpr int FallStep = 25;
constexpr int FallStepSpread = 10; // 0..9 pixels more
constexpr int TrembleSpread = 3;   // 0..2 pixels
// The result question comes when this share of the tiles is falling.
constexpr int DialogShareTenths = 7;

} // namespace

void TLostBoardEffect::StartCollapse(const TBoardData& board) {
    board_ = board;
    ArmTiles();
    shakeMs_ = 0;
    dropMs_ = 0;
    state_ = lsShaking;
    dialogRaised_ = false;
}

void TLostBoardEffect::ArmTiles() {
    takingPart_ = 0;
    dropped_ = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TCollapsingTile& tile = tiles_(x, y);
            const TPoint cell = TileScreenPos({x, y});
            const bool part = TakesPartInBoardEffects(board_(x, y));
            tile = {cell.X, cell.Y, part ? tlWaiting : tlGone, 0};
            takingPart_ += part ? 1 : 0;
        }
}

void TLostBoardEffect::Clear() {
    state_ = lsIdle;
    takingPart_ = 0;
    dropped_ = 0;
    dialogRaised_ = false;
}

void TLostBoardEffect::Tick() {
    if (!Visible || state_ == lsIdle) return;
    if (state_ == lsShaking) {
        if (AdvanceTickTimer(shakeMs_, ShakingTime)) {
            dropMs_ = 0;
            ArmTiles();
            state_ = lsDropping;
        }
    } else {
        if (AdvanceTickTimer(dropMs_, DroppingTriggerInterval)) {
            dropMs_ = 0;
            for (const int offset : DropRowOffsets) DropAt(offset);
        }
        MoveTiles();
    }
    Draw();
    if (dialogRaised_ || dropped_ * 10 < takingPart_ * DialogShareTenths) return;
    dialogRaised_ = true;
    if (OnTimeForDialogWindow) OnTimeForDialogWindow();
}

// One tile of the row `rowOffset` above the lowest row that still has a waiting tile starts to
// fall.
void TLostBoardEffect::DropAt(int rowOffset) {
    int lowest = BoardRows;
    bool found = false;
    for (int y = BoardRows; y >= 1 && !found; --y)
        for (int x = 1; x <= BoardColumns && !found; ++x)
            if (tiles_(x, y).State == tlWaiting) {
                lowest = y;
                found = true;
            }
    const int row = lowest + rowOffset;
    if (row < 1 || row > BoardRows) return;
    for (int attempt = 0; attempt < DropTries; ++attempt) {
        TCollapsingTile& tile = tiles_(Random(BoardColumns) + 1, row);
        if (tile.State != tlWaiting) continue;
        tile.State = tlFalling;
        ++dropped_;
        return;
    }
}

void TLostBoardEffect::MoveTiles() {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            TCollapsingTile& tile = tiles_(x, y);
            if (tile.State == tlFalling) {
                MoveFalling(tile);
            } else if (tile.State == tlBouncing) {
                tile.Y += BounceDY[tile.BounceStep];
                ++tile.BounceStep;
                if (tile.BounceStep == BounceSteps) tile.State = tlGone;
            }
        }
}

// The chance to bounce is drawn once, on the tick the tile reaches the ground; a tile that does
// not bounce falls on and is gone once it has left the screen.
void TLostBoardEffect::MoveFalling(TCollapsingTile& tile) const {
    const bool aboveGround = tile.Y < GroundPosY;
    tile.Y += FallStep + Random(FallStepSpread);
    if (aboveGround && tile.Y >= GroundPosY && Random(OneBounceEveryProb) == 0) {
        tile.State = tlBouncing;
        tile.BounceStep = 0;
        return;
    }
    if (tile.Y >= GameSpace.Height) tile.State = tlGone;
}

void TLostBoardEffect::Draw() const {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TCollapsingTile& tile = tiles_(x, y);
            if (tile.State == tlGone) continue;
            const int dx = Random(TrembleSpread);
            const int dy = Random(TrembleSpread);
            DrawLooseTile(board_(x, y), tile.X + dx, tile.Y + dy, UniFruitCode, false);
        }
}
