// The purse, the slot table and buying in order.
#include "progression/BuySlotsClass.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TSlotPrices FlatPrices(float fruit) {
    TSlotPrices prices{};
    for (auto& island : prices)
        for (auto& slot : island) slot[elFruit] = fruit;
    return prices;
}

struct TBuy {
    int Island;
    int Slot;
    TElementsCount Price;
};

// Slots with a price and a purse, every purchase recorded.
struct BuySlotsFixture : ::testing::Test {
    TBuySlots slots;
    std::vector<TBuy> bought;

    BuySlotsFixture() {
        slots.OnBuy = [this](int island, int slot, const TElementsCount& price) {
            bought.push_back({island, slot, price});
        };
    }
    void Own(float fruit) {
        slots.SetOwned({fruit, 0, 0, 0, 0});
        slots.UpdateAffordable();
    }
};

} // namespace

TEST(ElementCredits, EachCodePaysItsKindAndRate) {
    for (int code : {1, 2, 3}) EXPECT_FLOAT_EQ(CreditForClearedCode(code, 1).Count, 1.0f);
    for (int code : {4, 5, 6}) EXPECT_FLOAT_EQ(CreditForClearedCode(code, 1).Count, 1.2f);
    EXPECT_FLOAT_EQ(CreditForClearedCode(7, 1).Count, 1.4f);
    EXPECT_FLOAT_EQ(CreditForClearedCode(8, 1).Count, 1.6f);
    for (int code = 1; code <= 8; ++code) EXPECT_EQ(CreditForClearedCode(code, 1).Kind, elFruit);
    const float flowerRates[] = {1.0f, 1.2f, 1.4f, 1.6f};
    for (int code = 13; code <= 16; ++code) {
        EXPECT_EQ(CreditForClearedCode(code, 2).Kind, elFlower);
        EXPECT_FLOAT_EQ(CreditForClearedCode(code, 2).Count, flowerRates[code - 13]);
    }
    // Sea treasures, empty cells and specials pay nothing.
    for (int code : {0, 9, 10, 11, 12, 19, 101})
        EXPECT_EQ(CreditForClearedCode(code, 1).Count, 0) << code;
}

TEST(ElementCredits, PotionsAndGoldTilesPayMoreWhereTheyAreRich) {
    EXPECT_FLOAT_EQ(CreditForClearedCode(17, 4).Count, 1.4f);
    for (int island : {1, 2, 3, 5}) EXPECT_FLOAT_EQ(CreditForClearedCode(17, island).Count, 1.0f);
    for (int island = 1; island <= 5; ++island)
        EXPECT_FLOAT_EQ(CreditForClearedCode(18, island).Count, 1.4f);
    EXPECT_EQ(CreditForClearedCode(18, 1).Kind, elPotion);
    EXPECT_FLOAT_EQ(GoldTileCredit(false, 1), 1.0f);
    EXPECT_FLOAT_EQ(GoldTileCredit(false, 3), 1.4f);
    EXPECT_FLOAT_EQ(GoldTileCredit(true, 1), 1.4f);
}

TEST_F(BuySlotsFixture, CreditsAddUpInFractionsAndAreReported) {
    std::vector<std::pair<TElementKind, float>> reported;
    slots.OnOwnedElementsAdd = [&](TElementKind kind, float count) {
        reported.push_back({kind, count});
    };
    slots.IslandIdx = 4;
    slots.CreditClearedElement(17);
    slots.CreditClearedElement(7);
    slots.CreditClearedElement(14);
    slots.CreditClearedElement(10);
    slots.CreditGoldTileLayer();
    slots.Credit(elSpider, 1);
    EXPECT_FLOAT_EQ(slots.Owned()[elPotion], 1.4f);
    EXPECT_FLOAT_EQ(slots.Owned()[elFruit], 1.4f);
    EXPECT_FLOAT_EQ(slots.Owned()[elFlower], 1.2f);
    EXPECT_FLOAT_EQ(slots.Owned()[elGoldTile], 1.0f);
    EXPECT_FLOAT_EQ(slots.Owned()[elSpider], 1.0f);
    EXPECT_EQ(reported.size(), 5u); // the sea treasure paid nothing and said nothing
    EXPECT_EQ(slots.LevelEarnings(), slots.Owned());
}

TEST_F(BuySlotsFixture, ALevelsEarningsAreForfeitedOnceAndNeverBelowZero) {
    slots.SetOwned({20, 0, 0, 0, 0});
    slots.ResetLevelEarnings();
    for (int i = 0; i < 4; ++i) slots.CreditClearedElement(1);
    for (int i = 0; i < 7; ++i) slots.CreditClearedElement(4);
    // 12.4 earned on top of 20.
    EXPECT_FLOAT_EQ(slots.LevelEarnings()[elFruit], 12.4f);
    slots.ForfeitLevelEarnings();
    EXPECT_FLOAT_EQ(slots.Owned()[elFruit], 20.0f);
    slots.ForfeitLevelEarnings();
    EXPECT_FLOAT_EQ(slots.Owned()[elFruit], 20.0f);

    // What was spent during the level cannot be taken back below nothing.
    slots.ResetLevelEarnings();
    slots.Credit(elFruit, 5);
    slots.Spend(elFruit, 24);
    slots.ForfeitLevelEarnings();
    EXPECT_EQ(slots.Owned()[elFruit], 0);
}

TEST_F(BuySlotsFixture, APurchaseSpendsExactlyThePrice) {
    TSlotPrices prices{};
    prices[0][0] = {10.5f, 2, 0, 1, 0};
    slots.SetPrices(prices);
    slots.SetOwned({12, 3, 0, 1, 4});
    slots.UpdateAffordable();
    ASSERT_TRUE(slots.Buy(1));
    ASSERT_EQ(bought.size(), 1u);
    EXPECT_EQ(bought[0].Island, 1);
    EXPECT_EQ(bought[0].Slot, 1);
    slots.SpendPrice(bought[0].Price);
    EXPECT_EQ(slots.Owned(), (TElementsCount{1.5f, 1, 0, 0, 4}));
    EXPECT_TRUE(slots.Slot(1, 1).Bought);
    EXPECT_FALSE(slots.Buy(1)) << "a bought slot is not bought again";
    EXPECT_EQ(bought.size(), 1u);
}

TEST_F(BuySlotsFixture, SlotsAreBoughtInOrderAndOnlyWhenCovered) {
    slots.SetPrices(FlatPrices(10));
    Own(9.9f);
    EXPECT_FALSE(slots.Slot(1, 1).Affordable) << "9.9 fruits do not pay 10";
    EXPECT_FALSE(slots.Buy(1));
    Own(100);
    EXPECT_TRUE(slots.Slot(1, 3).Affordable);
    EXPECT_FALSE(slots.CanBuy(1, 3));
    EXPECT_FALSE(slots.Buy(3)) << "slot 3 waits for slot 2";
    EXPECT_TRUE(slots.Buy(1));
    EXPECT_TRUE(slots.Buy(2));
    EXPECT_TRUE(slots.Buy(3));
    EXPECT_EQ(bought.size(), 3u);

    // The buttons: drawn only for unbought slots, enabled only where buying is allowed.
    slots.Tick();
    EXPECT_FALSE(slots.BuyButton(1).Visible);
    EXPECT_TRUE(slots.BuyButton(4).Visible);
    EXPECT_TRUE(slots.BuyButton(4).Enabled);
    slots.IslandIdx = 2;
    slots.Tick();
    EXPECT_TRUE(slots.BuyButton(1).Enabled);
    EXPECT_FALSE(slots.BuyButton(2).Enabled);
}

TEST_F(BuySlotsFixture, WithoutPricesEveryFirstSlotIsFree) {
    Own(0);
    for (int island = 1; island <= 5; ++island) EXPECT_TRUE(slots.CanBuy(island, 1));
    EXPECT_TRUE(slots.Buy(1));
    EXPECT_EQ(bought[0].Price, TElementsCount{});
}

TEST_F(BuySlotsFixture, AClickOnTheButtonBuysAndADisabledPanelHearsNothing) {
    Own(0);
    const TGameButton& button = slots.BuyButton(1);
    const int x = button.Left + 5;
    const int y = button.Top + 5;
    slots.Enabled = false;
    slots.Press(x, y, mbLeft);
    slots.Release(x, y);
    EXPECT_TRUE(bought.empty());
    slots.Enabled = true;
    slots.Hover(x, y);
    slots.Press(x, y, mbLeft);
    slots.Release(x, y);
    ASSERT_EQ(bought.size(), 1u);
}

TEST_F(BuySlotsFixture, TheShopWindowFollowsTheMouseOverButtonsEvenDisabledOnes) {
    slots.SetPrices(FlatPrices(10));
    Own(0);
    std::vector<int> over, off;
    slots.OnBuyButtonMouseOver = [&](int, int slot, const TBuySlotData&) { over.push_back(slot); };
    slots.OnBuyButtonMouseOff = [&](int, int slot, const TBuySlotData&) { off.push_back(slot); };
    const TGameButton& second = slots.BuyButton(2);
    slots.Hover(second.Left + 3, second.Top + 3);
    slots.Hover(second.Left + 4, second.Top + 3);
    slots.Hover(0, 0);
    EXPECT_EQ(over, std::vector<int>{2});
    EXPECT_EQ(off, std::vector<int>{2});
}

TEST_F(BuySlotsFixture, TheAffordableNoticeSoundsOncePerSlotHighestFirst) {
    slots.SetPrices(FlatPrices(10));
    Own(50);
    EXPECT_EQ(slots.TakeAffordableNotice(), 4);
    EXPECT_EQ(slots.TakeAffordableNotice(), 3);
    EXPECT_EQ(slots.TakeAffordableNotice(), 2);
    EXPECT_EQ(slots.TakeAffordableNotice(), 1);
    EXPECT_EQ(slots.TakeAffordableNotice(), 0);
    // The notified flags travel with the save.
    TBuySlots restored;
    restored.SetNotifiedBits(slots.GetNotifiedBits());
    restored.SetPrices(FlatPrices(10));
    restored.SetOwned({50, 0, 0, 0, 0});
    restored.UpdateAffordable();
    EXPECT_EQ(restored.TakeAffordableNotice(), 0);
    restored.IslandIdx = 2;
    EXPECT_EQ(restored.TakeAffordableNotice(), 4);
}

TEST_F(BuySlotsFixture, BoughtFlagsRebuildTheUpgradesAndTheTotals) {
    std::array<uint8_t, BuySlotCount> flags{};
    flags[9] = 7;  // island 3 slot 2: gold tiles
    flags[13] = 1; // island 4 slot 2: rose potions
    flags[0] = 1;  // island 1 slot 1: upgrade 1
    slots.SetBoughtFlags(flags);
    EXPECT_TRUE(slots.HasUpgrade(upGoldTiles));
    EXPECT_TRUE(slots.HasUpgrade(upRosePotion));
    EXPECT_TRUE(slots.HasUpgrade(1));
    EXPECT_FALSE(slots.HasUpgrade(2));
    EXPECT_FALSE(slots.HasUpgrade(0));
    EXPECT_EQ(slots.BoughtCount(), 3);
    EXPECT_EQ(slots.BonusPercentTotal(), 4 + 6 + 6);
    const auto saved = slots.GetBoughtFlags();
    EXPECT_EQ(saved[9], 1);
    EXPECT_EQ(saved[1], 0);
    EXPECT_FALSE(slots.AllBought(1));
    for (int i = 0; i < 4; ++i) flags[i] = 1;
    slots.SetBoughtFlags(flags);
    EXPECT_TRUE(slots.AllBought(1));
    EXPECT_FALSE(slots.AllBought(6));
}

TEST(BuySlotTable, FixedValuesAddUpToTheWholeHaven) {
    TBuySlots slots;
    int percent = 0;
    for (int island = 1; island <= 5; ++island)
        for (int slot = 1; slot <= 4; ++slot) {
            EXPECT_EQ(slots.Slot(island, slot).IconIdx, (island - 1) * 4 + slot);
            percent += slots.Slot(island, slot).BonusPercent;
        }
    EXPECT_EQ(percent, 100);
    EXPECT_EQ(slots.Slot(3, 2).Upgrade, upGoldTiles);
    EXPECT_EQ(slots.Slot(4, 2).Upgrade, upRosePotion);
    EXPECT_EQ(slots.Slot(0, 1).IconIdx, 0) << "out of the table: an empty slot";
}

TEST(SlotTexts, TitleAndDescriptionSplitAtTheFirstBarAndAreCut) {
    std::string title, description;
    SplitSlotText("Party Tent|Music and song", title, description);
    EXPECT_EQ(title, "Party Tent");
    EXPECT_EQ(description, "Music and song");
    SplitSlotText("Only a title", title, description);
    EXPECT_EQ(title, "Only a title");
    EXPECT_EQ(description, "");
    SplitSlotText("A|b|c", title, description);
    EXPECT_EQ(title, "A");
    EXPECT_EQ(description, "b|c");
    const std::string longer(45, 'x');
    SplitSlotText(longer + "|" + longer, title, description);
    EXPECT_EQ(title, std::string(40, 'x'));
    EXPECT_EQ(description, std::string(40, 'x'));
    SplitSlotText("", title, description);
    EXPECT_EQ(title, "");
}
