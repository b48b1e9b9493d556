#include "engine/PlayerNames.h"

#include <algorithm>

namespace {

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
    return character == ' ' || (character >= '0' && character <= '9') ||
           (character >= 'A' && character <= 'Z') || character == CapitalAUmlaut ||
           character == CapitalOUmlaut || character == CapitalUUmlaut || character == SharpS;
}

bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(' ') == std::string_view::npos;
}

std::string NormalizePlayerName(std::string_view name) {
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::string cut(name.substr(first, MaxPlayerNameLength));
    // The cut may end in a space: a stored name never does.
    cut.erase(cut.find_last_not_of(' ') + 1);
    std::transform(cut.begin(), cut.end(), cut.begin(), UpperCaseNameChar);
    return cut;
}
