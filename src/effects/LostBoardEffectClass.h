#pragma once
// TLostBoardEffect: the board collapses when the time has run out. The tiles tremble, then drop
// from the bottom rows upwards, some bouncing on the ground; once seven tenths of them are
// falling the result question is asked for.
#include "board/GameData.h"

#include <functional>

class TLostBoardEffect {
public:
    enum TLostBoardState : uint8_t { lsIdle, lsShaking, lsDropping };
    enum TTileState : uint8_t { tlGone, tlWaiting, tlFalling, tlBouncing };
    static constexpr int BounceSteps = 13;

    bool Visible = true;
    uint8_t UniFruitCode = 1;
    int ShakingTime = 1000;           // ms
    int DroppingTriggerInterval = 90; // ms between two sets of three drops
    int GroundPosY = 715;
    int OneBounceEveryProb = 10; // a tile reaching the ground bounces with chance 1 in this
    std::function<void()> OnTimeForDialogWindow;

    void StartCollapse(const TBoardData& board);
    void Tick();
    void Clear();
    TLostBoardState State() const { return state_; }
    TTileState TileState(TPoint tile) const { return tiles_(tile).State; }
    TPoint TilePosition(TPoint tile) const { return {tiles_(tile).X, tiles_(tile).Y}; }
    int TakingPart() const { return takingPart_; }
    int Dropped() const { return dropped_; }

private:
    struct TCollapsingTile {
        int X = 0, Y = 0;
        TTileState State = tlGone;
        int BounceStep = 0;
    };

    void ArmTiles();
    void DropAt(int rowOffset);
    void MoveTiles();
    void MoveFalling(TCollapsingTile& tile) const;
    void Draw() const;

    TLostBoardState state_ = lsIdle;
    int shakeMs_ = 0;
    int dropMs_ = 0;
    TBoardData board_{};
    TBoardGrid<TCollapsingTile> tiles_;
    int takingPart_ = 0;
    int dropped_ = 0;
    bool dialogRaised_ = false;
};
