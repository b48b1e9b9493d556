#pragma once
// TElementGather: the panel at the top of the board scene with one slot per element kind the
// level asks for: the element's icon and how many are still missing. Arrivals count a slot down
// and make its icon pulse; when every slot is at zero the gathering is complete.
#include "board/GameData.h"

#include <array>
#include <functional>

// The gathering slot an element code fills; -1 for codes that fill none.
int GatherSlotOfCode(int code);
// A slot kind's short name ("bananas", "goldtiles1"), as replays and the round runner write it;
// "" outside 0..16.
const char* GatherSlotName(int slotKind);

class TElementGather {
public:
    static constexpr int SlotCount = IndividualElementKindCount;
    // Where a flight goes when its kind has no slot.
    static constexpr TPoint UnknownSlotPoint{320, 30};

    // ---- Targets at round start (slots 1..17 in the order of TIndividualElementKind) ----
    int TargetPotions1 = 0;
    int TargetPotions2 = 0;
    int TargetBananas = 1;
    int TargetStrawberries = 1;
    int TargetApples = 0;
    int TargetGrapes = 0;
    int TargetOranges = 0;
    int TargetPlums = 0;
    int TargetCherries = 0;
    int TargetGuavas = 0;
    int TargetFlowers1 = 0;
    int TargetFlowers2 = 0;
    int TargetFlowers3 = 0;
    int TargetFlowers4 = 0;
    int TargetSpiders = 0;
    int TargetGoldTiles1 = 0;
    int TargetGoldTiles2 = 0;

    // ---- Layout and look ----
    int CenterPos = 684;
    int Top = 0;
    int HidingPosY = -100;
    int MoveStep = 1;
    int LeftSlotWidth = 121;
    int MiddleSlotWidth = 111;
    int MinPulsingSize = 52;
    int MaxPulsingSize = 65;
    float PulsingStepUp = 12.0f;
    float PulsingStepDown = 7.0f;
    int BlownTime = 450;
    int OrigPulsingFruitWidth = 58;
    int OrigPulsingFruitHeight = 58;
    bool Visible = true;

    // A slot's counter has just reached 0; slotX is the counter's x.
    std::function<void(int slotX)> OnSlotDone;
    // Every counter is 0; raised once per round.
    std::function<void()> OnComplete;

    // The target of a slot kind (0..16); nullptr outside.
    int* TargetOf(int slotKind);

    // Round start: every counter shows its target again, the used slots are laid out.
    void Prepare();
    void SlideIn();
    // One arrived element: kind 0 fruit (index 1..8), 1 flower (1..4), 2 potion (1, 2),
    // 3 gold tile (1, 2), 4 spider.
    void Count(TElementKind kind, int index);
    // Whether a slot kind (0..16) still waits for elements.
    bool StillNeeded(int slotKind) const;
    // Elements a slot kind still waits for; 0 outside 0..16.
    int Remaining(int slotKind) const;
    // Where the counter of a slot kind sits now; UnknownSlotPoint for a kind without a slot.
    TPoint SlotPoint(int slotKind) const;
    // The pulsing picture's tile size, once the pictures are loaded.
    void TakeSizes();
    void UpdateAndDraw();

    int UsedSlotCount() const { return usedCount; }
    int PanelLeft() const { return leftX; }
    int PanelY() const { return y; }
    bool Completed() const { return completed; }

private:
    enum class TPulse : uint8_t { None, Growing, Shrinking };

    struct TSlot {
        int Value = 0;
        int Shown = 0; // counts towards Value by one a tick
        TPulse Pulse = TPulse::None;
        float Size = 30.0f;
        int HoldMs = 0;
    };

    // Slot kind of an element as Count names it; -1 when it has none.
    static int SlotKindOf(TElementKind kind, int index);
    // Left x of the i-th used slot (from 0) and its anchor (a middle or last piece starts 3 px
    // further left than its picture).
    int SlotOffset(int position) const;
    int PiecePattern(int position) const;
    TPoint Anchor(int position) const;
    int IconShift() const { return usedCount == 1 ? 39 : 30; }
    TPoint CounterPoint(int position, int value) const;
    int PositionOf(int slotKind) const;
    void Slide();
    void StepPulse(TSlot& slot) const;
    void DrawSlot(int position, bool pulsing) const;
    void DrawCounter(TPoint at, int value) const;
    void TestCompletion();

    std::array<TSlot, SlotCount> slots{};
    std::array<int, SlotCount> used{}; // slot kinds of the used slots, in order
    int usedCount = 0;
    int leftX = 0;
    int y = -100;
    bool slidingIn = false;
    bool completed = false;
};
