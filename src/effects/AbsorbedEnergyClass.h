#pragma once
// TAbsorbedEnergy: the time a boss drains, flying as a stream of sparks from the tube's liquid to
// the boss, coloured by how much of the tube is left.
#include "engine/Geometry.h"

#include <array>
#include <cstdint>

enum TEnergyColor : uint8_t { ecRed, ecYellow, ecGreen };

// Red below 41 % left, yellow up to 77 %, green above.
TEnergyColor EnergyColorOf(int percentLeft);

class TAbsorbedEnergy {
public:
    static constexpr int Sparks = 12;
    static constexpr int TicksBetweenSparks = 2;
    static constexpr int FlightTicks = 30;

    bool Visible = true;

    // A new stream from `from` to `to`; a running one is replaced.
    void Start(TPoint from, TPoint to, TEnergyColor color);
    void Tick();
    void Clear();
    bool Running() const { return running_; }
    // Sparks on their way now.
    int InFlight() const;

private:
    void Draw() const;

    TPoint from_;
    TPoint to_;
    TEnergyColor color_ = ecGreen;
    int ticks_ = 0;
    bool running_ = false;
};
