// The map through the recording device: the labels, the level buttons with their stamps, the
// purse and the slot panel where they belong; a level button starts its level; buying on the
// map; a completed island opens the next.
#include "EconomyWalkKit.h"

#include <algorithm>
#include <cmath>

namespace {

TPlayerSaveRecord Record(float fruit, int level = 1) {
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.ElementStocks[elFruit] = fruit;
    record.NextUncompletedLevel = level;
    return record;
}

TPoint Centre(const TRecordedQuad& quad) {
    float x = 0, y = 0;
    for (const TQuadVertex& corner : quad.Corners) {
        x += corner.X / 4;
        y += corner.Y / 4;
    }
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

TPoint TopLeft(const TRecordedQuad& quad) {
    float x = quad.Corners[0].X, y = quad.Corners[0].Y;
    for (const TQuadVertex& corner : quad.Corners) {
        x = std::min(x, corner.X);
        y = std::min(y, corner.Y);
    }
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

struct TMapWalk : TEconomyWalk {
    using TEconomyWalk::TEconomyWalk;
    const TRecordingGraphicsDevice& Device() const { return Platform.Device; }
    void Hover(const TGameButton& button) {
        Push(TEventKind::MouseMove, {button.Left + 10, button.Top + 10});
        Ticks(20);
    }
    // On the map with island 1's first three works bought and the goods for the fourth, which
    // is bought.
    bool BuyIslandsLastWork() {
        TPlayerSaveRecord record = Record(200, 4);
        record.ElementStocks[elGoldTile] = 30;
        record.ElementStocks[elPotion] = 3;
        record.ElementSlots[0] = {1, 1, 1, 0};
        if (!ReachMapWith(record)) return false;
        Click(Slots().BuyButton(4));
        return Slots().AllBought(1);
    }
};

} // namespace

TEST(MapScene, LabelsSlotsPurseAndTheFirstLevelStandWhereTheyBelong) {
    TMapWalk walk("map-layout");
    ASSERT_TRUE(walk.ReachMapWith(Record(60)));
    walk.Ticks(30);
    auto labels = walk.Device().QuadsOf("RoomNames");
    // The current island is hovered as the map opens: its label glows, added in light.
    std::erase_if(labels, [](const TRecordedQuad& quad) { return quad.BlendMode != 0; });
    ASSERT_EQ(labels.size(), 5u);
    // Each label over its own island, in its upper part.
    for (int island = 1; island <= 5; ++island) {
        const auto area = TMapIslands::IslandArea(island);
        const TPoint centre = Centre(labels[static_cast<size_t>(island - 1)]);
        EXPECT_EQ(TMapIslands::IslandAt(centre.X, centre.Y), island);
        EXPECT_LT(centre.Y, area[1] + area[3] / 3) << island;
    }
    const auto icons = walk.Device().QuadsOf("BuySlotIcons");
    ASSERT_EQ(icons.size(), 4u);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(TopLeft(icons[slot]), (TPoint{262 + 8 + 215 * slot, 660 + 9})) << slot + 1;
    EXPECT_EQ(walk.Device().QuadsOf("BuySlotBuyButton").size(), 4u);
    EXPECT_EQ(walk.Device().QuadsOf("ElementIcons").size(), 5u) << "the purse; no shop window";
    // Island 1's first level, no stamp yet.
    ASSERT_EQ(walk.Form->Map().LevelButtons().size(), 1u);
    EXPECT_TRUE(walk.Device().QuadsOf("CompletedStamp").empty());
    // 60 fruits cover the party tent: its notice has sounded and is kept.
    EXPECT_TRUE(walk.Slots().Slot(1, 1).Notified);
    EXPECT_TRUE(walk.Slots().BuyButton(1).Enabled);
    EXPECT_FALSE(walk.Slots().BuyButton(2).Enabled);
    EXPECT_TRUE(walk.Form->Progress().MapIslands.Announced(1)) << "the first island announced";
}

TEST(MapScene, CompletedLevelsCarryStampsAndALevelButtonStartsItsLevel) {
    TMapWalk walk("map-levels");
    ASSERT_TRUE(walk.ReachMapWith(Record(0, 3)));
    walk.Ticks(2);
    const auto& buttons = walk.Form->Map().LevelButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_TRUE(buttons[0].Completed);
    EXPECT_TRUE(buttons[1].Completed);
    EXPECT_FALSE(buttons[2].Completed);
    EXPECT_EQ(walk.Device().QuadsOf("CompletedStamp").size(), 2u);
    walk.Click(buttons[1].Centre);
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_EQ(walk.Form->Levels().FileName(), "Level1-02.zel");
    EXPECT_TRUE(walk.Form->Progress().MapIslands.Entered(1));

    // Won again: the replayed level does not move the player back.
    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.PastTutorialStep());
    walk.Round().DeveloperWin();
    ASSERT_TRUE(walk.RunUntil(gsStageResult));
    EXPECT_EQ(walk.Form->Player().Current.NextUncompletedLevel, 3);
}

TEST(MapScene, TheShopWindowShowsWhileOverABuyButtonAndBuyingSpendsAndSaves) {
    TMapWalk walk("map-buy");
    ASSERT_TRUE(walk.ReachMapWith(Record(60)));
    walk.Hover(walk.Slots().BuyButton(2));
    EXPECT_EQ(walk.Form->Progress().SlotsInfo.Alpha(), 255) << "over a disabled button too";
    EXPECT_EQ(walk.Device().QuadsOf("ShopWindow").size(), 1u);
    EXPECT_TRUE(walk.Form->Progress().SlotsInfo.PriceUncovered(elFruit));

    walk.Click(walk.Slots().BuyButton(1));
    EXPECT_TRUE(walk.Slots().Slot(1, 1).Bought);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 5);
    EXPECT_EQ(walk.Form->Progress().SlotsInfo.Alpha(), 0);
    const TPlayerSaveRecord saved = walk.Saved();
    EXPECT_NE(saved.ElementSlots[0][0], 0);
    EXPECT_FLOAT_EQ(saved.ElementStocks[elFruit], 5);
    walk.Ticks(2);
    EXPECT_EQ(walk.Device().QuadsOf("BuySlotBuyButton").size(), 3u);
    EXPECT_EQ(walk.Device().QuadsOf("BuySlotIcons_Gray").size(), 1u);
    // The second work is not covered, and a click on it buys nothing.
    walk.Click(walk.Slots().BuyButton(2));
    EXPECT_FALSE(walk.Slots().Slot(1, 2).Bought);
}

TEST(MapScene, TheLastWorkOfAnIslandGivesItsGoodsAndOpensTheNextIsland) {
    TMapWalk walk("map-island");
    ASSERT_TRUE(walk.BuyIslandsLastWork());
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 200 - 150 + 155);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elSpider], 8);
    EXPECT_EQ(walk.Slots().Owned()[elGoldTile], 5);

    // Back through the menu: the map opens on island 2, the player's next level its first.
    walk.Click(walk.Form->Map().MenuButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    walk.Click(walk.Form->Menu().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsMap));
    EXPECT_EQ(walk.Form->Progress().MapIslands.Current(), 2);
    EXPECT_EQ(walk.Form->Player().Current.NextUncompletedIsland, 2);
    EXPECT_EQ(walk.Form->Player().Current.NextUncompletedLevel, 1);
    EXPECT_EQ(walk.Slots().IslandIdx, 2);
    // Island 2's path starts at its first level, still to be played.
    ASSERT_FALSE(walk.Form->Map().LevelButtons().empty());
    EXPECT_FALSE(walk.Form->Map().LevelButtons().front().Completed);

    // Island 1 again, a click on it: every level it has is done.
    walk.Click({440, 520});
    EXPECT_EQ(walk.Form->Progress().MapIslands.Current(), 1);
    // Island 1 is whole: its twelve levels and the replays of its last ones past them fill every
    // button.
    const auto& buttons = walk.Form->Map().LevelButtons();
    ASSERT_EQ(buttons.size(), 18u);
    EXPECT_TRUE(std::all_of(buttons.begin(), buttons.end(),
                            [](const auto& button) { return button.Completed; }));
    // A closed island stays closed to the mouse.
    walk.Click({700, 200});
    EXPECT_EQ(walk.Form->Progress().MapIslands.Current(), 1);
}

namespace {

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Index of the first quad of the picture in the frame; the frame's size when it has none.
size_t FirstQuadOf(const TRecordingGraphicsDevice& device, std::string_view name) {
    for (size_t i = 0; i < device.Quads.size(); ++i)
        if (device.Quads[i].TextureName == name) return i;
    return device.Quads.size();
}

} // namespace

// The sky of a player on island 1: flowers, butterflies and rain (over the closed islands only)
// never come over an open island's level buttons, the labels or the panels; all of the sky, the
// passing clouds and gulls too, is drawn under the labels and the buttons.
// A work bought on the map celebrates when the book next shows, the island's last with its
// fireworks; once.
TEST(MapScene, AWorkBoughtOnTheMapCelebratesWhenTheBookNextShows) {
    TMapWalk walk("map-celebration");
    ASSERT_TRUE(walk.BuyIslandsLastWork());
    const TCelebration& celebration = walk.Form->StickerBook().Celebration();
    EXPECT_FALSE(celebration.Running()) << "nothing over the map";

    walk.Form->SetScene(gsStickerBook);
    walk.Tick();
    EXPECT_GT(celebration.ActiveCount(), 0);
    EXPECT_TRUE(celebration.FireworksRunning());

    walk.Form->SetScene(gsMap);
    walk.Tick();
    walk.Form->SetScene(gsStickerBook);
    walk.Tick();
    EXPECT_FALSE(celebration.Running());
}

TEST(MapScene, TheSkyLivesUnderAndBesideWhatThePlayerMustSee) {
    TMapWalk walk("map-sky");
    TPlayerSaveRecord record = Record(0, 3);
    ASSERT_TRUE(walk.ReachMapWith(record));
    TMapIslands islands;
    EXPECT_EQ(TMapScene::DecorationLayout(islands).RainAreas.size(), 4u) << "a new player";
    islands.Unlock(2);
    EXPECT_EQ(TMapScene::DecorationLayout(islands).RainAreas.size(), 3u);
    // With every island open and every level button of each kept clear, the flowers and the
    // butterflies all keep their places, and no rain is left.
    for (int island = 3; island <= MapIslandCount; ++island) islands.Unlock(island);
    TAmbientDecorations openWorld;
    openWorld.Start(TMapScene::DecorationLayout(islands), 1, false);
    EXPECT_EQ(openWorld.Layout().FlowerBeds.size(), 3u);
    EXPECT_EQ(openWorld.Layout().ButterflyHomes.size(), 2u);
    EXPECT_TRUE(openWorld.Layout().RainAreas.empty());

    const TMapScene& map = walk.Form->Map();
    const TAmbientDecorations& sky = map.Decorations();
    EXPECT_EQ(sky.Layout().FlowerBeds.size(), 3u);
    EXPECT_EQ(sky.Layout().ButterflyHomes.size(), 2u);
    std::vector<TRect> mustSee = sky.Layout().Protected;
    for (const TMapScene::TLevelButton& button : map.LevelButtons())
        mustSee.push_back({button.Centre.X - TMapScene::LevelButtonSize / 2,
                           button.Centre.Y - TMapScene::LevelButtonSize / 2,
                           button.Centre.X + TMapScene::LevelButtonSize / 2,
                           button.Centre.Y + TMapScene::LevelButtonSize / 2});
    bool rained = false;
    for (int tick = 0; tick < 3000; ++tick) {
        walk.Ticks(1);
        rained = rained || sky.Raining();
        for (const TDecoration& item : sky.Items()) {
            if (item.Alpha == 0 || item.Kind == TDecorationKind::Bird ||
                item.Kind == TDecorationKind::Cloud)
                continue;
            for (const TRect& rect : mustSee)
                ASSERT_FALSE(Overlap(TAmbientDecorations::Bounds(item.Kind, item.Pos), rect))
                    << "tick " << tick << " at " << item.Pos.X << "," << item.Pos.Y;
        }
    }
    EXPECT_TRUE(rained);
    const TRecordingGraphicsDevice& device = walk.Device();
    EXPECT_LT(FirstQuadOf(device, "FoundFlowers"), FirstQuadOf(device, "RoomNames"));
    EXPECT_LT(FirstQuadOf(device, "RainDrop"), FirstQuadOf(device, "BuySlotGlassCover"));
    EXPECT_LT(FirstQuadOf(device, "MapCloud"), FirstQuadOf(device, "RoomNames"));
}
