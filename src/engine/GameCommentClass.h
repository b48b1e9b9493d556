#pragma once
// TGameComment: one short announcement in big letters. The letters fly in from points around
// the screen edge, gather into a line, bob for a while and fade out; each is one tile of a
// bitmap font picture.
#include "engine/TextKinds.h"

#include <array>
#include <functional>
#include <string>

class TTextStrings;

enum TGameCommentState : uint8_t { gcsIdle, gcsSpreading, gcsWaving, gcsVanishing };
enum TGameCommentType : uint8_t {
    coNone,
    coCustomText,
    coGo,
    coTimeUp,
    coGameRoundClear,
    coBossVictory,
    coShuffling,
    coNoMoreMoves,
    coTimeRunningOut
};
enum TShiftAdjListKind : uint8_t { slNormal, slShorter };
enum TGameCommentAlignment : uint8_t { alCenter, alDefined };

class TGameComment {
public:
    static constexpr int MaxLetters = 50;
    static constexpr int StartPointCount = 29;
    static constexpr int WavePhases = 8;
    // Pixels a letter's longer axis flies per tick.
    static constexpr double FlightStep = 64;

    TGameComment();

    const TTextStrings* TextStringsComp = nullptr;
    bool Visible = true;
    std::string LettersImg;
    TGameFontKind FontKind = fkAirstripComment;
    float LetterSizeRatio = 1.0f;
    int WavingTime = 1500;
    int SpreadingTime = 0;
    int LetterWidth = 20;
    int LetterHeight = 20;
    int CenterAdjustX = 45;
    int CenterAdjustY = -65;
    int AdditionalHorzSpace = 8;
    int LetterAlphaInc = 10;
    int LetterAlphaDec = 20;
    bool WaveOnly = false;
    TGameCommentAlignment Alignment = alCenter;
    int DefinedLeft = 0;
    int DefinedTop = 0;
    std::function<void(TGameCommentType)> OnWavingFinished;

    TShiftAdjListKind ShiftAdjListKind() const { return shiftAdjListKind; }
    // Rebuilds the wave table.
    void SetShiftAdjListKind(TShiftAdjListKind kind);

    // A comment of free text; an empty text does nothing.
    void ShowText(const std::string& text);
    // A predefined comment: its text from the comment table and its sound.
    void ShowComment(TGameCommentType type);
    // One tick of animation and drawing.
    void Update();
    // Ends the waving at the next Update (the way a wave-only comment ends).
    void FinishWaving();
    void StopNow() { state = gcsIdle; }
    // Letter size from the font picture: tile width and a third of the tile height.
    void TakeSize();

    TGameCommentState State() const { return state; }
    TGameCommentType CommentType() const { return commentType; }
    int LetterCount() const { return letterCount; }

private:
    struct TLetter {
        char Character = ' ';
        double X = 0, Y = 0;
        double TargetX = 0, TargetY = 0;
        double StepX = 0, StepY = 0;
        int WavePhase = 1;
    };

    void Start(const std::string& text, TGameCommentType type);
    void PlaceTargets();
    void UpdateAlphas();
    // Moves every letter one step; true when all are at their targets.
    bool SpreadLetters();
    void DrawLetters();

    TGameCommentState state = gcsIdle;
    TGameCommentType commentType = coNone;
    TShiftAdjListKind shiftAdjListKind = slNormal;
    std::array<int, MaxLetters> letterAlpha{};
    std::array<TLetter, MaxLetters> letters;
    int letterCount = 0;
    std::array<int, WavePhases> waveTable{};
    int wavingTime = 0;
};
