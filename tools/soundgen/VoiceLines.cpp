#include "VoiceLines.h"

#include <cctype>
#include <fstream>
#include <sstream>

bool ReadTextTable(const std::string& path, int count, std::size_t maxLength,
                   std::vector<std::string>& entries) {
    entries.assign(count, "");
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream buffer;
    buffer << file.rdbuf();
    const std::string bytes = buffer.str();
    int index = 0;
    std::string current;
    for (std::size_t i = 0; i <= bytes.size() && index < count; ++i) {
        const bool atEnd = i == bytes.size();
        const char c = atEnd ? '\n' : bytes[i];
        if (c == '\r' || c == '\n') {
            if (atEnd && current.empty()) break;
            entries[index++] = current.substr(0, maxLength);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            continue;
        }
        current.push_back(c);
    }
    return true;
}

std::vector<TVoiceLine> TutorialVoiceLines(const std::vector<std::string>& entries) {
    std::vector<TVoiceLine> lines;
    for (int step = 1; step <= kTutorialSteps; ++step) {
        const std::size_t title = 2 * step - 2;
        const std::string heading = title < entries.size() ? entries[title] : "";
        const std::string body = title + 1 < entries.size() ? entries[title + 1] : "";
        std::string text = heading;
        if (!heading.empty() && !body.empty())
            text += (std::ispunct(static_cast<unsigned char>(heading.back())) ? " " : ". ");
        text += body;
        if (text.empty()) continue;
        lines.push_back({"Tutorial", "Tutorial" + std::to_string(step), kNarrator, 0, step, text});
    }
    return lines;
}

std::vector<TVoiceLine> ChatVoiceLines(const std::vector<std::string>& entries) {
    std::vector<TVoiceLine> lines;
    const int available = static_cast<int>(std::min<std::size_t>(entries.size(), kChatEntries));
    int at = 1; // entry 0 is the first heading
    for (int conversation = 1; conversation <= kConversations && at < available; ++conversation) {
        int line = 0;
        while (line < kMaxConversationLines && at < available && !entries[at].empty()) {
            const std::string& entry = entries[at++];
            ++line;
            int speaker = kHero;
            switch (std::toupper(static_cast<unsigned char>(entry[0]))) {
            case 'G':
                speaker = 1;
                break;
            case 'C':
                speaker = 2;
                break;
            case 'K':
                speaker = 3;
                break;
            case 'B':
                speaker = 4;
                break;
            default:
                break;
            }
            lines.push_back({"Chats/" + std::to_string(conversation), "Chat" + std::to_string(line),
                             speaker, conversation, line, entry.size() > 2 ? entry.substr(2) : ""});
        }
        if (at < available && entries[at].empty()) ++at; // the empty entry that ended it
        ++at;                                            // the next conversation's heading
    }
    return lines;
}

std::string SpokenText(const std::string& latin1) {
    std::string utf8;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '|') {
            utf8.push_back(' ');
        } else if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

bool IsSpeakable(const TVoiceLine& line) {
    for (const char c : line.text)
        if (std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0xC0)
            return true;
    return false;
}
