#include "board/GameData.h"

TFlowerIdxSet DefaultElementSet() {
    TFlowerIdxSet set;
    for (int code = ecFirstFruit; code <= ecLastFruit; ++code) set.Include(code);
    return set;
}

TPoint ScreenToTile(int left, int top, int mouseX, int mouseY) {
    // Floor division keeps points left of or above the board off it.
    auto cell = [](int offset) {
        const int shifted = offset + TileSize;
        return shifted < 0 ? 0 : shifted / TileSize;
    };
    const TPoint tile{cell(mouseX - left), cell(mouseY - top)};
    return IsBoardCell(tile) ? tile : TPoint{};
}

namespace {
bool IsEmptyCell(const TBoardTile& tile) {
    return tile.ObjectKind == okUnused && tile.BackgroundStyle == 0;
}
} // namespace

TPoint CenteredBoardOrigin(const TBoardData& board) {
    int c1 = 0, c2 = 0, r1 = 0, r2 = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (IsEmptyCell(board(x, y))) continue;
            if (c1 == 0) c1 = x;
            c2 = x;
            if (r1 == 0 || y < r1) r1 = y;
            if (y > r2) r2 = y;
        }
    if (c1 == 0) return {266, 95};
    return {266 + 26 * (17 - c1 - c2), 95 + 26 * (13 - r1 - r2)};
}
