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
#include <utility>

namespace {

// Falling modes: a small hop after a grouping, thrown far by a blast.
constexpr uint8_t FallAfterGrouping = 0;
constexpr uint8_t FallAfterBlast = 1;

// The gathering slot an element code fills; -1 for codes that fill none.
int GatherSlotOfCode(int code) {
    if (IsFruitCode(code)) return ieFruit1 + code - ecFirstFruit;
    if (IsFlowerCode(code)) return ieFlower1 + code - ecFirstFlower;
    if (IsPotionCode(code)) return iePotion1 + code - ecPotion1;
    return -1;
}

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
    earningsPending_ = true;
    TBuySlots& slots = services_.Progress.BuySlots;
    slots.IslandIdx = islandIdx;
    slots.LevelIdx = levelIdx;
    slots.ResetLevelEarnings();
    SetGatheringTargets();
    FlowingElements.TileKind = slots.HasUpgrade(upGoldTiles) ? tkUpgraded : tkStandard;
    // The board's side: element set, grid, placement, spawns, a fresh shuffled grid, webs and
    // potions. TODO(round effects issue): the lockers fill in with their effect; until then the
    // board draws itself at once.
    StartBoardRound(GameBoard, services_.Levels, false);
    ElementGather.Visible = services_.Levels.Objective() == goNormalMode;
    if (ElementGather.Visible) {
        ElementGather.Prepare();
        ElementGather.SlideIn();
        services_.Music.RequestTrack(Random(3) < 2 ? mtMainGame1 : mtMainGame2);
    }
    ObjectiveInfo.Show(services_.Levels.Objective());
    services_.Scene.SetValue(gsObjectiveInfo);
    return true;
}

// TODO(round effects issue): the tube timer starts running here.
// TODO(story issue): a level with a tutorial step goes to gsTutorial first.
void TMainGameScene::BeginPlay() {
    ObjectiveInfo.Reset();
    services_.Scene.SetValue(gsMainGame);
}

void TMainGameScene::ResetRoundComponents() {
    LevelScore = 0;
    RoundOver = false;
    Medal = mdNone;
    playedMs_ = 0;
    ObjectiveInfo.Reset();
    SetGamePause(false);
    BoardComment1.StopNow();
    BoardComment2.StopNow();
    SwapEffect.Clear();
    GroupedElementsEffect.Clear();
    FallingElements.Clear();
    FlowingElements.Clear();
    completionsWithoutEffect_.clear();
}

void TMainGameScene::SetGatheringTargets() {
    TElementGather& gather = ElementGather;
    for (int code = ecFirstFruit; code <= ecLastFlower; ++code)
        if (int* target = gather.TargetOf(GatherSlotOfCode(code)))
            *target = services_.Levels.TargetOfCode(code);
    gather.TargetSpiders = services_.Levels.Target(lfTargetSpiders);
    gather.TargetGoldTiles1 = services_.Levels.GoldTileTarget();
    gather.TargetGoldTiles2 = 0;
    // With the rose-potion upgrade the level's potions are asked for as rose potions.
    // TODO(round effects issue): the board's potions become rose potions too.
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
                                                      const TSimpleObjectArray& mask, bool,
                                                      bool triggeredByBlaster) {
        GroupedElementsEffect.StartGrouping(grid, mask, triggeredByBlaster);
    };
    GameBoard.OnOpeningLockersEffectRequest = [this](const TBoardData&,
                                                     const TSimpleObjectArray& lockersToOpen) {
        if (lockersToOpen == TSimpleObjectArray{}) return;
        CompleteWithoutEffect([this, lockersToOpen] {
            GameBoard.LockersOpened(lockersToOpen);
            GameBoard.CheckNoMoreMoves();
            GameBoard.CheckMatches();
        });
    };
    GameBoard.OnFallingElementsEffectRequest = [this](const TBoardData& grid,
                                                      const TSimpleObjectArray& mask) {
        CollectClearedTiles(grid, mask, FallAfterBlast);
    };
    GameBoard.OnNoMoreMoves = [this] {
        BoardComment1.ShowComment(coNoMoreMoves);
        CompleteWithoutEffect([this] { ShuffleNoMoreMoves(); });
    };
    // TODO(whole round issue): ask the gathering whether a found flower still has a slot; while
    // found flowers fly nowhere, one may always be added.
    GameBoard.OnCanAddFlowerQuestion = [](bool& canAddFlower) { canAddFlower = true; };
}

// Specials the first levels do not spawn still end soundly: each request is completed at once.
void TMainGameScene::WireSpecialTileEvents() {
    GameBoard.OnHammerEffectRequest = [this](TPoint hammerPos) {
        CompleteWithoutEffect([this, hammerPos] {
            GameBoard.StartSmallShake(hammerPos);
            GameBoard.HammerStrike(hammerPos);
        });
    };
    GameBoard.OnHammeredObjectsEffectRequest = [this](const TBoardData&,
                                                      const TSimpleObjectArray&) {
        CompleteWithoutEffect([this] { GameBoard.HammeredTilesRemoved(); });
    };
    GameBoard.OnMultiBubbleClicked = [this](TPoint tilePos, TPoint, int) {
        PlaySound("Collector");
        CompleteWithoutEffect([this, tilePos] { GameBoard.StartBlasterWave(tilePos); });
    };
    GameBoard.OnFruitRestoreEffectRequest = [this](TPoint tilePos) {
        CompleteWithoutEffect([this, tilePos] { GameBoard.RestoreFruit(tilePos); });
    };
}

void TMainGameScene::ShuffleNoMoreMoves() {
    SwapEffect.Clear();
    TBoardData shuffled;
    GameBoard.MakeShuffledBoard(shuffled);
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
    // Found flowers and tool items leave the board; their flights come with their holders.
    GroupedElementsEffect.OnNewFlowerAcquired = [this](TPoint tilePos) {
        GameBoard.RemoveTile(tilePos);
    };
    GroupedElementsEffect.OnNewToolAcquired = [this](TPoint tilePos, int) {
        GameBoard.RemoveTile(tilePos);
    };
    FlowingElements.OnOneFruitArrived = [this](TElementKind kind, uint8_t index) {
        if (kind != elPotion) ElementGather.Count(kind, index);
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
                                      bool) {
    GameBoard.GroupedElementsRemoved(mask);
    GameBoard.DetonateFruitBombs(mask);
    FlyPotionsToSlots(grid, mask);
    // TODO(whole round issue): energy and spiders count here unless the blaster cleared the
    // tiles.
    CollectClearedTiles(grid, mask, FallAfterGrouping);
}

// Elements the gathering still wants fly to their slots; the others fall off the board. Every
// cleared element pays into the purse.
// TODO(round effects issue): each gold-tile layer removed pays CreditGoldTileLayer, each spider
// shot down one elSpider.
void TMainGameScene::CollectClearedTiles(const TBoardData& grid, const TSimpleObjectArray& mask,
                                         uint8_t fallingMode) {
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
    AddScore(PointsPerClearedTile * cleared);
    FlowingElements.StartFlowing(grid, flowing);
    FallingElements.StartFalling(grid, falling, fallingMode);
}

void TMainGameScene::AddScore(int points) {
    Score += points;
    LevelScore += points;
    if (services_.TestReport) services_.TestReport("score: " + std::to_string(Score));
}

// The first potion of each column goes to its slot; until potions have their own flight they
// count at once.
void TMainGameScene::FlyPotionsToSlots(const TBoardData& grid, const TSimpleObjectArray& mask) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            const int code = grid(x, y).ElementCode;
            if (mask(x, y) == 0 || !IsPotionCode(code)) continue;
            if (ElementGather.StillNeeded(GatherSlotOfCode(code)))
                ElementGather.Count(elPotion, code - ecPotion1 + 1);
            break;
        }
}

void TMainGameScene::RoundClear() {
    if (RoundOver) return;
    RoundOver = true;
    // What the round gathered is kept.
    earningsPending_ = false;
    GameBoard.CanMatch = false;
    // The last elements may land while the in-game menu paused the round: the board shows again.
    SetGamePause(false);
    Medal = MedalFor(playedMs_ / 1000, services_.Levels.SilverReqTime(),
                     services_.Levels.GoldReqTime());
    if (Medal == mdGold) CreditGoldBonus();
    services_.Scene.SetValue(gsRoundClear);
    services_.Music.RequestTrack(mtLevelClear);
    BoardComment1.ShowComment(coGameRoundClear);
    services_.Host.SubmitScore();
    KeepProgress();
}

// The level file's bonus: its kind and count.
void TMainGameScene::CreditGoldBonus() {
    const int kind = services_.Levels.Target(lfBonusElementKind);
    const int count = services_.Levels.Target(lfBonusElementCount);
    if (kind >= elFruit && kind <= elSpider && count > 0)
        services_.Progress.BuySlots.Credit(static_cast<TElementKind>(kind),
                                           static_cast<float>(count));
}

// A boss win does not move the player on: the next island opens when the four works of this
// one are bought. A replayed level never moves the progress back.
// TODO(whole round issue): the round in the game log.
void TMainGameScene::KeepProgress() {
    TPlayerSaveRecord& record = services_.Player.Current;
    const bool ahead = islandIdx_ > record.UsableIsland() ||
                       (islandIdx_ == record.UsableIsland() && levelIdx_ >= record.UsableLevel());
    if (ahead) {
        record.NextUncompletedIsland = islandIdx_;
        record.NextUncompletedLevel = levelIdx_ + 1;
    }
    services_.Host.SavePlayerSave(true);
}

void TMainGameScene::TimeUp() {
    if (RoundOver || services_.Scene.Value() != gsMainGame) return;
    services_.Scene.SetValue(gsTimeUp);
    GameBoard.CanMatch = false;
    BoardComment1.ShowComment(coTimeUp);
    services_.Host.SubmitScore();
    Forfeit();
}
