#pragma once
// Listen-free measures of a decoded sound.
#include "OggCodec.h"

#include <string>

struct TSoundMeasures {
    double seconds = 0;
    double peakDb = -240;
    double rmsDb = -240;     // over the whole file
    double loudestDb = -240; // RMS of the loudest 400 ms window (the whole file if shorter)
    double onsetSeconds = 0; // first sample within 30 dB of the peak
    double edgeDb = -240;    // louder of the first and the last sample
    double dcOffset = 0;     // mean of all samples
};

TSoundMeasures Measure(const TAudio& audio);

// RMS in dBFS of frames [first, first + count) over all channels.
double RmsDbOf(const TAudio& audio, std::size_t first, std::size_t count);
