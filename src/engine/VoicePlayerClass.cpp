#include "engine/VoicePlayerClass.h"

TVoicePlayer::TVoicePlayer(TAudioDevice& device) : streams(device, MaxStreams) {}

TVoicePlayer::~TVoicePlayer() {
    if (VoiceSoundTarget() == this) SetVoiceSoundTarget(nullptr);
}

void TVoicePlayer::LoadVoices(int kind, int number) {
    if (kind != TutorialVoices && kind != ChatVoices) return;
    const std::string folderPath =
        kind == TutorialVoices ? TutorialFolder() : Path + "Chats/" + std::to_string(number) + "/";
    TSoundFolderLoad folder(folderPath);
    for (const std::string& file : folder.Files()) {
        if (streams.Full())
            folder.NoRoom(file);
        else if (streams.Load(folderPath + file, 1) == 0)
            folder.Failed(file);
    }
}

void TVoicePlayer::LoadTutorialVoice(int number) {
    if (!streams.Full())
        streams.Load(TutorialFolder() + "Tutorial" + std::to_string(number) + ".ogg", 1);
}
