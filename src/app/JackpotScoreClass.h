#pragma once
// TJackpotScore: the player's running score on the bottom panel. The shown number counts up to
// the score in steps, its lowest digits blurred while they roll, with a ticking sound.
#include <cstdint>
#include <string>

class TJackpotScore {
public:
    int Left = 0; // the centre of the number when AutoCentered, else its left edge
    int Top = 0;
    bool AutoCentered = true;
    bool ShowLeadingZeros = false;
    // Taken from the digit pictures once pictures are bound.
    int DigitWidth = 22;
    int DigitHeight = 30;
    int Increment = 9; // points the shown number moves a tick
    int Digits = 6;    // places at least; more when the score needs them
    uint8_t BlurAlpha = 160;

    void TakeSize();
    // The score and the shown number at once, without counting (a loaded player's score).
    void SetValue(int value);
    // Never below 0 and never past the largest number: the score saturates.
    void Add(int points);
    void Reset() { SetValue(0); }
    void UpdateAndDraw();

    int Value() const { return value_; }
    int Shown() const { return shown_; }
    bool Counting() const { return shown_ != value_; }

private:
    void Draw() const;

    int value_ = 0;
    int shown_ = 0;
    int ticks_ = 0;
};
