#pragma once
// The results window's celebration: the shine turning behind the medal, the medal popping in and
// settling with a wobble (a glint passing over gold), golden dust rising from the score while it
// counts, and Mirela the dove flying in to perch on the window's corner and off as it hides.
// The medal, the shine and the dust are placed from the window's corner and ride with it; the
// dove flies in the screen's own pixels, so the window sliding away does not drag her along.
// The dust has dice of its own: the game's seeded dice stay with the rounds.
#include "board/GameData.h"
#include "engine/Geometry.h"

#include <array>
#include <cstdint>
#include <random>

enum class TDoveFlight : uint8_t { Away, FlyingIn, Perched, FlyingOff, Gone };

class TResultsCelebration {
public:
    // The medal's place on the window: the middle of its picture, from the window's corner.
    static constexpr TPoint MedalCentre{120, 180};
    static constexpr int MedalPopTicks = 40;
    static constexpr float MedalStartScale = 0.2f;
    static constexpr int DustPoolSize = 32;
    static constexpr int DoveFlightTicks = 45;
    // The dove's picture's corner as she stands on the window's top right corner.
    static constexpr TPoint DovePerch{404, -106};

    // A new window: no medal yet, no dust, the dove away.
    void Reset();
    // The window has shown at `window`: the medal pops in, the dove sets off for her perch.
    void WindowShown(TMedalKind medal, TPoint window);
    // The window is leaving: the dove flies off, once, if she came at all.
    void WindowHiding();
    // One mote of dust somewhere in `line` (window pixels); none when the pool is full.
    void SprinkleDust(const TRect& line);
    void Tick();

    // The shine and the medal with its glint, over the window and under its statistics.
    void DrawMedal(TPoint window) const;
    void DrawDust(TPoint window) const;
    void DrawDove() const;

    bool MedalShowing() const { return medal_ != mdNone; }
    float MedalScale() const;
    float MedalAngle() const;
    int DustCount() const;
    TDoveFlight Dove() const { return dove_; }
    // The dove's picture's corner on screen.
    TPoint DovePosition() const;

private:
    struct TMote {
        bool Live = false;
        int X = 0, Y = 0;
        int Rise = 1;
        int Drift = 0;
        int Age = 0;
        int Life = 0;
        int Picture = 0;
    };

    void StepDust();
    void StepDove();
    void DrawGlint(TPoint centre) const;
    int Dice(int range);

    int ticks_ = 0;
    TMedalKind medal_ = mdNone;
    int medalTicks_ = 0;
    std::array<TMote, DustPoolSize> dust_{};
    std::minstd_rand dice_;
    TDoveFlight dove_ = TDoveFlight::Away;
    int doveTicks_ = 0;
    TPoint perch_{};
};
