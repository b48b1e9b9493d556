#pragma once
// The island guardians: TOwlBoss, TSquirrelBoss, TBeeBoss, TBatBoss and TCatBoss share one
// design (TBoss) and differ only in how far they patrol. A boss walks to and fro below the board;
// thrown elements and hammer strikes that reach it take an energy point each, the aerosol wears
// it down, and every 10 to 14 seconds it stops, faces the player and drains the round's time.
// While it drains, what touches it is swallowed and costs it nothing. It dies once, at 0 energy.
#include "engine/AnimDataClass.h"
#include "engine/Geometry.h"
#include "engine/ValueUpDownClass.h"

#include <array>
#include <cstdint>
#include <functional>

enum TBossKind : uint8_t { bkOwl, bkSquirrel, bkBee, bkBat, bkCat };

// The one difference between the guardians: the x range of their patrol.
struct TBossPatrol {
    int MaxLeftPos;
    int MaxRightPos;
};
inline constexpr std::array<TBossPatrol, 5> BossPatrols = {{
    {225, 855}, // owl, island 1
    {225, 965}, // squirrel, island 2
    {225, 910}, // bee, island 3
    {225, 885}, // bat, island 4
    {200, 880}, // cat, island 5
}};

// The guardian of island 1..5 (anything else: the owl's).
TBossKind BossKindOfIsland(int island);

enum TBossState : uint8_t { bsPatrolling, bsPreparingOrFinishing, bsAbsorbing, bsDead };
enum TBossPhase : uint8_t { bpNone, bpPreparing, bpAbsorbing, bpFinishing };
enum TBossDirection : uint8_t { bdLeft, bdRight };

class TBoss {
public:
    explicit TBoss(TBossKind kind);
    virtual ~TBoss() = default;

    bool Visible = true;   // gates Tick, hits and drawing
    int FruitAvgSize = 53; // widens the hit box to the left
    int NewDirTolerance = 140;
    int RefTimeForAbsorbAttempt = 10000; // ms; the wait is this plus 0 to 40 %
    int HitsToCancelAbsorbAttempt = 99999;
    int OneAbsorbedTime = 60; // seconds one absorb drains from the tube
    int PreparingTime = 3000;
    int AbsorbingTime = 7000;
    int FinishingTime = 3500;
    int HitSoundDelayTime = 1000;
    int AerosolCanHitInterval = 5; // spray contacts per hit
    int TopPos = 499;
    int MaxLeftPos;
    int MaxRightPos;
    float HitAngleRecoverStep = 1.2f;
    float MaxHitAngle = 26;
    float OneHitAngle = 8;
    int MaxHitDownAdj = 20;
    int OneHitDownAdj = 5;
    int FrontViewAdjX = -4;
    int FrontViewAdjY = 0;
    int RightDirViewAdjX = 0;
    int FrontDeadGroundPos = 499;
    float DeadMoveStep = 0;
    float DisappearMoveStep = 0;
    int DisappearVertPos = 700;
    std::function<void()> OnDead;
    std::function<void()> OnDeadGrounded;
    std::function<void()> OnStartAbsorbing;
    // When an attempt starts preparing and when the absorbing ends: the aura goes out.
    std::function<void()> OnFinishAbsorbing;

    TBossKind Kind() const { return kind_; }
    int Energy() const { return energy_; }
    // Sets the hit points and fills the boss up to them (at least 1).
    void SetEnergy(int energy);
    int CurrentEnergy() const { return currentEnergy_; }

    void Reset();
    void Tick();
    // A thrown element or a strike at pixel (x, y); `forced` hits wherever the point is. True when
    // it reaches a living boss; while the boss absorbs that costs no energy and the element is
    // swallowed.
    bool HitAt(int x, int y, bool forced);
    // The aerosol's spray rectangle; every AerosolCanHitInterval-th contact is a hit.
    void SprayContact(const TRect& sprayRect);
    bool IsAbsorbing() const { return state_ == bsAbsorbing; }
    bool IsDead() const { return state_ == bsDead; }
    void StartLeaving();
    // On: a new random wait before the next attempt. Off: no attempt starts.
    void SetAttemptsEnabled(bool enabled);
    // The defeat plays again from its start (the results window shows it).
    void RestartDefeatAnimation();
    void Draw() const;

    TBossState State() const { return state_; }
    TBossPhase Phase() const { return phase_; }
    TBossDirection Direction() const { return direction_; }
    double X() const { return x_; }
    double Y() const { return y_; }
    TPoint Position() const { return position_; }
    // The middle of its body on the screen: where what it drains flies to.
    TPoint BodyCentre() const;
    float Tilt() const { return tilt_; }
    int Jolt() const { return jolt_; }
    int AttemptClock() const { return attemptClock_; }
    int AttemptTarget() const { return attemptTarget_; }
    int HitSoundClock() const { return hitSoundClock_; }
    bool AttemptsEnabled() const { return attemptsEnabled_; }

private:
    struct TDeathPiece {
        double X = 0, Y = 0; // offset from the boss
    };

    void DrawNewAttemptTarget();
    void CountAttemptClock();
    void BeginAttempt();
    void Patrol();
    void StepPhase();
    void EndAttempt();
    void StepDead();
    void RecoverFromHits();
    void StepOscillators();
    void Die();
    void TakeHit();
    bool InHitBox(int x, int y) const;
    bool SprayTouches(const TRect& sprayRect) const;
    void DrawAlive() const;
    void DrawDead() const;

    TBossKind kind_;
    int energy_ = 60;
    int currentEnergy_ = 60;
    TBossState state_ = bsPatrolling;
    TBossPhase phase_ = bpNone;
    TBossDirection direction_ = bdLeft;
    double x_ = 0;
    double y_ = 0;
    TPoint position_;
    float tilt_ = 0;
    int jolt_ = 0;
    int phaseClock_ = 0;
    int attemptClock_ = 0;
    int attemptTarget_ = 0;
    int hitSoundClock_ = 0;
    int preparationHits_ = 0;
    int sprayContacts_ = 0;
    bool attemptsEnabled_ = true;
    bool grounded_ = false;
    bool leaving_ = false;
    TAnimData walk_;
    TAnimData front_;
    TAnimData death_;
    TValueUpDown hover_;
    TValueUpDown breathing_;
    TValueUpDown shaking_;
    std::array<TDeathPiece, 6> pieces_{};
};

class TOwlBoss : public TBoss {
public:
    TOwlBoss() : TBoss(bkOwl) {}
};
class TSquirrelBoss : public TBoss {
public:
    TSquirrelBoss() : TBoss(bkSquirrel) {}
};
class TBeeBoss : public TBoss {
public:
    TBeeBoss() : TBoss(bkBee) {}
};
class TBatBoss : public TBoss {
public:
    TBatBoss() : TBoss(bkBat) {}
};
class TCatBoss : public TBoss {
public:
    TCatBoss() : TBoss(bkCat) {}
};
