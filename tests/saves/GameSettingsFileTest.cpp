// The settings file: what it keeps, and what it does with a file it cannot understand.
#include "saves/GameSettingsFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct TSettingsFolder {
    TTempFolder Folder{"settings"};
    std::vector<std::string> Log;
    TSaveLog Logger = [this](const std::string& line) { Log.push_back(line); };
};

TEST(GameSettingsFile, WhatIsSavedIsReadBackAndAMissingFileIsTheDefaults) {
    TSettingsFolder test;
    EXPECT_EQ(LoadGameSettings(test.Folder.Path(), test.Logger), TGameSettings{});
    for (const bool reduced : {true, false}) {
        ASSERT_TRUE(SaveGameSettings(test.Folder.Path(), {reduced}, test.Logger));
        EXPECT_EQ(LoadGameSettings(test.Folder.Path(), test.Logger).ReducedEffects, reduced);
    }
    EXPECT_TRUE(test.Log.empty());
}

TEST(GameSettingsFile, LinesItCannotReadAreLoggedAndTheRestStillCounts) {
    TSettingsFolder test;
    test.Folder.Write(GameSettingsFileName,
                      "volume 11\nreduced-effects on\nreduced-effects maybe\n");
    EXPECT_TRUE(LoadGameSettings(test.Folder.Path(), test.Logger).ReducedEffects);
    EXPECT_EQ(test.Log.size(), 2u);
    // A folder where the file should be: the defaults, said once.
    TSettingsFolder other;
    std::filesystem::create_directories(other.Folder.Path() + GameSettingsFileName);
    EXPECT_FALSE(LoadGameSettings(other.Folder.Path(), other.Logger).ReducedEffects);
    EXPECT_EQ(other.Log.size(), 1u);
    EXPECT_FALSE(SaveGameSettings(other.Folder.Path(), {true}, other.Logger));
    EXPECT_EQ(other.Log.size(), 2u);
}

} // namespace
