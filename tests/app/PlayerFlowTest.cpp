// The players through the real scenes: the first start asks a name and reaches the menu, the
// player's save and the high scores are written at the end, the next start goes straight to the
// menu, and the player list adds, refuses and deletes players.
#include "SceneWalkKit.h"
#include "saves/PlayerSaveFiles.h"

#include <filesystem>

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
