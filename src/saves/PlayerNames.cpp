#include "saves/PlayerNames.h"

#include "files/TextEncoding.h"
#include "saves/RecordFile.h"

#include <algorithm>

namespace {

constexpr char Blank = ' ';
// The German letters of Latin-1.
constexpr char CapitalAUmlaut = '\xC4';
constexpr char CapitalOUmlaut = '\xD6';
constexpr char CapitalUUmlaut = '\xDC';
constexpr char SharpS = '\xDF';
constexpr char SmallAUmlaut = '\xE4';
constexpr char SmallOUmlaut = '\xF6';
constexpr char SmallUUmlaut = '\xFC';

} // namespace

char UpperCaseNameChar(char character) {
    if (character >= 'a' && character <= 'z') return static_cast<char>(character - 'a' + 'A');
    switch (character) {
    case SmallAUmlaut:
        return CapitalAUmlaut;
    case SmallOUmlaut:
        return CapitalOUmlaut;
    case SmallUUmlaut:
        return CapitalUUmlaut;
    default:
        return character;
    }
}

bool IsNameChar(char character) {
    return character == Blank || (character >= '0' && character <= '9') ||
           (character >= 'A' && character <= 'Z') || character == CapitalAUmlaut ||
           character == CapitalOUmlaut || character == CapitalUUmlaut || character == SharpS;
}

bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(Blank) == std::string_view::npos;
}

std::string NormalizePlayerName(std::string_view name) {
    const size_t first = name.find_first_not_of(Blank);
    if (first == std::string_view::npos) return {};
    std::string cut(name.substr(first, PlayerNameLength));
    // The cut may end in a space: a stored name never does.
    cut.erase(cut.find_last_not_of(Blank) + 1);
    std::transform(cut.begin(), cut.end(), cut.begin(), UpperCaseNameChar);
    return cut;
}

bool IsUsablePlayerName(std::string_view latin1) {
    if (latin1.empty() || latin1.size() > PlayerNameLength) return false;
    return std::all_of(latin1.begin(), latin1.end(), IsNameChar) && !IsBlankName(latin1);
}

std::string PlayerFilePath(const std::string& folder, std::string_view latin1,
                           std::string_view suffix) {
    if (!IsUsablePlayerName(latin1)) return {};
    return InFolder(folder, Latin1ToUtf8(latin1) + std::string(suffix));
}

std::optional<std::string> PlayerNameOfFile(std::string_view fileName, std::string_view suffix) {
    if (fileName.size() <= suffix.size() || !fileName.ends_with(suffix)) return std::nullopt;
    bool lossless = true;
    std::string name = Utf8ToLatin1(fileName.substr(0, fileName.size() - suffix.size()), lossless);
    if (!lossless || !IsUsablePlayerName(name)) return std::nullopt;
    return name;
}
