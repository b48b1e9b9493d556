#include "app/ElementGatherClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <string>

namespace {

constexpr int TElementGather::*Targets[TElementGather::SlotCount] = {
    &TElementGather::TargetPotions1,   &TElementGather::TargetPotions2,
    &TElementGather::TargetBananas,    &TElementGather::TargetStrawberries,
    &TElementGather::TargetApples,     &TElementGather::TargetGrapes,
    &TElementGather::TargetOranges,    &TElementGather::TargetPlums,
    &TElementGather::TargetCherries,   &TElementGather::TargetGuavas,
    &TElementGather::TargetFlowers1,   &TElementGather::TargetFlowers2,
    &TElementGather::TargetFlowers3,   &TElementGather::TargetFlowers4,
    &TElementGather::TargetSpiders,    &TElementGather::TargetGoldTiles1,
    &TElementGather::TargetGoldTiles2,
};

// Patterns of the panel pieces.
constexpr int FirstPiece = 0;
constexpr int LastPiece = 2;
constexpr int SinglePiece = 3;
// A middle or last piece overlaps its left neighbour by this much.
constexpr int PieceOverlap = 3;
constexpr int WideCounterShift = 5;
constexpr uint8_t DoneIconAlpha = 125;
constexpr float IconScale = 0.9f;
constexpr int FallbackDigitWidth = 16;

bool IsSlotKind(int slotKind) {
    return slotKind >= 0 && slotKind < TElementGather::SlotCount;
}

} // namespace

int GatherSlotOfCode(int code) {
    if (IsFruitCode(code)) return ieFruit1 + code - ecFirstFruit;
    if (IsFlowerCode(code)) return ieFlower1 + code - ecFirstFlower;
    if (IsPotionCode(code)) return iePotion1 + code - ecPotion1;
    return -1;
}

const char* GatherSlotName(int slotKind) {
    static constexpr const char* Names[TElementGather::SlotCount] = {
        "potions1", "potions2", "bananas",  "strawberries", "apples",    "grapes",
        "oranges",  "plums",    "cherries", "guavas",       "flowers1",  "flowers2",
        "flowers3", "flowers4", "spiders",  "goldtiles1",   "goldtiles2"};
    return IsSlotKind(slotKind) ? Names[slotKind] : "";
}

int* TElementGather::TargetOf(int slotKind) {
    return IsSlotKind(slotKind) ? &(this->*Targets[slotKind]) : nullptr;
}

void TElementGather::Prepare() {
    usedCount = 0;
    for (int kind = 0; kind < SlotCount; ++kind) {
        TSlot& slot = slots[kind];
        slot = {};
        slot.Value = slot.Shown = std::max(0, *TargetOf(kind));
        if (slot.Value > 0) used[usedCount++] = kind;
    }
    completed = false;
    int totalWidth = 0;
    for (int position = 0; position < usedCount; ++position)
        totalWidth += position == 0 || position == usedCount - 1 ? LeftSlotWidth : MiddleSlotWidth;
    leftX = CenterPos - totalWidth / 2;
}

void TElementGather::SlideIn() {
    y = HidingPosY;
    slidingIn = true;
}

int TElementGather::SlotKindOf(TElementKind kind, int index) {
    const auto within = [index](int count, int firstKind) {
        return index >= 1 && index <= count ? firstKind + index - 1 : -1;
    };
    switch (kind) {
    case elFruit:
        return within(8, ieFruit1);
    case elFlower:
        return within(4, ieFlower1);
    case elPotion:
        return within(2, iePotion1);
    case elGoldTile:
        return within(2, ieGoldTile1);
    case elSpider:
        return ieSpider;
    }
    return -1;
}

void TElementGather::Count(TElementKind kind, int index) {
    const int slotKind = SlotKindOf(kind, index);
    if (slotKind < 0 || slots[slotKind].Value <= 0) return;
    TSlot& slot = slots[slotKind];
    --slot.Value;
    if (slot.Value == 0 && OnSlotDone) OnSlotDone(CounterPoint(PositionOf(slotKind), 0).X);
    slot.Pulse = TPulse::Growing;
    slot.HoldMs = 0;
    TestCompletion();
}

void TElementGather::TestCompletion() {
    if (completed) return;
    if (std::any_of(slots.begin(), slots.end(), [](const TSlot& slot) { return slot.Value > 0; }))
        return;
    completed = true;
    if (OnComplete) OnComplete();
}

bool TElementGather::StillNeeded(int slotKind) const {
    return Remaining(slotKind) > 0;
}

int TElementGather::Remaining(int slotKind) const {
    return IsSlotKind(slotKind) ? slots[slotKind].Value : 0;
}

TPoint TElementGather::SlotPoint(int slotKind) const {
    const int position = PositionOf(slotKind);
    if (position < 0) return UnknownSlotPoint;
    return CounterPoint(position, slots[slotKind].Value);
}

int TElementGather::PositionOf(int slotKind) const {
    for (int position = 0; position < usedCount; ++position)
        if (used[position] == slotKind) return position;
    return -1;
}

int TElementGather::SlotOffset(int position) const {
    return position == 0 ? 0 : LeftSlotWidth + (position - 1) * MiddleSlotWidth;
}

int TElementGather::PiecePattern(int position) const {
    if (usedCount == 1) return SinglePiece;
    if (position == 0) return FirstPiece;
    return position == usedCount - 1 ? LastPiece : 1;
}

TPoint TElementGather::Anchor(int position) const {
    const int pattern = PiecePattern(position);
    const int overlap = pattern == FirstPiece || pattern == SinglePiece ? 0 : PieceOverlap;
    return {leftX + SlotOffset(position) - overlap, y};
}

TPoint TElementGather::CounterPoint(int position, int value) const {
    const TPoint anchor = Anchor(position);
    const int wide = value > 99 ? WideCounterShift : 0;
    return {anchor.X + IconShift() + 13 - wide, anchor.Y + 62};
}

void TElementGather::TakeSizes() {
    const TPoint tile = ImageTileSize(Pictures::PulsingElements);
    if (tile.X > 0 && tile.Y > 0) {
        OrigPulsingFruitWidth = tile.X;
        OrigPulsingFruitHeight = tile.Y;
    }
}

void TElementGather::UpdateAndDraw() {
    if (!Visible) return;
    Slide();
    for (int position = 0; position < usedCount; ++position)
        DrawImage(Pictures::ElementPanel, leftX + SlotOffset(position), y, 0, 0, 0, 1, 1, 255, 255,
                  255, 255, PiecePattern(position));
    for (int position = 0; position < usedCount; ++position) {
        TSlot& slot = slots[used[position]];
        if (slot.Shown != slot.Value) slot.Shown += slot.Shown < slot.Value ? 1 : -1;
        // A pulse that ends this tick still draws its last size.
        const bool pulsing = slot.Pulse != TPulse::None;
        StepPulse(slot);
        DrawSlot(position, pulsing);
    }
}

void TElementGather::Slide() {
    if (slidingIn) y = std::min(y + MoveStep, Top);
}

void TElementGather::StepPulse(TSlot& slot) const {
    if (slot.Pulse == TPulse::Growing) {
        if (slot.Size < MaxPulsingSize) {
            slot.Size = std::min(slot.Size + PulsingStepUp, static_cast<float>(MaxPulsingSize));
        } else {
            if (AdvanceTickTimer(slot.HoldMs, BlownTime)) slot.Pulse = TPulse::Shrinking;
        }
    } else if (slot.Pulse == TPulse::Shrinking) {
        slot.Size -= PulsingStepDown;
        if (slot.Size <= MinPulsingSize) {
            slot.Size = static_cast<float>(MinPulsingSize);
            slot.Pulse = TPulse::None;
        }
    }
}

void TElementGather::DrawSlot(int position, bool pulsing) const {
    const int kind = used[position];
    const TSlot& slot = slots[kind];
    const TPoint anchor = Anchor(position);
    const int a = IconShift();
    if (!pulsing) {
        const uint8_t alpha = slot.Shown == 0 ? DoneIconAlpha : 255;
        DrawImage(Pictures::ElementGather, anchor.X + a, anchor.Y + 19, 0, 0, 0, IconScale,
                  IconScale, 255, 255, 255, alpha, kind);
    } else {
        DrawImage(Pictures::PulsingElements, anchor.X + a - 6, anchor.Y + 14, 0, 0.5f, 0.5f,
                  slot.Size / OrigPulsingFruitHeight * IconScale,
                  slot.Size / OrigPulsingFruitWidth * IconScale, 255, 255, 255, 255, kind);
    }
    if (slot.Shown > 0) DrawCounter(CounterPoint(position, slot.Value), slot.Shown);
}

// The digits centred on the counter's point, without leading zeros.
void TElementGather::DrawCounter(TPoint at, int value) const {
    const std::string digits = std::to_string(value);
    int digitWidth = ImageTileWidth(Pictures::ElementGatherNumber);
    if (digitWidth <= 0) digitWidth = FallbackDigitWidth;
    int x = at.X - static_cast<int>(digits.size()) * digitWidth / 2;
    for (char digit : digits) {
        DrawImage(Pictures::ElementGatherNumber, x, at.Y, 0, 0, 0, 1, 1, 255, 255, 255, 255,
                  digit - '0');
        x += digitWidth;
    }
}
