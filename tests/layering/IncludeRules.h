#pragma once
// The layering of src/ as a checked rule: the build says which other folders (and whether SDL)
// each folder depends on, and every #include line is held to it. The compiler already refuses a
// folder it cannot see at all; this also refuses one it sees only through a dependency's headers.
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

// Each folder's rule: the folders it may include besides itself.
using TIncludeRules = std::map<std::string, std::set<std::string>>;

// A source tree as the checker sees it: the rules and every C++ file below src/.
struct TSourceTree {
    TIncludeRules Rules;
    std::vector<TSourceText> Files;
};

// The name SDL's headers go by in a rule line.
inline constexpr const char* SdlRuleName = "SDL";

// The rules the build writes, a line a folder: "board: engine files" ("files:" for a folder that
// includes only itself).
TIncludeRules ParseIncludeRules(const std::string& text);

// The folder an #include line reaches: the first part of a quoted "folder/..." path, SDL for
// <SDL...>, empty for anything else (the standard library, a file beside the includer).
std::string IncludedFolder(const std::string& line);

// One line per broken rule: "file:line: #include ...: folder may include ...", and one per
// folder without a rule. Files directly in src/ (the program entry) may include
// every folder but never SDL. includeCount, when given, receives the folder includes seen.
std::vector<std::string> CheckIncludeRules(const TSourceTree& tree, int* includeCount = nullptr);

// Reads the C++ files of a src/ folder on disk, with the rules of the build's file.
TSourceTree ReadSourceTree(const std::filesystem::path& srcRoot,
                           const std::filesystem::path& rulesFile);
