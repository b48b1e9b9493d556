#pragma once
// TLockerFiller: builds the board at a level's start. Tile after tile drops in from the board's
// top edge along a serpentine path that starts at the bottom right; once every tile has landed
// it raises OnFinish and the board draws itself again.
#include "board/GameData.h"

#include <functional>

class TLockerFiller {
public:
    static constexpr int DropStep = 25; // pixels per tick

    bool Visible = true;
    int GapInterval = 30; // ms between two tiles
    std::function<void()> OnFinish;

    void StartFilling(const TBoardData& boardData);
    void Tick();
    // Stops without raising anything.
    void Clear() { running_ = false; }
    bool Running() const { return running_; }

private:
    struct TFillingTile {
        bool Started = false;
        bool Landed = false;
        int X = -1, Y = -1;
    };

    void AdvanceCursor();
    void StartTile(TPoint tile);
    void DropTiles();
    void Draw() const;
    bool AllLanded() const;
    // First and last column of the row that take part (1 and 16 when none does).
    std::pair<int, int> UsedRange(int row) const;

    bool running_ = false;
    TBoardData board_{};
    TBoardGrid<TFillingTile> tiles_;
    TPoint cursor_{BoardColumns, BoardRows};
    bool leftwards_ = true;
    int gapMs_ = 0;
};
