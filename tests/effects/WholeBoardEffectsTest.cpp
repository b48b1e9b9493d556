// The effects that take the whole board: the reshuffle, the collapse at time-up and the throw
// after a win.
#include "EffectTestFixture.h"
#include "effects/EffectPattern.h"
#include "effects/LockersAwayEffectClass.h"
#include "effects/LostBoardEffectClass.h"
#include "effects/ShuffleAwayEffectClass.h"

#include <algorithm>

namespace {

TBoardData Holes() {
    TBoardData board;
    for (auto& column : board.Cells)
        for (TBoardTile& tile : column) tile = {okUnused, 0, 0, 0};
    return board;
}

// ---- shuffle-away ----

class ShuffleAwayTest : public EffectTest {
protected:
    TShuffleAwayEffect Shuffle;
    std::vector<int> FinishedAt;
    TBoardData Handed{};
    int Tick = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Shuffle.OnFinished = [this](const TBoardData& board) {
            FinishedAt.push_back(Tick);
            Handed = board;
        };
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++Tick;
            Shuffle.Tick();
        }
    }
};

TEST_F(ShuffleAwayTest, EveryTileTremblesFliesToTheEdgeComesBackAsTheNewBoardAndIsHandedBack) {
    const TBoardData oldBoard = BoardOf(2);
    const TBoardData newBoard = BoardOf(6);
    Shuffle.StartShuffle(oldBoard, newBoard);
    // 600 ms of trembling: 20 ticks, the old board shown, each tile within 0..2 by 0..1 of home.
    for (int tick = 1; tick <= 20; ++tick) {
        Recorder.Clear();
        Run(1);
        const auto elements = Recorder.CallsOf("ElementsInside");
        ASSERT_EQ(elements.size(), 192u);
        EXPECT_EQ(elements[0].PatternIndex, 1);
        const TPoint home = TileTopLeft(16, 1);
        EXPECT_GE(elements[0].X - home.X, 0);
        EXPECT_LE(elements[0].X - home.X, 2);
        EXPECT_LE(elements[0].Y - home.Y, 1);
    }
    EXPECT_EQ(Shuffle.State(), TShuffleAwayEffect::ssFlyingOut);
    EXPECT_EQ(Sounds.Played, std::vector<std::string>{"WhipAway"});
    // Every tile moves 45 pixels a tick on its longer axis.
    const TPoint before = Shuffle.TilePosition({8, 6});
    Run(1);
    const TPoint after = Shuffle.TilePosition({8, 6});
    const int longer = std::max(std::abs(after.X - before.X), std::abs(after.Y - before.Y));
    EXPECT_TRUE(longer == 45 || Shuffle.State() != TShuffleAwayEffect::ssFlyingOut);
    int guard = 0;
    while (Shuffle.State() == TShuffleAwayEffect::ssFlyingOut && ++guard < 100) Run(1);
    EXPECT_EQ(Shuffle.State(), TShuffleAwayEffect::ssFlyingBack);
    Recorder.Clear();
    Run(1);
    EXPECT_EQ(Recorder.CallsOf("ElementsInside")[0].PatternIndex, 5) << "the new board returns";
    while (Shuffle.State() == TShuffleAwayEffect::ssFlyingBack && ++guard < 200) Run(1);
    EXPECT_EQ(Shuffle.State(), TShuffleAwayEffect::ssSecondShake);
    EXPECT_EQ(Shuffle.TilePosition({8, 6}), TileTopLeft(8, 6));
    const int home = Tick;
    Run(8);
    EXPECT_TRUE(FinishedAt.empty());
    Run(1);
    // 250 ms of the second tremble: the ninth tick.
    EXPECT_EQ(FinishedAt, std::vector<int>{home + 9});
    EXPECT_TRUE(Handed == newBoard);
    EXPECT_FALSE(Shuffle.IsRunning());
    Recorder.Clear();
    Run(5);
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(ShuffleAwayTest, VisibleHolesShowTheirBackgroundAloneAndHiddenHolesNothing) {
    TBoardData board = Holes();
    board(3, 3) = {okFruit, 1, 0, 4}; // an element on the alternate background
    board(4, 3) = {okFruit, 0, 0, 4};
    board(5, 3) = {okUnused, 1, 0, 0};
    Shuffle.StartShuffle(board, board);
    Run(1);
    EXPECT_EQ(Recorder.CallsOf("BackgroundTile").size(), 3u);
    EXPECT_EQ(Recorder.CallsOf("ElementsInside").size(), 2u);
}

// ---- the lost board ----

class LostBoardTest : public EffectTest {
protected:
    TLostBoardEffect Lost;
    std::vector<int> AskedAt;
    int Tick = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Lost.OnTimeForDialogWindow = [this] { AskedAt.push_back(Tick); };
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++Tick;
            Lost.Tick();
        }
    }
    int Count(TLostBoardEffect::TTileState state) {
        int count = 0;
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) count += Lost.TileState({x, y}) == state;
        return count;
    }
};

TEST_F(LostBoardTest, AfterASecondOfTremblingThreeTilesDropEveryThirdTickFromTheBottomRowsUp) {
    // Ten by ten tiles: 100 take part.
    TBoardData board = Holes();
    for (int x = 1; x <= 10; ++x)
        for (int y = 3; y <= 12; ++y) board(x, y) = {okFruit, 0, 0, 1};
    Lost.StartCollapse(board);
    EXPECT_EQ(Lost.TakingPart(), 100);
    Run(33);
    EXPECT_EQ(Lost.State(), TLostBoardEffect::lsShaking);
    Run(1);
    EXPECT_EQ(Lost.State(), TLostBoardEffect::lsDropping);
    Run(2);
    EXPECT_EQ(Lost.Dropped(), 0);
    Run(1);
    // One each in rows 12, 10 and 8.
    EXPECT_EQ(Lost.Dropped(), 3);
    for (int row : {12, 10, 8}) {
        int falling = 0;
        for (int x = 1; x <= 10; ++x)
            falling += Lost.TileState({x, row}) != TLostBoardEffect::tlWaiting;
        EXPECT_EQ(falling, 1) << "row " << row;
    }
    // The question comes when the 70th tile has been set falling, once.
    while (AskedAt.empty() && Tick < 500) Run(1);
    EXPECT_GE(Lost.Dropped(), 70);
    EXPECT_LT(Lost.Dropped(), 73);
    Run(300);
    EXPECT_EQ(AskedAt.size(), 1u);
    // Every tile has left the screen by now: the falling ones are gone once below it.
    EXPECT_EQ(Count(TLostBoardEffect::tlFalling), 0);
    EXPECT_EQ(Count(TLostBoardEffect::tlBouncing), 0);
    Recorder.Clear();
    Run(1);
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(LostBoardTest, ATileReachingTheGroundBouncesAlongItsPathWhenTheOneRollSaysSo) {
    TBoardData board = Holes();
    board(1, 12) = {okFruit, 0, 0, 1};
    Lost.OneBounceEveryProb = 1; // every tile bounces
    Lost.StartCollapse(board);
    Run(34 + 3);
    ASSERT_EQ(Lost.TileState({1, 12}), TLostBoardEffect::tlFalling);
    int guard = 0;
    while (Lost.TileState({1, 12}) == TLostBoardEffect::tlFalling && ++guard < 50) Run(1);
    ASSERT_EQ(Lost.TileState({1, 12}), TLostBoardEffect::tlBouncing);
    const int ground = Lost.TilePosition({1, 12}).Y;
    EXPECT_GE(ground, Lost.GroundPosY);
    Run(1);
    EXPECT_EQ(Lost.TilePosition({1, 12}).Y, ground - 10);
    Run(3);
    EXPECT_EQ(Lost.TilePosition({1, 12}).Y, ground - 100);
    Run(8);
    EXPECT_EQ(Lost.TileState({1, 12}), TLostBoardEffect::tlBouncing);
    Run(1);
    EXPECT_EQ(Lost.TileState({1, 12}), TLostBoardEffect::tlGone);

    // A tile whose roll says no falls on past the ground and is never asked again.
    Lost.OneBounceEveryProb = 1000000;
    Lost.StartCollapse(board);
    Run(34 + 3);
    guard = 0;
    while (Lost.TileState({1, 12}) == TLostBoardEffect::tlFalling && ++guard < 50) Run(1);
    EXPECT_EQ(Lost.TileState({1, 12}), TLostBoardEffect::tlGone);
    EXPECT_GE(Lost.TilePosition({1, 12}).Y, 768) << "gone once it has left the screen";
}

TEST_F(LostBoardTest, AnEmptyBoardAsksOnTheFirstTick) {
    Lost.StartCollapse(Holes());
    Run(1);
    EXPECT_EQ(AskedAt, std::vector<int>{1});
}

// ---- lockers-away ----

class LockersAwayTest : public EffectTest {
protected:
    TLockersAwayEffect Away;
    std::vector<std::pair<std::string, int>> Events;
    int Tick = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Away.OnAboutSpreading = [this] { Events.push_back({"spreading", Tick}); };
        Away.OnFinished = [this] { Events.push_back({"finished", Tick}); };
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++Tick;
            Away.Tick();
        }
    }
};

TEST_F(LockersAwayTest, ShakesThirtyFourTicksThenSpreadsAndFinishesWhenTheFarthestArrives) {
    TBoardData board = BoardOf(3);
    board(1, 1).ObjectKind = okBlocker;
    board(2, 1).ObjectKind = okTempBlank;
    Away.Start(board);
    Recorder.Clear();
    Run(1);
    EXPECT_EQ(Recorder.CallsOf("ElementsInside").size(), 190u)
        << "blockers and blanks are not drawn";
    Run(32);
    EXPECT_TRUE(Events.empty());
    Run(1);
    EXPECT_EQ(Events, (std::vector<std::pair<std::string, int>>{{"spreading", 34}}));
    EXPECT_EQ(Sounds.Played, std::vector<std::string>{"WhipAway"});
    // No tile is farther than 1500 pixels from its edge point: 34 ticks at 45 a tick.
    int guard = 0;
    while (Events.size() < 2 && ++guard < 40) Run(1);
    ASSERT_EQ(Events.size(), 2u);
    EXPECT_EQ(Events[1].first, "finished");
    // Every tile stands on an edge point.
    const auto& edge = TThrownTiles::EdgePoints();
    const TPoint spot = Away.TilePosition({7, 7});
    EXPECT_NE(std::find(edge.begin(), edge.end(), spot), edge.end());
    Run(10);
    EXPECT_EQ(Events.size(), 2u) << "once per start";
}

TEST_F(LockersAwayTest, HiddenItWaitsAndStoppedItRaisesNothing) {
    Away.Start(BoardOf(1));
    Away.Visible = false;
    Run(100);
    EXPECT_TRUE(Events.empty());
    Away.Visible = true;
    Run(34);
    EXPECT_EQ(Events.size(), 1u);
    Away.Stop();
    Run(100);
    EXPECT_EQ(Events.size(), 1u);
}

// The way to the edge points: stretched from their sketch, the corner of the screen first.
TEST(ThrownTiles, EdgePointsAreStretchedOntoTheGameAreaAndAStillTileHasArrived) {
    const auto& edge = TThrownTiles::EdgePoints();
    EXPECT_EQ(edge[0], (TPoint{RoundHalfEven(1.7 * (13 - 113)), RoundHalfEven(1.28 * (8 - 83))}));
    EXPECT_EQ(edge[8],
              (TPoint{RoundHalfEven(1.7 * (217 - 113)), RoundHalfEven(1.28 * (756 - 83))}));
    const TAxisSpeeds still = SpeedsArrivingTogether(0, 0, 45);
    EXPECT_EQ(still.X, 0);
    EXPECT_EQ(still.Y, 0);
    const TAxisSpeeds slanted = SpeedsArrivingTogether(-90, 45, 45);
    EXPECT_DOUBLE_EQ(slanted.X, 45);
    EXPECT_DOUBLE_EQ(slanted.Y, 22.5);
}

} // namespace
