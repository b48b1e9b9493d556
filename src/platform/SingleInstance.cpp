#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr mode_t PrivateFileMode = 0600;
constexpr std::string_view LockSuffix = ".lock";
} // namespace

TInstanceLock TSingleInstanceLock::Acquire(const std::string& folder, std::string_view name) {
    Release();
    problem_.clear();
    const std::string path = folder + std::string(name) + std::string(LockSuffix);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, PrivateFileMode);
    if (fd < 0) {
        problem_ = path + ": " + std::strerror(errno);
        return TInstanceLock::Unavailable;
    }
    int locked;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        fd_ = fd;
        return TInstanceLock::Acquired;
    }
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) return TInstanceLock::HeldElsewhere;
    problem_ = path + ": " + std::strerror(error);
    return TInstanceLock::Unavailable;
}

void TSingleInstanceLock::Release() {
    if (fd_ < 0) return;
    // Closing the file lets go of the lock; the file stays for the next game.
    close(fd_);
    fd_ = -1;
}
