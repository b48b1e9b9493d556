#include "PatchRenderer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

namespace {

constexpr std::array kCommonKeys = {"at",      "dur",   "gain", "attack",   "hold",    "decay",
                                    "release", "notes", "step", "gainstep", "scatter", "len",
                                    "gainvar", "am",    "vib",  "filter",   "cutoff",  "q",
                                    "glide",   "curve", "f"};

std::set<std::string_view> KindKeys(std::string_view kind) {
    if (kind == "tone") return {"wave", "harm", "voices", "detune"};
    if (kind == "fm") return {"ratio", "index", "indexdecay"};
    if (kind == "modal") return {"modes"};
    if (kind == "noise") return {"color"};
    if (kind == "pluck") return {"bright"};
    return {};
}

// Typed, checked access to the key=value pairs of one layer line.
class TLayerParams {
public:
    explicit TLayerParams(const TRecipeEntry& entry) : entry_(entry) {
        const std::set<std::string_view> own = KindKeys(entry.kind);
        for (const auto& [key, value] : entry.params) {
            const bool common =
                std::find(kCommonKeys.begin(), kCommonKeys.end(), key) != kCommonKeys.end();
            if (!common && !own.contains(key))
                entry.Fail("\"" + entry.kind + "\" has no key \"" + key + "\"");
        }
    }

    bool Has(std::string_view key) const { return entry_.Find(key) != nullptr; }

    double Number(std::string_view key, double fallback) const {
        const std::string* text = entry_.Find(key);
        if (text == nullptr) return fallback;
        double value = 0;
        if (!ParseNumber(*text, value)) Bad(key, *text, "a number");
        return value;
    }

    std::optional<TValue> Value(std::string_view key, bool allowNotes) const {
        const std::string* text = entry_.Find(key);
        if (text == nullptr) return std::nullopt;
        TValue value;
        if (!TValue::Parse(*text, allowNotes, value))
            Bad(key, *text, "a value like 440, C5, x2, 200>800 or 1~3");
        return value;
    }

    std::string Text(std::string_view key, std::string_view fallback) const {
        const std::string* text = entry_.Find(key);
        return text != nullptr ? *text : std::string(fallback);
    }

    // "rate:amount" pairs such as am=4:0.5.
    std::optional<std::pair<double, double>> Pair(std::string_view key) const {
        const std::string* text = entry_.Find(key);
        if (text == nullptr) return std::nullopt;
        const auto parts = SplitList(*text, ':');
        double a = 0, b = 0;
        if (parts.size() != 2 || !ParseNumber(parts[0], a) || !ParseNumber(parts[1], b))
            Bad(key, *text, "two numbers as rate:amount");
        return std::make_pair(a, b);
    }

    std::vector<double> Numbers(std::string_view key) const {
        std::vector<double> numbers;
        const std::string* text = entry_.Find(key);
        if (text == nullptr) return numbers;
        for (const std::string& part : SplitList(*text, ',')) {
            double value = 0;
            if (!ParseNumber(part, value)) Bad(key, *text, "numbers separated by commas");
            numbers.push_back(value);
        }
        return numbers;
    }

    [[noreturn]] void Bad(std::string_view key, const std::string& text,
                          const char* expected) const {
        entry_.Fail("\"" + std::string(key) + "=" + text + "\" needs " + expected);
    }
    const TRecipeEntry& Entry() const { return entry_; }

private:
    const TRecipeEntry& entry_;
};

// One sounding copy of a layer.
struct TInstance {
    double start = 0;
    double length = 0;
    double baseHz = 0;
    double gainDb = 0;
    uint64_t seed = 0;
};

TSweep Settle(const TValue& value, double baseHz, TSynthRandom& random, bool exponential) {
    const double scale = value.relative ? baseHz : 1.0;
    if (value.shape == TValue::TShape::Range) {
        const double pick = std::exp(random.Uniform(std::log(std::max(1e-9, value.from)),
                                                    std::log(std::max(1e-9, value.to))));
        const double linear = random.Uniform(value.from, value.to);
        const double chosen = (exponential && value.from > 0 && value.to > 0) ? pick : linear;
        return {chosen * scale, chosen * scale, exponential};
    }
    return {value.from * scale, value.to * scale, exponential};
}

class TVoiceRenderer {
public:
    TVoiceRenderer(const TLayerParams& params, const TInstance& instance)
        : params_(params), instance_(instance), random_(instance.seed) {
        attack_ = params.Number("attack", 0.002);
        hold_ = params.Number("hold", 0);
        decay_ = params.Number("decay", 0);
        release_ = params.Number("release", 0.005);
        glide_ = params.Number("glide", instance.length);
        exponential_ = params.Text("curve", "exp") != "lin";
        if (const auto f = params.Value("f", true))
            pitch_ = Settle(*f, instance.baseHz, random_, exponential_);
        else
            pitch_ = {instance.baseHz, instance.baseHz, true};
        vibrato_ = params.Pair("vib");
        tremolo_ = params.Pair("am");
        count_ = std::max(1, SecondsToSamples(instance.length + release_));
    }

    TSamples Render() {
        TSamples out = Source();
        ApplyFilter(out);
        const double gain = DbToGain(params_.Number("gain", 0) + instance_.gainDb);
        const double decayStep = decay_ > 0 ? std::pow(10.0, -3.0 / (decay_ * kSampleRate)) : 1.0;
        double decayLevel = 1;
        for (int i = 0; i < count_; ++i) {
            const double t = Seconds(i);
            if (t > attack_ + hold_) decayLevel *= decayStep;
            out[i] *= static_cast<float>(gain * decayLevel * Envelope(t));
        }
        return out;
    }

private:
    double Seconds(int i) const { return static_cast<double>(i) / kSampleRate; }
    double GlideFraction(int i) const { return glide_ > 0 ? Seconds(i) / glide_ : 1.0; }

    // The pitch of every sample, worked out once for all oscillators of the layer.
    const std::vector<double>& Pitches() {
        if (!pitches_.empty()) return pitches_;
        pitches_.resize(count_);
        for (int i = 0; i < count_; ++i) {
            double hz = pitch_.At(GlideFraction(i));
            if (vibrato_)
                hz *=
                    std::exp2(vibrato_->second / 12.0 * SineOfCycles(vibrato_->first * Seconds(i)));
            pitches_[i] = hz;
        }
        return pitches_;
    }

    // Attack, tremolo and release; the exponential decay is applied by the caller step by step.
    double Envelope(double t) const {
        double level = t < attack_ ? t / attack_ : 1.0;
        if (tremolo_)
            level *= 1 - tremolo_->second * (0.5 - 0.5 * SineOfCycles(tremolo_->first * t + 0.25));
        const double sinceEnd = t - instance_.length;
        if (sinceEnd > 0)
            level *=
                release_ > 0 ? 0.5 + 0.5 * std::cos(kPi * std::min(1.0, sinceEnd / release_)) : 0;
        return level;
    }

    TSamples Source() {
        const std::string& kind = params_.Entry().kind;
        if (kind == "tone") return Tone();
        if (kind == "fm") return Fm();
        if (kind == "modal") return Modal();
        if (kind == "noise") return Noise();
        return Pluck();
    }

    void RequirePitch() const {
        if (pitch_.from <= 0 || pitch_.to <= 0)
            params_.Entry().Fail("\"" + params_.Entry().kind + "\" needs f=");
    }

    static double PolyBlep(double phase, double step) {
        if (phase < step) {
            const double t = phase / step;
            return t + t - t * t - 1.0;
        }
        if (phase > 1.0 - step) {
            const double t = (phase - 1.0) / step;
            return t * t + t + t + 1.0;
        }
        return 0;
    }

    TSamples Tone() {
        RequirePitch();
        enum class TWave { Sine, Triangle, Square, Saw };
        const std::string waveName = params_.Text("wave", "sine");
        TWave wave = TWave::Sine;
        if (waveName == "triangle")
            wave = TWave::Triangle;
        else if (waveName == "square")
            wave = TWave::Square;
        else if (waveName == "saw")
            wave = TWave::Saw;
        else if (waveName != "sine")
            params_.Bad("wave", waveName, "sine, triangle, square or saw");
        std::vector<double> harmonics = params_.Numbers("harm");
        if (harmonics.empty()) harmonics = {1.0};
        double harmonicSum = 0;
        for (const double h : harmonics) harmonicSum += std::abs(h);
        const int voices = std::max(1, static_cast<int>(params_.Number("voices", 1)));
        const double detune = params_.Number("detune", 0);
        const std::vector<double>& pitches = Pitches();
        TSamples out(count_, 0.0f);
        for (int v = 0; v < voices; ++v) {
            const double cents = voices == 1 ? 0 : detune * (2.0 * v / (voices - 1) - 1.0);
            const double ratio = std::pow(2.0, cents / 1200.0);
            double phase = voices == 1 ? 0 : random_.Uniform();
            for (int i = 0; i < count_; ++i) {
                const double step = std::min(0.49, pitches[i] * ratio / kSampleRate);
                double value = 0;
                switch (wave) {
                case TWave::Sine:
                    for (std::size_t h = 0; h < harmonics.size(); ++h)
                        if (step * (h + 1) < 0.49)
                            value += harmonics[h] * SineOfCycles(phase * (h + 1));
                    value /= harmonicSum;
                    break;
                case TWave::Triangle:
                    value = 1.0 - 4.0 * std::abs(phase - 0.5);
                    break;
                case TWave::Saw:
                    value = 2.0 * phase - 1.0 - PolyBlep(phase, step);
                    break;
                case TWave::Square:
                    value = (phase < 0.5 ? 1.0 : -1.0) + PolyBlep(phase, step) -
                            PolyBlep(std::fmod(phase + 0.5, 1.0), step);
                    break;
                }
                out[i] += static_cast<float>(value / voices);
                phase += step;
                if (phase >= 1.0) phase -= 1.0;
            }
        }
        return out;
    }

    TSamples Fm() {
        RequirePitch();
        const double ratio = params_.Number("ratio", 1.0);
        const auto indexValue = params_.Value("index", false).value_or(TValue::Of(1.0));
        const TSweep index = Settle(indexValue, instance_.baseHz, random_, false);
        const double indexDecay = params_.Number("indexdecay", 0);
        TSamples out(count_);
        double carrier = 0, modulator = 0;
        const double indexFall =
            indexDecay > 0 ? std::pow(10.0, -3.0 / (indexDecay * kSampleRate)) : 1.0;
        double decayingIndex = index.from;
        for (int i = 0; i < count_; ++i) {
            const double hz = Pitches()[i];
            const double depth = indexDecay > 0 ? decayingIndex : index.At(GlideFraction(i));
            decayingIndex *= indexFall;
            out[i] = static_cast<float>(
                SineOfCycles(carrier + depth / (2 * kPi) * SineOfCycles(modulator)));
            carrier = std::fmod(carrier + hz / kSampleRate, 1.0);
            modulator = std::fmod(modulator + hz * ratio / kSampleRate, 1.0);
        }
        return out;
    }

    // "ratio:dB:T60,..." partials of a struck bar, plate or drum head.
    TSamples Modal() {
        RequirePitch();
        const std::string text = params_.Text("modes", "1:0:0.5");
        TSamples out(count_, 0.0f);
        for (const std::string& mode : SplitList(text, ',')) {
            const auto parts = SplitList(mode, ':');
            double ratio = 0, db = 0, t60 = 0;
            if (parts.size() != 3 || !ParseNumber(parts[0], ratio) || !ParseNumber(parts[1], db) ||
                !ParseNumber(parts[2], t60) || ratio <= 0 || t60 <= 0)
                params_.Bad("modes", text, "ratio:dB:T60 triples separated by commas");
            double amplitude = DbToGain(db);
            const double fall = std::pow(10.0, -3.0 / (t60 * kSampleRate));
            const std::vector<double>& pitches = Pitches();
            double phase = 0;
            for (int i = 0; i < count_ && amplitude > 1e-4; ++i) { // stop 80 dB down
                const double step = pitches[i] * ratio / kSampleRate;
                if (step >= 0.45) break;
                out[i] += static_cast<float>(amplitude * SineOfCycles(phase));
                amplitude *= fall;
                phase += step;
                if (phase >= 1.0) phase -= 1.0;
            }
        }
        return out;
    }

    TSamples Noise() {
        const std::string color = params_.Text("color", "white");
        if (color != "white" && color != "pink" && color != "brown")
            params_.Bad("color", color, "white, pink or brown");
        TSamples out(count_);
        double b0 = 0, b1 = 0, b2 = 0, brown = 0;
        for (int i = 0; i < count_; ++i) {
            const double white = random_.Bipolar();
            double value = white;
            if (color == "pink") {
                b0 = 0.99765 * b0 + white * 0.0990460;
                b1 = 0.96300 * b1 + white * 0.2965164;
                b2 = 0.57000 * b2 + white * 1.0526913;
                value = (b0 + b1 + b2 + white * 0.1848) * 0.25;
            } else if (color == "brown") {
                brown = 0.995 * brown + white * 0.1;
                value = brown * 2.5;
            }
            out[i] = static_cast<float>(value);
        }
        return out;
    }

    // Karplus-Strong string: a burst of noise circulating in a tuned, slowly damped delay.
    TSamples Pluck() {
        RequirePitch();
        const double hz = pitch_.from;
        const double decay = decay_ > 0 ? decay_ : 1.5;
        const double bright = std::clamp(params_.Number("bright", 0.6), 0.0, 1.0);
        const double delay = static_cast<double>(kSampleRate) / hz - 0.5;
        const int length = static_cast<int>(delay) + 2;
        std::vector<double> line(length, 0.0);
        double smooth = 0, mean = 0;
        for (int i = 0; i < length; ++i) {
            smooth += (random_.Bipolar() - smooth) * (0.05 + 0.95 * bright);
            line[i] = smooth;
            mean += smooth / length;
        }
        for (double& s : line) s -= mean;
        const double loopGain = std::pow(10.0, -3.0 / (decay * hz));
        const double fraction = delay - std::floor(delay);
        TSamples out(count_);
        int write = 0;
        double previous = 0;
        for (int i = 0; i < count_; ++i) {
            const int whole = static_cast<int>(delay);
            const int a = (write - whole + length * 2) % length;
            const int b = (a - 1 + length) % length;
            const double delayed = line[a] * (1 - fraction) + line[b] * fraction;
            const double filtered = 0.5 * (delayed + previous) * loopGain;
            previous = delayed;
            line[write] = filtered;
            write = (write + 1) % length;
            out[i] = static_cast<float>(delayed);
        }
        return out;
    }

    void ApplyFilter(TSamples& samples) {
        const std::string mode = params_.Text("filter", "none");
        if (mode == "none") return;
        TStateVariableFilter::TMode filterMode = TStateVariableFilter::TMode::LowPass;
        if (mode == "hp")
            filterMode = TStateVariableFilter::TMode::HighPass;
        else if (mode == "bp")
            filterMode = TStateVariableFilter::TMode::BandPass;
        else if (mode != "lp")
            params_.Bad("filter", mode, "lp, hp, bp or none");
        const auto cutoffValue = params_.Value("cutoff", true);
        if (!cutoffValue) params_.Entry().Fail("filter=" + mode + " needs cutoff=");
        const TSweep cutoff = Settle(*cutoffValue, instance_.baseHz, random_, true);
        TStateVariableFilter filter(filterMode, params_.Number("q", 0.707));
        for (int i = 0; i < count_; ++i)
            samples[i] = filter.Process(samples[i], cutoff.At(GlideFraction(i)));
    }

    const TLayerParams& params_;
    TInstance instance_;
    TSynthRandom random_;
    double attack_, hold_, decay_, release_, glide_;
    bool exponential_;
    TSweep pitch_;
    std::optional<std::pair<double, double>> vibrato_, tremolo_;
    int count_;
    std::vector<double> pitches_;
};

// The copies a layer plays: one, one per note of notes=, or a random scatter.
std::vector<TInstance> Expand(const TLayerParams& params, const TPatchNote& note, uint64_t seed) {
    const double start = params.Number("at", 0);
    const double length = params.Number("dur", note.length);
    std::vector<TInstance> instances;
    if (params.Has("notes")) {
        std::vector<TNoteEvent> run;
        try {
            run = ParseNoteRun(params.Text("notes", ""), params.Number("step", 0.1));
        } catch (const std::invalid_argument& error) {
            params.Entry().Fail(error.what());
        }
        const double gainStep = params.Number("gainstep", 0);
        int index = 0;
        for (const TNoteEvent& event : run) {
            for (const TValue& pitch : event.pitches) {
                const double hz = pitch.relative ? pitch.from * note.baseHz : pitch.from;
                const double ownLength = params.Has("dur") ? length : event.length;
                instances.push_back({start + event.time, ownLength, hz,
                                     note.gainDb + gainStep * index,
                                     HashName(std::to_string(instances.size()), seed)});
            }
            ++index;
        }
        return instances;
    }
    if (length <= 0) params.Entry().Fail("\"" + params.Entry().kind + "\" needs dur=");
    if (params.Has("scatter")) {
        TSynthRandom random(seed);
        const double rate = params.Number("scatter", 1);
        const double grain = params.Number("len", 0.05);
        const double spread = params.Number("gainvar", 0);
        const int count = std::max(1, static_cast<int>(std::lround(rate * length)));
        for (int i = 0; i < count; ++i) {
            const double at = start + random.Uniform() * std::max(0.0, length - grain);
            instances.push_back({at, grain, note.baseHz, note.gainDb + random.Bipolar() * spread,
                                 HashName(std::to_string(i), seed)});
        }
        return instances;
    }
    instances.push_back({start, length, note.baseHz, note.gainDb, seed});
    return instances;
}

} // namespace

std::vector<TNoteEvent> ParseNoteRun(std::string_view text, double step) {
    std::vector<TNoteEvent> run;
    double time = 0;
    for (const std::string& token : SplitList(text, ',')) {
        TNoteEvent event;
        event.time = time;
        event.length = step;
        std::string_view pitches = token;
        if (const auto slash = pitches.find('/'); slash != std::string_view::npos) {
            if (!ParseNumber(pitches.substr(slash + 1), event.length) || event.length <= 0)
                throw std::invalid_argument("bad length in note \"" + token + "\"");
            pitches = pitches.substr(0, slash);
        }
        if (pitches != "-") {
            for (const std::string& pitch : SplitList(pitches, '+')) {
                TValue value;
                if (!TValue::Parse(pitch, true, value) || value.shape != TValue::TShape::Fixed)
                    throw std::invalid_argument("bad note \"" + pitch + "\"");
                event.pitches.push_back(value);
            }
        }
        time += event.length;
        run.push_back(std::move(event));
    }
    return run;
}

bool IsLayerKind(std::string_view kind) {
    return kind == "tone" || kind == "fm" || kind == "modal" || kind == "noise" || kind == "pluck";
}

void RenderPatch(const std::vector<TRecipeEntry>& layers, const TPatchNote& note,
                 const TSampleSink& sink) {
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const TRecipeEntry& layer = layers[i];
        if (!IsLayerKind(layer.kind)) layer.Fail("unknown layer \"" + layer.kind + "\"");
        const TLayerParams params(layer);
        for (const TInstance& instance :
             Expand(params, note, HashName(std::to_string(i), note.seed))) {
            TVoiceRenderer voice(params, instance);
            sink(std::lround(instance.start * kSampleRate), voice.Render());
        }
    }
}

void MixPatchInto(const std::vector<TRecipeEntry>& layers, const TPatchNote& note, TSamples& out) {
    RenderPatch(layers, note, [&out](long start, const TSamples& samples) {
        const std::size_t end = static_cast<std::size_t>(start) + samples.size();
        if (out.size() < end) out.resize(end, 0.0f);
        for (std::size_t i = 0; i < samples.size(); ++i) out[start + i] += samples[i];
    });
}
