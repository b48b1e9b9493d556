#pragma once
// What the effects that take the whole board share while the board itself is not drawn: which
// tiles take part, how a loose tile is drawn, and tiles thrown towards the screen's edge and
// back.
#include "board/GameData.h"

#include <array>
#include <functional>

// A tile that shows anything: every locker or element, and the holes with a visible background.
constexpr bool TakesPartInBoardEffects(const TBoardTile& tile) {
    return tile.ObjectKind != okUnused || tile.BackgroundStyle != 0;
}

// One tile away from its cell: its background (under elements and holes, and under lockers too
// when `backgroundUnderLockers`), then what it holds and its covers, whichever its background
// (levels lay the alternate background under playing cells too). (x, y) is the tile's top-left.
void DrawLooseTile(const TBoardTile& tile, int x, int y, uint8_t uniFruitCode,
                   bool backgroundUnderLockers);

// Tiles flying at a fixed pixel speed, all axes of one tile arriving together.
class TThrownTiles {
public:
    // Pixels per tick on the longer axis.
    static constexpr double ThrowSpeed = 45;
    // Points around the screen's edge the tiles fly to.
    static const std::array<TPoint, 29>& EdgePoints();

    // Every tile at its cell, aimed at a random edge point.
    void ThrowFromCells();
    // Every tile aimed back at its own cell from where it is.
    void AimAtCells();
    // Every tile one step on, each axis stopping exactly at its target; True when all arrived.
    bool Step();
    bool AllArrived() const;
    // Where tile (x, y) is drawn now.
    TPoint Position(int x, int y) const;
    // Every tile that takes part, columns 16 down to 1, top to bottom, at its position plus the
    // offset `jitter` gives for it.
    void Draw(const TBoardData& board, uint8_t uniFruitCode,
              const std::function<TPoint()>& jitter) const;

private:
    struct TThrownTile {
        double X = 0, Y = 0;
        int TargetX = 0, TargetY = 0;
        double SpeedX = 0, SpeedY = 0;
    };
    static void AimAt(TThrownTile& tile, TPoint target);

    TBoardGrid<TThrownTile> Tiles;
};
