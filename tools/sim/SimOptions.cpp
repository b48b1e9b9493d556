#include "SimOptions.h"

#include "engine/GameGlobals.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <regex>

namespace {

constexpr int LongestThink = 100000;
constexpr int MostRounds = 100000;
constexpr int LongestRound = 24 * 3600;
constexpr double MsPerSecond = 1000.0;
constexpr int Percent = 100;

template <typename T> bool ParseNumber(const std::string& text, T& value, T low, T high) {
    T parsed{};
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (fault != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

const char* MedalName(TMedalKind medal) {
    switch (medal) {
    case mdGold:
        return "gold";
    case mdSilver:
        return "silver";
    case mdBronze:
        return "bronze";
    default:
        return nullptr;
    }
}

const char* ResultName(TSimResult result) {
    switch (result) {
    case TSimResult::Won:
        return "won";
    case TSimResult::Lost:
        return "lost";
    default:
        return "error";
    }
}

// The slots the level asks for: "bananas 30/30 apples 12/20".
std::string GatheredText(const TSimRound& round) {
    std::string text;
    for (int slot = 0; slot < TElementGather::SlotCount; ++slot) {
        if (round.Targets[slot] == 0) continue;
        text += std::string(text.empty() ? "" : " ") + GatherSlotName(slot) + ' ' +
                std::to_string(round.Gathered[slot]) + '/' + std::to_string(round.Targets[slot]);
    }
    return text;
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char character : text) {
        if (character == '"' || character == '\\') quoted += '\\';
        if (static_cast<unsigned char>(character) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", character);
            quoted += escaped;
            continue;
        }
        quoted += character;
    }
    return quoted + '"';
}

// An option's value, the next argument; False when there is none.
bool TakeValue(const std::vector<std::string>& args, size_t& index, std::string& value) {
    if (index + 1 >= args.size()) return false;
    value = args[++index];
    return true;
}

bool ParseOption(const std::vector<std::string>& args, size_t& index, TSimOptions& options,
                 std::string& error) {
    const std::string& name = args[index];
    TSimSettings& settings = options.Settings;
    if (name == "--relaxed") return settings.Relaxed = true;
    if (name == "--json") return options.Json = true;
    if (name == "--memory") return options.Memory = true;
    if (name == "--campaign") return options.Campaign = true;
    if (name == "--help" || name == "-h") return options.Help = true;
    std::string value;
    const bool known = name == "--bot" || name == "--think" || name == "--seed" ||
                       name == "--rounds" || name == "--game" || name == "--max-seconds" ||
                       name == "--chart";
    if (!known) {
        error = "unknown option " + name;
        return false;
    }
    if (!TakeValue(args, index, value)) {
        error = name + " needs a value";
        return false;
    }
    bool good = true;
    if (name == "--bot") {
        good = value == "hint" || value == "greedy";
        settings.Bot = value == "greedy" ? TSimBotKind::Greedy : TSimBotKind::Hint;
    } else if (name == "--think") {
        good = ParseNumber(value, settings.ThinkTicks, 0, LongestThink);
    } else if (name == "--seed") {
        good = ParseNumber<uint64_t>(value, options.Seed, 0, UINT64_MAX);
    } else if (name == "--rounds") {
        good = ParseNumber(value, options.Rounds, 1, MostRounds);
    } else if (name == "--max-seconds") {
        good = ParseNumber(value, settings.MaxSeconds, 1, LongestRound);
    } else if (name == "--chart") {
        options.Chart = value;
    } else {
        options.GameFolder = value;
    }
    if (!good) error = "bad value for " + name + ": " + value;
    return good;
}

} // namespace

bool ParseLevelName(const std::string& text, uint8_t& island, int& level) {
    static const std::regex pattern(R"((?:Level)?([1-9])-([0-9]{2})(?:\.zel)?)");
    std::smatch match;
    const std::string name = std::filesystem::path(text).filename().string();
    if (!std::regex_match(name, match, pattern)) return false;
    island = static_cast<uint8_t>(std::stoi(match[1].str()));
    level = std::stoi(match[2].str());
    return level >= 1;
}

bool ParseSimOptions(const std::vector<std::string>& args, TSimOptions& options,
                     std::string& error) {
    for (size_t index = 0; index < args.size(); ++index) {
        if (args[index].rfind("--", 0) == 0 || args[index] == "-h") {
            if (!ParseOption(args, index, options, error)) return false;
            continue;
        }
        if (!options.Level.empty()) {
            error = "one level only, not also " + args[index];
            return false;
        }
        options.Level = args[index];
    }
    if (options.Help) return true;
    if (options.Campaign) {
        if (!options.Level.empty() || options.Json) {
            error = "--campaign plays every level: no LEVEL and no --json with it";
            return false;
        }
        return true;
    }
    if (!options.Chart.empty()) {
        error = "--chart goes with --campaign";
        return false;
    }
    if (options.Level.empty()) {
        error = "no level given";
        return false;
    }
    std::error_code ignored;
    if (!std::filesystem::is_directory(options.Level, ignored) &&
        !ParseLevelName(options.Level, options.Settings.Island, options.Settings.Level)) {
        error = "not a level name: " + options.Level +
                " (1-02, a file named Level1-02.zel, or a folder of them)";
        return false;
    }
    return true;
}

std::string RoundLine(const std::string& level, const TSimRound& round) {
    std::string line = level + " seed " + std::to_string(round.Seed) + ": ";
    if (round.Result == TSimResult::Error)
        return line + "error: " + round.Error +
               (GatheredText(round).empty() ? "" : ", gathered " + GatheredText(round));
    const char* medal = MedalName(round.Medal);
    return line + ResultName(round.Result) + " in " + std::to_string(round.ElapsedSeconds) +
           " of " + std::to_string(round.RoundTimeSeconds) + " s, medal " +
           (medal ? medal : "none") + ", score " + std::to_string(round.Score) + ", moves " +
           std::to_string(round.Moves) + ", gathered " + GatheredText(round);
}

std::string RoundJson(const std::string& level, const TSimRound& round) {
    std::string gathered;
    for (int slot = 0; slot < TElementGather::SlotCount; ++slot) {
        if (round.Targets[slot] == 0) continue;
        gathered += std::string(gathered.empty() ? "" : ",") + JsonString(GatherSlotName(slot)) +
                    ':' + std::to_string(round.Gathered[slot]);
    }
    const char* medal = MedalName(round.Medal);
    std::string json = "{\"level\":" + JsonString(level) +
                       ",\"seed\":" + std::to_string(round.Seed) + ",\"result\":\"" +
                       ResultName(round.Result) + "\"";
    if (round.Result == TSimResult::Error)
        return json + ",\"error\":" + JsonString(round.Error) + '}';
    return json + ",\"elapsed_s\":" + std::to_string(round.ElapsedSeconds) +
           ",\"round_time_s\":" + std::to_string(round.RoundTimeSeconds) +
           ",\"medal\":" + (medal ? JsonString(medal) : "null") +
           ",\"score\":" + std::to_string(round.Score) +
           ",\"moves\":" + std::to_string(round.Moves) + ",\"gathered\":{" + gathered + "}}";
}

std::string SummaryText(const std::string& level, const std::vector<TSimRound>& rounds,
                        double cpuSeconds) {
    std::vector<int> wonTimes;
    int medals[3] = {};
    double gameSeconds = 0;
    for (const TSimRound& round : rounds) {
        gameSeconds += round.Ticks * GameTickMs / MsPerSecond;
        if (round.Result != TSimResult::Won) continue;
        wonTimes.push_back(round.ElapsedSeconds);
        if (round.Medal <= mdGold) ++medals[round.Medal];
    }
    std::sort(wonTimes.begin(), wonTimes.end());
    char line[320];
    const double median =
        wonTimes.empty() ? 0
        : wonTimes.size() % 2 == 1
            ? wonTimes[wonTimes.size() / 2]
            : (wonTimes[wonTimes.size() / 2 - 1] + wonTimes[wonTimes.size() / 2]) / 2.0;
    std::snprintf(line, sizeof line,
                  "%s: %zu rounds, won %zu (%d %%), median time won %.1f s, medals gold %d "
                  "silver %d bronze %d; %.0f game s in %.2f CPU s (%.0f game s per CPU s)",
                  level.c_str(), rounds.size(), wonTimes.size(),
                  rounds.empty() ? 0 : static_cast<int>(Percent * wonTimes.size() / rounds.size()),
                  median, medals[mdGold], medals[mdSilver], medals[mdBronze], gameSeconds,
                  cpuSeconds, cpuSeconds > 0 ? gameSeconds / cpuSeconds : 0.0);
    return line;
}
