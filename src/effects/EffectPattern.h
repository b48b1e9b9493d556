#pragma once
// What the board effects share: their fixed instance tables, the test for an element that can be
// thrown off the board, and where a tile sits on screen.
#include "board/GameData.h"
#include "engine/GameGlobals.h"

#include <algorithm>
#include <array>
#include <cstdint>

// A fixed table of effect instances used as a ring. A new instance takes the next free entry
// after the last one taken. When every entry is running, the oldest one is finished first, by
// its owner, so that no completion is ever lost and no tile stays busy for ever.
// TEntry needs `bool Running() const`.
template <typename TEntry, int Capacity> class TEffectRing {
public:
    static constexpr int Size = Capacity;

    TEntry& operator[](int index) { return Entries[index]; }
    const TEntry& operator[](int index) const { return Entries[index]; }

    // Index of the entry for a new instance. finish(index) must end the instance in that entry;
    // it may raise events whose handlers start instances, so the search runs again after it.
    template <typename Finish> int Take(Finish&& finish) {
        for (;;) {
            const int free = NextFree();
            if (free >= 0) {
                LastIndex = free;
                Serials[free] = ++LastSerial;
                return free;
            }
            finish(Oldest());
        }
    }

    int RunningCount() const {
        int count = 0;
        for (const TEntry& entry : Entries) count += entry.Running() ? 1 : 0;
        return count;
    }

private:
    int NextFree() const {
        for (int i = 1; i <= Capacity; ++i) {
            const int index = (LastIndex + i) % Capacity;
            if (!Entries[index].Running()) return index;
        }
        return -1;
    }
    int Oldest() const {
        int oldest = 0;
        for (int i = 1; i < Capacity; ++i)
            if (Serials[i] < Serials[oldest]) oldest = i;
        return oldest;
    }

    std::array<TEntry, Capacity> Entries{};
    std::array<uint64_t, Capacity> Serials{};
    uint64_t LastSerial = 0;
    int LastIndex = Capacity - 1; // the first instance takes entry 0
};

// An element that falls or flies off the board when its tile is cleared: not a uni fruit, not the
// hammer object, the multi bubble or a tool item, and no fruit bomb.
constexpr bool IsThrowableElement(const TBoardTile& tile) {
    const int code = tile.ElementCode;
    const bool special = code == ecUniFruit || code == ecHammerObject ||
                         (code >= ecMultiBubble && code <= ecAerosolItem);
    return !special && tile.FruitBomb == 0;
}

// Screen top-left of board tile (x, y) with the board where the controller placed it.
inline TPoint TileScreenPos(TPoint tile) {
    const TPoint origin = BoardScreenOrigin();
    return TileOrigin(origin.X, origin.Y, tile.X, tile.Y);
}

// Every set cell of a mask, column by column, top to bottom.
template <typename Visit> void ForEachMaskedCell(const TSimpleObjectArray& mask, Visit&& visit) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (mask(x, y) != 0) visit(TPoint{x, y});
}

// A value moved towards its target by a step, never past it.
constexpr double MovedTowards(double value, double target, double step) {
    return value < target ? std::min(target, value + step) : std::max(target, value - step);
}
// A speed or an impulse dying away by a step, never past 0.
constexpr double DecayedTowardsZero(double value, double step) {
    return MovedTowards(value, 0, step);
}

// Speeds per axis for a way of |dx| by |dy| pixels on which the longer axis moves `pace` pixels a
// tick and both axes arrive together. No way at all needs no speed: it has arrived (never a
// division by 0).
struct TAxisSpeeds {
    double X = 0;
    double Y = 0;
};
inline TAxisSpeeds SpeedsArrivingTogether(double dx, double dy, double pace) {
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    const double ticks = std::max(dx, dy) / pace;
    if (ticks <= 0) return {};
    return {dx / ticks, dy / ticks};
}
