// The players through the real scenes: the first start asks a name and reaches the menu, the
// player's save and the high scores are written at the end, the next start goes straight to the
// menu, and the player list adds, refuses and deletes players.
#include "SceneWalkKit.h"
#include "board/GameData.h"
#include "saves/PlayerSaveFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(PlayerFlow, AFirstStartAsksTheNameThenTheMenuAndClosingSavesThePlayer) {
    TSceneWalk walk("first-start");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer("ANNA"));
    EXPECT_EQ(walk.Form->Player().SelectedName(), "ANNA");
    EXPECT_EQ(walk.Form->Flow().LastPlayerName, "ANNA");
    // The new player's file exists from the moment the name was taken.
    EXPECT_TRUE(std::filesystem::exists(walk.DataFile("ANNA.sav")));
    const std::vector<std::string> expected{"scene: gsSplash", "scene: gsAddInitialPlayer",
                                            "scene: gsMenu"};
    EXPECT_EQ(walk.SceneLog, expected);

    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    EXPECT_TRUE(walk.Form->Closing());
    walk.Form->Shutdown();
    EXPECT_TRUE(std::filesystem::exists(walk.DataFile("HighScores.dat")));

    walk.SceneLog.clear();
    walk.Start();
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_EQ(walk.Form->Player().LoadedName(), "ANNA");
}

// A window asked for one run stays that run's: the player's own choice is what is saved.
TEST(PlayerFlow, AWindowForOneRunIsNotSavedAsThePlayersChoice) {
    TSceneWalk walk("windowed-run");
    walk.StartFullScreen = false;
    walk.Platform.Device.SetFullScreen(false); // as a new program's window starts
    walk.Start();
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer("ANNA"));
    EXPECT_FALSE(walk.Platform.Device.FullScreen());
    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    walk.Form->Shutdown();
    TPlayerSaveFiles files;
    files.Folder = walk.Data.Path("data");
    EXPECT_TRUE(TPlayerSaveRecord::IsSet(files.Load("ANNA").FullScreen));
}

TEST(PlayerFlow, AnEmptyFirstNameBecomesTheGamesDefaultName) {
    TSceneWalk walk("first-empty");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer(""));
    EXPECT_EQ(walk.Form->Player().SelectedName(), "ISLANDER");
}

TEST(PlayerFlow, TheDeveloperCodeOpensTheKeysAndAddsNoPlayer) {
    TSceneWalk walk("developer");
    ASSERT_TRUE(walk.ReachReadySplash());
    walk.Click({683, 400});
    ASSERT_TRUE(walk.RunUntil(gsAddInitialPlayer));
    walk.Type("GIZMO UP\r");
    ASSERT_TRUE(walk.RunUntil(gsAddInitialPlayer));
    EXPECT_TRUE(walk.Form->Flow().DeveloperMode);
    EXPECT_TRUE(walk.Form->Player().NameList.IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(walk.DataFile("GIZMO UP.sav")));
    // The window asks again, and the real name goes on to the menu.
    walk.Type("BO\r");
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_EQ(walk.Form->Player().SelectedName(), "BO");
}

} // namespace

namespace {

// A game at its menu with one player, ANNA.
struct TMenuWalk : TSceneWalk {
    explicit TMenuWalk(const char* name) : TSceneWalk(name) {
        EXPECT_TRUE(ReachMenuAsNewPlayer("ANNA"));
    }
    void Answer(bool positive) {
        EXPECT_TRUE(RunUntil(gsConfirmWindow));
        const TGameConfirmWindow& window = Form->Confirm().Window();
        Click(positive ? window.PositiveButton() : window.NegativeButton());
    }
    void AddPlayer(const std::string& name) {
        Click(Form->PlayerSelect().NewButton());
        EXPECT_TRUE(RunUntil(gsAddPlayer));
        Type(name + "\r");
    }
    void OpenPlayerList() {
        Click(Form->Menu().ChangePlayerLink());
        EXPECT_TRUE(RunUntil(gsPlayerSelect));
    }
};

TEST(PlayerList, ANewPlayerIsAddedSelectedAndTakenToTheMenu) {
    TMenuWalk walk("list-add");
    walk.OpenPlayerList();
    walk.AddPlayer("BO");
    ASSERT_TRUE(walk.RunUntil(gsPlayerSelect));
    EXPECT_EQ(walk.Form->Player().SelectedName(), "BO");
    EXPECT_TRUE(std::filesystem::exists(walk.DataFile("BO.sav")));
    walk.Click(walk.Form->PlayerSelect().OkButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_EQ(walk.Form->Player().LoadedName(), "BO");
    EXPECT_EQ(walk.Form->Flow().LastPlayerName, "BO");
}

TEST(PlayerList, ANameAlreadyListedIsAskedAboutAndAddedNoSecondTime) {
    TMenuWalk walk("list-duplicate");
    walk.OpenPlayerList();
    walk.AddPlayer("anna"); // typed in any case, listed in capitals
    walk.Answer(true);      // OK: the window asks again, empty
    ASSERT_TRUE(walk.RunUntil(gsAddPlayer));
    EXPECT_EQ(walk.Form->AddPlayer().NameInput().Text(), "");
    walk.Click(walk.Form->AddPlayer().CancelButton());
    ASSERT_TRUE(walk.RunUntil(gsPlayerSelect));
    walk.AddPlayer("ANNA");
    walk.Answer(false); // Cancel: back to the list
    ASSERT_TRUE(walk.RunUntil(gsPlayerSelect));
    EXPECT_EQ(walk.Form->Player().NameList.Name(2), "");
}

TEST(PlayerList, DeletingAsksFirstAndTheDeletedPlayersRecordIsNeverSavedAgain) {
    TMenuWalk walk("list-delete");
    walk.OpenPlayerList();
    walk.Click(walk.Form->PlayerSelect().DeleteButton());
    walk.Answer(false);
    ASSERT_TRUE(walk.RunUntil(gsPlayerSelect));
    EXPECT_TRUE(std::filesystem::exists(walk.DataFile("ANNA.sav")));
    walk.Click(walk.Form->PlayerSelect().DeleteButton());
    walk.Answer(true);
    ASSERT_TRUE(walk.RunUntil(gsPlayerSelect));
    EXPECT_FALSE(std::filesystem::exists(walk.DataFile("ANNA.sav")));
    EXPECT_TRUE(walk.Form->Player().NameList.IsEmpty());
    EXPECT_FALSE(walk.Form->PlayerSelect().DeleteButton().Enabled);
    // Closing now saves nobody: the record in memory was the deleted player's.
    walk.Push(TEventKind::CloseRequested);
    walk.Tick();
    walk.Form->Shutdown();
    EXPECT_FALSE(std::filesystem::exists(walk.DataFile("ANNA.sav")));
}

TEST(PlayerList, OkOnAnEmptyListMakesTheDefaultPlayer) {
    TMenuWalk walk("list-default");
    walk.OpenPlayerList();
    walk.Click(walk.Form->PlayerSelect().DeleteButton());
    walk.Answer(true);
    ASSERT_TRUE(walk.RunUntil(gsPlayerSelect));
    walk.Click(walk.Form->PlayerSelect().OkButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_EQ(walk.Form->Player().LoadedName(), "ISLANDER");
    EXPECT_TRUE(std::filesystem::exists(walk.DataFile("ISLANDER.sav")));
}

TEST(MenuQuestions, ExitAsksAndOnlyOkCloses) {
    TMenuWalk walk("menu-exit");
    walk.Click(walk.Form->Menu().ExitButton());
    walk.Answer(false);
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FALSE(walk.Form->Closing());
    walk.Click(walk.Form->Menu().ExitButton());
    walk.Answer(true);
    walk.Ticks(10);
    EXPECT_TRUE(walk.Form->Closing());
}

TEST(MenuQuestions, TheTimerModeIsAskedOnceAndEitherAnswerOpensTheMap) {
    for (const bool relaxed : {true, false}) {
        TMenuWalk walk(relaxed ? "timer-yes" : "timer-no");
        walk.Click(walk.Form->Menu().PlayButton());
        walk.Answer(relaxed);
        ASSERT_TRUE(walk.PastOpeningStory(gsMap));
        EXPECT_EQ(walk.Form->Player().Current.RelaxedMode, relaxed ? rmYes : rmNo);
        EXPECT_FALSE(walk.Form->Flow().FreeMenuImagesOnLeave) << "the menu's pictures went";
    }
}

} // namespace
