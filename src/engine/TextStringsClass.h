#pragma once
// TTextStrings: every word the player reads, from the text files of the Texts folder, read once
// at start-up into fixed tables addressed by line number (from 1). Text is Latin-1 bytes.
#include "files/FileRead.h"

#include <array>
#include <string>
#include <vector>

enum class TTextTable {
    GameTexts,
    GameConfirms,
    GameComments,
    Credits,
    GameTutorial,
    TutorialInfo,
    CharacterChats,
    UpgradeNames,
    UpgradeDescs,
    BonusElements,
    ExtrasURL
};
inline constexpr int TextTableCount = 11;

struct TTextTableFile {
    const char* FileName;
    int Lines;
    size_t EntryLength;
    bool Optional;
};

class TTextStrings {
public:
    // Reads every table from the folder (ending in a separator). A missing or short file leaves
    // its remaining entries empty and says so in one line on stderr; "ExtrasURL.txt" is optional.
    explicit TTextStrings(const std::string& textsFolder);

    // Entry `line` (from 1) of a table; "" outside the table.
    const std::string& Entry(TTextTable table, int line) const;
    static int LineCount(TTextTable table);
    static const TTextTableFile& FileOf(TTextTable table);

    const std::string& GameTexts(int line) const { return Entry(TTextTable::GameTexts, line); }
    const std::string& GameConfirms(int line) const {
        return Entry(TTextTable::GameConfirms, line);
    }
    const std::string& GameComments(int line) const {
        return Entry(TTextTable::GameComments, line);
    }
    const std::string& Credits(int line) const { return Entry(TTextTable::Credits, line); }
    const std::string& GameTutorial(int line) const {
        return Entry(TTextTable::GameTutorial, line);
    }
    const std::string& TutorialInfo(int line) const {
        return Entry(TTextTable::TutorialInfo, line);
    }
    const std::string& CharacterChats(int line) const {
        return Entry(TTextTable::CharacterChats, line);
    }
    const std::string& UpgradeNames(int line) const {
        return Entry(TTextTable::UpgradeNames, line);
    }
    const std::string& UpgradeDescs(int line) const {
        return Entry(TTextTable::UpgradeDescs, line);
    }
    const std::string& BonusElements(int line) const {
        return Entry(TTextTable::BonusElements, line);
    }
    const std::string& ExtrasURL(int line) const { return Entry(TTextTable::ExtrasURL, line); }

private:
    std::array<std::vector<std::string>, TextTableCount> tables;
};

// A text table or the settings file is a few kilobytes; a larger file is no table of ours.
inline constexpr size_t MaxTextFileBytes = 1 << 20;

// The lines of a whole text file, ending in CR LF, CR or LF (a last line may have no ending);
// false with no lines when the file cannot be read (not a regular file, larger than
// MaxTextFileBytes, ...), and the cause in `error` when one is given.
bool ReadTextFileLines(const std::string& path, std::vector<std::string>& lines,
                       TFileError* error = nullptr);
