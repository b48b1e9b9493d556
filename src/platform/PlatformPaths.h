#pragma once
// Folders of the game: the program folder (the executable's, where the content lies) and the
// per-user data folder (XDG data home + "The Saga of Tovan/"). Both end with '/'.
#include <string>

std::string ProgramFolder();
// Does not create the folder.
std::string UserDataFolder();
