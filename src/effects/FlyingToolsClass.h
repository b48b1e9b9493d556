#pragma once
// TFlyingTools: a collected tool item flies from its tile to its tool's hook; on arrival the tool
// gains a use.
#include "board/GameData.h"

#include <functional>
#include <vector>

class TFlyingTools {
public:
    static constexpr int FlightTicks = 24;

    bool Visible = true;
    std::function<void(TToolKind kind)> OnArrived;

    // From a board tile to a screen point (the hook's centre).
    void Start(TToolKind kind, TPoint tile, TPoint target);
    // Every flight arrives at once (a round ends while items are on their way).
    void Land();
    void Tick();
    int Flying() const { return static_cast<int>(flights_.size()); }

private:
    struct TFlight {
        TToolKind Kind;
        TPoint From;
        TPoint To;
        int Tick = 0;
    };
    static void Draw(const TFlight& flight);

    std::vector<TFlight> flights_;
};
