#include "SoundRecipe.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string_view StripComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    }
    return line;
}

[[noreturn]] void FailAt(const std::string& file, int line, const std::string& message) {
    throw TRecipeError(file + ":" + std::to_string(line) + ": " + message);
}

TRecipeEntry ParseEntry(std::string_view line, const std::string& file, int lineNumber) {
    TRecipeEntry entry;
    entry.file = file;
    entry.line = lineNumber;
    std::istringstream words{std::string(line)};
    words >> entry.kind;
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals == std::string::npos || equals == 0 || equals + 1 == word.size())
            FailAt(file, lineNumber, "expected key=value, found \"" + word + "\"");
        std::string key = word.substr(0, equals);
        if (entry.Find(key) != nullptr) FailAt(file, lineNumber, "\"" + key + "\" given twice");
        entry.params.emplace_back(std::move(key), word.substr(equals + 1));
    }
    return entry;
}

} // namespace

const std::string* TRecipeEntry::Find(std::string_view key) const {
    for (const auto& [k, v] : params)
        if (k == key) return &v;
    return nullptr;
}

void TRecipeEntry::Fail(const std::string& message) const {
    FailAt(file, line, message);
}

const std::string* TRecipe::FindSetting(std::string_view key) const {
    for (const auto& [k, v] : settings)
        if (k == key) return &v;
    return nullptr;
}

std::string TRecipe::Text(std::string_view key, std::string_view fallback) const {
    const std::string* value = FindSetting(key);
    return value != nullptr ? *value : std::string(fallback);
}

double TRecipe::Number(std::string_view key, double fallback) const {
    const std::string* value = FindSetting(key);
    if (value == nullptr) return fallback;
    double number = 0;
    if (!ParseNumber(*value, number))
        Fail("\"" + std::string(key) + "\" needs a number, found \"" + *value + "\"");
    return number;
}

void TRecipe::Fail(const std::string& message) const {
    FailAt(file, line, "[" + name + "] " + message);
}

const TRecipe* TRecipeFile::Find(std::string_view name) const {
    for (const TRecipe& recipe : recipes)
        if (recipe.name == name) return &recipe;
    return nullptr;
}

TRecipeFile ParseRecipeText(std::string_view text, const std::string& path) {
    TRecipeFile result;
    result.path = path;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        const std::string_view line = Trim(StripComment(raw));
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3)
                FailAt(path, lineNumber, "a block starts with [Name]");
            const std::string name(Trim(line.substr(1, line.size() - 2)));
            if (result.Find(name) != nullptr)
                FailAt(path, lineNumber, "[" + name + "] given twice");
            result.recipes.push_back({name, path, lineNumber, {}, {}});
            continue;
        }
        if (result.recipes.empty()) FailAt(path, lineNumber, "text before the first [Name]");
        TRecipe& recipe = result.recipes.back();
        const auto equals = line.find('=');
        const auto space = line.find_first_of(" \t");
        const bool isSetting = equals != std::string_view::npos &&
                               (space == std::string_view::npos || equals < space ||
                                Trim(line.substr(space, equals - space)).empty());
        if (isSetting) {
            std::string key(Trim(line.substr(0, equals)));
            if (recipe.FindSetting(key) != nullptr)
                FailAt(path, lineNumber, "\"" + key + "\" given twice");
            recipe.settings.emplace_back(std::move(key),
                                         std::string(Trim(line.substr(equals + 1))));
        } else {
            recipe.entries.push_back(ParseEntry(line, path, lineNumber));
        }
    }
    return result;
}

TRecipeFile LoadRecipeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw TRecipeError(path + ": cannot be read");
    std::ostringstream text;
    text << file.rdbuf();
    return ParseRecipeText(text.str(), path);
}

bool ParseNumber(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && ptr == end && !text.empty();
}

std::vector<std::string> SplitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    while (true) {
        const auto at = text.find(separator);
        parts.emplace_back(Trim(text.substr(0, at)));
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + 1);
    }
    return parts;
}
