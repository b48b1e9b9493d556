// The one reader: regular files only, within the caller's cap, every failure an error value
// with its real cause.
#include "files/FileRead.h"

#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t Cap = 1000;

std::string Text(const TFileContents& contents) {
    return {contents.Bytes.begin(), contents.Bytes.end()};
}

class FileRead : public ::testing::Test {
protected:
    TTempFolder Folder{"file-read"};

    std::string Path(const std::string& name) const { return Folder.Path() + name; }
};

TEST_F(FileRead, ReadsAWholeRegularFileUpToTheCap) {
    const std::string bytes(Cap, '\xA7');
    Folder.Write("full", bytes);
    Folder.Write("empty");
    EXPECT_EQ(Text(ReadWholeFile(Path("full"), Cap)), bytes);
    const TFileContents empty = ReadWholeFile(Path("empty"), Cap);
    EXPECT_TRUE(empty.Ok());
    EXPECT_TRUE(empty.Bytes.empty());
    // A link to a regular file is that file.
    fs::create_symlink(Path("full"), Path("link"));
    EXPECT_EQ(Text(ReadWholeFile(Path("link"), Cap)), bytes);
    EXPECT_FALSE(CheckReadableFile(Path("link"), Cap).Failed());
}

TEST_F(FileRead, RefusesWhatIsNotARegularFile) {
    fs::create_directory(Path("folder"));
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", Path("zero"));
    const struct {
        std::string Name;
        std::string Cause;
    } cases[] = {
        {"folder", "not a regular file but a folder"},
        // Nobody writes into the pipe: opening it must not wait for a writer.
        {"fifo", "not a regular file but a pipe"},
        // Read, it would never end.
        {"zero", "not a regular file but a device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TFileContents contents = ReadWholeFile(Path(c.Name), Cap);
        EXPECT_EQ(contents.Error.Failure, TFileFailure::NotRegular);
        EXPECT_EQ(contents.Error.Cause, c.Cause);
        EXPECT_TRUE(contents.Bytes.empty());
        EXPECT_EQ(CheckReadableFile(Path(c.Name), Cap).Cause, c.Cause);
    }
}

TEST_F(FileRead, RefusesAFileLargerThanTheCap) {
    Folder.Write("big", std::string(Cap + 1, 'x'));
    const TFileContents big = ReadWholeFile(Path("big"), Cap);
    EXPECT_EQ(big.Error.Failure, TFileFailure::TooLarge);
    EXPECT_EQ(big.Error.Cause, "larger than the 1000 bytes allowed (1001 bytes)");
    EXPECT_TRUE(big.Bytes.empty());
    EXPECT_EQ(CheckReadableFile(Path("big"), Cap).Failure, TFileFailure::TooLarge);
}

TEST_F(FileRead, AMissingFileIsMissing) {
    Folder.Write("file");
    for (const std::string name : {"none", "none/below", "file/below"}) {
        SCOPED_TRACE(name);
        const TFileContents contents = ReadWholeFile(Path(name), Cap);
        EXPECT_EQ(contents.Error.Failure, TFileFailure::Missing);
        EXPECT_FALSE(contents.Error.Cause.empty());
    }
    EXPECT_EQ(ReadWholeFile(Path("none"), Cap).Error.Cause, "No such file or directory");
}

TEST_F(FileRead, AFileWithoutReadPermissionIsNotMissing) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    Folder.Write("secret", "words");
    fs::permissions(Path("secret"), fs::perms::none);
    const TFileContents contents = ReadWholeFile(Path("secret"), Cap);
    EXPECT_EQ(contents.Error.Failure, TFileFailure::NoPermission);
    EXPECT_EQ(contents.Error.Cause, "Permission denied");
    EXPECT_EQ(CheckReadableFile(Path("secret"), Cap).Failure, TFileFailure::NoPermission);
}

} // namespace
