#include "engine/SoundByName.h"

namespace {
TNamedSoundTarget* effectTarget = nullptr;
TNamedSoundTarget* voiceTarget = nullptr;
} // namespace

void SetEffectSoundTarget(TNamedSoundTarget* target) { effectTarget = target; }
void SetVoiceSoundTarget(TNamedSoundTarget* target) { voiceTarget = target; }
TNamedSoundTarget* EffectSoundTarget() { return effectTarget; }
TNamedSoundTarget* VoiceSoundTarget() { return voiceTarget; }

void PlaySound(std::string_view name) {
    if (effectTarget != nullptr) effectTarget->Play(name);
}

void PlayVoice(std::string_view name) {
    if (voiceTarget != nullptr) voiceTarget->Play(name);
}
