#include "effects/ResultsCelebration.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float Centered = 0.5f;
constexpr uint8_t Full = 255;

// The shine turns slowly, large and faint, behind the medal.
constexpr float ShineDegreesPerTick = 0.2f;
constexpr float ShineScale = 2.35f;
constexpr uint8_t ShineAlpha = 30;

// The medal's pop: a damped swing of its scale from small, past full size, back to it, and the
// same swing as a wobble of its angle. A swing lasts 16 frames; each loses three quarters.
constexpr float MedalSwing = 2 * std::numbers::pi_v<float> / 16;
constexpr float MedalDamping = 0.173f;
constexpr float MedalWobbleDegrees = 10.0f;

// The glint: a sparkle crossing the gold medal's face now and then once it has settled.
constexpr int GlintEveryTicks = 90;
constexpr int GlintTicks = 20;
constexpr TPoint GlintFrom{-40, -55};
constexpr TPoint GlintTo{30, 10};
constexpr float GlintScale = 3.0f;
constexpr float GlintTurnDegrees = 6.0f;
constexpr int SparklePicture = 0;

// The dust: golden sparkles rising, drifting a little and fading over their life. Tinted and
// blended plainly: added light would vanish on the window's cream paper.
constexpr uint32_t DustSeed = 20261208;
constexpr int DustRiseSpread = 2;
constexpr int DustDriftEvery = 4;
constexpr int DustMinLife = 24;
constexpr int DustLifeSpread = 16;
constexpr int DustPictures = 2;
constexpr uint8_t DustRed = 240;
constexpr uint8_t DustGreen = 170;
constexpr uint8_t DustBlue = 40;
constexpr float DustScale = 1.25f;

// The dove comes down from the upper left and leaves to the upper right, the way she faces,
// beating her wings as she flies; perched, she folds them and ruffles them now and then.
constexpr TPoint DoveArrivalFrom{-640, -260};
constexpr TPoint DoveLeavingTo{560, -320};
constexpr int DoveWingTicks = 3;
constexpr int DoveWingPictures = 3;
constexpr int DoveRestingPicture = 1;
constexpr int DoveRuffleEveryTicks = 120;
constexpr int DoveRuffleTicks = 2 * DoveWingPictures * DoveWingTicks;

TPoint Between(TPoint from, TPoint to, float share) {
    return {from.X + static_cast<int>(std::lround((to.X - from.X) * share)),
            from.Y + static_cast<int>(std::lround((to.Y - from.Y) * share))};
}

TPoint Plus(TPoint a, TPoint b) {
    return {a.X + b.X, a.Y + b.Y};
}

// The corner at which a picture's tile is drawn to have its middle at `centre`.
TPoint CornerFor(std::string_view picture, TPoint centre) {
    const TPoint size = ImageTileSize(picture);
    return {centre.X - size.X / 2, centre.Y - size.Y / 2};
}

} // namespace

void TResultsCelebration::Reset() {
    ticks_ = 0;
    medal_ = mdNone;
    medalTicks_ = 0;
    dust_ = {};
    dice_.seed(DustSeed);
    dove_ = TDoveFlight::Away;
    doveTicks_ = 0;
}

void TResultsCelebration::WindowShown(TMedalKind medal, TPoint window) {
    medal_ = medal;
    medalTicks_ = 0;
    if (dove_ != TDoveFlight::Away) return;
    perch_ = Plus(window, DovePerch);
    dove_ = TDoveFlight::FlyingIn;
    doveTicks_ = 0;
}

void TResultsCelebration::WindowHiding() {
    if (dove_ != TDoveFlight::FlyingIn && dove_ != TDoveFlight::Perched) return;
    // Caught on her way in, she turns back from where she is.
    perch_ = DovePosition();
    dove_ = TDoveFlight::FlyingOff;
    doveTicks_ = 0;
}

int TResultsCelebration::Dice(int range) {
    return range > 0 ? static_cast<int>(dice_() % static_cast<unsigned>(range)) : 0;
}

void TResultsCelebration::SprinkleDust(const TRect& line) {
    for (TMote& mote : dust_) {
        if (mote.Live) continue;
        mote.X = line.Left + Dice(line.Width());
        mote.Y = line.Top + Dice(line.Height());
        mote.Rise = 1 + Dice(DustRiseSpread);
        mote.Drift = Dice(3) - 1;
        mote.Age = 0;
        mote.Life = DustMinLife + Dice(DustLifeSpread);
        mote.Picture = Dice(DustPictures);
        mote.Live = true;
        return;
    }
}

void TResultsCelebration::Tick() {
    ++ticks_;
    if (MedalShowing()) ++medalTicks_;
    StepDust();
    StepDove();
}

void TResultsCelebration::StepDust() {
    for (TMote& mote : dust_) {
        if (!mote.Live) continue;
        mote.Y -= mote.Rise;
        if (mote.Age % DustDriftEvery == 0) mote.X += mote.Drift;
        if (++mote.Age >= mote.Life) mote.Live = false;
    }
}

void TResultsCelebration::StepDove() {
    if (dove_ == TDoveFlight::Away || dove_ == TDoveFlight::Gone) return;
    ++doveTicks_;
    if (doveTicks_ < DoveFlightTicks) return;
    if (dove_ == TDoveFlight::FlyingIn) {
        dove_ = TDoveFlight::Perched;
        doveTicks_ = 0;
    } else if (dove_ == TDoveFlight::FlyingOff) {
        dove_ = TDoveFlight::Gone;
    }
}

float TResultsCelebration::MedalScale() const {
    if (medalTicks_ >= MedalPopTicks) return 1.0f;
    const float t = static_cast<float>(medalTicks_);
    return 1.0f - (1.0f - MedalStartScale) * std::exp(-MedalDamping * t) * std::cos(MedalSwing * t);
}

float TResultsCelebration::MedalAngle() const {
    if (medalTicks_ >= MedalPopTicks) return 0.0f;
    const float t = static_cast<float>(medalTicks_);
    return MedalWobbleDegrees * std::exp(-MedalDamping * t) * std::sin(MedalSwing * t);
}

int TResultsCelebration::DustCount() const {
    int count = 0;
    for (const TMote& mote : dust_) count += mote.Live ? 1 : 0;
    return count;
}

TPoint TResultsCelebration::DovePosition() const {
    const float share = static_cast<float>(doveTicks_) / DoveFlightTicks;
    switch (dove_) {
    case TDoveFlight::FlyingIn: // slowing down as she lands
        return Between(Plus(perch_, DoveArrivalFrom), perch_,
                       1.0f - (1.0f - share) * (1.0f - share));
    case TDoveFlight::FlyingOff: // gathering speed as she leaves
        return Between(perch_, Plus(perch_, DoveLeavingTo), share * share);
    default:
        return perch_;
    }
}

void TResultsCelebration::DrawMedal(TPoint window) const {
    const TPoint centre = Plus(window, MedalCentre);
    const TPoint shine = CornerFor(Pictures::FeatureShine, centre);
    DrawImage(Pictures::FeatureShine, shine.X, shine.Y,
              std::fmod(ticks_ * ShineDegreesPerTick, 360.0f), Centered, Centered, ShineScale,
              ShineScale, Full, Full, Full, ShineAlpha, 0);
    if (!MedalShowing()) return;
    const TPoint medal = CornerFor(Pictures::ResultMedals, centre);
    const float scale = MedalScale();
    DrawImage(Pictures::ResultMedals, medal.X, medal.Y, MedalAngle(), Centered, Centered, scale,
              scale, Full, Full, Full, Full, medal_);
    if (medal_ == mdGold) DrawGlint(centre);
}

void TResultsCelebration::DrawGlint(TPoint centre) const {
    if (medalTicks_ < MedalPopTicks) return;
    const int phase = (medalTicks_ - MedalPopTicks) % GlintEveryTicks;
    if (phase >= GlintTicks) return;
    const float share = static_cast<float>(phase) / GlintTicks;
    const TPoint at = CornerFor(Pictures::LittleStars,
                                Between(Plus(centre, GlintFrom), Plus(centre, GlintTo), share));
    const float scale = GlintScale * std::sin(std::numbers::pi_v<float> * share);
    DrawImageBlend(Pictures::LittleStars, at.X, at.Y, phase * GlintTurnDegrees, Centered, Centered,
                   scale, scale, Full, Full, Full, Full, SparklePicture, BlendAdditiveAlpha);
}

void TResultsCelebration::DrawDust(TPoint window) const {
    for (const TMote& mote : dust_) {
        if (!mote.Live) continue;
        const TPoint at = CornerFor(Pictures::LittleStars, {window.X + mote.X, window.Y + mote.Y});
        const auto alpha = static_cast<uint8_t>(Full * (mote.Life - mote.Age) / mote.Life);
        DrawImage(Pictures::LittleStars, at.X, at.Y, 0, Centered, Centered, DustScale, DustScale,
                  DustRed, DustGreen, DustBlue, alpha, mote.Picture);
    }
}

void TResultsCelebration::DrawDove() const {
    if (dove_ == TDoveFlight::Away || dove_ == TDoveFlight::Gone) return;
    const bool flapping =
        dove_ != TDoveFlight::Perched || doveTicks_ % DoveRuffleEveryTicks < DoveRuffleTicks;
    const int wing =
        flapping ? (doveTicks_ / DoveWingTicks) % DoveWingPictures : DoveRestingPicture;
    const TPoint at = DovePosition();
    DrawImage(Pictures::TutorialDove, at.X, at.Y, 0, 0, 0, 1, 1, Full, Full, Full, Full, wing);
}
