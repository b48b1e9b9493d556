#include "files/AtomicWrite.h"

#include "files/FileRead.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int TemporaryNameAttempts = 100;
constexpr mode_t NewFileMode = 0666; // narrowed by the umask

std::string Cause(const char* what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What stands at the target: nothing, a regular file (its status in `target`), or a refusal.
std::string CheckTarget(const std::string& path, const std::string& inputPath, bool& exists,
                        struct stat& target) {
    exists = lstat(path.c_str(), &target) == 0;
    if (!exists) return errno == ENOENT ? std::string() : Cause("cannot look at the target", errno);
    if (!S_ISREG(target.st_mode))
        return std::string("will not write over ") + FileTypeName(target.st_mode);
    struct stat input {};
    if (!inputPath.empty() && stat(inputPath.c_str(), &input) == 0 &&
        input.st_dev == target.st_dev && input.st_ino == target.st_ino)
        return "will not write over the input file";
    return {};
}

// "<folder>/.<name>.<pid>-<count>-<clock>.tmp": unique between processes and calls.
std::string TemporaryName(const std::string& path, int attempt) {
    static std::atomic<unsigned> counter{0};
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) +
           "-" + std::to_string(now.tv_nsec + attempt) + ".tmp";
}

// Creates the temporary file exclusively, never through a link.
int CreateTemporary(const std::string& path, std::string& temporary, std::string& error) {
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        temporary = TemporaryName(path, attempt);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            NewFileMode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) {
            error = Cause("cannot create a temporary file beside it", errno);
            return -1;
        }
    }
    error = "cannot find a free temporary name beside it";
    return -1;
}

std::string WriteFully(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) return Cause("cannot write", errno);
        done += static_cast<size_t>(wrote);
    }
    return {};
}

// Writes, syncs and closes the temporary file; the descriptor is closed either way.
std::string FillTemporary(int fd, std::span<const uint8_t> bytes, bool keepMode, mode_t mode) {
    std::string error = WriteFully(fd, bytes);
    if (error.empty() && keepMode && fchmod(fd, mode & 07777) != 0)
        error = Cause("cannot set the permissions", errno);
    if (error.empty() && fsync(fd) != 0) error = Cause("cannot sync", errno);
    if (close(fd) != 0 && error.empty()) error = Cause("cannot close", errno);
    return error;
}

// The rename is on disk only once the folder is; a folder that cannot be synced at all
// (EINVAL) has nothing to sync.
std::string SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {};
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    close(fd);
    return synced ? std::string() : Cause("written, but the folder cannot be synced", error);
}

} // namespace

std::string WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes,
                            const std::string& inputPath) {
    bool exists = false;
    struct stat target {};
    std::string error = CheckTarget(path, inputPath, exists, target);
    if (!error.empty()) return error;
    std::string temporary;
    const int fd = CreateTemporary(path, temporary, error);
    if (fd < 0) return error;
    error = FillTemporary(fd, bytes, exists, target.st_mode);
    // Looked at again: what stands there may have changed while the bytes were written.
    if (error.empty()) error = CheckTarget(path, inputPath, exists, target);
    if (error.empty() && rename(temporary.c_str(), path.c_str()) != 0)
        error = Cause("cannot replace the file", errno);
    if (!error.empty()) {
        unlink(temporary.c_str());
        return error;
    }
    return SyncFolder(FolderOf(path));
}

std::string WriteFileAtomic(const std::string& path, const std::string& bytes,
                            const std::string& inputPath) {
    return WriteFileAtomic(
        path, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), inputPath);
}

int RemoveLeftoverTemporaries(const std::string& folder) {
    // The names TemporaryName makes: "." + file name + "." + digits "-" digits "-" digits ".tmp".
    static const std::regex leftover(R"(\..+\.[0-9]+-[0-9]+-[0-9]+\.tmp)");
    int removed = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, leftover) || !entry.is_regular_file(error) ||
            entry.is_symlink(error))
            continue;
        if (std::filesystem::remove(entry.path(), error)) ++removed;
    }
    return removed;
}
