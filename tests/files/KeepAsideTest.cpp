// Keeping a damaged file aside: under ".bad", then ".bad.1", ".bad.2" ..., never over an
// earlier copy, whatever stands at the name.
#include "files/KeepAside.h"

#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(KeepAside, EachDamagedCopyGetsANameOfItsOwn) {
    const TTempFolder folder("keep-aside");
    const std::string path = folder.Path() + "Players.dat";
    for (const std::string aside : {".bad", ".bad.1", ".bad.2"}) {
        folder.Write("Players.dat", "copy" + aside);
        std::string error;
        EXPECT_EQ(KeepFileAside(path, error), path + aside);
        EXPECT_EQ(error, "");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    for (const std::string aside : {".bad", ".bad.1", ".bad.2"})
        EXPECT_EQ(Read(path + aside), "copy" + aside);
}

TEST(KeepAside, AFolderOrALinkMovesAsItIs) {
    const TTempFolder folder("keep-aside-kinds");
    const std::string path = folder.Path() + "HighScores.dat";
    folder.Write("HighScores.dat/inside", "x");
    std::string error;
    EXPECT_EQ(KeepFileAside(path, error), path + ".bad");
    EXPECT_EQ(Read(path + ".bad/inside"), "x");
    // A folder of that name in the way is never replaced, even when empty.
    std::filesystem::create_directory(path + ".bad.1");
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_EQ(KeepFileAside(path, error), path + ".bad.2");
    EXPECT_TRUE(std::filesystem::is_symlink(path + ".bad.2"));
}

TEST(KeepAside, NothingThereIsACause) {
    const TTempFolder folder("keep-aside-missing");
    std::string error;
    EXPECT_EQ(KeepFileAside(folder.Path() + "missing", error), "");
    EXPECT_EQ(error, "cannot rename it: No such file or directory");
}

} // namespace
