#pragma once
// TLockerFrames: the brown frames some cells carry. They fly in from the screen's centre when the
// board has been built, now and then spin, lose a layer when a match clears their cell (each lost
// layer is reported: a gold tile flies to the elements panel), and fly back at the level's end.
#include "board/GameData.h"

#include <array>
#include <functional>

using TLockerFrameEffectRequest = std::function<void(TPoint tilePos, uint8_t frameType)>;

class TLockerFrames {
public:
    static constexpr double FlyInSpeed = 23; // pixels per tick on the longer axis
    static constexpr double FlyOutSpeed = 30;

    bool Visible = true;
    int CenterPosX = 675;
    int CenterPosY = 395;
    int FrameAdjustX = 0;
    int FrameAdjustY = 0;
    TTileKind TileKind = tkStandard;
    int RotaterInterval = 2500; // ms between spin draws
    int RotaterOnePerXProb = 3;
    int RotationAngleStep = 12;
    // A frame lost a layer; frameType is the number of layers it had.
    TLockerFrameEffectRequest OnLockerFrameEffectRequest;

    // Each non-zero value of the mask is the cell's number of layers; every frame starts parked.
    void SetupFrames(const TSimpleObjectArray& layers);
    void FlyIn();
    void FlyOut();
    void RemoveLayers(const TSimpleObjectArray& mask);
    void Tick();
    void Clear();

    enum TFrameState : uint8_t { fsNone, fsFlyingIn, fsInPlace, fsFlyingOut, fsParked };
    TFrameState State(TPoint cell) const { return frames_(cell).State; }
    uint8_t Layers(TPoint cell) const { return frames_(cell).Layers; }
    float Angle(TPoint cell) const { return frames_(cell).Angle; }
    // Whether any frame is still on its way.
    bool Flying() const;

private:
    struct TFrame {
        TFrameState State = fsNone;
        uint8_t Layers = 0;
        double X = 0, Y = 0;
        double TargetX = 0, TargetY = 0;
        double SpeedX = 0, SpeedY = 0;
        std::array<TPoint, 4> History{}; // the latest first
        float Angle = 0;
    };

    void StartFlight(TFrame& frame, TFrameState state, double targetX, double targetY,
                     double speed);
    void MaybeStartSpin();
    void StepFlight(TFrame& frame);
    void Draw(TFrame& frame) const;

    TBoardGrid<TFrame> frames_;
    int rotaterMs_ = 0;
};
