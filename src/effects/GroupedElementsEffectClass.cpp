#include "effects/GroupedElementsEffectClass.h"

#include "effects/EffectPattern.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

namespace {

// Offsets of frames 1..8 of the shake.
constexpr TPoint ShakeOffsets[TGroupedElementsEffect::ShakeFrames] = {
    {0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 2}, {1, 2}};

// The sprite lifts off its tile by three pixels and trembles by one more either way.
constexpr int LiftOffset = -3;

int Tremble() {
    const int forth = Random(2);
    return forth - Random(2);
}

} // namespace

void TGroupedElementsEffect::StartGrouping(const TBoardData& newBoardData,
                                           const TSimpleObjectArray& groupedFruits,
                                           bool triggeredByBlaster) {
    BoardData = newBoardData;
    TriggeredByBlaster = triggeredByBlaster;
    ForEachMaskedCell(groupedFruits, [this](TPoint tile) { Cells(tile) = {true, 0}; });
    PlaySound("SlotTing");
}

void TGroupedElementsEffect::Tick() {
    if (!Visible) return;
    for (int x = 1; x <= BoardColumns; ++x) {
        for (int y = 1; y <= BoardRows; ++y) {
            TShakingCell& cell = Cells(x, y);
            if (!cell.Active) continue;
            cell.Frame += 1;
            DrawShaking({x, y}, cell.Frame);
            if (cell.Frame == ShakeFrames) {
                HandOverItems();
                HandBack({x, y});
            }
        }
    }
}

void TGroupedElementsEffect::Clear() {
    Cells = {};
}

void TGroupedElementsEffect::DrawShaking(TPoint tile, int frame) const {
    const TPoint shake = ShakeOffsets[frame - 1];
    const TPoint pos = TileScreenPos(tile);
    const int x = pos.X + shake.X + LiftOffset + Tremble();
    const int y = pos.Y + shake.Y + LiftOffset + Tremble();
    DrawImage(Pictures::ElementsInside, x, y, 0, 0, 0, 1, 1, 255, 255, 255, 255,
              BoardData(tile).ElementCode - 1);
}

// Tool items and found flowers go to their own collectors instead of back to the board.
void TGroupedElementsEffect::HandOverItems() {
    const auto handOver = [this](auto isItem, auto raise) {
        for (int x = 1; x <= BoardColumns; ++x) {
            for (int y = 1; y <= BoardRows; ++y) {
                const int code = BoardData(x, y).ElementCode;
                if (!Cells(x, y).Active || !isItem(code)) continue;
                Cells(x, y).Active = false;
                raise(TPoint{x, y}, code);
            }
        }
    };
    handOver([](int code) { return IsToolItemCode(code); },
             [this](TPoint tile, int code) {
                 if (OnNewToolAcquired) OnNewToolAcquired(tile, code);
             });
    handOver([](int code) { return code == ecFoundFlower; },
             [this](TPoint tile, int) {
                 if (OnNewFlowerAcquired) OnNewFlowerAcquired(tile);
             });
}

void TGroupedElementsEffect::HandBack(TPoint tile) {
    Cells(tile).Active = false;
    TSimpleObjectArray mask{};
    mask(tile) = 1;
    // A copy: a handler may start a new grouping, which replaces the board copy.
    const TBoardData boardData = BoardData;
    if (OnGroupingEffectComplete) OnGroupingEffectComplete(boardData, mask, TriggeredByBlaster);
}
