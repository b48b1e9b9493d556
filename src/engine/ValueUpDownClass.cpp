#include "engine/ValueUpDownClass.h"

#include "engine/GameGlobals.h"

int TValueUpDown::IntValue() const {
    return RoundHalfEven(value_);
}

void TValueUpDown::SetRangeMin(float value) {
    rangeMin_ = value;
    rangeMinEnabled_ = true;
}

void TValueUpDown::SetRangeMax(float value) {
    rangeMax_ = value;
    rangeMaxEnabled_ = true;
}

void TValueUpDown::Init(float min, float max, float inc, float dec) {
    Min = min;
    Max = max;
    Inc = inc;
    Dec = dec;
    internal_ = Min;
    UpdateValue();
}

void TValueUpDown::Step() {
    if (goingUp_) {
        internal_ += Inc;
        if (internal_ >= Max) {
            internal_ = Max;
            goingUp_ = false;
        }
    } else {
        internal_ -= Dec;
        if (internal_ <= Min) {
            internal_ = Min;
            goingUp_ = true;
        }
    }
    UpdateValue();
}

void TValueUpDown::Restart() {
    internal_ = Min;
    UpdateValue();
    goingUp_ = true;
}

void TValueUpDown::UpdateValue() {
    value_ = internal_;
    if (rangeMinEnabled_ && value_ < rangeMin_) value_ = rangeMin_;
    if (rangeMaxEnabled_ && value_ > rangeMax_) value_ = rangeMax_;
}
