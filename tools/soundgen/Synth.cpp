#include "Synth.h"

#include "SoundRecipe.h"

#include <algorithm>
#include <cctype>

const double* SineTable() {
    static const std::vector<double> table = [] {
        std::vector<double> values(kSineTableSize + 1);
        for (int i = 0; i <= kSineTableSize; ++i)
            values[i] = std::sin(2 * kPi * i / kSineTableSize);
        return values;
    }();
    return table.data();
}

TSynthRandom::TSynthRandom(uint64_t seed)
    : state_(seed * 6364136223846793005ull + 1442695040888963407ull) {
    Next();
}

uint32_t TSynthRandom::Next() {
    const uint64_t old = state_;
    state_ = old * 6364136223846793005ull + 1442695040888963407ull;
    const auto xorShifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<uint32_t>(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
}

double TSynthRandom::Uniform() {
    return Next() * (1.0 / 4294967296.0);
}

uint64_t HashName(std::string_view text, uint64_t seed) {
    uint64_t hash = seed;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

double NoteFrequency(std::string_view name) {
    static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G from C
    if (name.size() < 2) return 0;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G') return 0;
    int semitone = kSteps[letter - 'A'];
    std::size_t at = 1;
    if (name[at] == '#') {
        ++semitone;
        ++at;
    } else if (name[at] == 'b') {
        --semitone;
        ++at;
    }
    std::string_view octaveText = name.substr(at);
    int octave = 0;
    bool negative = false;
    if (!octaveText.empty() && octaveText.front() == '-') {
        negative = true;
        octaveText.remove_prefix(1);
    }
    if (octaveText.size() != 1 || !std::isdigit(static_cast<unsigned char>(octaveText[0])))
        return 0;
    octave = (octaveText[0] - '0') * (negative ? -1 : 1);
    const int midi = (octave + 1) * 12 + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

bool ParseFrequency(std::string_view text, double& hz) {
    if (ParseNumber(text, hz)) return true;
    hz = NoteFrequency(text);
    return hz > 0;
}

bool TValue::Parse(std::string_view text, bool allowNotes, TValue& value) {
    value = {};
    std::size_t split = text.find('>');
    value.shape = TShape::Glide;
    if (split == std::string_view::npos) {
        split = text.find('~');
        value.shape = TShape::Range;
    }
    if (split == std::string_view::npos) value.shape = TShape::Fixed;
    const std::string_view first = text.substr(0, split);
    const std::string_view second =
        split == std::string_view::npos ? first : text.substr(split + 1);
    auto one = [&](std::string_view part, double& number, bool& relative) {
        relative = !part.empty() && part.front() == 'x';
        if (relative) return ParseNumber(part.substr(1), number);
        return allowNotes ? ParseFrequency(part, number) : ParseNumber(part, number);
    };
    bool secondRelative = false;
    if (!one(first, value.from, value.relative) || !one(second, value.to, secondRelative))
        return false;
    return value.relative == secondRelative;
}

float TStateVariableFilter::Process(float input, double cutoffHz) {
    if (cutoffHz != cutoff_) {
        cutoff_ = cutoffHz;
        g_ = std::tan(kPi * std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate) / kSampleRate);
    }
    const double g = g_;
    const double highPass = (input - (damping_ + g) * band_ - low_) / (1.0 + g * (damping_ + g));
    const double bandPass = g * highPass + band_;
    const double lowPass = g * bandPass + low_;
    band_ = g * highPass + bandPass;
    low_ = g * bandPass + lowPass;
    switch (mode_) {
    case TMode::LowPass:
        return static_cast<float>(lowPass);
    case TMode::HighPass:
        return static_cast<float>(highPass);
    case TMode::BandPass:
        return static_cast<float>(bandPass * damping_);
    }
    return 0;
}

TRoom::TRoom(double size, double damping, int spread)
    : feedback_(static_cast<float>(0.7 + 0.28 * std::clamp(size, 0.0, 1.0))),
      damping_(static_cast<float>(std::clamp(damping, 0.0, 1.0) * 0.4)) {
    static constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr int kAllPasses[] = {556, 441, 341, 225};
    for (const int length : kCombs)
        combs_.push_back({std::vector<float>(length + spread, 0.0f), 0, 0});
    for (const int length : kAllPasses)
        allPasses_.push_back({std::vector<float>(length + spread, 0.0f), 0, 0});
}

float TRoom::Process(float input) {
    float sum = 0;
    const float in = input * 0.015f;
    for (TDelay& comb : combs_) {
        const float out = comb.line[comb.at];
        comb.store = out * (1 - damping_) + comb.store * damping_;
        comb.line[comb.at] = in + comb.store * feedback_;
        if (++comb.at == comb.line.size()) comb.at = 0;
        sum += out;
    }
    for (TDelay& pass : allPasses_) {
        const float delayed = pass.line[pass.at];
        pass.line[pass.at] = sum + delayed * 0.5f;
        if (++pass.at == pass.line.size()) pass.at = 0;
        sum = delayed - sum;
    }
    return sum * 3.0f; // about the level of the dry sound for steady noise
}

void RemoveDcOffset(TSamples& samples) {
    // One-pole high-pass at about 10 Hz, run forwards and backwards so nothing shifts in time.
    constexpr float kPole = 0.9986f;
    auto pass = [&](auto begin, auto end) {
        float previousIn = 0, previousOut = 0;
        for (auto it = begin; it != end; ++it) {
            const float out = *it - previousIn + kPole * previousOut;
            previousIn = *it;
            previousOut = out;
            *it = out;
        }
    };
    pass(samples.begin(), samples.end());
    pass(samples.rbegin(), samples.rend());
}

void FadeEdges(TSamples& samples, double fadeInSeconds, double fadeOutSeconds, int channels) {
    const auto frames = static_cast<int>(samples.size()) / channels;
    const int fadeIn = std::min(frames, SecondsToSamples(fadeInSeconds));
    const int fadeOut = std::min(frames, SecondsToSamples(fadeOutSeconds));
    for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < fadeIn; ++i)
            samples[i * channels + c] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fadeIn));
        for (int i = 0; i < fadeOut; ++i)
            samples[(frames - 1 - i) * channels + c] *=
                static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fadeOut));
    }
}

void TrimSilentEnd(TSamples& samples, double floorDb, double keepSeconds, int channels) {
    const float floor = PeakOf(samples) * static_cast<float>(DbToGain(floorDb));
    std::size_t last = samples.size();
    while (last > 0 && std::abs(samples[last - 1]) <= floor) --last;
    const std::size_t frames = (last + channels - 1) / channels + SecondsToSamples(keepSeconds);
    samples.resize(std::min(samples.size(), frames * channels));
}

float PeakOf(const TSamples& samples) {
    float peak = 0;
    for (const float s : samples) peak = std::max(peak, std::abs(s));
    return peak;
}

double RmsOf(const float* samples, std::size_t count) {
    if (count == 0) return 0;
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / count);
}
