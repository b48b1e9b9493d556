// One game per user: the lock file in the data folder.
#include "platform/SingleInstance.h"

#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr std::string_view Name = "The_Saga_Of_Floodkeep_Game";

// Each lock opens the file anew, so two locks in one process behave as two games would.
TEST(SingleInstance, ASecondLockWaitsUntilTheFirstLetsGo) {
    TTempFolder folder("instance");
    TSingleInstanceLock first;
    ASSERT_EQ(first.Acquire(folder.Path(), Name), TInstanceLock::Acquired) << first.Problem();
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + std::string(Name) + ".lock"));
    {
        TSingleInstanceLock second;
        EXPECT_EQ(second.Acquire(folder.Path(), Name), TInstanceLock::HeldElsewhere);
        EXPECT_FALSE(second.Held());
    }
    first.Release();
    TSingleInstanceLock third;
    EXPECT_EQ(third.Acquire(folder.Path(), Name), TInstanceLock::Acquired);
    // The first one's file stays where it was: a new lock on it is still refused.
    EXPECT_EQ(first.Acquire(folder.Path(), Name), TInstanceLock::HeldElsewhere);
}

TEST(SingleInstance, AFolderWhereNoFileCanBeMadeGivesNoLockAndSaysWhy) {
    TTempFolder folder("instance-ro");
    // A "folder" that is a file stops everyone, the superuser too.
    folder.Write("plain");
    TSingleInstanceLock lock;
    EXPECT_EQ(lock.Acquire(folder.Path() + "plain/", Name), TInstanceLock::Unavailable);
    EXPECT_NE(lock.Problem().find("Not a directory"), std::string::npos) << lock.Problem();
    EXPECT_FALSE(lock.Held());

    const std::string readOnly = folder.Path("read-only");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
    if (access(readOnly.c_str(), W_OK) != 0) {
        EXPECT_EQ(lock.Acquire(readOnly, Name), TInstanceLock::Unavailable);
        EXPECT_NE(lock.Problem().find("Permission denied"), std::string::npos) << lock.Problem();
    }
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_all);
}

} // namespace
