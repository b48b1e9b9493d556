#include "effects/SwapEffectClass.h"

#include "board/BoardTileDrawing.h"

#include <utility>

namespace {

constexpr float SwapScale = 1.15f;
constexpr int ShadowOffsetX = 2;
constexpr int ShadowOffsetY = 5;
constexpr uint8_t ShadowAlpha = 80;

// Index 0 and 1 of every pair change places: the record then describes the other object first.
void ExchangePairs(TSwappedObjectsData& data) {
    std::swap(data.ObjectKind[0], data.ObjectKind[1]);
    std::swap(data.IsSpecial[0], data.IsSpecial[1]);
    std::swap(data.ImageIdx[0], data.ImageIdx[1]);
    std::swap(data.BombFlag[0], data.BombFlag[1]);
    std::swap(data.WormState[0], data.WormState[1]);
}

// One of the two moving objects, lifted off the board: its shadow first, then the object.
void DrawSwappedObject(const TSwappedObjectsData& data, int side, int x, int y,
                       uint8_t uniFruitCode) {
    const TBoardTile tile = SwappedObjectTile(data, side);
    TTileLook shadow = ShadowLook(SwapScale, ShadowAlpha);
    shadow.UniFruitCode = uniFruitCode;
    DrawTileObject(tile, x + ShadowOffsetX, y + ShadowOffsetY, shadow);
    TTileLook lifted;
    lifted.Scale = SwapScale;
    lifted.UniFruitCode = uniFruitCode;
    DrawTileObject(tile, x, y, lifted);
}

} // namespace

void TSwapEffect::StartSwap(const TSwappedObjectsData& data, bool matchOccurs) {
    const int index = Instances.Take([this](int victim) { FinishEarly(Instances[victim]); });
    TSwapInstance& swap = Instances[index];
    swap.Data = data;
    swap.Step =
        data.ObjectKind[0] == okFruit && matchOccurs ? QuickPosShiftStep : NormalPosShiftStep;
    swap.SwapObjKind = static_cast<TTileObjectKind>(data.ObjectKind[0]);
    // The board only asks for neighbours in one row or one column.
    const bool horizontal = data.Object1Pos.Y == data.Object2Pos.Y;
    swap.Direction = horizontal ? 0 : 1;
    const bool firstLeads =
        horizontal ? data.Object1Pos.X < data.Object2Pos.X : data.Object1Pos.Y < data.Object2Pos.Y;
    swap.PosA = firstLeads ? data.Object1Pos : data.Object2Pos;
    swap.PosB = firstLeads ? data.Object2Pos : data.Object1Pos;
    if (!firstLeads) ExchangePairs(swap.Data);
    swap.SwappingBack = false;
    swap.Shift = 0;
    swap.Active = true;
    swap.MatchOccurs = matchOccurs;
}

void TSwapEffect::Tick() {
    if (!Visible) return;
    for (int i = 0; i < Capacity; ++i) {
        TSwapInstance& swap = Instances[i];
        if (!swap.Active) continue;
        const TSwapEnding ending = Advance(swap);
        // Drawn on its last tick too; the handlers may reuse the entry, so draw first.
        Draw(swap);
        RaiseEnding(ending, swap);
    }
}

void TSwapEffect::Clear() {
    for (int i = 0; i < Capacity; ++i) Instances[i].Active = false;
}

TSwapEffect::TSwapEnding TSwapEffect::Advance(TSwapInstance& swap) const {
    swap.Shift += IsReducedEffectsMode() ? 2 * swap.Step : swap.Step;
    if (swap.Shift <= TileSize) return TSwapEnding::None;
    swap.Shift = TileSize;
    if (swap.MatchOccurs) {
        swap.Active = false;
        return TSwapEnding::Complete;
    }
    if (!swap.SwappingBack) {
        // Each object now travels home from where the first phase left it.
        swap.SwappingBack = true;
        swap.Step = SwapBackPosShiftStep;
        ExchangePairs(swap.Data);
        swap.Shift = 0;
        return TSwapEnding::None;
    }
    swap.Active = false;
    return TSwapEnding::SwappedBack;
}

void TSwapEffect::Draw(const TSwapInstance& swap) const {
    const int dx = swap.Direction == 0 ? swap.Shift : 0;
    const int dy = swap.Direction == 1 ? swap.Shift : 0;
    const TPoint a = TileScreenPos(swap.PosA);
    const TPoint b = TileScreenPos(swap.PosB);
    DrawSwappedObject(swap.Data, 0, a.X + dx, a.Y + dy, UniFruitCode);
    DrawSwappedObject(swap.Data, 1, b.X - dx, b.Y - dy, UniFruitCode);
}

void TSwapEffect::RaiseEnding(TSwapEnding ending, const TSwapInstance& swap) const {
    // Copies: a handler may start a new swap in this very entry.
    const TTileObjectKind kind = swap.SwapObjKind;
    const TPoint posA = swap.PosA;
    const TPoint posB = swap.PosB;
    if (ending == TSwapEnding::Complete && OnEffectComplete) OnEffectComplete(kind, posA, posB);
    if (ending == TSwapEnding::SwappedBack && OnSwapBackComplete)
        OnSwapBackComplete(kind, posA, posB);
}

// A swap pushed out of a full table still hands its tiles back, as if it had run to its end.
void TSwapEffect::FinishEarly(TSwapInstance& swap) const {
    swap.Active = false;
    RaiseEnding(swap.MatchOccurs ? TSwapEnding::Complete : TSwapEnding::SwappedBack, swap);
}
