// The islands: which are open, which is current, and the announcements.
#include "engine/TextStringsClass.h"
#include "progression/BuySlotsClass.h"
#include "progression/MapIslandsClass.h"

#include <gtest/gtest.h>

TEST(MapIslands, TheMapOpensOnTheHighestOpenIslandNotAboveTheSlotsIsland) {
    TMapIslands islands;
    for (int island = 1; island <= 3; ++island) islands.Unlock(island);
    islands.SelectForIsland(5);
    EXPECT_EQ(islands.Current(), 3);
    EXPECT_EQ(islands.Hovered(), 3);
    islands.SelectForIsland(2);
    EXPECT_EQ(islands.Current(), 2);
    islands.SelectForIsland(0);
    EXPECT_EQ(islands.Current(), 1);
    EXPECT_FALSE(islands.Select(4)) << "a closed island is not chosen";
    EXPECT_EQ(islands.Current(), 1);
}

TEST(MapIslands, UnlockOutsideTheFiveChangesNothing) {
    TMapIslands islands;
    const auto before = islands.UnlockedFlags();
    islands.Unlock(6);
    islands.Unlock(0);
    islands.Unlock(-1);
    EXPECT_EQ(islands.UnlockedFlags(), before);
    EXPECT_EQ(islands.HighestUnlocked(), 1);
}

TEST(MapIslands, TwoIslandsOpenedAtOnceGiveOneAnnouncementNamingTheHigher) {
    TTextStrings texts(std::string(TOVAN_GAME_DIR) + "/Texts/");
    TMapIslands islands;
    islands.TextStringsComp = &texts;
    islands.MarkEntered(); // island 1 played already
    islands.Unlock(2);
    islands.Unlock(3);
    const std::string line = islands.TakeAnnouncement();
    EXPECT_EQ(line, texts.GameTexts(8));
    EXPECT_FALSE(line.empty());
    EXPECT_TRUE(islands.Announced(2));
    EXPECT_EQ(islands.TakeAnnouncement(), "");
    islands.Unlock(4);
    islands.Select(4);
    islands.MarkEntered();
    EXPECT_EQ(islands.TakeAnnouncement(), "") << "an entered island is not announced";
}

TEST(MapIslands, TheNextIslandOpensWhenTheFourWorksAreBought) {
    TBuySlots slots;
    TMapIslands islands;
    std::array<uint8_t, BuySlotCount> flags{};
    for (int slot = 0; slot < 3; ++slot) flags[slot] = 1;
    slots.SetBoughtFlags(flags);
    EXPECT_FALSE(islands.UnlockCompleted(slots));
    EXPECT_FALSE(islands.Unlocked(2));
    flags[3] = 1;
    slots.SetBoughtFlags(flags);
    EXPECT_TRUE(islands.UnlockCompleted(slots));
    EXPECT_TRUE(islands.Unlocked(2));
    EXPECT_FALSE(islands.Unlocked(3));
    EXPECT_FALSE(islands.UnlockCompleted(slots)) << "once open, nothing opens again";
    // Island 5's works open nothing more.
    flags.fill(1);
    slots.SetBoughtFlags(flags);
    islands.UnlockCompleted(slots);
    EXPECT_EQ(islands.HighestUnlocked(), 5);
}

TEST(MapIslands, RestoringKeepsIslandOneOpenAndACurrentIslandThatIsOpen) {
    TMapIslands islands;
    islands.Restore({0, 1, 1, 0, 0}, {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, 5);
    EXPECT_TRUE(islands.Unlocked(1));
    EXPECT_EQ(islands.Current(), 3) << "a closed current island becomes the highest open one";
    EXPECT_TRUE(islands.Entered(1));
    EXPECT_TRUE(islands.Announced(2));
    islands.Restore({1, 1, 0, 0, 0}, {}, {}, 2);
    EXPECT_EQ(islands.Current(), 2);
    EXPECT_EQ(islands.BossIndex(), 1);
}

TEST(MapIslands, LabelsGrowOnTheCurrentIslandAndGlowWhileHovered) {
    TMapIslands islands;
    islands.Unlock(2);
    islands.Select(2);
    const TPoint inIsland2{200, 200};
    ASSERT_EQ(TMapIslands::IslandAt(inIsland2.X, inIsland2.Y), 2);
    islands.MouseMove(inIsland2.X, inIsland2.Y);
    for (int tick = 0; tick < 10; ++tick) islands.Tick();
    EXPECT_FLOAT_EQ(islands.LabelScale(2), 1.0f);
    EXPECT_FLOAT_EQ(islands.LabelScale(1), 0.83f);
    EXPECT_EQ(islands.Glow(2), 50);
    EXPECT_EQ(islands.LabelAlpha(2), 255);
    EXPECT_EQ(islands.LabelAlpha(1), 200);
    EXPECT_EQ(islands.LabelAlpha(3), 155);
    // A closed island under the mouse is not hovered.
    islands.MouseMove(600, 200);
    EXPECT_EQ(islands.Hovered(), 0);
    islands.Tick();
    EXPECT_EQ(islands.Glow(2), 42);
}
