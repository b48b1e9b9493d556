#include "effects/FallingElementsClass.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>

namespace {

constexpr int ScreenBottom = 768;
constexpr double StartFallSpeed = 15;
constexpr double SideSpeedDecay = 0.65;
constexpr double ImpulseDecay = 2;
constexpr int FadeStep = 65;
constexpr int BounceSoundStep = 10;

// The six bounce paths as drawn at 100 %: offsets from the landing point for steps 1, 2, ...
constexpr int LongestPath = 25;
constexpr int PathLengths[TFallingElements::BounceVariants] = {22, 21, 25, 22, 20, 21};
constexpr TPoint RawPaths[TFallingElements::BounceVariants][LongestPath] = {
    {{0, 0},    {0, -10},  {0, -24},  {0, -38}, {1, -60},  {5, -77},  {9, -66},  {11, -52},
     {11, -38}, {12, -23}, {12, -13}, {12, -2}, {12, -17}, {16, -35}, {21, -41}, {25, -31},
     {26, -15}, {26, -4},  {26, 11},  {27, 22}, {28, 35},  {29, 50}},
    {{0, 0},    {2, -16},   {5, -33},  {12, -48}, {22, -61}, {35, -63}, {44, -52},
     {50, -36}, {52, -23},  {55, -10}, {56, 2},   {60, -15}, {70, -29}, {83, -36},
     {93, -27}, {100, -16}, {104, -5}, {107, 10}, {108, 25}, {108, 41}, {108, 57}},
    {{0, 0},     {9, -13},   {18, -27},  {27, -37},  {41, -46},  {57, -49}, {72, -50},
     {88, -48},  {100, -39}, {111, -27}, {120, -16}, {126, -6},  {129, 2},  {140, -11},
     {153, -18}, {170, -24}, {184, -23}, {201, -22}, {213, -17}, {223, -9}, {232, 1},
     {241, 13},  {248, 26},  {255, 42},  {263, 58}},
    {{0, 0},     {0, -15},   {0, -27},   {0, -43},  {-2, -63},  {-5, -77},  {-10, -64}, {-11, -51},
     {-13, -38}, {-13, -26}, {-13, -14}, {-13, -2}, {-13, -11}, {-15, -25}, {-19, -42}, {-24, -30},
     {-27, -13}, {-27, 1},   {-29, 17},  {-29, 34}, {-30, 52},  {-30, 70}},
    {{0, 0},      {-1, -21}, {-8, -38},  {-14, -56}, {-26, -65}, {-40, -61}, {-50, -41},
     {-55, -23},  {-60, -7}, {-60, 2},   {-62, -13}, {-68, -24}, {-78, -31}, {-91, -26},
     {-101, -16}, {-106, 0}, {-111, 16}, {-115, 31}, {-120, 50}, {-124, 65}},
    {{0, 0},      {-6, -15},   {-18, -27},  {-33, -42}, {-50, -49},  {-73, -49},  {-95, -45},
     {-106, -34}, {-115, -25}, {-124, -10}, {-129, 2},  {-141, -10}, {-158, -20}, {-173, -25},
     {-190, -23}, {-205, -19}, {-217, -12}, {-227, -1}, {-236, 11},  {-243, 25},  {-251, 41}}};
// The paths are played 28 % larger than drawn.
constexpr double PathScale = 1.28;

struct TBouncePaths {
    TPoint Offsets[TFallingElements::BounceVariants][LongestPath];
};

const TBouncePaths& BouncePaths() {
    static const TBouncePaths paths = [] {
        TBouncePaths scaled{};
        for (int v = 0; v < TFallingElements::BounceVariants; ++v)
            for (int s = 0; s < PathLengths[v]; ++s)
                scaled.Offsets[v][s] = {RoundHalfEven(RawPaths[v][s].X * PathScale),
                                        RoundHalfEven(RawPaths[v][s].Y * PathScale)};
        return scaled;
    }();
    return paths;
}

// The offset of a bounce path at a step; false past the path's end.
bool BounceOffset(int variant, int step, TPoint& offset) {
    if (step < 1 || step > PathLengths[variant - 1]) return false;
    offset = BouncePaths().Offsets[variant - 1][step - 1];
    return true;
}

int RandomSign() {
    return Random(2) == 0 ? 1 : -1;
}

int SignedRandom(int base, int spread) {
    const int sign = RandomSign();
    return sign * (base + Random(spread));
}

// Moves value towards 0 by step without crossing it.
double Decayed(double value, double step) {
    return value > 0 ? std::max(0.0, value - step) : std::min(0.0, value + step);
}

int Turned(int angle, int step, bool clockwise) {
    if (clockwise) {
        angle += step;
        if (angle > 360) angle -= 360;
    } else {
        angle -= step;
        if (angle < 0) angle += 360;
    }
    return angle;
}

void PlayBounceSound() {
    static constexpr const char* Sounds[] = {"ElementBounce1", "ElementBounce2", "ElementBounce3"};
    PlaySound(Sounds[Random(3)]);
}

TPoint Rounded(double x, double y) {
    return {RoundHalfEven(x), RoundHalfEven(y)};
}

} // namespace

void TFallingElements::StartFalling(const TBoardData& newBoardData, const TSimpleObjectArray& mask,
                                    uint8_t mode) {
    ForEachMaskedCell(mask, [&](TPoint tile) {
        const TBoardTile& boardTile = newBoardData(tile);
        if (IsThrowableElement(boardTile)) StartElement(tile, boardTile.ElementCode, mode);
    });
}

void TFallingElements::StartElement(TPoint tile, uint8_t code, uint8_t mode) {
    // Light elements drift away; the others fall; potions and found flowers show nothing.
    uint8_t state;
    if (code == 1 || code == 2 || code == 10 || code == 12)
        state = fsDrifting;
    else if ((code >= 3 && code <= 11) || IsFlowerCode(code))
        state = fsFalling;
    else
        return;

    const int index = Elements.Take([this](int victim) { Elements[victim].State = fsFinished; });
    TFallingElement& element = Elements[index];
    element = TFallingElement{};
    element.Code = code;
    element.TilePos = tile;
    const TPoint pos = TileScreenPos(tile);
    element.X = pos.X;
    element.Y = pos.Y;
    element.FallSpeed = StartFallSpeed;
    if (mode == 0) {
        element.SideSpeed = SignedRandom(0, 10);
        element.Impulse = -(25 + Random(10));
    } else {
        element.SideSpeed = SignedRandom(13, 13);
        element.Impulse = SignedRandom(30, 30);
    }
    element.State = state;
    element.Variant = static_cast<uint8_t>(1 + Random(BounceVariants));
    element.Clockwise = element.Variant <= 3;
    element.DriftX = 3 + Random(5);
    element.DriftY = 5 + Random(4);
    element.DriftSpin = static_cast<uint8_t>(6 + Random(5));
}

void TFallingElements::Tick() {
    if (!Visible) return;
    for (int i = 0; i < Capacity; ++i) {
        TFallingElement& element = Elements[i];
        if (element.State == fsFinished) continue;
        TPoint drawPos;
        const TStepNotices notices = Step(element, drawPos);
        if (element.State != fsFinished) Draw(element, drawPos);
        Notify(notices, element.Code, element.TilePos.X);
    }
}

void TFallingElements::Clear() {
    for (int i = 0; i < Capacity; ++i) Elements[i] = TFallingElement{};
}

TFallingElements::TStepNotices TFallingElements::Step(TFallingElement& element, TPoint& drawPos) {
    TStepNotices notices;
    switch (element.State) {
    case fsFalling:
        Fall(element, notices);
        drawPos = Rounded(element.X, element.Y);
        break;
    case fsDrifting:
        Drift(element);
        drawPos = Rounded(element.X, element.Y);
        break;
    default:
        if (!Bounce(element, drawPos, notices)) return notices;
        break;
    }
    if (element.Fading) {
        element.Alpha -= FadeStep;
        if (element.Alpha <= 0) {
            element.Alpha = 0;
            element.State = fsFinished;
        }
    }
    return notices;
}

void TFallingElements::Fall(TFallingElement& element, TStepNotices& notices) {
    element.FallSpeed += IsReducedEffectsMode() ? 3 : 2;
    element.SideSpeed = Decayed(element.SideSpeed, SideSpeedDecay);
    element.Impulse = Decayed(element.Impulse, ImpulseDecay);
    element.X += element.SideSpeed;
    element.Y += element.FallSpeed + element.Impulse;
    element.Size += FallSizeAdd;
    if (OnMonsterHitCheck && !element.HitChecked) {
        bool hitting = false;
        bool absorbing = false;
        OnMonsterHitCheck(Rounded(element.X, element.Y), hitting, absorbing);
        if (hitting) element.HitChecked = true;
        if (hitting && absorbing) element.Fading = true;
    }
    if (element.Y >= GroundVertPos) {
        element.State = fsBouncing;
        PlayBounceSound();
        notices.GroundHit = true;
    }
}

void TFallingElements::Drift(TFallingElement& element) const {
    const double pace = IsReducedEffectsMode() ? 1.5 : 1.0;
    element.X += element.DriftX * pace;
    element.Y += element.DriftY * pace;
    element.Size += FloatSizeAdd;
    element.Angle = Turned(element.Angle, element.DriftSpin, element.Clockwise);
    if (element.Y >= ScreenBottom) element.State = fsFinished;
}

// One step along the bounce path; false once the path has ended (nothing more this tick).
bool TFallingElements::Bounce(TFallingElement& element, TPoint& drawPos,
                              TStepNotices& notices) const {
    element.BounceStep = std::min(element.BounceStep + (IsReducedEffectsMode() ? 2 : 1),
                                  static_cast<int>(MaxBounceSteps));
    TPoint offset;
    if (!BounceOffset(element.Variant, element.BounceStep, offset)) {
        element.State = fsFinished;
        return false;
    }
    const TPoint landing = Rounded(element.X, element.Y);
    drawPos = {landing.X + offset.X, landing.Y + offset.Y};
    element.Size += element.BounceSizeAdd;
    element.Angle = Turned(element.Angle, RollAngleStep, element.Clockwise);
    if (element.BounceStep == BounceSoundStep) PlayBounceSound();
    notices.Dust = true;
    notices.DustPos = drawPos;
    return true;
}

void TFallingElements::Draw(const TFallingElement& element, TPoint drawPos) const {
    DrawImage(Pictures::ElementsInside, drawPos.X + AdjustX, drawPos.Y + AdjustY,
              static_cast<float>(element.Angle), 0.5f, 0.5f, element.Size, element.Size, 255, 255,
              255, static_cast<uint8_t>(element.Alpha), element.Code - 1);
}

void TFallingElements::Notify(const TStepNotices& notices, uint8_t code, int horzTilePos) const {
    if (notices.GroundHit && OnGroundHit) OnGroundHit(code, horzTilePos);
    if (notices.Dust && OnDustEffectRequest)
        OnDustEffectRequest(notices.DustPos.X, notices.DustPos.Y);
}
