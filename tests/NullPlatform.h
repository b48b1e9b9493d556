#pragma once
// What the controller runs on in tests: no window, no sound card, time by hand.
#include "app/UMain.h"
#include "engine/GameGlobals.h"
#include "platform/AudioRecordingDevice.h"
#include "platform/RecordingGraphicsDevice.h"

#include <string>

struct TNullPlatform {
    TRecordingGraphicsDevice Device{GameSpace};
    TQueuedEventSource Events;
    TManualClock Clock;
    TRecordingDesktop Desktop;
    TRecordingAudioDevice Audio;

    // An empty data folder: nothing is saved.
    TFormPlatform For(const std::string& programFolder, const std::string& errorLogFile = "",
                      const std::string& dataFolder = "") {
        return {.Device = Device,
                .Events = Events,
                .Clock = Clock,
                .Desktop = Desktop,
                .ProgramFolder = programFolder,
                .ErrorLogFile = errorLogFile,
                .DataFolder = dataFolder,
                .Audio = &Audio};
    }
};
