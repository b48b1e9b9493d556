#pragma once
// Building blocks of every generated sound: a seeded generator, note names, parameter values
// that may glide or vary, filters and a small room.
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using TSamples = std::vector<float>;

// sin(2 pi cycles) from a table with linear interpolation: about -130 dB of error, many times
// faster than std::sin in the inner loops.
constexpr int kSineTableSize = 4096;
const double* SineTable(); // kSineTableSize + 1 values

inline double SineOfCycles(double cycles) {
    static const double* const table = SineTable();
    double fraction = cycles - static_cast<double>(static_cast<long long>(cycles)); // no libm call
    if (fraction < 0) fraction += 1.0;
    const double position = fraction * kSineTableSize;
    const auto index = static_cast<int>(position);
    const double between = position - index;
    return table[index] + (table[index + 1] - table[index]) * between;
}

inline double DbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}
inline double GainToDb(double gain) {
    return gain > 1e-12 ? 20.0 * std::log10(gain) : -240.0;
}
inline int SecondsToSamples(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

// Our own generator (PCG32), so the same recipe gives the same bytes on every machine.
class TSynthRandom {
public:
    explicit TSynthRandom(uint64_t seed);
    uint32_t Next();
    double Uniform(); // [0, 1)
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
    double Bipolar() { return 2.0 * Uniform() - 1.0; }

private:
    uint64_t state_;
};

uint64_t HashName(std::string_view text, uint64_t seed = 1469598103934665603ull);

// "A4" = 440 Hz; accepts C, C#, Db ... B with octave -1..9. Returns 0 for anything else.
double NoteFrequency(std::string_view name);
// A number in Hz or a note name.
bool ParseFrequency(std::string_view text, double& hz);

// A recipe value: "600", "C5", "x2" (times the note), "600>1400" (glides over the layer),
// "400~900" (a random pick per instance).
struct TValue {
    enum class TShape { Fixed, Glide, Range };
    double from = 0;
    double to = 0;
    TShape shape = TShape::Fixed;
    bool relative = false;

    static bool Parse(std::string_view text, bool allowNotes, TValue& value);
    static TValue Of(double number) { return {number, number, TShape::Fixed, false}; }
};

// A value settled for one instance: start and end of its glide, in absolute units.
struct TSweep {
    double from = 0;
    double to = 0;
    bool exponential = true;

    double At(double fraction) const {
        if (from == to) return from;
        fraction = fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
        if (exponential && from > 0 && to > 0) return from * std::pow(to / from, fraction);
        return from + (to - from) * fraction;
    }
};

// Zero-delay-feedback state-variable filter; keeps its state across calls so cutoffs may move.
class TStateVariableFilter {
public:
    enum class TMode { LowPass, HighPass, BandPass };
    TStateVariableFilter(TMode mode, double q) : mode_(mode), damping_(1.0 / q) {}
    float Process(float input, double cutoffHz);

private:
    TMode mode_;
    double damping_;
    double low_ = 0, band_ = 0;
    double cutoff_ = -1, g_ = 0;
};

// Freeverb-style room: eight damped combs into four all-passes.
class TRoom {
public:
    TRoom(double size, double damping, int spread);
    float Process(float input);

private:
    struct TDelay {
        std::vector<float> line;
        std::size_t at = 0;
        float store = 0;
    };
    std::vector<TDelay> combs_;
    std::vector<TDelay> allPasses_;
    float feedback_;
    float damping_;
};

void RemoveDcOffset(TSamples& samples);
// Raised-cosine fades so no sound starts or stops with a jump (interleaved channels).
void FadeEdges(TSamples& samples, double fadeInSeconds, double fadeOutSeconds, int channels = 1);
// Cuts what follows the last sample within floorDb of the peak, keeping keepSeconds after it.
void TrimSilentEnd(TSamples& samples, double floorDb, double keepSeconds, int channels = 1);
float PeakOf(const TSamples& samples);
double RmsOf(const float* samples, std::size_t count);
