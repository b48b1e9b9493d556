// Folders, the recording device's texture sizes and the hand-driven clock.
#include "TempFolder.h"
#include "engine/GameGlobals.h" // the data folder is named after the game
#include "platform/PlatformClock.h"
#include "platform/PlatformPaths.h"
#include "platform/RecordingGraphicsDevice.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>

namespace {

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadOld_ = true;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (hadOld_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

TEST(PlatformPaths, UserDataFolderFollowsXdgAndFallsBackToHome) {
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/tmp/xdg-data");
        EXPECT_EQ(UserDataFolder(GameTitle), std::string("/tmp/xdg-data/") + GameTitle + "/");
    }
    ScopedEnv home("HOME", "/home/player");
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/path"); // not absolute: ignored
        EXPECT_EQ(UserDataFolder(GameTitle),
                  std::string("/home/player/.local/share/") + GameTitle + "/");
    }
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserDataFolder(GameTitle),
              std::string("/home/player/.local/share/") + GameTitle + "/");
}

// A bare environment must not turn the current folder into the data folder.
TEST(PlatformPaths, WithoutHomeTheUserDatabaseNamesTheHome) {
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    const passwd* user = getpwuid(getuid());
    if (user == nullptr) GTEST_SKIP() << "this user has no entry in the user database";
    EXPECT_EQ(UserDataFolder(GameTitle),
              std::string(user->pw_dir) + "/.local/share/" + GameTitle + "/");
    ScopedEnv relativeHome("HOME", "relative");
    EXPECT_EQ(UserDataFolder(GameTitle),
              std::string(user->pw_dir) + "/.local/share/" + GameTitle + "/");
}

TEST(PlatformPaths, PrepareFolderMakesTheWholePathOrSaysWhyNot) {
    TTempFolder temp("paths");
    const std::string nested = temp.Path() + "a/b/" + GameTitle + "/";
    EXPECT_EQ(PrepareFolder(nested), "");
    struct stat info {};
    ASSERT_EQ(stat(nested.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(PrepareFolder(nested), "") << "an existing folder is fine";

    temp.Write("file");
    EXPECT_NE(PrepareFolder(temp.Path() + "file/sub/").find("file"), std::string::npos);
    EXPECT_EQ(FolderProblem(temp.Path() + "file"), temp.Path() + "file: not a folder");
    EXPECT_NE(FolderProblem(temp.Path() + "none").find("No such file"), std::string::npos);
    EXPECT_EQ(FolderProblem(temp.Path()), "");
    EXPECT_EQ(PrepareFolder(""), "no folder given");
}

TEST(PlatformPaths, ProgramFolderIsTheTestProgramsFolder) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_NE(folder.find("tests"), std::string::npos);
}

TEST(PlatformPaths, AnInstalledProgramFindsItsContentUnderShare) {
    TTempFolder prefix("installed");
    const std::string bin = prefix.Path("bin");
    // Before the content is there, and for a program outside a "bin" folder: its own folder.
    EXPECT_EQ(ContentFolderOf(bin, "tovan"), bin);
    prefix.Path("share/tovan/Texts");
    EXPECT_EQ(ContentFolderOf(bin, "tovan"), prefix.Path("share/tovan"));
    const std::string game = prefix.Path("game");
    EXPECT_EQ(ContentFolderOf(game, "tovan"), game);
    EXPECT_EQ(ContentFolderOf(bin, "other"), bin);
    // Debian's package keeps the program in games/.
    EXPECT_EQ(ContentFolderOf(prefix.Path("games"), "tovan"), prefix.Path("share/tovan"));
}

TEST(RecordingGraphicsDevice, TextureSizesAndNamesOfQuads) {
    TRecordingGraphicsDevice device({800, 600});
    device.PowerOfTwoTextures = true;
    const TTextureId id = device.CreateTexture("Horse", 300, 200, nullptr);
    EXPECT_EQ(device.TextureSize(id), (TPixelSize{512, 256}));
    EXPECT_EQ(device.TextureSize(device.CreateTexture("Dot", 1, 1, nullptr)), (TPixelSize{2, 2}));
    device.BeginFrame();
    TQuadCorners corners{};
    device.DrawQuad(id, corners);
    ASSERT_EQ(device.QuadsOf("Horse").size(), 1u);
    device.DestroyTexture(id);
    EXPECT_EQ(device.TextureSize(id), (TPixelSize{}));
    EXPECT_EQ(device.LiveTextureCount(), 1);
}

TEST(ManualClock, AdvancesOnlyByHand) {
    TManualClock clock(1000);
    EXPECT_EQ(clock.Now(), 0);
    clock.AdvanceMs(30);
    EXPECT_EQ(clock.Now(), 30);
    clock.Advance(5);
    EXPECT_EQ(clock.Now(), 35);
}

} // namespace
