#pragma once
// TVoicePlayer: the spoken lines of one group (the tutorial, or one character chat). The
// controller makes a new player for every group and throws the old one away.
#include "engine/SoundByName.h"
#include "engine/SoundStreamTable.h"

#include <string>
#include <string_view>

class TVoicePlayer : public TNamedSoundTarget {
public:
    static constexpr int MaxStreams = 20;
    static constexpr int TutorialVoices = 0;
    static constexpr int ChatVoices = 1;

    explicit TVoicePlayer(TAudioDevice& device);
    // Frees its streams; stops being the target of PlayVoice.
    ~TVoicePlayer() override;

    // The program's voice folder, ending in a separator; holds "Tutorial/" and "Chats/<n>/".
    std::string Path = "Voices/";

    int Volume() const { return streams.Volume(); }
    void SetVolume(int volume) { streams.SetVolume(volume); }

    // Kind 0: every voice of the tutorial; kind 1: every voice of chat `number`.
    void LoadVoices(int kind, int number);
    // The single file "Tutorial<number>.ogg" of the tutorial voices.
    void LoadTutorialVoice(int number);
    int StreamCount() const { return streams.Count(); }
    int IndexOf(std::string_view name) const { return streams.IndexOf(name); }
    void Play(std::string_view name) override { streams.PlayIndex(IndexOf(name)); }
    void StopAll() { streams.StopAll(); }
    // Lets go of every voice, before the next group is loaded.
    void FreeVoices() { streams.Clear(); }

private:
    std::string TutorialFolder() const { return Path + "Tutorial/"; }

    TSoundStreamTable streams;
};
