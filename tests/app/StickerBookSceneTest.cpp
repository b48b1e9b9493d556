// The sticker book through the real game: reached after a won round's results, a work bought
// there puts its sticker into the picture (its conversation skipped), the tube fills, and Play
// goes on to the next level or, once the island is complete, to the map with the next island
// open.
#include "EconomyWalkKit.h"

#include <algorithm>

namespace {

struct TBookWalk : TEconomyWalk {
    using TEconomyWalk::TEconomyWalk;

    // A developer's first round, won at once, through its results into the book.
    bool ReachBookAfterWin() {
        if (!ReachMenuAsNewPlayer("ANNA", true)) return false;
        Click(Form->Menu().PlayButton());
        if (!RunUntil(gsConfirmWindow)) return false;
        Click(Form->Confirm().Window().PositiveButton());
        if (!PastOpeningStory(gsMap) || !PlayFromMap()) return false;
        PressKey(TKey::F2);
        if (!RunUntil(gsStageResult)) return false;
        Click(Form->StageResult().OkButton());
        if (!RunUntil(gsStickerBook)) return false;
        SkipBookConversation();
        return true;
    }
    // A work bought here, and the conversation it brings skipped.
    void Buy(int slot) {
        Click(Slots().BuyButton(slot));
        SkipBookConversation();
    }
    TStickerBookObjects& Book() { return Form->Progress().StickerBook; }
};

size_t EntryIndex(const TStickerBookObjects& book, TStickerBookItemType type) {
    for (size_t i = 0; i < book.Entries().size(); ++i)
        if (book.Entries()[i].ItemType == type) return i;
    return book.Entries().size();
}

} // namespace

TEST(StickerBookScene, AWorkBoughtInTheBookFadesItsStickerInAndTheTubeFills) {
    TBookWalk walk("book-buy");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 9999) << "developer mode fills the purse";
    EXPECT_EQ(walk.Form->StickerBook().TubePercent(), 0);
    walk.Click(walk.Slots().BuyButton(1));
    ASSERT_TRUE(walk.Slots().Slot(1, 1).Bought);
    const TStickerBookItemType market = StickerOfSlot(1, 1);
    EXPECT_TRUE(walk.Book().IsShown(market));
    EXPECT_FALSE(walk.Book().IsInPicture(market));
    walk.SkipBookConversation();
    walk.Buy(2);
    ASSERT_TRUE(walk.Slots().Slot(1, 2).Bought);
    EXPECT_EQ(walk.Form->StickerBook().TubePercent(), 6 + 4);
    walk.Ticks(45);
    EXPECT_TRUE(walk.Book().IsInPicture(market));
    EXPECT_EQ(walk.Platform.Device.QuadsOf("Upg1_1").size() +
                  walk.Platform.Device.QuadsOf("Upg1_2").size(),
              2u + (walk.Book().Highlighting() ? 1u : 0u));
    // Saved with the book: the market's flag is in the record.
    const TPlayerSaveRecord saved = walk.Saved();
    EXPECT_NE(saved.StickerBook[EntryIndex(walk.Book(), market)], 0);

    walk.Click(walk.Form->StickerBook().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_EQ(walk.Form->Levels().FileName(), "Level1-02.zel");
    EXPECT_FALSE(walk.Platform.Device.HasLiveTexture("Upg1_1")) << "the haven's pictures go";
}

TEST(StickerBookScene, AfterTheIslandsLastWorkPlayOpensTheNextIslandOnTheMap) {
    TBookWalk walk("book-island");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    for (int slot = 1; slot <= 4; ++slot) walk.Buy(slot);
    ASSERT_TRUE(walk.Slots().AllBought(1));
    walk.Ticks(5);
    EXPECT_EQ(walk.Book().Stage(), 3);
    EXPECT_TRUE(walk.Platform.Device.HasLiveTexture("ciBG4")) << "the finished island's stage";
    walk.Click(walk.Form->StickerBook().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsMap));
    EXPECT_EQ(walk.Form->Progress().MapIslands.Current(), 2);
    EXPECT_TRUE(walk.Form->Progress().MapIslands.Unlocked(2));
    EXPECT_EQ(walk.Form->Player().Current.NextUncompletedIsland, 2);

    // The book's state survives the next start of the game.
    walk.Form->Shutdown();
    TPlayerSaveRecord saved = walk.Saved();
    TGameProgress loaded;
    loaded.LoadFrom(saved);
    EXPECT_EQ(loaded.StickerBook.Stage(), 3);
    EXPECT_TRUE(loaded.StickerBook.IsInPicture(StickerOfSlot(1, 1)));
}

// A work bought here bursts from its glowing sticker at once; the island's last brings fireworks
// too, which are over when the book is opened again.
TEST(StickerBookScene, AWorkBoughtHereCelebratesAndTheIslandsLastBringsFireworks) {
    TBookWalk walk("book-celebration");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    const TCelebration& celebration = walk.Form->StickerBook().Celebration();
    EXPECT_FALSE(celebration.Running());
    walk.Click(walk.Slots().BuyButton(1));
    ASSERT_GT(celebration.ActiveCount(), 0);
    EXPECT_FALSE(celebration.FireworksRunning());
    EXPECT_TRUE(walk.Book().Highlighting()) << "the work glows while it bursts";
    // The slow dust puffs are still where the burst began: the market's middle.
    const TPoint market = walk.Book().StickerCentre(StickerOfSlot(1, 1));
    int puffs = 0;
    for (const TCelebrationParticle& particle : celebration.Particles()) {
        if (!particle.Active || particle.Look != TParticleLook::Dust) continue;
        ++puffs;
        EXPECT_NEAR(particle.X, market.X, 3);
        EXPECT_NEAR(particle.Y, market.Y, 3);
    }
    EXPECT_GT(puffs, 0);
    EXPECT_FALSE(walk.Platform.Device.QuadsOf("Confetti").empty());

    walk.SkipBookConversation();
    for (int slot = 2; slot <= 3; ++slot) walk.Buy(slot);
    EXPECT_FALSE(celebration.FireworksRunning());
    walk.Click(walk.Slots().BuyButton(4));
    ASSERT_TRUE(walk.Slots().AllBought(1));
    EXPECT_TRUE(celebration.FireworksRunning());
    // The conversation waits for the fireworks, which burst over the book meanwhile.
    int bursts = 0;
    for (int tick = 0; tick < TStickerBookScene::FireworksPeakTicks - 4; ++tick) {
        walk.Tick();
        bursts += walk.Platform.Device.QuadsOf("BombSparks").empty() ? 0 : 1;
        ASSERT_FALSE(walk.Form->StickerBook().Conversation().Running()) << "tick " << tick;
    }
    EXPECT_GT(bursts, 0) << "rockets burst over the book";
    walk.Ticks(4);
    EXPECT_TRUE(walk.Form->StickerBook().Conversation().Running());

    walk.Form->SetScene(gsMap);
    walk.Tick();
    walk.Form->SetScene(gsStickerBook);
    walk.Tick();
    EXPECT_FALSE(celebration.Running()) << "entering the book again ends the fireworks";
}

TEST(StickerBookScene, AWorkBoughtInTheBookBringsItsConversationWhileThePanelsWait) {
    TBookWalk walk("book-buy-talk");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    walk.Click(walk.Slots().BuyButton(1));
    const TBookConversation& conversation = walk.Form->StickerBook().Conversation();
    // The burst first: the panels go at once, the conversation comes at its peak, and until
    // then nothing hears a click.
    EXPECT_FALSE(conversation.Running());
    EXPECT_TRUE(walk.Form->StickerBook().AwaitingPeak());
    EXPECT_TRUE(walk.Form->StickerBook().KeyStops().empty());
    walk.Click(walk.Slots().BuyButton(2));
    EXPECT_FALSE(walk.Slots().Slot(1, 2).Bought);
    walk.Ticks(TStickerBookScene::CelebrationPeakTicks);
    EXPECT_FALSE(walk.Form->StickerBook().AwaitingPeak());
    EXPECT_TRUE(conversation.Running());
    EXPECT_EQ(conversation.Dialog().Conversation(), 2); // the party tent's
    walk.Ticks(60);                                     // long enough for a panel to slide in
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsHidden);
    walk.SkipBookConversation();
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsShown);
    // Told once: the book opened again stays quiet until the next work.
    walk.Form->SetScene(gsMap);
    walk.Tick();
    walk.Form->SetScene(gsStickerBook);
    walk.Tick();
    EXPECT_FALSE(conversation.Running());
}

// The book's butterflies and dust motes stay off the tube and the bottom panel, and all of its
// sky is drawn under them.
TEST(StickerBookScene, TheBooksSkyStaysOffItsPanels) {
    TBookWalk walk("book-sky");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    const TAmbientDecorations& sky = walk.Form->StickerBook().Decorations();
    ASSERT_EQ(sky.Layout().Protected.size(), 2u);
    EXPECT_EQ(sky.Layout().ButterflyHomes.size(), 2u);
    EXPECT_GT(sky.Layout().Motes, 0);
    for (int tick = 0; tick < 1500; ++tick) {
        walk.Ticks(1);
        for (const TDecoration& item : sky.Items()) {
            if (item.Alpha == 0 || item.Kind == TDecorationKind::Bird) continue;
            const TRect bounds = TAmbientDecorations::Bounds(item.Kind, item.Pos);
            for (const TRect& panel : sky.Layout().Protected)
                ASSERT_FALSE(bounds.Left < panel.Right && panel.Left < bounds.Right &&
                             bounds.Top < panel.Bottom && panel.Top < bounds.Bottom)
                    << "tick " << tick;
        }
    }
    const auto& quads = walk.Platform.Device.Quads;
    const auto first = [&](std::string_view name) {
        return std::find_if(quads.begin(), quads.end(),
                            [&](const TRecordedQuad& quad) { return quad.TextureName == name; }) -
               quads.begin();
    };
    EXPECT_LT(first("LittleStars"), first("BookBottomPanel"));
    EXPECT_LT(first("BlueButterfly"), first("BookBottomPanel"));
}

// The round after the book stands on the player's haven, the book's own picture, dimmed behind
// the board: drawn first, darker than the picture, and loaded again after the book freed it.
TEST(StickerBookScene, TheNextRoundStandsOnTheHavenDimmed) {
    TBookWalk walk("book-backdrop");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    const std::string haven = walk.Book().BackgroundName();
    walk.Click(walk.Form->StickerBook().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    walk.Ticks(5);
    const auto& quads = walk.Platform.Device.Quads;
    ASSERT_FALSE(quads.empty());
    EXPECT_EQ(quads.front().TextureName, haven);
    EXPECT_EQ(walk.Platform.Device.QuadsOf(haven).size(), 1u);
    const uint32_t color = quads.front().Corners[0].Color;
    EXPECT_GE(color >> 24, 0xF0u) << "opaque";
    for (int shift : {0, 8, 16}) EXPECT_LT((color >> shift) & 0xFF, 0x90u) << "dimmed";
}

namespace {

// Mirela teaches in the book of a player who has the tutorial on.
struct TTaughtBookWalk : TBookWalk {
    explicit TTaughtBookWalk(const char* name) : TBookWalk(name) { Taught = true; }

    const TBookTeaching& Teaching() { return Form->StickerBook().Teaching(); }
    // Until the tip that shows now has faded in; 0 when none comes.
    int NextTip() {
        for (int i = 0; i < 60 && !Teaching().ToolTip.Open(); ++i) Tick();
        return Teaching().ToolTip.Open() ? Teaching().ToolTip.CurrentTip() : 0;
    }
    bool VoicePlaying(const std::string& clip) {
        for (const TRecordedAudioStream& stream : Platform.Audio.Streams)
            if (stream.Playing && stream.Path.ends_with("/" + clip + ".ogg")) return true;
        return false;
    }
    TPoint Centre(const TGameButton& button) {
        return {button.Left + button.Width() / 2, button.Top + button.Height() / 2};
    }
};

} // namespace

TEST(BookTeaching, TheFirstBookShowsMirelasStepThenHerThreeTipsEachOnceWhileOnlyTheirOkHears) {
    TTaughtBookWalk walk("book-teaching");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    const TBookTeaching& teaching = walk.Teaching();
    ASSERT_TRUE(teaching.Tutorial.Open());
    EXPECT_EQ(teaching.Tutorial.CurrentStep(), TMirelaTutorial::BookStep);
    EXPECT_TRUE(walk.Form->Player().Current.TutorialStepsShown[TMirelaTutorial::BookStep - 1]);
    EXPECT_TRUE(walk.VoicePlaying("Tutorial9"));
    walk.Ticks(30);
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsHidden) << "the panels wait";
    EXPECT_FALSE(walk.Platform.Device.QuadsOf("TutorialDove").empty()) << "Mirela beside it";

    // Enter answers the step: her voice stops, the panels come, then the tip at the works.
    walk.Type("\r");
    EXPECT_FALSE(teaching.Tutorial.Open());
    EXPECT_FALSE(walk.VoicePlaying("Tutorial9"));
    ASSERT_EQ(walk.NextTip(), 25);
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsShown);
    EXPECT_EQ(teaching.ToolTip.ArrowPos(), (TPoint{293 - 6, 676 - 49}));
    // Under the tip the works and Play do not hear a click.
    walk.Click(walk.Slots().BuyButton(1));
    EXPECT_FALSE(walk.Slots().Slot(1, 1).Bought);
    walk.Click(walk.Form->StickerBook().PlayButton());
    EXPECT_EQ(walk.Scene(), gsStickerBook);
    EXPECT_TRUE(teaching.ToolTip.Open());

    walk.Click(teaching.TipOkButton());
    ASSERT_EQ(walk.NextTip(), 26);
    EXPECT_EQ(teaching.ToolTip.ArrowPos(), (TPoint{787 - 5, 57 - 7}));
    walk.Type(" ");
    ASSERT_EQ(walk.NextTip(), 27);
    // The last points at Play itself.
    const TPoint play = walk.Centre(walk.Form->StickerBook().PlayButton());
    EXPECT_EQ(teaching.ToolTip.ArrowPos(), (TPoint{play.X - 48, play.Y - 48}));
    walk.Click(teaching.TipOkButton());
    EXPECT_EQ(walk.NextTip(), 0);
    for (const int tip : {25, 26, 27})
        EXPECT_TRUE(walk.Form->Player().Current.ToolTipsShown[tip - 1]) << tip;

    // Taught once: the book opened again is quiet and Play goes on.
    walk.Form->SetScene(gsMap);
    walk.Tick();
    walk.Form->SetScene(gsStickerBook);
    walk.Ticks(walk.SettleTicks);
    EXPECT_FALSE(teaching.Tutorial.Showing());
    EXPECT_EQ(walk.NextTip(), 0);
    walk.Click(walk.Form->StickerBook().PlayButton());
    EXPECT_TRUE(walk.RunUntil(gsObjectiveInfo));
}

TEST(BookTeaching, TipsLeftUnansweredWhenTheGameClosedComeOnTheNextVisit) {
    TTaughtBookWalk walk("book-teaching-later");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    walk.Type("\r");
    ASSERT_EQ(walk.NextTip(), 25);
    walk.Form.reset(); // closed under the tip: it counts as shown, the next two do not
    const TPlayerSaveRecord saved = walk.Saved();
    EXPECT_TRUE(saved.TutorialStepsShown[TMirelaTutorial::BookStep - 1]);
    EXPECT_TRUE(saved.ToolTipsShown[25 - 1]);
    EXPECT_FALSE(saved.ToolTipsShown[26 - 1]);

    walk.Start();
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    walk.Form->SetScene(gsStickerBook);
    walk.Tick();
    walk.SkipBookConversation();
    EXPECT_FALSE(walk.Teaching().Tutorial.Showing()) << "the step was shown";
    EXPECT_EQ(walk.NextTip(), 26);
}

TEST(BookTeaching, WithTheTutorialOffTheBookShowsItsPanelsAtOnce) {
    TBookWalk walk("book-untaught");
    ASSERT_TRUE(walk.ReachBookAfterWin());
    const TBookTeaching& teaching = walk.Form->StickerBook().Teaching();
    EXPECT_FALSE(teaching.Tutorial.Showing());
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsShown);
    walk.Ticks(40);
    EXPECT_FALSE(teaching.ToolTip.Showing());
    EXPECT_EQ(walk.Form->Player().Current.ToolTipsShown, TPlayerSaveRecord{}.ToolTipsShown);
}
