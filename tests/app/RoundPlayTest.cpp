// Whole rounds in-process: real mouse drags through the controller, every effect playing its
// frames, the board settling, and the score and the gathering agreeing with what was cleared.
#include "FormTestKit.h"
#include "board/GameBoardTestKit.h"

#include <gtest/gtest.h>

namespace {

// Watches the round through the controller's own wiring: each handler is wrapped, not replaced.
class RoundPlay : public ::testing::Test {
protected:
    void Begin(uint64_t seed, const TLevelTargets& targets) {
        rig = std::make_unique<TFormRig>("round", seed, targets);
        form().FormShow();
        auto& grouping = game().GroupedElementsEffect.OnGroupingEffectComplete;
        grouping = [this, next = grouping](const TBoardData& grid, const TSimpleObjectArray& mask,
                                           bool blaster) {
            ForEachMaskedCell(mask, [&](TPoint cell) { ++clearedOfCode[grid(cell).ElementCode]; });
            cleared += CountSet(mask);
            next(grid, mask, blaster);
        };
        auto& request = game().GameBoard.OnGroupedElementsEffectRequest;
        request = [this, next = request](const TBoardData& grid, const TSimpleObjectArray& mask,
                                         bool combos, bool blaster) {
            ++groupings;
            next(grid, mask, combos, blaster);
        };
        auto& stood = game().SwapEffect.OnEffectComplete;
        stood = [this, next = stood](TTileObjectKind kind, TPoint a, TPoint b) {
            swapEndings.push_back(true);
            next(kind, a, b);
        };
        auto& back = game().SwapEffect.OnSwapBackComplete;
        back = [this, next = back](TTileObjectKind kind, TPoint a, TPoint b) {
            swapEndings.push_back(false);
            next(kind, a, b);
        };
    }
    TFormMain& form() { return *rig->Form; }
    TMainGameScene& game() { return rig->Form->MainGame(); }
    TGameBoard& board() { return rig->Form->MainGame().GameBoard; }

    bool BoardAtRest() {
        const TTileStateGrid states = board().TileStates();
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                const uint8_t state = states(x, y);
                if (state != tsIdle && state != tsNoCell && state != tsChained) return false;
                if (game().GroupedElementsEffect.IsShaking({x, y})) return false;
            }
        // The board is built, its frames have landed, no reshuffle or locker opening runs.
        return game().SwapEffect.RunningCount() == 0 &&
               game().FlowingElements.RunningCount() == 0 && !game().LockerFiller.Running() &&
               !game().LockerFrames.Flying() && !game().ShuffleAwayEffect.IsRunning() &&
               !game().OpeningLockers.IsOpening();
    }
    // Ticks until the board has been at rest for longer than the cascade delay and every
    // flight has arrived.
    bool Settle(int limit = 2000) {
        const int quietTicks = TGameBoard::CascadeDelayMs / GameTickMs + 3;
        int quiet = 0;
        for (int i = 0; i < limit && quiet < quietTicks; ++i) {
            rig->Tick();
            quiet = BoardAtRest() ? quiet + 1 : 0;
        }
        return quiet >= quietTicks;
    }
    // Whether swapping the two whole tiles would make a line, as the board judges it.
    bool SwapWouldMatch(TPoint a, TPoint b) {
        TBoardData grid = board().BoardData();
        std::swap(grid(a), grid(b));
        return board().AnyMatch(grid);
    }
    // A move through the mouse; returns whether the swap stood, after the board has settled.
    bool Move(TPoint from, TPoint to) {
        const size_t endings = swapEndings.size();
        rig->Drag(from, to);
        EXPECT_TRUE(Settle()) << "the board did not come to rest";
        EXPECT_EQ(swapEndings.size(), endings + 1) << "one swap, one ending";
        return swapEndings.size() > endings && swapEndings.back();
    }

    void ExpectSettledInvariants(const TLevelTargets& targets) {
        const TBoardData grid = board().BoardData();
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                EXPECT_NE(grid(x, y).ObjectKind, okTempBlank) << "empty cell " << x << "," << y;
        EXPECT_TRUE(BoardAtRest());
        EXPECT_EQ(game().Score, TMainGameScene::PointsPerClearedTile * cleared);
        EXPECT_EQ(game().LevelScore, game().Score);
        // Every cleared element the gathering wanted flew there and was counted.
        for (int code = ecFirstFruit; code <= ecLastFruit; ++code)
            EXPECT_EQ(game().ElementGather.Remaining(ieFruit1 + code - 1),
                      std::max(0, targets.Codes[code] - clearedOfCode[code]))
                << "code " << code;
    }

    std::unique_ptr<TFormRig> rig;
    int cleared = 0;
    int clearedOfCode[256]{};
    int groupings = 0;
    std::vector<bool> swapEndings;
};

TEST_F(RoundPlay, ADraggedMoveThatMakesALineStandsAndItsTilesScore) {
    const TLevelTargets targets{{0, 10, 10, 10}};
    Begin(11, targets);
    ASSERT_TRUE(Settle());
    TPoint a, b;
    ASSERT_TRUE(board().FindPossibleMove(a, b));
    ASSERT_TRUE(SwapWouldMatch(a, b));
    EXPECT_TRUE(Move(a, b));
    EXPECT_GE(cleared, 3);
    EXPECT_GT(game().Score, 0);
    ExpectSettledInvariants(targets);
}

TEST_F(RoundPlay, ADraggedMoveWithoutALineGoesBackAndChangesNothing) {
    const TLevelTargets targets{{0, 10, 10, 10}};
    Begin(12, targets);
    ASSERT_TRUE(Settle());
    TPoint a, b;
    bool found = false;
    for (int x = 4; x < 12 && !found; ++x)
        for (int y = 3; y <= 10 && !found; ++y)
            if (board().TileAt({x, y}).ElementCode != board().TileAt({x + 1, y}).ElementCode &&
                !SwapWouldMatch({x, y}, {x + 1, y})) {
                a = {x, y};
                b = {x + 1, y};
                found = true;
            }
    ASSERT_TRUE(found);
    const TBoardData before = board().BoardData();
    EXPECT_FALSE(Move(a, b));
    EXPECT_TRUE(board().BoardData() == before);
    EXPECT_EQ(game().Score, 0);
    EXPECT_EQ(groupings, 0);
    ExpectSettledInvariants(targets);
}

TEST_F(RoundPlay, ALineThatDropsATileIntoAnotherPlaysTheCascadeThrough) {
    const TLevelTargets targets{{0, 0, 0, 0, 0, 0, 2}};
    Begin(13, targets);
    ASSERT_TRUE(Settle());
    // Swapping (3,5) and (4,5) lines up three 5s in row 5; the 6 above (2,5) then drops onto
    // the two 6s below it.
    board().SetBoardData(
        GridOf({"................", "................", "................", ".6..............",
                "55.5............", ".6..............", ".6.............."}));
    EXPECT_TRUE(Move({3, 5}, {4, 5}));
    EXPECT_GE(groupings, 2);
    EXPECT_EQ(clearedOfCode[5], 3);
    EXPECT_GE(clearedOfCode[6], 3);
    ExpectSettledInvariants(targets);
    EXPECT_EQ(game().ElementGather.Remaining(ieFruit6), 0);
}

TEST_F(RoundPlay, ABoardWithoutMovesIsAnnouncedAndShuffledIntoOneWithAMove) {
    Begin(16, {{0, 10}});
    ASSERT_TRUE(Settle());
    int reports = 0;
    auto& noMoves = board().OnNoMoreMoves;
    noMoves = [&reports, next = noMoves] {
        ++reports;
        next();
    };
    const TBoardData stuck = QuietGrid();
    board().SetBoardData(stuck);
    board().ResetTimers();
    TPoint a, b;
    ASSERT_FALSE(board().FindPossibleMove(a, b));
    const int waitTicks = board().NoMoreMovesInterval / GameTickMs;
    rig->Ticks(waitTicks - 2);
    EXPECT_EQ(reports, 0);
    rig->Ticks(4);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(game().BoardComment1.CommentType(), coNoMoreMoves);
    ASSERT_TRUE(Settle());
    EXPECT_FALSE(board().BoardData() == stuck);
    EXPECT_TRUE(board().FindPossibleMove(a, b));
    ExpectSettledInvariants({{0, 10}});
}

TEST_F(RoundPlay, GatheringEveryTargetWinsTheRoundOnce) {
    Begin(14, {{0, 1}});
    ASSERT_TRUE(Settle());
    int wins = 0;
    auto& complete = game().ElementGather.OnComplete;
    complete = [&wins, next = complete] {
        ++wins;
        next();
    };
    for (int move = 0; move < 40 && !game().RoundOver; ++move) {
        TPoint a, b;
        if (!board().FindPossibleMove(a, b)) break;
        Move(a, b);
    }
    ASSERT_TRUE(game().RoundOver);
    EXPECT_EQ(wins, 1);
    EXPECT_FALSE(board().CanMatch);
    EXPECT_EQ(game().BoardComment1.CommentType(), coGameRoundClear);
    EXPECT_EQ(form().Music().NextTrack(), mtLevelClear);
}

TEST_F(RoundPlay, FiveHundredMovesKeepTheBoardWholeAndTheScoreHonest) {
    // Targets far out of reach and a relaxed timer: the round never ends, elements keep flying
    // and falling.
    const TLevelTargets targets{{0, 5000, 5000}};
    Begin(15, targets);
    game().TubeTimer.RelaxedMode = rmYes;
    ASSERT_TRUE(Settle());
    int cascades = 0;
    int shuffles = 0;
    auto& noMoves = board().OnNoMoreMoves;
    noMoves = [&shuffles, next = noMoves] {
        ++shuffles;
        next();
    };
    for (int move = 0; move < 500; ++move) {
        TPoint a, b;
        // A board without moves is shuffled by the controller after the no-more-moves wait.
        for (int wait = 0; wait < 1000 && !board().FindPossibleMove(a, b); ++wait) rig->Tick();
        ASSERT_TRUE(Settle()) << "move " << move;
        ASSERT_TRUE(board().FindPossibleMove(a, b)) << "move " << move;
        const bool expected = SwapWouldMatch(a, b);
        const int groupingsBefore = groupings;
        ASSERT_EQ(Move(a, b), expected) << "move " << move;
        cascades += groupings - groupingsBefore > 1;
        ExpectSettledInvariants(targets);
        if (HasFailure()) FAIL() << "after move " << move;
    }
    EXPECT_GT(cascades, 0);
    RecordProperty("cascades", cascades);
    RecordProperty("shuffles", shuffles);
}

} // namespace
