#pragma once
// The layering of src/ as a checked rule: every folder's README.md says in one line which other
// folders (and whether SDL) its code may include, and every #include line is held to it.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

// One source file: its path relative to src/ ("board/GameData.h") and its text.
struct TSourceText {
    std::string Path;
    std::string Text;
};

// A source tree as the checker sees it: each top folder's README.md text (empty when it has
// none) and every C++ file below src/.
struct TSourceTree {
    std::map<std::string, std::string> Readmes;
    std::vector<TSourceText> Files;
};

// The name SDL's headers go by in a rule line.
inline constexpr const char* SdlRuleName = "SDL";

// The names of the README's "May include: a, b, c" line; "nothing" gives an empty set. False
// when the README has no such line.
bool ParseMayInclude(const std::string& readme, std::set<std::string>& allowed);

// The folder an #include line reaches: the first part of a quoted "folder/..." path, SDL for
// <SDL...>, empty for anything else (the standard library, a file beside the includer).
std::string IncludedFolder(const std::string& line);

// One line per broken rule: "file:line: #include ...: folder may include ... (README)", and
// one per folder without a rule line. Files directly in src/ (the program entry) may include
// every folder but never SDL. includeCount, when given, receives the folder includes seen.
std::vector<std::string> CheckIncludeRules(const TSourceTree& tree, int* includeCount = nullptr);

// Reads the top folders and the C++ files of a src/ folder on disk.
TSourceTree ReadSourceTree(const std::filesystem::path& srcRoot);
