#pragma once
// TShuffleAwayEffect: the reshuffle of a board without moves. The tiles tremble, fly off to the
// screen's edge, come back as the new board, tremble again, and the new board is handed back.
#include "board/GameData.h"
#include "effects/LooseTiles.h"

#include <functional>

using TShuffleAwayEffectFinishedEvent = std::function<void(const TBoardData& newBoard)>;

class TShuffleAwayEffect {
public:
    enum TShuffleState : uint8_t { ssIdle, ssFirstShake, ssFlyingOut, ssFlyingBack, ssSecondShake };

    bool Visible = true;
    int FirstShakeTime = 600; // ms
    int SecondShakeTime = 250;
    // The element every uni fruit shows.
    uint8_t UniFruitCode = 1;
    TShuffleAwayEffectFinishedEvent OnFinished;

    void StartShuffle(const TBoardData& oldBoard, const TBoardData& newBoard);
    void Tick();
    // Stops without raising anything.
    void Clear() { state_ = ssIdle; }
    bool IsRunning() const { return state_ != ssIdle; }
    TShuffleState State() const { return state_; }
    TPoint TilePosition(TPoint tile) const { return tiles_.Position(tile.X, tile.Y); }

private:
    void Draw() const;
    void Advance();

    TShuffleState state_ = ssIdle;
    int clockMs_ = 0;
    TBoardData oldBoard_{};
    TBoardData newBoard_{};
    TThrownTiles tiles_;
};
