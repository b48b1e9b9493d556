#pragma once
// Folders of the game: the program folder (the executable's, where the content lies) and the
// per-user data folder (XDG data home + "The Saga of Tovan/"). Both end with '/'.
#include <string>

std::string ProgramFolder();
// Empty when neither XDG_DATA_HOME, HOME nor the user database names a home. Does not create
// the folder.
std::string UserDataFolder();
// Creates the folder and its parents (private to the user) where missing. Empty when files can
// be read and written in it; otherwise the reason they cannot.
std::string PrepareFolder(const std::string& folder);
// Empty when the folder exists and its files can be listed and read; otherwise the reason.
std::string FolderProblem(const std::string& folder);
