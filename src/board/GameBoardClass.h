#pragma once
// TGameBoard: owns the live grid and plays every board rule on it. It never animates its own
// changes: it raises a request event with a copy of the data, and the controller hands the
// effect's result back through a completion call. It draws itself by picture name.
#include "board/GameData.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class TGameBoard {
public:
    TGameBoard();

    // ---- Published properties ----
    int Left = 0;
    int Top = 0;
    bool Visible = true;
    bool CanDraw = true;  // False while an effect draws the board in its place
    bool CanMatch = true; // matching, locker checks and the no-more-moves test run
    bool Frozen = false;  // falling, hint and no-more-moves timing pause; the cascade waits
    TGameBoardActiveMode ActiveMode = amNormal;
    int UniFruitInterval = 750;
    int MultiBubbleInterval = 300; // a level setting no rule reads
    int OneFlowerPerLockersMin = 6;
    int OneFlowerPerLockersMax = 10;
    int WormEatingTime = 10000;
    int FruitRegenerateTime = 25000;
    int WaitingFairyRestoreInterval = 3500;
    int ShowingHintTime = 2500;
    int HintInterval = 12000;
    int NoMatchInterval = 25000; // a level setting no rule reads
    int NoMoreMovesInterval = 20000;
    int DroppingStep = 10;
    uint8_t MaxUniFruitOnBoard = 1;
    int OneUniFruitEveryInterval = 100;
    uint8_t MaxMultiBubbleOnBoard = 0;
    int OneMultiBubbleEveryProb = 0;
    uint8_t MaxHammersOnBoard = 0;
    int OneHammerEveryProb = 0;
    uint8_t MaxFruitBombsOnBoard = 0;
    int OneFruitBombEveryInterval = 0;
    // Chances of tool items on the board; an item comes only while the player holds fewer than
    // MaxToolCount of its tool.
    TToolKind MaxToolKind = toAerosol;
    int OneMagicKeyEveryProb = 0;
    int OneBroomEveryProb = 0;
    int OneAerosolEveryProb = 0;

    // ---- Events (raised only when assigned; board data arrive as a copy) ----
    std::function<void(const TSwappedObjectsData& swappedObjectsData, bool matchOccurs)>
        OnSwapEffectRequest;
    std::function<void(const TBoardData& newBoardData, const TSimpleObjectArray& lockersToOpen)>
        OnOpeningLockersEffectRequest;
    std::function<void(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits,
                       bool checkCombos, bool triggeredByBlaster)>
        OnGroupedElementsEffectRequest;
    std::function<void(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits)>
        OnFallingElementsEffectRequest;
    std::function<void(TPoint hammerPos)> OnHammerEffectRequest;
    std::function<void(const TBoardData& boardData, const TSimpleObjectArray& hammeredTiles)>
        OnHammeredObjectsEffectRequest;
    std::function<void(TPoint tilePos)> OnExplossionEffectRequest;
    std::function<void(const TSimpleObjectArray& bannedPosArray)> OnEnemiesBanned;
    std::function<void(TPoint tilePos)> OnStarsEffectRequest;
    std::function<void(TPoint tilePos, TPoint toolPos, int multiBubbleIdx)> OnMultiBubbleClicked;
    std::function<void(TPoint tilePos)> OnUniBubbleEffectRequest;
    std::function<void(TPoint tilePos)> OnAFruitWormBanRequest;
    std::function<void(TPoint tilePos)> OnFruitRestoreEffectRequest;
    std::function<void(TPoint tilePos)> OnWebEffectRequest;
    std::function<void(TPoint tilePos, uint8_t chainLockLevel)> OnChainLockEffectRequest;
    std::function<void(const TSimpleObjectArray& framesToRemove)> OnRemoveLockerFrames;
    std::function<void(bool& canAddFlower)> OnCanAddFlowerQuestion;
    std::function<void(TFlowerIdxSet& flowerIdxSet)> OnUnobtainedFlowerIdxSetRequest;
    // How many magic keys, brooms and aerosols the player holds.
    std::function<void(int& count)> OnAcquiredMagicKeysQuestion;
    std::function<void(int& count)> OnAcquiredBroomsQuestion;
    std::function<void(int& count)> OnAcquiredAerosolsQuestion;
    std::function<void()> OnFruitBubbleAdded;
    std::function<void()> OnFruitBlasterAdded;
    std::function<void()> OnFruitBombAdded;
    std::function<void()> OnHammerAdded;
    std::function<void()> OnNoMoreMoves;
    std::function<void()> OnNoMatchTimerReset;
    std::function<void()> OnObjectTileClick;
    std::function<void()> OnManualMatch;
    std::function<void()> OnTimeToDrawBoardBorder;
    std::function<void()> OnTimeToDrawLockerFrames;

    // ---- Reading the board (always copies, never the live grid) ----
    TBoardData BoardData() const { return Grid; }
    // The tile at a position; off the board an okUnused tile.
    TBoardTile TileAt(TPoint pos) const;
    // The state of every tile (the spiders read it after removals).
    TTileStateGrid TileStates() const { return States; }
    uint8_t TileState(TPoint pos) const;
    TFlowerIdxSet ElementSet() const { return LevelElementSet; }
    void SetElementSet(const TFlowerIdxSet& elementSet);
    // Index (1..6) of the last flower an opening locker revealed.
    int LastFlowerIdx() const { return LastFlowerIndex; }
    // The code every uni fruit shows now (handed to effects that draw uni fruits).
    uint8_t CurrentUniFruitCode() const { return UniFruitCode; }
    bool IsSelectionVisible() const { return SelectionVisible; }
    TPoint SelectedPos() const { return LastClickedPos; }
    bool MouseHeld() const { return MouseHeldFlag; }
    bool IsHintVisible() const { return HintVisible; }
    TPoint HintPos1() const { return HintFirst; }
    TPoint HintPos2() const { return HintSecond; }
    int ShakeAmplitude(TPoint pos) const;

    // ---- Frame and input ----
    void UpdateAndDraw();
    void DrawHint();
    void MouseDown(int x, int y, TMouseButton button);
    void SetMouseHeld(bool held);
    void SelectTile(TPoint pos, uint8_t pattern);

    // ---- Swap protocol and grid exchange ----
    void ApplySwap(TPoint pos1, TPoint pos2);
    void CancelSwap(TPoint pos1, TPoint pos2);
    // Whether any line of lockers or elements exists on the grid (the live tile states count).
    bool AnyMatch(const TBoardData& grid) const;
    void SetBoardData(const TBoardData& grid);
    bool FindTutorialElement(uint8_t first, uint8_t last, TPoint& pos) const;
    TPoint BoardPictureOrigin() const;

    // ---- Matching, clearing and their completions ----
    void CheckMatches();
    void CheckLockers();
    void GroupElementsOfCode(uint8_t code);
    void LockersOpened(const TSimpleObjectArray& map);
    void GroupedElementsRemoved(const TSimpleObjectArray& map);
    void RemoveTile(TPoint pos);

    // ---- Gravity, refill, hints, no more moves, shuffle ----
    uint8_t GenerateElementCode() const;
    void SpawnElement(TPoint pos);
    void MarkFallingColumns();
    bool FindPossibleMove(TPoint& pos1, TPoint& pos2) const;
    void ShowHint();
    void ShowHintAt(TPoint pos1, TPoint pos2);
    void HideHint();
    bool HasPossibleMove() const;
    void CheckNoMoreMoves();
    void MakeShuffledBoard(TBoardData& grid) const;
    void RandomizeElements();
    void ResetRound();
    void ResetTimers();

    // ---- Special tiles ----
    void ActivateObject(TPoint pos);
    void StartBlasterWave(TPoint pos);
    bool IsBlasterWaveEarly() const;
    void HammerStrike(TPoint pos);
    void HammeredTilesRemoved();
    void DetonateFruitBombs(const TSimpleObjectArray& map);
    void BlowBlock(TPoint pos);
    void BanEnemies(TPoint pos);
    void StartShake(TPoint pos);
    void StartSmallShake(TPoint pos);
    void PutWeb(TPoint pos);
    void TearWeb(TPoint pos);
    int WebCount() const;
    bool CanTakeWeb(TPoint pos) const;
    // The first element from the top of a random column; (0, 0) when the board has none.
    TPoint SpiderEntryCell() const;
    bool HasWeb(TPoint pos) const;
    int WormCount() const;
    void RestoreFruit(TPoint pos);
    // Places a potion (17 or 18) on a locker or element cell; False when the cell cannot take it.
    bool PutPotion(TPoint pos, uint8_t code);

    // ---- The player's tools (GameBoardClassTools.cpp) ----
    // Every query but IsNoCell is False off the board.
    bool IsNoCell(TPoint pos) const;
    bool IsLocker(TPoint pos) const;
    // A fruit or locker the player can press (not a hole, not a stone).
    bool IsPlayableCell(TPoint pos) const;
    bool HasRemovableWeb(TPoint pos) const;
    bool IsStrikable(TPoint pos) const;
    uint8_t ElementCodeAt(TPoint pos) const;
    void OpenLocker(TPoint pos);
    // Worms whose tile centre lies inside the rectangle (screen pixels, edges included) leave.
    void SprayWorms(const TRect& rect);
    // 1 the hammer's tile, 2 the bomb's 2x2 block, 3 every tile of the blaster's code.
    void SetToolHighlight(TPoint pos, uint8_t toolType);
    void ClearToolHighlight();
    bool IsToolHighlighted(TPoint pos) const;
    int ToolHighlightAlpha() const { return HighlightAlpha; }
    void HammerToolStrike(TPoint pos);
    void BombToolExplode(TPoint pos);
    void BlasterToolFire(TPoint pos, TPoint toolPos);

    static constexpr int MaxToolCount = 9;
    static constexpr int HighlightAlphaStart = -20;
    static constexpr int HighlightAlphaStep = 10;
    static constexpr int HighlightAlphaTop = 100;

    // Tries of the shuffle until it finds a board with a move and without a ready line.
    static constexpr int ShuffleAttempts = 20;
    static constexpr int CascadeDelayMs = 300;
    static constexpr int ShakeHoldMs = 500;
    static constexpr int BlasterWaveLastStep = 28;
    static constexpr int BlasterWaveFiringStep = 8;
    static constexpr int RevealFrames = 20;

private:
    struct TBounce {
        double Value = 0;
        double Low = 0;
        double High = 0;
        uint8_t Phase = 0; // 0 still, 1 moving down, 2 moving up
    };
    struct TReveal {
        bool Active = false;
        int Frame = 0;
    };
    struct TBlasterWave {
        bool Running = false;
        bool Fired = false;
        TPoint Centre;
        int Step = 0;
        int Timer = 0;
    };
    struct TRingCell {
        int DX;
        int DY;
        int Ring; // 1 the 3x3 block, then 2, 3, 4 growing outwards
    };
    // What a tile lines up with: element codes 1..18 and locker colours (LockerLine + colour).
    using TLineValues = TBoardGrid<uint8_t>;
    static constexpr uint8_t LockerLine = 20;

    // -- line rule (GameBoardClassMatches.cpp) --
    static bool TakesPartInLines(uint8_t state);
    static uint8_t LineValueOf(const TBoardTile& tile);
    static TLineValues LineValues(const TBoardData& grid, const TTileStateGrid& states);
    static TSimpleObjectArray LinesOf(const TLineValues& values, uint8_t value);
    static bool HasLineOf(const TLineValues& values, uint8_t value);
    // Bit v set for every value v that has a line.
    static uint32_t ValuesInLines(const TLineValues& values);
    static bool HasLineThrough(const TLineValues& values, int x, int y);
    static bool AnyLine(const TLineValues& values, bool withPotions);
    static TTileStateGrid RestingStates(const TBoardData& grid);
    static uint8_t RestingState(const TBoardTile& tile);
    bool IsBottomPotion(int x, int y) const;
    void AddCollectables(TSimpleObjectArray& mask) const;
    // A line's blow on one tile: grouped, or its web and chain absorb it. Returns True if grouped.
    bool StrikeTile(int x, int y, TSimpleObjectArray& grouped);
    void AbsorbBlow(int x, int y);
    void ChaseWorms(const TSimpleObjectArray& cells);
    void FinishGrouping(const TSimpleObjectArray& grouped, bool triggeredByBlaster);
    void NewFlowerThreshold();
    bool AskFlowerAllowed();
    void PlaceFoundFlower(int x, int y);

    // -- gravity, hints, shuffle (GameBoardClassGravity.cpp, GameBoardClassShuffle.cpp) --
    bool HoldsUpColumn(int x, int y) const;
    bool IsSegmentTop(int x, int y) const;
    bool BlankBelow(int x, int y) const;
    void GravityStep();
    void DropTile(int x, int y);
    void StartBounce(int x);
    void StepBounces();
    void StepHintTimer();
    void StepNoMoreMovesTimer();
    void StepCascadeDelay();
    void MakeBlank(int x, int y);
    uint8_t GenerateCodeIn(int first, int last) const;
    static bool FindMoveOn(const TBoardData& grid, const TTileStateGrid& states, TPoint start,
                           TPoint& pos1, TPoint& pos2);
    static bool HasMoveOn(const TBoardData& grid, const TTileStateGrid& states);
    void ShuffleOnce(TBoardData& grid) const;
    void ResolveShuffleMarks(TBoardData& copy) const;
    void PutSpecialsBack(TBoardData& copy, const TBoardGrid<bool>& potionCells,
                         int counts[4]) const;

    // -- special tiles (GameBoardClassSpecials.cpp) --
    void StepUniFruitColor();
    void StepWorms();
    void StepBlasterWave();
    void StepShakeDecay();
    void ProcessBlasterRing(int ring);
    void SpawnSpecialElement(TPoint pos);
    void SpawnToolItem(TPoint pos);
    void Explode(TPoint pos);
    void StepToolHighlight();
    void DrawToolHighlight(int x, int y, TPoint at) const;
    int CountCode(uint8_t code) const;
    int CountBombs() const;
    void SetRingAmplitudes(TPoint centre, int everywhere, const int byRing[4]);
    static uint8_t NextUniFruitCode(uint8_t code, const TFlowerIdxSet& set);

    // -- selection and drawing (GameBoardClass.cpp) --
    void TileClick(TPoint pos);
    void HideSelection() { SelectionVisible = false; }
    TSwappedObjectsData DescribeSwap(TPoint first, TPoint second) const;
    void RollShakeOffsets();
    void DrawBackground() const;
    void DrawElements();
    void DrawReveals();
    void DrawCovers() const;
    void DrawSelection();
    TPoint ElementPoint(int x, int y) const;
    bool IsElementHidden(int x, int y) const;
    // One of the two tiles the visible hint lifts off the board.
    bool IsHintTile(int x, int y) const;
    int BounceOffset(int x, int y) const;

    template <typename Event, typename... Args>
    static void Raise(const Event& event, Args&&... args) {
        if (event) event(std::forward<Args>(args)...);
    }

    TBoardData Grid;
    TTileStateGrid States;
    TFlowerIdxSet LevelElementSet;

    bool SelectionVisible = false;
    uint8_t SelectionPattern = 0;
    TPoint FirstSelectedPos;
    TPoint LastClickedPos;
    bool MouseHeldFlag = false;
    int SelectionAlpha = 50;
    bool SelectionAlphaRising = true;

    bool CascadeArmed = false;
    int CascadeTimer = 0;

    int HintTimer = 0;
    bool HintVisible = false;
    int HintShowingTimer = 0;
    TPoint HintFirst;
    TPoint HintSecond;
    uint8_t HintKind = okFruit;
    int HintWiggle = 0;
    bool HintWiggleRising = true;

    int NoMoreMovesTimer = 0;
    bool NoMoreMovesReported = false;

    TBoardGrid<TBounce> Bounces;
    int UniFruitSpawnCounter = 0;
    int FruitBombSpawnCounter = 0;

    bool PendingCombo = false;
    int FlowerThreshold = 0;
    int CheckCounter = 0;
    int LastFlowerIndex = 1;

    uint8_t UniFruitCode = 1;
    int UniFruitColorTimer = 0;
    int UniWobbleStep = 0; // w = step * 0.0075, 0..10
    bool UniWobbleRising = true;
    TBoardGrid<TReveal> Reveals;
    TBoardGrid<bool> FairyWaiting;
    uint8_t BlasterTarget = 1;
    TBlasterWave Wave;
    TBoardGrid<uint8_t> Shake;
    TBoardGrid<uint8_t> ShakeOffsets; // this frame's displacement of each tile
    int ShakeTimer = ShakeHoldMs;
    int PotionGlow = 0; // -60..120; drawn clamped to 0..80
    bool PotionGlowRising = true;
    std::vector<TRingCell> RingCells;
    TBoardGrid<bool> ToolHighlight;
    int HighlightAlpha = HighlightAlphaStart;
};
