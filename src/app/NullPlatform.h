#pragma once
// What the controller runs on without a window: no sound card, time by hand. The tests and the
// headless round runner use it.
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
    // A mouse event for the next loop pass, at a point of the game area.
    void PushMouse(TEventKind kind, TPoint at, int button = 0) {
        TPlatformEvent event;
        event.Kind = kind;
        event.X = at.X;
        event.Y = at.Y;
        event.Button = button;
        Events.Push(event);
    }
};
