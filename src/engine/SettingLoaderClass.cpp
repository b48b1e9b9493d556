#include "engine/SettingLoaderClass.h"

#include "engine/TextStringsClass.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace {

constexpr int LanguageLine = 2;
constexpr int CharSetLine = 3;
constexpr int SmallFontLine = 6;
constexpr int MediumFontLine = 7;
constexpr int LargeFontLine = 8;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr int UsedLines = 8;

// Leaves `value` as it was when the line is missing or its value is not an integer.
bool ReadLine(const std::vector<std::string>& lines, int lineNumber, int& value) {
    return lineNumber <= static_cast<int>(lines.size()) &&
           ReadSettingValue(lines[lineNumber - 1], value);
}

} // namespace

bool ReadSettingValue(const std::string& line, int& value) {
    const size_t equals = line.find('=');
    size_t first = equals == std::string::npos ? 0 : equals + 1;
    size_t last = line.size();
    while (first < last && IsBlank(line[first])) ++first;
    while (last > first && IsBlank(line[last - 1])) --last;
    if (first < last && line[first] == '+') ++first;
    int parsed = 0;
    const auto [end, error] = std::from_chars(line.data() + first, line.data() + last, parsed);
    if (error != std::errc() || end != line.data() + last || first == last) return false;
    value = parsed;
    return true;
}

TSettingLoaderLanguage TSettingLoader::LanguageOf(int value) {
    switch (value) {
    case 2:
        return laDE;
    case 3:
        return laES;
    case 4:
        return laFR;
    case 5:
        return laIT;
    case 6:
        return laNL;
    case 7:
        return laBR;
    case 8:
        return laSE;
    default:
        return laUS;
    }
}

int TSettingLoader::CharSetOf(int value) {
    switch (value) {
    case 1:
        return 0;
    case 3:
        return 2;
    case 4:
        return 77;
    case 5:
        return 128;
    case 6:
        return 129;
    case 7:
        return 130;
    case 8:
        return 134;
    case 9:
        return 136;
    case 10:
        return 161;
    case 11:
        return 162;
    case 12:
        return 163;
    case 13:
        return 177;
    case 14:
        return 178;
    case 15:
        return 186;
    case 16:
        return 204;
    case 17:
        return 222;
    case 18:
        return 238;
    case 19:
        return 255;
    default:
        return 1;
    }
}

TSettingLoader::TSettingLoader(const std::string& textsFolder) {
    const std::string path = textsFolder + FileName;
    std::vector<std::string> lines;
    TFileError error;
    if (!ReadTextFileLines(path, lines, &error)) {
        std::fprintf(stderr, "Settings file %s could not be read (%s): the defaults are used.\n",
                     path.c_str(), error.Cause.c_str());
        return;
    }
    if (lines.size() < UsedLines)
        std::fprintf(stderr,
                     "Settings file %s has %zu of its %d lines: the rest keep their defaults.\n",
                     path.c_str(), lines.size(), UsedLines);
    int value = 0;
    if (ReadLine(lines, LanguageLine, value)) Language = LanguageOf(value);
    if (ReadLine(lines, CharSetLine, value)) CharSet = CharSetOf(value);
    ReadLine(lines, SmallFontLine, SmallFontSize);
    ReadLine(lines, MediumFontLine, MediumFontSize);
    ReadLine(lines, LargeFontLine, LargeFontSize);
}
