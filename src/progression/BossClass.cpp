#include "progression/BossClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// The hit box: from 15 px right of the boss's x (less an element's width) to 242 px right of it,
// from 25 px below its y down.
constexpr int HitBoxLeft = 15;
constexpr int HitBoxRight = 242;
constexpr int HitBoxTop = 25;
// Where a spray reaches the boss: facing front, walking right, walking left.
constexpr int FrontSprayLeft = 57, FrontSprayRight = 208, FrontSprayBottom = 135;
constexpr int RightSprayLeft = 85, RightSprayRight = 259;
constexpr int LeftSprayLeft = 0, LeftSprayRight = 182;
constexpr int WalkSprayBottom = 134;
// The attempt wait: the reference time plus a tenth of it times 0..4.
constexpr int AttemptSpreadSteps = 5;
constexpr double AttemptSpreadUnit = 10.0;
// A beaten boss's pieces ease this share of their remaining way per tick.
constexpr double PieceEasing = 1.0 / 20;
constexpr std::array<TPoint, 6> PieceOffsets = {
    {{-110, -40}, {-70, -95}, {0, -120}, {70, -95}, {110, -40}, {40, 20}}};
// The pictures: 260 x 200, the body's centre at (135, 108), the pieces around it.
constexpr TPoint BodyCentreOffset{135, 108};
constexpr int PieceHalf = 32;
constexpr float TiltCentreX = 0.5f, TiltCentreY = 0.94f;
constexpr uint32_t PlainColour = 0xFFFFFFFF;
// The walk cycle of nine poses, the front pose breathing, the defeat played once.
constexpr char WalkSeq[] = "1222222333333444444555555666666777777888888999999";
constexpr char FrontSeq[] = "111122223333444433332222";
constexpr char DeathSeq[] = "11111111222222223333333333444444";
// The hit sound.
constexpr char HitSound[] = "SpiderHit";

int ClampedToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

TBossKind BossKindOfIsland(int island) {
    if (island < 1 || island > static_cast<int>(BossPatrols.size())) return bkOwl;
    return static_cast<TBossKind>(island - 1);
}

TBoss::TBoss(TBossKind kind)
    : MaxLeftPos(BossPatrols[kind].MaxLeftPos), MaxRightPos(BossPatrols[kind].MaxRightPos),
      kind_(kind) {
    walk_.SetSeq(WalkSeq);
    front_.SetSeq(FrontSeq);
    death_.SetSeq(DeathSeq);
    death_.Looped = false;
    hover_.Init(-3, 3, 0.25f, 0.25f);
    breathing_.Init(0.98f, 1.02f, 0.002f, 0.002f);
    shaking_.Init(-2, 2, 1, 1);
    Reset();
}

TPoint TBoss::BodyCentre() const {
    return {position_.X + BodyCentreOffset.X, position_.Y + BodyCentreOffset.Y};
}

void TBoss::SetEnergy(int energy) {
    energy_ = std::max(1, energy);
    currentEnergy_ = energy_;
}

void TBoss::Reset() {
    state_ = bsPatrolling;
    phase_ = bpNone;
    direction_ = bdLeft;
    currentEnergy_ = energy_;
    tilt_ = 0;
    jolt_ = 0;
    phaseClock_ = 0;
    attemptClock_ = 0;
    // No wait of 0 before the first attempt: the random one is drawn when attempts are switched
    // on.
    attemptTarget_ = std::max(0, RefTimeForAbsorbAttempt);
    hitSoundClock_ = 0;
    preparationHits_ = 0;
    sprayContacts_ = 0;
    x_ = MaxRightPos;
    y_ = TopPos;
    position_ = {RoundHalfEven(x_), RoundHalfEven(y_)};
    attemptsEnabled_ = true;
    grounded_ = false;
    leaving_ = false;
    death_.Reset();
    pieces_ = {};
}

void TBoss::SetAttemptsEnabled(bool enabled) {
    attemptsEnabled_ = enabled;
    if (enabled) DrawNewAttemptTarget();
}

void TBoss::DrawNewAttemptTarget() {
    const int64_t spread =
        RoundHalfEven(RefTimeForAbsorbAttempt * static_cast<double>(Random(AttemptSpreadSteps)) /
                      AttemptSpreadUnit);
    attemptTarget_ = ClampedToInt(int64_t{RefTimeForAbsorbAttempt} + spread);
}

void TBoss::Tick() {
    if (!Visible) return;
    CountAttemptClock();
    // Both clocks stop at their limits, so a relaxed round of any length never wraps them.
    AdvanceTickTimer(hitSoundClock_, std::max(0, HitSoundDelayTime));
    switch (state_) {
    case bsPatrolling:
        StepOscillators();
        Patrol();
        RecoverFromHits();
        walk_.Advance();
        break;
    case bsPreparingOrFinishing:
    case bsAbsorbing:
        StepPhase();
        StepOscillators();
        RecoverFromHits();
        front_.Advance();
        break;
    case bsDead:
        StepDead();
        break;
    }
    position_ = {RoundHalfEven(x_), RoundHalfEven(y_)};
}

void TBoss::CountAttemptClock() {
    if (!attemptsEnabled_ || state_ != bsPatrolling) return;
    if (!AdvanceTickTimer(attemptClock_, attemptTarget_)) return;
    attemptClock_ = 0;
    DrawNewAttemptTarget();
    if (phase_ == bpNone || phase_ == bpFinishing) BeginAttempt();
}

void TBoss::BeginAttempt() {
    phase_ = bpPreparing;
    phaseClock_ = 0;
    preparationHits_ = 0;
    state_ = bsPreparingOrFinishing;
    if (OnFinishAbsorbing) OnFinishAbsorbing();
}

void TBoss::Patrol() {
    if (direction_ == bdLeft) {
        x_ -= 1;
        if (x_ <= MaxLeftPos) {
            x_ = MaxLeftPos;
            direction_ = bdRight;
        }
    } else {
        x_ += 1;
        if (x_ >= MaxRightPos) {
            x_ = MaxRightPos;
            direction_ = bdLeft;
        }
    }
}

// Preparing, absorbing, finishing, each for its time; then the patrol goes on.
void TBoss::StepPhase() {
    switch (phase_) {
    case bpPreparing:
        if (!AdvanceTickTimer(phaseClock_, PreparingTime)) return;
        phase_ = bpAbsorbing;
        state_ = bsAbsorbing;
        phaseClock_ = 0;
        if (OnStartAbsorbing) OnStartAbsorbing();
        return;
    case bpAbsorbing:
        if (!AdvanceTickTimer(phaseClock_, AbsorbingTime)) return;
        phase_ = bpFinishing;
        state_ = bsPreparingOrFinishing;
        phaseClock_ = 0;
        if (OnFinishAbsorbing) OnFinishAbsorbing();
        return;
    case bpFinishing:
        if (!AdvanceTickTimer(phaseClock_, FinishingTime)) return;
        EndAttempt();
        return;
    case bpNone:
        return;
    }
}

// Back to the patrol, turning when the attempt came close to an end of it.
void TBoss::EndAttempt() {
    phase_ = bpNone;
    state_ = bsPatrolling;
    phaseClock_ = 0;
    if (direction_ == bdLeft && x_ < MaxLeftPos + NewDirTolerance)
        direction_ = bdRight;
    else if (direction_ == bdRight && x_ > MaxRightPos - NewDirTolerance)
        direction_ = bdLeft;
}

void TBoss::StepDead() {
    if (!leaving_) {
        y_ += DeadMoveStep;
        if (y_ > FrontDeadGroundPos) {
            y_ = FrontDeadGroundPos;
            if (!grounded_) {
                grounded_ = true;
                if (OnDeadGrounded) OnDeadGrounded();
            }
        }
    } else {
        y_ = std::min<double>(y_ + DisappearMoveStep, DisappearVertPos);
    }
    for (size_t i = 0; i < pieces_.size(); ++i) {
        pieces_[i].X += (PieceOffsets[i].X - pieces_[i].X) * PieceEasing;
        pieces_[i].Y += (PieceOffsets[i].Y - pieces_[i].Y) * PieceEasing;
    }
    death_.Advance();
}

void TBoss::RecoverFromHits() {
    tilt_ = std::max(0.0f, tilt_ - HitAngleRecoverStep);
    jolt_ = 0;
}

void TBoss::StepOscillators() {
    hover_.Step();
    breathing_.Step();
    shaking_.Step();
}

bool TBoss::InHitBox(int x, int y) const {
    return x >= position_.X + HitBoxLeft - FruitAvgSize && x <= position_.X + HitBoxRight &&
           y >= position_.Y + HitBoxTop;
}

bool TBoss::HitAt(int x, int y, bool forced) {
    if (!Visible || currentEnergy_ <= 0) return false;
    const bool alive = state_ != bsDead;
    const bool hits = forced || (alive && InHitBox(x, y));
    if (!hits) return false;
    // While it absorbs the boss swallows what reaches it.
    if (state_ < bsAbsorbing) TakeHit();
    return alive;
}

void TBoss::TakeHit() {
    attemptClock_ = 0;
    if (hitSoundClock_ >= HitSoundDelayTime) {
        hitSoundClock_ = 0;
        PlaySound(HitSound);
    }
    if (phase_ == bpPreparing) {
        ++preparationHits_;
        if (preparationHits_ > HitsToCancelAbsorbAttempt) EndAttempt();
    }
    --currentEnergy_;
    if (currentEnergy_ <= 0) {
        currentEnergy_ = 0;
        Die();
    }
    tilt_ = std::min(MaxHitAngle, tilt_ + OneHitAngle);
    jolt_ = std::min(MaxHitDownAdj, jolt_ + OneHitDownAdj);
}

void TBoss::Die() {
    state_ = bsDead;
    phase_ = bpNone;
    pieces_ = {};
    death_.Reset();
    if (OnDead) OnDead();
}

bool TBoss::SprayTouches(const TRect& spray) const {
    if (spray.Top < position_.Y) return false;
    const auto leftWithin = [&](int from, int to) {
        return spray.Left >= x_ + from && spray.Left <= x_ + to;
    };
    if (state_ == bsPreparingOrFinishing)
        return leftWithin(FrontSprayLeft, FrontSprayRight) && spray.Bottom <= y_ + FrontSprayBottom;
    if (state_ != bsPatrolling || spray.Bottom > y_ + WalkSprayBottom) return false;
    return direction_ == bdRight ? leftWithin(RightSprayLeft, RightSprayRight)
                                 : leftWithin(LeftSprayLeft, LeftSprayRight);
}

void TBoss::SprayContact(const TRect& sprayRect) {
    if (!Visible || !SprayTouches(sprayRect)) return;
    ++sprayContacts_;
    if (sprayContacts_ < std::max(1, AerosolCanHitInterval)) return;
    sprayContacts_ = 0;
    HitAt(position_.X, position_.Y, true);
}

void TBoss::StartLeaving() {
    if (Visible && IsDead()) leaving_ = true;
}

void TBoss::RestartDefeatAnimation() {
    if (!IsDead()) return;
    death_.Reset();
    pieces_ = {};
}

// ---- Looks ----

void TBoss::Draw() const {
    if (!Visible) return;
    if (IsDead())
        DrawDead();
    else
        DrawAlive();
}

void TBoss::DrawAlive() const {
    const int island = kind_ + 1;
    const float angle = direction_ == bdRight ? tilt_ : -tilt_;
    if (state_ == bsPatrolling) {
        TAnimData walk = walk_;
        const int x = position_.X + (direction_ == bdRight ? RightDirViewAdjX : 0);
        const int y = position_.Y + jolt_ + hover_.IntValue();
        // The pictures walk left; walking right is their mirror.
        DrawImageColored(Pictures::BossPicture(island, "Walk"), x, y, angle, TiltCentreX,
                         TiltCentreY, 1, 1, PlainColour, false, direction_ == bdRight,
                         walk.CurrentFrame());
        return;
    }
    TAnimData front = front_;
    const int shake = state_ == bsAbsorbing ? shaking_.IntValue() : 0;
    const float breath = breathing_.Value();
    DrawImageColored(Pictures::BossPicture(island, "Front"), position_.X + FrontViewAdjX + shake,
                     position_.Y + FrontViewAdjY + jolt_, angle, TiltCentreX, TiltCentreY,
                     2 - breath, breath, PlainColour, false, false, front.CurrentFrame());
}

void TBoss::DrawDead() const {
    const int island = kind_ + 1;
    TAnimData death = death_;
    DrawImage(Pictures::BossPicture(island, "Death"), position_.X, position_.Y, 0, 0, 0, 1, 1, 255,
              255, 255, 255, death.CurrentFrame());
    const std::string pieces = Pictures::BossPicture(island, "Pieces");
    for (size_t i = 0; i < pieces_.size(); ++i)
        DrawImage(pieces,
                  position_.X + BodyCentreOffset.X - PieceHalf + RoundHalfEven(pieces_[i].X),
                  position_.Y + BodyCentreOffset.Y - PieceHalf + RoundHalfEven(pieces_[i].Y), 0, 0,
                  0, 1, 1, 255, 255, 255, 255, static_cast<int>(i));
}
