// Special tiles: uni fruits, multi bubbles and the blaster wave, hammer objects, fruit bombs and
// the board shake, webs, worms and potions.
#include "board/BoardTileDrawing.h"
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"
#include "engine/SoundByName.h"

namespace {

// The 2x2 block a bomb covers, from its own cell.
constexpr TPoint BombBlock[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

bool IsElementCode(int code) {
    return code >= ecFirstFruit && code <= ecLastFlower;
}

template <typename Counts> int CountTiles(const TBoardData& grid, Counts counts) {
    int count = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (counts(grid(x, y))) ++count;
    return count;
}

} // namespace

// ---- Spawning ----

int TGameBoard::CountCode(uint8_t code) const {
    return CountTiles(Grid, [code](const TBoardTile& tile) {
        return tile.IsPlayable() && tile.ElementCode == code;
    });
}

int TGameBoard::CountBombs() const {
    return CountTiles(Grid, [](const TBoardTile& tile) {
        return tile.ObjectKind == okFruit && tile.FruitBomb != 0;
    });
}

// The rules in their order; none places a special on a tile that already holds one.
void TGameBoard::SpawnSpecialElement(TPoint pos) {
    TBoardTile& tile = Grid(pos);
    if (!IsSpecialObject(tile) && OneUniFruitEveryInterval > 0 &&
        UniFruitSpawnCounter >= OneUniFruitEveryInterval &&
        CountCode(ecUniFruit) < MaxUniFruitOnBoard) {
        UniFruitSpawnCounter = 0;
        tile.ElementCode = ecUniFruit;
        Raise(OnFruitBubbleAdded);
    }
    if (!IsSpecialObject(tile) && OneMultiBubbleEveryProb > 0 &&
        Random(OneMultiBubbleEveryProb) == 0 && CountCode(ecMultiBubble) < MaxMultiBubbleOnBoard) {
        tile.ElementCode = ecMultiBubble;
        tile.BlasterCode = GenerateElementCode();
        Raise(OnFruitBlasterAdded);
    }
    if (!IsSpecialObject(tile) && OneHammerEveryProb > 0 && Random(OneHammerEveryProb) == 0 &&
        CountCode(ecHammerObject) < MaxHammersOnBoard) {
        tile.ElementCode = ecHammerObject;
        Raise(OnHammerAdded);
    }
    if (!IsSpecialObject(tile) && OneFruitBombEveryInterval > 0 &&
        FruitBombSpawnCounter >= OneFruitBombEveryInterval && CountBombs() < MaxFruitBombsOnBoard) {
        FruitBombSpawnCounter = 0;
        tile.FruitBomb = 1;
        Raise(OnFruitBombAdded);
    }
}

// ---- Clicked objects ----

void TGameBoard::ActivateObject(TPoint pos) {
    if (!IsBoardCell(pos) || Grid(pos).ObjectKind != okFruit) return;
    Raise(OnNoMatchTimerReset);
    TBoardTile& tile = Grid(pos);
    switch (tile.ElementCode) {
    case ecUniFruit:
        PlaySound("BubblePop");
        Raise(OnUniBubbleEffectRequest, pos);
        tile.ElementCode = UniFruitCode;
        Reveals(pos) = {true, 0};
        break;
    case ecMultiBubble: {
        PlaySound("ItemActivated");
        // The bubble turns into the element it carried; a carried value off the table gives a
        // fresh element instead.
        const uint8_t code = IsElementCode(tile.BlasterCode)
                                 ? static_cast<uint8_t>(tile.BlasterCode)
                                 : GenerateElementCode();
        tile.BlasterCode = code;
        tile.ElementCode = code;
        BlasterTarget = code;
        Raise(OnMultiBubbleClicked, pos, TPoint{}, static_cast<int>(code));
        break;
    }
    case ecHammerObject:
        PlaySound("ItemActivated");
        States(pos) = tsStruck;
        Raise(OnHammerEffectRequest, pos);
        break;
    default:
        break;
    }
    HideSelection();
}

// ---- Uni fruits ----

uint8_t TGameBoard::NextUniFruitCode(uint8_t code, const TFlowerIdxSet& set) {
    int next = IsElementCode(code) ? code : ecLastFlower;
    for (int i = 0; i < ecLastFlower; ++i) {
        next = next % ecLastFlower + 1;
        if (set.Has(next)) return static_cast<uint8_t>(next);
    }
    return code;
}

void TGameBoard::StepUniFruitColor() {
    if (AdvanceTickTimer(UniFruitColorTimer, UniFruitInterval)) {
        UniFruitColorTimer = 0;
        UniFruitCode = NextUniFruitCode(UniFruitCode, LevelElementSet);
    }
    UniWobbleStep += UniWobbleRising ? 1 : -1;
    if (UniWobbleStep >= 10) UniWobbleRising = false;
    if (UniWobbleStep <= 0) UniWobbleRising = true;
}

// Draws the revealed elements, then moves every reveal on by a frame; a finished reveal looks
// for the lines the new element made.
void TGameBoard::DrawReveals() {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (!Reveals(x, y).Active || States(x, y) == tsSwapping || States(x, y) == tsStruck)
                continue;
            const TPoint at = ElementPoint(x, y);
            DrawTileObject(Grid(x, y), at.X, at.Y);
        }
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TReveal& reveal = Reveals(x, y);
            if (!reveal.Active || ++reveal.Frame < RevealFrames) continue;
            reveal = {};
            PendingCombo = true;
            CheckMatches();
        }
}

// ---- Multi bubbles and the blaster wave ----

void TGameBoard::StartBlasterWave(TPoint pos) {
    if (!IsBoardCell(pos)) return;
    Wave = {true, false, pos, 0, 0};
    ProcessBlasterRing(0);
}

bool TGameBoard::IsBlasterWaveEarly() const {
    return Wave.Running && Wave.Step < BlasterWaveFiringStep && !Wave.Fired;
}

// The cells at one walking distance from the centre shake, and the target elements there shine.
void TGameBoard::ProcessBlasterRing(int ring) {
    const TPoint centre = Wave.Centre;
    auto reach = [this](TPoint cell) {
        if (!IsBoardCell(cell)) return;
        Shake(cell) = 7;
        const TBoardTile& tile = Grid(cell);
        if (tile.ObjectKind == okFruit && tile.ElementCode == BlasterTarget && tile.Web == 0)
            Raise(OnStarsEffectRequest, cell);
    };
    for (int dx = -ring; dx <= ring; ++dx) {
        const int dy = ring - (dx < 0 ? -dx : dx);
        reach({centre.X + dx, centre.Y + dy});
        if (dy != 0) reach({centre.X + dx, centre.Y - dy});
    }
}

void TGameBoard::StepBlasterWave() {
    if (!Wave.Running) return;
    if (AdvanceTickTimer(Wave.Timer, 2 * GameTickMs)) {
        Wave.Timer = 0;
        ++Wave.Step;
        ProcessBlasterRing(Wave.Step);
        if (Wave.Step >= BlasterWaveLastStep) Wave.Running = false;
    }
    if (Wave.Step >= BlasterWaveFiringStep && !Wave.Fired) {
        Wave.Fired = true;
        GroupElementsOfCode(BlasterTarget);
    }
}

// ---- Hammer objects ----

void TGameBoard::HammerStrike(TPoint pos) {
    if (!IsBoardCell(pos)) return;
    TSimpleObjectArray struck;
    const TPoint around[5] = {
        pos, {pos.X, pos.Y - 1}, {pos.X + 1, pos.Y}, {pos.X, pos.Y + 1}, {pos.X - 1, pos.Y}};
    for (int i = 0; i < 5; ++i) {
        const TPoint cell = around[i];
        // Chains and webs do not protect; holes, blockers and empty cells are never struck.
        if (!IsBoardCell(cell) || !Grid(cell).IsPlayable() || !TakesPartInLines(States(cell)))
            continue;
        States(cell) = tsStruck;
        if (i > 0) struck(cell) = 1;
    }
    const TBoardData snapshot = Grid;
    Raise(OnHammeredObjectsEffectRequest, snapshot, struck);
}

void TGameBoard::HammeredTilesRemoved() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (States(x, y) == tsStruck && Grid(x, y).IsPlayable()) MakeBlank(x, y);
    MarkFallingColumns();
}

// ---- Fruit bombs ----

void TGameBoard::DetonateFruitBombs(const TSimpleObjectArray& map) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (map(x, y) == 0 || Grid(x, y).FruitBomb == 0) continue;
            // A bomb goes off once.
            Grid(x, y).FruitBomb = 0;
            Explode({x, y});
        }
}

// A fruit bomb or the bomb tool: the blast, the enemies in its block, the block, the shake.
void TGameBoard::Explode(TPoint pos) {
    Raise(OnExplossionEffectRequest, pos);
    BanEnemies(pos);
    BlowBlock(pos);
    StartShake(pos);
}

void TGameBoard::BanEnemies(TPoint pos) {
    if (!IsBoardCell(pos)) return;
    TSimpleObjectArray banned;
    for (const TPoint& offset : BombBlock) {
        const TPoint cell{pos.X + offset.X, pos.Y + offset.Y};
        if (IsBoardCell(cell)) banned(cell) = 1;
    }
    Raise(OnEnemiesBanned, banned);
}

void TGameBoard::BlowBlock(TPoint pos) {
    if (!IsBoardCell(pos)) return;
    TSimpleObjectArray blown;
    for (const TPoint& offset : BombBlock) {
        const TPoint cell{pos.X + offset.X, pos.Y + offset.Y};
        if (!IsBoardCell(cell)) continue;
        const TBoardTile& tile = Grid(cell);
        if (tile.ObjectKind == okFruit && IsElementCode(tile.ElementCode) &&
            TakesPartInLines(States(cell)))
            blown(cell) = 1;
    }
    if (blown == TSimpleObjectArray{}) return;
    ChaseWorms(blown);
    // Chains and webs do not save a blown tile; they are torn and weakened with it.
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (blown(x, y) == 0) continue;
            MakeBlank(x, y);
            AbsorbBlow(x, y);
        }
    const TBoardData snapshot = Grid;
    Raise(OnFallingElementsEffectRequest, snapshot, blown);
    Raise(OnRemoveLockerFrames, blown);
}

// ---- Shake ----

void TGameBoard::SetRingAmplitudes(TPoint centre, int everywhere, const int byRing[4]) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) Shake(x, y) = static_cast<uint8_t>(everywhere);
    for (const TRingCell& ring : RingCells) {
        const TPoint cell{centre.X + ring.DX, centre.Y + ring.DY};
        if (IsBoardCell(cell) && byRing[ring.Ring - 1] > 0)
            Shake(cell) = static_cast<uint8_t>(byRing[ring.Ring - 1]);
    }
    ShakeTimer = 0;
}

void TGameBoard::StartShake(TPoint pos) {
    const int byRing[4] = {7, 6, 5, 3};
    SetRingAmplitudes(pos, 2, byRing);
}

void TGameBoard::StartSmallShake(TPoint pos) {
    const int byRing[4] = {3, 2, 2, 0};
    SetRingAmplitudes(pos, 1, byRing);
}

void TGameBoard::StepShakeDecay() {
    if (!AdvanceTickTimer(ShakeTimer, ShakeHoldMs)) return;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (Shake(x, y) > 0) --Shake(x, y);
}

// ---- Webs ----

namespace {
// Webs go only on plain elements and lockers.
bool CanCarryWeb(const TBoardTile& tile) {
    return tile.IsPlayable() && !IsSpecialObject(tile) && !IsPotionCode(tile.ElementCode) &&
           !IsFlowerCode(tile.ElementCode);
}
} // namespace

bool TGameBoard::CanTakeWeb(TPoint pos) const {
    if (!IsBoardCell(pos)) return false;
    const TBoardTile& tile = Grid(pos);
    return CanCarryWeb(tile) && tile.WormState == 0 && tile.Web == 0 && tile.ChainLevel == 0;
}

void TGameBoard::PutWeb(TPoint pos) {
    if (!IsBoardCell(pos) || !CanCarryWeb(Grid(pos))) return;
    Grid(pos).Web = 1;
    if (SelectionVisible && FirstSelectedPos == pos) HideSelection();
}

void TGameBoard::TearWeb(TPoint pos) {
    if (!IsBoardCell(pos) || Grid(pos).Web == 0) return;
    Grid(pos).Web = 0;
    Raise(OnWebEffectRequest, pos);
}

bool TGameBoard::HasWeb(TPoint pos) const {
    return IsBoardCell(pos) && Grid(pos).Web != 0;
}

int TGameBoard::WebCount() const {
    return CountTiles(Grid, [](const TBoardTile& tile) { return tile.Web != 0; });
}

TPoint TGameBoard::SpiderEntryCell() const {
    auto firstFromTop = [&](int x) {
        for (int y = 1; y <= BoardRows; ++y)
            if (Grid(x, y).IsPlayable()) return TPoint{x, y};
        return TPoint{};
    };
    bool anyCell = false;
    for (int x = 1; x <= BoardColumns && !anyCell; ++x) anyCell = IsBoardCell(firstFromTop(x));
    if (!anyCell) return {};
    for (int pick = 0; pick < 10000; ++pick) {
        const TPoint cell = firstFromTop(Random(BoardColumns) + 1);
        if (IsBoardCell(cell)) return cell;
    }
    return {};
}

// ---- Worms ----

void TGameBoard::StepWorms() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = Grid(x, y);
            if (tile.ObjectKind != okFruit) continue;
            if (tile.WormState == 1) {
                if (!AdvanceTickTimer(tile.WormTime, WormEatingTime)) continue;
                tile.WormTime = 0;
                tile.WormState = 2;
            } else if (tile.WormState == 2) {
                // The first call for the fairy waits longer than the reminders.
                const int wait =
                    FairyWaiting(x, y) ? WaitingFairyRestoreInterval : FruitRegenerateTime;
                if (!AdvanceTickTimer(tile.WormTime, wait)) continue;
                tile.WormTime = 0;
                FairyWaiting(x, y) = true;
                Raise(OnFruitRestoreEffectRequest, TPoint{x, y});
            }
        }
}

int TGameBoard::WormCount() const {
    return CountTiles(Grid, [](const TBoardTile& tile) {
        return tile.ObjectKind == okFruit && tile.WormState == 1;
    });
}

void TGameBoard::RestoreFruit(TPoint pos) {
    if (!IsBoardCell(pos) || Grid(pos).WormState != 2 || !FairyWaiting(pos)) return;
    Grid(pos).WormState = 0;
    Grid(pos).WormTime = 0;
    FairyWaiting(pos) = false;
    CheckMatches();
}

// ---- Potions ----

bool TGameBoard::PutPotion(TPoint pos, uint8_t code) {
    if (!IsBoardCell(pos) || !Grid(pos).IsPlayable() || !IsPotionCode(code)) return false;
    TBoardTile& tile = Grid(pos);
    tile.ObjectKind = okFruit;
    tile.ElementCode = code;
    tile.WormState = 0;
    tile.WormTime = 0;
    return true;
}
