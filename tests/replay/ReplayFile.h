#pragma once
// A golden replay as a small text file: the level, the seed, the mouse input by tick, how many
// ticks to run, what the run must show, and the expected end (tests/README.md describes it).
#include "platform/PlatformEvents.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Mouse presses, moves and releases; typed text; a key of ReplayKeys; the window's close box.
enum class TReplayMouse : uint8_t { Down, Move, Up, Type, Key, Close };

// The keys a replay presses, by the name its file gives them, with the character the window
// system also types for each (none for Tab, the arrows and the function keys).
struct TReplayKey {
    const char* Name;
    TKey Key;
    char Character;
};
inline constexpr std::array<TReplayKey, 14> ReplayKeys{{{"escape", TKey::Escape, 27},
                                                        {"enter", TKey::Enter, 13},
                                                        {"space", TKey::Space, ' '},
                                                        {"tab", TKey::Tab, 0},
                                                        {"up", TKey::Up, 0},
                                                        {"down", TKey::Down, 0},
                                                        {"left", TKey::Left, 0},
                                                        {"right", TKey::Right, 0},
                                                        {"menu", TKey::Menu, 0},
                                                        {"f2", TKey::F2, 0},
                                                        {"f3", TKey::F3, 0},
                                                        {"f5", TKey::F5, 0},
                                                        {"f10", TKey::F10, 0},
                                                        {"f11", TKey::F11, 0}}};

struct TReplayInput {
    int Tick = 0; // handled just before this tick's frame; the first frame is tick 0
    TReplayMouse Kind = TReplayMouse::Down;
    int X = 0; // game pixels
    int Y = 0;
    std::string Text; // Type: the characters; Key: the key's name
};

// What a run must have shown, whatever its checksum: "require cascades >= 1".
struct TReplayRequirement {
    std::string Counter;
    bool AtLeast = false; // ">=" rather than "="
    int Value = 0;
    int Line = 0;
};

// The end of a run as the file writes it.
struct TReplayExpectation {
    int Score = 0;
    std::string Gathering; // "bananas 7 apples 10": the slots the level asks for, in slot order
    std::string Scenes;    // "gsSplash gsMenu ...": every scene entered, in order
    std::string Checksum;  // 16 hex digits
    friend bool operator==(const TReplayExpectation&, const TReplayExpectation&) = default;
};

struct TReplay {
    // "start logos": the game from its first frame, through the logos and the splash.
    bool FromLogos = false;
    // "start book": the haven book of a new player, as a won round opens it.
    bool FromBook = false;
    // "taught": the player has the tutorial on (the book's or the level's player).
    bool Taught = false;
    // "start finished-book": the book after island 5's last round, every work bought.
    bool Finished = false;
    // A level of the game ("level 1-02"), or a level source of tests/fixtures/levels/
    // ("level few-moves.level") played as the first level, or in another level's place
    // ("level tools.level as 2-01").
    int Island = 0;
    int Level = 0;
    std::string LevelSource;
    uint64_t Seed = 0;
    std::vector<TReplayInput> Inputs; // in tick order
    int Ticks = 0;
    std::vector<TReplayRequirement> Requirements;
    // Absent until the file has been played with the update switch once.
    std::optional<TReplayExpectation> Expected;
};

// Reads a replay; returns the first fault as "line N: what" in `error`.
bool ParseReplay(const std::string& text, TReplay& replay, std::string& error);

// The text with its expectation lines set to `actual`; every other line stays as it was, and
// lines the text lacks are added at its end.
std::string WithExpectation(const std::string& text, const TReplayExpectation& actual);

std::string ExpectationText(const TReplayExpectation& expectation);

// The whole of a replay or level source; nullopt when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
