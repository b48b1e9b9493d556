#include "effects/AmbientDecorations.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace {

constexpr uint8_t Opaque = 255;
constexpr uint32_t WhiteRgb = 0x00FFFFFF;
constexpr int AlphaShift = 24;
constexpr float Centred = 0.5f;
constexpr float AtFoot = 1.0f;
constexpr float FullTurn = 2 * std::numbers::pi_v<float>;

// Flowers: one sway every three seconds, the flowers of a bed a beat apart.
constexpr int SwaySteps = 24;
constexpr int SwayBeatBetweenFlowers = 3;
constexpr int FlowerKinds = 6;
// Butterflies: a slow loop about their home, the wings beating on every step.
constexpr int ButterflyLoopSteps = 60;
constexpr int ButterflyBobSteps = 22;
constexpr int WingFrames = 8;
constexpr float ButterflyScale = 0.8f;
// A bird every 12 to 30 seconds, about twelve seconds across the screen.
constexpr int BirdFirstWaitSteps = 40;
constexpr int BirdMinWaitSteps = 100;
constexpr int BirdWaitSpreadSteps = 150;
constexpr int BirdStepPixels = 14;
constexpr int BirdBobSteps = 16;
constexpr int BirdFrames = 5;
// Rain: a spell of six to nine seconds every half minute to a minute, faded in and out.
constexpr int RainFirstWaitSteps = 120;
constexpr int RainMinWaitSteps = 250;
constexpr int RainWaitSpreadSteps = 250;
constexpr int RainMinSteps = 50;
constexpr int RainSpreadSteps = 25;
constexpr int RainFadeSteps = 8;
constexpr int DropFallPixels = 30;
constexpr int DropKinds = 4;
constexpr int DropAlpha = 200;
// Clouds: a pixel a step, three minutes across the screen; the second one turned about.
constexpr std::string_view CloudPicture = "MapCloud";
constexpr int CloudStepPixels = 1;
constexpr uint8_t CloudAlpha = 210;
// Motes: a pixel every other step, twinkling softly.
constexpr int MoteMoveEverySteps = 2;
constexpr int MoteTwinkleSteps = 40;
constexpr int MoteMinAlpha = 40;
constexpr int MoteTwinkleAlpha = 60;
constexpr float MoteScale = 0.6f;
constexpr uint8_t MoteRed = 255;
constexpr uint8_t MoteGreen = 225;
constexpr uint8_t MoteBlue = 150;
constexpr int MoteDirections = 4;

float Wave(int phase, int period) {
    return std::sin(FullTurn * static_cast<float>(phase % period) / static_cast<float>(period));
}

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRect Around(TPoint centre, int halfWidth, int halfHeight) {
    return {centre.X - halfWidth, centre.Y - halfHeight, centre.X + halfWidth,
            centre.Y + halfHeight};
}

TRect Grown(const TRect& rect, int byX, int byY) {
    return {rect.Left - byX, rect.Top - byY, rect.Right + byX, rect.Bottom + byY};
}

int PathLength(const TDecorationPath& path) {
    return static_cast<int>(std::hypot(path.To.X - path.From.X, path.To.Y - path.From.Y));
}

TPoint AlongPath(const TDecorationPath& path, int travelled) {
    const int length = std::max(PathLength(path), 1);
    return {path.From.X + (path.To.X - path.From.X) * travelled / length,
            path.From.Y + (path.To.Y - path.From.Y) * travelled / length};
}

// The flowers of a bed, its butterfly's whole loop.
TRect BedBounds(TPoint foot) {
    const int side = TAmbientDecorations::FlowerSpacing * (TAmbientDecorations::FlowersPerBed / 2);
    return Grown(TAmbientDecorations::Bounds(TDecorationKind::Flower, foot), side, 0);
}

TRect LoopBounds(TPoint home) {
    return Grown(TAmbientDecorations::Bounds(TDecorationKind::Butterfly, home),
                 TAmbientDecorations::ButterflyReach.X, TAmbientDecorations::ButterflyReach.Y);
}

} // namespace

bool TAmbientDecorations::IsHeavy(TDecorationKind kind) {
    return kind == TDecorationKind::RainDrop || kind == TDecorationKind::Mote ||
           kind == TDecorationKind::Cloud;
}

TRect TAmbientDecorations::Bounds(TDecorationKind kind, TPoint pos) {
    switch (kind) {
    case TDecorationKind::Flower: {
        // Swaying about its foot: the head leans out a little on either side.
        const int lean = static_cast<int>(std::ceil(
            FlowerHeight * std::sin(FlowerSwayDegrees * std::numbers::pi_v<float> / 180)));
        return {pos.X - FlowerHeight / 2 - lean, pos.Y - FlowerHeight,
                pos.X + FlowerHeight / 2 + lean, pos.Y};
    }
    case TDecorationKind::Butterfly:
        return Around(pos, ButterflySize / 2, ButterflySize / 2);
    case TDecorationKind::Bird:
        return Around(pos, BirdSize.X / 2, BirdSize.Y / 2);
    case TDecorationKind::RainDrop:
        return Around(pos, DropSize.X / 2, DropSize.Y / 2);
    case TDecorationKind::Mote:
        return Around(pos, MoteSize / 2, MoteSize / 2);
    case TDecorationKind::Cloud:
        return Around(pos, CloudSize.X / 2, CloudSize.Y / 2);
    }
    return {};
}

bool TAmbientDecorations::Clear(const TRect& area) const {
    return std::none_of(layout_.Protected.begin(), layout_.Protected.end(),
                        [&](const TRect& rect) { return Overlap(rect, area); });
}

int TAmbientDecorations::Dice(int range) {
    return range > 0 ? static_cast<int>(sky_() % static_cast<unsigned>(range)) : 0;
}

void TAmbientDecorations::Start(const TDecorationLayout& layout, uint32_t seed,
                                bool reducedEffects) {
    layout_ = {};
    layout_.Protected = layout.Protected;
    items_.clear();
    sky_.seed(seed);
    ticks_ = 0;
    birdPath_ = -1;
    birdWait_ = BirdFirstWaitSteps;
    rainStepsLeft_ = 0;
    rainWait_ = RainFirstWaitSteps;
    AddFlowersAndButterflies(layout);
    layout_.BirdPaths = layout.BirdPaths;
    if (!layout_.BirdPaths.empty())
        items_.push_back({TDecorationKind::Bird, Resting, 0, 0, 0, 0, Resting, 0});
    if (!reducedEffects) AddHeavyOnes(layout);
    Step();
}

void TAmbientDecorations::AddFlowersAndButterflies(const TDecorationLayout& layout) {
    for (const TPoint& bed : layout.FlowerBeds) {
        if (!Clear(BedBounds(bed))) continue;
        layout_.FlowerBeds.push_back(bed);
        const int first = Dice(FlowerKinds);
        for (int i = 0; i < FlowersPerBed; ++i) {
            const TPoint foot{bed.X + (i - FlowersPerBed / 2) * FlowerSpacing, bed.Y};
            items_.push_back({TDecorationKind::Flower, foot, 0, (first + i) % FlowerKinds, 0,
                              Opaque, foot, i * SwayBeatBetweenFlowers});
        }
    }
    for (const TPoint& home : layout.ButterflyHomes) {
        if (!Clear(LoopBounds(home))) continue;
        layout_.ButterflyHomes.push_back(home);
        items_.push_back({TDecorationKind::Butterfly, home, 0, Dice(2), 0, Opaque, home,
                          Dice(ButterflyLoopSteps)});
    }
}

// The rain's drops, the motes and the clouds, drawn over the flowers and the butterflies.
void TAmbientDecorations::AddHeavyOnes(const TDecorationLayout& layout) {
    for (const TRect& area : layout.RainAreas)
        if (Clear(Grown(area, DropSize.X, DropSize.Y))) layout_.RainAreas.push_back(area);
    if (!layout_.RainAreas.empty())
        for (int i = 0; i < RainDrops; ++i)
            items_.push_back(
                {TDecorationKind::RainDrop, Resting, 0, Dice(DropKinds), 0, 0, Resting, 0});
    if (layout.Motes > 0 && Clear(Grown(layout.MoteArea, MoteSize, MoteSize))) {
        layout_.MoteArea = layout.MoteArea;
        layout_.Motes = layout.Motes;
        for (int i = 0; i < layout.Motes; ++i) {
            const TPoint at{layout.MoteArea.Left + Dice(layout.MoteArea.Width()),
                            layout.MoteArea.Top + Dice(layout.MoteArea.Height())};
            items_.push_back({TDecorationKind::Mote, at, 0, Dice(MoteDirections), 0, 0, at,
                              Dice(MoteTwinkleSteps)});
        }
    }
    layout_.CloudLanes = layout.CloudLanes;
    for (size_t i = 0; i < layout.CloudLanes.size(); ++i) {
        const TPoint at{Dice(GameSpace.Width), layout.CloudLanes[i]};
        items_.push_back(
            {TDecorationKind::Cloud, at, 0, static_cast<int>(i % 2), 0, CloudAlpha, at, 0});
    }
}

void TAmbientDecorations::Tick() {
    if (++ticks_ % StepTicks == 0) Step();
}

void TAmbientDecorations::Step() {
    for (TDecoration& item : items_) {
        switch (item.Kind) {
        case TDecorationKind::Flower:
            StepFlower(item);
            break;
        case TDecorationKind::Butterfly:
            StepButterfly(item);
            break;
        case TDecorationKind::Bird:
            StepBird(item);
            break;
        case TDecorationKind::Mote:
            StepMote(item);
            break;
        case TDecorationKind::Cloud:
            StepCloud(item);
            break;
        case TDecorationKind::RainDrop:
            break;
        }
    }
    StepRain();
}

void TAmbientDecorations::StepFlower(TDecoration& flower) const {
    ++flower.Phase;
    flower.Angle = FlowerSwayDegrees * Wave(flower.Phase, SwaySteps);
}

// A loop about its home, twice as fast up and down as to the sides: a butterfly's dance.
void TAmbientDecorations::StepButterfly(TDecoration& butterfly) const {
    ++butterfly.Phase;
    butterfly.Pos = {butterfly.Home.X + static_cast<int>(ButterflyReach.X *
                                                         Wave(butterfly.Phase, ButterflyLoopSteps)),
                     butterfly.Home.Y + static_cast<int>(ButterflyReach.Y *
                                                         Wave(butterfly.Phase, ButterflyBobSteps))};
    butterfly.Pattern = butterfly.Phase % WingFrames;
}

// Resting until its wait is over, then across the sky on one of its ways, rising and sinking a
// little as it flaps.
void TAmbientDecorations::StepBird(TDecoration& bird) {
    if (birdPath_ < 0) {
        if (--birdWait_ > 0) return;
        birdPath_ = Dice(static_cast<int>(layout_.BirdPaths.size()));
        birdStep_ = 0;
    }
    const TDecorationPath& path = layout_.BirdPaths[static_cast<size_t>(birdPath_)];
    const int travelled = birdStep_ * BirdStepPixels;
    if (travelled > PathLength(path)) {
        birdPath_ = -1;
        birdWait_ = BirdMinWaitSteps + Dice(BirdWaitSpreadSteps);
        bird = {TDecorationKind::Bird, Resting, 0, 0, 0, 0, Resting, 0};
        return;
    }
    const TPoint at = AlongPath(path, travelled);
    bird.Pos = {at.X, at.Y + static_cast<int>(BirdBob * Wave(birdStep_, BirdBobSteps))};
    bird.Home = path.From;
    // The bird is drawn looking left: one flying right is turned about.
    bird.Variant = path.To.X > path.From.X ? 1 : 0;
    bird.Pattern = birdStep_ % BirdFrames;
    bird.Alpha = Opaque;
    ++birdStep_;
}

// Between spells the drops rest; a spell picks an area and rains on it, fading in and out.
void TAmbientDecorations::StepRain() {
    if (layout_.RainAreas.empty()) return;
    if (rainStepsLeft_ == 0) {
        if (--rainWait_ > 0) return;
        rainArea_ = Dice(static_cast<int>(layout_.RainAreas.size()));
        rainSpellSteps_ = RainMinSteps + Dice(RainSpreadSteps);
        rainStepsLeft_ = rainSpellSteps_;
        for (TDecoration& drop : items_)
            if (drop.Kind == TDecorationKind::RainDrop) PlaceDrop(drop, true);
    }
    --rainStepsLeft_;
    const int fade = std::min({RainFadeSteps, rainStepsLeft_, rainSpellSteps_ - rainStepsLeft_});
    const auto alpha = static_cast<uint8_t>(DropAlpha * fade / RainFadeSteps);
    const TRect& area = layout_.RainAreas[static_cast<size_t>(rainArea_)];
    for (TDecoration& drop : items_) {
        if (drop.Kind != TDecorationKind::RainDrop) continue;
        if (rainStepsLeft_ == 0) {
            drop.Pos = Resting;
            drop.Alpha = 0;
            continue;
        }
        drop.Pos.Y += DropFallPixels;
        if (drop.Pos.Y > area.Bottom) PlaceDrop(drop, false);
        drop.Alpha = alpha;
    }
    if (rainStepsLeft_ == 0) rainWait_ = RainMinWaitSteps + Dice(RainWaitSpreadSteps);
}

// A drop anywhere in the spell's area, or back at its top.
void TAmbientDecorations::PlaceDrop(TDecoration& drop, bool anywhere) {
    const TRect& area = layout_.RainAreas[static_cast<size_t>(rainArea_)];
    drop.Pos = {area.Left + Dice(area.Width()),
                anywhere ? area.Top + Dice(area.Height()) : area.Top + Dice(DropFallPixels)};
    drop.Home = {drop.Pos.X, area.Top};
}

// A mote drifts one way, wraps round inside its area, and twinkles.
void TAmbientDecorations::StepMote(TDecoration& mote) {
    ++mote.Phase;
    const TRect& area = layout_.MoteArea;
    if (mote.Phase % MoteMoveEverySteps == 0) {
        constexpr TPoint Drifts[MoteDirections] = {{1, -1}, {1, 1}, {-1, -1}, {-1, 1}};
        const TPoint drift = Drifts[mote.Variant];
        mote.Pos.X = area.Left + (mote.Pos.X - area.Left + drift.X + area.Width()) % area.Width();
        mote.Pos.Y = area.Top + (mote.Pos.Y - area.Top + drift.Y + area.Height()) % area.Height();
    }
    const float twinkle = (1 + Wave(mote.Phase, MoteTwinkleSteps)) / 2;
    mote.Alpha = static_cast<uint8_t>(MoteMinAlpha + MoteTwinkleAlpha * twinkle);
}

// Across the screen and in again from the other side, always at its height.
void TAmbientDecorations::StepCloud(TDecoration& cloud) {
    const int span = GameSpace.Width + CloudSize.X;
    cloud.Pos.X = (cloud.Pos.X + CloudSize.X / 2 + CloudStepPixels) % span - CloudSize.X / 2;
}

void TAmbientDecorations::Draw() const {
    for (const TDecoration& item : items_) DrawOne(item);
}

void TAmbientDecorations::DrawOne(const TDecoration& item) const {
    switch (item.Kind) {
    case TDecorationKind::Flower: {
        const TPoint tile = ImageTileSize(Pictures::FoundFlowers);
        const float scale = tile.Y > 0 ? static_cast<float>(FlowerHeight) / tile.Y : 1;
        DrawImage(Pictures::FoundFlowers, item.Pos.X - tile.X / 2, item.Pos.Y - tile.Y, item.Angle,
                  Centred, AtFoot, scale, scale, Opaque, Opaque, Opaque, item.Alpha, item.Variant);
        break;
    }
    case TDecorationKind::Butterfly: {
        const auto name = item.Variant == 0 ? Pictures::BlueButterfly : Pictures::PinkButterfly;
        const TPoint tile = ImageTileSize(name);
        DrawImage(name, item.Pos.X - tile.X / 2, item.Pos.Y - tile.Y / 2, 0, Centred, Centred,
                  ButterflyScale, ButterflyScale, Opaque, Opaque, Opaque, item.Alpha, item.Pattern);
        break;
    }
    case TDecorationKind::Bird: {
        const TPoint tile = ImageTileSize(Pictures::Birdie);
        DrawImageColored(Pictures::Birdie, item.Pos.X - tile.X / 2, item.Pos.Y - tile.Y / 2, 0,
                         Centred, Centred, 1, 1,
                         (static_cast<uint32_t>(item.Alpha) << AlphaShift) | WhiteRgb, false,
                         item.Variant == 1, item.Pattern);
        break;
    }
    case TDecorationKind::RainDrop: {
        const TPoint tile = ImageTileSize(Pictures::RainDrop);
        DrawImage(Pictures::RainDrop, item.Pos.X - tile.X / 2, item.Pos.Y - tile.Y / 2, 0, 0, 0, 1,
                  1, Opaque, Opaque, Opaque, item.Alpha, item.Variant);
        break;
    }
    case TDecorationKind::Mote: {
        const TPoint tile = ImageTileSize(Pictures::LittleStars);
        DrawImageBlend(Pictures::LittleStars, item.Pos.X - tile.X / 2, item.Pos.Y - tile.Y / 2, 0,
                       Centred, Centred, MoteScale, MoteScale, MoteRed, MoteGreen, MoteBlue,
                       item.Alpha, 0, BlendAdditiveAlpha);
        break;
    }
    case TDecorationKind::Cloud: {
        const TPoint tile = ImageTileSize(CloudPicture);
        DrawImageColored(CloudPicture, item.Pos.X - tile.X / 2, item.Pos.Y - tile.Y / 2, 0, Centred,
                         Centred, 1, 1,
                         (static_cast<uint32_t>(item.Alpha) << AlphaShift) | WhiteRgb, false,
                         item.Variant == 1, 0);
        break;
    }
    }
}
