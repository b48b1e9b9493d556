#pragma once
// Player names: Latin-1 bytes, upper case, at most 16 characters of the name input's alphabet
// (space, 0-9, A-Z, Ä, Ö, Ü, ß). Shared by the name input, the player list and the files that
// keep them.
#include <string>
#include <string_view>

inline constexpr int MaxPlayerNameLength = 16;

// a-z and ä, ö, ü as capitals; every other character as it is.
char UpperCaseNameChar(char character);
// Space, 0-9, A-Z, Ä, Ö, Ü and ß.
bool IsNameChar(char character);
// Empty or only spaces.
bool IsBlankName(std::string_view name);
// Leading and trailing spaces removed, upper-cased, cut to 16 characters (and never ending in
// a space).
std::string NormalizePlayerName(std::string_view name);
