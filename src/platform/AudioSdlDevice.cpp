#include "platform/AudioSdlDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int MixFrequency = 44100;
constexpr int MixChannels = 2;
constexpr int MixChunkBytes = 1024;
// Mixer channels grow in blocks: one channel per effect or voice stream.
constexpr int ChannelBlock = 32;

int MixVolume(int volume) {
    return (ClampVolume(volume) * MIX_MAX_VOLUME + 50) / 100;
}

std::string SdlError() {
    return SDL_GetError();
}

} // namespace

std::unique_ptr<TSdlAudioDevice> TSdlAudioDevice::Open(std::string& whyNot) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        whyNot = "no audio device (" + SdlError() + ")";
        return nullptr;
    }
    if ((Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG) == 0) {
        whyNot = "SDL2_mixer cannot decode Ogg Vorbis (" + SdlError() + ")";
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    if (Mix_OpenAudio(MixFrequency, MIX_DEFAULT_FORMAT, MixChannels, MixChunkBytes) != 0) {
        whyNot = "the audio device cannot be opened (" + SdlError() + ")";
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    if (!Mix_HasChunkDecoder("OGG") || !Mix_HasMusicDecoder("OGG")) {
        whyNot = "SDL2_mixer has no Ogg Vorbis decoder";
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(0);
    std::unique_ptr<TSdlAudioDevice> device(new TSdlAudioDevice());
    device->open = true;
    return device;
}

TSdlAudioDevice::~TSdlAudioDevice() {
    Close();
}

void TSdlAudioDevice::Close() {
    if (!open) return;
    // Everything stops and is freed while the mixer still exists; only then the card goes.
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    for (auto& [handle, entry] : streams) FreeEntry(entry);
    streams.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
}

TSdlAudioDevice::Entry* TSdlAudioDevice::Find(TAudioStream stream) {
    auto found = streams.find(stream);
    return found != streams.end() ? &found->second : nullptr;
}

int TSdlAudioDevice::TakeChannel() {
    if (spareChannels.empty()) {
        const int grown = channelCount + ChannelBlock;
        Mix_AllocateChannels(grown);
        for (int channel = grown - 1; channel >= channelCount; --channel)
            spareChannels.push_back(channel);
        channelCount = grown;
    }
    const int channel = spareChannels.back();
    spareChannels.pop_back();
    return channel;
}

TAudioStream TSdlAudioDevice::OpenStream(const std::string& path, TAudioStreamKind kind) {
    if (!open) return NoAudioStream;
    Entry entry;
    if (kind == TAudioStreamKind::Sample) {
        entry.Chunk = Mix_LoadWAV(path.c_str());
        if (entry.Chunk == nullptr) return NoAudioStream;
        entry.Channel = TakeChannel();
        Mix_Volume(entry.Channel, MixVolume(entry.Volume));
    } else {
        entry.Music = Mix_LoadMUS(path.c_str());
        if (entry.Music == nullptr) return NoAudioStream;
        entry.Looped = kind == TAudioStreamKind::LoopedMusic;
    }
    streams.emplace(++lastStream, entry);
    return lastStream;
}

void TSdlAudioDevice::Play(TAudioStream stream) {
    Entry* entry = Find(stream);
    if (entry == nullptr) return;
    if (entry->Chunk != nullptr) {
        // Playing on the stream's own channel cuts what it was playing: a restart.
        Mix_PlayChannel(entry->Channel, entry->Chunk, 0);
        return;
    }
    if (Mix_PlayMusic(entry->Music, entry->Looped ? -1 : 1) == 0) {
        playingMusic = entry->Music;
        Mix_VolumeMusic(MixVolume(entry->Volume));
    }
}

void TSdlAudioDevice::Stop(TAudioStream stream) {
    Entry* entry = Find(stream);
    if (entry == nullptr) return;
    if (entry->Chunk != nullptr) {
        Mix_HaltChannel(entry->Channel);
    } else if (entry->Music == playingMusic) {
        Mix_HaltMusic();
        playingMusic = nullptr;
    }
}

bool TSdlAudioDevice::IsPlaying(TAudioStream stream) {
    Entry* entry = Find(stream);
    if (entry == nullptr) return false;
    if (entry->Chunk != nullptr) return Mix_Playing(entry->Channel) != 0;
    return entry->Music == playingMusic && Mix_PlayingMusic() != 0;
}

void TSdlAudioDevice::SetVolume(TAudioStream stream, int volume) {
    Entry* entry = Find(stream);
    if (entry == nullptr) return;
    volume = ClampVolume(volume);
    if (entry->Volume == volume) return;
    entry->Volume = volume;
    if (entry->Chunk != nullptr)
        Mix_Volume(entry->Channel, MixVolume(volume));
    else if (entry->Music == playingMusic)
        Mix_VolumeMusic(MixVolume(volume));
}

void TSdlAudioDevice::Free(TAudioStream stream) {
    auto found = streams.find(stream);
    if (found == streams.end()) return;
    FreeEntry(found->second);
    streams.erase(found);
}

void TSdlAudioDevice::FreeEntry(Entry& entry) {
    if (entry.Chunk != nullptr) {
        Mix_HaltChannel(entry.Channel);
        Mix_FreeChunk(entry.Chunk);
        spareChannels.push_back(entry.Channel);
    }
    if (entry.Music != nullptr) {
        if (entry.Music == playingMusic) {
            Mix_HaltMusic();
            playingMusic = nullptr;
        }
        Mix_FreeMusic(entry.Music);
    }
    entry = Entry{};
}
