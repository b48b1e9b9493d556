#pragma once
// Sound by name: PlaySound goes to the main form's effect player, PlayVoice to the voice player
// of the current scene. With no player installed (tests, a silent start) nothing plays.
#include <string_view>

class TNamedSoundTarget {
public:
    virtual ~TNamedSoundTarget() = default;
    virtual void Play(std::string_view name) = 0;
};

void SetEffectSoundTarget(TNamedSoundTarget* target);
void SetVoiceSoundTarget(TNamedSoundTarget* target);
TNamedSoundTarget* EffectSoundTarget();
TNamedSoundTarget* VoiceSoundTarget();

void PlaySound(std::string_view name);
void PlayVoice(std::string_view name);
