#pragma once
// Folders of the game: the program folder (the executable's, where the content lies) and the
// per-user data folder (XDG data home + the game's folder name). Both end with '/'.
#include <string>
#include <string_view>

std::string ProgramFolder();
// Empty when neither XDG_DATA_HOME, HOME nor the user database names a home. Does not create
// the folder.
std::string UserDataFolder(std::string_view gameFolder);
// Creates the folder and its parents (private to the user) where missing. Empty when files can
// be read and written in it; otherwise the reason they cannot.
std::string PrepareFolder(const std::string& folder);
// Empty when the folder exists and its files can be listed and read; otherwise the reason.
std::string FolderProblem(const std::string& folder);
