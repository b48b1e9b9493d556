#pragma once
// TSettingLoader: the language, the character set and the three font sizes of "_settings.txt"
// in the Texts folder, read once at start-up.
#include "engine/TextKinds.h"

#include <string>

class TSettingLoader {
public:
    static constexpr const char* FileName = "_settings.txt";

    // Reads the file from the folder (ending in a separator). A missing file keeps every default
    // and says so on stderr; a value that is not an integer keeps its default.
    explicit TSettingLoader(const std::string& textsFolder);

    TSettingLoaderLanguage Language = laUS;
    // A Windows character-set number.
    int CharSet = 1;
    int SmallFontSize = 10;
    int MediumFontSize = 12;
    int LargeFontSize = 20;

    static TSettingLoaderLanguage LanguageOf(int value);
    static int CharSetOf(int value);
};

// The integer after the first "=" of a settings line (the whole line when it has none); false
// when that is not a decimal integer.
bool ReadSettingValue(const std::string& line, int& value);
