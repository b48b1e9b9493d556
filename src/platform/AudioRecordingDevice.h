#pragma once
// Test device: keeps every stream and call so tests can see what would have sounded. A stream
// plays from Play until Stop, Free or Finish (the test saying the sound reached its end); like
// the mixer, starting one music stream stops any other.
#include "platform/AudioDevice.h"

#include <functional>
#include <string>
#include <vector>

struct TRecordedAudioStream {
    std::string Path;
    TAudioStreamKind Kind = TAudioStreamKind::Sample;
    bool Playing = false;
    bool Freed = false;
    int Volume = 100;
    int PlayCount = 0;
};

enum class TAudioCall { Open, Play, Stop, SetVolume, Free, Close };

struct TRecordedAudioCall {
    TAudioCall Call;
    TAudioStream Stream;
    int Volume; // for SetVolume
};

class TRecordingAudioDevice : public TAudioDevice {
public:
    // Streams by handle - 1, freed ones included.
    std::vector<TRecordedAudioStream> Streams;
    std::vector<TRecordedAudioCall> Calls;
    // Opening fails for a file that does not exist, or when this says so.
    std::function<bool(const std::string& path)> OpenFails;
    bool Closed = false;

    TAudioStream OpenStream(const std::string& path, TAudioStreamKind kind) override;
    void Play(TAudioStream stream) override;
    void Stop(TAudioStream stream) override;
    bool IsPlaying(TAudioStream stream) override;
    void SetVolume(TAudioStream stream, int volume) override;
    void Free(TAudioStream stream) override;
    void Close() override;

    // The sound reached its end by itself.
    void Finish(TAudioStream stream);
    const TRecordedAudioStream& Stream(TAudioStream stream) const { return Streams.at(stream - 1); }
    // Handles of the streams that play now, in handle order.
    std::vector<TAudioStream> PlayingStreams() const;
    // Play calls in order.
    std::vector<TAudioStream> PlayedStreams() const;

private:
    TRecordedAudioStream* Live(TAudioStream stream);
};
