#pragma once
// Plays a replay through the real controller on the null platform: the recording devices, a
// hand-driven clock a little over one tick per loop pass, and the queued mouse input, on the
// content of a built game folder. Watches the round through the controller's own events.
#include "ReplayFile.h"
#include "app/UMain.h"

#include <functional>
#include <map>
#include <string>

// Names of what a run counts, as `require` lines name them.
namespace ReplayCounters {
inline constexpr const char* Frames = "frames";        // frames drawn and presented
inline constexpr const char* Moves = "moves";          // swaps that stood
inline constexpr const char* SwapsBack = "swaps-back"; // swaps that made no line and went back
inline constexpr const char* Groupings = "groupings";  // lines cleared, one request each
inline constexpr const char* Cascades = "cascades";    // groupings not made by a move directly
inline constexpr const char* Shuffles = "shuffles";    // boards without moves, shuffled
inline constexpr const char* RoundsWon = "rounds-won";
inline constexpr const char* RoundStarts = "round-starts"; // the round scene entered
inline constexpr const char* Closed = "closed";            // the game was closed (1) or not
inline constexpr const char* SlotsBought =
    "slots-bought"; // upgrade slots the player owns at the end
inline constexpr const char* BoardsBuilt = "boards-built"; // the lockers filled in a board
inline constexpr const char* GoldTiles = "gold-tiles";     // frame layers lost
inline constexpr const char* Reshuffled = "reshuffled";    // boards flown off and back
inline constexpr const char* Combos = "combos";            // combo labels shown to their end
inline constexpr const char* TimeUps = "time-ups";         // the tube ran dry
inline constexpr const char* ResultQuestions = "result-questions"; // a collapsed board asked
inline constexpr const char* BoardsThrown = "boards-thrown";       // a won board thrown off
inline constexpr const char* Balloons = "balloons";                // conversation balloons shown
inline constexpr const char* Conversations = "conversations";      // conversations ended
inline constexpr const char* Celebrations = "celebrations";        // bursts of bought works
inline constexpr const char* Fireworks = "fireworks";              // fireworks of completed islands
inline constexpr const char* TutorialSteps = "tutorial-steps";     // Mirela's steps shown
inline constexpr const char* ToolTips = "tool-tips";               // her pointing tips shown
inline constexpr const char* SpidersLanded = "spiders-landed";     // spiders dropped onto the board
inline constexpr const char* WebsSpun = "webs-spun";               // webs the spiders finished
inline constexpr const char* SpidersHit = "spiders-hit";     // knocked spiders, hit played out
inline constexpr const char* BossesBeaten = "bosses-beaten"; // a guardian's energy ran out
inline constexpr const char* BossDrains = "boss-drains";     // an aura's peak: the tube drained
// Mirela on the results window: settled on her perch, and off again as it hides.
inline constexpr const char* DoveLandings = "dove-landings";
inline constexpr const char* DoveDepartures = "dove-departures";
// The player's tools, each counted when it acts on the board.
inline constexpr const char* KeyUses = "key-uses";         // lockers the key turned in
inline constexpr const char* BroomUses = "broom-uses";     // webs the broom swept
inline constexpr const char* AerosolUses = "aerosol-uses"; // sprays to their end
inline constexpr const char* HammerUses = "hammer-uses";   // the collector tools put down
inline constexpr const char* BombUses = "bomb-uses";
inline constexpr const char* BlasterUses = "blaster-uses";
} // namespace ReplayCounters

struct TReplayOutcome {
    std::string Error; // the run could not be played: nothing else holds
    TReplayExpectation End;
    std::map<std::string, int> Counters;
};

// Where a replay's content comes from; both folders end with '/'.
struct TReplayContent {
    std::string GameFolder;        // the built game: pictures, sounds, texts, levels
    std::string LevelSourceFolder; // the level sources replays may name
};

// Called before the input of a tick is handed over, with the controller as it stands.
using TReplayWatch = std::function<void(int tick, const TFormMain& form)>;

TReplayOutcome PlayReplay(const TReplay& replay, const TReplayContent& content,
                          const TReplayWatch& beforeInput = {});

// The counters as "moves 1, cascades 0, ...".
std::string CountersText(const std::map<std::string, int>& counters);
