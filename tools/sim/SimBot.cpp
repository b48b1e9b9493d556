#include "SimBot.h"

#include "engine/GameGlobals.h"

#include <utility>
#include <vector>

namespace {

constexpr int ShortestLine = 3;
// A cleared cell beneath a wanted potion is worth this many wanted elements: a player sees the
// potion as the goal it is.
constexpr int PotionWorth = 3;

// Chained and webbed fruit take part in lines (a line through them breaks a link or tears the
// web) but cannot be moved.
bool Lines(const TBoardTile& tile) {
    return tile.ObjectKind == okFruit && tile.ElementCode != 0;
}
bool Movable(const TBoardTile& tile) {
    return Lines(tile) && tile.ChainLevel == 0 && tile.Web == 0;
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
    return Movable(grid(a)) && Movable(grid(b)) && grid(a).ElementCode != grid(b).ElementCode &&
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

bool WantedPotion(const TBoardTile& tile, const TElementGather& gather) {
    return IsPotionCode(tile.ElementCode) && gather.StillNeeded(GatherSlotOfCode(tile.ElementCode));
}

// A vertical swap takes a wanted potion a row down (worth as much as a line beneath it) or a
// row up, which a player would not do.
int PotionStepWorth(const TBoardData& grid, const TElementGather& gather, TPoint upper,
                    TPoint lower) {
    if (upper.X != lower.X) return 0;
    if (WantedPotion(grid(upper), gather)) return ShortestLine;
    return WantedPotion(grid(lower), gather) ? -1 : 0;
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
                const int potionStep =
                    PotionStepWorth(board.BoardData(), round.ElementGather, from, to);
                if (potionStep < 0) continue;
                TLineWorth worth = LineWorth(grid, round);
                worth.Wanted += potionStep;
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
            if (UnderWantedPotion(grid, gather, {x, y})) worth.Wanted += PotionWorth;
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
