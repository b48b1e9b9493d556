#pragma once
// One round of a level played to its end by the bot, on the null platform, as fast as the
// machine allows.
#include "SimBot.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

struct TSimSettings {
    // The program folder the round runs in (ends with '/'): content folders and the level's file.
    std::string ProgramFolder;
    uint8_t Island = 1;
    int Level = 1;
    TSimBotKind Bot = TSimBotKind::Hint;
    // Frames the bot waits between a settled board and its next move.
    int ThinkTicks = 50;
    bool Relaxed = false;
    // A round still running after this many game seconds is an error (a relaxed round that
    // never ends, a board that never settles).
    int MaxSeconds = 3600;
};

enum class TSimResult { Won, Lost, Error };

struct TSimRound {
    uint64_t Seed = 0;
    TSimResult Result = TSimResult::Error;
    std::string Error; // what went wrong, for TSimResult::Error
    int ElapsedSeconds = 0;
    int RoundTimeSeconds = 0;
    TMedalKind Medal = mdNone;
    int Score = 0;
    int Moves = 0; // swaps that stood
    // Per gathering slot: the level's target and what was gathered towards it.
    std::array<int, TElementGather::SlotCount> Targets{};
    std::array<int, TElementGather::SlotCount> Gathered{};
    int Ticks = 0;
};

TSimRound PlaySimRound(const TSimSettings& settings, uint64_t seed);

// The rounds run in a program folder of their own: the game's content, and the level's file where
// the game looks for it. With the pictures the board plays as in the game and its replays (and
// faster: a missing picture is drawn as a marker). Removed with the object.
class TSimProgramFolder {
public:
    // `game`: the built game folder; `tag` keeps folders of one process apart.
    explicit TSimProgramFolder(const std::filesystem::path& game, const std::string& tag = "");
    ~TSimProgramFolder();
    TSimProgramFolder(const TSimProgramFolder&) = delete;
    TSimProgramFolder& operator=(const TSimProgramFolder&) = delete;

    // Copies the level file to where the game looks for the settings' island and level; what
    // went wrong, or an empty text.
    std::string PlaceLevel(const std::filesystem::path& file, const TSimSettings& settings) const;
    // Ends with '/'.
    std::string Path() const { return (root_ / "").string(); }

private:
    std::filesystem::path root_;
};
