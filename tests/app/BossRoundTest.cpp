// A boss level through the real game: the island's guardian below a board at the top, the
// level's values in it, the tube drained at the aura's peak, elements swallowed while it absorbs,
// its defeat winning the round once, and where the player goes on from there.
#include "FormTestKit.h"

#include <filesystem>

namespace {

constexpr int BossEnergy = 12;
constexpr int AbsorbedSeconds = 20;

TLevelRecord BossLevel() {
    TLevelRecord level = FieldLevel({});
    level[lfObjective] = goBossMode;
    level[lfBossEnergy] = BossEnergy;
    level[lfBossRefTimeForAbsorbAttempt] = 4000;
    level[lfBossHitsToCancelAbsorbAttempt] = 7;
    level[lfBossOneAbsorbedTime] = AbsorbedSeconds;
    level[lfBossPreparingTime] = 1500;
    level[lfBossAbsorbingTime] = 3000;
    level[lfBossFinishingTime] = 1200;
    return level;
}

// The round on the boss level, its frames running.
struct TBossRig : TFormRig {
    TBossRig(const char* name, uint64_t seed) : TFormRig(BossLevel(), name, seed) {
        Form->FormShow();
    }
};

// Ticks until `due` holds, at most `limit`; whether it did.
template <typename Due> bool TickUntil(TFormRig& rig, Due due, int limit = 3000) {
    for (int tick = 0; tick < limit && !due(); ++tick) rig.Tick();
    return due();
}

// Ticks until the round is played and its guardian may drain.
bool ReachPlay(TFormRig& rig) {
    return TickUntil(rig, [&] {
        return rig.Form->MainGame().OwlBoss.AttemptsEnabled() &&
               rig.Form->MainGame().TubeTimer.Phase() == tpRunning;
    });
}

} // namespace

TEST(BossRound, TheIslandsGuardianWalksBelowATopBoardWithTheLevelsValues) {
    TBossRig rig("boss-start", 5);
    TMainGameScene& round = rig.Form->MainGame();
    EXPECT_TRUE(round.BossLevel());
    EXPECT_EQ(round.GameBoard.Top, 95);
    EXPECT_FALSE(round.ElementGather.Visible);
    TBoss& owl = round.OwlBoss;
    EXPECT_EQ(&round.CurrentBoss(), &owl);
    EXPECT_TRUE(owl.Visible);
    for (TBoss* other : round.Bosses()) {
        if (other != &owl) {
            EXPECT_FALSE(other->Visible);
        }
    }
    EXPECT_EQ(owl.Energy(), BossEnergy);
    EXPECT_EQ(owl.CurrentEnergy(), BossEnergy);
    EXPECT_EQ(owl.RefTimeForAbsorbAttempt, 4000);
    EXPECT_EQ(owl.HitsToCancelAbsorbAttempt, 7);
    EXPECT_EQ(owl.OneAbsorbedTime, AbsorbedSeconds);
    EXPECT_EQ(owl.PreparingTime, 1500);
    EXPECT_EQ(owl.AbsorbingTime, 3000);
    EXPECT_EQ(owl.FinishingTime, 1200);
    EXPECT_FALSE(owl.AttemptsEnabled()) << "nothing is drained before the round is played";
    rig.Ticks(5);
    EXPECT_LT(owl.X(), owl.MaxRightPos) << "it walks from the start";
    ASSERT_TRUE(ReachPlay(rig));
    EXPECT_GE(owl.AttemptTarget(), 4000);
    EXPECT_LE(owl.AttemptTarget(), 5600);
}

TEST(BossRound, AtTheAurasPeakTheBossDrainsTheTubeOnceAnAttempt) {
    TBossRig rig("boss-drain", 6);
    TMainGameScene& round = rig.Form->MainGame();
    ASSERT_TRUE(ReachPlay(rig));
    ASSERT_TRUE(TickUntil(rig, [&] { return round.OwlBoss.IsAbsorbing(); }));
    EXPECT_EQ(round.MonsterAura.State(), asGrowing);
    EXPECT_EQ(round.MonsterAura.Left, round.OwlBoss.Position().X + 46);
    EXPECT_EQ(round.MonsterAura.Top, round.OwlBoss.Position().Y + 55);
    const int before = round.TubeTimer.ElapsedMs();
    ASSERT_TRUE(TickUntil(rig, [&] { return round.MonsterAura.State() == asPeak; }));
    EXPECT_TRUE(round.AbsorbedEnergy.Running()) << "the drained time flies to the boss";
    // The drain runs 1500 ms a tick until the absorbed seconds are taken, plus the ticks' own
    // time.
    rig.Ticks(30);
    const int drained = round.TubeTimer.ElapsedMs() - before;
    EXPECT_GE(drained, AbsorbedSeconds * 1000);
    EXPECT_LE(drained, AbsorbedSeconds * 1000 + 60 * GameTickMs);
    ASSERT_TRUE(TickUntil(rig, [&] { return round.OwlBoss.Phase() == bpFinishing; }));
    EXPECT_EQ(round.MonsterAura.State(), asFading);
    const int afterAttempt = round.TubeTimer.ElapsedMs();
    rig.Ticks(10);
    EXPECT_EQ(round.TubeTimer.ElapsedMs(), afterAttempt + 10 * GameTickMs);
}

TEST(BossRound, InRelaxedModeTheAuraTakesNoTime) {
    TBossRig rig("boss-relaxed", 6);
    TMainGameScene& round = rig.Form->MainGame();
    round.TubeTimer.RelaxedMode = rmYes;
    ASSERT_TRUE(ReachPlay(rig));
    ASSERT_TRUE(TickUntil(rig, [&] { return round.MonsterAura.State() == asPeak; }));
    const int atPeak = round.TubeTimer.ElapsedMs();
    EXPECT_FALSE(round.AbsorbedEnergy.Running());
    rig.Ticks(20);
    EXPECT_EQ(round.TubeTimer.ElapsedMs(), atPeak + 20 * GameTickMs);
}

TEST(BossRound, WhatReachesTheBossWhileItAbsorbsIsSwallowedAndCostsItNothing) {
    TBossRig rig("boss-swallow", 7);
    TMainGameScene& round = rig.Form->MainGame();
    ASSERT_TRUE(ReachPlay(rig));
    TBoss& owl = round.OwlBoss;
    const auto inside = [&] { return TPoint{owl.Position().X + 100, owl.Position().Y + 80}; };
    bool hitting = false, absorbing = false;
    round.FallingElements.OnMonsterHitCheck(inside(), hitting, absorbing);
    EXPECT_TRUE(hitting);
    EXPECT_FALSE(absorbing);
    EXPECT_EQ(owl.CurrentEnergy(), BossEnergy - 1);
    EXPECT_GT(round.Stars.ActiveCount(), 0) << "stars where it struck";
    hitting = true;
    round.FallingElements.OnMonsterHitCheck({0, 0}, hitting, absorbing);
    EXPECT_FALSE(hitting) << "a miss";
    ASSERT_TRUE(TickUntil(rig, [&] { return owl.IsAbsorbing(); }));
    round.FallingElements.OnMonsterHitCheck(inside(), hitting, absorbing);
    EXPECT_TRUE(hitting);
    EXPECT_TRUE(absorbing);
    EXPECT_EQ(owl.CurrentEnergy(), BossEnergy - 1);
    EXPECT_TRUE(round.StrikeBossAt(inside())) << "a hammer blow is swallowed too";
    EXPECT_EQ(owl.CurrentEnergy(), BossEnergy - 1);
}

TEST(BossRound, TheBossDiesOnceAndWinsTheRoundOnceWithItsOwnComment) {
    TBossRig rig("boss-won", 8);
    TMainGameScene& round = rig.Form->MainGame();
    ASSERT_TRUE(ReachPlay(rig));
    TBoss& owl = round.OwlBoss;
    const TPoint inside{owl.Position().X + 100, owl.Position().Y + 80};
    for (int hit = 1; hit < BossEnergy; ++hit) ASSERT_TRUE(round.StrikeBossAt(inside));
    EXPECT_FALSE(round.RoundOver);
    EXPECT_TRUE(round.BossToSpray());
    ASSERT_TRUE(round.StrikeBossAt(inside));
    EXPECT_TRUE(owl.IsDead());
    EXPECT_FALSE(round.BossToSpray());
    EXPECT_TRUE(round.RoundOver);
    EXPECT_EQ(rig.Form->Scene(), gsRoundClear);
    EXPECT_EQ(round.BoardComment1.CommentType(), coBossVictory);
    const TRoundStats stats = round.Stats;
    const int score = round.Score;
    EXPECT_FALSE(round.StrikeBossAt(inside)) << "nothing hits a beaten boss";
    round.DeveloperWin();
    owl.OnDead();
    EXPECT_EQ(round.Stats.PlayingTime, stats.PlayingTime);
    EXPECT_EQ(round.Score, score);
    // The won comment waves, the board is thrown away and the boss sinks off the screen.
    ASSERT_TRUE(TickUntil(rig, [&] { return rig.Form->Scene() == gsStageResult; }));
    EXPECT_GT(owl.Y(), owl.TopPos);
    rig.Ticks(30);
    EXPECT_EQ(owl.Y(), owl.DisappearVertPos);
}

TEST(BossRound, ABeatenGuardianSendsThePlayerToTheNextIslandOnlyOnceItIsOpen) {
    for (const bool open : {false, true}) {
        SCOPED_TRACE(open);
        TBossRig rig("boss-progress", 9);
        TMainGameScene& round = rig.Form->MainGame();
        if (open) rig.Form->Progress().MapIslands.Unlock(2);
        ASSERT_TRUE(ReachPlay(rig));
        round.DeveloperWin();
        ASSERT_TRUE(round.RoundOver);
        const TPlayerSaveRecord& record = rig.Form->Player().Current;
        EXPECT_EQ(record.NextUncompletedIsland, open ? 2 : 1);
        EXPECT_EQ(record.NextUncompletedLevel, open ? 1 : 2);
    }
}

TEST(BossRound, AfterTheTimeHasRunOutNothingHitsTheBoss) {
    TBossRig rig("boss-lost", 10);
    TMainGameScene& round = rig.Form->MainGame();
    ASSERT_TRUE(ReachPlay(rig));
    round.TimeUp();
    ASSERT_TRUE(round.RoundLost());
    bool hitting = false, absorbing = false;
    const TPoint inside{round.OwlBoss.Position().X + 100, round.OwlBoss.Position().Y + 80};
    round.FallingElements.OnMonsterHitCheck(inside, hitting, absorbing);
    EXPECT_FALSE(hitting);
    EXPECT_FALSE(round.BossToSpray());
    round.SprayBoss({inside.X, inside.Y, inside.X + 10, inside.Y + 10});
    EXPECT_EQ(round.OwlBoss.CurrentEnergy(), BossEnergy);
    EXPECT_FALSE(round.RoundOver);
}

TEST(BossRound, APausedRoundHidesTheLivingBossAndItsAura) {
    TBossRig rig("boss-pause", 11);
    TMainGameScene& round = rig.Form->MainGame();
    ASSERT_TRUE(ReachPlay(rig));
    round.SetGamePause(true);
    EXPECT_FALSE(round.OwlBoss.Visible);
    EXPECT_FALSE(round.MonsterAura.Visible);
    const double x = round.OwlBoss.X();
    rig.Ticks(10);
    EXPECT_EQ(round.OwlBoss.X(), x);
    round.SetGamePause(false);
    EXPECT_TRUE(round.OwlBoss.Visible);
    EXPECT_TRUE(round.MonsterAura.Visible);
}

TEST(BossRound, TheIslandsCreaturePicturesComeWithItsBossLevelAndGoAfter) {
    TBossRig rig("boss-pictures", 12);
    // The owl's pictures from the built game, and a normal level beside the boss level.
    const std::filesystem::path owlFolder =
        std::filesystem::path(TOVAN_GAME_DIR) / "Images/Creatures/Centaur";
    ASSERT_TRUE(std::filesystem::exists(owlFolder / "OwlBossWalk.png"));
    std::filesystem::copy(owlFolder, rig.Folder.Path("Images/Creatures/Centaur"));
    WriteLevelFile(rig.Folder.Path("Levels") + "Level1-02.zel", FieldLevel({}));
    ASSERT_TRUE(rig.Form->MainGame().StartLevel(1, 1));
    EXPECT_TRUE(rig.Form->PictureLoaded("OwlBossWalk"));
    EXPECT_TRUE(rig.Form->PictureLoaded("OwlBossFront"));
    EXPECT_FALSE(rig.Form->PictureLoaded("SquirrelBossWalk"));
    ASSERT_TRUE(rig.Form->MainGame().StartLevel(1, 2));
    EXPECT_FALSE(rig.Form->PictureLoaded("OwlBossWalk")) << "a normal level frees the creatures";
    EXPECT_FALSE(rig.Form->MainGame().BossLevel());
    for (TBoss* boss : rig.Form->MainGame().Bosses()) EXPECT_FALSE(boss->Visible);
}

TEST(BossRound, TheAerosolWearsTheBossDownAPointEveryFiveContacts) {
    TBossRig rig("boss-spray", 13);
    TMainGameScene& round = rig.Form->MainGame();
    ASSERT_TRUE(ReachPlay(rig));
    TBoss& owl = round.OwlBoss;
    ASSERT_EQ(owl.State(), bsPatrolling);
    ASSERT_EQ(owl.Direction(), bdLeft);
    const TPoint at = owl.Position();
    const TRect spray{at.X + 50, at.Y + 10, at.X + 90, at.Y + 100};
    for (int contact = 0; contact < 10; ++contact) round.SprayBoss(spray);
    EXPECT_EQ(owl.CurrentEnergy(), BossEnergy - 2);
    // The aerosol itself: the guardian is an enemy worth spraying, and its cloud wears it too.
    bool enemies = false;
    round.Aerosol.OnEnemiesExistQuestion(enemies);
    EXPECT_TRUE(enemies);
    for (int contact = 0; contact < 5; ++contact) round.Aerosol.OnSpraySizeChange(spray);
    EXPECT_EQ(owl.CurrentEnergy(), BossEnergy - 3);
}
