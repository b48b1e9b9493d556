#pragma once
// TAerosol: a use sprays a growing cloud around the can wherever the press lands; every tick the
// sprayed square is reported, so the worms (and the other pests) inside it leave. It stays in
// the hand while uses and pests are left.
#include "effects/UseCountToolClass.h"

class TAerosol : public TUseCountTool {
public:
    int SprayOutAnimSeqPos = 6; // the cloud grows from this place of the spraying sequence
    int SprayRangeReduce = 15;  // pixels off each side of the cloud that do not reach
    int MaxSpraySize = 200;
    int SprayStartSize = 10;
    int SprayGrowth = 10; // pixels a tick
    // The tool panel: a press there puts the can back.
    TRect PutBackArea{0, 0, 130, 600};
    std::function<void(const TRect& sprayRect)> OnSpraySizeChange;
    std::function<void(bool& enemiesExist)> OnEnemiesExistQuestion;

    TAerosol();
    int SpraySize() const { return spraySize_; }
    // The square the spray reaches now (its centre point before it reaches anything).
    TRect SprayRect() const;

private:
    enum TSprayStage : uint8_t { ssStarting, ssSpraying, ssEnding };

    bool InPutBackArea(int x, int y) const override;
    void Apply(TPoint screen) override;
    void StepApplying() override;
    void DrawEffects() const override;
    void StepSpray();
    void FinishSpray();

    TSprayStage stage_ = ssStarting;
    int spraySize_ = 0;
};
