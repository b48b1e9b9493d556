#pragma once
// TBuildingCitizen: a small islander who walks to and fro between two points of the haven,
// resting a while at each end.
#include "engine/Geometry.h"

#include <functional>
#include <string>

class TBuildingCitizen {
public:
    std::string ImgName;
    bool Visible = true;
    float SizeRatio = 0.8f;
    float Speed = 1.0f;
    int MinIdleInterval = 0;
    int MaxIdleInterval = 1000;

    // The two ends of the walk; the citizen starts resting at the first.
    void SetWay(TPoint from, TPoint to);
    // One tick: rest, or walk on (only when `mayWalk`), and draw.
    void Tick(bool mayWalk);

    bool Walking() const { return walking_; }
    float X() const { return x_; }
    float Y() const { return y_; }

private:
    void StartWalk();
    void Draw() const;

    TPoint ends_[2]{};
    int target_ = 0;
    float x_ = 0;
    float y_ = 0;
    float stepX_ = 0;
    float stepY_ = 0;
    int idleMs_ = 0;
    int ticks_ = 0;
    bool walking_ = false;
};
