#pragma once
// The round runner's player: picks the next move on the board as it stands.
#include "app/scenes/MainGameScene.h"

#include <optional>

enum class TSimBotKind { Hint, Greedy };

struct TSimMove {
    TPoint From;
    TPoint To;
};

// Hint: the board's own hint. Greedy: the swap whose lines clear the most that the gathering
// still wants (elements, and frame layers while gold tiles are wanted), then the most elements,
// ties broken by the seeded generator; the hint when no swap makes a line of whole tiles. None
// when the board has no move. The game's random sequence is left as it was.
std::optional<TSimMove> ChooseMove(TSimBotKind kind, const TMainGameScene& round);

// The cells of every line of three or more equal elements on the grid, counted for the greedy
// bot: `Wanted` of them still wanted by the round's gathering, `All` of them in total.
struct TLineWorth {
    int Wanted = 0;
    int All = 0;
};
TLineWorth LineWorth(const TBoardData& grid, const TMainGameScene& round);
