#pragma once
// The board's side of starting a round: the loaded level becomes a fresh, shuffled start grid
// with the level's webs and potions on it, centred on the screen.
#include "board/GameBoardClass.h"
#include "board/LevelParamsClass.h"

// Call after a successful LoadLevel; the controller distributes the level's other values
// itself. Returns False, leaving the board as it was, when no level has been loaded: a round
// never starts from an empty record. The potion upgrade turns the level's potions into potion 2.
bool StartBoardRound(TGameBoard& board, const TLevelParams& level, bool hasPotionUpgrade);
