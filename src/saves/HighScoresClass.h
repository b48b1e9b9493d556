#pragma once
// THighScores: the five best players, "HighScores.dat". Read at start (created with the
// default table when missing), changed in memory by each submitted score, written at the end.
#include "saves/RecordFile.h"

#include <array>
#include <functional>
#include <string>

inline constexpr char HighScoresFileName[] = "HighScores.dat";
inline constexpr size_t HighScoresRecordSize = 1300;
inline constexpr size_t HighScoreRanks = 5;
inline constexpr size_t HighScoreNameLength = 255;

struct THighScoresRecord {
    std::array<std::string, HighScoreRanks> Names; // Latin-1, rank 1 first
    std::array<int32_t, HighScoreRanks> Scores{};

    bool operator==(const THighScoresRecord&) const = default;
};

// `bytes` holds a whole record.
THighScoresRecord DecodeHighScores(std::span<const uint8_t> bytes);
TRecordBytes EncodeHighScores(const THighScoresRecord& record);

class THighScores {
public:
    std::string NormalModeFileName;
    std::string AnonymousStr = "ANONYMOUS";
    TSaveLog OnLog = LogToStderr;

    // Every rank AnonymousStr with 0.
    void SetDefaults();
    // The table of the file; the default table, written, when the file is missing or damaged
    // (a damaged one is kept aside and logged first).
    void LoadOrCreate();
    // The upper-cased name enters at the first rank with a lower score, once: a player already
    // listed moves only when he beats his own score, and an equal score ranks below.
    void Submit(const std::string& name, int32_t score);
    bool Save() const;

    const THighScoresRecord& Table() const { return table_; }

private:
    THighScoresRecord table_;

    void RemoveRank(size_t rank);
    void InsertRank(size_t rank, const std::string& name, int32_t score);
};

// The room a high-score line has at its drawing scale, in pixels.
inline constexpr double HighScoreLineRoom = 220;
// Rank n's line "n. NAME - SCORE", the name shortened one character at a time from its end,
// with "..", until it fits the room the rest of the line leaves; at worst the name is "..".
// `width` measures a text as the line is drawn.
std::string HighScoreLine(int rank, const std::string& name, int32_t score,
                          const std::function<double(const std::string&)>& width);
