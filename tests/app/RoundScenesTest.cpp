// The round's scenes through the real game: the map starts the player's level, its objective
// shows before play, the in-game menu pauses, resumes, restarts and leaves, a won round goes
// through its results to the sticker book and on to the next level, a lost one asks to try
// again, and the story scenes come and go with their pictures.
#include "SceneWalkKit.h"
#include "saves/PlayerSaveFiles.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace {

struct TRoundWalk : TSceneWalk {
    using TSceneWalk::TSceneWalk;

    TMainGameScene& Round() { return Form->MainGame(); }
    // The first player (a developer: the developer keys open), the timer-mode question
    // answered, the opening story skipped, the map.
    bool ReachMap(bool developer = false) {
        if (!ReachMenuAsNewPlayer("ANNA", developer)) return false;
        Click(Form->Menu().PlayButton());
        if (!RunUntil(gsConfirmWindow) || Form->Confirm().Kind() != ckTimerMode) return false;
        Click(Form->Confirm().Window().PositiveButton());
        return PastOpeningStory(gsMap);
    }
    // From the map through the objective and the level's tutorial step into play.
    bool PlayFromMap() {
        Click(Form->Map().PlayButton());
        if (!RunUntil(gsObjectiveInfo)) return false;
        Click({683, 400});
        return PastTutorialStep();
    }
    bool ReachRound(bool developer = false) { return ReachMap(developer) && PlayFromMap(); }
    // The question's window has dropped in; OK or Yes, else Cancel or No.
    void Answer(bool positive) {
        const TGameConfirmWindow& window = Form->Confirm().Window();
        Click(positive ? window.PositiveButton() : window.NegativeButton());
    }
    // From a won round through its results to the sticker book, past its conversation.
    bool ResultsToStickerBook() {
        if (!RunUntil(gsStageResult)) return false;
        Click(Form->StageResult().OkButton());
        if (!RunUntil(gsStickerBook)) return false;
        SkipBookConversation();
        return true;
    }
    TPlayerSaveRecord SavedRecord(const std::string& name) {
        TPlayerSaveFiles files;
        files.Folder = Data.Path("data");
        return files.Load(name);
    }
};

TEST(RoundScenes, TheMapPlaysThePlayersLevelItsObjectiveFirst) {
    TRoundWalk walk("round-map");
    walk.Taught = true;
    ASSERT_TRUE(walk.ReachMap());
    EXPECT_TRUE(walk.Platform.Device.HasLiveTexture("MapBG"));
    walk.SceneLog.clear();
    walk.Click(walk.Form->Map().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_EQ(walk.Form->Levels().FileName(), "Level1-01.zel");
    EXPECT_FALSE(walk.Platform.Device.HasLiveTexture("MapBG")) << "leaving the map frees it";
    // The objective stays until a press cuts it short.
    walk.Ticks(40);
    EXPECT_EQ(walk.Scene(), gsObjectiveInfo);
    walk.Click({683, 400});
    // The first level has Mirela's first step: the round waits for its OK, unannounced.
    ASSERT_TRUE(walk.RunUntil(gsTutorial));
    EXPECT_EQ(walk.Round().Tutorial.CurrentStep(), 1);
    EXPECT_TRUE(walk.Round().TubeTimer.Paused);
    EXPECT_NE(walk.Round().BoardComment1.CommentType(), coGo);
    walk.Ticks(100);
    EXPECT_EQ(walk.Scene(), gsTutorial);
    walk.Click(walk.Form->Tutorial().OkButton());
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    EXPECT_EQ(walk.Round().BoardComment1.CommentType(), coGo);
    EXPECT_FALSE(walk.Round().TubeTimer.Paused);
    EXPECT_EQ(walk.SceneLog, (std::vector<std::string>{"scene: gsObjectiveInfo",
                                                       "scene: gsTutorial", "scene: gsMainGame"}));

    // The map again from the menu has its picture back.
    walk.PressEscape();
    walk.Click(walk.Form->InGameMenu().ToMenuButton());
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Answer(true);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    walk.Click(walk.Form->Menu().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsMap));
    EXPECT_TRUE(walk.Platform.Device.HasLiveTexture("MapBG"));
}

TEST(RoundScenes, TheInGameMenuPausesAndResumesTheRoundItWasOpenedOver) {
    TRoundWalk walk("round-menu");
    ASSERT_TRUE(walk.ReachRound());
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    EXPECT_EQ(walk.Form->Flow().OriginScene, gsMainGame);
    EXPECT_TRUE(walk.Round().GamePause());
    walk.Click(walk.Form->InGameMenu().ResumeButton());
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    EXPECT_FALSE(walk.Round().GamePause());

    // Over the tutorial, which the menu does not pause, it goes back there.
    walk.Form->SetScene(gsTutorial);
    walk.Click(walk.Round().InGameMenuButton);
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    EXPECT_EQ(walk.Form->Flow().OriginScene, gsTutorial);
    EXPECT_FALSE(walk.Round().GamePause());
    walk.Click(walk.Form->InGameMenu().ResumeButton());
    ASSERT_TRUE(walk.RunUntil(gsTutorial));
    walk.Click(walk.Form->Tutorial().OkButton());
    EXPECT_EQ(walk.Scene(), gsMainGame);
}

TEST(RoundScenes, TheObjectiveWaitsUnderTheInGameMenu) {
    TRoundWalk walk("round-objective-menu");
    ASSERT_TRUE(walk.ReachMap());
    walk.Click(walk.Form->Map().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    EXPECT_EQ(walk.Form->Flow().OriginScene, gsObjectiveInfo);
    const int panelY = walk.Round().ObjectiveInfo.Y();
    walk.Ticks(200);
    EXPECT_EQ(walk.Scene(), gsInGameMenu) << "the objective's end does not take the menu away";
    EXPECT_EQ(walk.Round().ObjectiveInfo.Y(), panelY);
    walk.Click(walk.Form->InGameMenu().ResumeButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_FALSE(walk.Round().GamePause());
    EXPECT_TRUE(walk.RunUntil(gsMainGame)) << "the objective goes on to play by itself";
}

TEST(RoundScenes, RestartForfeitsTheRoundAndStartsTheLevelAgain) {
    TRoundWalk walk("round-restart");
    ASSERT_TRUE(walk.ReachRound());
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.SceneLog.clear();
    walk.Click(walk.Form->InGameMenu().RestartButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_EQ(walk.SceneLog,
              (std::vector<std::string>{"scene: gsMainGame", "scene: gsObjectiveInfo"}));
    EXPECT_EQ(walk.Form->Levels().FileName(), "Level1-01.zel");
    EXPECT_TRUE(walk.Round().EarningsPending()) << "the new round's earnings";
    EXPECT_FALSE(walk.Round().GamePause());
}

TEST(RoundScenes, ToMenuAsksFirstCancelPlaysOnAndOkLeavesTheRoundForfeited) {
    TRoundWalk walk("round-to-menu");
    ASSERT_TRUE(walk.ReachRound());
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.Click(walk.Form->InGameMenu().ToMenuButton());
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    EXPECT_EQ(walk.Form->Confirm().Kind(), ckLeaveRound);
    EXPECT_EQ(walk.Form->Confirm().Backdrop(), gsMainGame);
    walk.Answer(false);
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    EXPECT_FALSE(walk.Round().GamePause());
    EXPECT_TRUE(walk.Round().EarningsPending());

    walk.PressEscape();
    walk.Click(walk.Form->InGameMenu().ToMenuButton());
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Answer(true);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FALSE(walk.Round().EarningsPending());
}

TEST(RoundScenes, OptionsAndHelpOfTheInGameMenuOpenTheirScenes) {
    TRoundWalk walk("round-options-help");
    ASSERT_TRUE(walk.ReachRound());
    walk.PressEscape();
    walk.Click(walk.Form->InGameMenu().OptionsButton());
    EXPECT_EQ(walk.Scene(), gsInGameOptions);
    walk.Form->SetScene(gsMainGame);
    walk.Round().SetGamePause(false);
    walk.PressEscape();
    walk.Click(walk.Form->InGameMenu().HelpButton());
    EXPECT_EQ(walk.Scene(), gsHelp);
    EXPECT_EQ(walk.Form->Flow().HelpReturn, hrGame);
}

TEST(RoundScenes, AWonRoundGoesThroughItsResultsAndTheStickerBookToTheNextLevel) {
    TRoundWalk walk("round-won");
    ASSERT_TRUE(walk.ReachRound(true));

    walk.SceneLog.clear();
    walk.PressKey(TKey::F2);
    ASSERT_TRUE(walk.RunUntil(gsStageResult));
    EXPECT_EQ(walk.SceneLog,
              (std::vector<std::string>{"scene: gsRoundClear", "scene: gsStageResult"}));
    EXPECT_FALSE(walk.Round().EarningsPending()) << "the won round keeps what it gathered";
    EXPECT_NE(walk.Round().Medal, mdNone);
    // Saved at once: closing at the results does not lose the level.
    const TPlayerSaveRecord saved = walk.SavedRecord("ANNA");
    EXPECT_EQ(saved.NextUncompletedIsland, 1);
    EXPECT_EQ(saved.NextUncompletedLevel, 2);
    EXPECT_EQ(saved.Score, walk.Round().Score);

    // As the window rests the medal pops in, dust rises from the counting score and Mirela flies
    // in to her perch; OK sends her off with the window.
    const TStageResultScene& results = walk.Form->StageResult();
    const TResultsCelebration& celebration = results.Celebration();
    for (int i = 0; i < 200 && results.Window().State() != mwsShown; ++i) walk.Tick();
    walk.Ticks(TStageResultScene::CountingTicks / 2);
    EXPECT_TRUE(celebration.MedalShowing());
    EXPECT_GT(celebration.DustCount(), 0);
    EXPECT_EQ(celebration.Dove(), TDoveFlight::FlyingIn);
    walk.Ticks(TResultsCelebration::DoveFlightTicks);
    EXPECT_EQ(celebration.Dove(), TDoveFlight::Perched);
    EXPECT_FLOAT_EQ(celebration.MedalScale(), 1.0f);
    walk.Click(results.OkButton());
    EXPECT_EQ(celebration.Dove(), TDoveFlight::FlyingOff);
    EXPECT_TRUE(walk.Platform.Device.HasLiveTexture("TutorialDove"));

    ASSERT_TRUE(walk.RunUntil(gsStickerBook));
    walk.SkipBookConversation();
    EXPECT_TRUE(walk.Platform.Device.HasLiveTexture("ciBG1"));
    walk.Click(walk.Form->StickerBook().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_EQ(walk.Form->Levels().FileName(), "Level1-02.zel");
    // The book frees its copy as it closes; the round stands on the same haven, loaded again.
    walk.Ticks(2);
    EXPECT_TRUE(walk.Platform.Device.HasLiveTexture("ciBG1"));
    EXPECT_EQ(walk.Platform.Device.QuadsOf("ciBG1").size(), 1u) << "drawn once, behind the board";
}

// The game's content with island 1's first three levels only.
std::string ProgramWithThreeLevels(const TTempFolder& folder) {
    namespace fs = std::filesystem;
    const fs::path program = folder.Path("program");
    fs::create_directories(program / "Levels");
    for (const char* content : {"Images", "Texts", "Sounds", "Voices", "Music"})
        fs::create_directory_symlink(fs::path(TOVAN_GAME_DIR) / content, program / content);
    fs::copy_file(fs::path(TOVAN_GAME_DIR) / "SlotPrices.dat", program / "SlotPrices.dat");
    for (const char* level : {"Level1-01.zel", "Level1-02.zel", "Level1-03.zel"})
        fs::copy_file(fs::path(TOVAN_GAME_DIR) / "Levels" / level, program / "Levels" / level);
    return (program / "").string();
}

TEST(RoundScenes, AfterTheLastLevelWithAFileTheStickerBookGoesToTheMap) {
    TRoundWalk walk("round-last-file");
    walk.Form.reset();
    walk.Form = std::make_unique<TFormMain>(
        walk.Platform.For(ProgramWithThreeLevels(walk.Data), "", walk.Data.Path("data")));
    walk.Form->FormShow();
    ASSERT_TRUE(walk.ReachRound());
    for (const char* level : {"Level1-01.zel", "Level1-02.zel", "Level1-03.zel"}) {
        ASSERT_EQ(walk.Form->Levels().FileName(), level);
        walk.Round().DeveloperWin();
        ASSERT_TRUE(walk.ResultsToStickerBook()) << level;
        walk.Click(walk.Form->StickerBook().PlayButton());
        if (walk.Form->Player().Current.NextUncompletedLevel == 4) break;
        ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo)) << level;
        walk.Round().ObjectiveInfo.Skip();
    }
    ASSERT_TRUE(walk.RunUntil(gsMap));
    EXPECT_EQ(walk.Form->Player().Current.NextUncompletedLevel, 4);
    EXPECT_TRUE(walk.Platform.Desktop.Messages.empty());
}

TEST(RoundScenes, TimeUpAsksToTryAgainOrLeavesForTheMenu) {
    TRoundWalk walk("round-time-up");
    ASSERT_TRUE(walk.ReachRound());
    walk.Round().TimeUp();
    EXPECT_EQ(walk.Scene(), gsTimeUp);
    EXPECT_FALSE(walk.Round().EarningsPending()) << "the lost round gives back what it added";
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    EXPECT_EQ(walk.Form->Confirm().Kind(), ckTimeUp);
    walk.Answer(true);
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_EQ(walk.Form->Levels().FileName(), "Level1-01.zel");

    walk.Round().ObjectiveInfo.Skip();
    walk.Round().TimeUp();
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Answer(false);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
}

TEST(RoundScenes, ClosingDuringTheRoundAsksAndCancelPlaysOnUnpaused) {
    TRoundWalk walk("round-close");
    ASSERT_TRUE(walk.ReachRound());
    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    EXPECT_EQ(walk.Form->Confirm().Kind(), ckQuit);
    EXPECT_TRUE(walk.Round().GamePause());
    walk.Answer(false);
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    EXPECT_FALSE(walk.Round().GamePause());
    EXPECT_FALSE(walk.Form->Closing());

    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Answer(true);
    walk.Ticks(TSceneWalk::SettleTicks);
    EXPECT_TRUE(walk.Form->Closing());
}

TEST(RoundScenes, TheStoryScenesLoadTheirPicturesAndLeaveForTheMenu) {
    TRoundWalk walk("round-story");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    walk.Form->SetScene(gsOpeningStory);
    EXPECT_TRUE(walk.Form->ImageSetLoaded(StoryImageSet));
    EXPECT_EQ(walk.Form->OpeningStory().Strip(), 1);
    walk.Ticks(TStoryScene::StripTicks + 1);
    EXPECT_EQ(walk.Form->OpeningStory().Strip(), 2);
    walk.Click(walk.Form->OpeningStory().SkipButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FALSE(walk.Form->ImageSetLoaded(StoryImageSet));

    // The ending runs through its strips to the credits by itself, and they to the menu.
    walk.Form->SetScene(gsEndingStory);
    EXPECT_TRUE(walk.Form->ImageSetLoaded(EndingImageSet));
    ASSERT_TRUE(walk.RunUntil(gsCredits, 4 * TStoryScene::StripTicks));
    EXPECT_FALSE(walk.Form->ImageSetLoaded(EndingImageSet));
    walk.Click(walk.Form->Credits().DoneButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
}

} // namespace

namespace {

TEST(InputRules, TheDeveloperKeysAnswerOnlyInDeveloperMode) {
    for (const bool developer : {false, true}) {
        TRoundWalk walk(developer ? "keys-developer" : "keys-player");
        ASSERT_TRUE(walk.ReachRound(developer));
        walk.PressKey(TKey::F5);
        EXPECT_EQ(walk.Form->Timer().TargetFPS(), developer ? 0 : GameTicksPerSecond);
        walk.PressKey(TKey::F5);
        EXPECT_EQ(walk.Form->Timer().TargetFPS(), GameTicksPerSecond);
        walk.PressKey(TKey::F10); // never the window menu, and nothing else either
        walk.PressKey(TKey::F2);
        walk.Ticks(60);
        EXPECT_EQ(walk.Round().RoundOver, developer);
    }
}

TEST(InputRules, EscapeOpensTheInGameMenuFromPlayOnly) {
    TRoundWalk walk("escape");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer());
    walk.PressEscape();
    walk.Ticks(5);
    EXPECT_EQ(walk.Scene(), gsMenu);
    walk.Click(walk.Form->Menu().PlayButton());
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Answer(true);
    ASSERT_TRUE(walk.PastOpeningStory(gsMap));
    ASSERT_TRUE(walk.PlayFromMap());
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    // The round is paused and its menu button with it: a second Escape changes nothing.
    walk.PressEscape();
    walk.Ticks(5);
    EXPECT_EQ(walk.Scene(), gsInGameMenu);
}

TEST(ClosingEverywhere, OverTheInGameMenuTheGameClosesAtOnceForfeitingTheRoundAndSaving) {
    TRoundWalk walk("close-in-game-menu");
    ASSERT_TRUE(walk.ReachRound());
    EXPECT_TRUE(walk.Round().EarningsPending());
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    EXPECT_TRUE(walk.Form->Closing()) << "only a round in play asks first";
    walk.Form->Shutdown();
    EXPECT_FALSE(walk.Round().EarningsPending());
    EXPECT_EQ(walk.SavedRecord("ANNA").UsableRelaxedMode(), rmYes) << "the player was saved";
}

} // namespace

namespace {

// Outside play the close box closes at once, whatever window is up: the player who was loaded
// is saved, and a first start before any name saves nobody.
TEST(ClosingEverywhere, OutsidePlayTheCloseBoxClosesAtOnceAndSavesWhoWasLoaded) {
    struct TCase {
        const char* Name;
        std::function<bool(TRoundWalk&)> Reach;
        bool Saved;
    };
    const auto fromMenu = [](const TGameButton& (TMenuScene::*button)() const,
                             TGameSceneValues scene) {
        return [button, scene](TRoundWalk& walk) {
            if (!walk.ReachMenuAsNewPlayer()) return false;
            walk.Click((walk.Form->Menu().*button)());
            return walk.RunUntil(scene);
        };
    };
    const std::vector<TCase> cases{
        {"splash", [](TRoundWalk& walk) { return walk.ReachReadySplash(); }, false},
        {"first-name",
         [](TRoundWalk& walk) {
             if (!walk.ReachReadySplash()) return false;
             walk.Click({683, 400});
             return walk.RunUntil(gsAddInitialPlayer);
         },
         false},
        {"menu", [](TRoundWalk& walk) { return walk.ReachMenuAsNewPlayer(); }, true},
        {"options", fromMenu(&TMenuScene::OptionsButton, gsOptions), true},
        {"high-scores", fromMenu(&TMenuScene::HighScoresButton, gsHighScores), true},
        {"help", fromMenu(&TMenuScene::HelpButton, gsHelp), true},
        {"player-list", fromMenu(&TMenuScene::ChangePlayerLink, gsPlayerSelect), true},
        {"exit-question", fromMenu(&TMenuScene::ExitButton, gsConfirmWindow), true},
        {"map", [](TRoundWalk& walk) { return walk.ReachMap(); }, true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TRoundWalk walk(test.Name);
        ASSERT_TRUE(test.Reach(walk));
        walk.Push(TEventKind::CloseRequested);
        walk.Tick();
        EXPECT_TRUE(walk.Form->Closing());
        walk.Form->Shutdown();
        EXPECT_EQ(std::filesystem::exists(walk.DataFile("ANNA.sav")), test.Saved);
        EXPECT_TRUE(std::filesystem::exists(walk.DataFile("HighScores.dat")));
    }
    // What only the record in memory knew reaches the file at the close.
    TRoundWalk walk("timer-saved");
    ASSERT_TRUE(walk.ReachMap());
    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    walk.Form->Shutdown();
    EXPECT_EQ(walk.SavedRecord("ANNA").UsableRelaxedMode(), rmYes);
}

} // namespace
