// The one writer: a whole file or nothing, never over a device, a folder, a link or the input,
// and never a temporary file left behind.
#include "files/AtomicWrite.h"

#include "TempFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class AtomicWrite : public ::testing::Test {
protected:
    TTempFolder Folder{"atomic-write"};

    std::string Path(const std::string& name = "") const { return Folder.Path() + name; }

    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The names in the folder: a temporary file left behind shows here.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(Path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    // A failed write reports one line and leaves only the names that were there.
    void ExpectRefused(const std::string& name, const std::string& cause,
                       const std::string& input = {}) {
        const std::set<std::string> before = Names();
        EXPECT_EQ(WriteFileAtomic(Path(name), std::string("new"), input), cause);
        EXPECT_EQ(Names(), before);
    }
};

TEST_F(AtomicWrite, WritesANewFileAndReplacesAnOldOne) {
    const std::string bytes("\0\1\2 level \xFF", 12);
    EXPECT_EQ(WriteFileAtomic(Path("level.zel"), bytes), "");
    EXPECT_EQ(Read("level.zel"), bytes);
    EXPECT_EQ(WriteFileAtomic(Path("level.zel"), std::string("shorter")), "");
    EXPECT_EQ(Read("level.zel"), "shorter");
    EXPECT_EQ(Names(), std::set<std::string>{"level.zel"});
}

TEST_F(AtomicWrite, AReplacedFileKeepsItsPermissions) {
    Folder.Write("save", "old");
    fs::permissions(Path("save"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(WriteFileAtomic(Path("save"), std::string("new")), "");
    EXPECT_EQ(fs::status(Path("save")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AtomicWrite, NeverWritesOverAFolderOrADevice) {
    fs::create_directory(Path("folder"));
    ExpectRefused("folder", "will not write over a folder");
    EXPECT_TRUE(fs::is_empty(Path("folder")));
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    ExpectRefused("fifo", "will not write over a pipe");

    EXPECT_EQ(WriteFileAtomic("/dev/full", std::string("new")), "will not write over a device");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(AtomicWrite, NeverFollowsOrReplacesALink) {
    Folder.Write("elsewhere", "theirs");
    fs::create_symlink(Path("elsewhere"), Path("out.zel"));
    ExpectRefused("out.zel", "will not write over a symbolic link");
    EXPECT_TRUE(fs::is_symlink(Path("out.zel")));
    EXPECT_EQ(Read("elsewhere"), "theirs");

    // A link planted at the name an older writer used for its temporary file changes nothing.
    fs::create_symlink(Path("elsewhere"), Path("new.zel.tmp"));
    EXPECT_EQ(WriteFileAtomic(Path("new.zel"), std::string("ours")), "");
    EXPECT_EQ(Read("new.zel"), "ours");
    EXPECT_FALSE(fs::is_symlink(Path("new.zel")));
    EXPECT_EQ(Read("elsewhere"), "theirs");
}

TEST_F(AtomicWrite, NeverWritesOverItsInput) {
    Folder.Write("source.level", "source");
    ExpectRefused("source.level", "will not write over the input file", Path("source.level"));
    // The same file by another name is still the input.
    fs::create_hard_link(Path("source.level"), Path("other-name"));
    ExpectRefused("other-name", "will not write over the input file", Path("source.level"));
    EXPECT_EQ(Read("source.level"), "source");
    // A different file is written even though an input is named.
    EXPECT_EQ(WriteFileAtomic(Path("out.zel"), std::string("out"), Path("source.level")), "");
}

TEST_F(AtomicWrite, AMissingFolderIsReported) {
    const std::string cause = WriteFileAtomic(Path("none/out.zel"), std::string("new"));
    EXPECT_EQ(cause, "cannot create a temporary file beside it: No such file or directory");
}

TEST_F(AtomicWrite, AReadOnlyFolderKeepsItsOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into every folder";
    Folder.Write("locked/save", "old");
    fs::permissions(Path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string cause = WriteFileAtomic(Path("locked/save"), std::string("new"));
    fs::permissions(Path("locked"), fs::perms::owner_all);
    EXPECT_EQ(cause, "cannot create a temporary file beside it: Permission denied");
    EXPECT_EQ(Read("locked/save"), "old");
}

// The file size limit makes the write stop part way, as a full disk would.
TEST_F(AtomicWrite, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Folder.Write("save", "the old save");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string cause = WriteFileAtomic(Path("save"), std::string(1000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(cause, "cannot write: File too large");
    EXPECT_EQ(Read("save"), "the old save");
    EXPECT_EQ(Names(), std::set<std::string>{"save"});
}

TEST_F(AtomicWrite, WhatAKilledWriteLeftIsRemovedAndNothingElse) {
    Folder.Write("Anna.sav", "save");
    Folder.Write(".Anna.sav.4242-7-123456.tmp", "half a save");
    Folder.Write(".HighScores.dat.99-0-1.tmp", "half a table");
    Folder.Write(".hidden.tmp", "the player's own");
    Folder.Write("Anna.sav.1-2-3.tmp", "not hidden: not ours");
    Folder.Path(".Folder.1-2-3.tmp"); // a folder of that name stays
    EXPECT_EQ(RemoveLeftoverTemporaries(Path()), 2);
    EXPECT_EQ(Names(), (std::set<std::string>{"Anna.sav", ".hidden.tmp", "Anna.sav.1-2-3.tmp",
                                              ".Folder.1-2-3.tmp"}));
    EXPECT_EQ(RemoveLeftoverTemporaries(Path() + "missing/"), 0);
}

} // namespace
