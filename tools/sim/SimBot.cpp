#include "SimBot.h"

#include "engine/GameGlobals.h"

#include <utility>
#include <vector>

namespace {

constexpr int ShortestLine = 3;

bool Lines(const TBoardTile& tile) {
    return tile.ObjectKind == okFruit && tile.ElementCode != 0 && tile.ChainLevel == 0;
}

// Marks the cells of the runs along one direction.
void MarkRuns(const TBoardData& grid, TPoint step, TSimpleObjectArray& marked) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const TBoardTile& first = grid(x, y);
            if (!Lines(first)) continue;
            const TPoint before{x - step.X, y - step.Y};
            if (before.X >= 1 && before.Y >= 1 && Lines(grid(before)) &&
                grid(before).ElementCode == first.ElementCode)
                continue; // not the run's start
            int length = 1;
            for (TPoint at{x + step.X, y + step.Y};
                 at.X <= BoardColumns && at.Y <= BoardRows && Lines(grid(at)) &&
                 grid(at).ElementCode == first.ElementCode;
                 at = {at.X + step.X, at.Y + step.Y})
                ++length;
            if (length < ShortestLine) continue;
            for (int i = 0; i < length; ++i) marked(x + i * step.X, y + i * step.Y) = 1;
        }
}

bool Swappable(const TGameBoard& board, const TTileStateGrid& states, TPoint a, TPoint b) {
    const TBoardData& grid = board.BoardData();
    return Lines(grid(a)) && Lines(grid(b)) && grid(a).ElementCode != grid(b).ElementCode &&
           states(a.X, a.Y) == tsIdle && states(b.X, b.Y) == tsIdle;
}

std::optional<TSimMove> HintMove(const TGameBoard& board) {
    TPoint from, to;
    if (!board.FindPossibleMove(from, to)) return std::nullopt;
    return TSimMove{from, to};
}

bool GoldTilesWanted(const TElementGather& gather) {
    return gather.StillNeeded(ieGoldTile1) || gather.StillNeeded(ieGoldTile2);
}

// A wanted potion above the cell sinks when the cell is cleared.
bool UnderWantedPotion(const TBoardData& grid, const TElementGather& gather, TPoint cell) {
    for (int y = 1; y < cell.Y; ++y) {
        const int slot = GatherSlotOfCode(grid(cell.X, y).ElementCode);
        if (IsPotionCode(grid(cell.X, y).ElementCode) && gather.StillNeeded(slot)) return true;
    }
    return false;
}

std::optional<TSimMove> GreedyMove(const TMainGameScene& round) {
    const TGameBoard& board = round.GameBoard;
    const TTileStateGrid states = board.TileStates();
    std::vector<TSimMove> best;
    TLineWorth bestWorth{-1, -1};
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            for (const TPoint to : {TPoint{x + 1, y}, TPoint{x, y + 1}}) {
                if (to.X > BoardColumns || to.Y > BoardRows) continue;
                const TPoint from{x, y};
                if (!Swappable(board, states, from, to)) continue;
                TBoardData grid = board.BoardData();
                std::swap(grid(from), grid(to));
                if (!board.AnyMatch(grid)) continue;
                const TLineWorth worth = LineWorth(grid, round);
                const bool better =
                    std::pair(worth.Wanted, worth.All) > std::pair(bestWorth.Wanted, bestWorth.All);
                if (better) best.clear();
                if (better || (worth.Wanted == bestWorth.Wanted && worth.All == bestWorth.All)) {
                    best.push_back({from, to});
                    bestWorth = worth;
                }
            }
    if (best.empty()) return HintMove(board);
    return best[Random(static_cast<int>(best.size()))];
}

} // namespace

TLineWorth LineWorth(const TBoardData& grid, const TMainGameScene& round) {
    const TElementGather& gather = round.ElementGather;
    const bool framesWanted = GoldTilesWanted(gather);
    TSimpleObjectArray marked{};
    MarkRuns(grid, {1, 0}, marked);
    MarkRuns(grid, {0, 1}, marked);
    TLineWorth worth;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (marked(x, y) == 0) continue;
            ++worth.All;
            const int slot = GatherSlotOfCode(grid(x, y).ElementCode);
            if (slot >= 0 && gather.StillNeeded(slot)) ++worth.Wanted;
            if (framesWanted && round.LockerFrames.Layers({x, y}) > 0) ++worth.Wanted;
            if (UnderWantedPotion(grid, gather, {x, y})) ++worth.Wanted;
        }
    return worth;
}

// The board's hint and the bot's tie-breaks draw from the game's generator; it is put back, so
// that a round plays as its recorded input alone would play it.
std::optional<TSimMove> ChooseMove(TSimBotKind kind, const TMainGameScene& round) {
    const TRandomState saved = SaveRandomState();
    const std::optional<TSimMove> move =
        kind == TSimBotKind::Greedy ? GreedyMove(round) : HintMove(round.GameBoard);
    RestoreRandomState(saved);
    return move;
}
