#include "saves/GameSettingsFile.h"

#include "files/AtomicWrite.h"
#include "files/FileRead.h"

#include <sstream>

namespace {

constexpr size_t MaxSettingsBytes = 4096;
constexpr const char* ReducedEffectsKey = "reduced-effects";
constexpr const char* On = "on";
constexpr const char* Off = "off";

} // namespace

TGameSettings LoadGameSettings(const std::string& folder, const TSaveLog& log) {
    TGameSettings settings;
    const std::string path = folder + GameSettingsFileName;
    const TFileContents file = ReadWholeFile(path, MaxSettingsBytes);
    if (!file.Ok()) {
        if (file.Error.Failure != TFileFailure::Missing)
            Say(log, path + " cannot be read (" + file.Error.Cause + "): default settings.");
        return settings;
    }
    std::istringstream lines(std::string(file.Bytes.begin(), file.Bytes.end()));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string key;
        std::string value;
        if (!(words >> key)) continue;
        words >> value;
        if (key == ReducedEffectsKey && (value == On || value == Off))
            settings.ReducedEffects = value == On;
        else
            Say(log, path + ": the line \"" + line + "\" is not understood and left alone.");
    }
    return settings;
}

bool SaveGameSettings(const std::string& folder, const TGameSettings& settings,
                      const TSaveLog& log) {
    const std::string path = folder + GameSettingsFileName;
    const std::string text =
        std::string(ReducedEffectsKey) + " " + (settings.ReducedEffects ? On : Off) + "\n";
    const std::string problem = WriteFileAtomic(path, text);
    if (problem.empty()) return true;
    Say(log, path + " cannot be written: " + problem);
    return false;
}
