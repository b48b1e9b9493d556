#pragma once
// The spoken lines of the game as the voice player names them: the tutorial steps
// (Voices/Tutorial/Tutorial<step>.ogg) and the chat lines
// (Voices/Chats/<conversation>/Chat<line>.ogg), read from the Latin-1 text tables the game reads.
#include <string>
#include <vector>

constexpr int kTutorialSteps = 13;
constexpr int kTutorialEntries = 26;
constexpr int kChatEntries = 130;
constexpr int kConversations = 22;
constexpr int kMaxConversationLines = 20;
constexpr int kNarrator = -1; // the tutorial's voice
constexpr int kHero = 0;      // clients are 1..4

struct TVoiceLine {
    std::string folder; // below Voices/, e.g. "Chats/3"
    std::string name;   // file name without ".ogg", e.g. "Chat2"
    int speaker = kHero;
    int conversation = 0; // 0 for tutorial steps
    int line = 0;         // step or line number, from 1
    std::string text;     // Latin-1, as the table holds it
};

// Lines 1..count of a text table (CR LF, CR or LF), each cut to maxLength; missing lines are
// empty. Nothing is trimmed. Returns false when the file cannot be read.
bool ReadTextTable(const std::string& path, int count, std::size_t maxLength,
                   std::vector<std::string>& entries);

// Step i speaks its title (entry 2i-1) and its text (entry 2i); "|" only breaks lines on screen.
std::vector<TVoiceLine> TutorialVoiceLines(const std::vector<std::string>& entries);

// Conversations as the chapter dialog reads them: a heading entry, then up to 20 lines ended by
// an empty entry. The first letter names the speaker (J hero, G C K B clients 1-4, any other
// letter the hero); it and the separator after it are not spoken.
std::vector<TVoiceLine> ChatVoiceLines(const std::vector<std::string>& entries);

// Latin-1 to UTF-8, with "|" line breaks turned into spaces, for the speech synthesiser.
std::string SpokenText(const std::string& latin1);

// A line of nothing but blanks and punctuation gets no voice clip.
bool IsSpeakable(const TVoiceLine& line);
