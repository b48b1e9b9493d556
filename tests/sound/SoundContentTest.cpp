// Listen-free checks of the built sounds, music and voices in the game folder.
#include "OggCodec.h"
#include "SoundMeasures.h"
#include "SoundRecipe.h"
#include "VoiceBuilder.h"
#include "VoiceLines.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
const std::string kGame = TOVAN_GAME_DIR;
const std::string kSource = TOVAN_SOURCE_DIR;

// Every effect the game plays: the audio list, the island families, the energy level 1 chime,
// the comment stingers and the sticker ambiences.
std::set<std::string> RequiredEffects() {
    std::set<std::string> names = {"AllUpgradesFinished",
                                   "Bells",
                                   "Bomb",
                                   "Bonus",
                                   "BonusEnergy",
                                   "BubblePop",
                                   "ChainLock",
                                   "Click",
                                   "Collector",
                                   "Combo",
                                   "DiamondFound",
                                   "DisabledTile",
                                   "ElementBounce1",
                                   "ElementBounce2",
                                   "ElementBounce3",
                                   "EternaFound",
                                   "Hammer",
                                   "InfinityFound",
                                   "ItemActivated",
                                   "TovanVoice1",
                                   "TovanVoice2",
                                   "Key",
                                   "Lightning",
                                   "LockerBounce",
                                   "LockerBreak",
                                   "MannaNotify2",
                                   "MannaNotify3",
                                   "MatchX",
                                   "MouseOver",
                                   "NotifyHigh",
                                   "NotifyLow",
                                   "Ocean",
                                   "PickingTool",
                                   "ScoreCount",
                                   "Scoring",
                                   "SlotTing",
                                   "SpiderHit",
                                   "Stamper",
                                   "TileClear",
                                   "WhipAway",
                                   "MannaNotify1",
                                   "TimeUp",
                                   "StageComplete",
                                   "NoMoreMoves",
                                   "TimeRunningOut",
                                   "EastParty",
                                   "Seagulls",
                                   "Shore",
                                   "Underwater",
                                   "SilentShore",
                                   "Wind",
                                   "CrowdChant"};
    for (int island = 1; island <= 5; ++island)
        names.insert("ChapterEntry" + std::to_string(island));
    for (int island = 1; island <= 4; ++island)
        names.insert("UpgradesFinished" + std::to_string(island));
    return names;
}

// Names played in code: PlaySound("Name") literals, and "Prefix" + number families.
void ScanCodeText(const std::string& code, std::set<std::string>& literals,
                  std::set<std::string>& families) {
    auto skipBlanks = [&](std::size_t at) {
        while (at < code.size() && std::isspace(static_cast<unsigned char>(code[at]))) ++at;
        return at;
    };
    const std::string call = "PlaySound(";
    for (std::size_t at = code.find(call); at != std::string::npos; at = code.find(call, at + 1)) {
        std::size_t quote = skipBlanks(at + call.size());
        if (code.compare(quote, 12, "std::string(") == 0) quote = skipBlanks(quote + 12);
        if (quote >= code.size() || code[quote] != '"') continue;
        const std::size_t close = code.find('"', quote + 1);
        if (close == std::string::npos) break;
        const std::string name = code.substr(quote + 1, close - quote - 1);
        std::size_t next = skipBlanks(close + 1);
        if (next < code.size() && code[next] == ')') {
            const std::size_t after = skipBlanks(next + 1);
            if (after < code.size() && code[after] == '+')
                families.insert(name);
            else
                literals.insert(name);
        } else if (next < code.size() && code[next] == '+') {
            families.insert(name);
        }
    }
}

void ScanCode(std::set<std::string>& literals, std::set<std::string>& families) {
    for (const auto& file : fs::recursive_directory_iterator(kSource + "/src")) {
        const std::string extension = file.path().extension().string();
        if (extension != ".cpp" && extension != ".h") continue;
        std::ifstream in(file.path());
        std::stringstream text;
        text << in.rdbuf();
        ScanCodeText(text.str(), literals, families);
    }
}

bool SoundExists(const std::string& name) {
    return fs::exists(kGame + "/Sounds/" + name + ".ogg");
}

struct TRange {
    double shortest;
    double longest;
};

bool IsAmbience(const std::string& name) {
    static const std::set<std::string> kAmbiences = {"Ocean", "EastParty",  "Seagulls",
                                                     "Shore", "Underwater", "SilentShore",
                                                     "Wind",  "CrowdChant"};
    return kAmbiences.contains(name);
}

// How long each effect may be, from where the game plays it.
TRange ExpectedLength(const std::string& name) {
    static const std::map<std::string, TRange> kLengths = {
        {"Click", {0.02, 0.062}},        {"ScoreCount", {0.02, 0.06}},
        {"MouseOver", {0.02, 0.062}},    {"ElementBounce1", {0.04, 0.3}},
        {"ElementBounce2", {0.04, 0.3}}, {"ElementBounce3", {0.04, 0.3}},
        {"LockerBounce", {0.04, 0.3}},   {"SlotTing", {0.1, 0.4}},
        {"LockerBreak", {0.15, 0.6}},    {"Key", {0.3, 0.6}},
        {"Collector", {0.7, 1.6}},       {"Bells", {2.0, 3.0}},
        {"Lightning", {1.0, 2.5}},       {"AllUpgradesFinished", {5.0, 7.0}},
    };
    if (const auto it = kLengths.find(name); it != kLengths.end()) return it->second;
    if (IsAmbience(name)) return {3.0, 6.0};
    if (name.starts_with("ChapterEntry")) return {2.5, 3.5};
    if (name.starts_with("UpgradesFinished")) return {2.0, 4.0};
    return {0.05, 1.6};
}

std::vector<std::string> OggFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const auto& file : fs::directory_iterator(folder))
        if (file.path().extension() == ".ogg") names.push_back(file.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

TAudio Decoded(const std::string& path) {
    TAudio audio;
    EXPECT_TRUE(DecodeOggFile(path, audio)) << path << " does not decode";
    return audio;
}

// The level effects are heard at: the median of their loudest 400 ms.
double EffectsLoudnessDb() {
    std::vector<double> levels;
    for (const std::string& name : OggFilesIn(kGame + "/Sounds"))
        levels.push_back(Measure(Decoded(kGame + "/Sounds/" + name + ".ogg")).loudestDb);
    std::sort(levels.begin(), levels.end());
    return levels.empty() ? 0 : levels[levels.size() / 2];
}

TEST(SoundContent, TheCodeScanFindsNamesAndFamilies) {
    std::set<std::string> literals, families;
    ScanCodeText(R"(PlaySound("BubblePop"); PlaySound( "Key" );
                   PlaySound("ChapterEntry" + std::to_string(island));
                   PlaySound(std::string("UpgradesFinished") + std::to_string(i));
                   PlaySound(Sounds[Random(3)]); PlayVoice("Chat1");)",
                 literals, families);
    EXPECT_EQ(literals, (std::set<std::string>{"BubblePop", "Key"}));
    EXPECT_EQ(families, (std::set<std::string>{"ChapterEntry", "UpgradesFinished"}));
}

TEST(SoundContent, EveryEffectTheGamePlaysExists) {
    std::set<std::string> names = RequiredEffects();
    std::set<std::string> families;
    ScanCode(names, families);
    for (const std::string& name : names)
        EXPECT_TRUE(SoundExists(name)) << "missing Sounds/" << name << ".ogg";
    for (const std::string& prefix : families)
        EXPECT_TRUE(SoundExists(prefix + "1")) << "missing family " << prefix;
    // The effect player holds 91 streams, five of them for each of the six busy sounds.
    EXPECT_LE(OggFilesIn(kGame + "/Sounds").size() + 6 * 4, 91u);
}

TEST(SoundContent, EveryEffectIsCleanAndFitsItsUse) {
    const std::vector<std::string> names = OggFilesIn(kGame + "/Sounds");
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const TAudio audio = Decoded(kGame + "/Sounds/" + name + ".ogg");
        EXPECT_EQ(audio.channels, 1);
        EXPECT_EQ(audio.rate, 44100);
        const TSoundMeasures m = Measure(audio);
        const TRange length = ExpectedLength(name);
        EXPECT_GE(m.seconds, length.shortest);
        EXPECT_LE(m.seconds, length.longest);
        EXPECT_LE(m.peakDb, -1.0) << "clips";
        EXPECT_GE(m.peakDb, -24.0) << "too quiet to hear";
        EXPECT_GE(m.rmsDb, -45.0) << "mostly silence";
        // Feedback starts at once; only the sticker ambiences swell in.
        EXPECT_LE(m.onsetSeconds, IsAmbience(name) ? 0.5 : 0.03) << "starts late";
        EXPECT_LE(m.edgeDb, -40.0) << "starts or stops with a click";
        EXPECT_LE(std::abs(m.dcOffset), 0.005);
    }
}

const std::vector<std::string> kLoopedTracks = {"Splash", "MainGame1", "MainGame2", "Upgrade1",
                                                "Upgrade2"};

TEST(SoundContent, MusicLoopsJoinWithoutASeam) {
    const double effects = EffectsLoudnessDb();
    for (const std::string& track : kLoopedTracks) {
        SCOPED_TRACE(track);
        const TAudio audio = Decoded(kGame + "/Music/" + track + ".ogg");
        ASSERT_EQ(audio.channels, 2);
        const TSoundMeasures m = Measure(audio);
        EXPECT_GE(m.seconds, 40.0);
        EXPECT_LE(m.seconds, 90.0);
        EXPECT_LE(m.peakDb, -1.0);
        // About 6 dB under the effects.
        EXPECT_NEAR(effects - m.rmsDb, 6.0, 3.0)
            << "effects " << effects << " dB, music " << m.rmsDb << " dB";
        // The step from the last sample to the first is no bigger than the steps inside the track.
        const std::size_t frames = audio.Frames();
        for (int c = 0; c < 2; ++c) {
            std::vector<float> steps;
            for (std::size_t i = 1; i < frames; ++i)
                steps.push_back(
                    std::abs(audio.samples[i * 2 + c] - audio.samples[(i - 1) * 2 + c]));
            std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
            const float usual = steps[steps.size() * 999 / 1000];
            EXPECT_LE(std::abs(audio.samples[c] - audio.samples[(frames - 1) * 2 + c]), usual);
        }
        // No fade at either end: the music goes on through the seam.
        const std::size_t tenth = audio.rate / 10;
        EXPECT_GE(RmsDbOf(audio, 0, tenth), m.rmsDb - 15);
        EXPECT_GE(RmsDbOf(audio, frames - tenth, tenth), m.rmsDb - 15);
    }
}

TEST(SoundContent, LevelClearIsAShortFanfareThatEndsInSilence) {
    const TAudio audio = Decoded(kGame + "/Music/LevelClear.ogg");
    ASSERT_EQ(audio.channels, 2);
    const TSoundMeasures m = Measure(audio);
    EXPECT_GE(m.seconds, 2.0);
    EXPECT_LE(m.seconds, 10.0);
    EXPECT_LE(m.peakDb, -1.0);
    EXPECT_LE(m.onsetSeconds, 0.05);
    EXPECT_LE(RmsDbOf(audio, audio.Frames() - audio.rate / 20, audio.rate / 20), -45.0);
}

TEST(SoundContent, EverySpokenLineHasItsVoice) {
    if (!TOVAN_HAVE_ESPEAK) GTEST_SKIP() << "espeak-ng is not installed: the game plays no voices";
    const std::string texts = kSource + "/content/Texts";
    std::vector<std::string> entries;
    std::vector<TVoiceLine> lines;
    if (ReadTextTable(texts + "/GameTutorial.txt", kTutorialEntries, 255, entries))
        lines = TutorialVoiceLines(entries);
    if (ReadTextTable(texts + "/CharacterChats.txt", kChatEntries, 255, entries)) {
        const auto chats = ChatVoiceLines(entries);
        lines.insert(lines.end(), chats.begin(), chats.end());
    }
    if (lines.empty()) GTEST_SKIP() << "no tutorial or chat texts yet";
    const TRecipeFile settings = LoadRecipeFile(kSource + "/content/sounds/voices.txt");
    for (const TVoiceLine& line : lines) {
        if (!IsSpeakable(line)) continue;
        const std::string path = kGame + "/Voices/" + line.folder + "/" + line.name + ".ogg";
        SCOPED_TRACE(path);
        ASSERT_TRUE(fs::exists(path));
        const TAudio audio = Decoded(path);
        const TSoundMeasures m = Measure(audio);
        EXPECT_LE(m.peakDb, -1.0);
        EXPECT_GE(m.peakDb, -12.0);
        EXPECT_LE(m.onsetSeconds, 0.1);
        EXPECT_LE(m.edgeDb, -40.0);
        bool exact = false;
        const double limit = ClipLimit(settings, line, exact);
        if (exact) {
            EXPECT_NEAR(m.seconds, limit, 0.05) << "the dialog waits exactly this long";
        } else if (limit > 0) {
            EXPECT_LE(m.seconds, limit + 0.02) << "cut off when its balloon ends";
        }
    }
    // The voice player holds 20 streams and loads a whole folder at once.
    for (const auto& folder : fs::recursive_directory_iterator(kGame + "/Voices")) {
        if (!folder.is_directory()) continue;
        EXPECT_LE(OggFilesIn(folder.path().string()).size(), 20u) << folder.path();
    }
}

} // namespace
