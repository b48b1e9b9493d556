#include "EffectTestFixture.h"
#include "effects/GroupedElementsEffectClass.h"

namespace {

class GroupedElementsEffectTest : public EffectTest {
protected:
    TGroupedElementsEffect Grouping;
    std::vector<TPoint> HandedBack;
    std::vector<std::pair<TPoint, int>> Tools;
    std::vector<TPoint> Flowers;
    TBoardData LastBoard{};
    bool LastBlaster = false;

    void SetUp() override {
        EffectTest::SetUp();
        Grouping.OnGroupingEffectComplete = [this](const TBoardData& board,
                                                   const TSimpleObjectArray& mask, bool blaster) {
            int cells = 0;
            ForEachCell(mask, [&](TPoint cell) {
                HandedBack.push_back(cell);
                ++cells;
            });
            EXPECT_EQ(cells, 1);
            LastBoard = board;
            LastBlaster = blaster;
        };
        Grouping.OnNewToolAcquired = [this](TPoint tile, int tool) {
            Tools.push_back({tile, tool});
        };
        Grouping.OnNewFlowerAcquired = [this](TPoint tile) { Flowers.push_back(tile); };
    }
    template <typename Visit> static void ForEachCell(const TSimpleObjectArray& mask, Visit visit) {
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                if (mask(x, y)) visit(TPoint{x, y});
    }
};

TEST_F(GroupedElementsEffectTest, LineShakesEightTicksThenEveryCellComesBackAlone) {
    const TBoardData board = BoardOf(5);
    Grouping.StartGrouping(board, MaskOf({{2, 3}, {3, 3}, {4, 3}}), true);
    ASSERT_EQ(Sounds.Played, std::vector<std::string>{"SlotTing"});
    const TPoint shake[8] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 2}, {1, 2}};
    for (int frame = 1; frame <= 8; ++frame) {
        Recorder.Clear();
        Grouping.Tick();
        ASSERT_EQ(Recorder.Calls.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            const TRecordedImageCall& call = Recorder.Calls[i];
            const TPoint home = TileTopLeft(2 + i, 3);
            EXPECT_EQ(call.PatternIndex, 4);
            EXPECT_NEAR(call.X, home.X + shake[frame - 1].X - 3, 1);
            EXPECT_NEAR(call.Y, home.Y + shake[frame - 1].Y - 3, 1);
        }
        EXPECT_EQ(HandedBack.size(), frame == 8 ? 3u : 0u);
    }
    EXPECT_EQ(HandedBack, (std::vector<TPoint>{{2, 3}, {3, 3}, {4, 3}}));
    EXPECT_TRUE(LastBoard == board);
    EXPECT_TRUE(LastBlaster);
    Recorder.Clear();
    Grouping.Tick();
    EXPECT_TRUE(Recorder.Calls.empty());
}

TEST_F(GroupedElementsEffectTest, ToolsAndFlowersGoToTheirCollectorsInsteadOfTheBoard) {
    TBoardData board = BoardOf(3);
    board(5, 2).ElementCode = ecFoundFlower;
    board(5, 4).ElementCode = ecMagicKeyItem;
    Grouping.StartGrouping(board, MaskOf({{5, 1}, {5, 2}, {5, 3}, {5, 4}}), false);
    for (int tick = 0; tick < 8; ++tick) Grouping.Tick();
    EXPECT_EQ(Tools, (std::vector<std::pair<TPoint, int>>{{{5, 4}, 104}}));
    EXPECT_EQ(Flowers, (std::vector<TPoint>{{5, 2}}));
    EXPECT_EQ(HandedBack, (std::vector<TPoint>{{5, 1}, {5, 3}}));

    // A tool first in scan order is both collected and handed back.
    Tools.clear();
    HandedBack.clear();
    board(5, 1).ElementCode = ecBroomItem;
    Grouping.StartGrouping(board, MaskOf({{5, 1}, {6, 1}}), false);
    for (int tick = 0; tick < 8; ++tick) Grouping.Tick();
    EXPECT_EQ(Tools, (std::vector<std::pair<TPoint, int>>{{{5, 1}, 105}}));
    EXPECT_EQ(HandedBack, (std::vector<TPoint>{{5, 1}, {6, 1}}));
}

TEST_F(GroupedElementsEffectTest, RegroupedCellStartsAgainAndHiddenOrClearedCellsWait) {
    const TBoardData board = BoardOf(2);
    Grouping.StartGrouping(board, MaskOf({{1, 1}}), false);
    for (int tick = 0; tick < 5; ++tick) Grouping.Tick();
    Grouping.StartGrouping(board, MaskOf({{1, 1}}), false);
    Grouping.Visible = false;
    for (int tick = 0; tick < 20; ++tick) Grouping.Tick();
    Grouping.Visible = true;
    for (int tick = 0; tick < 7; ++tick) Grouping.Tick();
    EXPECT_TRUE(HandedBack.empty());
    Grouping.Tick();
    EXPECT_EQ(HandedBack.size(), 1u);

    Grouping.StartGrouping(board, MaskOf({{1, 1}}), false);
    Grouping.Clear();
    Recorder.Clear();
    for (int tick = 0; tick < 10; ++tick) Grouping.Tick();
    EXPECT_EQ(HandedBack.size(), 1u);
    EXPECT_TRUE(Recorder.Calls.empty());
}

} // namespace
