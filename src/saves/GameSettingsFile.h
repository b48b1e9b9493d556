#pragma once
// "Settings.txt" of the data folder: what holds for every player on this machine, one
// "key value" line each. Today that is the reduced-effects mode, chosen once on the command line.
#include "saves/RecordFile.h"

#include <string>

inline constexpr char GameSettingsFileName[] = "Settings.txt";

struct TGameSettings {
    bool ReducedEffects = false;

    bool operator==(const TGameSettings&) const = default;
};

// The folder's settings; the defaults where the file is missing, and for any line it cannot
// read (which is logged, and the file left as it is).
TGameSettings LoadGameSettings(const std::string& folder, const TSaveLog& log);
// False, logged, when the file cannot be written.
bool SaveGameSettings(const std::string& folder, const TGameSettings& settings,
                      const TSaveLog& log);
