#pragma once
// TChapterDialog: a conversation between Tovan and one of the four clients over the haven, one
// speech balloon at a time beside the two portraits. The speaker's mouth moves while the line's
// voice plays; the owner plays the voice when a balloon starts and decides what follows the
// conversation.
#include "engine/SpritePopperClass.h"
#include "engine/ValueUpDownClass.h"
#include "story/NarrationTextClass.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TTextStrings;

enum TCharacterSide : uint8_t { csOrsel, csClient };

struct TChatLine {
    std::string Text; // wrapped for the balloon: at most 10 lines joined with "|"
    TCharacterSide Side = csOrsel;
    uint8_t Client = 0; // 1..4 on client lines
};

class TChapterDialog {
public:
    static constexpr int ConversationCount = 22;
    static constexpr int MaxLinesPerConversation = 20;
    static constexpr int ChatEntries = 130;
    static constexpr int ClientCount = 4;
    static constexpr int MaxBalloonLines = 10;
    // The client shown when a conversation has no client line.
    static constexpr uint8_t DefaultClient = 4;
    // A line the voice table does not list lasts this long.
    static constexpr int DefaultVoiceMs = 5000;

    int BalloonAlphaStep = 25;
    int MaxBalloonAlpha = 230;
    int MaxBalloonTextWidth = 345;
    int FirstDelayTime = 600;
    int LinesGap = 24;
    int IntervalPerChar = 45;
    int ExtraIntervalPerBalloon = 650;
    int MinimumLineLengthForInterval = 35;

    // A balloon shows: its line number in the conversation, the speaker, the client number.
    std::function<void(int line, TCharacterSide speaker, uint8_t client)> OnStartOfBalloon;
    std::function<void()> OnEndOfBalloon;
    // The conversation has ended and faded out.
    std::function<void()> OnEndOfConversations;

    TChapterDialog();

    // Reads the conversations from the character-chat table once.
    void LoadConversations(const TTextStrings& texts);
    // The same from the table's entries (entry k at index k - 1); at most 130 are read.
    void LoadConversationEntries(const std::vector<std::string>& entries);

    // Conversation 1..22; any other number is ignored.
    void Start(int conversation);
    // Once per tick while the haven shows: timers, then backdrop, portraits and balloons.
    void UpdateAndDraw();
    // A primary click ends a balloon early once its text has fully appeared.
    void Click(bool primaryButton);
    // Fades everything out and ends the conversation (the skip button).
    void Finish();
    // The line has no voice to play: the speaker's mouth stays closed.
    void StopTalking();
    bool IsShowing() const { return active_ && fade_ > 0; }

    // What the tests and the owner read.
    bool Active() const { return active_; }
    int Conversation() const { return conversation_; }
    int CurrentLine() const { return currentLine_; }
    int LastLine(int conversation) const;
    // Line `line` (from 1) of the conversation; an empty line outside the store.
    const TChatLine& Line(int conversation, int line) const;
    uint8_t Client() const { return client_; }
    bool Talking(TCharacterSide side) const { return sides_[side].Talking; }
    int TalkFrame(TCharacterSide side) const { return sides_[side].Frame; }
    int BalloonAlpha(TCharacterSide side) const { return sides_[side].BalloonAlpha; }
    int BalloonDuration() const { return balloonDuration_; }
    float FadeRatio() const { return fade_; }
    const TNarrationText& Text(TCharacterSide side) const { return sides_[side].Text; }
    // Milliseconds of the recorded voice of a line.
    static int VoiceDuration(int conversation, int line);

private:
    struct TSide {
        TPoint PortraitPos;
        TPoint BalloonPos;
        TSpritePopper Popper;
        TNarrationText Text;
        TValueUpDown Breath;
        int BalloonAlpha = 0;
        int BalloonTarget = 0;
        int Lines = 1;
        bool Talking = false;
        int Frame = 1;
        int PreviousFrame = 1;
        int FrameInterval = 0;
        int FrameTime = 0;
    };
    struct TConversation {
        std::array<TChatLine, MaxLinesPerConversation> Lines;
        int LastLine = 0;
    };

    void ResetState();
    void ConfigureSide(TSide& side);
    void WrapLines();
    void Animate(TSide& side);
    void DrawPortraits();
    void DrawBalloon(const TSide& side) const;
    void AdvanceBalloonTime();
    // False for an empty line: nothing starts.
    bool StartBalloon();
    uint8_t FadeAlpha(int alpha) const;

    std::array<TConversation, ConversationCount> store_{};
    std::array<TSide, 2> sides_{};
    bool active_ = false;
    bool ending_ = false;
    bool firstDelayPending_ = false;
    bool balloonRunning_ = false;
    int firstDelayTime_ = 0;
    int conversation_ = 0;
    int currentLine_ = 0;
    int lastLine_ = 0;
    uint8_t client_ = DefaultClient;
    int balloonTime_ = 0;
    int balloonDuration_ = 0;
    float fade_ = 0;
    float fadeTarget_ = 0;
    int shineTicks_ = 0;
};
