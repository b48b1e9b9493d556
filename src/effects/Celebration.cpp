#include "effects/Celebration.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr uint32_t CelebrationSeed = 1708;
constexpr uint8_t Opaque = 255;
constexpr float Centred = 0.5f;
constexpr float DegreesToRadians = 3.14159265f / 180;
constexpr int FullTurn = 360;
// A particle fades out over the last third of its life.
constexpr int FadeShare = 3;
// Whatever falls this far below the picture is gone.
constexpr int BelowPicture = 60;

// The burst from a bought work: golden sparkles, confetti thrown up, a few dust puffs.
constexpr int BurstStars = 20;
constexpr int BurstConfetti = 28;
constexpr int BurstDust = 5;
constexpr uint8_t GoldRed = 255, GoldGreen = 226, GoldBlue = 140;
constexpr float StarFall = 0.08f;
constexpr int StarMinLife = 25, StarMaxLife = 45;
constexpr int ConfettiSideSpeed = 4;
constexpr int ConfettiMinRise = 4, ConfettiMaxRise = 9;
constexpr float ConfettiFall = 0.3f;
// Confetti flutters down no faster than this.
constexpr float ConfettiDrift = 2.5f;
constexpr int ConfettiMaxSpin = 12;
constexpr int ConfettiMinLife = 60, ConfettiMaxLife = 90;
constexpr int ConfettiKinds = 6;
// A dust puff grows and fades through the picture's seven rows, three ticks each.
constexpr int DustShapes = 3;
constexpr int DustFrames = 7;
constexpr int DustTicksPerFrame = 3;
constexpr uint8_t DustAlpha = 150;
constexpr float DustScale = 1.5f;

// The fireworks: a rocket now and then, rising until it slows to its top, then bursting.
constexpr int RocketMinWaitMs = 450;
constexpr int RocketWaitStepMs = 50;
constexpr int RocketWaitSteps = 7;
constexpr int LaunchLeft = 250, LaunchRight = 1116;
constexpr int RocketMinRise = 13, RocketMaxRise = 16;
constexpr float RocketFall = 0.22f;
constexpr float RocketTopSpeed = -2;
constexpr float RocketScale = 1.5f;
constexpr int TrailEveryTicks = 2;
constexpr int TrailMinLife = 10, TrailMaxLife = 14;
constexpr int BurstSparks = 44;
constexpr float SparkScale = 1.5f;
constexpr float SparkFall = 0.07f;
constexpr int SparkMinLife = 35, SparkMaxLife = 55;
constexpr int FlashTicksPerFrame = 2;
constexpr int FlashFrames = 6;
constexpr float FlashScale = 2.5f;

struct TColour {
    uint8_t Red, Green, Blue;
};
constexpr std::array<TColour, 6> SparkColours{{{255, 90, 90},
                                               {255, 215, 80},
                                               {120, 255, 120},
                                               {110, 170, 255},
                                               {220, 120, 255},
                                               {255, 255, 255}}};

uint8_t FadedAlpha(const TCelebrationParticle& particle, uint8_t full) {
    const int fadeTicks = std::max(1, particle.LifeTicks / FadeShare);
    const int left = particle.LifeTicks - particle.AgeTicks;
    if (left >= fadeTicks) return full;
    return static_cast<uint8_t>(full * std::max(0, left) / fadeTicks);
}

// Drawn with its middle at (x, y).
void DrawCentred(std::string_view name, float x, float y, float angle, float scale, uint8_t red,
                 uint8_t green, uint8_t blue, uint8_t alpha, int pattern, int blend) {
    const TPoint tile = ImageTileSize(name);
    DrawImageBlend(name, static_cast<int>(x) - tile.X / 2, static_cast<int>(y) - tile.Y / 2, angle,
                   Centred, Centred, scale, scale, red, green, blue, alpha, pattern, blend);
}

} // namespace

TCelebration::TCelebration() {
    Reset();
}

void TCelebration::Reset() {
    pool_ = {};
    next_ = 0;
    rockets_ = {};
    fireworksLeftMs_ = 0;
    nextRocketMs_ = 0;
    dice_.seed(CelebrationSeed);
}

int TCelebration::Dice(int range) {
    return range > 0 ? static_cast<int>(dice_() % static_cast<unsigned>(range)) : 0;
}

float TCelebration::Between(int low, int high) {
    return static_cast<float>(low + Dice(high - low + 1));
}

void TCelebration::Add(const TCelebrationParticle& particle) {
    pool_[next_] = particle;
    pool_[next_].Active = true;
    next_ = (next_ + 1) % PoolSize;
}

TCelebrationParticle TCelebration::Flung(TParticleLook look, TPoint at, int minSpeed,
                                         int maxSpeed) {
    const float direction = static_cast<float>(Dice(FullTurn)) * DegreesToRadians;
    const float speed = Between(minSpeed, maxSpeed);
    TCelebrationParticle particle;
    particle.Look = look;
    particle.X = static_cast<float>(at.X);
    particle.Y = static_cast<float>(at.Y);
    particle.SpeedX = speed * std::cos(direction);
    particle.SpeedY = speed * std::sin(direction);
    return particle;
}

void TCelebration::Burst(TPoint at) {
    for (int i = 0; i < BurstStars; ++i) {
        TCelebrationParticle star = Flung(TParticleLook::Star, at, 2, 6);
        star.Fall = StarFall;
        star.LifeTicks = static_cast<int>(Between(StarMinLife, StarMaxLife));
        star.Red = GoldRed;
        star.Green = GoldGreen;
        star.Blue = GoldBlue;
        Add(star);
    }
    for (int i = 0; i < BurstConfetti; ++i) {
        TCelebrationParticle piece;
        piece.Look = TParticleLook::Confetti;
        piece.X = static_cast<float>(at.X);
        piece.Y = static_cast<float>(at.Y);
        piece.SpeedX = Between(-ConfettiSideSpeed, ConfettiSideSpeed);
        piece.SpeedY = -Between(ConfettiMinRise, ConfettiMaxRise);
        piece.Fall = ConfettiFall;
        piece.Angle = static_cast<float>(Dice(FullTurn));
        piece.Spin = Between(-ConfettiMaxSpin, ConfettiMaxSpin);
        piece.LifeTicks = static_cast<int>(Between(ConfettiMinLife, ConfettiMaxLife));
        piece.Variant = Dice(ConfettiKinds);
        Add(piece);
    }
    for (int i = 0; i < BurstDust; ++i) {
        TCelebrationParticle puff = Flung(TParticleLook::Dust, at, 0, 1);
        puff.LifeTicks = DustFrames * DustTicksPerFrame;
        puff.Variant = Dice(DustShapes);
        Add(puff);
    }
}

void TCelebration::StartFireworks() {
    fireworksLeftMs_ = FireworksMs;
    nextRocketMs_ = 0;
}

bool TCelebration::FireworksRunning() const {
    return fireworksLeftMs_ > 0 || std::any_of(rockets_.begin(), rockets_.end(),
                                               [](const TRocket& rocket) { return rocket.Active; });
}

bool TCelebration::Running() const {
    return FireworksRunning() || ActiveCount() > 0;
}

int TCelebration::ActiveCount() const {
    return static_cast<int>(std::count_if(pool_.begin(), pool_.end(),
                                          [](const TCelebrationParticle& p) { return p.Active; }));
}

void TCelebration::Tick() {
    LaunchRocketWhenDue();
    MoveRockets();
    MoveParticles();
}

// A free launcher takes the next rocket; with none free, that rocket is simply left out.
void TCelebration::LaunchRocketWhenDue() {
    if (fireworksLeftMs_ <= 0) return;
    fireworksLeftMs_ -= GameTickMs;
    nextRocketMs_ -= GameTickMs;
    if (nextRocketMs_ > 0) return;
    nextRocketMs_ = RocketMinWaitMs + RocketWaitStepMs * Dice(RocketWaitSteps);
    const auto free = std::find_if(rockets_.begin(), rockets_.end(),
                                   [](const TRocket& rocket) { return !rocket.Active; });
    if (free == rockets_.end()) return;
    free->Active = true;
    free->X = Between(LaunchLeft, LaunchRight);
    free->Y = LaunchY;
    free->SpeedY = -Between(RocketMinRise, RocketMaxRise);
    free->Colour = Dice(static_cast<int>(SparkColours.size()));
    free->AgeTicks = 0;
}

void TCelebration::MoveRockets() {
    for (TRocket& rocket : rockets_) {
        if (!rocket.Active) continue;
        rocket.Y += rocket.SpeedY;
        rocket.SpeedY += RocketFall;
        ++rocket.AgeTicks;
        if (rocket.SpeedY >= RocketTopSpeed) {
            rocket.Active = false;
            Explode(rocket);
            continue;
        }
        if (rocket.AgeTicks % TrailEveryTicks == 0) {
            TCelebrationParticle trail =
                Flung(TParticleLook::Spark,
                      {static_cast<int>(rocket.X), static_cast<int>(rocket.Y)}, 0, 1);
            trail.LifeTicks = static_cast<int>(Between(TrailMinLife, TrailMaxLife));
            trail.Red = GoldRed;
            trail.Green = GoldGreen;
            trail.Blue = GoldBlue;
            Add(trail);
        }
        DrawCentred(Pictures::LittleStars, rocket.X, rocket.Y, 0, RocketScale, Opaque, Opaque,
                    Opaque, Opaque, 0, BlendAdditiveAlpha);
    }
}

void TCelebration::Explode(const TRocket& rocket) {
    const TPoint at{static_cast<int>(rocket.X), static_cast<int>(rocket.Y)};
    const TColour colour = SparkColours[static_cast<size_t>(rocket.Colour)];
    TCelebrationParticle flash;
    flash.Look = TParticleLook::Flash;
    flash.X = rocket.X;
    flash.Y = rocket.Y;
    flash.LifeTicks = FlashFrames * FlashTicksPerFrame;
    flash.Red = colour.Red;
    flash.Green = colour.Green;
    flash.Blue = colour.Blue;
    Add(flash);
    for (int i = 0; i < BurstSparks; ++i) {
        TCelebrationParticle spark = Flung(TParticleLook::Spark, at, 2, 6);
        spark.Fall = SparkFall;
        spark.LifeTicks = static_cast<int>(Between(SparkMinLife, SparkMaxLife));
        spark.Red = colour.Red;
        spark.Green = colour.Green;
        spark.Blue = colour.Blue;
        Add(spark);
    }
}

void TCelebration::MoveParticles() {
    for (TCelebrationParticle& particle : pool_) {
        if (!particle.Active) continue;
        particle.X += particle.SpeedX;
        particle.Y += particle.SpeedY;
        particle.SpeedY += particle.Fall;
        if (particle.Look == TParticleLook::Confetti)
            particle.SpeedY = std::min(particle.SpeedY, ConfettiDrift);
        particle.Angle += particle.Spin;
        ++particle.AgeTicks;
        if (particle.AgeTicks >= particle.LifeTicks ||
            particle.Y > GameSpace.Height + BelowPicture) {
            particle.Active = false;
            continue;
        }
        Draw(particle);
    }
}

void TCelebration::Draw(const TCelebrationParticle& particle) const {
    switch (particle.Look) {
    case TParticleLook::Star:
    case TParticleLook::Spark:
        DrawCentred(Pictures::LittleStars, particle.X, particle.Y, 0,
                    particle.Look == TParticleLook::Spark ? SparkScale : 1, particle.Red,
                    particle.Green, particle.Blue, FadedAlpha(particle, Opaque),
                    particle.Look == TParticleLook::Star ? 1 : 0, BlendAdditiveAlpha);
        break;
    case TParticleLook::Confetti:
        DrawCentred(Pictures::Confetti, particle.X, particle.Y, particle.Angle, 1, Opaque, Opaque,
                    Opaque, FadedAlpha(particle, Opaque), particle.Variant, BlendNormal);
        break;
    case TParticleLook::Dust: {
        const int frame = particle.AgeTicks / DustTicksPerFrame;
        DrawCentred(Pictures::DustParticle, particle.X, particle.Y, 0, DustScale, Opaque, Opaque,
                    Opaque, DustAlpha, frame * DustShapes + particle.Variant, BlendNormal);
        break;
    }
    case TParticleLook::Flash:
        DrawCentred(Pictures::BombSparks, particle.X, particle.Y, 0, FlashScale, particle.Red,
                    particle.Green, particle.Blue, Opaque, particle.AgeTicks / FlashTicksPerFrame,
                    BlendAdditiveAlpha);
        break;
    }
}
