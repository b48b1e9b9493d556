// The spiders in a round: the level's spider values, waves fed by cleared tiles, spiders knocked
// off by a click into the gathering or rolling away, and a lost round knocking them all off.
#include "FormTestKit.h"
#include "effects/EffectPattern.h"

#include <gtest/gtest.h>

namespace {

using TSpiders = TCrawlingSpiders;

struct TSpiderRig : TFormRig {
    // The rig's field with spiders: a wave every `interval` cleared tiles.
    TSpiderRig(const char* name, int interval, int targetSpiders) : TFormRig(name, 7) {
        TLevelRecord level = FieldLevel({});
        level[lfTargetBananas] = 30;
        level[lfTargetSpiders] = targetSpiders;
        level[lfSpiderFruitsInterval] = interval;
        level[lfMaxSpidersOnBoard] = 3;
        level[lfMaxWebs] = 5;
        level[lfOneWebEveryProb] = 4;
        WriteLevelFile(Folder.Path("Levels") + "Level1-01.zel", level);
        if (!Form->StartLevel(1, 1)) ADD_FAILURE() << "the spider level did not start";
        Round().ObjectiveInfo.Skip();
        Form->FormShow();
    }
    TMainGameScene& Round() { return Form->MainGame(); }
    TSpiders& Spiders() { return Round().CrawlingSpiders; }
    template <typename Busy> bool TickWhile(Busy busy, int limit = 2000) {
        for (int i = 0; i < limit && busy(); ++i) Tick();
        return !busy();
    }
    // The board built and its frames in: it takes input.
    bool BoardReady() {
        return TickWhile(
            [&] { return Round().LockerFiller.Running() || Round().LockerFrames.Flying(); });
    }
    // The board reports `count` tiles cleared by a blow.
    void ClearTiles(int count) {
        TSimpleObjectArray mask{};
        for (int i = 0; i < count; ++i) mask(4 + i % 9, 10 - i / 9) = 1;
        Round().GameBoard.OnFallingElementsEffectRequest(Round().GameBoard.BoardData(), mask);
    }
    bool WaveLanded(int count) {
        return TickWhile([&] {
            int landed = 0;
            for (int slot = 0; slot < TSpiders::SlotCount; ++slot) {
                const auto state = Spiders().Spider(slot).State;
                landed += state == TSpiders::ssCrawling || state == TSpiders::ssPausing ? 1 : 0;
            }
            return landed < count;
        });
    }
    // The board ready, then the first wave brought in by `interval` cleared tiles and landed.
    bool WaveOnTheBoard(int interval) {
        if (!BoardReady()) return false;
        ClearTiles(interval);
        return WaveLanded(3);
    }
    // A click on the middle of the spider's body.
    void ClickSpider(int slot) {
        const TPoint anchor = Spiders().Spider(slot).Anchor;
        const TPoint body{anchor.X + 22, anchor.Y + 8};
        Mouse(TEventKind::MouseDown, body);
        Mouse(TEventKind::MouseUp, body);
        Tick();
    }
    float SpidersPaid() const { return Form->Progress().BuySlots.LevelEarnings()[elSpider]; }
};

TEST(RoundSpiders, TheLevelsSpiderValuesReachTheSpiders) {
    TSpiderRig rig("spiders-values", 7, 0);
    const TSpiders& spiders = rig.Spiders();
    EXPECT_EQ(spiders.FruitsInterval, 7);
    EXPECT_EQ(spiders.MaxSpidersOnBoard, 3);
    EXPECT_EQ(spiders.MaxWebs, 5);
    EXPECT_EQ(spiders.OneWebEveryProb, 4);
}

TEST(RoundSpiders, ClearedTilesBringAWaveOntoTheTopOfTheField) {
    TSpiderRig rig("spiders-wave", 7, 0);
    ASSERT_TRUE(rig.BoardReady());
    rig.ClearTiles(6);
    EXPECT_EQ(rig.Spiders().SpidersToAdd(), 0);
    rig.ClearTiles(1);
    EXPECT_EQ(rig.Spiders().SpidersToAdd(), 3);
    EXPECT_EQ(rig.Spiders().WebsAllowed(), 5 - rig.Round().GameBoard.WebCount());
    ASSERT_TRUE(rig.WaveLanded(3));
    for (int slot = 0; slot < 3; ++slot) {
        const TPoint tile = rig.Spiders().Spider(slot).Tile;
        EXPECT_TRUE(tile.X >= 4 && tile.X <= 12 && tile.Y >= 3 && tile.Y <= 10)
            << "onto (" << tile.X << ", " << tile.Y << ")";
    }
    // Webs go onto the board's tiles as the spiders spin them.
    ASSERT_TRUE(rig.TickWhile([&] { return rig.Round().GameBoard.WebCount() == 0; }, 5000));
}

TEST(RoundSpiders, AClickedSpiderIsGatheredWhileWantedThenRollsAwayAndEachPaysOne) {
    TSpiderRig rig("spiders-click", 3, 1);
    ASSERT_TRUE(rig.WaveOnTheBoard(3));
    TMainGameScene& round = rig.Round();
    const float paidBefore = rig.SpidersPaid();
    rig.ClickSpider(0);
    EXPECT_EQ(rig.Spiders().Spider(0).State, TSpiders::ssHit);
    EXPECT_FALSE(round.GameBoard.IsSelectionVisible()) << "the click went to the spider only";
    ASSERT_TRUE(rig.TickWhile([&] { return round.ElementGather.Remaining(ieSpider) > 0; }));
    EXPECT_EQ(rig.SpidersPaid(), paidBefore + 1);

    // No spider is wanted any more: the next rolls off the screen, and still pays.
    for (int slot = 1; slot < 3; ++slot)
        if (rig.Spiders().Spider(slot).State <= TSpiders::ssSpinning) {
            rig.ClickSpider(slot);
            ASSERT_EQ(rig.Spiders().Spider(slot).State, TSpiders::ssHit);
            ASSERT_TRUE(
                rig.TickWhile([&] { return rig.Spiders().Spider(slot).State == TSpiders::ssHit; }));
            EXPECT_EQ(rig.Spiders().Spider(slot).State, TSpiders::ssRolling);
            EXPECT_EQ(rig.SpidersPaid(), paidBefore + 2);
            return;
        }
    ADD_FAILURE() << "no second spider stayed on the board";
}

TEST(RoundSpiders, TheTilesAHammerObjectStrikesKnockTheirSpidersOff) {
    TSpiderRig rig("spiders-hammer", 3, 0);
    ASSERT_TRUE(rig.WaveOnTheBoard(3));
    // The hammer object strikes the tile beside the spider: the spider's tile is struck too.
    const TPoint tile = rig.Spiders().Spider(0).Tile;
    rig.Round().GameBoard.HammerStrike({tile.X == 12 ? tile.X - 1 : tile.X + 1, tile.Y});
    rig.Ticks(2);
    EXPECT_EQ(rig.Spiders().Spider(0).State, TSpiders::ssHit);
}

TEST(RoundSpiders, TimeUpKnocksEverySpiderOffAndNoneIsGatheredOrPaid) {
    TSpiderRig rig("spiders-time-up", 3, 2);
    ASSERT_TRUE(rig.WaveOnTheBoard(3));
    TMainGameScene& round = rig.Round();
    const float paidBefore = rig.SpidersPaid();
    round.TimeUp();
    EXPECT_EQ(rig.Spiders().SpidersOnBoard(), 0);
    ASSERT_TRUE(rig.TickWhile([&] {
        for (int slot = 0; slot < TSpiders::SlotCount; ++slot)
            if (rig.Spiders().Spider(slot).State != TSpiders::ssFree) return true;
        return false;
    }));
    EXPECT_EQ(round.ElementGather.Remaining(ieSpider), 2);
    EXPECT_LE(rig.SpidersPaid(), paidBefore);
}

// The tools reach the spiders: the aerosol asks for them and sprays the ones under its cloud, the
// hammer knocks off the one on its tile.
TEST(RoundSpiders, TheAerosolAndTheHammerKnockSpidersOff) {
    TSpiderRig rig("spiders-tools", 3, 3);
    ASSERT_TRUE(rig.WaveOnTheBoard(3));
    TMainGameScene& round = rig.Round();
    bool enemies = false;
    round.Aerosol.OnEnemiesExistQuestion(enemies);
    EXPECT_TRUE(enemies);

    const TSpiders& spiders = rig.Spiders();
    const auto centreOf = [&](int slot) {
        const TPoint anchor = spiders.Spider(slot).Anchor;
        return TPoint{anchor.X + spiders.SpiderAdjustX + spiders.SpiderWidth / 2,
                      anchor.Y + spiders.SpiderAdjustY + spiders.SpiderHeight / 2};
    };
    const TPoint sprayed = centreOf(0);
    round.Aerosol.OnSpraySizeChange({sprayed.X - 2, sprayed.Y - 2, sprayed.X + 3, sprayed.Y + 3});
    EXPECT_EQ(spiders.Spider(0).State, TSpiders::ssHit);

    for (int slot = 1; slot < 3; ++slot) {
        if (spiders.Spider(slot).State > TSpiders::ssSpinning) continue;
        round.ToolHammer.OnHit(spiders.Spider(slot).Tile);
        EXPECT_EQ(spiders.Spider(slot).State, TSpiders::ssHit) << "slot " << slot;
    }
}

} // namespace
