#include "effects/LockerFramesClass.h"

#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr uint8_t TrailAlphas[3] = {120, 90, 60};
constexpr float SpinScale = 1.2f;
constexpr float Centered = 0.5f;

TPoint Rounded(double x, double y) {
    return {RoundHalfEven(x), RoundHalfEven(y)};
}

} // namespace

void TLockerFrames::SetupFrames(const TSimpleObjectArray& layers) {
    Clear();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (layers(x, y) == 0) continue;
            TFrame& frame = frames_(x, y);
            frame.State = fsParked;
            frame.Layers = layers(x, y);
            frame.X = CenterPosX;
            frame.Y = CenterPosY;
        }
}

void TLockerFrames::FlyIn() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TFrame& frame = frames_(x, y);
            if (frame.State == fsNone) continue;
            frame.X = CenterPosX;
            frame.Y = CenterPosY;
            const TPoint cell = TileScreenPos({x, y});
            StartFlight(frame, fsFlyingIn, cell.X + FrameAdjustX, cell.Y + FrameAdjustY,
                        FlyInSpeed);
        }
}

void TLockerFrames::FlyOut() {
    for (auto& column : frames_.Cells)
        for (TFrame& frame : column)
            if (frame.State != fsNone)
                StartFlight(frame, fsFlyingOut, CenterPosX, CenterPosY, FlyOutSpeed);
}

void TLockerFrames::StartFlight(TFrame& frame, TFrameState state, double targetX, double targetY,
                                double speed) {
    frame.State = state;
    frame.TargetX = targetX;
    frame.TargetY = targetY;
    const TPoint from = Rounded(frame.X, frame.Y);
    const TAxisSpeeds speeds = SpeedsArrivingTogether(RoundHalfEven(targetX) - from.X,
                                                      RoundHalfEven(targetY) - from.Y, speed);
    frame.SpeedX = speeds.X;
    frame.SpeedY = speeds.Y;
    frame.History.fill(from);
}

void TLockerFrames::RemoveLayers(const TSimpleObjectArray& mask) {
    ForEachMaskedCell(mask, [this](TPoint cell) {
        TFrame& frame = frames_(cell);
        if (frame.State == fsNone || frame.Layers == 0) return;
        const uint8_t before = frame.Layers;
        frame.Layers = before - 1;
        if (frame.Layers == 0) frame = {};
        if (OnLockerFrameEffectRequest) OnLockerFrameEffectRequest(cell, before);
    });
}

void TLockerFrames::Tick() {
    if (!Visible) return;
    MaybeStartSpin();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TFrame& frame = frames_(x, y);
            if (frame.State == fsFlyingIn || frame.State == fsFlyingOut) StepFlight(frame);
            if (frame.State == fsNone || frame.State == fsParked) continue;
            Draw(frame);
        }
}

void TLockerFrames::Clear() {
    frames_ = {};
    rotaterMs_ = 0;
}

bool TLockerFrames::Flying() const {
    for (const auto& column : frames_.Cells)
        for (const TFrame& frame : column)
            if (frame.State == fsFlyingIn || frame.State == fsFlyingOut) return true;
    return false;
}

// Now and then one resting frame, chosen at random, turns once.
void TLockerFrames::MaybeStartSpin() {
    if (!AdvanceTickTimer(rotaterMs_, RotaterInterval)) return;
    rotaterMs_ = 0;
    if (Random(RotaterOnePerXProb) != 0) return;
    std::vector<TFrame*> still;
    for (auto& column : frames_.Cells)
        for (TFrame& frame : column)
            if (frame.State != fsNone && frame.State != fsParked && frame.Angle == 0)
                still.push_back(&frame);
    if (still.empty()) return;
    still[Random(static_cast<int>(still.size()))]->Angle =
        static_cast<float>(360 - RotationAngleStep);
}

void TLockerFrames::StepFlight(TFrame& frame) {
    frame.X = MovedTowards(frame.X, frame.TargetX, frame.SpeedX);
    frame.Y = MovedTowards(frame.Y, frame.TargetY, frame.SpeedY);
    if (frame.X != frame.TargetX || frame.Y != frame.TargetY) return;
    frame.State = frame.State == fsFlyingIn ? fsInPlace : fsParked;
}

void TLockerFrames::Draw(TFrame& frame) const {
    const TPoint at = Rounded(frame.X, frame.Y);
    const bool moved = !(at == frame.History[0]);
    std::rotate(frame.History.rbegin(), frame.History.rbegin() + 1, frame.History.rend());
    frame.History[0] = at;
    // A moving frame leaves a glowing trail of where it was the last three ticks.
    if (moved)
        for (int ago = 1; ago <= 3; ++ago)
            DrawImageBlend(Pictures::BrownTile, frame.History[ago].X, frame.History[ago].Y, 0, 0, 0,
                           1, 1, 255, 255, 255, TrailAlphas[ago - 1], 0, BlendAdditiveAlpha);
    const int pattern = (frame.Layers == 2 ? 1 : 0) + (TileKind == tkUpgraded ? 2 : 0);
    const float scale = frame.Angle != 0 ? SpinScale : 1.0f;
    DrawImage(Pictures::BrownTile, at.X, at.Y, frame.Angle, Centered, Centered, scale, scale, 255,
              255, 255, 255, pattern);
    if (frame.Angle != 0) frame.Angle = std::max(0.0f, frame.Angle - RotationAngleStep);
}
