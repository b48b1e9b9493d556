#include "EffectTestFixture.h"
#include "effects/LockerFillerClass.h"
#include "effects/LockerFramesClass.h"
#include "effects/LockerPiecesClass.h"
#include "effects/OpeningLockersClass.h"

namespace {

// ---- the filler ----

class LockerFillerTest : public EffectTest {
protected:
    TLockerFiller Filler;
    int Finished = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Filler.OnFinish = [this] { ++Finished; };
    }
    // Ticks until OnFinish; the number of ticks it took (0 if it never came).
    int TicksToFinish(int limit = 1000) {
        for (int tick = 1; tick <= limit; ++tick) {
            Filler.Tick();
            if (Finished > 0) return tick;
        }
        return 0;
    }
    static TBoardData EmptyBoard() {
        TBoardData board;
        for (auto& column : board.Cells)
            for (TBoardTile& tile : column) tile = {okUnused, 0, 0, 0};
        return board;
    }
};

TEST_F(LockerFillerTest, TilesDropFromTheTopAlongTheSerpentineAndLandOneByOne) {
    TBoardData board = EmptyBoard();
    // Rows 11 and 12 are used in columns 2..4 only.
    for (int x = 2; x <= 4; ++x) board(x, 11) = board(x, 12) = {okFruit, 0, 0, 3};
    Filler.StartFilling(board);
    Recorder.Clear();
    Filler.Tick();
    // The first tile started at the right-most used tile of row 12 and falls 25 pixels a tick;
    // the cursor moved on to (3, 12), which starts at the board's top edge as well.
    const auto elements = Recorder.CallsOf("ElementsInside");
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].X, TileTopLeft(4, 1).X);
    EXPECT_EQ(elements[0].Y, TileTopLeft(4, 1).Y + 25);
    EXPECT_EQ(elements[1].X, TileTopLeft(3, 1).X);
    EXPECT_EQ(elements[0].PatternIndex, 2);
    // Backgrounds lie two pixels up and left of the element.
    EXPECT_EQ(Recorder.CallsOf("BackgroundTile")[0].X, TileTopLeft(4, 1).X - 2);

    // Row 12 goes 4, 3, 2, then up to row 11 at column 1 (unused: a slot without a tile) and
    // rightwards 2, 3, 4 on tick 6; that tile falls ten rows, 520 pixels, in 21 ticks: all
    // have landed on tick 26 while the cursor still walks the empty rows.
    EXPECT_EQ(TicksToFinish(), 25);
    EXPECT_EQ(Finished, 1);
    EXPECT_FALSE(Filler.Running());
    // Landing sounds: odd column and odd row, or even and even; (3, 11) is odd/odd, (2, 12),
    // (4, 12) even/even.
    int bounce1 = 0, bounce2 = 0;
    for (const std::string& sound : Sounds.Played) {
        bounce1 += sound == "ElementBounce1";
        bounce2 += sound == "ElementBounce2";
    }
    EXPECT_EQ(bounce1, 1);
    EXPECT_EQ(bounce2, 2);
    // Finished: nothing more is drawn or raised.
    Recorder.Clear();
    Filler.Tick();
    EXPECT_TRUE(Recorder.Calls.empty());
    EXPECT_EQ(Finished, 1);
}

TEST_F(LockerFillerTest, AFullBoardTakesOneSlotPerTileAndEndsWhenTheLastLands) {
    Filler.StartFilling(BoardOf(1));
    // 192 slots, the first on the start; the last tile is (1, 1): it lands at once.
    EXPECT_EQ(TicksToFinish(), 191);
}

TEST_F(LockerFillerTest, HolesShowNothingAndABoardOfHolesFinishesOnTheFirstTick) {
    TBoardData board = BoardOf(2);
    board(16, 12) = {okUnused, 0, 0, 0};
    board(8, 12) = {okUnused, 1, 0, 0}; // a hole with a visible background takes part
    Filler.StartFilling(board);
    Recorder.Clear();
    Filler.Tick();
    EXPECT_EQ(Recorder.CallsOf("ElementsInside")[0].X, TileTopLeft(15, 1).X)
        << "the fill starts at the right-most used tile";
    for (int tick = 0; tick < 8; ++tick) Filler.Tick();
    bool holeDrawnAsBackgroundOnly = false;
    for (const auto& call : Recorder.CallsOf("BackgroundTile"))
        holeDrawnAsBackgroundOnly |= call.X == TileTopLeft(8, 1).X - 2 && call.PatternIndex == 1;
    EXPECT_TRUE(holeDrawnAsBackgroundOnly);
    for (const auto& call : Recorder.CallsOf("ElementsInside"))
        EXPECT_NE(call.X, TileTopLeft(8, 1).X);

    Finished = 0;
    Filler.StartFilling(EmptyBoard());
    Filler.Tick();
    EXPECT_EQ(Finished, 1);
}

TEST_F(LockerFillerTest, HiddenOrClearedFillerWaits) {
    Filler.StartFilling(BoardOf(1));
    Filler.Visible = false;
    for (int tick = 0; tick < 300; ++tick) Filler.Tick();
    EXPECT_EQ(Finished, 0);
    Filler.Visible = true;
    Filler.Clear();
    EXPECT_EQ(TicksToFinish(300), 0);
}

// ---- the frames ----

class LockerFramesTest : public EffectTest {
protected:
    TLockerFrames Frames;
    std::vector<std::pair<TPoint, int>> Reports;

    void SetUp() override {
        EffectTest::SetUp();
        Frames.OnLockerFrameEffectRequest = [this](TPoint cell, uint8_t type) {
            Reports.push_back({cell, type});
        };
    }
    static TSimpleObjectArray Layers(std::initializer_list<std::pair<TPoint, int>> cells) {
        TSimpleObjectArray mask{};
        for (auto [cell, layers] : cells) mask(cell) = static_cast<uint8_t>(layers);
        return mask;
    }
    // The frame sprite drawn this tick (the last "BrownTile" call: the trail comes first).
    TRecordedImageCall FrameCall() {
        const auto calls = Recorder.CallsOf("BrownTile");
        EXPECT_FALSE(calls.empty());
        return calls.empty() ? TRecordedImageCall{} : calls.back();
    }
};

TEST_F(LockerFramesTest, FramesFlyInFromTheCentreWithATrailAndRestOnTheirCell) {
    Frames.SetupFrames(Layers({{{1, 1}, 2}}));
    Recorder.Clear();
    Frames.Tick();
    EXPECT_TRUE(Recorder.Calls.empty()) << "parked frames are not drawn";

    Frames.FlyIn();
    const TPoint home = TileTopLeft(1, 1);
    // From (675, 395) to (266, 95): 409 across is the longer way, 23 pixels a tick.
    const double steps = 409.0 / 23;
    int ticks = 0;
    while (Frames.Flying() && ticks < 100) {
        Recorder.Clear();
        Frames.Tick();
        ++ticks;
        const TRecordedImageCall frame = FrameCall();
        EXPECT_EQ(frame.PatternIndex, 1) << "two layers";
        if (ticks == 1) {
            EXPECT_EQ(frame.X, 675 - 23);
            EXPECT_EQ(frame.Y, RoundHalfEven(395 - 300 / steps));
        }
        if (ticks >= 2 && Frames.Flying()) {
            const auto trail = Recorder.CallsOf("BrownTile");
            ASSERT_EQ(trail.size(), 4u);
            EXPECT_EQ(trail[0].Alpha, 120);
            EXPECT_EQ(trail[2].Alpha, 60);
            EXPECT_EQ(trail[0].BlendMode, BlendAdditiveAlpha);
        }
    }
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(Frames.State({1, 1}), TLockerFrames::fsInPlace);
    Recorder.Clear();
    Frames.Tick();
    ASSERT_EQ(Recorder.CallsOf("BrownTile").size(), 1u) << "a frame at rest leaves no trail";
    EXPECT_EQ(FrameCall().X, home.X);
    EXPECT_EQ(FrameCall().Y, home.Y);
}

TEST_F(LockerFramesTest, TwoLayersAreLostOneByOneAndEachLossIsReported) {
    Frames.SetupFrames(Layers({{{3, 4}, 2}, {{5, 5}, 1}}));
    Frames.FlyIn();
    for (int tick = 0; tick < 30; ++tick) Frames.Tick();
    Frames.RemoveLayers(MaskOf({{3, 4}, {7, 7}}));
    EXPECT_EQ(Reports, (std::vector<std::pair<TPoint, int>>{{{3, 4}, 2}}));
    Recorder.Clear();
    Frames.Tick();
    ASSERT_EQ(Recorder.CallsOf("BrownTile").size(), 2u);
    EXPECT_EQ(Recorder.CallsOf("BrownTile")[0].PatternIndex, 0) << "one layer left";

    Frames.RemoveLayers(MaskOf({{3, 4}}));
    EXPECT_EQ(Reports.back(), (std::pair<TPoint, int>{{3, 4}, 1}));
    EXPECT_EQ(Frames.State({3, 4}), TLockerFrames::fsNone);
    Frames.RemoveLayers(MaskOf({{3, 4}}));
    EXPECT_EQ(Reports.size(), 2u) << "a gone frame reports nothing";

    // Upgraded frames use the golden patterns.
    Frames.TileKind = tkUpgraded;
    Recorder.Clear();
    Frames.Tick();
    EXPECT_EQ(FrameCall().PatternIndex, 2);
}

TEST_F(LockerFramesTest, ASpinTurnsOnceScaledUpAndKeepsTurningWhileTheFrameFliesOut) {
    Frames.SetupFrames(Layers({{{2, 2}, 1}}));
    Frames.FlyIn();
    Frames.RotaterOnePerXProb = 1; // every spin draw spins
    Frames.RotaterInterval = 60;
    Frames.Tick();
    Recorder.Clear();
    Frames.Tick(); // the second tick reaches the interval
    EXPECT_FLOAT_EQ(FrameCall().Angle, 348);
    EXPECT_FLOAT_EQ(FrameCall().ScaleX, 1.2f);
    Frames.RotaterInterval = 1000000;
    for (int tick = 0; tick < 16; ++tick) Frames.Tick();
    EXPECT_EQ(Frames.State({2, 2}), TLockerFrames::fsInPlace);
    Frames.FlyOut();
    for (int tick = 0; tick < 5; ++tick) Frames.Tick();
    EXPECT_FLOAT_EQ(Frames.Angle({2, 2}), 348 - 22 * 12);
    EXPECT_EQ(Frames.State({2, 2}), TLockerFrames::fsFlyingOut);
    for (int tick = 0; tick < 40 && Frames.Flying(); ++tick) Frames.Tick();
    EXPECT_EQ(Frames.State({2, 2}), TLockerFrames::fsParked);
    Recorder.Clear();
    Frames.Tick();
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(LockerFramesTest, AFrameAlreadyAtItsTargetArrivesAtOnce) {
    Frames.CenterPosX = Origin.X;
    Frames.CenterPosY = Origin.Y;
    Frames.SetupFrames(Layers({{{1, 1}, 1}}));
    Frames.FlyIn();
    Frames.Tick();
    EXPECT_EQ(Frames.State({1, 1}), TLockerFrames::fsInPlace);
}

// ---- opening and pieces ----

class OpeningLockersTest : public EffectTest {
protected:
    TOpeningLockers Opening;
    TLockerPieces Pieces;
    std::vector<std::pair<TPoint, int>> PiecesAsked; // cell, tick
    std::vector<std::tuple<TPoint, bool, int>> Completed;
    int Tick = 0;

    void SetUp() override {
        EffectTest::SetUp();
        Opening.OnPiecesEffectRequest = [this](const TBoardData& board,
                                               const TSimpleObjectArray& mask) {
            ForEachMaskedCell(mask, [&](TPoint cell) { PiecesAsked.push_back({cell, Tick}); });
            Pieces.StartPieces(board, mask);
        };
        Opening.OnOpeningEffectComplete = [this](const TSimpleObjectArray& mask, bool last) {
            ForEachMaskedCell(mask, [&](TPoint cell) { Completed.push_back({cell, last, Tick}); });
        };
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++Tick;
            Opening.Tick();
        }
    }
    static TBoardData Lockers() {
        TBoardData board = BoardOf(4);
        for (auto& column : board.Cells)
            for (TBoardTile& tile : column) {
                tile.ObjectKind = okLocker;
                tile.LockerColor = 2;
            }
        return board;
    }
};

TEST_F(OpeningLockersTest, ThreeLockersBreakWithOneSoundAndCompleteTogetherTheLastSaysSo) {
    Opening.StartOpening(Lockers(), MaskOf({{2, 2}, {3, 2}, {4, 2}}));
    EXPECT_TRUE(Opening.IsOpening());
    Recorder.Clear();
    Run(1);
    // The element inside shows at the cell.
    const auto inside = Recorder.CallsOf("ElementsInside");
    ASSERT_EQ(inside.size(), 3u);
    EXPECT_EQ(inside[0].X, TileTopLeft(2, 2).X);
    EXPECT_EQ(inside[0].PatternIndex, 3);
    Run(21);
    EXPECT_EQ(Sounds.Played, std::vector<std::string>{"LockerBreak"});
    ASSERT_EQ(PiecesAsked.size(), 3u);
    EXPECT_EQ(PiecesAsked[0].second, 14) << "on the first blank frame";
    ASSERT_EQ(Completed.size(), 3u);
    for (const auto& [cell, last, tick] : Completed) EXPECT_EQ(tick, 22);
    EXPECT_FALSE(std::get<1>(Completed[0]));
    EXPECT_FALSE(std::get<1>(Completed[1]));
    EXPECT_TRUE(std::get<1>(Completed[2]));
    EXPECT_FALSE(Opening.IsOpening());
    EXPECT_EQ(Pieces.RunningCount(), 18);
}

TEST_F(OpeningLockersTest, ASetWithASpecialElementWaitsElevenTicksMore) {
    TBoardData board = Lockers();
    board(5, 5).ElementCode = ecUniFruit;
    Opening.UniFruitCode = 7;
    Opening.StartOpening(board, MaskOf({{5, 5}, {6, 5}}));
    Recorder.Clear();
    Run(1);
    ASSERT_EQ(Recorder.CallsOf("BubbleInside").size(), 1u);
    EXPECT_EQ(Recorder.CallsOf("BubbleInside")[0].PatternIndex, 6);
    Run(32);
    ASSERT_EQ(Completed.size(), 2u);
    EXPECT_EQ(std::get<2>(Completed[0]), 33);
}

TEST_F(OpeningLockersTest, PiecesWaitATickThenFlyUpAndFallOffTheScreenFading) {
    Pieces.StartPieces(Lockers(), MaskOf({{1, 1}}));
    EXPECT_EQ(Pieces.RunningCount(), 6);
    Pieces.Tick();
    const TLockerPieces::TPiece first = Pieces.Piece(0);
    EXPECT_EQ(first.State, TLockerPieces::TPiece::psFlying);
    EXPECT_EQ(first.X, TileTopLeft(1, 1).X + 2 + 3);
    EXPECT_EQ(first.Y, TileTopLeft(1, 1).Y + 2 + 1);
    EXPECT_EQ(first.Colour, 2);
    Pieces.Tick();
    const TLockerPieces::TPiece second = Pieces.Piece(0);
    EXPECT_DOUBLE_EQ(second.FallSpeed, 10.5 + 1.62);
    EXPECT_DOUBLE_EQ(second.Glow, 30 - 1.6);
    int ticks = 2;
    while (Pieces.RunningCount() > 0 && ticks < 200) {
        Pieces.Tick();
        ++ticks;
    }
    EXPECT_LT(ticks, 60);
    // A 201st piece takes the place of the oldest.
    for (int i = 0; i < 34; ++i) Pieces.StartPieces(Lockers(), MaskOf({{1, 1}}));
    EXPECT_EQ(Pieces.RunningCount(), TLockerPieces::Capacity);
}

} // namespace
