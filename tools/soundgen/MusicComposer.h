#pragma once
// Composes a music track from its block in content/sounds/music.txt: a pentatonic melody over the
// block's chords, shaped in phrases by its form, with accompaniment, bass and drum patterns and
// written-out parts. Times are in beats (quarter notes, four to a bar).
#include "SoundRecipe.h"

#include <string>
#include <string_view>
#include <vector>

struct TScoreNote {
    std::string instrument;
    double beat = 0;
    double beats = 0;
    double hz = 0; // 0: the instrument's own pitch (drums)
    double gainDb = 0;
    double pan = 0; // -1 left .. 1 right
};

struct TScore {
    double tempo = 100;
    int bars = 0;
    bool loop = true;
    std::vector<TScoreNote> notes;

    double SecondsPerBeat() const { return 60.0 / tempo; }
    double LengthBeats() const { return bars * 4.0; }
};

// Pitch classes of a chord symbol such as C, Am, G7, Fmaj7, Dm7, Csus4, F6; false if unknown.
bool ParseChord(std::string_view symbol, int& root, std::vector<int>& tones);

TScore ComposeTrack(const TRecipe& track);
