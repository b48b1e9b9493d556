#pragma once
// A value swinging between Min and Max by Inc going up and Dec going down, one step per tick;
// optional range bounds clamp what the owner reads, so the output can rest at a bound.

class TValueUpDown {
public:
    float Dec = 1.0f;
    float Min = 0.0f;
    float Inc = 1.0f;
    float Max = 100.0f;

    float Value() const { return value_; }
    int IntValue() const;
    float RangeMin() const { return rangeMin_; }
    float RangeMax() const { return rangeMax_; }
    // Assigning a bound enables it for good.
    void SetRangeMin(float value);
    void SetRangeMax(float value);

    // Stores the four values and starts at Min; the direction stays.
    void Init(float min, float max, float inc, float dec);
    void Step();
    // Back to Min, going up.
    void Restart();

private:
    void UpdateValue();

    float internal_ = 0;
    bool goingUp_ = false; // a new oscillator starts going down
    bool rangeMinEnabled_ = false;
    bool rangeMaxEnabled_ = false;
    float value_ = 0;
    float rangeMax_ = 0;
    float rangeMin_ = 0;
};
