#pragma once
// TMannaEnergy: the energy gauge in the tool cabinet on the left. Every cleared element adds to
// it; at three shares of the full gauge the hammer, the bomb and the blaster become usable, and
// using one takes its share back.
#include <array>
#include <cstdint>
#include <functional>

class TMannaEnergy {
public:
    static constexpr int FactorLevels = 3;

    int FullRequiredFruits = 200;
    int TempCounterIncDivFactor = 200; // the gauge rises by a 200th of the full amount a tick
    int TempCounterDecDivFactor = 40;  // and falls by a 40th
    std::array<double, FactorLevels> ReqEnergyFactors = {0.3, 0.6, 1.0};
    std::function<void(uint8_t reachedLevel)> OnEnergyFactorReached;
    std::function<void(uint8_t belowLevel)> OnBelowEnergyFactor;
    std::function<void()> OnFull;

    // `steps` cleared elements (or a combo's bonus steps), up to the full amount.
    void AddFruit(int steps = 1);
    // A tool of level 1..3 was used: its share leaves the counter, never below 0.
    void Spend(uint8_t level);
    // The counter still holds the share of a tool of level 1..3: the tool can be paid for.
    bool Covers(uint8_t level) const;
    void Reset();
    void UpdateAndDraw();

    int FruitsCounter() const { return counter_; }
    double Level() const { return level_; }

private:
    int Share(uint8_t level) const;
    void Follow();
    void Report();
    void Draw() const;

    int counter_ = 0;
    double level_ = 0;
    std::array<bool, FactorLevels> reached_{};
    bool full_ = false;
    int waveTick_ = 0;
};
