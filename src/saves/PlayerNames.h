#pragma once
// Which names may stand for a player, and the files named after him. Names are Latin-1 bytes
// in the records; file names are their UTF-8 form. A name that fails the check never becomes a
// path, so a damaged list cannot reach a file outside the data folder.
#include <optional>
#include <string>
#include <string_view>

inline constexpr size_t PlayerNameLength = 16;

// a-z and ä, ö, ü as capitals; every other character as it is.
char UpperCaseNameChar(char character);
// Space, 0-9, A-Z, Ä, Ö, Ü and ß: what the name input lets a player type.
bool IsNameChar(char character);
// Empty or only spaces.
bool IsBlankName(std::string_view name);
// Leading and trailing spaces removed, upper-cased, cut to 16 characters (and never ending in
// a space).
std::string NormalizePlayerName(std::string_view name);

// 1 to 16 characters the name input lets a player type (space, 0-9, A-Z, Ä, Ö, Ü, ß), not all
// of them blanks.
bool IsUsablePlayerName(std::string_view latin1);

// folder + the UTF-8 form of the name + suffix; empty for a name that is not usable.
std::string PlayerFilePath(const std::string& folder, std::string_view latin1,
                           std::string_view suffix);

// The player's name of a file name "<UTF-8 name><suffix>", when it is a usable one.
std::optional<std::string> PlayerNameOfFile(std::string_view fileName, std::string_view suffix);
