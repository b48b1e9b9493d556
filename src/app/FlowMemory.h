#pragma once
// What the controller remembers between scenes: where an overlay was opened from and goes back
// to, how the round was paused before a menu or a question, and the player the menu was last
// prepared for.
#include "app/GameSceneClass.h"

#include <string>

// The questions of the confirm window, by the number its texts are kept under.
enum TConfirmKind : int {
    ckTimeUp = 0,
    ckExit = 1,
    ckDeletePlayer = 2,
    ckMenuDisplayMode = 3,
    ckInGameDisplayMode = 4,
    ckDuplicateName = 6,
    ckLeaveRound = 7,
    ckQuit = 8,
    ckTimerMode = 9
};

// Where help goes when it is done: by transition to the menu, or straight back to the round.
enum THelpReturn : uint8_t { hrMenu = gsMenu, hrGame = gsMainGame };

struct TFlowMemory {
    // The round scene the in-game menu, the in-game options or the quit question lie over.
    TGameSceneValues OriginScene = gsMainGame;
    // gsOptions or gsInGameOptions: where the credits were opened; gsEndingStory when they
    // follow the ending.
    TGameSceneValues CreditsOrigin = gsOptions;
    THelpReturn HelpReturn = hrMenu;
    bool PausedBeforeMenu = false;
    bool PausedBeforeQuit = false;
    // Leaving the menu frees its pictures (set when a round is about to need the room).
    bool FreeMenuImagesOnLeave = false;
    // The player the menu was last prepared for.
    std::string LastPlayerName;
    // The question the confirm window asks or asked last.
    TConfirmKind ConfirmKind = ckExit;
    // Typed as a new player's name, it opens the developer keys for the rest of the run.
    bool DeveloperMode = false;
};
