#include "SoundMeasures.h"

#include "Synth.h"

#include <algorithm>
#include <cmath>

double RmsDbOf(const TAudio& audio, std::size_t first, std::size_t count) {
    const std::size_t begin = first * audio.channels;
    const std::size_t end = std::min(audio.samples.size(), (first + count) * audio.channels);
    return begin < end ? GainToDb(RmsOf(audio.samples.data() + begin, end - begin)) : -240;
}

TSoundMeasures Measure(const TAudio& audio) {
    TSoundMeasures m;
    m.seconds = audio.Seconds();
    if (audio.samples.empty()) return m;
    const float peak = PeakOf(audio.samples);
    m.peakDb = GainToDb(peak);
    m.rmsDb = GainToDb(RmsOf(audio.samples.data(), audio.samples.size()));
    const std::size_t frames = audio.Frames();
    const std::size_t window = std::min<std::size_t>(frames, audio.rate * 4 / 10);
    for (std::size_t at = 0; at + window <= frames; at += std::max<std::size_t>(1, window / 8))
        m.loudestDb = std::max(m.loudestDb, RmsDbOf(audio, at, window));
    const float onsetLevel = peak * static_cast<float>(DbToGain(-30));
    std::size_t onset = 0;
    while (onset < audio.samples.size() && std::abs(audio.samples[onset]) < onsetLevel) ++onset;
    m.onsetSeconds = static_cast<double>(onset / audio.channels) / audio.rate;
    float edge = 0;
    for (int c = 0; c < audio.channels; ++c)
        edge = std::max({edge, std::abs(audio.samples[c]),
                         std::abs(audio.samples[audio.samples.size() - 1 - c])});
    m.edgeDb = GainToDb(edge);
    double sum = 0;
    for (const float s : audio.samples) sum += s;
    m.dcOffset = sum / audio.samples.size();
    return m;
}
