// The sound builder's parts: text tables and chat layout, recipes, rendering and coding.
#include "EffectBuilder.h"
#include "MusicBuilder.h"
#include "MusicComposer.h"
#include "OggCodec.h"
#include "PatchRenderer.h"
#include "SoundMeasures.h"
#include "SoundRecipe.h"
#include "Synth.h"
#include "VoiceBuilder.h"
#include "VoiceLines.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> ChatTable(std::vector<std::string> entries) {
    entries.resize(kChatEntries, "");
    return entries;
}

TEST(VoiceLines, ChatsFollowTheDialogLayout) {
    std::vector<std::string> entries = {
        "Heading one",    "J:Hello there.", "g:Hi!", "X:Who speaks?", "", "Heading two",
        "K: Spaced line", "b-Dash",         ""};
    // Conversation 3 fills all 20 entries: the next heading comes right after, with no empty entry.
    entries.push_back("Heading three");
    for (int i = 1; i <= 20; ++i) entries.push_back("C:Line " + std::to_string(i));
    entries.push_back("Heading four");
    entries.push_back("J:Last");
    const std::vector<TVoiceLine> lines = ChatVoiceLines(ChatTable(entries));
    ASSERT_EQ(lines.size(), 3u + 2u + 20u + 1u);
    EXPECT_EQ(lines[0].folder, "Chats/1");
    EXPECT_EQ(lines[0].name, "Chat1");
    EXPECT_EQ(lines[0].speaker, kHero);
    EXPECT_EQ(lines[0].text, "Hello there.");
    EXPECT_EQ(lines[1].speaker, 1) << "the speaker letter is read upper-cased";
    EXPECT_EQ(lines[2].speaker, kHero) << "an unknown letter is the hero";
    EXPECT_EQ(lines[2].name, "Chat3");
    EXPECT_EQ(lines[3].folder, "Chats/2");
    EXPECT_EQ(lines[3].speaker, 3);
    EXPECT_EQ(lines[3].text, " Spaced line") << "only the letter and its separator go";
    EXPECT_EQ(lines[4].speaker, 4);
    EXPECT_TRUE(IsSpeakable(lines[4]));
    EXPECT_FALSE(IsSpeakable({"Chats/1", "Chat9", kHero, 1, 9, " ... !"}))
        << "nothing to say, no clip";
    EXPECT_TRUE(IsSpeakable({"Chats/1", "Chat9", kHero, 1, 9, "\xC4h!"}));
    EXPECT_EQ(lines[24].folder, "Chats/3");
    EXPECT_EQ(lines[24].name, "Chat20");
    EXPECT_EQ(lines[25].folder, "Chats/4");
    EXPECT_EQ(lines[25].text, "Last");
}

TEST(VoiceLines, OnlyTheFirst130EntriesAndTwentyTwoConversationsCount) {
    std::vector<std::string> entries;
    for (int c = 1; c <= 30; ++c) entries.insert(entries.end(), {"Heading", "J:One", "G:Two", ""});
    entries.resize(200, "");
    const std::vector<TVoiceLine> lines = ChatVoiceLines(entries);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().conversation, kConversations);
    EXPECT_EQ(lines.size(), 2u * kConversations);

    std::vector<std::string> late(kChatEntries + 10, "");
    late[0] = "Heading";
    late[1] = "J:Early";
    late[2] = "";
    late[3] = "Heading";
    late[kChatEntries] = "J:Past the table"; // entry 131 is never read
    EXPECT_EQ(ChatVoiceLines(late).size(), 1u);
}

TEST(VoiceLines, TextTablesKeepEveryByteAndEveryLineEnd) {
    const fs::path path = fs::temp_directory_path() / "tovan_sound_table.txt";
    {
        std::ofstream file(path, std::ios::binary);
        file << "one\r\ntwo \rthr\xE4"
                "e|x\n\nlong line here\n";
    }
    std::vector<std::string> entries;
    ASSERT_TRUE(ReadTextTable(path.string(), 7, 8, entries));
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0], "one");
    EXPECT_EQ(entries[1], "two ") << "nothing is trimmed";
    EXPECT_EQ(entries[2], "thr\xE4"
                          "e|x");
    EXPECT_EQ(entries[3], "");
    EXPECT_EQ(entries[4], "long lin") << "cut to the table's length";
    EXPECT_EQ(entries[6], "") << "missing lines are empty";
    EXPECT_EQ(SpokenText(entries[2]), "thr\xC3\xA4"
                                      "e x");
    fs::remove(path);
    EXPECT_FALSE(ReadTextTable(path.string(), 3, 80, entries));
}

TEST(VoiceLines, TutorialStepsSpeakTitleAndText) {
    std::vector<std::string> entries(kTutorialEntries, "");
    entries[0] = "Welcome";
    entries[1] = "Swap two fruits|to make a line.";
    entries[24] = "The last island!";
    entries[25] = "Good luck.";
    const std::vector<TVoiceLine> lines = TutorialVoiceLines(entries);
    ASSERT_EQ(lines.size(), 2u) << "steps without text have no voice";
    EXPECT_EQ(lines[0].name, "Tutorial1");
    EXPECT_EQ(lines[0].text, "Welcome. Swap two fruits|to make a line.");
    EXPECT_EQ(lines[1].name, "Tutorial13");
    EXPECT_EQ(lines[1].text, "The last island! Good luck.");
}

TEST(SoundRecipe, FaultsNameTheirFileAndLine) {
    const TRecipeFile file = ParseRecipeText("# sounds\n[Ping]  # a comment\npeak = -4\n"
                                             "modal f=F#5 dur=0.2 # F#5 is a note, not a comment\n",
                                             "ping.txt");
    ASSERT_EQ(file.recipes.size(), 1u);
    const TRecipe& ping = file.recipes[0];
    EXPECT_EQ(ping.Number("peak", 0), -4);
    ASSERT_EQ(ping.entries.size(), 1u);
    EXPECT_EQ(*ping.entries[0].Find("f"), "F#5");

    auto faultOf = [](const char* text) {
        try {
            const TRecipeFile parsed = ParseRecipeText(text, "bad.txt");
            for (const TRecipe& recipe : parsed.recipes) RenderEffect(recipe);
        } catch (const TRecipeError& error) {
            return std::string(error.what());
        }
        return std::string("no fault");
    };
    EXPECT_EQ(faultOf("peak = 3\n"), "bad.txt:1: text before the first [Name]");
    EXPECT_EQ(faultOf("[A]\n[A]\n"), "bad.txt:2: [A] given twice");
    EXPECT_EQ(faultOf("[A]\ntone f=440 dur=0.1 wobble=3\n"),
              "bad.txt:2: \"tone\" has no key \"wobble\"");
    EXPECT_EQ(faultOf("[A]\n\ntone f=H7 dur=0.1\n").substr(0, 10), "bad.txt:3:");
    EXPECT_EQ(faultOf("[A]\nnoise dur=0.1\npeak = -0.5\n").substr(0, 10), "bad.txt:1:");
    EXPECT_EQ(faultOf("[A]\nsine f=440 dur=0.1\n"), "bad.txt:2: unknown layer \"sine\"");
}

TEST(SoundRecipe, NotesValuesAndChords) {
    EXPECT_DOUBLE_EQ(NoteFrequency("A4"), 440.0);
    EXPECT_NEAR(NoteFrequency("C4"), 261.626, 0.001);
    EXPECT_NEAR(NoteFrequency("Bb3"), NoteFrequency("A#3"), 1e-9);
    EXPECT_EQ(NoteFrequency("H4"), 0.0);
    EXPECT_EQ(NoteFrequency("C"), 0.0);

    TValue value;
    ASSERT_TRUE(TValue::Parse("x1.5>x1", true, value));
    EXPECT_TRUE(value.relative);
    EXPECT_EQ(value.shape, TValue::TShape::Glide);
    ASSERT_TRUE(TValue::Parse("C5~G5", true, value));
    EXPECT_EQ(value.shape, TValue::TShape::Range);
    EXPECT_FALSE(TValue::Parse("x2>440", true, value))
        << "a glide cannot mix relative and absolute ends";
    EXPECT_FALSE(TValue::Parse("C5", false, value))
        << "where a number is wanted a note is an error";

    const std::vector<TNoteEvent> run = ParseNoteRun("C5,E5/0.5,C4+G4,-", 0.25);
    ASSERT_EQ(run.size(), 4u);
    EXPECT_DOUBLE_EQ(run[1].time, 0.25);
    EXPECT_DOUBLE_EQ(run[2].time, 0.75);
    EXPECT_EQ(run[2].pitches.size(), 2u);
    EXPECT_TRUE(run[3].pitches.empty());
    EXPECT_THROW(ParseNoteRun("C5,Q9", 0.1), std::invalid_argument);

    int root = 0;
    std::vector<int> tones;
    ASSERT_TRUE(ParseChord("Am", root, tones));
    EXPECT_EQ(tones, (std::vector<int>{9, 0, 4}));
    ASSERT_TRUE(ParseChord("G7", root, tones));
    EXPECT_EQ(tones, (std::vector<int>{7, 11, 2, 5}));
    EXPECT_FALSE(ParseChord("Cdim9", root, tones));
}

TEST(EffectRendering, SameRecipeSameSamplesCleanEdgesAndTheAskedPeak) {
    const TRecipeFile file =
        ParseRecipeText("[Sparkle]\npeak = -6\nreverb = 0.2\n"
                        "modal modes=1:0:0.3,2.76:-12:0.1 dur=0.3 notes=C6,E6,G6 step=0.05\n"
                        "tone f=3000~9000 scatter=40 len=0.04 dur=0.3 decay=0.05 gainvar=4\n"
                        "noise color=brown filter=lp cutoff=2000>200 dur=0.2 decay=0.3\n",
                        "test.txt");
    const TAudio first = RenderEffect(file.recipes[0]);
    const TAudio second = RenderEffect(file.recipes[0]);
    EXPECT_EQ(first.samples, second.samples);
    const TSoundMeasures m = Measure(first);
    EXPECT_NEAR(m.peakDb, -6.0, 0.01);
    EXPECT_LE(m.edgeDb, -60.0);
    EXPECT_LE(std::abs(m.dcOffset), 0.001);
    EXPECT_LT(m.seconds, 1.4) << "the room's silent tail is cut";
}

TEST(OggCoding, CodingKeepsLengthAndStaysUnderThePeakLimit) {
    // A full-scale square wave: the coder's ringing would clip without the second pass.
    TAudio square{1, kSampleRate, TSamples(kSampleRate / 2)};
    for (std::size_t i = 0; i < square.samples.size(); ++i)
        square.samples[i] = (i / 50) % 2 ? 0.99f : -0.99f;
    const fs::path path = fs::temp_directory_path() / "tovan_sound_square.ogg";
    const double peak = WriteOggFile(path.string(), square, 0.4f, -1.0);
    TAudio decoded;
    ASSERT_TRUE(DecodeOggFile(path.string(), decoded));
    EXPECT_EQ(decoded.Frames(), square.Frames());
    EXPECT_LE(Measure(decoded).peakDb, -1.0);
    EXPECT_NEAR(Measure(decoded).peakDb, peak, 1e-6);
    fs::remove(path);
}

const char* kTinyTrack = "[Tiny]\ntempo = 120\nkey = C\nbars = 2\nreverb = 0.2\nloudness = -20\n"
                         "part instrument=ring notes=C5/4 start=7.5\n";
const char* kTinyInstruments = "[ring]\nmodal modes=1:0:1.5 dur=1.5\n";

TEST(MusicRendering, WhatRingsPastTheLoopEndSoundsAtItsStart) {
    const TRecipeFile tracks = ParseRecipeText(kTinyTrack, "tiny.txt");
    const TRecipeFile instruments = ParseRecipeText(kTinyInstruments, "instruments.txt");
    const TScore score = ComposeTrack(tracks.recipes[0]);
    const TAudio audio = RenderTrack(tracks.recipes[0], score, instruments);
    ASSERT_EQ(audio.Frames(), static_cast<std::size_t>(4 * kSampleRate)) << "two bars at 120 bpm";
    // The note starts a quarter second before the end and rings on into the start.
    EXPECT_GT(RmsDbOf(audio, 0, kSampleRate / 20), -40.0);
    const std::size_t last = audio.Frames() - 1;
    for (int c = 0; c < 2; ++c) {
        const float seam = std::abs(audio.samples[c] - audio.samples[last * 2 + c]);
        const float inside = std::abs(audio.samples[2 + c] - audio.samples[c]);
        EXPECT_LE(seam, inside * 1.5f + 1e-4f);
    }
}

TEST(MusicComposing, MelodyStaysInTheKeysPentatonicAndSectionsReturn) {
    const TRecipeFile tracks =
        ParseRecipeText("[Song]\ntempo = 100\nkey = G\nphrase = 4\nform = A B A\n"
                        "chords = G Em C D | C D G G | G Em C D\nseed = 5\n"
                        "melody instrument=lead octave=5\n",
                        "song.txt");
    const TScore score = ComposeTrack(tracks.recipes[0]);
    ASSERT_EQ(score.bars, 12);
    std::vector<int> first, last;
    for (const TScoreNote& note : score.notes) {
        const int midi = static_cast<int>(std::lround(69 + 12 * std::log2(note.hz / 440.0)));
        const int degree = ((midi - 7) % 12 + 12) % 12; // from G
        EXPECT_TRUE(degree == 0 || degree == 2 || degree == 4 || degree == 7 || degree == 9)
            << midi;
        EXPECT_GE(midi, 62) << "not below the fifth under the tonic";
        EXPECT_LE(midi, 81);
        EXPECT_GE(note.beat, 0.0);
        EXPECT_LT(note.beat, score.LengthBeats());
        // Notes played a hair early wrap round to the loop's end.
        const int bar = static_cast<int>(std::floor(note.beat / 4 + 0.05)) % score.bars;
        if (bar < 3) first.push_back(midi);
        if (bar >= 8 && bar < 11) last.push_back(midi);
    }
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, last) << "the returning section over the same chords is the same tune";
}

TEST(VoiceSpeaking, SpeechComesTrimmedAtTheGameRateAndTheVoiceLevel) {
    if (!TOVAN_HAVE_ESPEAK) GTEST_SKIP() << "espeak-ng is not installed";
    const TAudio normal = Speak("espeak-ng", "Welcome to the islands, Tovan.", "en-gb", 50, 150);
    const TAudio fast = Speak("espeak-ng", "Welcome to the islands, Tovan.", "en-gb", 50, 300);
    EXPECT_EQ(normal.rate, 44100);
    EXPECT_EQ(normal.channels, 1);
    const TSoundMeasures m = Measure(normal);
    EXPECT_NEAR(m.peakDb, -3.0, 0.01);
    EXPECT_LE(m.onsetSeconds, 0.03);
    EXPECT_LE(m.edgeDb, -40.0);
    EXPECT_GT(m.seconds, 1.0);
    EXPECT_LT(m.seconds, 3.5);
    EXPECT_LT(fast.Seconds(), normal.Seconds() * 0.7) << "a faster speed fits a shorter balloon";
}

TEST(VoiceSpeaking, AMissingSynthesiserIsReported) {
    EXPECT_THROW(Speak("/nonexistent/espeak-ng", "Hello", "en", 50, 150), std::runtime_error);
}

} // namespace
