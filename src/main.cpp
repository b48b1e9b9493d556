// The program: reads the command line, makes sure it is the only game of this user, opens the
// game window through the platform layer and runs the controller until the window is closed.
#include "app/CommandLine.h"
#include "app/UMain.h"
#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "files/AtomicWrite.h"
#include "platform/PlatformPaths.h"
#include "platform/SdlEventSource.h"
#include "platform/SdlGraphicsDevice.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "saves/GameSettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <malloc.h>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr const char* ErrorLogName = "Errors.log";
// The name of the installed program and of its content folder under "share".
constexpr std::string_view InstalledName = "tovan";
// The lock file of the running game is named after this.
constexpr std::string_view InstanceLockName = "The_Saga_Of_Floodkeep_Game";
// A second game ends quietly: the first one is what the player wanted.
constexpr int SecondInstanceExitCode = 0;
constexpr int BadOptionExitCode = 2;
constexpr int LargeBufferBytes = 256 * 1024;

// The data folder, made where missing; empty (after saying so) when there is none: the game
// then runs without saving.
std::string PrepareDataFolder() {
    const std::string folder = UserDataFolder(GameTitle);
    const std::string problem =
        folder.empty() ? "no home folder is known for this user" : PrepareFolder(folder);
    if (problem.empty()) return folder;
    std::fprintf(stderr, "No data folder (%s): the game runs without saving.\n", problem.c_str());
    return {};
}

// Reduced effects as the command line asks (remembered from now on) or as remembered.
void ApplyGameSettings(const TCommandLine& options, const std::string& dataFolder) {
    TGameSettings settings;
    if (!dataFolder.empty()) settings = LoadGameSettings(dataFolder, LogToStderr);
    if (options.ReducedEffects.has_value() && *options.ReducedEffects != settings.ReducedEffects) {
        settings.ReducedEffects = *options.ReducedEffects;
        if (!dataFolder.empty()) SaveGameSettings(dataFolder, settings, LogToStderr);
    }
    SetReducedEffectsMode(settings.ReducedEffects);
}

std::function<void(const std::string&)> LinePrinter(std::FILE* stream) {
    return [stream](const std::string& line) {
        std::fprintf(stream, "%s\n", line.c_str());
        std::fflush(stream);
    };
}

int RunGame(const TCommandLine& options, const std::string& dataFolder) {
    TSdlDesktop desktop;
    std::string error;
    auto device = TSdlGraphicsDevice::OpenWindow(GameTitle, GameSpace, false, error);
    if (device == nullptr) {
        // Without a display no box can appear: one line on stderr says it all.
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    TSdlEventSource events(device.get());
    TSdlClock clock;
    TFormPlatform platform{.Device = *device,
                           .Events = events,
                           .Clock = clock,
                           .Desktop = desktop,
                           .ProgramFolder = ContentFolder(InstalledName),
                           .ErrorLogFile = dataFolder.empty() ? "" : dataFolder + ErrorLogName,
                           .DataFolder = dataFolder};
    if (options.TestReport) {
        platform.TestReport = LinePrinter(stdout);
        platform.TestReport("renderer: " + device->RendererName());
    }
    if (options.LogScenes) platform.SceneLog = LinePrinter(stderr);
    platform.StartFullScreen = options.FullScreen;
    try {
        TFormMain form(platform);
        return form.Run();
    } catch (const TFatalError& fatal) {
        desktop.ShowMessage("Error", fatal.what(), true);
        desktop.ShowMessage("Error", "This application will now exit.", true);
        return 1;
    }
}

// Takes the one-game lock, or says why not. False when another game holds it.
bool TakeInstanceLock(TSingleInstanceLock& lock, const std::string& dataFolder) {
    // Without a data folder there is nowhere to lock: the game runs all the same.
    if (dataFolder.empty()) return true;
    switch (lock.Acquire(dataFolder, InstanceLockName)) {
    case TInstanceLock::HeldElsewhere:
        TSdlDesktop().ShowMessage("Message", "Application is already running.", false);
        return false;
    case TInstanceLock::Unavailable:
        std::fprintf(stderr, "No single-game lock (%s): the game runs all the same.\n",
                     lock.Problem().c_str());
        return true;
    default:
        return true;
    }
}

int StartGame(const TCommandLine& options) {
    CatchTerminationSignals();
    const std::string dataFolder = PrepareDataFolder();
    ApplyGameSettings(options, dataFolder);
    TSingleInstanceLock lock;
    if (!TakeInstanceLock(lock, dataFolder)) return SecondInstanceExitCode;
    // Only the game holding the lock writes here: what a cut-short write left can go.
    if (lock.Held()) RemoveLeftoverTemporaries(dataFolder);
    return RunGame(options, dataFolder);
}

} // namespace

int main(int argc, char** argv) {
    // Pictures are decoded into large buffers that live only until their texture is made: with a
    // fixed threshold each such buffer is mapped on its own and handed back when freed, instead
    // of staying in the heap as a hole the size of a picture.
    mallopt(M_MMAP_THRESHOLD, LargeBufferBytes);
    const TParsedCommandLine parsed =
        ParseCommandLine(std::vector<std::string_view>(argv + std::min(argc, 1), argv + argc));
    switch (parsed.Action) {
    case TCommandLineAction::ShowHelp:
        std::printf("%s %s\n\n%s", GameTitle, TOVAN_VERSION, CommandLineUsage().c_str());
        return 0;
    case TCommandLineAction::ShowVersion:
        std::printf("%s %s\n", GameTitle, TOVAN_VERSION);
        return 0;
    case TCommandLineAction::BadOption:
        std::fprintf(stderr, "tovan: unknown option \"%s\"\n%s", parsed.BadOption.c_str(),
                     CommandLineUsage().c_str());
        return BadOptionExitCode;
    default:
        break;
    }
    // Whatever still escapes start-up ends the game with one clear line, not an abort.
    try {
        return StartGame(parsed.Options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s stopped: %s\n", GameTitle, error.what());
    } catch (...) {
        std::fprintf(stderr, "%s stopped after an unknown error.\n", GameTitle);
    }
    return 1;
}
