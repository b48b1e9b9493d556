#pragma once
// The player list "Players.dat": six name slots and the selected name, as the player-list
// widget keeps them. Loaded once at start, saved on every change and at the end.
#include "saves/RecordFile.h"

#include <array>
#include <string>

inline constexpr char PlayersFileName[] = "Players.dat";
inline constexpr size_t PlayersRecordSize = 358;
inline constexpr size_t PlayerSlotCount = 6;
inline constexpr size_t SelectedNameLength = 255;

struct TPlayersRecord {
    std::array<std::string, PlayerSlotCount> Slots; // Latin-1 names; "" is an empty slot
    std::string SelectedName;

    bool operator==(const TPlayersRecord&) const = default;
};

// The names as the file holds them, length bytes clamped; `bytes` holds a whole record.
TPlayersRecord DecodePlayersRecord(std::span<const uint8_t> bytes);
TRecordBytes EncodePlayersRecord(const TPlayersRecord& record);
// Every slot (and the selected name) that is not a usable player name becomes empty.
void DropUnusableNames(TPlayersRecord& record);

// The list of folder/Players.dat, only usable names in it. A missing file gives an empty list
// and is created empty. A damaged one is kept aside and logged; the list is then rebuilt from
// the player save files of the folder and written anew.
TPlayersRecord LoadPlayers(const std::string& folder, const TSaveLog& log = LogToStderr);
bool SavePlayers(const std::string& folder, const TPlayersRecord& record,
                 const TSaveLog& log = LogToStderr);
