#pragma once
// TGameLogger: a player's log of rounds and upgrade purchases, "<name>-LOG.dat" in the data
// folder, with a readable copy "<name>-LOG.txt" beside it. A tester's aid: the game creates it
// switched off, so it only reads the log of each chosen player.
#include "saves/PlayerSaveRecord.h"
#include "saves/RecordFile.h"

#include <array>
#include <string>

inline constexpr char GameLogSuffix[] = "-LOG.dat";
inline constexpr char GameLogTextSuffix[] = "-LOG.txt";
inline constexpr size_t GameLogRecordSize = 4880;
inline constexpr int LevelsPerIsland = 20;
inline constexpr size_t LevelFileNameLength = 20;

struct TLevelLogEntry {
    int32_t Seconds = 0; // 0: never logged
    std::array<float, ElementKindCount> Amounts{};
    std::string LevelFile; // Latin-1, at most 20 characters

    bool operator==(const TLevelLogEntry&) const = default;
};

struct TGameLogRecord {
    // Island i, level l at (i - 1) * 20 + (l - 1).
    std::array<TLevelLogEntry, IslandCount * LevelsPerIsland> Levels;
    // Island i, slot s at (i - 1) * 4 + (s - 1): the level the slot was bought at, 0 never.
    std::array<int32_t, IslandCount * SlotsPerIsland> Upgrades{};

    bool operator==(const TGameLogRecord&) const = default;
};

// `bytes` holds a whole record.
TGameLogRecord DecodeGameLog(std::span<const uint8_t> bytes);
TRecordBytes EncodeGameLog(const TGameLogRecord& record);
// The readable copy: every logged level with its time and amounts and the running totals,
// then the upgrades bought.
std::string GameLogText(const TGameLogRecord& record);

class TGameLogger {
public:
    bool Enabled = false;
    std::string Folder; // the per-user data folder
    TSaveLog OnLog = LogToStderr;

    // Names the log after the player and reads it (a short file with zeros after its end); no
    // log, or a name that cannot be a player's, leaves every entry zero.
    void SetPlayerName(const std::string& name);
    const std::string& PlayerName() const { return playerName_; }
    const std::string& FileName() const { return fileName_; }
    const TGameLogRecord& Record() const { return record_; }

    // Both write the whole log and its text while enabled; islands outside 1..5, levels outside
    // 1..20 and slots outside 1..4 have no entry and are not logged.
    void LogRound(int island, int level, const std::string& levelFile,
                  const std::array<float, ElementKindCount>& amounts, int32_t seconds);
    void LogUpgrade(int island, int slot, int32_t level);

private:
    std::string playerName_;
    std::string fileName_;
    TGameLogRecord record_;

    bool Writable() const { return Enabled && !fileName_.empty(); }
    void Write();
};
