#pragma once
// Folders of the game: the program folder (the executable's), the content folder and the
// per-user data folder (XDG data home + the game's folder name). Both end with '/'.
#include <string>
#include <string_view>

std::string ProgramFolder();
// Where the game's content lies: "../share/<installedName>/" beside an installed program's
// "bin" folder when that holds the content, else the program folder (the build tree, or a game
// unpacked into one folder).
std::string ContentFolder(std::string_view installedName);
// The same choice for a given program folder (ends with '/').
std::string ContentFolderOf(const std::string& programFolder, std::string_view installedName);
// Empty when neither XDG_DATA_HOME, HOME nor the user database names a home. Does not create
// the folder.
std::string UserDataFolder(std::string_view gameFolder);
// Creates the folder and its parents (private to the user) where missing. Empty when files can
// be read and written in it; otherwise the reason they cannot.
std::string PrepareFolder(const std::string& folder);
// Empty when the folder exists and its files can be listed and read; otherwise the reason.
std::string FolderProblem(const std::string& folder);
