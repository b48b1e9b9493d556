#include "effects/OpeningLockersClass.h"

#include "board/BoardTileDrawing.h"
#include "effects/EffectPattern.h"
#include "engine/SoundByName.h"

namespace {

// A set holding a special element waits a moment before it opens.
constexpr char PreOpeningSeq[] = "ABBBCDEF---";
// The locker is gone on the first blank frame; the cell returns on the last.
constexpr char OpeningSeq[] = "AABBCCDDEEEFF---------";

bool HoldsSpecialElement(const TBoardTile& tile) {
    const int code = tile.ElementCode;
    return code == ecUniFruit || code == ecHammerObject ||
           (code >= ecMultiBubble && code <= ecAerosolItem) || tile.FruitBomb != 0;
}

} // namespace

void TOpeningLockers::StartOpening(const TBoardData& newBoardData,
                                   const TSimpleObjectArray& lockersToOpen) {
    board_ = newBoardData;
    counter_ = counter_ % MaxOpenings + 1;
    soundPlayed_[counter_] = false;
    bool special = false;
    ForEachMaskedCell(lockersToOpen,
                      [&](TPoint tile) { special = special || HoldsSpecialElement(board_(tile)); });
    ForEachMaskedCell(lockersToOpen, [&](TPoint tile) {
        TOpeningCell& cell = cells_(tile);
        cell.State = special ? osPreOpening : osOpening;
        cell.PreOpening.Looped = false;
        cell.PreOpening.SetSeq(PreOpeningSeq);
        cell.PreOpening.Reset();
        cell.Opening.Looped = false;
        cell.Opening.SetSeq(OpeningSeq);
        cell.Opening.Reset();
        cell.PiecesRequested = false;
        cell.OpeningId = counter_;
    });
}

void TOpeningLockers::Tick() {
    if (!Visible) return;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TOpeningCell& cell = cells_(x, y);
            if (cell.State != osIdle) StepCell({x, y}, cell);
        }
}

void TOpeningLockers::StepCell(TPoint tile, TOpeningCell& cell) {
    TSimpleObjectArray mask{};
    mask(tile) = 1;
    TAnimData& anim = cell.State == osPreOpening ? cell.PreOpening : cell.Opening;
    anim.Advance();
    DrawInside(tile);
    if (cell.State == osPreOpening) {
        if (cell.PreOpening.IsLastFrame()) cell.State = osOpening;
        return;
    }
    if (cell.Opening.IsBlankFrame()) {
        if (!soundPlayed_[cell.OpeningId]) {
            soundPlayed_[cell.OpeningId] = true;
            PlaySound("LockerBreak");
        }
        if (!cell.PiecesRequested && OnPiecesEffectRequest) {
            cell.PiecesRequested = true;
            const TBoardData board = board_;
            OnPiecesEffectRequest(board, mask);
        }
    }
    if (!cell.Opening.IsLastFrame()) return;
    cell.State = osIdle;
    if (OnOpeningEffectComplete) OnOpeningEffectComplete(mask, !IsOpening());
}

void TOpeningLockers::DrawInside(TPoint tile) const {
    TBoardTile inside = board_(tile);
    inside.ObjectKind = okFruit;
    TTileLook look;
    look.UniFruitCode = UniFruitCode;
    const TPoint at = TileScreenPos(tile);
    DrawTileObject(inside, at.X, at.Y, look);
}

void TOpeningLockers::Clear() {
    cells_ = TBoardGrid<TOpeningCell>();
    soundPlayed_.fill(true);
    counter_ = 0;
}

bool TOpeningLockers::IsOpening() const {
    for (const auto& column : cells_.Cells)
        for (const TOpeningCell& cell : column)
            if (cell.State != osIdle) return true;
    return false;
}
