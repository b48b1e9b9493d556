#include "engine/VoicePlayerClass.h"

TVoicePlayer::TVoicePlayer(TAudioDevice& device) : streams(device, MaxStreams) {}

TVoicePlayer::~TVoicePlayer() {
    if (VoiceSoundTarget() == this) SetVoiceSoundTarget(nullptr);
}

void TVoicePlayer::LoadVoices(int kind, int number) {
    if (kind != TutorialVoices && kind != ChatVoices) return;
    const std::string folderPath =
        kind == TutorialVoices ? TutorialFolder() : Path + "Chats/" + std::to_string(number) + "/";
    streams.LoadFolder(folderPath);
}

void TVoicePlayer::LoadTutorialVoice(int number) {
    if (!streams.Full())
        streams.Load(TutorialFolder() + "Tutorial" + std::to_string(number) + ".ogg", 1);
}
