#pragma once
// TCelebration: the joy over a bought work. A burst of sparkles, confetti and dust puffs leaps
// from the work's sticker; when the work completes its island, fireworks follow: rockets rise
// from below the picture and burst in coloured sparks for a few seconds.
//
// Every particle lives in one fixed pool: a new one takes the next entry of the ring, the oldest
// giving way when all are busy, so a celebration never allocates. Its dice are its own, seeded
// again at each reset: the game's dice and its replays never depend on it.
#include "engine/Geometry.h"

#include <array>
#include <cstdint>
#include <random>

enum class TParticleLook : uint8_t { Star, Confetti, Dust, Spark, Flash };

struct TCelebrationParticle {
    bool Active = false;
    TParticleLook Look = TParticleLook::Star;
    float X = 0, Y = 0;
    float SpeedX = 0, SpeedY = 0;
    // Added to SpeedY every tick.
    float Fall = 0;
    float Angle = 0, Spin = 0;
    int AgeTicks = 0;
    int LifeTicks = 0;
    // A confetti piece's colour and shape, a dust puff's shape.
    int Variant = 0;
    uint8_t Red = 255, Green = 255, Blue = 255;
};

struct TRocket {
    bool Active = false;
    float X = 0, Y = 0;
    float SpeedY = 0;
    // The colour its sparks burst in.
    int Colour = 0;
    int AgeTicks = 0;
};

class TCelebration {
public:
    static constexpr int PoolSize = 320;
    static constexpr int MaxRockets = 6;
    static constexpr int FireworksMs = 4500;
    // Rockets start just below the picture's bottom edge.
    static constexpr int LaunchY = 780;

    TCelebration();

    // Everything gone, no fireworks due, the dice back at their start.
    void Reset();
    // A bought work's burst from the middle of its sticker.
    void Burst(TPoint at);
    // Rockets for FireworksMs from now; running ones fly on.
    void StartFireworks();
    // Moves everything one tick on and draws it.
    void Tick();

    // Rockets are still due or flying.
    bool FireworksRunning() const;
    bool Running() const;
    int ActiveCount() const;
    const std::array<TCelebrationParticle, PoolSize>& Particles() const { return pool_; }
    const std::array<TRocket, MaxRockets>& Rockets() const { return rockets_; }

private:
    int Dice(int range);
    // A value in low..high (whole steps of the dice), as a float.
    float Between(int low, int high);
    void Add(const TCelebrationParticle& particle);
    // A particle leaving `at` in any direction at a speed in minSpeed..maxSpeed.
    TCelebrationParticle Flung(TParticleLook look, TPoint at, int minSpeed, int maxSpeed);
    void LaunchRocketWhenDue();
    void MoveRockets();
    void Explode(const TRocket& rocket);
    void MoveParticles();
    void Draw(const TCelebrationParticle& particle) const;

    std::array<TCelebrationParticle, PoolSize> pool_{};
    int next_ = 0;
    std::array<TRocket, MaxRockets> rockets_{};
    int fireworksLeftMs_ = 0;
    int nextRocketMs_ = 0;
    std::minstd_rand dice_;
};
