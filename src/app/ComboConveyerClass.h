#pragma once
// TComboConveyer: carries a finished combo label from the board to the energy gauge, shrinking
// on the way; its arrival gives the combo's reward.
#include "engine/Geometry.h"

#include <array>
#include <cstdint>
#include <functional>

class TComboConveyer {
public:
    static constexpr int Capacity = 10;
    static constexpr double Pace = 30; // pixels a tick on the longer axis

    // Where the labels go: the energy gauge in the cabinet on the left.
    TPoint Target{4, 300};
    std::function<void(uint8_t matchXCount)> OnAComboArrives;

    // A label of `matchXCount` whose top-left is `pos`.
    void Send(uint8_t matchXCount, TPoint pos);
    void UpdateAndDraw();
    void Reset();
    int Carried() const;

private:
    struct TCarriedCombo {
        bool Active = false;
        uint8_t MatchXCount = 0;
        double X = 0, Y = 0;
        double SpeedX = 0, SpeedY = 0;
        float Scale = 1;
    };

    std::array<TCarriedCombo, Capacity> combos_{};
};
