#pragma once
// TMatchedCyanEffect: glowing cyan particles sprayed from matched tiles.
#include "board/GameData.h"

#include <array>

class TMatchedCyanEffect {
public:
    static constexpr int Capacity = 300;
    static constexpr int ParticlesPerCell = 20;

    bool Visible = true;
    // Taken from the particle picture once pictures are bound.
    int OrigParticleWidth = 38;
    int OrigParticleHeight = 38;

    void TakeSize();
    void Spray(const TSimpleObjectArray& mask);
    void Tick();
    void Clear();
    int InUse() const;

    struct TParticle {
        bool InUse = false;
        double X = 0, Y = 0, VX = 0, VY = 0, AX = 0, AY = 0, G = 0;
        double Alpha = 0, AlphaDec = 0, Size = 0, SizeDec = 0;
        int Pattern = 1;
    };
    const TParticle& Particle(int index) const { return particles_[index]; }

private:
    void Birth(int x, int y);
    void Draw(const TParticle& particle) const;

    std::array<TParticle, Capacity> particles_{};
    int next_ = 0;
};
