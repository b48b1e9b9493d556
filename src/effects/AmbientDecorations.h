#pragma once
// The world's ambient life, drawn over a scene's picture and under everything the player reads:
// flower beds swaying where they stand, butterflies fluttering about them, a bird crossing the
// sky now and then, a spell of rain over a far island now and then, dust motes drifting in the
// sunlight. A place that would keep any of them over what the player must see (a button, a
// label, a panel) is left out when the decorations start; a bird or a cloud only passes, under
// the scene's buttons and texts, and may cross them.
//
// Everything moves on a slow beat (one step every `StepTicks` ticks) so that three frames of
// four draw exactly what the frame before drew and the renderer redraws nothing. Every
// decoration draws one quad in every frame, a resting one a clear quad off the screen, so one
// coming or going never shifts the quads drawn after it. The sky has dice of its own: the
// game's seeded dice stay with the rounds.
#include "engine/Geometry.h"

#include <cstdint>
#include <random>
#include <vector>

enum class TDecorationKind { Flower, Butterfly, Bird, RainDrop, Mote, Cloud };

struct TDecorationPath {
    TPoint From;
    TPoint To;
};

// Where a scene's decorations may live.
struct TDecorationLayout {
    // What the player must see: no decoration is ever placed over these.
    std::vector<TRect> Protected;
    // The foot of the middle flower of each bed.
    std::vector<TPoint> FlowerBeds;
    // The middle of each butterfly's loop.
    std::vector<TPoint> ButterflyHomes;
    // Ways across the sky, from one side off the screen to the other.
    std::vector<TDecorationPath> BirdPaths;
    // Where a rain spell may fall: one of them at a time.
    std::vector<TRect> RainAreas;
    // The heights clouds drift across at, one cloud each.
    std::vector<int> CloudLanes;
    // Where dust motes drift, and how many.
    TRect MoteArea{};
    int Motes = 0;
};

struct TDecoration {
    TDecorationKind Kind = TDecorationKind::Flower;
    // Its centre (a flower: its foot).
    TPoint Pos{};
    float Angle = 0;
    // Which flower, butterfly or drop it is; its frame.
    int Variant = 0;
    int Pattern = 0;
    // 0 while it rests off the screen.
    uint8_t Alpha = 0;
    // Where it belongs: a flower's foot, a butterfly's home; a bird's or a drop's way is kept
    // by the decorations.
    TPoint Home{};
    int Phase = 0;
};

class TAmbientDecorations {
public:
    static constexpr int StepTicks = 4;
    static constexpr int FlowersPerBed = 3;
    static constexpr int FlowerSpacing = 20;
    static constexpr int FlowerHeight = 34;
    static constexpr float FlowerSwayDegrees = 7;
    static constexpr int ButterflySize = 32;
    static constexpr TPoint ButterflyReach{46, 22};
    static constexpr TPoint BirdSize{60, 50};
    static constexpr int BirdBob = 10;
    static constexpr int RainDrops = 16;
    static constexpr TPoint DropSize{8, 24};
    static constexpr int MoteSize = 16;
    static constexpr TPoint CloudSize{240, 120};
    // Where a resting decoration draws its clear quad.
    static constexpr TPoint Resting{-400, -400};

    // Drops what was there, keeps the parts of the layout that stay off its protected areas
    // (reduced effects also drop the rain and the motes, the heavy ones) and seeds the dice.
    void Start(const TDecorationLayout& layout, uint32_t seed, bool reducedEffects);
    // One tick; the decorations move on every `StepTicks`-th.
    void Tick();
    void Draw() const;

    const std::vector<TDecoration>& Items() const { return items_; }
    const TDecorationLayout& Layout() const { return layout_; }
    bool Raining() const { return rainStepsLeft_ > 0; }
    bool BirdFlying() const { return birdPath_ >= 0; }
    // Rain, motes and clouds: many quads or large ones, left out with reduced effects.
    static bool IsHeavy(TDecorationKind kind);
    // The rectangle a decoration may cover at its centre (a flower: at its foot) when drawn.
    static TRect Bounds(TDecorationKind kind, TPoint pos);

private:
    void AddFlowersAndButterflies(const TDecorationLayout& layout);
    void AddHeavyOnes(const TDecorationLayout& layout);
    void Step();
    void StepFlower(TDecoration& flower) const;
    void StepButterfly(TDecoration& butterfly) const;
    void StepBird(TDecoration& bird);
    void StepRain();
    void StepMote(TDecoration& mote);
    static void StepCloud(TDecoration& cloud);
    void PlaceDrop(TDecoration& drop, bool anywhere);
    void DrawOne(const TDecoration& item) const;
    bool Clear(const TRect& area) const;
    int Dice(int range);

    TDecorationLayout layout_;
    std::vector<TDecoration> items_;
    std::minstd_rand sky_;
    int ticks_ = 0;
    int birdPath_ = -1;
    int birdStep_ = 0;
    int birdWait_ = 0;
    int rainArea_ = 0;
    int rainSpellSteps_ = 0;
    int rainStepsLeft_ = 0;
    int rainWait_ = 0;
};
