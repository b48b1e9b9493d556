// The chapter dialog: its store from the chat table, and a conversation tick by tick through
// the recording device.
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"
#include "story/ChapterDialogClass.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// Two short conversations: the queen and Tovan, then Tovan alone.
std::vector<std::string> SampleChats() {
    return {"Chat 1",
            "G:Welcome, Tovan.",
            "J:Thank you.",
            "g:Sail on.",
            "",
            "Chat 2",
            "J:Alone at sea.",
            "x:Still Tovan.",
            ""};
}

class ChapterDialog : public ::testing::Test {
protected:
    TRecordingImageTarget Recorder;
    TChapterDialog Dialog;
    std::vector<std::string> Events;

    void SetUp() override {
        SetMainImageTarget(&Recorder);
        SetReducedEffectsMode(false);
        SetRandomSeed(7);
        Dialog.OnStartOfBalloon = [this](int line, TCharacterSide side, uint8_t client) {
            Events.push_back("start " + std::to_string(line) +
                             (side == csOrsel ? " hero " : " client ") + std::to_string(client));
        };
        Dialog.OnEndOfBalloon = [this] { Events.push_back("end"); };
        Dialog.OnEndOfConversations = [this] { Events.push_back("over"); };
        Dialog.LoadConversationEntries(SampleChats());
    }
    void TearDown() override {
        SetMainImageTarget(nullptr);
        ReleaseRandomSeed();
    }
    void Tick(int ticks = 1) {
        for (int tick = 0; tick < ticks; ++tick) {
            Recorder.Clear();
            Dialog.UpdateAndDraw();
        }
    }
    static int TicksOf(int ms) { return (ms + GameTickMs - 1) / GameTickMs; }
    // Ticks until the first balloon shows.
    void PassFirstDelay() { Tick(TicksOf(Dialog.FirstDelayTime)); }
};

TEST_F(ChapterDialog, TheStoreReadsSpeakersAndSkipsTheHeadings) {
    EXPECT_EQ(Dialog.LastLine(1), 3);
    EXPECT_EQ(Dialog.Line(1, 1).Text, "Welcome, Tovan.");
    EXPECT_EQ(Dialog.Line(1, 1).Side, csClient);
    EXPECT_EQ(Dialog.Line(1, 1).Client, 1);
    EXPECT_EQ(Dialog.Line(1, 2).Side, csOrsel);
    EXPECT_EQ(Dialog.Line(1, 3).Client, 1); // lower case counts too
    EXPECT_EQ(Dialog.LastLine(2), 2);
    EXPECT_EQ(Dialog.Line(2, 2).Side, csOrsel); // an unknown letter is the hero
    EXPECT_EQ(Dialog.LastLine(3), 0);
}

TEST_F(ChapterDialog, AFullConversationHasNoEmptyEntryAndTheNextHeadingFollowsIt) {
    std::vector<std::string> chats{"Chat 1"};
    for (int line = 1; line <= TChapterDialog::MaxLinesPerConversation; ++line)
        chats.push_back("B:line " + std::to_string(line));
    chats.insert(chats.end(), {"Chat 2", "K:next one", ""});
    Dialog.LoadConversationEntries(chats);
    EXPECT_EQ(Dialog.LastLine(1), 20);
    EXPECT_EQ(Dialog.LastLine(2), 1);
    EXPECT_EQ(Dialog.Line(2, 1).Text, "next one");
}

TEST_F(ChapterDialog, TheStoreNeverReadsPastTheTableNorBreaksOnShortLines) {
    // Every entry a line: conversations of 20 run until the table's 130 entries are used up.
    std::vector<std::string> chats(200, "J:more");
    chats[1] = "J";
    chats[2] = "K:";
    Dialog.LoadConversationEntries(chats);
    EXPECT_EQ(Dialog.Line(1, 1).Text, "");
    EXPECT_EQ(Dialog.Line(1, 2).Text, "");
    EXPECT_EQ(Dialog.Line(1, 2).Client, 3);
    int lines = 0;
    for (int conversation = 1; conversation <= TChapterDialog::ConversationCount; ++conversation)
        lines += Dialog.LastLine(conversation);
    EXPECT_EQ(lines, 130 - 7);        // seven entries were read as headings
    EXPECT_EQ(Dialog.LastLine(7), 3); // entries 128 to 130
    EXPECT_EQ(Dialog.LastLine(8), 0);
}

TEST_F(ChapterDialog, ConversationsOutOfRangeAreIgnored) {
    Dialog.Start(0);
    EXPECT_FALSE(Dialog.Active());
    Dialog.Start(TChapterDialog::ConversationCount + 1);
    EXPECT_FALSE(Dialog.Active());
    Dialog.Start(1);
    Dialog.Start(-5);
    EXPECT_EQ(Dialog.Conversation(), 1);
    // A conversation in range with no lines ends as soon as it would start.
    Dialog.Start(TChapterDialog::ConversationCount);
    Tick(200);
    EXPECT_FALSE(Dialog.Active());
    EXPECT_EQ(Events, std::vector<std::string>{"over"});
}

TEST_F(ChapterDialog, BalloonsFollowTheirOrderAndTheConversationEndsOnceFadedOut) {
    Dialog.Start(1);
    EXPECT_FALSE(Dialog.IsShowing()); // nothing has faded in yet
    PassFirstDelay();
    EXPECT_EQ(Events, std::vector<std::string>{"start 1 client 1"});
    EXPECT_EQ(Dialog.BalloonDuration(), 3900 + Dialog.ExtraIntervalPerBalloon);
    Tick(TicksOf(Dialog.BalloonDuration()));
    EXPECT_EQ(Events, (std::vector<std::string>{"start 1 client 1", "end", "start 2 hero 1"}));
    Tick(TicksOf(4600 + 650) + TicksOf(7600 + 650));
    EXPECT_EQ(Events.back(), "end");
    EXPECT_TRUE(Dialog.Active()); // still fading out
    Tick(40);
    EXPECT_FALSE(Dialog.Active());
    EXPECT_EQ(Dialog.FadeRatio(), 0.0f);
    EXPECT_EQ(std::count(Events.begin(), Events.end(), "over"), 1);
    EXPECT_EQ(Events.size(), 7u);
}

TEST_F(ChapterDialog, TheMouthMovesOnlyWhileTheVoicePlays) {
    Dialog.Start(1);
    PassFirstDelay();
    EXPECT_TRUE(Dialog.Talking(csClient));
    EXPECT_FALSE(Dialog.Talking(csOrsel));
    std::vector<int> frames;
    for (int tick = 0; tick < 60; ++tick) {
        Tick();
        frames.push_back(Dialog.TalkFrame(csClient));
        ASSERT_EQ(Recorder.CallsOf("ChatCharacter1Talk").size(), 1u);
    }
    for (int frame : frames) EXPECT_TRUE(frame >= 1 && frame <= 3);
    EXPECT_GT(std::set<int>(frames.begin(), frames.end()).size(), 1u);
    // The voice's 3.9 s are over: the mouth closes while the balloon stays a moment longer.
    Tick(TicksOf(3900) - 60);
    EXPECT_FALSE(Dialog.Talking(csClient));
    EXPECT_TRUE(Recorder.CallsOf("ChatCharacter1Talk").empty());
    EXPECT_EQ(Events.size(), 1u);
}

TEST_F(ChapterDialog, ALineWithoutItsVoiceStillEndsAfterItsTime) {
    Dialog.Start(1);
    PassFirstDelay();
    Dialog.StopTalking(); // the clip could not play
    Tick();
    EXPECT_TRUE(Recorder.CallsOf("ChatCharacter1Talk").empty());
    Tick(TicksOf(Dialog.BalloonDuration()) - 1);
    EXPECT_EQ(Events.size(), 3u);
    EXPECT_EQ(Events[1], "end");
    EXPECT_TRUE(Dialog.Talking(csOrsel)); // the next line speaks again
}

TEST_F(ChapterDialog, AClickFirstShowsTheWholeTextThenEndsTheBalloon) {
    Dialog.Start(1);
    PassFirstDelay();
    Tick(2);
    Dialog.Click(false);
    Dialog.Click(true);
    EXPECT_EQ(Dialog.Text(csClient).CharAlpha(1, 15), 225);
    Tick(2); // the reveal cursor passes the last line
    EXPECT_EQ(Events.size(), 1u);
    Dialog.Click(true);
    Tick();
    EXPECT_EQ(Events, (std::vector<std::string>{"start 1 client 1", "end", "start 2 hero 1"}));
}

TEST_F(ChapterDialog, SkippingMidBalloonFadesOutAndEndsOnce) {
    Dialog.Start(1);
    PassFirstDelay();
    Tick(30);
    Dialog.Finish();
    EXPECT_FALSE(Dialog.Talking(csClient));
    Tick(40);
    EXPECT_EQ(Events, (std::vector<std::string>{"start 1 client 1", "over"}));
    EXPECT_FALSE(Dialog.Active());
    Tick(10);
    Dialog.Finish();
    Tick(10);
    EXPECT_EQ(Events.size(), 2u);
    EXPECT_TRUE(Recorder.CallsOf("ChatTovan").empty());
}

TEST_F(ChapterDialog, AConversationWithoutClientLinesShowsTheMerchant) {
    Dialog.Start(2);
    PassFirstDelay();
    Tick();
    EXPECT_EQ(Dialog.Client(), TChapterDialog::DefaultClient);
    EXPECT_EQ(Recorder.CallsOf("ChatCharacter4").size(), 1u);
    EXPECT_EQ(Recorder.CallsOf("ChatCharacter4")[0].X, 978);
}

TEST_F(ChapterDialog, ALongLineIsWrappedToTenBalloonLinesAtMost) {
    std::string words;
    for (int word = 0; word < 200; ++word) words += "haven ";
    Dialog.LoadConversationEntries({"Chat 1", "J:" + words, ""});
    const std::string& text = Dialog.Line(1, 1).Text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '|'), 9);
    Dialog.Start(1);
    PassFirstDelay();
    Tick();
    const auto pieces = Recorder.CallsOf("ChapterDialogBalloon");
    ASSERT_EQ(pieces.size(), 12u); // top, ten lines, bottom
    EXPECT_EQ(pieces.back().PatternIndex, 2);
    EXPECT_EQ(pieces.back().Y, 173 + 10 * Dialog.LinesGap + 24);
    EXPECT_EQ(pieces[0].X, 356);
}

} // namespace
