#pragma once
// Ogg Vorbis in and out: the builder encodes with libvorbisenc and decodes its own output again
// to make sure the lossy coding left no sample above the allowed peak.
#include <cstdint>
#include <string>
#include <vector>

struct TAudio {
    int channels = 1;
    int rate = 44100;
    std::vector<float> samples; // interleaved

    std::size_t Frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double Seconds() const { return rate > 0 ? static_cast<double>(Frames()) / rate : 0; }
};

std::string EncodeOgg(const TAudio& audio, float quality, uint32_t serial);
bool DecodeOgg(const std::string& bytes, TAudio& audio);
bool DecodeOggFile(const std::string& path, TAudio& audio);

// Encodes, checks the decoded peak against maxPeakDb (lowering the level and encoding again if
// needed) and replaces the file in one step. Returns the decoded peak in dBFS.
double WriteOggFile(const std::string& path, TAudio audio, float quality, double maxPeakDb);
