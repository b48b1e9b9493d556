// The round on a boss level: the island's guardian walks below the board, takes the elements
// thrown at it, drains the tube through its aura, and its defeat wins the round.
#include "app/GameProgress.h"
#include "app/PlayerSession.h"
#include "app/scenes/MainGameScene.h"
#include "engine/LoadedImageListClass.h"

namespace {

// The aura swells around the boss's body: this far from the boss's place.
constexpr TPoint AuraFromBoss{46, 55};
// A beaten boss sinks off the screen when the board is thrown away.
constexpr float BossLeavingStep = 8;
constexpr int BossGoneVertPos = 780;
// The drained energy leaves the tube just below its liquid's top, higher when the tube is nearly
// empty.
constexpr int SurfaceBelowLiquidTop = 8;
constexpr int LowTubePercent = 11;
constexpr int LowTubeRise = 45;
// The developer's win: every boss struck this often.
constexpr int DeveloperStrikes = 150;

} // namespace

bool TMainGameScene::BossLevel() const {
    return bossLevel_;
}

std::array<TBoss*, 5> TMainGameScene::Bosses() {
    return {&OwlBoss, &SquirrelBoss, &BeeBoss, &BatBoss, &CatBoss};
}

TBoss& TMainGameScene::CurrentBoss() {
    return *Bosses()[BossKindOfIsland(islandIdx_)];
}

const TBoss& TMainGameScene::CurrentBoss() const {
    return const_cast<TMainGameScene*>(this)->CurrentBoss();
}

void TMainGameScene::WireBossEvents() {
    for (TBoss* boss : Bosses()) {
        boss->DisappearMoveStep = BossLeavingStep;
        boss->DisappearVertPos = BossGoneVertPos;
        boss->OnDead = [this] { RoundClear(); };
        boss->OnStartAbsorbing = [this] {
            const TPoint at = CurrentBoss().Position();
            MonsterAura.Left = at.X + AuraFromBoss.X;
            MonsterAura.Top = at.Y + AuraFromBoss.Y;
            MonsterAura.Start();
        };
        boss->OnFinishAbsorbing = [this] { MonsterAura.Stop(); };
    }
    MonsterAura.OnAuraPeak = [this] { AuraPeaked(); };
    FallingElements.OnMonsterHitCheck = [this](TPoint fruitPos, bool& hitting, bool& absorbing) {
        BossHitCheck(fruitPos, hitting, absorbing);
    };
}

// Every guardian hidden and at rest; the aura off.
void TMainGameScene::ResetBosses() {
    for (TBoss* boss : Bosses()) {
        boss->Reset();
        boss->Visible = false;
    }
    MonsterAura.Reset();
    MonsterAura.Visible = false;
    AbsorbedEnergy.Clear();
}

void TMainGameScene::PrepareBoss() {
    services_.Host.FreeImageSet(CreatureImageSet);
    if (!BossLevel()) return;
    const TLevelParams& level = services_.Levels;
    TBoss& boss = CurrentBoss();
    boss.SetEnergy(level.BossEnergy());
    boss.RefTimeForAbsorbAttempt = level.BossRefTimeForAbsorbAttempt();
    boss.HitsToCancelAbsorbAttempt = level.BossHitsToCancelAbsorbAttempt();
    boss.OneAbsorbedTime = level.BossOneAbsorbedTime();
    boss.PreparingTime = level.BossPreparingTime();
    boss.AbsorbingTime = level.BossAbsorbingTime();
    boss.FinishingTime = level.BossFinishingTime();
    boss.Reset();
    boss.Visible = true;
    // It waits for the round to begin before it drains anything.
    boss.SetAttemptsEnabled(false);
    MonsterAura.Visible = true;
    services_.Host.LoadCreatureImageSet(BossKindOfIsland(islandIdx_));
}

void TMainGameScene::SwitchBossOn() {
    if (BossLevel() && !CurrentBoss().IsDead()) CurrentBoss().SetAttemptsEnabled(true);
}

// After the board's elements: the guardian, and the aura over it.
void TMainGameScene::TickBoss() {
    if (!BossLevel()) return;
    TBoss& boss = CurrentBoss();
    boss.Tick();
    boss.Draw();
    MonsterAura.Tick();
    MonsterAura.Draw();
}

// A paused round hides a living boss and its aura; a beaten one stays where it lies.
void TMainGameScene::PauseBoss(bool paused) {
    if (!BossLevel()) return;
    TBoss& boss = CurrentBoss();
    if (!boss.IsDead()) boss.Visible = !paused;
    MonsterAura.Visible = !paused;
    AbsorbedEnergy.Visible = !paused;
}

void TMainGameScene::BossHitCheck(TPoint fruitPos, bool& hitting, bool& absorbing) {
    if (!BossLevel() || roundLost_) return;
    TBoss& boss = CurrentBoss();
    // Asked before the hit: the killing blow still counts as a hit, not as swallowed.
    absorbing = boss.IsAbsorbing();
    hitting = boss.HitAt(fruitPos.X, fruitPos.Y, false);
    if (hitting) Stars.StarsAtPixel(fruitPos);
}

bool TMainGameScene::StrikeBossAt(TPoint pixel) {
    bool hitting = false;
    bool absorbing = false;
    BossHitCheck(pixel, hitting, absorbing);
    return hitting;
}

bool TMainGameScene::BossToSpray() const {
    return BossLevel() && !roundLost_ && !CurrentBoss().IsDead();
}

void TMainGameScene::SprayBoss(const TRect& sprayRect) {
    if (BossLevel() && !roundLost_) CurrentBoss().SprayContact(sprayRect);
}

// Nothing is drained from a relaxed round's tube, which is not shown either.
void TMainGameScene::AuraPeaked() {
    if (RoundOver || roundLost_ || TubeTimer.RelaxedMode == rmYes) return;
    TubeTimer.Absorb(CurrentBoss().OneAbsorbedTime);
    const int percentLeft = TubeTimer.PercentLeft();
    const int surface = TubeTimer.Top + TubeTimer.EnergyAdjustY + TubeTimer.PixelProgress() +
                        SurfaceBelowLiquidTop - (percentLeft < LowTubePercent ? LowTubeRise : 0);
    const TPoint from{TubeTimer.X() + TubeTimer.EnergyAdjustX + TubeTimer.EnergyWidth / 2, surface};
    AbsorbedEnergy.Start(from, CurrentBoss().BodyCentre(), EnergyColorOf(percentLeft));
}

// Islands open by their works alone; a beaten guardian sends the player on to the next island
// once that is open, never back.
bool TMainGameScene::MoveToNextIsland() {
    if (!BossLevel()) return false;
    const int next = islandIdx_ + 1;
    TPlayerSaveRecord& record = services_.Player.Current;
    if (next > MapIslandCount || !services_.Progress.MapIslands.Unlocked(next) ||
        next <= record.UsableIsland())
        return false;
    record.NextUncompletedIsland = static_cast<uint8_t>(next);
    record.NextUncompletedLevel = 1;
    return true;
}

void TMainGameScene::DeveloperStrikeBoss() {
    if (!BossLevel()) return;
    for (int i = 0; i < DeveloperStrikes; ++i) CurrentBoss().HitAt(0, 0, true);
}
