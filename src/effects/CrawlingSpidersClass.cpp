#include "effects/CrawlingSpidersClass.h"

#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

namespace {

// Walking and spinning loop; anchoring and the hit play once.
constexpr char WalkingSeq[] = "1122334455667788991";
constexpr char SpinningSeq[] = "112233441";
constexpr char AnchoringSeq[] = "11223344556677";
constexpr char HitSeq[] = "1122334455";
// The rolling spider shows the hit's last picture.
constexpr int RollingPattern = 5;
constexpr int RollingTurnStep = 12;
constexpr float RollingCenterX = 0.65f;
constexpr float RollingCenterY = 0.25f;
// A spider's anchor sits this far into its tile.
constexpr TPoint AnchorInTile{4, 18};
// New spiders of a wave come one after another: 350 ms plus up to nine more steps of 350 ms.
constexpr int AddDelayStep = 350;
constexpr int AddDelaySteps = 10;
// A new spider starts up to 14 rows of 32 px above the screen.
constexpr int DropRowHeight = 32;
constexpr int DropRows = 15;
// A spider that finds no way on after this many draws stays where it is.
constexpr int MostDirectionDraws = 10000;
constexpr TPoint Neighbours[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}; // up, down, left, right
constexpr int FullTurn = 360;

int StepTowards(int value, int target, int step) {
    return static_cast<int>(MovedTowards(value, target, step));
}

} // namespace

TCrawlingSpiders::TCrawlingSpiders() {
    Reset();
}

void TCrawlingSpiders::TakeSize() {
    const TPoint size = ImageTileSize(Pictures::SpiderWalking);
    if (size.X <= 0 || size.Y <= 0) return;
    SpiderWidth = size.X;
    SpiderHeight = size.Y;
}

void TCrawlingSpiders::Reset() {
    for (TSpider& spider : spiders_) {
        spider = {};
        spider.Walking.SetSeq(WalkingSeq);
        spider.Spinning.SetSeq(SpinningSeq);
        spider.Anchoring.SetSeq(AnchoringSeq);
        spider.Anchoring.Looped = false;
        spider.Hit.SetSeq(HitSeq);
        spider.Hit.Looped = false;
    }
    board_ = {};
    clearedTiles_ = 0;
    websAllowed_ = 0;
    websSpun_ = 0;
    spidersToAdd_ = 0;
    addTimer_ = 0;
    addDelay_ = 0;
    Frozen = false;
}

TPoint TCrawlingSpiders::AnchorOf(TPoint tile) {
    const TPoint corner = TileScreenPos(tile);
    return {corner.X + AnchorInTile.X, corner.Y + AnchorInTile.Y};
}

int TCrawlingSpiders::NewAddDelay() {
    return AddDelayStep + AddDelayStep * Random(AddDelaySteps);
}

// ---- Waves ----

void TCrawlingSpiders::CountClearedTile() {
    if (FruitsInterval <= 0) return;
    if (++clearedTiles_ < FruitsInterval) return;
    clearedTiles_ = 0;
    if (OnFruitsIntervalReached) OnFruitsIntervalReached();
}

void TCrawlingSpiders::StartWave(int websOnBoard) {
    websAllowed_ = MaxWebs - websOnBoard;
    websSpun_ = 0;
    spidersToAdd_ = MaxSpidersOnBoard - SpidersOnBoard();
    addTimer_ = 0;
    addDelay_ = NewAddDelay();
    clearedTiles_ = 0;
}

void TCrawlingSpiders::StepWave() {
    if (Frozen || spidersToAdd_ <= 0) return;
    if (!AdvanceTickTimer(addTimer_, addDelay_)) return;
    addTimer_ = 0;
    addDelay_ = NewAddDelay();
    --spidersToAdd_;
    AddOneSpider();
}

// A wave that has spun its webs adds no more spiders; a board without an entry cell takes none.
void TCrawlingSpiders::AddOneSpider() {
    TSpider* free = nullptr;
    for (TSpider& spider : spiders_)
        if (spider.State == ssFree) {
            free = &spider;
            break;
        }
    if (free == nullptr || websSpun_ >= websAllowed_) return;
    TPoint entry{};
    if (OnTopBoardPosRequest) OnTopBoardPosRequest(entry);
    if (!IsBoardCell(entry)) return;
    TSpider& spider = *free;
    spider.Tile = entry;
    spider.TargetTile = entry;
    spider.TargetAnchor = AnchorOf(entry);
    spider.Anchor = {spider.TargetAnchor.X, -DropRowHeight * Random(DropRows)};
    spider.HitPoint = {NoHitPoint, NoHitPoint};
    spider.State = ssDropping;
}

int TCrawlingSpiders::SpidersOnBoard() const {
    int count = 0;
    for (const TSpider& spider : spiders_)
        count += spider.State <= ssSpinning || spider.State == ssDropping ? 1 : 0;
    return count;
}

// ---- Each tick ----

void TCrawlingSpiders::UpdateAndDraw() {
    if (!Visible) return;
    StepWave();
    for (TSpider& spider : spiders_) StepSpider(spider);
}

void TCrawlingSpiders::StepSpider(TSpider& spider) {
    switch (spider.State) {
    case ssCrawling:
        if (!Frozen) Crawl(spider);
        DrawSpider(spider, Pictures::SpiderWalking, spider.Walking.CurrentFrame(), 1);
        break;
    case ssPausing:
        DrawSpider(spider, Pictures::SpiderWalking, spider.Walking.CurrentFrame(), 1);
        if (!Frozen && AdvanceTickTimer(spider.PauseTimer, StoppingTime)) spider.State = ssCrawling;
        break;
    case ssAnchoring:
        if (!Frozen) spider.Anchoring.Advance();
        DrawSpider(spider, Pictures::SpiderAnchoring, spider.Anchoring.CurrentFrame(), 1);
        if (spider.Anchoring.IsLastFrame()) {
            spider.SpinTimer = 0;
            spider.State = ssSpinning;
        }
        break;
    case ssSpinning:
        if (!Frozen) spider.Spinning.Advance();
        DrawSpider(spider, Pictures::SpiderMakingWeb, spider.Spinning.CurrentFrame(), 1);
        if (!Frozen && AdvanceTickTimer(spider.SpinTimer, MakeWebTime)) {
            ++websSpun_;
            spider.State = ssCrawling;
            if (OnPutWeb && IsBoardCell(spider.Tile)) OnPutWeb(spider.Tile);
        }
        break;
    case ssFree:
        break;
    case ssFallingAway:
        Fall(spider, ssWalkingOff);
        DrawSpider(spider, Pictures::SpiderWalking, spider.Walking.CurrentFrame(), 2);
        break;
    case ssWalkingOff:
        spider.Walking.Advance();
        spider.Anchor.X += WalkAwayMoveStep;
        DrawSpider(spider, Pictures::SpiderWalking, spider.Walking.CurrentFrame(), 1);
        if (spider.Anchor.X >= spider.TargetAnchor.X) spider.State = ssFree;
        break;
    case ssDropping:
        Fall(spider, ssPausing);
        DrawSpider(spider, Pictures::SpiderWalking, spider.Walking.CurrentFrame(), 2);
        break;
    case ssHit:
        StepHit(spider);
        break;
    case ssRolling:
        Roll(spider);
        break;
    }
}

void TCrawlingSpiders::Crawl(TSpider& spider) {
    spider.Walking.Advance();
    spider.Anchor.X = StepTowards(spider.Anchor.X, spider.TargetAnchor.X, MoveStep);
    spider.Anchor.Y = StepTowards(spider.Anchor.Y, spider.TargetAnchor.Y, MoveStep);
    if (spider.Anchor == spider.TargetAnchor) Arrive(spider);
}

// On a new tile: spin a web there, pause, or crawl on; a wave whose webs are spun leaves.
void TCrawlingSpiders::Arrive(TSpider& spider) {
    spider.Tile = spider.TargetTile;
    if (WebWanted(spider)) {
        spider.Anchoring.Reset();
        spider.State = ssAnchoring;
        return;
    }
    if (Random(OneStoppingEveryProb) == 0) {
        spider.PauseTimer = 0;
        spider.State = ssPausing;
    } else {
        ChooseNextTile(spider);
    }
    if (spider.State == ssCrawling && websSpun_ >= websAllowed_) Leave(spider);
}

bool TCrawlingSpiders::WebWanted(const TSpider& spider) const {
    bool possible = false;
    if (OnTilePossibleToWebQuestion && IsBoardCell(spider.Tile))
        OnTilePossibleToWebQuestion(spider.Tile, possible);
    return websSpun_ + WebsBeingSpun() < websAllowed_ && possible &&
           !TileBeingWebbed(spider.Tile) && Random(OneWebEveryProb) == 0;
}

int TCrawlingSpiders::WebsBeingSpun() const {
    int count = 0;
    for (const TSpider& spider : spiders_)
        count += spider.State == ssAnchoring || spider.State == ssSpinning ? 1 : 0;
    return count;
}

bool TCrawlingSpiders::TileBeingWebbed(TPoint tile) const {
    for (const TSpider& other : spiders_)
        if ((other.State == ssAnchoring || other.State == ssSpinning) && other.Tile == tile)
            return true;
    return false;
}

bool TCrawlingSpiders::MayCrawlTo(TPoint tile) const {
    return IsBoardCell(tile) && board_(tile).ObjectKind != okUnused;
}

// A random way on, never off the board or onto an unused cell. A spider with no way at all
// stays without drawing in vain.
void TCrawlingSpiders::ChooseNextTile(TSpider& spider) {
    const auto neighbour = [&](int direction) {
        return TPoint{spider.Tile.X + Neighbours[direction].X,
                      spider.Tile.Y + Neighbours[direction].Y};
    };
    bool anyWay = false;
    for (int direction = 0; direction < 4; ++direction)
        anyWay = anyWay || MayCrawlTo(neighbour(direction));
    if (!anyWay) return;
    for (int draw = 0; draw < MostDirectionDraws; ++draw) {
        const TPoint next = neighbour(Random(4));
        if (!MayCrawlTo(next)) continue;
        spider.TargetTile = next;
        spider.Anchor = AnchorOf(spider.Tile);
        spider.TargetAnchor = AnchorOf(next);
        return;
    }
}

void TCrawlingSpiders::Leave(TSpider& spider) {
    spider.TargetAnchor = {spider.Anchor.X, VertGroundYPos};
    spider.State = ssFallingAway;
}

// Dropping onto the board lands it; falling to the ground sends it off to the right.
void TCrawlingSpiders::Fall(TSpider& spider, TSpiderState next) {
    spider.Anchor.Y += FallingMoveStep;
    if (spider.Anchor.Y < spider.TargetAnchor.Y) return;
    spider.Anchor.Y = spider.TargetAnchor.Y;
    spider.State = next;
    if (next == ssWalkingOff) {
        spider.TargetAnchor.X = DisappearHorzXPos;
        return;
    }
    spider.PauseTimer = 0;
    if (OnAnySpiderLanding) OnAnySpiderLanding(spider.Anchor);
}

void TCrawlingSpiders::StepHit(TSpider& spider) {
    spider.Hit.Advance();
    DrawSpider(spider, Pictures::SpiderHit, spider.Hit.CurrentFrame(), 2);
    if (!spider.Hit.IsLastFrame()) return;
    bool required = false;
    if (OnOneSpiderHit) OnOneSpiderHit(spider.Anchor.X, spider.Anchor.Y, required);
    if (required) {
        spider.State = ssFree;
        return;
    }
    spider.Angle = 0;
    spider.State = ssRolling;
}

void TCrawlingSpiders::Roll(TSpider& spider) {
    DrawRolling(spider);
    spider.Angle = (spider.Angle + RollingTurnStep) % FullTurn;
    spider.Anchor.Y += FallingMoveStep;
    if (spider.Anchor.Y >= DisappearVertYPos) {
        spider.State = ssFree;
        return;
    }
    if (spider.Anchor.Y - spider.HitPoint.Y <= DustEffectAfterHitRange && OnFallingPosUpdate)
        OnFallingPosUpdate(spider.Anchor);
}

// ---- Knocking off ----

bool TCrawlingSpiders::Hittable(const TSpider& spider) {
    return spider.State <= ssSpinning;
}

void TCrawlingSpiders::HitSpider(TSpider& spider) {
    spider.TargetAnchor = {spider.Anchor.X, DisappearVertYPos};
    spider.Hit.Reset();
    spider.State = ssHit;
    spider.HitPoint = spider.Anchor;
}

template <typename Covered> void TCrawlingSpiders::KnockOffWhere(Covered&& covered) {
    for (TSpider& spider : spiders_) {
        if (!Hittable(spider) || !covered(spider)) continue;
        PlaySound("SpiderHit");
        HitSpider(spider);
    }
}

void TCrawlingSpiders::KnockOffByMap(const TSimpleObjectArray& map) {
    KnockOffWhere(
        [&](const TSpider& spider) { return IsBoardCell(spider.Tile) && map(spider.Tile) != 0; });
}

void TCrawlingSpiders::KnockOffOnClearedTiles(const TTileStateGrid& states) {
    KnockOffWhere([&](const TSpider& spider) {
        return IsBoardCell(spider.Tile) && states(spider.Tile) == tsFalling;
    });
}

void TCrawlingSpiders::KnockOffAtTile(TPoint tile) {
    if (!IsBoardCell(tile)) return;
    KnockOffWhere([&](const TSpider& spider) { return spider.Tile == tile; });
}

void TCrawlingSpiders::KnockOffInRect(const TRect& rect) {
    KnockOffWhere([&](const TSpider& spider) {
        const int x = spider.Anchor.X + SpiderAdjustX + SpiderWidth / 2;
        const int y = spider.Anchor.Y + SpiderAdjustY + SpiderHeight / 2;
        return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
    });
}

// The body is a tile's size around the sprite's centre: the legs reach into the neighbours.
bool TCrawlingSpiders::KnockOffAtPoint(TPoint point) {
    bool any = false;
    KnockOffWhere([&](const TSpider& spider) {
        const int left = spider.Anchor.X + SpiderAdjustX + (SpiderWidth - TileSize) / 2;
        const int top = spider.Anchor.Y + SpiderAdjustY + (SpiderHeight - TileSize) / 2;
        const bool under = point.X >= left && point.X < left + TileSize && point.Y >= top &&
                           point.Y < top + TileSize;
        any = any || under;
        return under;
    });
    return any;
}

// A spider already knocked is not knocked again: its hit is reported once.
void TCrawlingSpiders::KnockOffAll() {
    bool any = false;
    for (TSpider& spider : spiders_) {
        if (spider.State == ssFree || spider.State == ssHit || spider.State == ssRolling) continue;
        HitSpider(spider);
        any = true;
    }
    spidersToAdd_ = 0;
    if (any) PlaySound("SpiderHit");
}

// ---- Drawing ----

void TCrawlingSpiders::DrawSpider(const TSpider& spider, std::string_view name, int pattern,
                                  int shadowFactor) const {
    const int x = spider.Anchor.X + SpiderAdjustX;
    const int y = spider.Anchor.Y + SpiderAdjustY;
    DrawImage(name, x + ShadowAdjustX * shadowFactor, y + ShadowAdjustY * shadowFactor, 0, 0, 0, 1,
              1, 0, 0, 0, static_cast<uint8_t>(ShadowAlpha), pattern);
    DrawImage(name, x, y, 0, 0, 0, 1, 1, 255, 255, 255, 255, pattern);
}

void TCrawlingSpiders::DrawRolling(const TSpider& spider) const {
    const int x = spider.Anchor.X + SpiderAdjustX + SpiderRollAdjX;
    const int y = spider.Anchor.Y + SpiderAdjustY + SpiderRollAdjY;
    const auto angle = static_cast<float>(spider.Angle);
    DrawImage(Pictures::SpiderHit, x + 2 * ShadowAdjustX, y + 2 * ShadowAdjustY, angle,
              RollingCenterX, RollingCenterY, 1, 1, 0, 0, 0, static_cast<uint8_t>(ShadowAlpha),
              RollingPattern);
    DrawImage(Pictures::SpiderHit, x, y, angle, RollingCenterX, RollingCenterY, 1, 1, 255, 255, 255,
              255, RollingPattern);
}
