// Folders, the recording device's texture sizes and the hand-driven clock.
#include "engine/GameGlobals.h" // the data folder is named after the game
#include "platform/PlatformClock.h"
#include "platform/PlatformPaths.h"
#include "platform/RecordingGraphicsDevice.h"

#include <cstdlib>
#include <gtest/gtest.h>

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
        EXPECT_EQ(UserDataFolder(), std::string("/tmp/xdg-data/") + GameTitle + "/");
    }
    ScopedEnv home("HOME", "/home/player");
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/path"); // not absolute: ignored
        EXPECT_EQ(UserDataFolder(), std::string("/home/player/.local/share/") + GameTitle + "/");
    }
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserDataFolder(), std::string("/home/player/.local/share/") + GameTitle + "/");
}

TEST(PlatformPaths, ProgramFolderIsTheTestProgramsFolder) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_NE(folder.find("tests"), std::string::npos);
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
