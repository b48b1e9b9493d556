// The text table and settings readers on files the tests write: line numbers, line ends,
// Latin-1, entry lengths, missing and short files. ShippedTextTablesTest checks the tables we ship.
#include "TempFolder.h"
#include "engine/SettingLoaderClass.h"
#include "engine/TextStringsClass.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Lines "<prefix>1" .. "<prefix>count", each ending in the given line break.
std::string NumberedLines(const std::string& prefix, int count, const std::string& lineBreak) {
    std::string text;
    for (int line = 1; line <= count; ++line) text += prefix + std::to_string(line) + lineBreak;
    return text;
}

class TextStringsTest : public testing::Test {
protected:
    TTempFolder folder{"tables"};

    // Every required table full, with entries "<file>:<line>".
    void WriteAllTables() {
        for (int table = 0; table < TextTableCount; ++table) {
            const TTextTableFile& file = TTextStrings::FileOf(static_cast<TTextTable>(table));
            if (!file.Optional)
                folder.Write(file.FileName,
                             NumberedLines(std::string(file.FileName) + ":", file.Lines, "\r\n"));
        }
    }
    std::unique_ptr<TTextStrings> Read(std::string* errors = nullptr) {
        testing::internal::CaptureStderr();
        auto strings = std::make_unique<TTextStrings>(folder.Path());
        const std::string said = testing::internal::GetCapturedStderr();
        if (errors != nullptr) *errors = said;
        return strings;
    }
};

TEST_F(TextStringsTest, ReadsEveryTableByLineNumberSilently) {
    WriteAllTables();
    std::string errors;
    auto strings = Read(&errors);
    EXPECT_EQ(errors, "");
    EXPECT_EQ(strings->GameTexts(1), "GameTexts.txt:1");
    EXPECT_EQ(strings->GameConfirms(24), "GameConfirms.txt:24");
    EXPECT_EQ(strings->GameComments(7), "GameComments.txt:7");
    EXPECT_EQ(strings->Credits(30), "Credits.txt:30");
    EXPECT_EQ(strings->GameTutorial(26), "GameTutorial.txt:26");
    EXPECT_EQ(strings->TutorialInfo(27), "TutorialInfo.txt:27");
    EXPECT_EQ(strings->CharacterChats(130), "CharacterChats.txt:130");
    EXPECT_EQ(strings->UpgradeNames(20), "UpgradeNames.txt:20");
    EXPECT_EQ(strings->UpgradeDescs(79), "UpgradeDescs.txt:79");
    EXPECT_EQ(strings->BonusElements(10), "BonusElements.txt:10");
    // Outside a table there is nothing, never a crash.
    EXPECT_EQ(strings->GameTexts(0), "");
    EXPECT_EQ(strings->GameTexts(19), "");
    EXPECT_EQ(strings->CharacterChats(-3), "");
    // Without "ExtrasURL.txt" its entries are empty, and that is normal.
    EXPECT_EQ(strings->ExtrasURL(1), "");
    EXPECT_EQ(strings->ExtrasURL(3), "");
}

TEST_F(TextStringsTest, LineEndingsLatin1AndEntryLengths) {
    WriteAllTables();
    const std::string hundred(100, 'x');
    folder.Write("GameTexts.txt", "CRLF\r\nCR\rLF\n\nGr\xFC\xDF"
                                  "e \xC4"
                                  "ra\r\n" +
                                      hundred + "\r\n" + NumberedLines("more", 20, "\n"));
    folder.Write("CharacterChats.txt", std::string(300, 'c') + "\n" + "last line without end");
    folder.Write("ExtrasURL.txt", "https://one\r\nhttps://two\r\nhttps://three\r\nfour\r\n");
    auto strings = Read();
    EXPECT_EQ(strings->GameTexts(1), "CRLF");
    EXPECT_EQ(strings->GameTexts(2), "CR");
    EXPECT_EQ(strings->GameTexts(3), "LF");
    EXPECT_EQ(strings->GameTexts(4), "");
    EXPECT_EQ(strings->GameTexts(5), "Gr\xFC\xDF"
                                     "e \xC4"
                                     "ra");
    EXPECT_EQ(strings->GameTexts(6), std::string(80, 'x'));
    EXPECT_EQ(strings->GameTexts(18), "more12");
    EXPECT_EQ(strings->CharacterChats(1), std::string(255, 'c'));
    EXPECT_EQ(strings->CharacterChats(2), "last line without end");
    EXPECT_EQ(strings->CharacterChats(3), "");
    // The extras page has three link buttons: three addresses are read.
    EXPECT_EQ(strings->ExtrasURL(3), "https://three");
    EXPECT_EQ(strings->ExtrasURL(4), "");
}

TEST_F(TextStringsTest, MissingOrShortFilesLeaveEmptyEntriesAndSaySoOnce) {
    WriteAllTables();
    folder.Remove("GameTutorial.txt");
    folder.Write("Credits.txt", NumberedLines("c", 5, "\r\n"));
    std::string errors;
    auto strings = Read(&errors);
    EXPECT_EQ(strings->GameTutorial(1), "");
    EXPECT_EQ(strings->Credits(5), "c5");
    EXPECT_EQ(strings->Credits(6), "");
    EXPECT_EQ(strings->TutorialInfo(1), "TutorialInfo.txt:1") << "later tables still load";
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2) << errors;
    EXPECT_NE(errors.find("GameTutorial.txt"), std::string::npos) << errors;
    EXPECT_NE(errors.find("Credits.txt has 5 of its 30 lines"), std::string::npos) << errors;
}

TEST_F(TextStringsTest, ATableThatIsNoTextFileStaysEmptyAndTheCauseIsSaid) {
    WriteAllTables();
    folder.Remove("GameTexts.txt");
    std::filesystem::create_directory(folder.Path() + "GameTexts.txt");
    folder.Remove("Credits.txt");
    // Read, it would never end.
    std::filesystem::create_symlink("/dev/zero", folder.Path() + "Credits.txt");
    folder.Write("UpgradeNames.txt", std::string(MaxTextFileBytes + 1, '\n'));
    std::string errors;
    auto strings = Read(&errors);
    EXPECT_EQ(strings->GameTexts(1), "");
    EXPECT_EQ(strings->Credits(1), "");
    EXPECT_EQ(strings->UpgradeNames(1), "");
    EXPECT_EQ(strings->TutorialInfo(1), "TutorialInfo.txt:1") << "the other tables still load";
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 3) << errors;
    for (const char* said : {"GameTexts.txt could not be read (not a regular file but a folder)",
                             "Credits.txt could not be read (not a regular file but a device)",
                             "UpgradeNames.txt could not be read (larger than the 1048576 bytes"})
        EXPECT_NE(errors.find(said), std::string::npos) << errors;
}

TEST(ReadTextFileLines, CountsALastLineOnlyWhenItHasCharacters) {
    TTempFolder folder("lines");
    std::vector<std::string> lines;
    folder.Write("a.txt", "one\r\n\r\ntwo\r\n");
    ASSERT_TRUE(ReadTextFileLines(folder.Path() + "a.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "two"}));
    folder.Write("b.txt", "");
    ASSERT_TRUE(ReadTextFileLines(folder.Path() + "b.txt", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(ReadTextFileLines(folder.Path() + "missing.txt", lines));
}

class SettingLoaderTest : public testing::Test {
protected:
    TTempFolder folder{"settings"};

    TSettingLoader Load(const std::string& language, const std::string& charSet,
                        const std::string& sizes = "Small=11\r\nMedium=14\r\nLarge=22\r\n") {
        folder.Write("_settings.txt", "[Game]\r\nLanguage=" + language + "\r\nCharSet=" + charSet +
                                          "\r\nunused\r\nunused\r\n" + sizes);
        return TSettingLoader(folder.Path());
    }
};

TEST_F(SettingLoaderTest, MapsLanguageAndCharacterSetAndReadsFontSizes) {
    const TSettingLoader settings = Load("4", "16");
    EXPECT_EQ(settings.Language, laFR);
    EXPECT_EQ(settings.CharSet, 204);
    EXPECT_EQ(settings.SmallFontSize, 11);
    EXPECT_EQ(settings.MediumFontSize, 14);
    EXPECT_EQ(settings.LargeFontSize, 22);

    const std::pair<int, TSettingLoaderLanguage> languages[] = {{1, laUS}, {2, laDE}, {3, laES},
                                                                {5, laIT}, {6, laNL}, {7, laBR},
                                                                {8, laSE}, {9, laUS}, {0, laUS}};
    for (auto [value, language] : languages) EXPECT_EQ(TSettingLoader::LanguageOf(value), language);
    const std::pair<int, int> charSets[] = {{1, 0},    {2, 1},    {3, 2},    {4, 77},
                                            {5, 128},  {9, 136},  {13, 177}, {15, 186},
                                            {18, 238}, {19, 255}, {20, 1},   {0, 1}};
    for (auto [value, charSet] : charSets) EXPECT_EQ(TSettingLoader::CharSetOf(value), charSet);
}

TEST_F(SettingLoaderTest, ValuesThatAreNotIntegersKeepTheirDefaults) {
    const TSettingLoader settings =
        Load("two", " 3 ", "Small=\r\nMedium=12.5\r\nLarge=99999999999\r\n");
    EXPECT_EQ(settings.Language, laUS);
    EXPECT_EQ(settings.CharSet, 2) << "blanks around a number are fine";
    EXPECT_EQ(settings.SmallFontSize, 10);
    EXPECT_EQ(settings.MediumFontSize, 12);
    EXPECT_EQ(settings.LargeFontSize, 20);

    int value = 7;
    EXPECT_TRUE(ReadSettingValue("a=b=-3", value) == false && value == 7);
    EXPECT_TRUE(ReadSettingValue("5", value) && value == 5);
    EXPECT_TRUE(ReadSettingValue("Size=+8", value) && value == 8);
}

TEST_F(SettingLoaderTest, AMissingFileKeepsEveryDefaultAndSaysSo) {
    testing::internal::CaptureStderr();
    const TSettingLoader settings(folder.Path());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(settings.Language, laUS);
    EXPECT_EQ(settings.CharSet, 1);
    EXPECT_EQ(settings.LargeFontSize, 20);
    EXPECT_NE(errors.find("_settings.txt"), std::string::npos) << errors;
}

TEST_F(SettingLoaderTest, ASettingsFileThatIsNoTextFileKeepsEveryDefault) {
    std::filesystem::create_symlink("/dev/zero", folder.Path() + "_settings.txt");
    testing::internal::CaptureStderr();
    const TSettingLoader settings(folder.Path());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(settings.Language, laUS);
    EXPECT_EQ(settings.SmallFontSize, 10);
    EXPECT_NE(errors.find("_settings.txt could not be read (not a regular file but a device)"),
              std::string::npos)
        << errors;
}

} // namespace
