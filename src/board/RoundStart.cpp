#include "board/RoundStart.h"

#include "engine/GameGlobals.h"

namespace {

// A boss level keeps the board at the top of the screen: the boss walks below it.
constexpr int BossLevelBoardTop = 95;

void PlaceBoard(TGameBoard& board, const TLevelParams& level) {
    TPoint origin = CenteredBoardOrigin(level.Board());
    if (level.Objective() == goBossMode) origin.Y = BossLevelBoardTop;
    board.Left = origin.X;
    board.Top = origin.Y;
    SetBoardScreenOrigin(origin);
}

// Uni fruits as the level says; no other special comes by itself.
void SetSpawnSettings(TGameBoard& board, const TLevelParams& level) {
    board.OneUniFruitEveryInterval = level.OneUniFruitEveryInterval();
    board.MaxUniFruitOnBoard = level.MaxUniFruitOnBoard();
    board.OneFruitBombEveryInterval = 0;
    board.OneMultiBubbleEveryProb = 0;
    board.OneHammerEveryProb = 0;
    board.MaxFruitBombsOnBoard = 0;
    board.MaxMultiBubbleOnBoard = 0;
    board.MaxHammersOnBoard = 0;
    board.OneMagicKeyEveryProb = 0;
    board.OneBroomEveryProb = 0;
    board.OneAerosolEveryProb = 0;
}

// Webs go on through the web rules, after the shuffle has cleared the old ones.
void PutLevelWebs(TGameBoard& board, const TBoardData& levelBoard) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (levelBoard(x, y).Web != 0) board.PutWeb({x, y});
}

void PutLevelPotions(TGameBoard& board, const TSimpleObjectArray& potionCells, uint8_t code) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (potionCells(x, y) != 0) board.PutPotion({x, y}, code);
}

} // namespace

bool StartBoardRound(TGameBoard& board, const TLevelParams& level, bool hasPotionUpgrade) {
    if (!level.IsLoaded()) return false;
    board.ResetRound();
    board.SetElementSet(level.ElementSet());
    board.SetBoardData(level.Board());
    PlaceBoard(board, level);
    SetSpawnSettings(board, level);
    board.ActiveMode = amNormal;
    // Lockers become fruits with fresh codes; the shuffle then rules out a ready line and puts
    // the fruit bombs back at random cells.
    board.RandomizeElements();
    TBoardData shuffled;
    board.MakeShuffledBoard(shuffled);
    board.SetBoardData(shuffled);
    PutLevelWebs(board, level.Board());
    PutLevelPotions(board, level.PotionCells(), hasPotionUpgrade ? ecPotion2 : ecPotion1);
    return true;
}
