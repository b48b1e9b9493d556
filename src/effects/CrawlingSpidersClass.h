#pragma once
// TCrawlingSpiders: the spider waves of a round. After every so many cleared tiles a wave drops
// onto the top of the board; its spiders crawl from tile to tile, now and then pause, spin webs
// where the board allows, and leave once the wave has spun its share. A spider knocked off (by a
// click, a strike, a spray or a line through its tile) is either gathered or rolls off the screen.
// The component decides movement and timing; the board decides which tiles take a web.
#include "board/GameData.h"
#include "engine/AnimDataClass.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

class TCrawlingSpiders {
public:
    static constexpr int SlotCount = 20;

    enum TSpiderState : uint8_t {
        ssCrawling = 0,
        ssPausing = 1,
        ssAnchoring = 2, // the start of spinning
        ssSpinning = 3,
        ssFree = 4, // no spider in the slot
        ssFallingAway = 5,
        ssWalkingOff = 6,
        ssDropping = 7, // onto the board, at a wave's start
        ssHit = 8,
        ssRolling = 9
    };

    struct TSpider {
        TSpiderState State = ssFree;
        TPoint Tile;       // 1-based board cell
        TPoint TargetTile; // the cell it crawls to
        TPoint Anchor;     // screen pixels
        TPoint TargetAnchor;
        int Angle = 0; // degrees, while rolling
        TAnimData Walking;
        TAnimData Spinning;
        TAnimData Anchoring;
        TAnimData Hit;
        int SpinTimer = 0;  // ms
        int PauseTimer = 0; // ms
        TPoint HitPoint{NoHitPoint, NoHitPoint};
    };
    static constexpr int NoHitPoint = -99;

    bool Visible = true;
    // Tool tips: spiders on the board neither animate nor act; dropping, leaving and knocked
    // spiders keep moving.
    bool Frozen = false;
    int OneWebEveryProb = 15;
    int MoveStep = 2; // pixels per tick and axis
    int OneStoppingEveryProb = 6;
    int StoppingTime = 400; // ms
    int MakeWebTime = 5000; // ms
    int FallingMoveStep = 17;
    int WalkAwayMoveStep = 13;
    int VertGroundYPos = 730;
    int DisappearHorzXPos = 1366;
    int DisappearVertYPos = 768;
    // Spiders per wave, counting those already on the board.
    int MaxSpidersOnBoard = 2;
    // Webs the board may hold.
    int MaxWebs = 3;
    // Cleared tiles between waves; 0: no waves.
    int FruitsInterval = 60;
    int DustEffectAfterHitRange = 150;
    // The "SpiderWalking" tile size, once the pictures are loaded.
    int SpiderWidth = 84;
    int SpiderHeight = 74;
    int SpiderAdjustX = -20;
    int SpiderAdjustY = -29;
    int SpiderRollAdjX = 0;
    int SpiderRollAdjY = -10;
    int ShadowAlpha = 60;
    int ShadowAdjustX = 6;
    int ShadowAdjustY = 3;

    // A wave is due.
    std::function<void()> OnFruitsIntervalReached;
    // The cell a new spider drops onto; (0, 0) when the board has none.
    std::function<void(TPoint& topTilePos)> OnTopBoardPosRequest;
    std::function<void(TPoint tilePos, bool& tilePossibleToWeb)> OnTilePossibleToWebQuestion;
    // A web is finished on the cell.
    std::function<void(TPoint tilePos)> OnPutWeb;
    std::function<void(TPoint landingPos)> OnAnySpiderLanding;
    // A knocked spider's hit has played at (x, y): set isRequiredElement when it is gathered.
    std::function<void(int x, int y, bool& isRequiredElement)> OnOneSpiderHit;
    // A rolling spider is still close below where it was hit.
    std::function<void(TPoint pos)> OnFallingPosUpdate;

    TCrawlingSpiders();
    void TakeSize();
    // Round start: no spiders, no wave, not frozen.
    void Reset();
    // One cleared tile towards the next wave.
    void CountClearedTile();
    // The board as the wave starts: spiders keep off its unused cells.
    void TakeBoardData(const TBoardData& board) { board_ = board; }
    void StartWave(int websOnBoard);

    // Knocking spiders off. Only spiders on the board (crawling, pausing, anchoring, spinning)
    // can be hit, except by KnockOffAll.
    void KnockOffByMap(const TSimpleObjectArray& map); // every cell not 0
    // Every cell the board's state grid shows as cleared (falling or empty).
    void KnockOffOnClearedTiles(const TTileStateGrid& states);
    // A strike at one cell (the hammer, the bomb).
    void KnockOffAtTile(TPoint tile);
    // A spray: every spider whose sprite centre lies inside the rectangle.
    void KnockOffInRect(const TRect& rect);
    // A click at a screen point: every spider whose body is under it; False when none.
    bool KnockOffAtPoint(TPoint point);
    // Round end, reshuffle: every spider not already knocked, and the rest of the wave cancelled.
    void KnockOffAll();

    // Spiders crawling, pausing, anchoring, spinning or dropping in.
    int SpidersOnBoard() const;
    void UpdateAndDraw();

    const TSpider& Spider(int slot) const { return spiders_[static_cast<size_t>(slot)]; }
    int SpidersToAdd() const { return spidersToAdd_; }
    int WebsAllowed() const { return websAllowed_; }
    int WebsSpun() const { return websSpun_; }
    int ClearedTileCounter() const { return clearedTiles_; }

private:
    static TPoint AnchorOf(TPoint tile);
    static int NewAddDelay();
    void StepWave();
    void AddOneSpider();
    void StepSpider(TSpider& spider);
    void Crawl(TSpider& spider);
    void Arrive(TSpider& spider);
    // A web is wanted while the wave's share is not spun or being spun already.
    bool WebWanted(const TSpider& spider) const;
    int WebsBeingSpun() const;
    bool TileBeingWebbed(TPoint tile) const;
    bool MayCrawlTo(TPoint tile) const;
    void ChooseNextTile(TSpider& spider);
    void Leave(TSpider& spider);
    void Fall(TSpider& spider, TSpiderState next);
    void StepHit(TSpider& spider);
    void Roll(TSpider& spider);
    static bool Hittable(const TSpider& spider);
    void HitSpider(TSpider& spider);
    template <typename Covered> void KnockOffWhere(Covered&& covered);
    // The sprite's shadow, then the sprite; `shadowFactor` 2 for spiders off the ground.
    void DrawSpider(const TSpider& spider, std::string_view name, int pattern,
                    int shadowFactor) const;
    void DrawRolling(const TSpider& spider) const;

    std::array<TSpider, SlotCount> spiders_{};
    TBoardData board_{};
    int clearedTiles_ = 0;
    int websAllowed_ = 0;
    int websSpun_ = 0;
    int spidersToAdd_ = 0;
    int addTimer_ = 0;
    int addDelay_ = 0;
};
