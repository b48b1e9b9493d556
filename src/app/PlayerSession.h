#pragma once
// The player: the list of players and the selected one, his record (progress and settings),
// the high scores and the game log, and their files in the per-user data folder. Without a
// data folder the game runs all the same and saves nothing.
#include "engine/NameListClass.h"
#include "saves/GameLoggerClass.h"
#include "saves/HighScoresClass.h"
#include "saves/PlayerSaveFiles.h"
#include "saves/PlayerSaveRecord.h"

#include <string>

class TPlayerSession {
public:
    TNameList NameList;
    THighScores HighScores;
    TGameLogger GameLogger;
    TPlayerSaveFiles SaveFiles;
    // The selected player's progress and settings.
    TPlayerSaveRecord Current{};
    // A save file has been read into Current, so closing writes it back.
    bool PlayerLoaded = false;
    // The list was empty at start: the splash asks for the first name.
    bool NoPlayersYet = false;

    // Reads the player list and the high scores of the folder ("" for none); `defaultName` is
    // the name a player gets who types none.
    void Open(const std::string& dataFolder, const std::string& defaultName, const TSaveLog& log);
    bool Saving() const { return !dataFolder_.empty(); }
    const std::string& SelectedName() const { return NameList.CurrentName(); }
    // The player whose save Current holds; "" when none is loaded.
    const std::string& LoadedName() const { return loadedName_; }
    // The game's default name when it can be a player's, else "PLAYER".
    const std::string& DefaultPlayerName() const { return defaultName_; }

    // The selected player's save into Current (the defaults for a new or unknown player).
    void Load();
    // Current into the save file of the player it was loaded for: never into another
    // player's. False, logged, when it could not be written.
    bool Save() const;
    bool HasSaveFile(const std::string& name) const;
    // The selected player, his save file and his place in the list go.
    void DeleteSelected();

private:
    std::string dataFolder_;
    std::string defaultName_;
    std::string loadedName_;
};
