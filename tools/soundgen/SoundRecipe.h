#pragma once
// The recipe text format of content/sounds/: blocks "[Name]", settings "key = value" and entries
// "kind key=value ...". "#" at the start of a line or after a blank starts a comment, so note
// names like "F#4" stay intact.
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TKeyValues = std::vector<std::pair<std::string, std::string>>;

// Any fault in a recipe, with "file:line:" in front so its writer finds it.
class TRecipeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TRecipeEntry {
    std::string kind;
    TKeyValues params;
    std::string file;
    int line = 0;

    const std::string* Find(std::string_view key) const;
    [[noreturn]] void Fail(const std::string& message) const;
};

struct TRecipe {
    std::string name;
    std::string file;
    int line = 0;
    TKeyValues settings;
    std::vector<TRecipeEntry> entries;

    const std::string* FindSetting(std::string_view key) const;
    std::string Text(std::string_view key, std::string_view fallback) const;
    double Number(std::string_view key, double fallback) const;
    [[noreturn]] void Fail(const std::string& message) const;
};

struct TRecipeFile {
    std::string path;
    std::vector<TRecipe> recipes;

    const TRecipe* Find(std::string_view name) const;
};

TRecipeFile ParseRecipeText(std::string_view text, const std::string& path);
TRecipeFile LoadRecipeFile(const std::string& path);

// Numbers are read with "." whatever the locale.
bool ParseNumber(std::string_view text, double& value);
std::vector<std::string> SplitList(std::string_view text, char separator);
