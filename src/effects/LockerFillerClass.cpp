#include "effects/LockerFillerClass.h"

#include "effects/EffectPattern.h"
#include "effects/LooseTiles.h"
#include "engine/GameGlobals.h"
#include "engine/SoundByName.h"

void TLockerFiller::StartFilling(const TBoardData& boardData) {
    board_ = boardData;
    tiles_ = {};
    cursor_ = {BoardColumns, BoardRows};
    leftwards_ = true;
    gapMs_ = 0;
    running_ = true;
    // The path starts at the last tile that takes part, scanning from the bottom right.
    for (int y = BoardRows; y >= 1; --y)
        for (int x = BoardColumns; x >= 1; --x)
            if (TakesPartInBoardEffects(board_(x, y))) {
                cursor_ = {x, y};
                StartTile(cursor_);
                return;
            }
}

void TLockerFiller::Tick() {
    if (!running_ || !Visible) return;
    if (AdvanceTickTimer(gapMs_, GapInterval)) {
        gapMs_ = 0;
        AdvanceCursor();
        if (TakesPartInBoardEffects(board_(cursor_))) StartTile(cursor_);
    }
    DropTiles();
    Draw();
    if (!AllLanded()) return;
    running_ = false;
    if (OnFinish) OnFinish();
}

// The serpentine: along the used part of the row, then up a row and back the other way. At the
// end of the top row the cursor stays put.
void TLockerFiller::AdvanceCursor() {
    const auto [first, last] = UsedRange(cursor_.Y);
    if (!leftwards_) {
        if (cursor_.X < last) {
            ++cursor_.X;
        } else if (cursor_.Y > 1) {
            cursor_ = {BoardColumns, cursor_.Y - 1};
            leftwards_ = true;
        }
        return;
    }
    if (cursor_.X > first) {
        --cursor_.X;
    } else if (cursor_.Y > 1) {
        cursor_ = {1, cursor_.Y - 1};
        leftwards_ = false;
    }
}

std::pair<int, int> TLockerFiller::UsedRange(int row) const {
    int first = 0;
    int last = 0;
    for (int x = 1; x <= BoardColumns; ++x) {
        if (!TakesPartInBoardEffects(board_(x, row))) continue;
        if (first == 0) first = x;
        last = x;
    }
    if (first == 0) return {1, BoardColumns};
    return {first, last};
}

void TLockerFiller::StartTile(TPoint tile) {
    const TPoint top = TileScreenPos({tile.X, 1});
    TFillingTile& filling = tiles_(tile);
    filling.Started = true;
    filling.X = top.X;
    filling.Y = top.Y;
}

void TLockerFiller::DropTiles() {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            TFillingTile& tile = tiles_(x, y);
            if (!tile.Started) continue;
            const int home = TileScreenPos({x, y}).Y;
            tile.Y += DropStep;
            if (tile.Y < home) continue;
            tile.Y = home;
            if (tile.Landed) continue;
            tile.Landed = true;
            const bool oddX = x % 2 == 1;
            const bool oddY = y % 2 == 1;
            if (oddX && oddY) PlaySound("ElementBounce1");
            if (!oddX && !oddY) PlaySound("ElementBounce2");
        }
}

void TLockerFiller::Draw() const {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TFillingTile& tile = tiles_(x, y);
            if (tile.Started) DrawLooseTile(board_(x, y), tile.X, tile.Y, 1, true);
        }
}

bool TLockerFiller::AllLanded() const {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (TakesPartInBoardEffects(board_(x, y)) && !tiles_(x, y).Landed) return false;
    return true;
}
