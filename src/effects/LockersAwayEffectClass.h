#pragma once
// TLockersAwayEffect: after a won round the whole board shakes for a moment and is then thrown
// off towards the screen's edge; the end is reported when the last tile has arrived.
#include "board/GameData.h"
#include "effects/LooseTiles.h"

#include <functional>

class TLockersAwayEffect {
public:
    enum TLockersAwayPhase : uint8_t { lpIdle, lpShaking, lpSpreading };

    bool Visible = true;
    int FirstShakeTime = 1000; // ms before the spread
    uint8_t UniFruitCode = 1;
    std::function<void()> OnAboutSpreading;
    std::function<void()> OnFinished;

    void Start(const TBoardData& board);
    // Idle at once, without events.
    void Stop() { phase_ = lpIdle; }
    void Tick();
    TLockersAwayPhase Phase() const { return phase_; }
    TPoint TilePosition(TPoint tile) const { return tiles_.Position(tile.X, tile.Y); }

private:
    TLockersAwayPhase phase_ = lpIdle;
    int timerMs_ = 0;
    TBoardData board_{};
    TThrownTiles tiles_;
};
