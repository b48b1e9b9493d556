#include "ReplayFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* ScoreKey = "score";
constexpr const char* GatheringKey = "gathering";
constexpr const char* ScenesKey = "scenes";
constexpr const char* ChecksumKey = "checksum";
// The expectation's lines, in the order the file writes them.
constexpr std::array<const char*, 4> ExpectationKeys{ScoreKey, GatheringKey, ScenesKey,
                                                     ChecksumKey};
constexpr size_t ChecksumDigits = 16;
constexpr const char* LevelSourceExtension = ".level";
// How the file writes a level that asks for nothing.
constexpr const char* NothingGathered = "none";

struct TMouseWord {
    const char* Word;
    TReplayMouse Kind;
};
constexpr std::array<TMouseWord, 3> MouseWords{
    {{"down", TReplayMouse::Down}, {"move", TReplayMouse::Move}, {"up", TReplayMouse::Up}}};

std::string WithoutComment(const std::string& line) {
    return line.substr(0, line.find('#'));
}

// The line's first word, or an empty string for a line with nothing on it.
std::string KeyOf(const std::string& line) {
    std::istringstream words(WithoutComment(line));
    std::string key;
    words >> key;
    return key;
}

// Reads the values of one line; fails on a missing value and on anything left over.
class TLineReader {
public:
    explicit TLineReader(const std::string& rest) : words(rest) {}
    template <typename T> bool Read(T& value) { return static_cast<bool>(words >> value); }
    bool AtEnd() {
        std::string extra;
        return !(words >> extra);
    }
    std::string Rest() {
        std::string rest;
        std::getline(words >> std::ws, rest);
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
        return rest;
    }

private:
    std::istringstream words;
};

// "2-01": an island and a level.
bool ParseIslandLevel(const std::string& name, TReplay& replay) {
    char dash = 0;
    std::istringstream parts(name);
    return parts >> replay.Island >> dash >> replay.Level && dash == '-' && parts.peek() == EOF &&
           replay.Island > 0 && replay.Level > 0;
}

bool ParseLevel(TLineReader& reader, TReplay& replay) {
    std::string name;
    if (!reader.Read(name)) return false;
    // A file of the fixture folder itself, never a path.
    if (name.ends_with(LevelSourceExtension) && name.size() > std::strlen(LevelSourceExtension) &&
        name.find('/') == std::string::npos) {
        replay.LevelSource = name;
        replay.Island = 1;
        replay.Level = 1;
        // "as 2-01": played in that level's place, for what the level's number decides.
        std::string as, place;
        if (!reader.Read(as)) return true;
        return as == "as" && reader.Read(place) && ParseIslandLevel(place, replay);
    }
    return ParseIslandLevel(name, replay);
}

// "type WORDS", "key NAME" or "close" after the tick; true when the word was one of them.
bool ParseKeyboardInput(const std::string& word, TLineReader& reader, TReplayInput& input) {
    if (word == "type") {
        input.Kind = TReplayMouse::Type;
        input.Text = reader.Rest();
        return !input.Text.empty();
    }
    if (word == "key") {
        input.Kind = TReplayMouse::Key;
        return reader.Read(input.Text) &&
               std::ranges::any_of(
                   ReplayKeys, [&input](const TReplayKey& key) { return input.Text == key.Name; });
    }
    input.Kind = TReplayMouse::Close;
    return word == "close";
}

bool ParseInput(const std::string& key, TLineReader& reader, TReplay& replay) {
    TReplayInput input;
    std::string word;
    if (!(std::istringstream(key) >> input.Tick) || std::to_string(input.Tick) != key) return false;
    if (!reader.Read(word)) return false;
    if (word == "type" || word == "key" || word == "close") {
        if (!ParseKeyboardInput(word, reader, input)) return false;
        replay.Inputs.push_back(input);
        return true;
    }
    if (!reader.Read(input.X) || !reader.Read(input.Y)) return false;
    for (const TMouseWord& mouse : MouseWords)
        if (word == mouse.Word) {
            input.Kind = mouse.Kind;
            replay.Inputs.push_back(input);
            return true;
        }
    return false;
}

bool ParseRequirement(TLineReader& reader, int line, TReplay& replay) {
    TReplayRequirement requirement;
    std::string relation;
    requirement.Line = line;
    if (!reader.Read(requirement.Counter) || !reader.Read(relation) ||
        !reader.Read(requirement.Value))
        return false;
    if (relation != "=" && relation != ">=") return false;
    requirement.AtLeast = relation == ">=";
    replay.Requirements.push_back(requirement);
    return true;
}

bool ParseChecksum(TLineReader& reader, TReplayExpectation& expected) {
    if (!reader.Read(expected.Checksum)) return false;
    return expected.Checksum.size() == ChecksumDigits &&
           expected.Checksum.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// One line of the file; false when it cannot be read.
bool ParseLine(const std::string& text, int line, TReplay& replay, TReplayExpectation& expected,
               int& expectationLines) {
    std::istringstream words(WithoutComment(text));
    std::string key;
    words >> key;
    std::string rest;
    std::getline(words, rest);
    TLineReader reader(rest);
    bool read = false;
    if (key == "level") {
        read = ParseLevel(reader, replay);
    } else if (key == "start") {
        std::string from;
        read = reader.Read(from) && (from == "logos" || from == "book" || from == "finished-book");
        // The splash goes on into the first level.
        replay.FromLogos = read && from == "logos";
        replay.FromBook = read && from != "logos";
        replay.Finished = read && from == "finished-book";
        replay.Island = replay.Level = 1;
    } else if (key == "taught") {
        read = replay.Taught = true;
    } else if (key == "seed") {
        read = reader.Read(replay.Seed);
    } else if (key == "ticks") {
        read = reader.Read(replay.Ticks) && replay.Ticks > 0;
    } else if (key == "require") {
        read = ParseRequirement(reader, line, replay);
    } else if (key == ScoreKey) {
        read = reader.Read(expected.Score);
        ++expectationLines;
    } else if (key == GatheringKey) {
        expected.Gathering = reader.Rest();
        read = !expected.Gathering.empty();
        if (expected.Gathering == NothingGathered) expected.Gathering.clear();
        ++expectationLines;
    } else if (key == ScenesKey) {
        expected.Scenes = reader.Rest();
        read = !expected.Scenes.empty();
        ++expectationLines;
    } else if (key == ChecksumKey) {
        read = ParseChecksum(reader, expected);
        ++expectationLines;
    } else {
        read = ParseInput(key, reader, replay);
    }
    return read && reader.AtEnd();
}

// Inputs in tick order and inside the run.
std::string CheckInputs(const TReplay& replay) {
    int previous = 0;
    for (const TReplayInput& input : replay.Inputs) {
        if (input.Tick < previous)
            return "input at tick " + std::to_string(input.Tick) + " comes after tick " +
                   std::to_string(previous);
        if (input.Tick >= replay.Ticks)
            return "input at tick " + std::to_string(input.Tick) + " lies beyond the " +
                   std::to_string(replay.Ticks) + " ticks of the run";
        previous = input.Tick;
    }
    return {};
}

} // namespace

bool ParseReplay(const std::string& text, TReplay& replay, std::string& error) {
    replay = {};
    TReplayExpectation expected;
    int expectationLines = 0;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (KeyOf(line).empty()) continue;
        if (!ParseLine(line, number, replay, expected, expectationLines)) {
            error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    if (replay.Island == 0)
        error = "no level or start line";
    else if (replay.Ticks == 0)
        error = "no ticks line";
    else if (expectationLines != 0 && expectationLines != static_cast<int>(ExpectationKeys.size()))
        error = "the expectation needs score, gathering, scenes and checksum once each";
    else
        error = CheckInputs(replay);
    if (expectationLines == static_cast<int>(ExpectationKeys.size())) replay.Expected = expected;
    return error.empty();
}

std::string ExpectationText(const TReplayExpectation& expectation) {
    std::ostringstream text;
    text << ScoreKey << ' ' << expectation.Score << '\n'
         << GatheringKey << ' '
         << (expectation.Gathering.empty() ? NothingGathered : expectation.Gathering) << '\n'
         << ScenesKey << ' ' << expectation.Scenes << '\n'
         << ChecksumKey << ' ' << expectation.Checksum << '\n';
    return text.str();
}

std::string WithExpectation(const std::string& text, const TReplayExpectation& actual) {
    std::istringstream wanted(ExpectationText(actual));
    std::array<std::string, ExpectationKeys.size()> replacement;
    for (std::string& line : replacement) std::getline(wanted, line);

    std::ostringstream result;
    std::array<bool, ExpectationKeys.size()> written{};
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        for (size_t i = 0; i < ExpectationKeys.size(); ++i)
            if (KeyOf(line) == ExpectationKeys[i]) {
                line = replacement[i];
                written[i] = true;
            }
        result << line << '\n';
    }
    for (size_t i = 0; i < ExpectationKeys.size(); ++i)
        if (!written[i]) result << replacement[i] << '\n';
    return result.str();
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf(); // an empty file sets failbit here and is simply empty
    return text.str();
}
