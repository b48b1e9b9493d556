#include "files/FileRead.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t ReadChunk = 64 * 1024;

TFileError ErrorOf(TFileFailure failure, std::string cause) {
    return {failure, std::move(cause)};
}

TFileError OpenError(int error) {
    if (error == ENOENT || error == ENOTDIR)
        return ErrorOf(TFileFailure::Missing, std::strerror(error));
    if (error == EACCES || error == EPERM)
        return ErrorOf(TFileFailure::NoPermission, std::strerror(error));
    return ErrorOf(TFileFailure::ReadError, std::strerror(error));
}

std::string TooLargeCause(long long size, size_t maxBytes) {
    return "larger than the " + std::to_string(maxBytes) + " bytes allowed (" +
           std::to_string(size) + " bytes)";
}

// A descriptor that closes itself.
class TOpenFile {
public:
    explicit TOpenFile(const std::string& path)
        // Non-blocking, so that opening a pipe returns at once and fstat can refuse it.
        : fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
    ~TOpenFile() {
        if (fd >= 0) close(fd);
    }
    TOpenFile(const TOpenFile&) = delete;
    TOpenFile& operator=(const TOpenFile&) = delete;
    int Descriptor() const { return fd; }

private:
    int fd;
};

// Opens and judges the file; on success `file` holds a regular file of at most maxBytes.
TFileError OpenChecked(const TOpenFile& file, size_t maxBytes, struct stat& status) {
    if (file.Descriptor() < 0) return OpenError(errno);
    if (fstat(file.Descriptor(), &status) != 0)
        return ErrorOf(TFileFailure::ReadError, std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return ErrorOf(TFileFailure::NotRegular,
                       std::string("not a regular file but ") + FileTypeName(status.st_mode));
    if (static_cast<unsigned long long>(status.st_size) > maxBytes)
        return ErrorOf(TFileFailure::TooLarge, TooLargeCause(status.st_size, maxBytes));
    return {};
}

// Reads to the end, but never more than maxBytes: a file that grows meanwhile is too large.
TFileError ReadAll(int fd, size_t maxBytes, std::vector<uint8_t>& bytes) {
    uint8_t chunk[ReadChunk];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ErrorOf(TFileFailure::ReadError, std::strerror(errno));
        if (got == 0) return {};
        if (bytes.size() + static_cast<size_t>(got) > maxBytes)
            return ErrorOf(TFileFailure::TooLarge,
                           TooLargeCause(static_cast<long long>(bytes.size() + got), maxBytes));
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

} // namespace

const char* FileTypeName(unsigned mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISLNK(mode)) return "a symbolic link";
    if (S_ISREG(mode)) return "a regular file";
    return "an unknown kind of file";
}

TFileContents ReadWholeFile(const std::string& path, size_t maxBytes) {
    TFileContents contents;
    const TOpenFile file(path);
    struct stat status {};
    contents.Error = OpenChecked(file, maxBytes, status);
    if (contents.Error.Failed()) return contents;
    contents.Bytes.reserve(static_cast<size_t>(status.st_size));
    contents.Error = ReadAll(file.Descriptor(), maxBytes, contents.Bytes);
    if (contents.Error.Failed()) contents.Bytes.clear();
    return contents;
}

TFileError CheckReadableFile(const std::string& path, size_t maxBytes) {
    const TOpenFile file(path);
    struct stat status {};
    return OpenChecked(file, maxBytes, status);
}
