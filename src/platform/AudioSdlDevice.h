#pragma once
// SDL2_mixer behind TAudioDevice: each effect or voice is a decoded Mix_Chunk on a mixer channel
// of its own, so playing it again restarts just that sound; music is a Mix_Music streamed from
// its file, and only one plays at a time.
#include "platform/AudioDevice.h"

#include <string>
#include <unordered_map>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

class TSdlAudioDevice : public TAudioDevice {
public:
    // Opens the sound card; nullptr with the reason in whyNot when there is none or no Ogg.
    static std::unique_ptr<TSdlAudioDevice> Open(std::string& whyNot);
    ~TSdlAudioDevice() override;
    TSdlAudioDevice(const TSdlAudioDevice&) = delete;
    TSdlAudioDevice& operator=(const TSdlAudioDevice&) = delete;

    TAudioStream OpenStream(const std::string& path, TAudioStreamKind kind) override;
    void Play(TAudioStream stream) override;
    void Stop(TAudioStream stream) override;
    bool IsPlaying(TAudioStream stream) override;
    void SetVolume(TAudioStream stream, int volume) override;
    void Free(TAudioStream stream) override;
    void Close() override;

private:
    struct Entry {
        Mix_Chunk* Chunk = nullptr;
        Mix_Music* Music = nullptr;
        int Channel = -1;
        bool Looped = false;
        int Volume = 100;
    };

    TSdlAudioDevice() = default;
    Entry* Find(TAudioStream stream);
    int TakeChannel();
    void FreeEntry(Entry& entry);

    std::unordered_map<TAudioStream, Entry> streams;
    std::vector<int> spareChannels;
    int channelCount = 0;
    Mix_Music* playingMusic = nullptr;
    TAudioStream lastStream = NoAudioStream;
    bool open = false;
};
