#include "engine/GameCommentClass.h"

#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/SoundByName.h"
#include "engine/TextStringsClass.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int OpaqueAlpha = 255;

// Just outside the screen on all four sides, clockwise from the top-left corner.
constexpr std::array<TPoint, TGameComment::StartPointCount> StartPoints{{
    {-172, -90},  {36, -99},    {250, -99},  {442, -100}, {654, -101}, {896, -104},
    {1122, -100}, {1319, -104}, {1522, -81}, {1528, 63},  {1537, 219}, {1538, 367},
    {1535, 502},  {1520, 641},  {1518, 774}, {1348, 863}, {1164, 861}, {959, 864},
    {775, 864},   {570, 860},   {388, 861},  {170, 867},  {-36, 861},  {-173, 758},
    {-189, 617},  {-185, 476},  {-185, 330}, {-187, 189}, {-184, 47},
}};

constexpr std::array<int, TGameComment::WavePhases> NormalWave{1, 2, 3, 4, 5, 4, 3, 2};
constexpr std::array<int, TGameComment::WavePhases> ShorterWave{1, 1, 1, 1, 2, 2, 2, 2};

struct TPredefinedComment {
    TGameCommentType Type;
    int Entry;         // line of the comment table
    const char* Sound; // "" for none
};

constexpr std::array<TPredefinedComment, 6> PredefinedComments{{
    {coGo, 7, ""},
    {coTimeUp, 8, "TimeUp"},
    {coGameRoundClear, 9, "StageComplete"},
    {coBossVictory, 10, ""},
    {coNoMoreMoves, 11, "NoMoreMoves"},
    {coTimeRunningOut, 12, "TimeRunningOut"},
}};

// Moves `position` towards `target` by `step`, never past it.
void StepTowards(double& position, double target, double step) {
    const double distance = target - position;
    // A hair of tolerance so that the last fractional step lands exactly on the target.
    if (std::abs(distance) <= step + 1e-9)
        position = target;
    else
        position += distance > 0 ? step : -step;
}

} // namespace

TGameComment::TGameComment() {
    for (int i = 0; i < MaxLetters; ++i) letters[i].WavePhase = i % WavePhases + 1;
    SetShiftAdjListKind(slNormal);
}

void TGameComment::SetShiftAdjListKind(TShiftAdjListKind kind) {
    shiftAdjListKind = kind;
    waveTable = kind == slShorter ? ShorterWave : NormalWave;
}

void TGameComment::TakeSize() {
    const TPoint tile = ImageTileSize(LettersImg);
    LetterWidth = tile.X;
    LetterHeight = tile.Y / 3;
}

void TGameComment::ShowText(const std::string& text) {
    if (text.empty()) return;
    Start(text, coCustomText);
}

void TGameComment::ShowComment(TGameCommentType type) {
    for (const TPredefinedComment& comment : PredefinedComments) {
        if (comment.Type != type) continue;
        // Even when the table has no text the comment runs its course, so whoever waits for
        // its end is not left waiting.
        Start(TextStringsComp != nullptr ? TextStringsComp->GameComments(comment.Entry) : "", type);
        if (*comment.Sound != '\0') PlaySound(comment.Sound);
        return;
    }
}

void TGameComment::Start(const std::string& text, TGameCommentType type) {
    const std::string filtered = FilterText(FontKind, text).substr(0, MaxLetters);
    letterCount = static_cast<int>(filtered.size());
    commentType = type;
    for (int i = 0; i < letterCount; ++i) {
        letters[i].Character = filtered[i];
        const TPoint start = StartPoints[Random(StartPointCount)];
        letters[i].X = start.X;
        letters[i].Y = start.Y;
    }
    PlaceTargets();
    wavingTime = 0;
    if (WaveOnly) {
        for (int i = 0; i < letterCount; ++i) {
            letters[i].X = letters[i].TargetX;
            letters[i].Y = letters[i].TargetY;
        }
        state = gcsWaving;
    } else {
        state = gcsSpreading;
    }
    letterAlpha.fill(0);
}

void TGameComment::PlaceTargets() {
    std::array<int, MaxLetters> advances{};
    int lineWidth = 0;
    for (int i = 0; i < letterCount; ++i) {
        advances[i] =
            CharWidth(FontKind, letters[i].Character, 0, LetterSizeRatio) + AdditionalHorzSpace;
        lineWidth += advances[i];
    }
    int left = DefinedLeft;
    int top = DefinedTop;
    if (Alignment == alCenter) {
        left = (GameSpace.Width - lineWidth) / 2;
        top = (GameSpace.Height - LetterHeight) / 2 + CenterAdjustY;
    }
    int x = left + CenterAdjustX;
    for (int i = 0; i < letterCount; ++i) {
        TLetter& letter = letters[i];
        letter.TargetX = x;
        letter.TargetY = top;
        x += advances[i];
        // Both axes arrive together; the longer one flies FlightStep pixels a tick.
        const double dx = std::abs(letter.TargetX - letter.X);
        const double dy = std::abs(letter.TargetY - letter.Y);
        const double ticks = std::max(dx, dy) > 0 ? std::max(dx, dy) / FlightStep : 1;
        letter.StepX = dx / ticks;
        letter.StepY = dy / ticks;
    }
}

void TGameComment::Update() {
    if (!Visible) return;
    UpdateAlphas();
    switch (state) {
    case gcsSpreading:
        if (SpreadLetters()) {
            wavingTime = 0;
            state = gcsWaving;
        }
        break;
    case gcsWaving:
        if (!WaveOnly) wavingTime += GameTickMs;
        if (wavingTime >= WavingTime) {
            state = gcsVanishing;
            if (OnWavingFinished) OnWavingFinished(commentType);
        }
        break;
    case gcsVanishing:
        if (std::all_of(letterAlpha.begin(), letterAlpha.begin() + letterCount,
                        [](int alpha) { return alpha == 0; }))
            state = gcsIdle;
        break;
    case gcsIdle:
        break;
    }
    if (state != gcsIdle) DrawLetters();
}

void TGameComment::UpdateAlphas() {
    if (state == gcsSpreading || state == gcsWaving)
        for (int& alpha : letterAlpha) alpha = std::min(alpha + LetterAlphaInc, OpaqueAlpha);
    else if (state == gcsVanishing)
        for (int& alpha : letterAlpha) alpha = std::max(alpha - LetterAlphaDec, 0);
}

bool TGameComment::SpreadLetters() {
    bool allPlaced = true;
    for (int i = 0; i < letterCount; ++i) {
        TLetter& letter = letters[i];
        StepTowards(letter.X, letter.TargetX, letter.StepX);
        StepTowards(letter.Y, letter.TargetY, letter.StepY);
        allPlaced = allPlaced && letter.X == letter.TargetX && letter.Y == letter.TargetY;
    }
    return allPlaced;
}

void TGameComment::FinishWaving() {
    if (state == gcsWaving) wavingTime = WavingTime;
}

void TGameComment::DrawLetters() {
    for (int i = 0; i < letterCount; ++i) {
        TLetter& letter = letters[i];
        letter.WavePhase = letter.WavePhase % WavePhases + 1;
        DrawImage(LettersImg, RoundHalfEven(letter.X),
                  RoundHalfEven(letter.Y + waveTable[letter.WavePhase - 1]), 0, 0, 0,
                  LetterSizeRatio, LetterSizeRatio, 255, 255, 255,
                  static_cast<uint8_t>(letterAlpha[i]), GlyphIndex(FontKind, letter.Character));
    }
}
