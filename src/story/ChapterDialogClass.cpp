#include "story/ChapterDialogClass.h"

#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr int FullAlpha = 255;
constexpr TPoint HeroPortrait{92, 110};
constexpr TPoint HeroBalloon{356, 173};
constexpr std::array<TPoint, TChapterDialog::ClientCount> ClientPortraits{
    {{973, 53}, {980, 110}, {974, 110}, {978, 123}}};
constexpr std::array<TPoint, TChapterDialog::ClientCount> ClientBalloons{
    {{596, 173}, {605, 163}, {634, 186}, {599, 149}}};

// The voice table: the recorded length of the lines of the first three conversations.
struct TVoiceLengths {
    int Conversation;
    std::array<int, 6> Ms;
};
constexpr std::array<TVoiceLengths, 3> VoiceLengths{{
    {1, {3900, 4600, 7600, 0, 0, 0}},
    {2, {7200, 6500, 2800, 0, 0, 0}},
    {3, {4100, 5500, 2200, 3200, 9700, 2600}},
}};

// The backdrop behind a conversation.
constexpr int BackdropDarkness = 125;
constexpr float HalfSizeScale = 2.0f;
constexpr float FadeStep = 0.07f;
// The balloon text sits inside the balloon's top piece.
constexpr TPoint TextInset{30, 23};
constexpr int BalloonPieceHeight = 24;
enum TBalloonPiece { bpTop, bpMiddle, bpBottom };
constexpr TNarrationTiming BalloonTiming{25, 1, 50};
constexpr TNarrationTiming ReducedBalloonTiming{75, 3, 150};
constexpr float BalloonTextRatio = 0.59f;
constexpr int BalloonTextSpacing = -2;
constexpr int BalloonTextCaps = 5;
constexpr int BalloonTextStartAlpha = 30;
constexpr int BalloonTextMaxAlpha = 225;
// The mouth: a new frame every 135 or 200 ms, never the same twice.
constexpr std::array<int, 2> TalkIntervals{135, 200};
constexpr int TalkFrames = 3;
constexpr int TalkFrameDraws = 30;
// The poppers: a balloon grows from a sliver past its size and settles.
constexpr double PopMin = 0.1;
constexpr double PopNormal = 1.0;
constexpr double PopMax = 1.05;
constexpr double PopUp = 0.2;
constexpr double PopDown = 0.02;
// The portraits breathe a few pixels up and down.
constexpr float BreathPixels = 4.0f;
constexpr float BreathStep = 0.12f;
// Queen Maren's shine turns in small steps, so a turned copy can be kept between them.
constexpr TPoint ShinePos{1082, 147};
constexpr int ShineAlpha = 35;
constexpr int ShineTicksPerStep = 10;
constexpr float ShineDegreesPerTick = 0.085f;
constexpr uint8_t QueenClient = 1;

TCharacterSide SpeakerOf(char letter, uint8_t& client) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'G':
        client = 1;
        return csClient;
    case 'C':
        client = 2;
        return csClient;
    case 'K':
        client = 3;
        return csClient;
    case 'B':
        client = 4;
        return csClient;
    default:
        client = 0;
        return csOrsel;
    }
}

} // namespace

TChapterDialog::TChapterDialog() {
    for (TSide& side : sides_) ConfigureSide(side);
    sides_[csOrsel].PortraitPos = HeroPortrait;
    sides_[csOrsel].BalloonPos = HeroBalloon;
    ResetState();
}

void TChapterDialog::ConfigureSide(TSide& side) {
    side.Popper.SetupRatios(PopMin, PopNormal, PopMax, PopUp, PopDown);
    TNarrationText& text = side.Text;
    text.FontKind = fkAirstripNormal;
    text.FontRatio = BalloonTextRatio;
    text.HorzSpaceAdd = BalloonTextSpacing;
    text.VertSpace = LinesGap;
    text.CapsAdj = BalloonTextCaps;
    text.StartingAlpha = BalloonTextStartAlpha;
    text.SetMaxAlpha(BalloonTextMaxAlpha);
    text.ApplyTiming(BalloonTiming, ReducedBalloonTiming);
    side.Breath.Init(0, BreathPixels, BreathStep, BreathStep);
}

void TChapterDialog::LoadConversations(const TTextStrings& texts) {
    std::vector<std::string> entries;
    for (int entry = 1; entry <= ChatEntries; ++entry)
        entries.push_back(texts.CharacterChats(entry));
    LoadConversationEntries(entries);
}

// Each conversation: a heading entry, up to 20 lines, an empty entry. Reading stops at the
// table's end, whatever a conversation would still want.
void TChapterDialog::LoadConversationEntries(const std::vector<std::string>& entries) {
    store_ = {};
    const int available = std::min(static_cast<int>(entries.size()), ChatEntries);
    int entry = 2; // past the first heading
    for (TConversation& conversation : store_) {
        while (conversation.LastLine < MaxLinesPerConversation && entry <= available) {
            const std::string& raw = entries[static_cast<size_t>(entry - 1)];
            ++entry;
            if (raw.empty()) break;
            TChatLine& line = conversation.Lines[static_cast<size_t>(conversation.LastLine++)];
            line.Side = SpeakerOf(raw[0], line.Client);
            // The letter and its separator; a line of one character keeps nothing.
            line.Text = raw.substr(std::min<size_t>(2, raw.size()));
        }
        ++entry; // the next conversation's heading
    }
    WrapLines();
}

void TChapterDialog::WrapLines() {
    for (TConversation& conversation : store_)
        for (TChatLine& line : conversation.Lines) {
            if (line.Text.empty()) continue;
            std::string wrapped;
            for (int part = 1; part <= MaxBalloonLines; ++part) {
                const std::string piece = WrapText(fkAirstripNormal, line.Text, BalloonTextSpacing,
                                                   part, MaxBalloonTextWidth, BalloonTextRatio);
                if (piece.empty()) break;
                if (!wrapped.empty()) wrapped += '|';
                wrapped += piece;
            }
            line.Text = wrapped;
        }
}

int TChapterDialog::LastLine(int conversation) const {
    if (conversation < 1 || conversation > ConversationCount) return 0;
    return store_[static_cast<size_t>(conversation - 1)].LastLine;
}

const TChatLine& TChapterDialog::Line(int conversation, int line) const {
    static const TChatLine NoLine;
    if (line < 1 || line > LastLine(conversation)) return NoLine;
    return store_[static_cast<size_t>(conversation - 1)].Lines[static_cast<size_t>(line - 1)];
}

int TChapterDialog::VoiceDuration(int conversation, int line) {
    for (const TVoiceLengths& lengths : VoiceLengths)
        if (lengths.Conversation == conversation && line >= 1 &&
            line <= static_cast<int>(lengths.Ms.size()) && lengths.Ms[line - 1] > 0)
            return lengths.Ms[line - 1];
    return DefaultVoiceMs;
}

void TChapterDialog::ResetState() {
    active_ = ending_ = firstDelayPending_ = balloonRunning_ = false;
    firstDelayTime_ = balloonTime_ = balloonDuration_ = 0;
    conversation_ = currentLine_ = lastLine_ = 0;
    fade_ = fadeTarget_ = 0;
    for (TSide& side : sides_) {
        side.Text.Reset();
        side.Popper.Reset();
        side.BalloonAlpha = side.BalloonTarget = 0;
        side.Lines = 1;
        side.Talking = false;
        side.Frame = side.PreviousFrame = 1;
        side.FrameTime = side.FrameInterval = 0;
    }
}

void TChapterDialog::Start(int conversation) {
    if (conversation < 1 || conversation > ConversationCount) return;
    ResetState();
    active_ = true;
    conversation_ = conversation;
    currentLine_ = 1;
    lastLine_ = LastLine(conversation);
    client_ = DefaultClient;
    for (int line = 1; line <= lastLine_; ++line)
        if (Line(conversation, line).Side == csClient) {
            client_ = Line(conversation, line).Client;
            break;
        }
    sides_[csClient].PortraitPos = ClientPortraits[client_ - 1];
    sides_[csClient].BalloonPos = ClientBalloons[client_ - 1];
    fadeTarget_ = 1;
    firstDelayPending_ = true;
}

uint8_t TChapterDialog::FadeAlpha(int alpha) const {
    return static_cast<uint8_t>(std::clamp(RoundHalfEven(fade_ * alpha), 0, FullAlpha));
}

void TChapterDialog::UpdateAndDraw() {
    for (TSide& side : sides_) side.Breath.Step();
    if (fade_ > 0) {
        DrawImage(Pictures::BlackRect, 0, 0, 0, 0, 0, HalfSizeScale, HalfSizeScale, 0, 0, 0,
                  FadeAlpha(BackdropDarkness), 0);
        DrawImage(Pictures::MovieEffectMask, 0, 0, 0, 0, 0, HalfSizeScale, HalfSizeScale, FullAlpha,
                  FullAlpha, FullAlpha, FadeAlpha(FullAlpha), 0);
    }
    for (TSide& side : sides_) Animate(side);
    DrawPortraits();
    if (!active_) return;
    if (firstDelayPending_ && AdvanceTickTimer(firstDelayTime_, FirstDelayTime)) {
        firstDelayPending_ = false;
        balloonRunning_ = true;
        if (!StartBalloon()) Finish();
    }
    fade_ = fade_ < fadeTarget_ ? std::min(fade_ + FadeStep, fadeTarget_)
                                : std::max(fade_ - FadeStep, fadeTarget_);
    for (TSide& side : sides_) {
        side.Popper.Update();
        side.BalloonAlpha =
            side.BalloonAlpha < side.BalloonTarget
                ? std::min(side.BalloonAlpha + BalloonAlphaStep, side.BalloonTarget)
                : std::max(side.BalloonAlpha - BalloonAlphaStep, side.BalloonTarget);
        if (side.BalloonAlpha > 0) DrawBalloon(side);
    }
    for (TSide& side : sides_) side.Text.UpdateAndDraw();
    if (balloonRunning_) AdvanceBalloonTime();
    if (ending_ && fade_ == 0 && fadeTarget_ == 0) {
        active_ = false;
        ending_ = false;
        if (OnEndOfConversations) OnEndOfConversations();
    }
}

void TChapterDialog::AdvanceBalloonTime() {
    TSide& speaker = sides_[Line(conversation_, currentLine_).Side];
    if (AdvanceTickTimer(balloonTime_, balloonDuration_)) {
        if (OnEndOfBalloon) OnEndOfBalloon();
        balloonTime_ = 0;
        if (currentLine_ < lastLine_) {
            ++currentLine_;
            if (!StartBalloon()) Finish();
        } else {
            Finish();
        }
        return;
    }
    if (balloonTime_ >= balloonDuration_ - ExtraIntervalPerBalloon) speaker.Talking = false;
}

bool TChapterDialog::StartBalloon() {
    const TChatLine& line = Line(conversation_, currentLine_);
    if (line.Text.empty()) return false;
    TSide& speaker = sides_[line.Side];
    TSide& listener = sides_[line.Side == csOrsel ? csClient : csOrsel];
    speaker.BalloonTarget = MaxBalloonAlpha;
    listener.BalloonTarget = 0;
    speaker.Popper.Pop();
    listener.Talking = false;
    speaker.Talking = true;
    speaker.FrameTime = 0;
    speaker.Lines = std::min(
        1 + static_cast<int>(std::count(line.Text.begin(), line.Text.end(), '|')), MaxBalloonLines);
    speaker.Text.Show(speaker.BalloonPos.X + TextInset.X, speaker.BalloonPos.Y + TextInset.Y,
                      line.Text, 0, 0, 0);
    listener.Text.Vanish();
    balloonTime_ = 0;
    balloonDuration_ = VoiceDuration(conversation_, currentLine_) + ExtraIntervalPerBalloon;
    if (OnStartOfBalloon) OnStartOfBalloon(currentLine_, line.Side, client_);
    return true;
}

void TChapterDialog::Animate(TSide& side) {
    if (!side.Talking || !AdvanceTickTimer(side.FrameTime, side.FrameInterval)) return;
    side.FrameTime = 0;
    side.FrameInterval = TalkIntervals[static_cast<size_t>(Random(2))];
    side.PreviousFrame = side.Frame;
    for (int draw = 0; draw < TalkFrameDraws && side.Frame == side.PreviousFrame; ++draw)
        side.Frame = 1 + Random(TalkFrames);
}

void TChapterDialog::DrawPortraits() {
    if (fade_ <= 0) return;
    const uint8_t alpha = FadeAlpha(FullAlpha);
    const auto drawPortrait = [alpha](const TSide& side, std::string_view portrait,
                                      std::string_view mouth) {
        const int x = side.PortraitPos.X;
        const int y = side.PortraitPos.Y + side.Breath.IntValue();
        DrawImage(portrait, x, y, 0, 0, 0, 1, 1, FullAlpha, FullAlpha, FullAlpha, alpha, 0);
        if (side.Talking)
            DrawImage(mouth, x, y, 0, 0, 0, 1, 1, FullAlpha, FullAlpha, FullAlpha, alpha,
                      side.Frame - 1);
    };
    drawPortrait(sides_[csOrsel], Pictures::ChatTovan, Pictures::ChatTovanTalk);
    drawPortrait(sides_[csClient], Pictures::ChatCharacters.Name(client_),
                 Pictures::ChatCharacterTalks.Name(client_));
    if (client_ != QueenClient) return;
    ++shineTicks_;
    const float angle = std::fmod(static_cast<float>(shineTicks_ / ShineTicksPerStep) *
                                      ShineTicksPerStep * ShineDegreesPerTick,
                                  360.0f);
    DrawImageBlend(Pictures::FeatureShine, ShinePos.X, ShinePos.Y, angle, 0.5f, 0.5f, HalfSizeScale,
                   HalfSizeScale, FullAlpha, FullAlpha, FullAlpha, FadeAlpha(ShineAlpha), 0,
                   BlendAdditiveAlpha);
}

// Top piece, a middle piece per text line, the bottom piece with the tail; stretched by the
// popper about the balloon's middle.
void TChapterDialog::DrawBalloon(const TSide& side) const {
    const uint8_t alpha = FadeAlpha(side.BalloonAlpha);
    const float stretch = static_cast<float>(side.Popper.Ratio);
    const auto piece = [&](int y, TBalloonPiece which) {
        DrawImage(Pictures::ChapterDialogBalloon, side.BalloonPos.X, y, 0, 0.5f, 0, stretch, 1,
                  FullAlpha, FullAlpha, FullAlpha, alpha, which);
    };
    const int y = side.BalloonPos.Y;
    piece(y, bpTop);
    for (int line = 0; line < side.Lines; ++line)
        piece(y + line * LinesGap + BalloonPieceHeight, bpMiddle);
    piece(y + side.Lines * LinesGap + BalloonPieceHeight, bpBottom);
}

void TChapterDialog::Click(bool primaryButton) {
    if (!primaryButton || !active_ || !balloonRunning_) return;
    TSide& speaker = sides_[Line(conversation_, currentLine_).Side];
    if (speaker.Text.Complete()) balloonTime_ = balloonDuration_;
}

// The text vanishes at once and the pictures fade out over a few ticks.
void TChapterDialog::Finish() {
    if (!active_) return;
    ending_ = true;
    balloonRunning_ = false;
    firstDelayPending_ = false;
    for (TSide& side : sides_) {
        side.Text.Vanish();
        side.Talking = false;
        side.BalloonTarget = 0;
    }
    fadeTarget_ = 0;
}

void TChapterDialog::StopTalking() {
    for (TSide& side : sides_) side.Talking = false;
}
