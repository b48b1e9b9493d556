#include "platform/PlatformPaths.h"

#include <SDL.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t PrivateFolderMode = 0700;

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// HOME first, as every program does; without it the user database, so a game started with a
// bare environment still finds its player's saves instead of writing into the current folder.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    const passwd* user = getpwuid(getuid());
    if (user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/') return user->pw_dir;
    return {};
}

} // namespace

std::string ProgramFolder() {
    char* base = SDL_GetBasePath();
    if (base == nullptr) return "./";
    std::string folder(base);
    SDL_free(base);
    return WithSlash(folder);
}

std::string ContentFolderOf(const std::string& programFolder, std::string_view installedName) {
    // The text tables are the first content the game reads: their folder marks a content tree.
    constexpr const char* ContentMark = "Texts";
    // bin/ as any install has it, games/ as Debian's package has it.
    std::string_view programSubfolder;
    for (const std::string_view folder : {"/bin/", "/games/"})
        if (programFolder.ends_with(folder)) programSubfolder = folder;
    if (programSubfolder.empty()) return programFolder;
    const std::string installed =
        programFolder.substr(0, programFolder.size() + 1 - programSubfolder.size()) + "share/" +
        std::string(installedName) + "/";
    struct stat info {};
    if (stat((installed + ContentMark).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return installed;
    return programFolder;
}

std::string ContentFolder(std::string_view installedName) {
    return ContentFolderOf(ProgramFolder(), installedName);
}

std::string UserDataFolder(std::string_view gameFolder) {
    // An XDG path must be absolute; a relative one is ignored as the XDG rules say.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const std::string home = HomeFolder();
        if (home.empty()) return {};
        base = WithSlash(home) + ".local/share";
    }
    return WithSlash(base) + std::string(gameFolder) + "/";
}

std::string PrepareFolder(const std::string& folder) {
    if (folder.empty()) return "no folder given";
    std::string path;
    size_t start = 0;
    while (start < folder.size()) {
        const size_t slash = folder.find('/', start + 1);
        path = folder.substr(0, slash == std::string::npos ? folder.size() : slash);
        start = slash == std::string::npos ? folder.size() : slash;
        if (path.empty() || path == "/") continue;
        if (mkdir(path.c_str(), PrivateFolderMode) != 0 && errno != EEXIST)
            return path + ": " + std::strerror(errno);
    }
    if (std::string problem = FolderProblem(folder); !problem.empty()) return problem;
    if (access(folder.c_str(), W_OK) != 0) return folder + ": " + std::strerror(errno);
    return {};
}

std::string FolderProblem(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) return folder + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return folder + ": not a folder";
    if (access(folder.c_str(), R_OK | X_OK) != 0) return folder + ": " + std::strerror(errno);
    return {};
}
