#pragma once
// The round runner's command line and what it prints.
#include "SimRound.h"

#include <cstdint>
#include <string>
#include <vector>

struct TSimOptions {
    // "1-02" from the game's levels, the path of a level file, or a folder of level files.
    std::string Level;
    std::string GameFolder; // empty: the game folder beside the tools
    TSimSettings Settings;
    uint64_t Seed = 1;
    int Rounds = 1;
    bool Json = false;
    // Tell the resident memory after the first, the middle and the last round.
    bool Memory = false;
    bool Help = false;
    // Every level beside the game instead of one; the chart's file when one is wanted.
    bool Campaign = false;
    std::string Chart;
};

inline constexpr const char* SimUsage =
    "usage: tovan-sim [--bot hint|greedy] [--think TICKS] [--relaxed] [--seed N] [--rounds K]\n"
    "                 [--json] [--memory] [--game FOLDER] [--max-seconds S] LEVEL\n"
    "       tovan-sim --campaign [--chart FILE.png] [options above but LEVEL and --json]\n"
    "  LEVEL: a level of the game (1-02), the path of a level file (Level1-02.zel), or a folder\n"
    "         whose level files are played in turn, a round each\n"
    "  --memory: the resident memory after the first, the middle and the last round\n"
    "  --campaign: every level of the game, K rounds each: a table of win rate, time, medals,\n"
    "              moves, gathering and the purse after each island; exit 1 when a level is\n"
    "              won in none of its rounds\n";

// False with a one-line `error` when the command line is wrong.
bool ParseSimOptions(const std::vector<std::string>& args, TSimOptions& options,
                     std::string& error);

// "1-02" and "Level1-02.zel" name island 1, level 2; False for anything else.
bool ParseLevelName(const std::string& text, uint8_t& island, int& level);

// One round as a line of text, or as one JSON object.
std::string RoundLine(const std::string& level, const TSimRound& round);
std::string RoundJson(const std::string& level, const TSimRound& round);

// What a run of rounds came to: win rate, median time of the won rounds, medals, speed.
std::string SummaryText(const std::string& level, const std::vector<TSimRound>& rounds,
                        double cpuSeconds);
