#include "IncludeRules.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

namespace {

constexpr std::string_view NothingRule = "nothing";

using TRule = std::optional<std::set<std::string>>;

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "board/GameData.h" -> "board"; a file directly in src/ has no folder.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Describe(const std::set<std::string>& allowed) {
    if (allowed.empty()) return std::string(NothingRule);
    std::string text;
    for (const auto& name : allowed) text += (text.empty() ? "" : ", ") + name;
    return text;
}

// The broken rule of one include of a file in folder, or an empty text.
std::string BrokenRule(const std::string& folder, const std::string& target, const TRule& rule) {
    if (target == folder) return {};
    if (folder.empty()) return target == SdlRuleName ? "the program entry never includes SDL" : "";
    if (!rule || rule->count(target) > 0) return {};
    return folder + " may include " + Describe(*rule) + " (src/" + folder + "/CMakeLists.txt)";
}

bool IsSourceFile(const std::filesystem::path& path) {
    static const std::set<std::string> extensions{".h", ".hpp", ".c", ".cc", ".cpp", ".inl"};
    return extensions.count(path.extension().string()) > 0;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TIncludeRules ParseIncludeRules(const std::string& text) {
    TIncludeRules rules;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::set<std::string>& allowed = rules[Trimmed(line.substr(0, colon))];
        std::istringstream names(line.substr(colon + 1));
        std::string name;
        while (names >> name) allowed.insert(name);
    }
    return rules;
}

std::string IncludedFolder(const std::string& line) {
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"/]+)/)");
    static const std::regex sdl(R"(^\s*#\s*include\s*<(SDL2/)?SDL)");
    if (line.find("include") == std::string::npos) return {};
    std::smatch match;
    if (std::regex_search(line, match, quoted)) return match[1];
    if (std::regex_search(line, sdl)) return SdlRuleName;
    return {};
}

std::vector<std::string> CheckIncludeRules(const TSourceTree& tree, int* includeCount) {
    std::map<std::string, TRule> rules;
    for (const auto& [folder, allowed] : tree.Rules) rules[folder] = allowed;
    for (const auto& file : tree.Files) {
        const std::string folder = FolderOf(file.Path);
        if (!folder.empty() && rules.count(folder) == 0) rules[folder] = std::nullopt;
    }
    std::vector<std::string> broken;
    for (const auto& [folder, rule] : rules)
        if (!rule)
            broken.push_back("src/" + folder + ": no library of the build declares it");
    int includes = 0;
    for (const auto& file : tree.Files) {
        const std::string folder = FolderOf(file.Path);
        const TRule none;
        const TRule& rule = folder.empty() ? none : rules[folder];
        std::istringstream lines(file.Text);
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number) {
            const std::string target = IncludedFolder(line);
            if (target.empty()) continue;
            ++includes;
            const std::string why = BrokenRule(folder, target, rule);
            if (!why.empty())
                broken.push_back("src/" + file.Path + ":" + std::to_string(number) + ": " +
                                 Trimmed(line) + ": " + why);
        }
    }
    if (includeCount != nullptr) *includeCount = includes;
    return broken;
}

TSourceTree ReadSourceTree(const std::filesystem::path& srcRoot,
                           const std::filesystem::path& rulesFile) {
    namespace fs = std::filesystem;
    TSourceTree tree;
    tree.Rules = ParseIncludeRules(ReadText(rulesFile));
    for (const auto& entry : fs::recursive_directory_iterator(srcRoot))
        if (entry.is_regular_file() && IsSourceFile(entry.path()))
            tree.Files.push_back(
                {fs::relative(entry.path(), srcRoot).generic_string(), ReadText(entry.path())});
    std::sort(tree.Files.begin(), tree.Files.end(),
              [](const TSourceText& a, const TSourceText& b) { return a.Path < b.Path; });
    return tree;
}
