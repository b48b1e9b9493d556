#include "effects/MatchedCyanEffectClass.h"

#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

// Where the spray leaves a tile, from its top-left.
constexpr TPoint SprayOffset{17, 22};
constexpr double StartAlpha = 220;
constexpr double GoneAlpha = 10;
constexpr double SmallestSize = 8;

double Signed(double value, bool negative) {
    return negative ? -value : value;
}

} // namespace

void TMatchedCyanEffect::TakeSize() {
    const TPoint size = ImageTileSize(Pictures::CyanParticle);
    if (size.X <= 0 || size.Y <= 0) return;
    OrigParticleWidth = size.X;
    OrigParticleHeight = size.Y;
}

void TMatchedCyanEffect::Spray(const TSimpleObjectArray& mask) {
    ForEachMaskedCell(mask, [this](TPoint tile) {
        const TPoint at = TileScreenPos(tile);
        for (int i = 0; i < ParticlesPerCell; ++i)
            Birth(at.X + SprayOffset.X, at.Y + SprayOffset.Y);
    });
}

// A birth takes the next slot of the ring; a slot still in use lets this particle go unborn.
void TMatchedCyanEffect::Birth(int x, int y) {
    TParticle& particle = particles_[next_];
    next_ = (next_ + 1) % Capacity;
    if (particle.InUse) return;
    particle.X = x + 2 * Random(5);
    particle.Y = y + Random(5);
    particle.VX = 0.3 * (Random(8) + 1);
    particle.VX = Signed(particle.VX, Random(2) == 0);
    particle.VY = 0.4 * (Random(5) + 1);
    particle.VY = Signed(particle.VY, Random(2) == 0);
    const bool left = particle.VX < 0;
    particle.AX = Signed(0.012 * (Random(5) + 1), left);
    particle.AY = Signed(0.03 * (Random(5) + 1), left);
    particle.G = -0.28 - 0.17 * Random(5);
    particle.Alpha = StartAlpha;
    particle.AlphaDec = 0.4 + 0.4 * Random(6);
    particle.Pattern = Random(5) + 1;
    particle.Size = 21 + 4 * Random(6);
    particle.SizeDec = 0.3 * (Random(6) + 1);
    particle.InUse = true;
}

void TMatchedCyanEffect::Tick() {
    if (!Visible) return;
    for (TParticle& particle : particles_) {
        if (!particle.InUse) continue;
        particle.VX -= particle.AX;
        particle.VY -= particle.AY;
        particle.X += particle.VX;
        particle.Y += particle.VY + particle.G;
        particle.Alpha -= particle.AlphaDec;
        particle.Size -= particle.SizeDec;
        if (particle.Alpha <= GoneAlpha || particle.Size < SmallestSize) particle.InUse = false;
        Draw(particle);
    }
}

void TMatchedCyanEffect::Draw(const TParticle& particle) const {
    if (particle.Alpha <= 0 || particle.Size <= 0) return;
    const int size = RoundHalfEven(particle.Size);
    const auto scaleX = static_cast<float>(particle.Size / OrigParticleWidth);
    const auto scaleY = static_cast<float>(particle.Size / OrigParticleHeight);
    DrawImageBlend(Pictures::CyanParticle, RoundHalfEven(particle.X) - size / 2,
                   RoundHalfEven(particle.Y) - size / 2, 0, 0, 0, scaleX, scaleY, 255, 255, 255,
                   static_cast<uint8_t>(RoundHalfEven(particle.Alpha)), particle.Pattern - 1,
                   BlendAdditiveAlpha);
}

void TMatchedCyanEffect::Clear() {
    for (TParticle& particle : particles_) particle.InUse = false;
}

int TMatchedCyanEffect::InUse() const {
    int count = 0;
    for (const TParticle& particle : particles_) count += particle.InUse ? 1 : 0;
    return count;
}
