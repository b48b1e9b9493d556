// The island guardians and their aura, tick by tick with the fixed 30 ms tick.
#include "engine/GameGlobals.h"
#include "progression/BossClass.h"
#include "progression/MonsterAuraClass.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<TBoss>> Family() {
    std::vector<std::unique_ptr<TBoss>> family;
    family.push_back(std::make_unique<TOwlBoss>());
    family.push_back(std::make_unique<TSquirrelBoss>());
    family.push_back(std::make_unique<TBeeBoss>());
    family.push_back(std::make_unique<TBatBoss>());
    family.push_back(std::make_unique<TCatBoss>());
    return family;
}

// A point inside the hit box of a boss where it stands.
TPoint Inside(const TBoss& boss) {
    return {boss.Position().X + 100, boss.Position().Y + 60};
}

bool HitInside(TBoss& boss) {
    const TPoint at = Inside(boss);
    return boss.HitAt(at.X, at.Y, false);
}

void Ticks(TBoss& boss, int count) {
    for (int i = 0; i < count; ++i) boss.Tick();
}

// Ticks until the boss is in the state, at most `limit`; the ticks it took.
int TicksUntil(TBoss& boss, TBossState state, int limit = 2000) {
    for (int tick = 1; tick <= limit; ++tick) {
        boss.Tick();
        if (boss.State() == state) return tick;
    }
    return -1;
}

class BossTest : public ::testing::Test {
protected:
    void SetUp() override { SetRandomSeed(7); }
    void TearDown() override { ReleaseRandomSeed(); }
};

} // namespace

TEST_F(BossTest, EachGuardianPatrolsBetweenItsOwnLimits) {
    const int expected[5][2] = {{225, 855}, {225, 965}, {225, 910}, {225, 885}, {200, 880}};
    auto family = Family();
    for (size_t i = 0; i < family.size(); ++i) {
        TBoss& boss = *family[i];
        boss.SetAttemptsEnabled(false);
        ASSERT_EQ(boss.MaxLeftPos, expected[i][0]);
        ASSERT_EQ(boss.MaxRightPos, expected[i][1]);
        EXPECT_EQ(boss.X(), boss.MaxRightPos) << "it starts at the right end";
        EXPECT_EQ(boss.Direction(), bdLeft);
        double least = boss.X();
        double most = boss.X();
        // Two full rounds of the patrol.
        const int span = boss.MaxRightPos - boss.MaxLeftPos;
        for (int tick = 0; tick < 4 * span + 10; ++tick) {
            boss.Tick();
            least = std::min(least, boss.X());
            most = std::max(most, boss.X());
        }
        EXPECT_EQ(least, boss.MaxLeftPos) << i;
        EXPECT_EQ(most, boss.MaxRightPos) << i;
    }
}

TEST_F(BossTest, TheBossTurnsExactlyAtItsLimits) {
    TOwlBoss boss;
    boss.SetAttemptsEnabled(false);
    Ticks(boss, 855 - 225 - 1);
    EXPECT_EQ(boss.X(), 226);
    EXPECT_EQ(boss.Direction(), bdLeft);
    boss.Tick();
    EXPECT_EQ(boss.X(), 225);
    EXPECT_EQ(boss.Direction(), bdRight);
    boss.Tick();
    EXPECT_EQ(boss.X(), 226);
}

TEST_F(BossTest, AnAttemptPreparesAbsorbsAndFinishesOnTheThirtyMillisecondTick) {
    TOwlBoss boss;
    boss.SetAttemptsEnabled(true);
    const int target = boss.AttemptTarget();
    EXPECT_GE(target, 10000);
    EXPECT_LE(target, 14000);
    EXPECT_EQ(target % 1000, 0) << "a tenth of the reference time, 0 to 4 times";
    int starts = 0, finishes = 0;
    boss.OnStartAbsorbing = [&] { ++starts; };
    boss.OnFinishAbsorbing = [&] { ++finishes; };
    const int ticksToAttempt = (target + GameTickMs - 1) / GameTickMs;
    Ticks(boss, ticksToAttempt - 1);
    EXPECT_EQ(boss.State(), bsPatrolling);
    boss.Tick();
    EXPECT_EQ(boss.Phase(), bpPreparing);
    EXPECT_EQ(finishes, 1) << "the aura is put out as preparation begins";
    const double stoppedAt = boss.X();
    // 3000 ms of preparation is 100 ticks, the one it began on counted.
    Ticks(boss, 98);
    EXPECT_EQ(boss.Phase(), bpPreparing);
    boss.Tick();
    EXPECT_TRUE(boss.IsAbsorbing());
    EXPECT_EQ(starts, 1);
    // 7000 ms of absorbing: 234 ticks (7020 ms reach it).
    Ticks(boss, 233);
    EXPECT_TRUE(boss.IsAbsorbing());
    boss.Tick();
    EXPECT_EQ(boss.Phase(), bpFinishing);
    EXPECT_EQ(finishes, 2);
    // 3500 ms of finishing: 117 ticks.
    Ticks(boss, 116);
    EXPECT_EQ(boss.Phase(), bpFinishing);
    boss.Tick();
    EXPECT_EQ(boss.State(), bsPatrolling);
    EXPECT_EQ(boss.X(), stoppedAt) << "it stood still while it absorbed";
}

TEST_F(BossTest, HitsCountOnlyOutsideTheAbsorbingPhase) {
    TOwlBoss boss;
    boss.SetEnergy(10);
    boss.SetAttemptsEnabled(true);
    EXPECT_TRUE(HitInside(boss));
    EXPECT_EQ(boss.CurrentEnergy(), 9);
    EXPECT_EQ(boss.AttemptClock(), 0) << "a hit puts the next attempt off";
    ASSERT_GT(TicksUntil(boss, bsAbsorbing), 0);
    EXPECT_TRUE(HitInside(boss)) << "reported as hitting: the element is swallowed";
    EXPECT_EQ(boss.CurrentEnergy(), 9);
    EXPECT_TRUE(boss.HitAt(0, 0, true)) << "a forced hit is swallowed too";
    EXPECT_EQ(boss.CurrentEnergy(), 9);
    ASSERT_GT(TicksUntil(boss, bsPreparingOrFinishing), 0);
    EXPECT_TRUE(HitInside(boss)) << "while finishing, hits count again";
    EXPECT_EQ(boss.CurrentEnergy(), 8);
}

TEST_F(BossTest, TheHitBoxReachesAnElementsWidthLeftAndLiesBelowTheTop) {
    TOwlBoss boss;
    const TPoint at = boss.Position();
    EXPECT_TRUE(boss.HitAt(at.X + 15 - 53, at.Y + 25, false));
    EXPECT_FALSE(boss.HitAt(at.X + 15 - 54, at.Y + 25, false));
    EXPECT_TRUE(boss.HitAt(at.X + 242, at.Y + 300, false));
    EXPECT_FALSE(boss.HitAt(at.X + 243, at.Y + 100, false));
    EXPECT_FALSE(boss.HitAt(at.X + 100, at.Y + 24, false));
    EXPECT_EQ(boss.CurrentEnergy(), 58);
}

TEST_F(BossTest, ABossHitAtLeastEveryTenSecondsNeverAttempts) {
    TOwlBoss boss;
    boss.SetEnergy(1000);
    boss.SetAttemptsEnabled(true);
    for (int second = 0; second < 120; second += 9) {
        Ticks(boss, 9000 / GameTickMs);
        HitInside(boss);
    }
    EXPECT_EQ(boss.Phase(), bpNone);
}

TEST_F(BossTest, HitsDuringPreparationCancelTheAttemptPastTheLimit) {
    TOwlBoss boss;
    boss.HitsToCancelAbsorbAttempt = 2;
    boss.SetAttemptsEnabled(true);
    ASSERT_GT(TicksUntil(boss, bsPreparingOrFinishing), 0);
    HitInside(boss);
    HitInside(boss);
    EXPECT_EQ(boss.Phase(), bpPreparing);
    HitInside(boss);
    EXPECT_EQ(boss.Phase(), bpNone);
    EXPECT_EQ(boss.State(), bsPatrolling);
}

TEST_F(BossTest, TheBossDiesExactlyOnceAndLaterHitsMissIt) {
    TOwlBoss boss;
    int deaths = 0;
    boss.OnDead = [&] { ++deaths; };
    for (int hit = 1; hit < 60; ++hit) ASSERT_TRUE(boss.HitAt(0, 0, true));
    EXPECT_EQ(deaths, 0);
    EXPECT_TRUE(boss.HitAt(0, 0, true)) << "the sixtieth hit still hits";
    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(boss.IsDead());
    EXPECT_FALSE(HitInside(boss));
    EXPECT_FALSE(boss.HitAt(0, 0, true));
    boss.SprayContact({0, 0, 1366, 768});
    Ticks(boss, 100);
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(boss.CurrentEnergy(), 0);
}

TEST_F(BossTest, ADeadBossOnItsGroundStaysAndLeavesOnlyWhenAsked) {
    TOwlBoss boss;
    int grounded = 0;
    boss.OnDeadGrounded = [&] { ++grounded; };
    boss.SetEnergy(1);
    boss.HitAt(0, 0, true);
    Ticks(boss, 50);
    EXPECT_EQ(boss.Y(), 499);
    EXPECT_EQ(grounded, 0) << "with no sinking step it never passes its ground";
    boss.DisappearMoveStep = 50;
    boss.StartLeaving();
    Ticks(boss, 10);
    EXPECT_EQ(boss.Y(), boss.DisappearVertPos);

    TOwlBoss sinking;
    sinking.OnDeadGrounded = [&] { ++grounded; };
    sinking.TopPos = 400;
    sinking.DeadMoveStep = 7;
    sinking.Reset();
    sinking.SetEnergy(1);
    sinking.HitAt(0, 0, true);
    Ticks(sinking, 40);
    EXPECT_EQ(sinking.Y(), sinking.FrontDeadGroundPos);
    EXPECT_EQ(grounded, 1);
}

TEST_F(BossTest, FiveSprayContactsInsideTheBoxCostOneEnergyPoint) {
    TOwlBoss boss;
    const int x = boss.Position().X, y = boss.Position().Y;
    // Walking left: the spray's left edge within 0..182 of the boss, its rectangle within it.
    const TRect inside{x + 50, y + 10, x + 90, y + 100};
    for (int contact = 1; contact <= 4; ++contact) boss.SprayContact(inside);
    EXPECT_EQ(boss.CurrentEnergy(), 60);
    boss.SprayContact(inside);
    EXPECT_EQ(boss.CurrentEnergy(), 59);
    boss.SprayContact({x + 50, y - 1, x + 90, y + 100});    // above its top
    boss.SprayContact({x + 50, y + 10, x + 90, y + 135});   // below its reach
    boss.SprayContact({x + 183, y + 10, x + 200, y + 100}); // beyond the left walk's box
    for (int contact = 1; contact <= 4; ++contact) boss.SprayContact(inside);
    EXPECT_EQ(boss.CurrentEnergy(), 59) << "misses are no contacts";
    boss.SprayContact(inside);
    EXPECT_EQ(boss.CurrentEnergy(), 58);
}

TEST_F(BossTest, TheClocksOfALongRelaxedRoundStopAtTheirLimits) {
    TOwlBoss boss;
    boss.SetEnergy(INT_MAX);
    boss.RefTimeForAbsorbAttempt = INT_MAX;
    boss.SetAttemptsEnabled(true);
    EXPECT_EQ(boss.AttemptTarget(), INT_MAX) << "the random wait is cut, never wrapped";
    // An hour of game time with a hit now and then.
    for (int tick = 0; tick < 120000; ++tick) {
        boss.Tick();
        if (tick % 5000 == 0) boss.HitAt(0, 0, true);
        ASSERT_GE(boss.HitSoundClock(), 0);
        ASSERT_LE(boss.HitSoundClock(), boss.HitSoundDelayTime);
        ASSERT_GE(boss.AttemptClock(), 0);
    }
    EXPECT_EQ(boss.HitSoundClock(), boss.HitSoundDelayTime);
    EXPECT_EQ(boss.Phase(), bpNone);
}

TEST_F(BossTest, TheAuraPeaksFifteenTicksAfterItsStartOnceAndFadesOut) {
    TMonsterAura aura;
    int peaks = 0, delayed = 0;
    aura.OnAuraPeak = [&] { ++peaks; };
    aura.OnAuraPeakWithDelay = [&] { ++delayed; };
    aura.Start();
    for (int tick = 1; tick < 15; ++tick) aura.Tick();
    EXPECT_EQ(peaks, 0);
    EXPECT_EQ(aura.State(), asGrowing);
    aura.Tick();
    EXPECT_EQ(peaks, 1);
    EXPECT_EQ(aura.State(), asPeak);
    EXPECT_FLOAT_EQ(aura.BubbleSize(), 2.0f);
    EXPECT_EQ(aura.BubbleAlpha(), 190) << "10 + 15 x 12";
    // 2000 ms at the peak: 67 ticks.
    for (int tick = 1; tick < 67; ++tick) aura.Tick();
    EXPECT_EQ(delayed, 0);
    aura.Tick();
    EXPECT_EQ(delayed, 1);
    for (int tick = 0; tick < 100; ++tick) aura.Tick();
    EXPECT_EQ(peaks, 1);
    EXPECT_EQ(delayed, 1);
    aura.Stop();
    // From 190 down by 10 a tick to 10.
    for (int tick = 1; tick < 18; ++tick) aura.Tick();
    EXPECT_EQ(aura.State(), asFading);
    aura.Tick();
    EXPECT_EQ(aura.State(), asOff);
    EXPECT_EQ(aura.BubbleAlpha(), 10);
}

TEST_F(BossTest, AHiddenOrStoppedAuraTakesNoStep) {
    TMonsterAura aura;
    int peaks = 0;
    aura.OnAuraPeak = [&] { ++peaks; };
    aura.Visible = false;
    aura.Start();
    for (int tick = 0; tick < 30; ++tick) aura.Tick();
    EXPECT_EQ(peaks, 0);
    aura.Visible = true;
    aura.Reset();
    for (int tick = 0; tick < 30; ++tick) aura.Tick();
    EXPECT_EQ(peaks, 0);
    EXPECT_EQ(aura.State(), asOff);
}
