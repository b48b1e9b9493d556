// The story in the whole game: the opening story on a player's first Play, the story strips with
// their narration, the conversation over the haven book with its voices, and the hero scene of
// the menu.
#include "SceneWalkKit.h"
#include "app/GameProgress.h"
#include "app/scenes/BookConversation.h"
#include "files/AtomicWrite.h"
#include "saves/PlayerSaveRecord.h"

#include <algorithm>
#include <string>

namespace {

// The menu's Play, Yes to the timer mode: the scene that comes.
TGameSceneValues FirstPlay(TSceneWalk& walk) {
    walk.Click(walk.Form->Menu().PlayButton());
    EXPECT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Click({613, 447});
    for (int i = 0; i < 200 && (walk.Scene() == gsConfirmWindow || walk.Scene() == gsMenu ||
                                walk.Form->TransitionActive());
         ++i)
        walk.Tick();
    return walk.Scene();
}

bool Drawn(const TSceneWalk& walk, std::string_view picture) {
    return !walk.Platform.Device.QuadsOf(picture).empty();
}

// ANNA's save with `works` works bought, read by the next start of the game.
void GiveWorks(TSceneWalk& walk, int works) {
    TPlayerSaveRecord record = walk.Form->Player().Current;
    for (int work = 0; work < works; ++work)
        record.ElementSlots[static_cast<size_t>(work / 4)][static_cast<size_t>(work % 4)] = 1;
    walk.Form.reset(); // closing saves the player: the new save comes after
    ASSERT_TRUE(WriteFileAtomic(walk.DataFile("ANNA.sav"), EncodePlayerSave(record)).empty());
    walk.Start();
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsMenu));
}

// Opens the book as a won round does; True once its scene has come.
bool OpenBook(TSceneWalk& walk) {
    walk.Form->SetScene(gsStickerBook);
    walk.Tick();
    return walk.Scene() == gsStickerBook;
}

TEST(OpeningStory, AFirstPlayTellsItOnceAndSkipGoesOnToTheMap) {
    TSceneWalk walk("story-first-play");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    ASSERT_EQ(FirstPlay(walk), gsOpeningStory);
    EXPECT_EQ(walk.Form->Player().Current.OpeningStoryTold, 1);
    walk.Ticks(60);
    EXPECT_TRUE(Drawn(walk, "StoryStrip1"));
    EXPECT_TRUE(Drawn(walk, "GlobalFontWhite")); // the narration types itself in
    walk.Click(walk.Form->OpeningStory().SkipButton());
    EXPECT_TRUE(walk.RunUntil(gsMap));
    // The next run of the game: Play goes straight to the map.
    walk.Start();
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    walk.Click(walk.Form->Menu().PlayButton());
    EXPECT_TRUE(walk.RunUntil(gsMap));
    EXPECT_EQ(std::count(walk.SceneLog.begin(), walk.SceneLog.end(),
                         std::string("scene: gsOpeningStory")),
              1);
}

TEST(OpeningStory, TheTitleTellsItAgainUnderQuieterMusicAndItEndsInTheMenu) {
    TSceneWalk walk("story-again");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    const int music = walk.Form->Music().Volume();
    walk.Click({745, 120}); // the game's title
    ASSERT_TRUE(walk.RunUntil(gsOpeningStory));
    EXPECT_EQ(walk.Form->Music().Volume(), RoundHalfEven(music * 0.9));
    EXPECT_EQ(walk.Form->Player().Current.OpeningStoryTold, 0); // told on request only
    walk.Click(walk.Form->OpeningStory().SkipButton());
    EXPECT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_EQ(walk.Form->Music().Volume(), music);
    EXPECT_EQ(walk.Form->Menu().MenuPanel().State(), mwsShown);
}

TEST(OpeningStory, TheStripsAndTheirWordsFollowEachOtherToTheEnd) {
    TSceneWalk walk("story-strips");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    walk.Form->SetScene(gsOpeningStory);
    ASSERT_FALSE(walk.Form->Texts().GameTexts(13).empty());
    const TStoryScene& story = walk.Form->OpeningStory();
    walk.Ticks(TStoryScene::NarrationStartTick + 5);
    EXPECT_EQ(story.Narration().Line(1), walk.Form->Texts().GameTexts(13));
    walk.Ticks(TStoryScene::StripTicks);
    EXPECT_EQ(story.Strip(), 2);
    EXPECT_EQ(story.Narration().Line(1), walk.Form->Texts().GameTexts(14));
    // The paper frame every frame; dust and film take turns, never both in one frame.
    bool film = false;
    bool dust = false;
    for (int tick = 0; tick < 120; ++tick) {
        walk.Tick();
        ASSERT_TRUE(Drawn(walk, "StoryBGMask"));
        ASSERT_FALSE(Drawn(walk, "MovieEffect") && Drawn(walk, "ScreenDustEffect"));
        film = film || Drawn(walk, "MovieEffect");
        dust = dust || Drawn(walk, "ScreenDustEffect");
    }
    EXPECT_TRUE(film);
    EXPECT_TRUE(dust);
    walk.Ticks(3 * TStoryScene::StripTicks);
    EXPECT_TRUE(walk.RunUntil(gsMenu)); // asked for outside a first Play: back to the menu
}

TEST(OpeningStory, ReducedEffectsKeepThePaperFrameAndDropTheFilm) {
    SetReducedEffectsMode(true);
    TSceneWalk walk("story-reduced");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    EXPECT_FALSE(Drawn(walk, "Fog"));
    walk.Form->SetScene(gsOpeningStory);
    walk.Ticks(30);
    EXPECT_TRUE(Drawn(walk, "StoryBGMask"));
    EXPECT_FALSE(Drawn(walk, "MovieEffect"));
    EXPECT_FALSE(Drawn(walk, "ScreenDustEffect"));
    SetReducedEffectsMode(false);
}

TEST(EndingStory, ItsThreeStripsEndInTheCreditsOverTheDarkAndDoneGoesOnToTheMenu) {
    TSceneWalk walk("story-ending");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    walk.Form->SetScene(gsEndingStory);
    walk.Ticks(20);
    EXPECT_TRUE(Drawn(walk, "EndingStrip1"));
    walk.Ticks(3 * TStoryScene::StripTicks);
    ASSERT_TRUE(walk.RunUntil(gsCredits));
    EXPECT_FALSE(walk.Form->ImageSetLoaded(EndingImageSet));
    walk.Tick();
    EXPECT_TRUE(Drawn(walk, "CreditsWindow"));
    EXPECT_FALSE(Drawn(walk, "MenuPanel")) << "nothing of the menu beneath them";
    // Escape is Done here as in the options' credits; the menu comes whole, by its iris.
    walk.PressKey(TKey::Escape);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_TRUE(walk.Form->Menu().MenuPanel().State() == mwsShown ||
                walk.Form->Menu().MenuPanel().State() == mwsShowing);
    EXPECT_TRUE(Drawn(walk, "MenuPanel"));

    // The credits from the options still go back to the options.
    walk.Click(walk.Form->Menu().OptionsButton());
    ASSERT_TRUE(walk.RunUntil(gsOptions));
    walk.Click(walk.Form->Options().CreditsButton());
    ASSERT_TRUE(walk.RunUntil(gsCredits));
    EXPECT_TRUE(Drawn(walk, "MenuPanel"));
    walk.PressKey(TKey::Escape);
    EXPECT_TRUE(walk.RunUntil(gsOptions));
}

TEST(EndingStory, SkippedItStillEndsInTheCredits) {
    TSceneWalk walk("story-ending-skip");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    walk.Form->SetScene(gsEndingStory);
    walk.Ticks(20);
    walk.Click(walk.Form->EndingStory().SkipButton());
    EXPECT_TRUE(walk.RunUntil(gsCredits));
}

TEST(BookConversation, TheFirstBookTellsConversationOneWithItsVoicesOnce) {
    TSceneWalk walk("book-first");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    ASSERT_TRUE(OpenBook(walk));
    const TBookConversation& conversation = walk.Form->StickerBook().Conversation();
    EXPECT_TRUE(conversation.Running());
    EXPECT_EQ(conversation.Dialog().Conversation(), 1);
    walk.Ticks(40);
    EXPECT_TRUE(Drawn(walk, "ChatTovan"));
    EXPECT_TRUE(Drawn(walk, "ChatCharacter1"));
    EXPECT_EQ(walk.Form->Voices().IndexOf("Chat1"), 0);
    EXPECT_FALSE(walk.Platform.Audio.PlayedStreams().empty());
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsHidden);
    // A press on the book hurries the balloon on; Play waits under the conversation.
    walk.Click({683, 400});
    walk.Click({683, 400});
    EXPECT_EQ(conversation.Dialog().CurrentLine(), 2);
    walk.Click(conversation.SkipButton());
    walk.Ticks(40);
    EXPECT_FALSE(conversation.Running());
    EXPECT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsShown);
    // The same works again: the book opens without a conversation.
    walk.Form->SetScene(gsMap);
    walk.Tick();
    ASSERT_TRUE(OpenBook(walk));
    EXPECT_FALSE(conversation.Running());
}

TEST(BookConversation, ABoughtWorkBringsTheNextConversation) {
    TSceneWalk walk("book-works");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    GiveWorks(walk, 3);
    EXPECT_EQ(walk.Form->Menu().HeroScene().Scene(), 3);
    ASSERT_TRUE(OpenBook(walk));
    EXPECT_EQ(walk.Form->StickerBook().Conversation().Dialog().Conversation(), 4);
    walk.Ticks(30);
    EXPECT_TRUE(Drawn(walk, "ChatCharacter1")); // the queen speaks of the open sea
}

TEST(BookConversation, AfterTheLastWorkPlayTellsTheClosingConversationThenTheEnding) {
    TSceneWalk walk("book-closing");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    constexpr int AllWorks = 20;
    GiveWorks(walk, AllWorks);
    walk.Form->Progress().StickerBook.Reveal(ciZeppelin); // the rainbow's zeppelin: all done
    ASSERT_TRUE(OpenBook(walk));
    const TBookConversation& conversation = walk.Form->StickerBook().Conversation();
    EXPECT_EQ(conversation.Dialog().Conversation(), 21);
    walk.Click(conversation.SkipButton());
    walk.Ticks(40);
    ASSERT_EQ(walk.Form->StickerBook().BottomPanel().State(), mwsShown);
    walk.Click(walk.Form->StickerBook().PlayButton());
    EXPECT_EQ(conversation.Dialog().Conversation(), TBookConversation::ClosingConversation);
    EXPECT_TRUE(walk.RunUntil(gsEndingStory, 3000));
}

TEST(MenuHeroScene, TheHeroAndHisLayersComeAndGoUnderThePanels) {
    TSceneWalk walk("menu-hero");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    EXPECT_EQ(walk.Form->Menu().HeroScene().Scene(), 0);
    EXPECT_TRUE(walk.Form->PictureLoaded("Scene0Tovan"));
    int misty = 0;
    int flashes = 0;
    int filmed = 0;
    int bare = 0; // frames that blend no layer over the hero
    constexpr int Frames = 900;
    for (int tick = 0; tick < Frames; ++tick) {
        walk.Tick();
        const auto& quads = walk.Platform.Device.Quads;
        const auto first = [&quads](std::string_view name) {
            return std::find_if(quads.begin(), quads.end(),
                                [name](const auto& quad) { return quad.TextureName == name; });
        };
        ASSERT_TRUE(first("Scene0Tovan") < first("MenuPanel"));
        for (const char* layer : {"Fog", "Lightning", "MovieEffect"}) {
            if (first(layer) != quads.end()) {
                ASSERT_TRUE(first(layer) < first("PlayButton"));
            }
        }
        const bool fog = first("Fog") != quads.end();
        const bool flash = first("Lightning") != quads.end();
        const bool film = first("MovieEffect") != quads.end();
        misty += fog;
        flashes += flash;
        filmed += film;
        bare += !fog && !flash && !film;
    }
    EXPECT_GT(misty, 0);
    EXPECT_GT(flashes, 0);
    EXPECT_GT(filmed, 0);
    // The menu idles most of the time: most frames draw the hero alone.
    EXPECT_GT(bare, Frames / 3);
}

} // namespace
