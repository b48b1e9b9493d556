#include "MusicComposer.h"

#include "PatchRenderer.h"
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace {

constexpr int kEighthsPerBar = 8;

struct TRhythmNote {
    int start; // in eighths
    int length;
};
using TRhythm = std::vector<TRhythmNote>;

// Bar rhythms of a flowing line, and the calmer ones that close a phrase.
const std::vector<TRhythm> kBodyRhythms = {
    {{0, 2}, {2, 2}, {4, 2}, {6, 2}},
    {{0, 3}, {3, 1}, {4, 2}, {6, 2}},
    {{0, 1}, {1, 1}, {2, 2}, {4, 2}, {6, 2}},
    {{0, 2}, {2, 1}, {3, 1}, {4, 4}},
    {{0, 4}, {4, 2}, {6, 2}},
    {{0, 1}, {1, 2}, {3, 1}, {4, 2}, {6, 2}},
    {{0, 3}, {3, 3}, {6, 2}},
    {{0, 2}, {2, 2}, {4, 4}},
    {{0, 3}, {3, 3}, {6, 1}, {7, 1}},
    {{2, 2}, {4, 2}, {6, 2}},
};
const std::vector<TRhythm> kCadenceRhythms = {
    {{0, 2}, {2, 2}, {4, 3}}, {{0, 4}, {4, 3}}, {{0, 6}}, {{0, 3}, {3, 4}}, {{0, 2}, {2, 5}},
};

double MidiToHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

int PitchClass(std::string_view name, std::size_t& used) {
    static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};
    used = 0;
    if (name.empty() || name[0] < 'A' || name[0] > 'G') return -1;
    int pc = kSteps[name[0] - 'A'];
    used = 1;
    if (name.size() > 1 && (name[1] == '#' || name[1] == 'b')) {
        pc += name[1] == '#' ? 1 : -1;
        used = 2;
    }
    return (pc + 12) % 12;
}

// Settings of a part line: instrument, gain, pan, sections it plays in.
struct TPart {
    const TRecipeEntry* entry;
    std::string instrument;
    double gainDb;
    double pan;
    std::vector<std::string> sections;

    std::string Text(std::string_view key, std::string_view fallback) const {
        const std::string* value = entry->Find(key);
        return value != nullptr ? *value : std::string(fallback);
    }
    double Number(std::string_view key, double fallback) const {
        const std::string* value = entry->Find(key);
        if (value == nullptr) return fallback;
        double number = 0;
        if (!ParseNumber(*value, number))
            entry->Fail("\"" + std::string(key) + "\" needs a number");
        return number;
    }
    bool PlaysIn(const std::string& section) const {
        // "A" also covers its variants A', A''.
        for (const std::string& wanted : sections)
            if (wanted == section || wanted == section.substr(0, 1)) return true;
        return sections.empty();
    }
};

class TComposer {
public:
    explicit TComposer(const TRecipe& track) : track_(track), random_(0) {
        score_.tempo = track.Number("tempo", 100);
        score_.loop = track.Text("loop", "yes") == "yes";
        phraseBars_ = static_cast<int>(track.Number("phrase", 4));
        std::istringstream form(track.Text("form", "A"));
        for (std::string letter; form >> letter;) form_.push_back(letter);
        score_.bars =
            static_cast<int>(track.Number("bars", static_cast<double>(phraseBars_ * form_.size())));
        std::size_t used = 0;
        key_ = PitchClass(track.Text("key", "C"), used);
        if (key_ < 0) track.Fail("key must be a note letter such as C, F or Bb");
        seed_ = HashName(track.Text("seed", track.name));
        ReadChords();
    }

    TScore Compose() {
        for (const TRecipeEntry& entry : track_.entries) {
            const TPart part = ReadPart(entry);
            random_ = TSynthRandom(HashName(entry.kind + part.instrument, seed_));
            if (entry.kind == "melody")
                Melody(part);
            else if (entry.kind == "comp")
                Comp(part);
            else if (entry.kind == "bass")
                Bass(part);
            else if (entry.kind == "drum")
                Drum(part);
            else if (entry.kind == "part")
                Written(part);
            else
                entry.Fail("unknown part \"" + entry.kind +
                           "\" (melody, comp, bass, drum or part)");
        }
        return score_;
    }

private:
    void ReadChords() {
        std::istringstream words(track_.Text("chords", "C"));
        for (std::string symbol; words >> symbol;) {
            if (symbol == "|") continue;
            TChordTones chord;
            if (!ParseChord(symbol, chord.root, chord.tones))
                track_.Fail("unknown chord \"" + symbol + "\"");
            chords_.push_back(chord);
        }
    }

    TPart ReadPart(const TRecipeEntry& entry) const {
        TPart part{&entry, "", 0, 0, {}};
        const std::string* instrument = entry.Find("instrument");
        if (instrument == nullptr) entry.Fail("a part needs instrument=");
        part.instrument = *instrument;
        part.gainDb = part.Number("gain", 0);
        part.pan = part.Number("pan", 0);
        if (const std::string* in = entry.Find("in")) part.sections = SplitList(*in, ',');
        return part;
    }

    struct TChordTones {
        int root = 0;
        std::vector<int> tones;
    };
    const TChordTones& ChordAt(int bar) const { return chords_[bar % chords_.size()]; }
    std::string SectionAt(int bar) const { return form_[(bar / phraseBars_) % form_.size()]; }

    void Add(const TPart& part, double beat, double beats, double hz, double gainDb) {
        // A touch of human timing and touch, the same on every build.
        const double swing = track_.Number("swing", 0);
        const double fraction = beat - std::floor(beat);
        if (std::abs(fraction - 0.5) < 1e-9) beat += swing * 0.5;
        const double loose = part.Number("humanize", 0.01);
        beat += random_.Bipolar() * loose;
        if (beat < 0) beat += score_.loop ? score_.LengthBeats() : -beat;
        score_.notes.push_back({part.instrument, beat, beats, hz,
                                part.gainDb + gainDb + random_.Bipolar() * 1.0, part.pan});
    }

    // The melody ladder: the key's major pentatonic from the fifth below the tonic to the
    // second above its octave, a range any voice could sing.
    std::vector<int> Ladder(int octave) const {
        static constexpr int kPentatonic[] = {0, 2, 4, 7, 9};
        std::vector<int> ladder;
        // Keys from G up take their tonic below the octave's C, so every key sits in one range.
        const int tonic = (octave + 1) * 12 + key_ - (key_ >= 7 ? 12 : 0);
        for (int o = -1; o <= 1; ++o)
            for (const int step : kPentatonic) {
                const int midi = tonic + o * 12 + step;
                if (midi >= tonic - 5 && midi <= tonic + 14) ladder.push_back(midi);
            }
        return ladder;
    }

    // The melody, phrase by phrase; a loop ends with a pickup note leading back to its first note.
    void Melody(const TPart& part) {
        const std::vector<int> ladder = Ladder(static_cast<int>(part.Number("octave", 5)));
        int opening = -1;
        for (int first = 0; first < score_.bars; first += phraseBars_) {
            if (!part.PlaysIn(SectionAt(first))) continue;
            const int phraseOpening = Phrase(part, ladder, first);
            if (opening < 0) opening = phraseOpening;
        }
        if (score_.loop && opening >= 0 && part.PlaysIn(SectionAt(score_.bars - 1))) {
            const int pickup = opening > 0 ? opening - 1 : opening + 1;
            Add(part, score_.LengthBeats() - 0.5, 0.45, MidiToHz(ladder[pickup]), -2);
        }
    }

    // A phrase's rhythm and pitch choices depend only on its letter, so a section that comes
    // back sounds the same; a primed letter (A') gets its own closing bar, ending on the tonic.
    // Returns the ladder step of the phrase's first note.
    int Phrase(const TPart& part, const std::vector<int>& ladder, int first) {
        const std::string section = SectionAt(first);
        TSynthRandom shape(HashName(section.substr(0, 1), seed_));
        TSynthRandom ending(HashName(section, seed_ + 1));
        const bool closing = section.size() > 1 || first + phraseBars_ >= score_.bars;
        int previous = static_cast<int>(ladder.size()) / 2;
        int opening = -1;
        int repeats = 0;
        for (int b = 0; b < phraseBars_ && first + b < score_.bars; ++b) {
            const bool lastBar = b == phraseBars_ - 1;
            TSynthRandom& pick = lastBar ? ending : shape;
            const TRhythm& rhythm = lastBar ? kCadenceRhythms[pick.Next() % kCadenceRhythms.size()]
                                            : kBodyRhythms[pick.Next() % kBodyRhythms.size()];
            for (std::size_t n = 0; n < rhythm.size(); ++n) {
                const TRhythmNote& note = rhythm[n];
                const bool strong = note.start % 4 == 0 || note.length >= 4;
                const bool final = lastBar && n + 1 == rhythm.size();
                // Rise through the first half of the phrase, settle in the second.
                const double progress =
                    (b * kEighthsPerBar + note.start) / double(phraseBars_ * kEighthsPerBar);
                const double lean = progress < 0.5 ? 0.4 : -0.45;
                int wanted = previous + static_cast<int>(std::lround(pick.Bipolar() * 1.7 + lean));
                if (final && closing) wanted = static_cast<int>(ladder.size()) / 2 - 2;
                const int chosen =
                    Nearest(ladder, wanted, strong || final ? &ChordAt(first + b) : nullptr,
                            closing && final, repeats >= 1 ? previous : -1);
                repeats = chosen == previous ? repeats + 1 : 0;
                previous = chosen;
                if (opening < 0) opening = chosen;
                Add(part, (first + b) * 4.0 + note.start * 0.5, note.length * 0.5 * 0.92,
                    MidiToHz(ladder[chosen]), strong ? 0 : -2);
            }
        }
        return opening;
    }

    // The ladder step nearest to the wanted one, from the chord's tones when on a strong beat,
    // ending on the tonic when a section closes, never a third time the same pitch.
    int Nearest(const std::vector<int>& ladder, int wanted, const TChordTones* chord,
                bool tonicOnly, int avoid) const {
        int best = -1;
        double bestCost = 1e9;
        for (int i = 0; i < static_cast<int>(ladder.size()); ++i) {
            const int pc = ladder[i] % 12;
            if (tonicOnly && pc != key_) continue;
            if (chord && !tonicOnly &&
                std::find(chord->tones.begin(), chord->tones.end(), pc) == chord->tones.end())
                continue;
            if (i == avoid) continue;
            const double cost = std::abs(i - wanted);
            if (cost < bestCost) {
                bestCost = cost;
                best = i;
            }
        }
        if (best < 0) return std::clamp(wanted, 0, static_cast<int>(ladder.size()) - 1);
        return best;
    }

    // Chord tones stacked from the root in the given octave.
    std::vector<int> Voicing(const TChordTones& chord, int octave) const {
        std::vector<int> notes;
        const int base = (octave + 1) * 12;
        for (const int pc : chord.tones)
            notes.push_back(base + (pc - chord.root + 12) % 12 + chord.root);
        std::sort(notes.begin(), notes.end());
        return notes;
    }

    void Comp(const TPart& part) {
        const std::string pattern = part.Text("pattern", "offbeat");
        const int octave = static_cast<int>(part.Number("octave", 4));
        for (int bar = 0; bar < score_.bars; ++bar) {
            if (!part.PlaysIn(SectionAt(bar))) continue;
            const std::vector<int> chord = Voicing(ChordAt(bar), octave);
            const double at = bar * 4.0;
            if (pattern == "offbeat") {
                for (int e = 1; e < kEighthsPerBar; e += 2)
                    for (const int midi : chord)
                        Add(part, at + e * 0.5, 0.3, MidiToHz(midi), e == 3 || e == 7 ? 0 : -2);
            } else if (pattern == "strum") {
                static constexpr int kStrokes[] = {0, 3, 4, 6};
                for (const int e : kStrokes)
                    for (std::size_t n = 0; n < chord.size(); ++n)
                        Add(part, at + e * 0.5 + n * 0.03, e == 6 ? 1.0 : 1.4, MidiToHz(chord[n]),
                            e == 0 ? 0 : -3);
            } else if (pattern == "arp") {
                static constexpr int kOrder[] = {0, 1, 2, 3, 2, 1, 2, 1};
                std::vector<int> tones = chord;
                tones.push_back(chord.front() + 12);
                for (int e = 0; e < kEighthsPerBar; ++e)
                    Add(part, at + e * 0.5, 0.5, MidiToHz(tones[kOrder[e] % tones.size()]),
                        e % 2 == 0 ? 0 : -3);
            } else if (pattern == "pad") {
                for (const int midi : chord) Add(part, at, 4.0, MidiToHz(midi), 0);
            } else {
                part.entry->Fail("comp pattern is offbeat, strum, arp or pad");
            }
        }
    }

    void Bass(const TPart& part) {
        const std::string pattern = part.Text("pattern", "calypso");
        const int octave = static_cast<int>(part.Number("octave", 2));
        for (int bar = 0; bar < score_.bars; ++bar) {
            if (!part.PlaysIn(SectionAt(bar))) continue;
            const TChordTones& chord = ChordAt(bar);
            const int root = (octave + 1) * 12 + chord.root;
            const int fifth = root + 7;
            const int nextRoot = (octave + 1) * 12 + ChordAt(bar + 1).root;
            const double at = bar * 4.0;
            if (pattern == "calypso") {
                Add(part, at, 1.3, MidiToHz(root), 0);
                Add(part, at + 1.5, 1.3, MidiToHz(fifth), -2);
                Add(part, at + 3.0, 0.9, MidiToHz(root + 12), -3);
            } else if (pattern == "walk") {
                Add(part, at, 0.9, MidiToHz(root), 0);
                Add(part, at + 1, 0.9, MidiToHz(fifth), -3);
                Add(part, at + 2, 0.9, MidiToHz(root + 12), -2);
                const int target = nextRoot - root > 6 ? nextRoot - 12 : nextRoot;
                Add(part, at + 3, 0.9, MidiToHz(target - 1), -3); // leads into the next root
            } else if (pattern == "root") {
                Add(part, at, 1.8, MidiToHz(root), 0);
                Add(part, at + 2, 1.8, MidiToHz(fifth), -2);
            } else if (pattern == "long") {
                Add(part, at, 3.8, MidiToHz(root), 0);
            } else {
                part.entry->Fail("bass pattern is calypso, walk, root or long");
            }
        }
    }

    // hits= a bar on a grid of 8 or 16 steps: X accent, x normal, o soft, . rest.
    void Drum(const TPart& part) {
        const std::string hits = part.Text("hits", "x.x.x.x.");
        if (hits.size() != 8 && hits.size() != 16) part.entry->Fail("hits= needs 8 or 16 steps");
        const double step = 4.0 / hits.size();
        double hz = 0;
        if (const std::string* pitch = part.entry->Find("pitch");
            pitch && !ParseFrequency(*pitch, hz))
            part.entry->Fail("pitch= needs a note or Hz");
        for (int bar = 0; bar < score_.bars; ++bar) {
            if (!part.PlaysIn(SectionAt(bar))) continue;
            for (std::size_t i = 0; i < hits.size(); ++i) {
                const char hit = hits[i];
                if (hit == '.') continue;
                if (hit != 'X' && hit != 'x' && hit != 'o')
                    part.entry->Fail("hits use X, x, o and .");
                Add(part, bar * 4.0 + i * step, step, hz, hit == 'X' ? 0 : hit == 'x' ? -5 : -11);
            }
        }
    }

    // notes= written out (steps in beats), from start= (in beats), optionally repeated every=
    // beats.
    void Written(const TPart& part) {
        std::vector<TNoteEvent> run;
        try {
            run = ParseNoteRun(part.Text("notes", ""), part.Number("step", 1));
        } catch (const std::invalid_argument& error) {
            part.entry->Fail(error.what());
        }
        const double start = part.Number("start", 0);
        const double every = part.Number("every", 0);
        const double hold = part.Number("hold", 0.95);
        for (double offset = start; offset < score_.LengthBeats(); offset += every) {
            for (const TNoteEvent& event : run)
                for (const TValue& pitch : event.pitches)
                    Add(part, offset + event.time, event.length * hold, pitch.from, 0);
            if (every <= 0) break;
        }
    }

    const TRecipe& track_;
    TScore score_;
    TSynthRandom random_;
    uint64_t seed_ = 0;
    int key_ = 0;
    int phraseBars_ = 4;
    std::vector<std::string> form_;
    std::vector<TChordTones> chords_;
};

} // namespace

bool ParseChord(std::string_view symbol, int& root, std::vector<int>& tones) {
    static const std::map<std::string, std::vector<int>, std::less<>> kQualities = {
        {"", {0, 4, 7}},        {"m", {0, 3, 7}},     {"7", {0, 4, 7, 10}}, {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},  {"sus2", {0, 2, 7}},  {"sus4", {0, 5, 7}},  {"6", {0, 4, 7, 9}},
        {"add9", {0, 2, 4, 7}}, {"m6", {0, 3, 7, 9}},
    };
    std::size_t used = 0;
    root = PitchClass(symbol, used);
    if (root < 0) return false;
    const auto quality = kQualities.find(symbol.substr(used));
    if (quality == kQualities.end()) return false;
    tones.clear();
    for (const int interval : quality->second) tones.push_back((root + interval) % 12);
    return true;
}

TScore ComposeTrack(const TRecipe& track) {
    return TComposer(track).Compose();
}
