#pragma once
// TSFXPlayer: every sound effect of the Sounds folder, opened once at start-up and played by
// name. The six busy sounds get five copies each so that they can overlap.
#include "engine/SoundByName.h"
#include "engine/SoundStreamTable.h"

#include <string>
#include <string_view>

class TSFXPlayer : public TNamedSoundTarget {
public:
    static constexpr int MaxStreams = 91;
    static constexpr int BusyCopies = 5;

    explicit TSFXPlayer(TAudioDevice& device);
    // Frees every stream; stops being the target of PlaySound.
    ~TSFXPlayer() override;

    // Folder of the sound files, ending in a separator.
    std::string Path;

    int Volume() const { return streams.Volume(); }
    void SetVolume(int volume) { streams.SetVolume(volume); }

    // Every ".ogg" file of Path, in name order; busy sounds five times in a row.
    void LoadSounds();
    // The same a few files at a time (a sound played before its file is in stays silent);
    // LoadMoreSounds is true once all are in.
    void StartLoadingSounds();
    bool LoadMoreSounds(int count) { return streams.LoadNextFiles(count); }
    // One stream of the file into the next slot; a file that fails takes no slot.
    void LoadStream(const std::string& fileName) { streams.Load(fileName, 1); }
    int StreamCount() const { return streams.Count(); }
    int IndexOf(std::string_view name) const { return streams.IndexOf(name); }
    // A busy sound takes its first quiet copy, or restarts the first when all five play.
    void Play(std::string_view name) override;
    void PlayIndex(int index) { streams.PlayIndex(index); }
    void StopAll() { streams.StopAll(); }

    static bool IsBusySound(std::string_view name);

private:
    TSoundStreamTable streams;
};
