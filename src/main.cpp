// The program: opens the game window through the platform layer and runs the controller until
// the window is closed.
#include "app/UMain.h"
#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "platform/PlatformPaths.h"
#include "platform/SdlEventSource.h"
#include "platform/SdlGraphicsDevice.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string_view>

namespace {

constexpr std::string_view TestReportOption = "--test-report";
constexpr const char* ErrorLogName = "Errors.log";

struct TOptions {
    bool TestReport = false;
};

// False (after saying why) for an option the game does not know.
bool ReadOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == TestReportOption) {
            options.TestReport = true;
        } else {
            std::fprintf(stderr, "tovan: unknown option \"%s\"\n", argv[i]);
            return false;
        }
    }
    return true;
}

// The error log lives in the data folder; without one the game still runs, but keeps nothing.
std::string PrepareErrorLog() {
    const std::string folder = UserDataFolder(GameTitle);
    const std::string problem =
        folder.empty() ? "no home folder is known for this user" : PrepareFolder(folder);
    if (problem.empty()) return folder + ErrorLogName;
    std::fprintf(stderr, "No data folder (%s): the game runs without saving.\n", problem.c_str());
    return {};
}

int RunGame(const TOptions& options) {
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
    std::function<void(const std::string&)> report;
    if (options.TestReport)
        report = [](const std::string& line) {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        };
    const TFormPlatform platform{*device,           events,  clock, desktop, ProgramFolder(),
                                 PrepareErrorLog(), nullptr, report};
    try {
        TFormMain form(platform);
        return form.Run();
    } catch (const TFatalError& fatal) {
        desktop.ShowMessage("Error", fatal.what(), true);
        desktop.ShowMessage("Error", "This application will now exit.", true);
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ReadOptions(argc, argv, options)) return 2;
    // Whatever still escapes start-up ends the game with one clear line, not an abort.
    try {
        return RunGame(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s stopped: %s\n", GameTitle, error.what());
    } catch (...) {
        std::fprintf(stderr, "%s stopped after an unknown error.\n", GameTitle);
    }
    return 1;
}
