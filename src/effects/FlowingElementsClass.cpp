#include "effects/FlowingElementsClass.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>

namespace {

// The longer axis of a flight starts at this many pixels per tick.
constexpr double StartPace = 3;
constexpr double AccelRatio = 0.7;
constexpr int AimSteps = 500;

struct TFlight {
    TElementKind ElementKind;
    uint8_t ElementIdx;
    int Pattern;
    TIndividualElementKind IndividualKind;
};

// What a code flies as; false for a code that does not fly.
bool FlightOf(uint8_t code, TFlight& flight) {
    if (IsFruitCode(code)) {
        flight = {elFruit, code, code, static_cast<TIndividualElementKind>(ieFruit1 + code - 1)};
    } else if (IsFlowerCode(code)) {
        const int flower = code - ecFirstFlower;
        flight = {elFlower, static_cast<uint8_t>(flower + 1), code - 4,
                  static_cast<TIndividualElementKind>(ieFlower1 + flower)};
    } else if (code == fcSpider) {
        flight = {elSpider, 1, 13, ieSpider};
    } else if (code >= fcGoldTile1 && code <= fcGoldTile2 + 1) {
        const bool upgraded = code >= fcGoldTile2;
        flight = {elGoldTile, static_cast<uint8_t>(upgraded ? 2 : 1), code - 16,
                  upgraded ? ieGoldTile2 : ieGoldTile1};
    } else {
        return false;
    }
    return true;
}

struct TSway {
    float RiseStep, FallStep, SwayMax, SwayMin;
};

// Rows lower on the board sway wider; five variants each.
constexpr int SwayVariants = 5;
constexpr TSway SwayTable[6][SwayVariants] = {{{2.5f, 7.7f, 6, 6},
                                               {1.7f, 5.3f, 4, 4},
                                               {2.0f, 1.7f, 4, 4},
                                               {4.5f, 3.1f, 8, 8},
                                               {5.4f, 3.5f, 8, 8}},
                                              {{3.8f, 4.9f, 10, 9},
                                               {2.2f, 5.6f, 7, 7},
                                               {2.0f, 2.4f, 5, 6},
                                               {3.7f, 2.6f, 8, 8},
                                               {3.1f, 5.7f, 9, 10}},
                                              {{2.9f, 4.2f, 12, 11},
                                               {2.2f, 2.6f, 13, 8},
                                               {1.6f, 3.1f, 9, 8},
                                               {1.6f, 3.1f, 9, 8},
                                               {1.6f, 3.1f, 9, 8}},
                                              {{4.4f, 3.2f, 15, 15},
                                               {4.1f, 2.6f, 12, 12},
                                               {3.1f, 2.7f, 8, 9},
                                               {1.6f, 2.9f, 10, 9},
                                               {1.6f, 3.1f, 13, 12}},
                                              {{3.5f, 4.0f, 17, 14},
                                               {2.6f, 1.9f, 10, 10},
                                               {2.6f, 1.9f, 8, 10},
                                               {3.2f, 2.9f, 12, 14},
                                               {3.5f, 3.6f, 16, 17}},
                                              {{2.3f, 4.9f, 16, 15},
                                               {1.0f, 4.4f, 9, 8},
                                               {4.0f, 2.0f, 8, 8},
                                               {1.7f, 3.9f, 12, 13},
                                               {3.8f, 2.8f, 15, 17}}};

// Rows 1-2 and screen-point starts use group 1, then one group per two rows.
int SwayRowGroup(int row) {
    return row >= 3 && row <= BoardRows ? (row + 1) / 2 : 1;
}

TPoint DrawPos(double x, double y, double swayOffset) {
    return {RoundHalfEven(x + swayOffset), RoundHalfEven(y)};
}

} // namespace

void TFlowingElements::StartFlowing(const TBoardData& newBoardData,
                                    const TSimpleObjectArray& mask) {
    ForEachMaskedCell(mask, [&](TPoint tile) {
        const TBoardTile& boardTile = newBoardData(tile);
        const int code = boardTile.ElementCode;
        if (IsThrowableElement(boardTile) && (IsFruitCode(code) || IsFlowerCode(code)))
            StartElement(boardTile.ElementCode, tile, {});
    });
}

void TFlowingElements::StartGoldTile(TPoint tilePos, uint8_t frameType) {
    if (frameType != 1 && frameType != 2) return;
    const uint8_t code = (TileKind == tkStandard ? fcGoldTile1 : fcGoldTile2) + (frameType - 1);
    StartElement(code, tilePos, {});
}

void TFlowingElements::StartSpider(int x, int y) {
    StartElement(fcSpider, {}, {x, y});
}

void TFlowingElements::StartElement(uint8_t code, TPoint tilePos, TPoint screenPos) {
    TFlight flight;
    if (!FlightOf(code, flight)) return;
    const int index = Entries.Take([this](int victim) { FinishEarly(Entries[victim]); });
    TFlowingElement& element = Entries[index];
    element = TFlowingElement{};
    element.State = fwWaiting;
    element.ElementKind = flight.ElementKind;
    element.ElementIdx = flight.ElementIdx;
    element.Pattern = flight.Pattern;
    element.IndividualKind = flight.IndividualKind;

    const bool fromTile = tilePos.X != 0 && tilePos.Y != 0;
    const TPoint start = fromTile ? TileScreenPos(tilePos) : screenPos;
    element.X = start.X;
    element.Y = start.Y;

    TPoint slotPos = DefaultSlotPos;
    if (OnSlotPosRequest) OnSlotPosRequest(flight.IndividualKind, slotPos);
    element.TargetX = slotPos.X;
    element.TargetY = slotPos.Y;

    // Both axes arrive together; the longer one starts at three pixels per tick.
    const double dx = std::abs(start.X - slotPos.X);
    const double dy = std::abs(start.Y - slotPos.Y);
    const double ticks = std::max(dx, dy) > 0 ? std::max(dx, dy) / StartPace : 1;
    element.SpeedX = dx / ticks;
    element.SpeedY = dy / ticks;
    element.AccelX = AccelRatio * element.SpeedX;
    element.AccelY = AccelRatio * element.SpeedY;

    const TSway& sway = SwayTable[SwayRowGroup(tilePos.Y) - 1][Random(SwayVariants)];
    element.RiseStep = sway.RiseStep;
    element.FallStep = sway.FallStep;
    element.SwayMax = sway.SwayMax;
    element.SwayMin = sway.SwayMin;
    element.SwayRising = true;
    element.SwaySpeed = 5.5;
    element.SwayOffset = 1.5;

    element.Clockwise = Random(2) == 0;
    element.SpinStep = 6 + Random(6);
    element.Angle = 0;
    element.Size = 1.0 + 0.1 * Random(3);
    AimAtSlot(element);
}

void TFlowingElements::Tick() {
    if (!Visible) return;
    for (int i = 0; i < Capacity; ++i) {
        TFlowingElement& element = Entries[i];
        if (element.State == fwIdle) continue;
        bool arrived = false;
        bool flew = false;
        if (element.State == fwWaiting) {
            // A new element shows one tick where it starts, then flies.
            element.State = fwFlying;
        } else {
            flew = true;
            arrived = Fly(element);
            if (arrived) element.State = fwIdle;
        }
        Spin(element);
        // Drawn on its arrival tick too; the handlers may reuse the entry, so draw first.
        Draw(element);
        const TElementKind kind = element.ElementKind;
        const uint8_t elementIdx = element.ElementIdx;
        const TPoint dustPos = DrawPos(element.X, element.Y, element.SwayOffset);
        if (arrived && OnOneFruitArrived) OnOneFruitArrived(kind, elementIdx);
        if (flew && OnDustEffectRequest) OnDustEffectRequest(dustPos.X, dustPos.Y);
    }
}

void TFlowingElements::Clear() {
    for (int i = 0; i < Capacity; ++i) Entries[i].State = fwIdle;
}

// One tick of flight; true on arrival, which only the height decides.
bool TFlowingElements::Fly(TFlowingElement& element) {
    const int times = IsReducedEffectsMode() ? 2 : 1;
    element.SpeedX += times * element.AccelX;
    element.SpeedY += times * element.AccelY;
    if (element.SwayRising) {
        element.SwaySpeed += element.RiseStep;
        if (element.SwaySpeed >= element.SwayMax) {
            element.SwaySpeed = element.SwayMax;
            element.SwayRising = false;
        }
    } else {
        element.SwaySpeed -= element.FallStep;
        if (element.SwaySpeed <= -element.SwayMin) {
            element.SwaySpeed = -element.SwayMin;
            element.SwayRising = true;
        }
    }
    element.SwayOffset += element.SwaySpeed;
    element.X = MovedTowards(element.X, element.TargetX, times * element.SpeedX);
    element.Y = MovedTowards(element.Y, element.TargetY, times * element.SpeedY);
    return element.TargetY >= element.Y;
}

// The sprite is drawn at X plus the sway, so the target moves by the sway it will have on arrival.
void TFlowingElements::AimAtSlot(TFlowingElement& element) {
    TFlowingElement rehearsal = element;
    for (int step = 0; step < AimSteps; ++step) {
        if (Fly(rehearsal)) {
            element.TargetX -= RoundHalfEven(rehearsal.SwayOffset);
            return;
        }
    }
}

void TFlowingElements::Spin(TFlowingElement& element) {
    if (element.Clockwise) {
        element.Angle += element.SpinStep;
        if (element.Angle >= 360) element.Angle = 0;
    } else {
        element.Angle -= element.SpinStep;
        if (element.Angle <= 0) element.Angle += 360;
    }
}

void TFlowingElements::Draw(const TFlowingElement& element) {
    const TPoint pos = DrawPos(element.X, element.Y, element.SwayOffset);
    DrawImage(Pictures::FlowingElements, pos.X, pos.Y, static_cast<float>(element.Angle), 0.5f,
              0.5f, static_cast<float>(element.Size), static_cast<float>(element.Size), 255, 255,
              255, 255, element.Pattern - 1);
}

// An element pushed out of a full table still counts, as if it had reached its slot.
void TFlowingElements::FinishEarly(TFlowingElement& element) const {
    element.State = fwIdle;
    if (OnOneFruitArrived) OnOneFruitArrived(element.ElementKind, element.ElementIdx);
}
