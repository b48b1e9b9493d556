// The round: level start, the board's requests answered by the effects, the effects' ends handed
// back to the board, and cleared tiles turned into score and gathered elements.
#include "app/GameProgress.h"
#include "app/PlayerSession.h"
#include "app/scenes/MainGameScene.h"
#include "board/RoundStart.h"
#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/SoundByName.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

namespace {

// A score never wraps: it stops at the largest number (and never goes below 0).
int SaturatedSum(int value, int points) {
    const int64_t sum = int64_t{value} + points;
    return static_cast<int>(std::clamp<int64_t>(sum, 0, std::numeric_limits<int>::max()));
}

// Falling modes: a small hop after a grouping, thrown far by a blast.
constexpr uint8_t FallAfterGrouping = 0;
constexpr uint8_t FallAfterBlast = 1;
// What a combo of each size (4 to 7) gives when it reaches the gauge.
struct TComboReward {
    int EnergySteps;
    int Picture; // of "EnergyBonusText"
};
constexpr TComboReward ComboRewards[] = {{2, 0}, {5, 1}, {12, 1}, {14, 2}};
constexpr int SmallestCombo = 4;
constexpr TPoint EnergyBonusPos{130, 639};

const TComboReward* ComboRewardOf(int matchXCount) {
    const int index = matchXCount - SmallestCombo;
    if (index < 0 || index >= static_cast<int>(std::size(ComboRewards))) return nullptr;
    return &ComboRewards[index];
}

// A locker frame's layer turned into a gold tile.
constexpr int GoldTilePoints = 25;

} // namespace

TMedalKind MedalFor(int elapsedSeconds, int silverReqTime, int goldReqTime) {
    if (elapsedSeconds <= goldReqTime) return mdGold;
    if (elapsedSeconds <= silverReqTime) return mdSilver;
    return mdBronze;
}

// ---- Level start ----

bool TMainGameScene::StartLevel(uint8_t islandIdx, int levelIdx) {
    ResetRoundComponents();
    if (!services_.Levels.LoadLevel(islandIdx, levelIdx)) return false;
    islandIdx_ = islandIdx;
    levelIdx_ = levelIdx;
    bossLevel_ = services_.Levels.Objective() == goBossMode;
    PrepareTeaching();
    SetToolAvailability();
    earningsPending_ = true;
    TBuySlots& slots = services_.Progress.BuySlots;
    GuidePocket.Fill(slots.Owned());
    slots.IslandIdx = islandIdx;
    slots.LevelIdx = levelIdx;
    slots.ResetLevelEarnings();
    SetGatheringTargets();
    SetupSpiders();
    // The gold-tile upgrade makes the frames golden, and their tiles with them.
    const TTileKind tileKind = slots.HasUpgrade(upGoldTiles) ? tkUpgraded : tkStandard;
    FlowingElements.TileKind = tileKind;
    LockerFrames.TileKind = tileKind;
    // The board's side: element set, grid, placement, spawns, a fresh shuffled grid, webs and
    // potions (rose potions with their upgrade, as the gathering asks for them). The board then
    // waits, undrawn, while the lockers fill in.
    StartBoardRound(GameBoard, services_.Levels, slots.HasUpgrade(upRosePotion));
    GameBoard.CanDraw = false;
    LockerFiller.StartFilling(GameBoard.BoardData());
    LockerFrames.SetupFrames(services_.Levels.FrameLayers());
    StartDisplays();
    ElementGather.Visible = services_.Levels.Objective() == goNormalMode;
    if (ElementGather.Visible) {
        ElementGather.Prepare();
        ElementGather.SlideIn();
        services_.Music.RequestTrack(Random(3) < 2 ? mtMainGame1 : mtMainGame2);
    }
    PrepareBoss();
    ObjectiveInfo.Show(services_.Levels.Objective());
    services_.Scene.SetValue(gsObjectiveInfo);
    return true;
}

// The tube slides in and fills; the energy gauge is empty.
void TMainGameScene::StartDisplays() {
    TubeTimer.Time = services_.Levels.Time();
    TubeTimer.RelaxedMode = static_cast<TRelaxedMode>(services_.Player.Current.UsableRelaxedMode());
    TubeTimer.Start();
    MannaEnergy.FullRequiredFruits = services_.Levels.FullRequiredFruits();
}

// A level with a tutorial step waits for it first.
void TMainGameScene::BeginPlay() {
    ObjectiveInfo.Reset();
    playStarted_ = true;
    if (!StartTutorialStep()) PlayAfterTeaching();
}

void TMainGameScene::ResetRoundComponents() {
    LevelScore = 0;
    RoundOver = false;
    roundLost_ = false;
    Medal = mdNone;
    Stats = {};
    playStarted_ = false;
    ResetKeyCursor();
    ObjectiveInfo.Reset();
    TubeTimer.Reset();
    MannaEnergy.Reset();
    SetGamePause(false);
    BoardComment1.StopNow();
    BoardComment2.StopNow();
    SwapEffect.Clear();
    GroupedElementsEffect.Clear();
    FallingElements.Clear();
    FlowingElements.Clear();
    LockerFiller.Clear();
    LockerFrames.Clear();
    OpeningLockers.Clear();
    LockerPieces.Clear();
    ShuffleAwayEffect.Clear();
    LostBoardEffect.Clear();
    LockersAwayEffect.Stop();
    MatchedCyan.Clear();
    Stars.Clear();
    WebEffect.Clear();
    ChainLockEffect.Clear();
    UniBubbleEffect.Stop();
    CrawlingSpiders.Reset();
    Combos.Clear();
    ComboConveyer.Reset();
    EnergyBonusPop.Reset();
    completionsWithoutEffect_.clear();
    ResetBosses();
    ResetTools();
}

void TMainGameScene::SetGatheringTargets() {
    TElementGather& gather = ElementGather;
    for (int code = ecFirstFruit; code <= ecLastFlower; ++code)
        if (int* target = gather.TargetOf(GatherSlotOfCode(code)))
            *target = services_.Levels.TargetOfCode(code);
    gather.TargetSpiders = services_.Levels.Target(lfTargetSpiders);
    gather.TargetGoldTiles1 = services_.Levels.GoldTileTarget();
    gather.TargetGoldTiles2 = 0;
    // With the rose-potion upgrade the level's potions are asked for, and placed, as rose
    // potions.
    const bool rose = services_.Progress.BuySlots.HasUpgrade(upRosePotion);
    gather.TargetPotions1 = rose ? 0 : services_.Levels.PotionTarget();
    gather.TargetPotions2 = rose ? services_.Levels.PotionTarget() : 0;
}

// ---- The board's requests ----

void TMainGameScene::WireBoardEvents() {
    GameBoard.OnSwapEffectRequest = [this](const TSwappedObjectsData& data, bool matchOccurs) {
        SwapEffect.UniFruitCode = GameBoard.CurrentUniFruitCode();
        SwapEffect.StartSwap(data, matchOccurs);
    };
    GameBoard.OnGroupedElementsEffectRequest = [this](const TBoardData& grid,
                                                      const TSimpleObjectArray& mask,
                                                      bool checkCombos, bool triggeredByBlaster) {
        GroupedElementsEffect.StartGrouping(grid, mask, triggeredByBlaster);
        if (!IsReducedEffectsMode()) MatchedCyan.Spray(mask);
        if (checkCombos) Combos.CheckCombo(grid, mask);
        CrawlingSpiders.KnockOffByMap(mask);
    };
    GameBoard.OnOpeningLockersEffectRequest = [this](const TBoardData& grid,
                                                     const TSimpleObjectArray& lockersToOpen) {
        Stars.StarsOnFoundFlowers(grid);
        OpeningLockers.UniFruitCode = GameBoard.CurrentUniFruitCode();
        OpeningLockers.StartOpening(grid, lockersToOpen);
    };
    GameBoard.OnFallingElementsEffectRequest = [this](const TBoardData& grid,
                                                      const TSimpleObjectArray& mask) {
        CollectClearedTiles(grid, mask, FallAfterBlast, true);
    };
    GameBoard.OnNoMoreMoves = [this] {
        BoardComment1.ShowComment(coNoMoreMoves);
        ShuffleNoMoreMoves();
    };
    GameBoard.OnTimeToDrawLockerFrames = [this] { LockerFrames.Tick(); };
    GameBoard.OnRemoveLockerFrames = [this](const TSimpleObjectArray& mask) {
        LockerFrames.RemoveLayers(mask);
    };
    // A new flower may come while none is flying to its slot; found flowers leave the board at
    // once for now, so one may always be added.
    // TODO(presentation polish issue): the found flower's flight, whose rest answers this.
    GameBoard.OnCanAddFlowerQuestion = [](bool& canAddFlower) { canAddFlower = true; };
}

void TMainGameScene::WireLockerEvents() {
    LockerFiller.OnFinish = [this] { LockersFilled(); };
    LockerFrames.OnLockerFrameEffectRequest = [this](TPoint tilePos, uint8_t frameType) {
        GoldTileCleared(tilePos, frameType);
    };
    OpeningLockers.OnPiecesEffectRequest = [this](const TBoardData& grid,
                                                  const TSimpleObjectArray& mask) {
        LockerPieces.StartPieces(grid, mask);
    };
    OpeningLockers.OnOpeningEffectComplete = [this](const TSimpleObjectArray& mask, bool last) {
        GameBoard.LockersOpened(mask);
        if (!last) return;
        GameBoard.CheckNoMoreMoves();
        GameBoard.CheckMatches();
    };
}

// The board is built: it draws itself again and the frames come in.
void TMainGameScene::LockersFilled() {
    GameBoard.CanDraw = true;
    LockerFrames.FlyIn();
    MakeCollectorToolsAccessible();
}

// Each lost frame layer is a gold tile: it flies to its slot and pays into the purse.
void TMainGameScene::GoldTileCleared(TPoint tilePos, uint8_t frameType) {
    if (roundLost_) return;
    services_.Progress.BuySlots.CreditGoldTileLayer();
    PlaySound("TileClear");
    FlowingElements.StartGoldTile(tilePos, frameType);
    AddScore(GoldTilePoints);
}

void TMainGameScene::WireWholeBoardEvents() {
    ShuffleAwayEffect.OnFinished = [this](const TBoardData& shuffled) {
        ShuffleFinished(shuffled);
    };
    LostBoardEffect.OnTimeForDialogWindow = [this] {
        if (OnTimeForResultQuestion) OnTimeForResultQuestion();
    };
    BoardComment1.OnWavingFinished = [this](TGameCommentType type) {
        if ((type == coGameRoundClear || type == coBossVictory) && RoundOver) ThrowBoardAway();
        if (type == coGo) SwitchBossOn();
    };
    // TODO(presentation polish issue): the energy cabinet and the bottom panel slide away too.
    LockersAwayEffect.OnAboutSpreading = [this] {
        TubeTimer.SlideOut();
        ElementGather.Visible = false;
        if (bossLevel_) CurrentBoss().StartLeaving();
    };
    LockersAwayEffect.OnFinished = [this] {
        if (OnBoardThrownAway) OnBoardThrownAway();
    };
}

void TMainGameScene::HandBoardToEffect() {
    GameBoard.CanDraw = false;
    SwapEffect.Clear();
    OpeningLockers.Clear();
}

// Specials the first levels do not spawn still end soundly: each request is completed at once.
void TMainGameScene::WireSpecialTileEvents() {
    GameBoard.OnHammeredObjectsEffectRequest = [this](const TBoardData&,
                                                      const TSimpleObjectArray&) {
        CompleteWithoutEffect([this] {
            GameBoard.HammeredTilesRemoved();
            CrawlingSpiders.KnockOffOnClearedTiles(GameBoard.TileStates());
        });
    };
    GameBoard.OnMultiBubbleClicked = [this](TPoint tilePos, TPoint, int) {
        PlaySound("Collector");
        Stars.StarsAt(tilePos);
        CompleteWithoutEffect([this, tilePos] { GameBoard.StartBlasterWave(tilePos); });
    };
}

void TMainGameScene::WireSmallEffectEvents() {
    GameBoard.OnFruitRestoreEffectRequest = [this](TPoint tilePos) {
        CompleteWithoutEffect([this, tilePos] {
            GameBoard.RestoreFruit(tilePos);
            Stars.StarsAt(tilePos);
        });
    };
    GameBoard.OnStarsEffectRequest = [this](TPoint tilePos) { Stars.StarsAt(tilePos); };
    GameBoard.OnUniBubbleEffectRequest = [this](TPoint tilePos) {
        UniBubbleEffect.BurstAt(tilePos);
    };
    GameBoard.OnWebEffectRequest = [this](TPoint tilePos) { WebEffect.TearAt(tilePos); };
    GameBoard.OnChainLockEffectRequest = [this](TPoint tilePos, uint8_t level) {
        ChainLockEffect.BreakAt(tilePos, level);
    };
    Combos.OnAComboDoneShowing = [this](uint8_t matchXCount, TPoint pos) {
        if (!RoundOver) ComboConveyer.Send(matchXCount, pos);
    };
    ComboConveyer.OnAComboArrives = [this](uint8_t matchXCount) { ComboArrived(matchXCount); };
}

// A combo's reward: energy steps by its size, the bonus sign, and 3 points a step.
void TMainGameScene::ComboArrived(uint8_t matchXCount) {
    if (RoundOver || roundLost_) return;
    const TComboReward* reward = ComboRewardOf(matchXCount);
    if (reward == nullptr) return;
    MannaEnergy.AddFruit(reward->EnergySteps);
    energyBonusPicture_ = reward->Picture;
    EnergyBonusPop.Pop(EnergyBonusPos);
    PlaySound("BonusEnergy");
    AddScore(PointsPerClearedTile * reward->EnergySteps);
}

// The board flies off and comes back reshuffled.
void TMainGameScene::ShuffleNoMoreMoves() {
    CrawlingSpiders.KnockOffAll();
    const TBoardData before = GameBoard.BoardData();
    HandBoardToEffect();
    ShuffleAwayEffect.UniFruitCode = GameBoard.CurrentUniFruitCode();
    TBoardData shuffled;
    GameBoard.MakeShuffledBoard(shuffled);
    ShuffleAwayEffect.StartShuffle(before, shuffled);
}

void TMainGameScene::ShuffleFinished(const TBoardData& shuffled) {
    GameBoard.SetBoardData(shuffled);
    GameBoard.CanDraw = true;
    GameBoard.ResetTimers();
    GameBoard.CheckLockers();
    GameBoard.CheckMatches();
}

void TMainGameScene::CompleteWithoutEffect(std::function<void()> completion) {
    completionsWithoutEffect_.push_back(std::move(completion));
}

void TMainGameScene::RunCompletionsWithoutEffect() {
    // What these completions request in turn ends in the next frame, as an effect would.
    auto due = std::move(completionsWithoutEffect_);
    completionsWithoutEffect_.clear();
    for (auto& completion : due) completion();
}

// ---- The effects' ends ----

void TMainGameScene::WireEffectEvents() {
    SwapEffect.OnEffectComplete = [this](TTileObjectKind kind, TPoint pos1, TPoint pos2) {
        GameBoard.ApplySwap(pos1, pos2);
        SwapFinished(kind);
    };
    SwapEffect.OnSwapBackComplete = [this](TTileObjectKind kind, TPoint pos1, TPoint pos2) {
        GameBoard.CancelSwap(pos1, pos2);
        SwapFinished(kind);
    };
    GroupedElementsEffect.OnGroupingEffectComplete =
        [this](const TBoardData& grid, const TSimpleObjectArray& mask, bool triggeredByBlaster) {
            GroupingFinished(grid, mask, triggeredByBlaster);
        };
    // Found flowers leave the board; their flight comes with their holder.
    GroupedElementsEffect.OnNewFlowerAcquired = [this](TPoint tilePos) {
        GameBoard.RemoveTile(tilePos);
    };
    FlowingElements.OnOneFruitArrived = [this](TElementKind kind, uint8_t index) {
        if (kind != elPotion && !roundLost_) ElementGather.Count(kind, index);
    };
    FlowingElements.OnSlotPosRequest = [this](TIndividualElementKind kind, TPoint& slotPos) {
        const TPoint counter = ElementGather.SlotPoint(kind);
        slotPos = {counter.X - 30, counter.Y - 20};
    };
    ElementGather.OnComplete = [this] {
        if (services_.Levels.Objective() == goNormalMode) RoundClear();
    };
}

void TMainGameScene::SwapFinished(TTileObjectKind swapObjKind) {
    if (swapObjKind == okLocker)
        GameBoard.CheckLockers();
    else
        GameBoard.CheckMatches();
}

void TMainGameScene::GroupingFinished(const TBoardData& grid, const TSimpleObjectArray& mask,
                                      bool triggeredByBlaster) {
    GameBoard.GroupedElementsRemoved(mask);
    GameBoard.DetonateFruitBombs(mask);
    FlyPotionsToSlots(grid, mask);
    CollectClearedTiles(grid, mask, FallAfterGrouping, !triggeredByBlaster);
}

// Elements the gathering still wants fly to their slots; the others fall off the board. Every
// cleared element pays into the purse. After the time has run out everything just falls.
void TMainGameScene::CollectClearedTiles(const TBoardData& grid, const TSimpleObjectArray& mask,
                                         uint8_t fallingMode, bool countEnergy) {
    if (roundLost_) {
        FallingElements.StartFalling(grid, mask, fallingMode);
        return;
    }
    TSimpleObjectArray flowing{};
    TSimpleObjectArray falling{};
    int cleared = 0;
    TBuySlots& purse = services_.Progress.BuySlots;
    ForEachMaskedCell(mask, [&](TPoint cell) {
        ++cleared;
        purse.CreditClearedElement(grid(cell).ElementCode);
        const int slot = GatherSlotOfCode(grid(cell).ElementCode);
        TSimpleObjectArray& way = slot >= 0 && ElementGather.StillNeeded(slot) ? flowing : falling;
        way(cell) = 1;
    });
    if (cleared > 0) GuidePocket.Receive(purse.Owned());
    AddScore(PointsPerClearedTile * cleared);
    if (countEnergy) MannaEnergy.AddFruit(cleared);
    FeedSpiders(cleared, countEnergy);
    FlowingElements.StartFlowing(grid, flowing);
    FallingElements.StartFalling(grid, falling, fallingMode);
}

void TMainGameScene::AddScore(int points) {
    Score = SaturatedSum(Score, points);
    LevelScore = SaturatedSum(LevelScore, points);
    ScoreCounter.Add(points);
    if (services_.TestReport) services_.TestReport("score: " + std::to_string(Score));
}

// The first potion of each column goes to its slot; until potions have their own flight they
// count at once.
void TMainGameScene::FlyPotionsToSlots(const TBoardData& grid, const TSimpleObjectArray& mask) {
    if (roundLost_) return;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const int code = grid(x, y).ElementCode;
            if (mask(x, y) == 0 || !IsPotionCode(code)) continue;
            if (ElementGather.StillNeeded(GatherSlotOfCode(code)))
                ElementGather.Count(elPotion, code - ecPotion1 + 1);
            break;
        }
}

// Runs once, and never after the time has run out: from the gathering's completion or the
// guardian's defeat.
void TMainGameScene::RoundClear() {
    if (RoundOver || roundLost_) return;
    RoundOver = true;
    // A tip still open goes with the round, which keeps the board and spiders still itself.
    ToolTip.Finish();
    PutDownTools();
    // What the round gathered is kept.
    earningsPending_ = false;
    GameBoard.CanMatch = false;
    // The spiders stop where they are until the board is thrown away.
    CrawlingSpiders.Frozen = true;
    // A board in the middle of its reshuffle stands as it is.
    if (ShuffleAwayEffect.IsRunning()) {
        ShuffleAwayEffect.Clear();
        GameBoard.CanDraw = true;
    }
    // The last elements may land while the in-game menu paused the round: the board shows again.
    SetGamePause(false);
    const int played = PlayedSeconds();
    Medal = MedalFor(played, services_.Levels.SilverReqTime(), services_.Levels.GoldReqTime());
    KeepStats(played);
    if (Medal == mdGold) CreditGoldBonus();
    services_.Scene.SetValue(gsRoundClear);
    services_.Music.RequestTrack(mtLevelClear);
    BoardComment1.ShowComment(bossLevel_ ? coBossVictory : coGameRoundClear);
    services_.Host.SubmitScore();
    KeepProgress();
    LogRound(played);
}

// The tube's clock starts once it has filled: a round won before that took no time off it.
int TMainGameScene::PlayedSeconds() const {
    return TubeTimer.Phase() == tpRunning ? TubeTimer.ElapsedSeconds() : 0;
}

// A gold medal earns the level file's bonus, when the file names a kind and a count.
void TMainGameScene::KeepStats(int played) {
    Stats = {.PlayingTime = played, .LevelScore = LevelScore};
    const int kind = services_.Levels.Target(lfBonusElementKind);
    const int count = services_.Levels.Target(lfBonusElementCount);
    if (Medal != mdGold || kind < elFruit || kind > elSpider || count <= 0) return;
    Stats.BonusElementKind = static_cast<TElementKind>(kind);
    Stats.BonusElementCount = count;
}

void TMainGameScene::CreditGoldBonus() {
    if (Stats.BonusElementCount > 0)
        services_.Progress.BuySlots.Credit(Stats.BonusElementKind,
                                           static_cast<float>(Stats.BonusElementCount));
}

// The tester's log: the level, what the round paid into the purse, and its time. The log's 0
// means a level never played, so a round won before the tube filled is logged as one second.
void TMainGameScene::LogRound(int played) {
    constexpr int LeastLoggedSeconds = 1;
    services_.Player.GameLogger.LogRound(islandIdx_, levelIdx_, services_.Levels.FileName(),
                                         services_.Progress.BuySlots.LevelEarnings(),
                                         std::max(played, LeastLoggedSeconds));
}

// The next level of the island; after its guardian, the next island once its works have opened
// it. A replayed level never moves the progress back.
void TMainGameScene::KeepProgress() {
    TPlayerSaveRecord& record = services_.Player.Current;
    const bool ahead = islandIdx_ > record.UsableIsland() ||
                       (islandIdx_ == record.UsableIsland() && levelIdx_ >= record.UsableLevel());
    if (!MoveToNextIsland() && ahead) {
        record.NextUncompletedIsland = islandIdx_;
        record.NextUncompletedLevel = levelIdx_ + 1;
    }
    services_.Host.SavePlayerSave(true);
}

// The board is thrown off the screen, its frames fly back to the centre.
void TMainGameScene::ThrowBoardAway() {
    const TBoardData board = GameBoard.BoardData();
    HandBoardToEffect();
    CrawlingSpiders.KnockOffAll();
    LockerFrames.FlyOut();
    LockersAwayEffect.UniFruitCode = GameBoard.CurrentUniFruitCode();
    LockersAwayEffect.Start(board);
}

// From here on the round is lost: what is still in flight lands without counting.
void TMainGameScene::TimeUp() {
    if (RoundOver || roundLost_ || services_.Scene.Value() != gsMainGame) return;
    roundLost_ = true;
    PutDownTools();
    services_.Scene.SetValue(gsTimeUp);
    GameBoard.CanMatch = false;
    // Whatever rebuilt or reshuffled the board ends; the board collapses as the board holds it.
    const TBoardData board = GameBoard.BoardData();
    LockerFiller.Clear();
    ShuffleAwayEffect.Clear();
    HandBoardToEffect();
    LostBoardEffect.UniFruitCode = GameBoard.CurrentUniFruitCode();
    LostBoardEffect.StartCollapse(board);
    CrawlingSpiders.KnockOffAll();
    BoardComment1.ShowComment(coTimeUp);
    services_.Host.SubmitScore();
    Forfeit();
}
