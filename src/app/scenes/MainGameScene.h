#pragma once
// The round scene (gsMainGame): owns the board, its effects, the gathering panel, the round's
// comments and the score, and connects them: every board request is answered by an effect,
// every effect's end goes back to the board.
#include "app/ComboConveyerClass.h"
#include "app/ElementGatherClass.h"
#include "app/GameServices.h"
#include "app/GuidePocketClass.h"
#include "app/JackpotScoreClass.h"
#include "app/MannaEnergyClass.h"
#include "app/ObjectiveInfoClass.h"
#include "app/TubeTimerClass.h"
#include "app/scenes/Scene.h"
#include "app/scenes/Teaching.h"
#include "board/GameBoardClass.h"
#include "effects/AbsorbedEnergyClass.h"
#include "effects/AerosolClass.h"
#include "effects/BroomClass.h"
#include "effects/ChainLockEffectClass.h"
#include "effects/CollectorBombToolClass.h"
#include "effects/CombosClass.h"
#include "effects/CrawlingSpidersClass.h"
#include "effects/FallingElementsClass.h"
#include "effects/FlowingElementsClass.h"
#include "effects/FlyingToolsClass.h"
#include "effects/GroupedElementsEffectClass.h"
#include "effects/HammerEffectClass.h"
#include "effects/LockerFillerClass.h"
#include "effects/LockerFramesClass.h"
#include "effects/LockerPiecesClass.h"
#include "effects/LockersAwayEffectClass.h"
#include "effects/LostBoardEffectClass.h"
#include "effects/MagicKeyClass.h"
#include "effects/MatchedCyanEffectClass.h"
#include "effects/OpeningLockersClass.h"
#include "effects/ShuffleAwayEffectClass.h"
#include "effects/StarsEffectClass.h"
#include "effects/SwapEffectClass.h"
#include "effects/UniBubbleEffectClass.h"
#include "effects/WebEffectClass.h"
#include "engine/GameButtonClass.h"
#include "engine/GameCommentClass.h"
#include "engine/SpritePopperClass.h"
#include "progression/BossClass.h"
#include "progression/MonsterAuraClass.h"
#include "story/MirelaTutorialClass.h"
#include "story/TutorialToolTipClass.h"

#include <array>
#include <functional>
#include <vector>

// The medal of a round won after `elapsedSeconds`: gold up to the gold time, silver up to the
// silver time, bronze after.
TMedalKind MedalFor(int elapsedSeconds, int silverReqTime, int goldReqTime);

// What the results window shows of a won round.
struct TRoundStats {
    int PlayingTime = 0; // game seconds
    int LevelScore = 0;
    // The gold medal's bonus paid into the purse; elFruit and 0 without it.
    TElementKind BonusElementKind = elFruit;
    int BonusElementCount = 0;
};

class TMainGameScene : public TScene {
public:
    static constexpr int PointsPerClearedTile = 3;

    explicit TMainGameScene(const TGameServices& services);

    // Everything that takes a size from its pictures does so once they are loaded.
    void TakeSizes();
    // Starts a round on the level, its objective showing first (gsObjectiveInfo); False when
    // its file cannot be loaded (the message box has been shown and the board is left as it
    // was).
    bool StartLevel(uint8_t islandIdx, int levelIdx);
    // The same level again, from its start.
    bool Restart() { return StartLevel(islandIdx_, levelIdx_); }
    // The time has run out (gsTimeUp): the round is lost and gives back what it added; the board
    // collapses and, when most of it has fallen, OnTimeForResultQuestion asks what comes next.
    void TimeUp();
    uint8_t IslandIdx() const { return islandIdx_; }
    int LevelIdx() const { return levelIdx_; }

    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    // Escape opens the in-game menu while its button is enabled; the board and the tools are
    // also played with keys (MainGameKeyboard.cpp).
    void Key(const TPlatformEvent& event) override;
    // The keyboard's cursor on the board: its tile, and whether it shows (the mouse hides it).
    TPoint KeyCursor() const { return keyCursor_; }
    bool KeyCursorShown() const { return keyCursorShown_; }

    // Pausing hides the board and its effects; the sign "Paused" shows instead.
    void SetGamePause(bool paused);
    bool GamePause() const { return gamePause_; }
    // What the round added is still to be kept or given back; set at level start, cleared when
    // the round is won or forfeited.
    bool EarningsPending() const { return earningsPending_; }
    // The time ran out: whatever still lands on the board wins nothing and pays nothing.
    bool RoundLost() const { return roundLost_; }
    // Gives back what the unfinished round added to the purse, once.
    void Forfeit();
    // Developer keys: every slot gathered 150 times (the round is won); the tools charged.
    void DeveloperWin();
    void DeveloperCharge();

    // The round's menu button on the bottom panel; its click opens the in-game menu.
    TGameButton InGameMenuButton;
    std::function<void()> OnInGameMenu;
    // A lost round's board has mostly fallen: the question whether to try again.
    std::function<void()> OnTimeForResultQuestion;
    // A won round's board has been thrown off the screen: the results.
    std::function<void()> OnBoardThrownAway;

    TObjectiveInfo ObjectiveInfo;
    TTubeTimer TubeTimer;
    TMannaEnergy MannaEnergy;
    // Shows Score, counting up to it.
    TJackpotScore ScoreCounter;

    TGameBoard GameBoard;
    TLockerFiller LockerFiller;
    TLockerFrames LockerFrames;
    TOpeningLockers OpeningLockers;
    TLockerPieces LockerPieces;
    TShuffleAwayEffect ShuffleAwayEffect;
    TLostBoardEffect LostBoardEffect;
    TLockersAwayEffect LockersAwayEffect;
    TSwapEffect SwapEffect;
    TGroupedElementsEffect GroupedElementsEffect;
    TFallingElements FallingElements;
    TFlowingElements FlowingElements;
    TMatchedCyanEffect MatchedCyan;
    TStarsEffect Stars;
    TWebEffect WebEffect;
    TChainLockEffect ChainLockEffect;
    TUniBubbleEffect UniBubbleEffect;
    TCrawlingSpiders CrawlingSpiders;
    TCombos Combos;
    TComboConveyer ComboConveyer;
    // "Energy +" over the cabinet when a combo's reward arrives.
    TSpritePopper EnergyBonusPop;
    TElementGather ElementGather;
    // The round's announcements, and the one for a newly found flower.
    TGameComment BoardComment1;
    TGameComment BoardComment2;
    // The island guardians: on a boss level the current island's walks below the board, and the
    // aura swells around it while it drains the tube.
    TOwlBoss OwlBoss;
    TSquirrelBoss SquirrelBoss;
    TBeeBoss BeeBoss;
    TBatBoss BatBoss;
    TCatBoss CatBoss;
    TMonsterAura MonsterAura;
    // What the boss drains, flying from the tube to it.
    TAbsorbedEnergy AbsorbedEnergy;
    bool BossLevel() const;
    // The five, in the islands' order.
    std::array<TBoss*, 5> Bosses();
    // The guardian of the round's island.
    TBoss& CurrentBoss();
    const TBoss& CurrentBoss() const;
    // The tools' blows on the boss (boss levels only): a hammer strike at a pixel, True when it
    // reached the boss; the aerosol's spray rectangle, which wears it down; whether a living boss
    // is there for the aerosol at all.
    bool StrikeBossAt(TPoint pixel);
    void SprayBoss(const TRect& sprayRect);
    bool BossToSpray() const;

    // The player's tools, their hammer effects and the items flying to them.
    TMagicKey MagicKey;
    TBroom Broom;
    TAerosol Aerosol;
    // The hammer, the bomb and the blaster, by TNewToolKind - 1.
    std::array<TCollectorBombTool, 3> CollectorTools;
    THammerEffect ObjectHammer; // hammer objects clicked on the board
    THammerEffect ToolHammer;   // the hammer tool
    TFlyingTools FlyingTools;
    // A tool is in the player's hand or acting: the board gets no mouse.
    bool ToolHeld() const;

    // Mirela's tutorial step at the start of a level, and the pointing tips during the round:
    // each once per player, none with the player's tutorial switched off.
    TMirelaTutorial Tutorial;
    TTutorialToolTip ToolTip;
    TGuidePocket GuidePocket;
    // A tip is open: the board, its cascade and the spiders wait for its OK.
    bool TipFrozen() const { return tipFrozen_; }
    // The OK button of the tutorial panel, and of the tool tip: each closes its own, and the
    // round goes on even when nothing was open.
    void CloseTutorial();
    void CloseToolTip();
    // The menu or the close box: a running step or tip is answered first, as its OK would.
    void CloseTeaching();

    // Both saturate instead of wrapping.
    int Score = 0;
    int LevelScore = 0;
    bool RoundOver = false;
    // Decided when the round is won.
    TMedalKind Medal = mdNone;
    TRoundStats Stats;

private:
    // -- frame and input (MainGameScene.cpp) --
    void DrawPanels();
    void DrawEnergyBonus();
    void WireDisplayEvents();
    void MouseDown(const TPlatformEvent& event);
    void MouseMove(const TPlatformEvent& event);
    void MouseUp(const TPlatformEvent& event);
    bool BoardBusy() const;

    // -- the round (MainGameRound.cpp) --
    void ResetRoundComponents();
    void StartDisplays();
    void SetGatheringTargets();
    void WireBoardEvents();
    void WireEffectEvents();
    void WireLockerEvents();
    void WireWholeBoardEvents();
    void WireSpecialTileEvents();
    void WireSmallEffectEvents();
    void ComboArrived(uint8_t matchXCount);
    // Hidden while the round is paused.
    std::vector<bool*> BoardEffectVisibility();
    void SwapFinished(TTileObjectKind swapObjKind);
    void GroupingFinished(const TBoardData& grid, const TSimpleObjectArray& mask,
                          bool triggeredByBlaster);
    // `countEnergy`: every cleared tile feeds the energy gauge and the next spider wave (not
    // after a blast).
    void CollectClearedTiles(const TBoardData& grid, const TSimpleObjectArray& mask,
                             uint8_t fallingMode, bool countEnergy);
    void AddScore(int points);
    void FlyPotionsToSlots(const TBoardData& grid, const TSimpleObjectArray& mask);
    void ShuffleNoMoreMoves();
    void ShuffleFinished(const TBoardData& shuffled);
    void LockersFilled();
    void GoldTileCleared(TPoint tilePos, uint8_t frameType);
    // The board leaves the stage to an effect that draws it in its place.
    void HandBoardToEffect();
    void RoundClear();
    // The elapsed game seconds of a won round.
    int PlayedSeconds() const;
    void KeepStats(int played);
    void CreditGoldBonus();
    void LogRound(int played);
    // The round-won announcement has gone: the board is thrown off the screen.
    void ThrowBoardAway();
    // The player goes on to the next level (after a boss, to the next island), saved at once.
    void KeepProgress();
    // The objective has gone: the round is played.
    void BeginPlay();
    // A request whose effect the game does not have ends without animation: its completion runs
    // in this frame's effect step (or the next frame's, for a request made by input).
    // TODO(presentation polish issue): the struck tiles and the blaster's charge get their effects.
    void CompleteWithoutEffect(std::function<void()> completion);
    void RunCompletionsWithoutEffect();

    void DrawPausedSign();

    // -- the spiders (MainGameSpiders.cpp) --
    void SetupSpiders();
    void WireSpiderEvents();
    void StartSpiderWave();
    // A knocked spider's hit has played at the point: whether it is gathered.
    bool SpiderKnockedOff(TPoint at);
    // `countTiles`: the cleared tiles count towards the next wave (not after a blast).
    void FeedSpiders(int clearedTiles, bool countTiles);
    bool SpiderClicked(const TPlatformEvent& event);
    // -- the boss (MainGameBoss.cpp) --
    void WireBossEvents();
    void ResetBosses();
    // A boss level: the island's guardian takes the level's values and its pictures are loaded.
    void PrepareBoss();
    // The round-start comment has gone: the guardian may start draining.
    void SwitchBossOn();
    void TickBoss();
    void PauseBoss(bool paused);
    void BossHitCheck(TPoint fruitPos, bool& hitting, bool& absorbing);
    // The aura is at its peak: the boss drains the tube.
    void AuraPeaked();
    // A boss win moves the player on to the next island once it is open.
    bool MoveToNextIsland();
    void DeveloperStrikeBoss();
    // -- the player's tools (MainGameTools.cpp) --
    void WireTools();
    void WireMagicKey();
    void WireBroom();
    void WireAerosol();
    void WireCollectorTool(TCollectorBombTool& tool);
    void CollectorToolUsed(TNewToolKind kind, TPoint tile, TPoint toolPos);
    void ToolItemCollected(TPoint tilePos, int itemCode);
    TUseCountTool* UseCountTool(TToolKind kind);
    void ResetTools();
    void SetToolAvailability();
    void MakeCollectorToolsAccessible();
    void EnergyReached(uint8_t level);
    // The collector tools follow the gauge and what its counter can still pay for.
    void SyncCollectorTools();
    void PauseTools(bool paused);
    void PutDownTools();
    void TickHammers();
    void DrawTools();
    // Press and move for the tools, by the rules of which tool may have them.
    void ToolsMouseDown(const TPlatformEvent& event);
    void ToolsMouseMove(const TPlatformEvent& event);
    // What the tools do to the board's pests; the board part today.
    void SprayEnemies(const TRect& rect);
    bool EnemiesExist() const;
    // A hammer blow on a tile knocks off its spider and hits a guardian whose body is there.
    void StrikeWithHammer(TPoint tile);
    TPoint TileCentre(TPoint tile) const;
    void ExplodeBombTool(TPoint tile);
    // -- the tutorial and the tool tips (MainGameTutorial.cpp) --
    void WireTeaching();
    // The player's switch and shown flags, as they are now.
    void SyncTeaching();
    void PrepareTeaching();
    // The objective has gone and the level has a step: the round waits for it (gsTutorial).
    bool StartTutorialStep();
    void TutorialFinished();
    // After the level's step (or without one): the round is played and the level's tip may show.
    void PlayAfterTeaching();
    TPoint ToolTipPoint(int tip) const;
    // A round event asks for its tip, by the switch as it is now.
    void EventToolTip(TToolTipEvent kind);
    void FreezeForTip();
    void ThawAfterTip();
    // The round's time waits while a step or a tip is open.
    bool TeachingOpen() const { return Tutorial.Open() || ToolTip.Open(); }
    void DrawTeaching();
    bool tipFrozen_ = false;
    TGuideDrawing guide_;

    std::array<bool, 3> energyReached_{};
    bool toolsAccessible_ = false;
    // -- keys and game controllers (MainGameKeyboard.cpp) --
    void ResetKeyCursor();
    TPoint NearestPlayableCell(TPoint from) const;
    void MouseTakesOver(const TPlatformEvent& event);
    bool KeysPlayable() const;
    // True when the key was the board's or a tool's.
    bool BoardKey(const TPlatformEvent& event);
    void ShowKeyCursor();
    void MoveKeyCursor(TPoint step);
    void PressAtKeyCursor();
    std::vector<TPlayerTool*> CabinetTools();
    void TakeToolByNumber(int number);
    bool PutBackCarriedTool();
    bool CancelByKey();
    void DrawKeyCursor();
    TPoint keyCursor_{1, 1};
    bool keyCursorShown_ = false;
    int keyCursorTicks_ = 0;
    uint8_t swallowChar_ = 0; // what the used key also types, kept from the round

    // -- the world behind the board --
    void DrawBackdrop();
    std::string backdrop_;
    bool backdropMissing_ = false; // its file could not be loaded: the dark field stays

    TGameServices services_;
    std::vector<std::function<void()>> completionsWithoutEffect_;
    bool gamePause_ = false;
    bool earningsPending_ = false;
    bool roundLost_ = false;
    int pausedTicks_ = 0;
    int energyBonusPicture_ = 0;
    // The objective has gone and the round is played: the tube may run.
    bool playStarted_ = false;
    // The level's objective is to beat the island's guardian.
    bool bossLevel_ = false;
    uint8_t islandIdx_ = 1;
    int levelIdx_ = 1;
};
