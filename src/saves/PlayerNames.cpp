#include "saves/PlayerNames.h"

#include "saves/RecordFile.h"

#include <algorithm>

namespace {

constexpr char Blank = ' ';
// The name input's letters beyond ASCII, in Latin-1.
constexpr unsigned char UmlautA = 0xC4, UmlautO = 0xD6, UmlautU = 0xDC, SharpS = 0xDF;
// UTF-8 writes Latin-1's upper half as two bytes: 110000xx 10xxxxxx.
constexpr unsigned char Utf8LeadBits = 0xC0, Utf8TrailBits = 0x80, Utf8TrailMask = 0x3F;
// So only C2 and C3 lead the characters of Latin-1's upper half.
constexpr unsigned char Latin1Lead = 0xC2, Latin1LeadMask = 0x03;

bool InNameAlphabet(unsigned char c) {
    return c == Blank || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == UmlautA ||
           c == UmlautO || c == UmlautU || c == SharpS;
}

// Latin-1 of UTF-8 text whose characters all lie below 256; nothing for anything else.
std::optional<std::string> Latin1Of(std::string_view utf8) {
    std::string latin1;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < Utf8TrailBits) {
            latin1 += utf8[i];
            continue;
        }
        if ((byte & ~1u) != Latin1Lead || i + 1 == utf8.size()) return std::nullopt;
        const auto trail = static_cast<unsigned char>(utf8[++i]);
        if ((trail & ~Utf8TrailMask) != Utf8TrailBits) return std::nullopt;
        latin1 += static_cast<char>(((byte & Latin1LeadMask) << 6) | (trail & Utf8TrailMask));
    }
    return latin1;
}

} // namespace

std::string Latin1NameToUtf8(std::string_view latin1) {
    std::string utf8;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < Utf8TrailBits) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(Utf8LeadBits | (byte >> 6));
        utf8 += static_cast<char>(Utf8TrailBits | (byte & Utf8TrailMask));
    }
    return utf8;
}

bool IsUsablePlayerName(std::string_view latin1) {
    if (latin1.empty() || latin1.size() > PlayerNameLength) return false;
    const auto usable = [](char c) { return InNameAlphabet(static_cast<unsigned char>(c)); };
    return std::all_of(latin1.begin(), latin1.end(), usable) &&
           latin1.find_first_not_of(Blank) != std::string_view::npos;
}

std::string PlayerFilePath(const std::string& folder, std::string_view latin1,
                           std::string_view suffix) {
    if (!IsUsablePlayerName(latin1)) return {};
    return InFolder(folder, Latin1NameToUtf8(latin1) + std::string(suffix));
}

std::optional<std::string> PlayerNameOfFile(std::string_view fileName, std::string_view suffix) {
    if (fileName.size() <= suffix.size() || !fileName.ends_with(suffix)) return std::nullopt;
    std::optional<std::string> name = Latin1Of(fileName.substr(0, fileName.size() - suffix.size()));
    if (!name || !IsUsablePlayerName(*name)) return std::nullopt;
    return name;
}
