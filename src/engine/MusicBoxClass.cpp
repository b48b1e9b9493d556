#include "engine/MusicBoxClass.h"

#include "engine/SoundStreamTable.h"

#include <cstdio>

namespace {

struct TTrackFile {
    const char* FileName;
    bool Looped;
};

constexpr std::array<TTrackFile, TMusicBox::TrackCount> Tracks{{{"Splash.ogg", true},
                                                                {"MainGame1.ogg", true},
                                                                {"MainGame2.ogg", true},
                                                                {"LevelClear.ogg", false},
                                                                {"Upgrade1.ogg", true},
                                                                {"Upgrade2.ogg", true}}};

bool IsTrack(int track) {
    return track >= 0 && track < TMusicBox::TrackCount;
}

} // namespace

TMusicBox::TMusicBox(TAudioDevice& device) : device(device) {}

TMusicBox::~TMusicBox() {
    FreeStreams();
}

const char* TMusicBox::TrackFileName(int track) {
    return IsTrack(track) ? Tracks[track].FileName : "";
}

void TMusicBox::FreeStreams() {
    for (TAudioStream& stream : streams) {
        device.Free(stream);
        stream = NoAudioStream;
    }
    streamCount = 0;
}

void TMusicBox::LoadMusic() {
    FreeStreams();
    std::string missing;
    for (int track = 0; track < TrackCount; ++track) {
        const auto kind =
            Tracks[track].Looped ? TAudioStreamKind::LoopedMusic : TAudioStreamKind::Music;
        const std::string path = Path + Tracks[track].FileName;
        const TFileError error = CheckSoundFile(path);
        if (!error.Failed()) streams[track] = device.OpenStream(path, kind);
        if (streams[track] != NoAudioStream) {
            ++streamCount;
            continue;
        }
        missing += std::string(missing.empty() ? "" : ", ") + Tracks[track].FileName;
        if (error.Failed()) missing += " (" + error.Cause + ")";
    }
    if (!missing.empty())
        std::fprintf(stderr, "Music of %s that could not be opened (stays silent): %s.\n",
                     Path.c_str(), missing.c_str());
}

void TMusicBox::RequestTrack(int track) {
    if (track != NoTrack && !IsTrack(track)) return;
    if (track == currentTrack) return;
    fadingIn = false;
    nextTrack = track;
}

void TMusicBox::SwitchTo(int track) {
    StopAll();
    currentTrack = track;
    if (IsTrack(track)) device.Play(streams[track]);
}

void TMusicBox::Update() {
    if (!fadingIn) {
        fadeVolume -= FadeOutStep;
        if (fadeVolume < 0) {
            fadeVolume = 0;
            if (nextTrack != NoTrack) {
                fadingIn = true;
                SwitchTo(nextTrack);
            }
        }
    } else {
        fadeVolume += FadeInStep;
        if (fadeVolume > volume) fadeVolume = volume;
    }
    for (TAudioStream stream : streams) device.SetVolume(stream, fadeVolume);
}

void TMusicBox::StopAll() {
    for (TAudioStream stream : streams) device.Stop(stream);
}
