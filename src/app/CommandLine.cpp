#include "app/CommandLine.h"

#include <array>

namespace {

struct TOptionInfo {
    std::string_view Name;
    std::string_view Help;
    void (*Apply)(TParsedCommandLine& parsed);
};

constexpr std::array<TOptionInfo, 8> Options{{
    {"--fullscreen", "start in full screen this time",
     [](TParsedCommandLine& parsed) { parsed.Options.FullScreen = true; }},
    {"--windowed", "start in a window this time",
     [](TParsedCommandLine& parsed) { parsed.Options.FullScreen = false; }},
    {"--reduced-effects", "fewer decorations and quicker effects from now on, for slow machines",
     [](TParsedCommandLine& parsed) { parsed.Options.ReducedEffects = true; }},
    {"--full-effects", "every decoration and effect again from now on",
     [](TParsedCommandLine& parsed) { parsed.Options.ReducedEffects = false; }},
    {"--log-scenes", "print a line to stderr at every scene change",
     [](TParsedCommandLine& parsed) { parsed.Options.LogScenes = true; }},
    {"--test-report", "print what the end-to-end tests check to stdout",
     [](TParsedCommandLine& parsed) { parsed.Options.TestReport = true; }},
    {"--version", "print the game's version and end",
     [](TParsedCommandLine& parsed) { parsed.Action = TCommandLineAction::ShowVersion; }},
    {"--help", "print this help and end",
     [](TParsedCommandLine& parsed) { parsed.Action = TCommandLineAction::ShowHelp; }},
}};

// The column the help texts start in.
constexpr size_t HelpColumn = 22;

const TOptionInfo* FindOption(std::string_view name) {
    for (const TOptionInfo& option : Options)
        if (option.Name == name) return &option;
    return nullptr;
}

} // namespace

TParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    TParsedCommandLine parsed;
    for (std::string_view argument : arguments) {
        const TOptionInfo* option = FindOption(argument);
        if (option == nullptr) {
            parsed.Action = TCommandLineAction::BadOption;
            parsed.BadOption = argument;
            return parsed;
        }
        option->Apply(parsed);
        if (parsed.Action != TCommandLineAction::Run) return parsed;
    }
    return parsed;
}

std::string CommandLineUsage() {
    std::string usage = "Usage: tovan [option...]\n";
    for (const TOptionInfo& option : Options) {
        std::string line = "  " + std::string(option.Name);
        line.resize(HelpColumn, ' ');
        usage += line + std::string(option.Help) + "\n";
    }
    return usage;
}
