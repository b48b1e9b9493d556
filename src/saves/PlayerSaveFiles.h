#pragma once
// The player save files "<name>.sav" of the data folder: one record per player, read when the
// player is chosen, written at the save points, replaced when he starts the game over.
#include "saves/PlayerSaveRecord.h"
#include "saves/RecordFile.h"

#include <string>

class TPlayerSaveFiles {
public:
    std::string Folder;                               // the per-user data folder
    TPlayerSaveRecord Defaults = DefaultPlayerSave(); // what a new player starts with
    TSaveLog OnLog = LogToStderr;

    // folder + name + ".sav"; empty for a name that cannot be a player's.
    std::string FileOf(const std::string& name) const;
    // Whether anything stands at the player's save file (the list's question at start).
    bool Exists(const std::string& name) const;
    // The player's record; the defaults when there is none, the name is not a player's, or
    // the file is damaged (which is kept aside and logged first).
    TPlayerSaveRecord Load(const std::string& name) const;
    // False, logged, when the name is not a player's or the file cannot be written.
    bool Save(const std::string& name, const TPlayerSaveRecord& record) const;
    bool Delete(const std::string& name) const;
    // "Play" after the game was finished: the save becomes the defaults with the player's
    // timer-mode choice, written over the old one in one step (a crash in between never loses
    // the player). Returns the new record.
    TPlayerSaveRecord Reset(const std::string& name, uint8_t relaxedMode) const;

private:
    std::string CheckedFile(const std::string& name, const char* action) const;
};
