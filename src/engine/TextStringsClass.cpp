#include "engine/TextStringsClass.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t ShortEntry = 80;
constexpr size_t LongEntry = 255;

// In reading order. "ExtrasURL.txt" gives the addresses of the extras page's three link buttons.
constexpr std::array<TTextTableFile, TextTableCount> TableFiles{{
    {"GameTexts.txt", 18, ShortEntry, false},
    {"GameConfirms.txt", 24, ShortEntry, false},
    {"GameComments.txt", 20, ShortEntry, false},
    {"Credits.txt", 30, ShortEntry, false},
    {"GameTutorial.txt", 26, LongEntry, false},
    {"TutorialInfo.txt", 27, LongEntry, false},
    {"CharacterChats.txt", 130, LongEntry, false},
    {"UpgradeNames.txt", 20, ShortEntry, false},
    {"UpgradeDescs.txt", 79, ShortEntry, false},
    {"BonusElements.txt", 10, ShortEntry, false},
    {"ExtrasURL.txt", 3, LongEntry, true},
}};

const std::string NoEntry;

} // namespace

bool ReadTextFileLines(const std::string& path, std::vector<std::string>& lines,
                       TFileError* error) {
    lines.clear();
    const TFileContents contents = ReadWholeFile(path, MaxTextFileBytes);
    if (error != nullptr) *error = contents.Error;
    if (!contents.Ok()) return false;
    const std::vector<uint8_t>& bytes = contents.Bytes;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<char>(bytes[i]);
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return true;
}

TTextStrings::TTextStrings(const std::string& textsFolder) {
    std::vector<std::string> lines;
    for (int table = 0; table < TextTableCount; ++table) {
        const TTextTableFile& file = TableFiles[table];
        const std::string path = textsFolder + file.FileName;
        TFileError error;
        const bool read = ReadTextFileLines(path, lines, &error);
        const int count = std::min<int>(file.Lines, static_cast<int>(lines.size()));
        auto& entries = tables[table];
        entries.assign(file.Lines, std::string());
        for (int line = 0; line < count; ++line)
            entries[line] = lines[line].substr(0, file.EntryLength);
        if (file.Optional) continue;
        if (!read)
            std::fprintf(stderr,
                         "Text file %s could not be read (%s): its %d entries stay empty.\n",
                         path.c_str(), error.Cause.c_str(), file.Lines);
        else if (count < file.Lines)
            std::fprintf(stderr, "Text file %s has %d of its %d lines: the rest stay empty.\n",
                         path.c_str(), count, file.Lines);
    }
}

const std::string& TTextStrings::Entry(TTextTable table, int line) const {
    const auto& entries = tables[static_cast<int>(table)];
    if (line < 1 || line > static_cast<int>(entries.size())) return NoEntry;
    return entries[line - 1];
}

int TTextStrings::LineCount(TTextTable table) {
    return FileOf(table).Lines;
}

const TTextTableFile& TTextStrings::FileOf(TTextTable table) {
    return TableFiles[static_cast<int>(table)];
}
