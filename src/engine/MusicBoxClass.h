#pragma once
// TMusicBox: the six music tracks, one playing at a time, with a fade-out and fade-in on every
// change, advanced once per frame by Update.
#include "platform/AudioDevice.h"

#include <array>
#include <string>

class TMusicBox {
public:
    static constexpr int TrackCount = 6;
    static constexpr int NoTrack = -1;
    static constexpr int FadeOutStep = 5;
    static constexpr int FadeInStep = 2;

    explicit TMusicBox(TAudioDevice& device);
    ~TMusicBox();
    TMusicBox(const TMusicBox&) = delete;
    TMusicBox& operator=(const TMusicBox&) = delete;

    // Folder of the music files, ending in a separator.
    std::string Path;

    int Volume() const { return volume; }
    // Only stores the clamped value; Update applies it.
    void SetVolume(int newVolume) { volume = ClampVolume(newVolume); }

    // Opens the six tracks from Path. Each track keeps its number; one that fails stays silent.
    void LoadMusic();
    // Fades the current track out and then starts Track; asking for the current one does nothing.
    void RequestTrack(int track);
    // Stops everything and plays Track from its start (nothing for a track below 0).
    void SwitchTo(int track);
    // One frame of fading.
    void Update();
    void StopAll();

    int CurrentTrack() const { return currentTrack; }
    int NextTrack() const { return nextTrack; }
    int FadeVolume() const { return fadeVolume; }
    bool FadingIn() const { return fadingIn; }
    int StreamCount() const { return streamCount; }

    static const char* TrackFileName(int track);

private:
    void FreeStreams();

    TAudioDevice& device;
    int currentTrack = NoTrack;
    int fadeVolume = 0;
    int nextTrack = 0;
    bool fadingIn = true;
    std::array<TAudioStream, TrackCount> streams{};
    int streamCount = 0;
    int volume = 70;
};
