#include "engine/SFXPlayerClass.h"

#include <array>

namespace {
constexpr std::array<std::string_view, 6> BusySounds{"ElementBounce1", "ElementBounce2",
                                                     "ElementBounce3", "LockerBreak",
                                                     "ScoreCount",     "LockerBounce"};
}

TSFXPlayer::TSFXPlayer(TAudioDevice& device) : streams(device, MaxStreams) {}

TSFXPlayer::~TSFXPlayer() {
    if (EffectSoundTarget() == this) SetEffectSoundTarget(nullptr);
}

bool TSFXPlayer::IsBusySound(std::string_view name) {
    for (std::string_view busy : BusySounds)
        if (busy == name) return true;
    return false;
}

namespace {
int CopiesOf(std::string_view name) {
    return TSFXPlayer::IsBusySound(name) ? TSFXPlayer::BusyCopies : 1;
}
} // namespace

void TSFXPlayer::LoadSounds() {
    streams.LoadFolder(Path, CopiesOf);
}

void TSFXPlayer::StartLoadingSounds() {
    streams.BeginFolder(Path, CopiesOf);
}

void TSFXPlayer::Play(std::string_view name) {
    // Ordinary sounds have one copy, so this restarts them when they already play.
    PlayIndex(streams.FirstQuietCopy(IndexOf(name)));
}
