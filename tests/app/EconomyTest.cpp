// The purse through the real game: what a round adds is kept when it is won and given back when
// it is lost or left, once; the purse, the slots and the map travel in the player's save.
#include "EconomyWalkKit.h"

#include <limits>

namespace {

TPlayerSaveRecord WithFruit(float fruit) {
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.ElementStocks[elFruit] = fruit;
    return record;
}

} // namespace

TEST(GameProgress, PurseSlotsAndMapRoundTripThroughTheRecord) {
    TGameProgress progress;
    progress.BuySlots.SetOwned({12.5f, 3, 0, 7.25f, 1});
    std::array<uint8_t, BuySlotCount> bought{};
    bought[0] = bought[1] = bought[2] = bought[3] = bought[4] = 1;
    progress.BuySlots.SetBoughtFlags(bought);
    progress.BuySlots.SetNotifiedBits(0b1010'0000'0000'0000'0001);
    progress.MapIslands.Unlock(2);
    progress.MapIslands.Select(2);
    progress.MapIslands.MarkEntered();
    progress.MapIslands.Unlock(3);
    progress.MapIslands.TakeAnnouncement();

    TPlayerSaveRecord record = DefaultPlayerSave();
    progress.StoreIn(record, true);
    record.NextUncompletedIsland = 2;
    record.NextUncompletedLevel = 4;
    const TPlayerSaveRecord reread = DecodePlayerSave(EncodePlayerSave(record));
    TGameProgress loaded;
    loaded.LoadFrom(reread);
    EXPECT_EQ(loaded.BuySlots.Owned(), progress.BuySlots.Owned());
    EXPECT_EQ(loaded.BuySlots.GetBoughtFlags(), bought);
    EXPECT_EQ(loaded.BuySlots.GetNotifiedBits(), progress.BuySlots.GetNotifiedBits());
    EXPECT_TRUE(loaded.BuySlots.HasUpgrade(6));
    EXPECT_EQ(loaded.BuySlots.IslandIdx, 2);
    EXPECT_EQ(loaded.BuySlots.LevelIdx, 4);
    EXPECT_EQ(loaded.MapIslands.Current(), 2);
    EXPECT_TRUE(loaded.MapIslands.Entered(2));
    EXPECT_TRUE(loaded.MapIslands.Announced(3));
    EXPECT_FALSE(loaded.MapIslands.Unlocked(4));

    // A damaged stock is no stock.
    record.ElementStocks[elFlower] = -4;
    record.ElementStocks[elPotion] = std::numeric_limits<float>::quiet_NaN();
    loaded.LoadFrom(record);
    EXPECT_EQ(loaded.BuySlots.Owned()[elFlower], 0);
    EXPECT_EQ(loaded.BuySlots.Owned()[elPotion], 0);
}

TEST(Economy, ALostRoundGivesBackWhatItAddedOnceAndAWonOneKeepsItWithItsGoldBonus) {
    TEconomyWalk walk("economy-rounds");
    ASSERT_TRUE(walk.ReachMapWith(WithFruit(20)));
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    ASSERT_TRUE(walk.PlayFromMap());
    // What clearing tiles credits, as the round does.
    for (int i = 0; i < 4; ++i) walk.Slots().CreditClearedElement(1);
    for (int i = 0; i < 7; ++i) walk.Slots().CreditClearedElement(4);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 32.4f);
    walk.Round().TimeUp();
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    walk.Round().Forfeit();
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20) << "forfeited once only";
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Click(walk.Form->Confirm().Window().PositiveButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.RunUntil(gsMainGame));

    // Won at once: gold, and level 1-01's bonus of five fruits on top of what was gathered.
    walk.Slots().Credit(elFruit, 3);
    walk.Round().DeveloperWin();
    ASSERT_TRUE(walk.RunUntil(gsStageResult));
    ASSERT_EQ(walk.Round().Medal, mdGold);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 28);
    walk.Round().Forfeit();
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 28) << "a won round is not forfeited";
    EXPECT_FLOAT_EQ(walk.Saved().ElementStocks[elFruit], 28) << "saved with the win";
}

TEST(Economy, ClosingDuringARoundSavesThePurseWithoutTheRoundsEarnings) {
    TEconomyWalk walk("economy-close");
    ASSERT_TRUE(walk.ReachMapWith(WithFruit(9)));
    ASSERT_TRUE(walk.PlayFromMap());
    walk.Slots().Credit(elFlower, 6);
    walk.Form->Shutdown();
    const TPlayerSaveRecord saved = walk.Saved();
    EXPECT_FLOAT_EQ(saved.ElementStocks[elFruit], 9);
    EXPECT_FLOAT_EQ(saved.ElementStocks[elFlower], 0);
}

TEST(Economy, EveryElementAGroupingClearsPaysIntoThePurseAtItsRate) {
    TEconomyWalk walk("economy-credits");
    ASSERT_TRUE(walk.ReachMapWith(DefaultPlayerSave()));
    ASSERT_TRUE(walk.PlayFromMap());
    walk.Ticks(40);
    // Three fruits of the board, as if a line had cleared them.
    const TBoardData grid = walk.Round().GameBoard.BoardData();
    TSimpleObjectArray mask{};
    float expected = 0;
    int cells = 0;
    for (int y = 1; y <= BoardRows && cells < 3; ++y)
        for (int x = 1; x <= BoardColumns && cells < 3; ++x)
            if (IsFruitCode(grid(x, y).ElementCode)) {
                mask(x, y) = 1;
                expected += CreditForClearedCode(grid(x, y).ElementCode, 1).Count;
                ++cells;
            }
    ASSERT_EQ(cells, 3);
    walk.Round().GroupedElementsEffect.OnGroupingEffectComplete(grid, mask, false);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], expected);
    EXPECT_FLOAT_EQ(walk.Slots().LevelEarnings()[elFruit], expected);
}
