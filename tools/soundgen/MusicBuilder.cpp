#include "MusicBuilder.h"

#include "Parallel.h"
#include "PatchRenderer.h"
#include "Synth.h"

#include <cstdio>
#include <filesystem>

namespace {

// Two channels that either wrap around (a loop) or grow (a one-shot track).
class TStereoBus {
public:
    TStereoBus(std::size_t frames, bool wraps)
        : left_(frames, 0.0f), right_(frames, 0.0f), wraps_(wraps) {}

    void Add(long start, const TSamples& samples, double pan) {
        const auto leftGain = static_cast<float>(std::cos((pan + 1) * kPi / 4));
        const auto rightGain = static_cast<float>(std::sin((pan + 1) * kPi / 4));
        if (!wraps_ && left_.size() < start + samples.size()) {
            left_.resize(start + samples.size(), 0.0f);
            right_.resize(start + samples.size(), 0.0f);
        }
        const std::size_t size = left_.size();
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const std::size_t at = (start + i) % size;
            left_[at] += samples[i] * leftGain;
            right_[at] += samples[i] * rightGain;
        }
    }

    void AddRoom(double mix, double size) {
        if (mix <= 0) return;
        if (!wraps_) {
            left_.resize(left_.size() + SecondsToSamples(2.5), 0.0f);
            right_.resize(right_.size() + SecondsToSamples(2.5), 0.0f);
        }
        Reverberate(left_, mix, size, 0);
        Reverberate(right_, mix, size, 23);
    }

    TAudio Interleave() const {
        TAudio audio{2, kSampleRate, {}};
        audio.samples.reserve(left_.size() * 2);
        for (std::size_t i = 0; i < left_.size(); ++i) {
            audio.samples.push_back(left_[i]);
            audio.samples.push_back(right_[i]);
        }
        return audio;
    }

private:
    // Around a loop the room first hears the loop's last seconds, so the tail of the end is
    // already ringing when the start comes.
    void Reverberate(TSamples& channel, double mix, double size, int spread) const {
        TRoom room(size, 0.45, spread);
        const std::size_t preRoll =
            wraps_ ? std::min(channel.size(), std::size_t(SecondsToSamples(4.0))) : 0;
        for (std::size_t i = channel.size() - preRoll; i < channel.size(); ++i)
            room.Process(channel[i]);
        TSamples wet(channel.size());
        for (std::size_t i = 0; i < channel.size(); ++i) wet[i] = room.Process(channel[i]);
        for (std::size_t i = 0; i < channel.size(); ++i)
            channel[i] += static_cast<float>(mix) * wet[i];
    }

    TSamples left_, right_;
    bool wraps_;
};

double RmsDb(const TAudio& audio) {
    return GainToDb(RmsOf(audio.samples.data(), audio.samples.size()));
}

} // namespace

namespace {

TStereoBus PlayScore(const TRecipe& track, const TScore& score, const TRecipeFile& instruments) {
    const double secondsPerBeat = score.SecondsPerBeat();
    TStereoBus bus(SecondsToSamples(score.LengthBeats() * secondsPerBeat), score.loop);
    uint64_t seed = HashName(track.name);
    for (const TScoreNote& note : score.notes) {
        const TRecipe* instrument = instruments.Find(note.instrument);
        if (instrument == nullptr)
            track.Fail("no instrument [" + note.instrument + "] in " + instruments.path);
        const long start = std::lround(note.beat * secondsPerBeat * kSampleRate);
        const double pan = std::clamp(note.pan + instrument->Number("pan", 0), -1.0, 1.0);
        const TPatchNote patchNote{note.hz, note.beats * secondsPerBeat,
                                   note.gainDb + instrument->Number("gain", 0), seed++};
        RenderPatch(instrument->entries, patchNote, [&](long offset, const TSamples& samples) {
            bus.Add(start + offset, samples, pan);
        });
    }
    return bus;
}

// The recipe's loudness, but never closer than 1.5 dB to full scale.
void SetLoudness(TAudio& audio, double wantedDb) {
    const double gainDb = std::min(wantedDb - RmsDb(audio), -1.5 - GainToDb(PeakOf(audio.samples)));
    const auto gain = static_cast<float>(DbToGain(gainDb));
    for (float& s : audio.samples) s *= gain;
}

} // namespace

TAudio RenderTrack(const TRecipe& track, const TScore& score, const TRecipeFile& instruments) {
    TStereoBus bus = PlayScore(track, score, instruments);
    bus.AddRoom(track.Number("reverb", 0.15), track.Number("room", 0.6));
    TAudio audio = bus.Interleave();
    if (!score.loop) {
        // A one-shot ends in silence.
        TrimSilentEnd(audio.samples, -60, 0, 2);
        FadeEdges(audio.samples, 0, track.Number("fadeout", 0.3), 2);
    }
    SetLoudness(audio, track.Number("loudness", -21));
    return audio;
}

void BuildMusic(const TRecipeFile& tracks, const TRecipeFile& instruments,
                const std::string& musicFolder, int threads) {
    std::filesystem::create_directories(musicFolder);
    std::vector<std::string> lines(tracks.recipes.size());
    ParallelFor(static_cast<int>(tracks.recipes.size()), threads, [&](int i) {
        const TRecipe& track = tracks.recipes[i];
        const TScore score = ComposeTrack(track);
        const TAudio audio = RenderTrack(track, score, instruments);
        const double peak = WriteOggFile(musicFolder + "/" + track.name + ".ogg", audio,
                                         static_cast<float>(track.Number("quality", 0.6)), -1.0);
        char line[160];
        std::snprintf(line, sizeof line,
                      "  %-12s %5.1f s  %4zu notes  rms %5.1f dBFS  peak %5.1f dBFS%s",
                      track.name.c_str(), audio.Seconds(), score.notes.size(), RmsDb(audio), peak,
                      score.loop ? "  loop" : "");
        lines[i] = line;
    });
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}
