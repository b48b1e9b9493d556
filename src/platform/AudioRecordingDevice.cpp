#include "platform/AudioRecordingDevice.h"

#include <filesystem>

TRecordedAudioStream* TRecordingAudioDevice::Live(TAudioStream stream) {
    if (Closed || stream == NoAudioStream || stream > Streams.size()) return nullptr;
    TRecordedAudioStream& entry = Streams[stream - 1];
    return entry.Freed ? nullptr : &entry;
}

TAudioStream TRecordingAudioDevice::OpenStream(const std::string& path, TAudioStreamKind kind) {
    if (Closed || !std::filesystem::is_regular_file(path) || (OpenFails && OpenFails(path)))
        return NoAudioStream;
    Streams.push_back({path, kind});
    const auto stream = static_cast<TAudioStream>(Streams.size());
    Calls.push_back({TAudioCall::Open, stream, 0});
    return stream;
}

void TRecordingAudioDevice::Play(TAudioStream stream) {
    TRecordedAudioStream* entry = Live(stream);
    if (entry == nullptr) return;
    if (entry->Kind != TAudioStreamKind::Sample)
        for (auto& other : Streams)
            if (other.Kind != TAudioStreamKind::Sample) other.Playing = false;
    entry->Playing = true;
    ++entry->PlayCount;
    Calls.push_back({TAudioCall::Play, stream, 0});
}

void TRecordingAudioDevice::Stop(TAudioStream stream) {
    TRecordedAudioStream* entry = Live(stream);
    if (entry == nullptr) return;
    entry->Playing = false;
    Calls.push_back({TAudioCall::Stop, stream, 0});
}

bool TRecordingAudioDevice::IsPlaying(TAudioStream stream) {
    TRecordedAudioStream* entry = Live(stream);
    return entry != nullptr && entry->Playing;
}

void TRecordingAudioDevice::SetVolume(TAudioStream stream, int volume) {
    TRecordedAudioStream* entry = Live(stream);
    if (entry == nullptr) return;
    entry->Volume = ClampVolume(volume);
    Calls.push_back({TAudioCall::SetVolume, stream, entry->Volume});
}

void TRecordingAudioDevice::Free(TAudioStream stream) {
    TRecordedAudioStream* entry = Live(stream);
    if (entry == nullptr) return;
    entry->Playing = false;
    entry->Freed = true;
    Calls.push_back({TAudioCall::Free, stream, 0});
}

void TRecordingAudioDevice::Close() {
    if (Closed) return;
    for (TAudioStream stream = 1; stream <= Streams.size(); ++stream) Free(stream);
    Calls.push_back({TAudioCall::Close, NoAudioStream, 0});
    Closed = true;
}

void TRecordingAudioDevice::Finish(TAudioStream stream) {
    if (TRecordedAudioStream* entry = Live(stream)) entry->Playing = false;
}

std::vector<TAudioStream> TRecordingAudioDevice::PlayingStreams() const {
    std::vector<TAudioStream> playing;
    for (TAudioStream stream = 1; stream <= Streams.size(); ++stream)
        if (Streams[stream - 1].Playing && !Streams[stream - 1].Freed) playing.push_back(stream);
    return playing;
}

std::vector<TAudioStream> TRecordingAudioDevice::PlayedStreams() const {
    std::vector<TAudioStream> played;
    for (const auto& call : Calls)
        if (call.Call == TAudioCall::Play) played.push_back(call.Stream);
    return played;
}
