#pragma once
// Renders the layers of a recipe block: the synthesis voices (tone, fm, modal, noise, pluck)
// with their envelopes, glides, filters, note runs and random scatter.
#include "SoundRecipe.h"
#include "Synth.h"

#include <functional>
#include <string_view>
#include <vector>

// One note of a run: onset and length in the run's own unit, and the pitches sounding together
// (empty for a rest).
struct TNoteEvent {
    double time = 0;
    double length = 0;
    std::vector<TValue> pitches;
};

// "C5,E5/0.5,C4+G4,-": tokens separated by commas; "/length" overrides the step for that token,
// "+" stacks a chord, "-" rests. Throws std::invalid_argument on a bad token.
std::vector<TNoteEvent> ParseNoteRun(std::string_view text, double step);

bool IsLayerKind(std::string_view kind);

// What a patch plays: base pitch (0 when the layers carry their own), the note's length (0 when
// every layer gives its own "dur"), a gain offset and a seed for everything random.
struct TPatchNote {
    double baseHz = 0;
    double length = 0;
    double gainDb = 0;
    uint64_t seed = 0;
};

// Called for every rendered layer instance with its first sample and its samples.
using TSampleSink = std::function<void(long startSample, const TSamples& samples)>;

void RenderPatch(const std::vector<TRecipeEntry>& layers, const TPatchNote& note,
                 const TSampleSink& sink);

// Mixes a patch into a buffer that grows to hold it.
void MixPatchInto(const std::vector<TRecipeEntry>& layers, const TPatchNote& note, TSamples& out);
