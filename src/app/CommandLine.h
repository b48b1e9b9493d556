#pragma once
// The game's command line: a few switches for one run. Everything the player chooses for good
// lives in the player's save and the settings file instead.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TCommandLine {
    // Reduced effects on or off from now on; none: as the settings file says.
    std::optional<bool> ReducedEffects;
    // Full screen or windowed for this run only; none: as the player's setting says.
    std::optional<bool> FullScreen;
    bool LogScenes = false;
    bool TestReport = false;
};

enum class TCommandLineAction : uint8_t { Run, ShowHelp, ShowVersion, BadOption };

struct TParsedCommandLine {
    TCommandLineAction Action = TCommandLineAction::Run;
    TCommandLine Options;
    std::string BadOption; // the first option the game does not know
};

// Reads the arguments after the program's name, in order: the first --help, --version or
// unknown option decides at once; of --windowed and --fullscreen the last one counts.
TParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);
// Every option with one line of help.
std::string CommandLineUsage();
