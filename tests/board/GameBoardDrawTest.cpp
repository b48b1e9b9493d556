#include "GameBoardTestKit.h"
#include "engine/RecordingImageTarget.h"

namespace {

struct GameBoardDraw : ::testing::Test {
    TRecordingImageTarget Recorder;
    void SetUp() override { SetMainImageTarget(&Recorder); }
    void TearDown() override {
        SetMainImageTarget(nullptr);
        SetReducedEffectsMode(false);
    }
    // The one call that drew `name` with its top-left at the given point, if any.
    const TRecordedImageCall* At(const char* name, int x, int y) const {
        for (const auto& call : Recorder.Calls)
            if (call.Name == name && call.X == x && call.Y == y) return &call;
        return nullptr;
    }
    static TPoint Cell(int x, int y) { return TileOrigin(266, 95, x, y); }
};

TEST_F(GameBoardDraw, LayersComeInTheirOrder) {
    TBoardHarness h(GridOf({"xo", "", "", "", "", "", "", "", "", "", "", "..............."}));
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Board.OnTimeToDrawBoardBorder = [] {
        DrawImage("Border", 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0);
    };
    h.Board.OnTimeToDrawLockerFrames = [] {
        DrawImage("Frames", 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0);
    };
    h.Tick();
    const auto& calls = Recorder.Calls;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0].Name, "BackgroundTile");
    EXPECT_EQ(calls[0].X, Cell(16, 1).X - 2) << "columns right to left";
    EXPECT_EQ(Recorder.CallsOf("BackgroundTile").size(), 191u) << "the empty hole has none";
    EXPECT_EQ(At("BackgroundTile", Cell(2, 1).X - 2, Cell(2, 1).Y - 2)->PatternIndex, 1);
    size_t border = 0, frames = 0, firstElement = 0;
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].Name == "Border") border = i;
        if (calls[i].Name == "Frames") frames = i;
        if (calls[i].Name == "ElementsInside" && firstElement == 0) firstElement = i;
    }
    EXPECT_EQ(border, 191u);
    EXPECT_EQ(frames, 192u);
    EXPECT_EQ(firstElement, 193u);
    EXPECT_EQ(Recorder.CallsOf("ElementsInside").size(), 190u);

    Recorder.Clear();
    SetReducedEffectsMode(true);
    h.Tick();
    EXPECT_TRUE(Recorder.CallsOf("BackgroundTile").empty());
}

TEST_F(GameBoardDraw, EveryKindOfTileHasItsOwnPicture) {
    TBoardData grid = GridOf({"ABCHFMKU5P"});
    grid(4, 1).ElementCode = ecHammerObject;
    grid(9, 1).FruitBomb = 1;
    grid(9, 1).WormState = 1;
    grid(11, 1).WormState = 2;
    grid(12, 1).ElementCode = ecAerosolItem;
    grid(13, 1).ElementCode = ecBroomItem;
    TBoardHarness h(grid);
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Tick();
    for (int color = 1; color <= 3; ++color)
        EXPECT_EQ(At("Locker", Cell(color, 1).X, Cell(color, 1).Y)->PatternIndex, color - 1);
    const std::pair<int, int> items[] = {{4, 0}, {5, 1}, {6, 2}, {7, 3}, {12, 5}, {13, 4}};
    for (auto [x, pattern] : items)
        EXPECT_EQ(At("SpecialItems", Cell(x, 1).X, Cell(x, 1).Y)->PatternIndex, pattern) << x;
    const TRecordedImageCall* bubble = At("BubbleInside", Cell(8, 1).X, Cell(8, 1).Y);
    ASSERT_NE(bubble, nullptr);
    EXPECT_EQ(bubble->PatternIndex, h.Board.CurrentUniFruitCode() - 1);
    EXPECT_FLOAT_EQ(bubble->ScaleX + bubble->ScaleY, 2.0f) << "wider as it gets lower";
    EXPECT_NE(At("FruitBombMark", Cell(9, 1).X, Cell(9, 1).Y), nullptr);
    EXPECT_NE(At("Worm", Cell(9, 1).X, Cell(9, 1).Y), nullptr);
    EXPECT_NE(At("WormHusk", Cell(11, 1).X, Cell(11, 1).Y), nullptr);
    EXPECT_EQ(At("ElementsInside", Cell(11, 1).X, Cell(11, 1).Y), nullptr) << "eaten";
    for (const auto& call : Recorder.CallsOf("ElementsInside"))
        EXPECT_LE(call.PatternIndex, 17) << "no code outside the element table";

    // The potion glows in cyan with a pulsing alpha that rests at 0 now and then.
    int glowing = 0;
    for (int frame = 0; frame < 60; ++frame) {
        Recorder.Clear();
        h.Tick();
        for (const auto& call : Recorder.CallsOf("ElementsInside"))
            if (call.BlendMode == BlendAdditiveAlpha) {
                EXPECT_EQ(call.X, Cell(10, 1).X);
                EXPECT_EQ(call.Red, 0);
                EXPECT_EQ(call.Blue, 255);
                EXPECT_LE(call.Alpha, 80);
                ++glowing;
            }
    }
    EXPECT_GT(glowing, 10);
    EXPECT_LT(glowing, 60);
}

TEST_F(GameBoardDraw, CoversSelectionAndBusyTiles) {
    TBoardData grid = QuietGrid();
    grid(2, 2).ChainLevel = 2;
    grid(3, 3).Web = 1;
    TBoardHarness h(grid);
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Click(5, 5);
    h.Click(5, 6); // both tiles swap: another component draws them now
    h.Click(8, 8);
    h.Tick();
    EXPECT_EQ(At("ElementsInside", Cell(5, 5).X, Cell(5, 5).Y), nullptr);
    EXPECT_EQ(At("ElementsInside", Cell(5, 6).X, Cell(5, 6).Y), nullptr);
    const auto chains = Recorder.CallsOf("ChainLock");
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_EQ(chains[0].X, Cell(2, 2).X - 2);
    EXPECT_EQ(chains[1].PatternIndex, 5);
    EXPECT_NE(At("Web", Cell(3, 3).X - 1, Cell(3, 3).Y - 2), nullptr);
    const TRecordedImageCall* selection = At("TileSelection", Cell(8, 8).X - 1, Cell(8, 8).Y - 2);
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->Alpha, 60);
    EXPECT_EQ(Recorder.Calls.back().Name, "TileSelection");

    Recorder.Clear();
    h.Board.CanDraw = false;
    h.Tick();
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(GameBoardDraw, ALandingColumnBounces) {
    TBoardHarness h(QuietGrid());
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Board.RemoveTile({4, 12});
    h.Ticks(6); // lands
    Recorder.Clear();
    h.Tick();
    const TRecordedImageCall* low = At("ElementsInside", Cell(4, 3).X, Cell(4, 3).Y + 1);
    EXPECT_NE(low, nullptr) << "a pixel lower on the first frame of the bounce";
    h.Ticks(40);
    Recorder.Clear();
    h.Tick();
    EXPECT_NE(At("ElementsInside", Cell(4, 3).X, Cell(4, 3).Y), nullptr) << "still again";
}

TEST_F(GameBoardDraw, TheHintWigglesAwayFromItsPartner) {
    TBoardHarness h(GridOf({"", "....5", "....5", "", ".55.5.55"}));
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Board.ShowHintAt({5, 5}, {4, 5});
    h.Tick();
    EXPECT_EQ(At("ElementsInside", Cell(5, 5).X, Cell(5, 5).Y), nullptr) << "drawn by the hint";
    Recorder.Clear();
    h.Board.DrawHint();
    const auto calls = Recorder.CallsOf("ElementsInside");
    ASSERT_EQ(calls.size(), 4u);
    // Shadow first, then the element, 15% larger; the right tile moves right by the wiggle.
    EXPECT_EQ(calls[0].Red, 0);
    EXPECT_EQ(calls[0].Alpha, 80);
    EXPECT_EQ(calls[0].X, calls[1].X + 2);
    EXPECT_EQ(calls[0].Y, calls[1].Y + 5);
    EXPECT_FLOAT_EQ(calls[1].ScaleX, 1.15f);
    EXPECT_EQ(calls[1].X, Cell(5, 5).X - 1 + 1);
    EXPECT_EQ(calls[3].X, Cell(4, 5).X - 1 - 1);
}

} // namespace

namespace {

TEST_F(GameBoardDraw, AToolsHighlightGlowsOverItsTilesAfterADarkPause) {
    TBoardHarness h(GridOf({"7.7"}));
    h.Board.Left = 266;
    h.Board.Top = 95;
    h.Board.SetToolHighlight({1, 1}, 3);
    h.Tick();
    EXPECT_TRUE(Recorder.CallsOf("ToolHighlight").empty()) << "dark while the alpha is below 0";
    Recorder.Clear();
    h.Ticks(10);
    Recorder.Clear();
    h.Tick();
    const auto glows = Recorder.CallsOf("ToolHighlight");
    ASSERT_GE(glows.size(), 2u);
    const TRecordedImageCall* glow = At("ToolHighlight", Cell(1, 1).X - 2, Cell(1, 1).Y - 2);
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(glow->Alpha, TGameBoard::HighlightAlphaTop);
}

} // namespace
