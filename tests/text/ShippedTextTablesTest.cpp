// The text tables we ship, read with the game's own reader and measured with the game's own font
// functions at the places where the game draws each entry.
#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "engine/SettingLoaderClass.h"
#include "engine/TextStringsClass.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string TextsFolder = std::string(TOVAN_SOURCE_DIR) + "/content/Texts/";

constexpr int ScreenMargin = 40;

struct TextStyle {
    TGameFontKind font;
    int spacing;
    float ratio;
    int room; // pixels from the text's start to the edge of what holds it
};

constexpr TextStyle ConfirmTitle{fkAirstripNormal, -1, 0.85f, 350};
constexpr TextStyle ConfirmLine{fkAirstripNormal, -1, 0.6f, 370};
constexpr TextStyle TransitionCaption{fkAirstripNormal, 0, 0.6f, GameSpace.Width - 655 - 20};
constexpr TextStyle CreditLine{fkAirstripNormal, -1, 0.7f, 420};
constexpr TextStyle TutorialTitle{fkAirstripNormal, 0, 0.78f, 330};
constexpr TextStyle TutorialLine{fkAirstripNormal, -1, 0.567f, 340};
constexpr TextStyle ToolTipLine{fkAirstripNormal, -1, 0.59f, 250};
constexpr TextStyle BalloonLine{fkAirstripNormal, -2, 0.59f, 345};
constexpr TextStyle SlotTitle{fkAirstripNormal, -2, 0.48f, 100};
constexpr TextStyle SlotDescription{fkAirstripNormal, -2, 0.48f, 97};
constexpr TextStyle ShopTitleLine{fkAirstripNormal, -1, 0.8f, 450};
constexpr TextStyle ShopLine{fkAirstripNormal, -1, 0.56f, 450};
constexpr TextStyle ShopBonusLabel{fkAirstripNormal, -1, 0.59f, 240};
constexpr TextStyle ShopPriceLabel{fkAirstripNormal, -1, 0.59f, 44};
constexpr TextStyle ShopWarning{fkAirstripNormal, -1, 0.59f, 410};
constexpr TextStyle ShopUpgradeLabel{fkAirstripNormal, -1, 0.59f, 450};

// The flying comments are centred on the screen, letter by letter.
struct CommentStyle {
    float ratio;
    int letterSpace;
    int centerAdjustX;
};
constexpr CommentStyle RoundComment{1.15f, 0, 25};
constexpr CommentStyle IslandComment{1.0f, 4, 0};
constexpr CommentStyle FlowerComment{0.75f, 3, 21};
constexpr size_t MaxCommentLetters = 50;

constexpr int TutorialSteps = 13;
constexpr int MaxTutorialLines = 8;
constexpr int ToolTips = 27;
constexpr int MaxToolTipLines = 5;
constexpr size_t MaxNarrationLineLength = 100;
constexpr int Conversations = 22;
constexpr size_t MaxConversationLines = 20;
constexpr int MaxBalloonLines = 4;
constexpr int MaxBalloonLinesUnscaled = 10;
constexpr int UpgradeSlots = 20;
constexpr size_t MaxSlotTextLength = 40;
constexpr int ShopLinesPerSlot = 3;

const TTextStrings& Texts() {
    static const TTextStrings texts(TextsFolder);
    return texts;
}

std::string Where(TTextTable table, int line) {
    return std::string(TTextStrings::FileOf(table).FileName) + " entry " + std::to_string(line);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

void ExpectDrawable(const std::string& text, const TextStyle& style, const std::string& where) {
    EXPECT_EQ(FilterText(style.font, text), text) << where << ": a character the font drops";
    EXPECT_LE(TextWidth(style.font, text, style.spacing, style.ratio), style.room)
        << where << ": \"" << text << "\" is too wide";
}

void ExpectCommentFits(const std::string& text, const CommentStyle& style,
                       const std::string& where) {
    EXPECT_FALSE(text.empty()) << where;
    // Already in capitals, and only letters the comment font draws.
    EXPECT_EQ(FilterText(fkAirstripComment, text), text) << where;
    EXPECT_LE(text.size(), MaxCommentLetters) << where;
    int width = 0;
    for (const char c : text)
        width += CharWidth(fkAirstripComment, c, 0, style.ratio) + style.letterSpace;
    const int left = (GameSpace.Width - width) / 2 + style.centerAdjustX;
    EXPECT_GE(left, ScreenMargin) << where << ": \"" << text << "\" leaves the screen";
    EXPECT_LE(left + width, GameSpace.Width - ScreenMargin) << where << ": \"" << text << "\"";
}

std::vector<std::string> Wrapped(const std::string& text, const TextStyle& style) {
    std::vector<std::string> lines;
    for (int line = 1; line <= MaxWrappedLines; ++line)
        lines.push_back(WrapText(style.font, text, style.spacing, line, style.room, style.ratio));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& separator) {
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : separator) + line;
    return text;
}

void ExpectEmpty(TTextTable table, std::initializer_list<int> lines) {
    for (const int line : lines) EXPECT_EQ(Texts().Entry(table, line), "") << Where(table, line);
}

TEST(TextTables, EveryFileHoldsItsLinesAsPlainLatin1AndNothingIsCut) {
    for (int index = 0; index < TextTableCount; ++index) {
        const auto table = static_cast<TTextTable>(index);
        const TTextTableFile& file = TTextStrings::FileOf(table);
        std::vector<std::string> lines;
        ASSERT_TRUE(ReadTextFileLines(TextsFolder + file.FileName, lines)) << file.FileName;
        ASSERT_GE(lines.size(), static_cast<size_t>(file.Lines)) << file.FileName;
        EXPECT_NE(lines[0].rfind("\xEF\xBB\xBF", 0), 0u) << file.FileName << " starts with a BOM";
        for (int line = 1; line <= file.Lines; ++line) {
            const std::string& raw = lines[line - 1];
            EXPECT_LE(raw.size(), file.EntryLength) << Where(table, line) << " would be cut";
            EXPECT_EQ(Texts().Entry(table, line), raw) << Where(table, line);
            for (const char c : raw) {
                const auto byte = static_cast<unsigned char>(c);
                // No control characters and none of the code-page signs at 128-159.
                EXPECT_TRUE(byte >= 0x20 && byte != 0x7F && (byte < 0x80 || byte >= 0xA0))
                    << Where(table, line) << " holds byte " << int(byte);
            }
            const bool wantedTrailingSpace = table == TTextTable::GameTexts && line == 4;
            if (!raw.empty() && !wantedTrailingSpace) {
                EXPECT_NE(raw.back(), ' ') << Where(table, line) << " ends in a space";
            }
        }
    }
}

TEST(TextTables, GameTextsFillTheirRoles) {
    const TTextTable table = TTextTable::GameTexts;
    EXPECT_FALSE(Texts().GameTexts(1).empty()) << "window title";
    EXPECT_EQ(Texts().GameTexts(2), "ANONYMOUS");

    const std::string& playerName = Texts().GameTexts(3);
    EXPECT_FALSE(playerName.empty());
    EXPECT_LE(playerName.size(), 16u);
    for (const char c : playerName)
        EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << "default player name";

    // The greeting runs straight into the player's name.
    const std::string& greeting = Texts().GameTexts(4);
    ASSERT_FALSE(greeting.empty());
    EXPECT_EQ(greeting.back(), ' ');
    EXPECT_EQ(FilterText(fkAirstripNormal, greeting), greeting);

    ExpectDrawable(Texts().GameTexts(5), TransitionCaption, Where(table, 5));
    EXPECT_FALSE(Texts().GameTexts(5).empty());
    for (int island = 1; island <= 5; ++island)
        ExpectCommentFits(Texts().GameTexts(5 + island), IslandComment, Where(table, 5 + island));
    ExpectCommentFits(Texts().GameTexts(11), IslandComment, Where(table, 11));
    ExpectCommentFits(Texts().GameTexts(12), FlowerComment, Where(table, 12));
    constexpr int StoryNarrationWidth = 986;
    constexpr float StoryNarrationRatio = 0.72f;
    for (int line = 13; line <= 18; ++line) {
        const std::string& narration = Texts().GameTexts(line);
        EXPECT_FALSE(narration.empty()) << Where(table, line);
        EXPECT_EQ(FilterText(fkAirstripNormal, narration), narration) << Where(table, line);
        EXPECT_LE(TextWidth(fkAirstripNormal, narration, -1, StoryNarrationRatio),
                  StoryNarrationWidth)
            << Where(table, line);
    }
}

TEST(TextTables, ConfirmQuestionsFitTheirWindow) {
    struct Question {
        int title, first, second; // 0: no second description
    };
    const Question questions[] = {{1, 2, 0},    {4, 5, 6},    {8, 9, 0},   {11, 12, 0},
                                  {14, 15, 16}, {18, 19, 20}, {22, 23, 24}};
    const TTextTable table = TTextTable::GameConfirms;
    for (const auto& question : questions) {
        const std::string& title = Texts().GameConfirms(question.title);
        const std::string& first = Texts().GameConfirms(question.first);
        EXPECT_FALSE(title.empty()) << Where(table, question.title);
        EXPECT_FALSE(first.empty()) << Where(table, question.first);
        ExpectDrawable(title, ConfirmTitle, Where(table, question.title));
        ExpectDrawable(first, ConfirmLine, Where(table, question.first));
        if (question.second == 0) continue;
        // The second line starts where the first is centred, so it must not be the wider one.
        const std::string& second = Texts().GameConfirms(question.second);
        EXPECT_FALSE(second.empty()) << Where(table, question.second);
        ExpectDrawable(second, ConfirmLine, Where(table, question.second));
        EXPECT_LE(TextWidth(fkAirstripNormal, second, -1, 0.6f),
                  TextWidth(fkAirstripNormal, first, -1, 0.6f))
            << Where(table, question.second);
    }
    ExpectEmpty(table, {3, 7, 10, 13, 17, 21});
}

TEST(TextTables, RoundCommentsFlyInOnScreen) {
    const TTextTable table = TTextTable::GameComments;
    for (int line = 7; line <= 12; ++line)
        ExpectCommentFits(Texts().GameComments(line), RoundComment, Where(table, line));
    ExpectEmpty(table, {1, 2, 3, 4, 5, 6, 13, 14, 15, 16, 17, 18, 19, 20});
}

TEST(TextTables, CreditLinesAreDrawable) {
    EXPECT_FALSE(Texts().Credits(1).empty()) << "credits title";
    for (int line = 1; line <= TTextStrings::LineCount(TTextTable::Credits); ++line)
        ExpectDrawable(Texts().Credits(line), CreditLine, Where(TTextTable::Credits, line));
}

TEST(TextTables, TutorialStepsFitTheirPanel) {
    const TTextTable table = TTextTable::GameTutorial;
    for (int step = 1; step <= TutorialSteps; ++step) {
        const std::string& title = Texts().GameTutorial(2 * step - 1);
        EXPECT_FALSE(title.empty()) << Where(table, 2 * step - 1);
        EXPECT_LE(title.size(), 60u) << Where(table, 2 * step - 1);
        ExpectDrawable(title, TutorialTitle, Where(table, 2 * step - 1));

        const auto lines = Split(Texts().GameTutorial(2 * step), '|');
        EXPECT_LE(lines.size(), static_cast<size_t>(MaxTutorialLines)) << Where(table, 2 * step);
        for (const auto& line : lines) {
            EXPECT_FALSE(line.empty()) << Where(table, 2 * step);
            EXPECT_LE(line.size(), MaxNarrationLineLength) << Where(table, 2 * step);
            ExpectDrawable(line, TutorialLine, Where(table, 2 * step));
        }
    }
}

TEST(TextTables, ToolTipsFitTheirSmallPanel) {
    const TTextTable table = TTextTable::TutorialInfo;
    for (int tip = 1; tip <= ToolTips; ++tip) {
        const auto lines = Split(Texts().TutorialInfo(tip), '|');
        EXPECT_LE(lines.size(), static_cast<size_t>(MaxToolTipLines)) << Where(table, tip);
        for (const auto& line : lines) {
            EXPECT_FALSE(line.empty()) << Where(table, tip);
            ExpectDrawable(line, ToolTipLine, Where(table, tip));
        }
    }
}

struct ChatLine {
    int entry;
    char speaker;
    std::string text;
};

// Read as the chapter dialog reads them: a heading, then lines up to an empty entry.
std::vector<std::vector<ChatLine>> ReadConversations(int& endEntry) {
    std::vector<std::vector<ChatLine>> conversations;
    const int entries = TTextStrings::LineCount(TTextTable::CharacterChats);
    int entry = 2;
    while (static_cast<int>(conversations.size()) < Conversations && entry <= entries) {
        auto& lines = conversations.emplace_back();
        while (entry <= entries && lines.size() < MaxConversationLines &&
               !Texts().CharacterChats(entry).empty()) {
            const std::string& raw = Texts().CharacterChats(entry);
            lines.push_back({entry, raw[0], raw.size() > 2 ? raw.substr(2) : ""});
            ++entry;
        }
        endEntry = entry; // the empty entry that closes it
        entry += 2;
    }
    return conversations;
}

// Milliseconds each balloon stays up: the voice clip's length plus 650.
int BalloonMilliseconds(int conversation, size_t line) {
    static const std::vector<std::vector<int>> knownClips{
        {3900, 4600, 7600}, {7200, 6500, 2800}, {4100, 5500, 2200, 3200, 9700, 2600}};
    const bool known = conversation <= 3 && line < knownClips[conversation - 1].size();
    return (known ? knownClips[conversation - 1][line] : 5000) + 650;
}

TEST(TextTables, ChatsFormTwentyTwoConversationsOfOneClientEach) {
    int endEntry = 0;
    const auto conversations = ReadConversations(endEntry);
    ASSERT_EQ(conversations.size(), static_cast<size_t>(Conversations));
    // The voice clips of the first three conversations have known lengths, one per line.
    EXPECT_EQ(conversations[0].size(), 3u);
    EXPECT_EQ(conversations[1].size(), 3u);
    EXPECT_EQ(conversations[2].size(), 6u);
    const int entries = TTextStrings::LineCount(TTextTable::CharacterChats);
    EXPECT_LE(endEntry, entries) << "the last conversation must end inside the table";
    for (int entry = endEntry; entry <= entries; ++entry)
        EXPECT_EQ(Texts().CharacterChats(entry), "") << Where(TTextTable::CharacterChats, entry);

    for (size_t index = 0; index < conversations.size(); ++index) {
        const auto& lines = conversations[index];
        EXPECT_GE(lines.size(), 1u);
        // A full conversation would need no closing entry; keep every one shorter.
        EXPECT_LT(lines.size(), MaxConversationLines);
        std::set<char> clients;
        for (const auto& line : lines) {
            EXPECT_NE(std::string("JGCKB").find(line.speaker), std::string::npos)
                << Where(TTextTable::CharacterChats, line.entry);
            EXPECT_EQ(Texts().CharacterChats(line.entry)[1], ':')
                << Where(TTextTable::CharacterChats, line.entry);
            if (line.speaker != 'J') clients.insert(line.speaker);
        }
        EXPECT_EQ(clients.size(), 1u)
            << "conversation " << index + 1 << " needs exactly one client";
    }
}

TEST(TextTables, ChatLinesWrapIntoTheirBalloonAndAppearBeforeItCloses) {
    int endEntry = 0;
    const auto conversations = ReadConversations(endEntry);
    for (size_t index = 0; index < conversations.size(); ++index) {
        for (size_t number = 0; number < conversations[index].size(); ++number) {
            const ChatLine& line = conversations[index][number];
            const std::string where = Where(TTextTable::CharacterChats, line.entry);
            EXPECT_FALSE(line.text.empty()) << where;
            EXPECT_EQ(line.text.find('|'), std::string::npos) << where;
            EXPECT_EQ(FilterText(fkAirstripNormal, line.text), line.text) << where;

            const auto balloon = Wrapped(line.text, BalloonLine);
            ASSERT_FALSE(balloon.empty()) << where;
            EXPECT_FALSE(balloon.front().empty()) << where << ": a word wider than the balloon";
            EXPECT_LE(balloon.size(), static_cast<size_t>(MaxBalloonLines)) << where;
            EXPECT_EQ(Joined(balloon, " "), line.text) << where << ": words lost in wrapping";
            // Even measured without the balloon's scale it keeps within the lines a balloon has.
            const TextStyle unscaled{BalloonLine.font, BalloonLine.spacing, 1.0f, BalloonLine.room};
            EXPECT_LE(Wrapped(line.text, unscaled).size(),
                      static_cast<size_t>(MaxBalloonLinesUnscaled))
                << where;

            // One character a tick (30 ms), and one more tick for every line end.
            const int revealMilliseconds = static_cast<int>(line.text.size() + balloon.size()) * 30;
            EXPECT_LE(revealMilliseconds, BalloonMilliseconds(static_cast<int>(index) + 1, number))
                << where;
        }
    }
}

TEST(TextTables, SlotTextsFitTheMapPanelAndTheShopWindow) {
    const TTextTable table = TTextTable::UpgradeNames;
    for (int slot = 1; slot <= UpgradeSlots; ++slot) {
        const auto parts = Split(Texts().UpgradeNames(slot), '|');
        ASSERT_EQ(parts.size(), 2u) << Where(table, slot) << " is Title|Description";
        for (const auto& part : parts) {
            EXPECT_FALSE(part.empty()) << Where(table, slot);
            EXPECT_LE(part.size(), MaxSlotTextLength) << Where(table, slot);
        }
        ExpectDrawable(parts[0], SlotTitle, Where(table, slot));
        ExpectDrawable(parts[1], SlotDescription, Where(table, slot));
        ExpectDrawable(parts[0] + " " + parts[1], ShopTitleLine, Where(table, slot));
    }
}

TEST(TextTables, ShopWindowLinesAndLabelsFit) {
    const TTextTable table = TTextTable::UpgradeDescs;
    for (int line = 1; line <= UpgradeSlots * ShopLinesPerSlot; ++line) {
        EXPECT_FALSE(Texts().UpgradeDescs(line).empty()) << Where(table, line);
        ExpectDrawable(Texts().UpgradeDescs(line), ShopLine, Where(table, line));
    }
    const int labels = UpgradeSlots * ShopLinesPerSlot;
    const TextStyle labelStyles[] = {ShopBonusLabel, ShopPriceLabel, ShopWarning, ShopUpgradeLabel};
    for (int label = 1; label <= 4; ++label) {
        EXPECT_FALSE(Texts().UpgradeDescs(labels + label).empty()) << Where(table, labels + label);
        ExpectDrawable(Texts().UpgradeDescs(labels + label), labelStyles[label - 1],
                       Where(table, labels + label));
    }
    for (int line = labels + 5; line <= TTextStrings::LineCount(table); ++line)
        ExpectEmpty(table, {line});

    for (int upgrade = 1; upgrade <= TTextStrings::LineCount(TTextTable::BonusElements);
         ++upgrade) {
        EXPECT_FALSE(Texts().BonusElements(upgrade).empty());
        ExpectDrawable(Texts().BonusElements(upgrade), ShopLine,
                       Where(TTextTable::BonusElements, upgrade));
    }
}

TEST(TextTables, ExtrasAddressesLeaveTheSchemeToTheLinkOpener) {
    for (int line = 1; line <= TTextStrings::LineCount(TTextTable::ExtrasURL); ++line) {
        const std::string& address = Texts().ExtrasURL(line);
        EXPECT_FALSE(address.empty()) << Where(TTextTable::ExtrasURL, line);
        EXPECT_EQ(address.find("://"), std::string::npos) << address;
        EXPECT_EQ(address.find(' '), std::string::npos) << address;
    }
}

TEST(TextTables, SettingsFileGivesEnglishAndTheWesternCharacterSet) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextFileLines(TextsFolder + TSettingLoader::FileName, lines));
    ASSERT_GE(lines.size(), 8u);
    for (const int used : {2, 3, 6, 7, 8}) {
        int value = 0;
        EXPECT_TRUE(ReadSettingValue(lines[used - 1], value)) << "settings line " << used;
    }
    const TSettingLoader settings(TextsFolder);
    EXPECT_EQ(settings.Language, laUS);
    EXPECT_EQ(settings.CharSet, TSettingLoader::CharSetOf(1));
    EXPECT_EQ(settings.SmallFontSize, 10);
    EXPECT_EQ(settings.MediumFontSize, 12);
    EXPECT_EQ(settings.LargeFontSize, 20);
}

} // namespace
