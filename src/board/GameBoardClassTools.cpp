// The board's side of the player's tools: which tiles a tool may act on, the highlight over the
// tiles under a carried tool, what each tool does when applied, and the tool items that come
// with new elements.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>

namespace {

constexpr uint8_t HighlightTile = 1;
constexpr uint8_t HighlightBlock = 2;
constexpr uint8_t HighlightSameCode = 3;
constexpr int HighlightShift = 2; // up and left of the element

constexpr TPoint BlockCells[4] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};

} // namespace

// ---- Queries ----

bool TGameBoard::IsNoCell(TPoint pos) const {
    if (!IsBoardCell(pos)) return true;
    const TBoardTile& tile = Grid(pos);
    return tile.ObjectKind == okUnused && tile.BackgroundStyle == 0;
}

bool TGameBoard::IsLocker(TPoint pos) const {
    return IsBoardCell(pos) && Grid(pos).ObjectKind == okLocker;
}

bool TGameBoard::IsPlayableCell(TPoint pos) const {
    return IsBoardCell(pos) && Grid(pos).IsPlayable();
}

bool TGameBoard::HasRemovableWeb(TPoint pos) const {
    if (!IsBoardCell(pos)) return false;
    const TBoardTile& tile = Grid(pos);
    return tile.IsPlayable() && tile.Web != 0 && tile.ChainLevel == 0;
}

// Plain elements and items; uni fruits and potions are not struck.
bool TGameBoard::IsStrikable(TPoint pos) const {
    if (!IsBoardCell(pos)) return false;
    const TBoardTile& tile = Grid(pos);
    const int code = tile.ElementCode;
    return tile.ObjectKind == okFruit && code != ecUniFruit && !IsPotionCode(code) &&
           (code <= ecLastFlower || IsItemCode(code));
}

uint8_t TGameBoard::ElementCodeAt(TPoint pos) const {
    return IsBoardCell(pos) ? Grid(pos).ElementCode : 0;
}

// ---- The magic key and the aerosol ----

void TGameBoard::OpenLocker(TPoint pos) {
    if (IsLocker(pos) && TakesPartInLines(States(pos))) {
        TSimpleObjectArray opening;
        opening(pos) = 1;
        States(pos) = tsLockerOpening;
        const TBoardData snapshot = Grid;
        Raise(OnOpeningLockersEffectRequest, snapshot, opening);
        Raise(OnNoMatchTimerReset);
    }
    HideSelection();
}

void TGameBoard::SprayWorms(const TRect& rect) {
    constexpr int HalfTile = TileSize / 2;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = Grid(x, y);
            if (tile.WormState != 1) continue;
            const TPoint centre = TileOrigin(Left + HalfTile, Top + HalfTile, x, y);
            if (centre.X < rect.Left || centre.X > rect.Right || centre.Y < rect.Top ||
                centre.Y > rect.Bottom)
                continue;
            tile.WormState = 0;
            tile.WormTime = 0;
            Raise(OnAFruitWormBanRequest, TPoint{x, y});
        }
}

// ---- The highlight under a collector tool ----

void TGameBoard::SetToolHighlight(TPoint pos, uint8_t toolType) {
    ClearToolHighlight();
    if (!IsBoardCell(pos) || !Grid(pos).IsPlayable()) return;
    const TBoardTile& target = Grid(pos);
    switch (toolType) {
    case HighlightTile:
        ToolHighlight(pos) = true;
        break;
    case HighlightBlock:
        for (const TPoint& offset : BlockCells) {
            const TPoint cell{pos.X + offset.X, pos.Y + offset.Y};
            if (IsBoardCell(cell)) ToolHighlight(cell) = true;
        }
        break;
    case HighlightSameCode:
        if (target.ElementCode == ecUniFruit || IsPotionCode(target.ElementCode)) break;
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y)
                ToolHighlight(x, y) =
                    Grid(x, y).IsPlayable() && Grid(x, y).ElementCode == target.ElementCode;
        break;
    default:
        break;
    }
}

void TGameBoard::ClearToolHighlight() {
    ToolHighlight = {};
    HighlightAlpha = HighlightAlphaStart;
}

bool TGameBoard::IsToolHighlighted(TPoint pos) const {
    return IsBoardCell(pos) && ToolHighlight(pos);
}

void TGameBoard::StepToolHighlight() {
    HighlightAlpha = std::min(HighlightAlpha + HighlightAlphaStep, HighlightAlphaTop);
}

// The glow fades in from a short dark pause after every change.
void TGameBoard::DrawToolHighlight(int x, int y, TPoint at) const {
    if (!ToolHighlight(x, y) || HighlightAlpha < 0) return;
    DrawImage(Pictures::ToolHighlight, at.X - HighlightShift, at.Y - HighlightShift, 0, 0, 0, 1, 1,
              255, 255, 255, static_cast<uint8_t>(HighlightAlpha), 0);
}

// ---- The collector tools ----

// A hammer blow groups its tile whatever covers it: the web is torn and the chain breaks whole.
// The strike reports chain level 1 for the chain's effect, as a last layer breaking.
void TGameBoard::HammerToolStrike(TPoint pos) {
    PlaySound("Hammer");
    TSimpleObjectArray grouped;
    if (IsBoardCell(pos) && Grid(pos).ObjectKind == okFruit && TakesPartInLines(States(pos))) {
        TBoardTile& tile = Grid(pos);
        States(pos) = tsGrouped;
        grouped(pos) = 1;
        TearWeb(pos);
        if (tile.ChainLevel > 0) {
            tile.ChainLevel = 0;
            Raise(OnChainLockEffectRequest, pos, static_cast<uint8_t>(1));
        }
    }
    FinishGrouping(grouped, true);
    if (grouped == TSimpleObjectArray{}) Raise(OnNoMatchTimerReset);
    HideSelection();
}

void TGameBoard::BombToolExplode(TPoint pos) {
    if (IsBoardCell(pos)) Explode(pos);
    Raise(OnNoMatchTimerReset);
    HideSelection();
}

void TGameBoard::BlasterToolFire(TPoint pos, TPoint toolPos) {
    if (IsStrikable(pos)) {
        PlaySound("ItemActivated");
        TBoardTile& tile = Grid(pos);
        tile.BlasterCode = tile.ElementCode;
        BlasterTarget = tile.ElementCode;
        Raise(OnMultiBubbleClicked, pos, toolPos, static_cast<int>(tile.ElementCode));
        Raise(OnNoMatchTimerReset);
    }
    HideSelection();
}

// ---- Tool items ----

// After the special elements, a new plain element may become a magic key, a broom or an
// aerosol item: by chance, one of a kind on the board at a time, while the player holds fewer
// than the most of that tool, and only for the tools the level allows.
void TGameBoard::SpawnToolItem(TPoint pos) {
    struct TItemRule {
        uint8_t Code;
        int Prob;
        const std::function<void(int&)>* Question;
    };
    const TItemRule rules[] = {
        {ecMagicKeyItem, OneMagicKeyEveryProb, &OnAcquiredMagicKeysQuestion},
        {ecBroomItem, OneBroomEveryProb, &OnAcquiredBroomsQuestion},
        {ecAerosolItem, OneAerosolEveryProb, &OnAcquiredAerosolsQuestion},
    };
    TBoardTile& tile = Grid(pos);
    for (const TItemRule& rule : rules) {
        if (IsSpecialObject(tile) || rule.Prob <= 0 || Random(rule.Prob) != 0) continue;
        if (MaxToolKind < ToolKindOfItem(rule.Code)) continue;
        const int onBoard = CountCode(rule.Code);
        int held = 0;
        Raise(*rule.Question, held);
        if (onBoard > 0 || onBoard + held >= MaxToolCount) continue;
        tile.ElementCode = rule.Code;
    }
}
