#include "progression/BuildingCitizenClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

// The idle pause comes in steps of this many milliseconds.
constexpr int IdleStepMs = 250;
// Ticks per step of the two walking frames.
constexpr int StepTicks = 8;
constexpr int Frames = 2;

} // namespace

void TBuildingCitizen::SetWay(TPoint from, TPoint to) {
    ends_[0] = from;
    ends_[1] = to;
    target_ = 0;
    x_ = static_cast<float>(from.X);
    y_ = static_cast<float>(from.Y);
    walking_ = false;
    idleMs_ = 0;
}

// Either end, with equal chance; at the chosen end already, the citizen rests again.
void TBuildingCitizen::StartWalk() {
    target_ = Random(2);
    const float dx = static_cast<float>(ends_[target_].X) - x_;
    const float dy = static_cast<float>(ends_[target_].Y) - y_;
    const float longer = std::max(std::fabs(dx), std::fabs(dy));
    const int steps =
        MaxIdleInterval > MinIdleInterval ? (MaxIdleInterval - MinIdleInterval) / IdleStepMs : 0;
    idleMs_ = MinIdleInterval + IdleStepMs * Random(steps + 1);
    if (longer < Speed || Speed <= 0) return;
    stepX_ = dx / longer * Speed;
    stepY_ = dy / longer * Speed;
    walking_ = true;
}

void TBuildingCitizen::Tick(bool mayWalk) {
    if (!Visible) return;
    if (mayWalk) {
        if (walking_) {
            ++ticks_;
            x_ += stepX_;
            y_ += stepY_;
            const TPoint end = ends_[target_];
            if (std::fabs(end.X - x_) <= Speed && std::fabs(end.Y - y_) <= Speed) {
                x_ = static_cast<float>(end.X);
                y_ = static_cast<float>(end.Y);
                walking_ = false;
            }
        } else if ((idleMs_ -= GameTickMs) <= 0) {
            StartWalk();
        }
    }
    Draw();
}

// Facing the way it walks, feet on its point.
void TBuildingCitizen::Draw() const {
    const TPoint size = ImageTileSize(ImgName);
    const int frame = walking_ ? (ticks_ / StepTicks) % Frames : 0;
    DrawImageColored(ImgName, static_cast<int>(std::lround(x_)) - size.X / 2,
                     static_cast<int>(std::lround(y_)) - size.Y, 0, 0.5f, 1.0f, SizeRatio,
                     SizeRatio, 0xFFFFFFFF, false, stepX_ < 0, frame);
}
