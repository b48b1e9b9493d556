#pragma once
// The sound card as the game sees it: streams opened once from Ogg files, each played from its
// start (also when it already plays), stopped, asked whether it plays, given a volume 0..100 and
// freed. Effects and voices are decoded into memory; music is streamed, one track at a time.
#include <cstdint>
#include <memory>
#include <string>

using TAudioStream = uint32_t;
// Returned when a file cannot be opened; every call ignores it.
inline constexpr TAudioStream NoAudioStream = 0;

enum class TAudioStreamKind { Sample, Music, LoopedMusic };

class TAudioDevice {
public:
    virtual ~TAudioDevice() = default;
    virtual TAudioStream OpenStream(const std::string& path, TAudioStreamKind kind) = 0;
    virtual void Play(TAudioStream stream) = 0;
    virtual void Stop(TAudioStream stream) = 0;
    virtual bool IsPlaying(TAudioStream stream) = 0;
    // 0..100; values outside are clamped.
    virtual void SetVolume(TAudioStream stream, int volume) = 0;
    virtual void Free(TAudioStream stream) = 0;
    // Stops and frees every stream still open, then lets go of the sound card. Calls made
    // afterwards (players freeing their streams later at shutdown) do nothing.
    virtual void Close() = 0;
};

// A silent device: every stream opens and nothing ever sounds. The game runs on it when the
// sound card cannot be used.
class TNullAudioDevice : public TAudioDevice {
public:
    TAudioStream OpenStream(const std::string&, TAudioStreamKind) override { return ++lastStream; }
    void Play(TAudioStream) override {}
    void Stop(TAudioStream) override {}
    bool IsPlaying(TAudioStream) override { return false; }
    void SetVolume(TAudioStream, int) override {}
    void Free(TAudioStream) override {}
    void Close() override {}

private:
    TAudioStream lastStream = NoAudioStream;
};

// The SDL2_mixer device; the null device, with one line on stderr saying why, when there is no
// sound card or SDL2_mixer cannot decode Ogg Vorbis.
std::unique_ptr<TAudioDevice> OpenAudioDevice();

inline int ClampVolume(int volume) {
    return volume < 0 ? 0 : (volume > 100 ? 100 : volume);
}
