#pragma once
// The company logos (gsCompanyLogos): the logo cards fade in and out one after another; a press
// (or Enter, Space, Escape) skips them. Then the splash comes.
#include "app/scenes/Scene.h"

#include <functional>

class TCompanyLogosScene : public TScene {
public:
    // Each card fades in, stays, and fades out.
    static constexpr int FadeTicks = 10;
    static constexpr int HoldTicks = 40;
    static constexpr int CardTicks = 2 * FadeTicks + HoldTicks;

    // The last card has gone, or the player skipped them; raised once.
    std::function<void()> OnFinished;

    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    // Enter or Space as a press.
    void Key(const TPlatformEvent& event) override;
    bool Finished() const { return finished_; }

private:
    int CardAlpha() const;
    void Finish();

    int card_ = 0; // 0-based
    int tick_ = 0; // within the card
    bool finished_ = false;
};
