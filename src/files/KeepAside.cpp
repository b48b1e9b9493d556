#include "files/KeepAside.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Enough for years of damage; past it something is badly wrong and the file stays.
constexpr int MostKeptCopies = 1000;

std::string AsideName(const std::string& path, int copy) {
    return path + ".bad" + (copy == 0 ? std::string() : "." + std::to_string(copy));
}

// A rename that fails when the new name is taken. Without kernel or file system support for
// that, the name is checked first: a race with another writer of ".bad" files is unlikely.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    struct stat taken {};
    if (lstat(to.c_str(), &taken) == 0) {
        errno = EEXIST;
        return -1;
    }
    return std::rename(from.c_str(), to.c_str());
}

} // namespace

std::string KeepFileAside(const std::string& path, std::string& error) {
    for (int copy = 0; copy < MostKeptCopies; ++copy) {
        const std::string aside = AsideName(path, copy);
        if (RenameNoReplace(path, aside) == 0) return aside;
        if (errno != EEXIST && errno != ENOTEMPTY) {
            error = std::string("cannot rename it: ") + std::strerror(errno);
            return {};
        }
    }
    error = "too many damaged copies kept already";
    return {};
}
