#include "effects/FlyingToolsClass.h"

#include "effects/EffectPattern.h"
#include "effects/PlayerToolClass.h"
#include "engine/PictureNames.h"

#include <cmath>
#include <string_view>
#include <utility>

namespace {
// The flight rises in an arc this high above the straight way.
constexpr double ArcHeight = 80;

std::string_view PictureOf(TToolKind kind) {
    switch (kind) {
    case toBroom:
        return Pictures::Broom;
    case toAerosol:
        return Pictures::Aerosol;
    default:
        return Pictures::MagicKey;
    }
}
} // namespace

void TFlyingTools::Start(TToolKind kind, TPoint tile, TPoint target) {
    if (kind == toNone) return;
    const TPoint corner = TileScreenPos(tile);
    flights_.push_back({kind, {corner.X + TileSize / 2, corner.Y + TileSize / 2}, target});
}

// Arrivals are reported after every flight has moved, so a handler may start new flights.
void TFlyingTools::Tick() {
    if (!Visible) return;
    std::vector<TToolKind> arrived;
    for (TFlight& flight : flights_) {
        ++flight.Tick;
        Draw(flight);
        if (flight.Tick >= FlightTicks) arrived.push_back(flight.Kind);
    }
    std::erase_if(flights_, [](const TFlight& flight) { return flight.Tick >= FlightTicks; });
    for (TToolKind kind : arrived)
        if (OnArrived) OnArrived(kind);
}

void TFlyingTools::Land() {
    const std::vector<TFlight> landing = std::move(flights_);
    flights_.clear();
    for (const TFlight& flight : landing)
        if (OnArrived) OnArrived(flight.Kind);
}

void TFlyingTools::Draw(const TFlight& flight) {
    const double t = static_cast<double>(flight.Tick) / FlightTicks;
    const double x = flight.From.X + (flight.To.X - flight.From.X) * t;
    const double y = flight.From.Y + (flight.To.Y - flight.From.Y) * t -
                     ArcHeight * std::sin(t * 3.14159265358979);
    const auto scale = static_cast<float>(0.6 + 0.4 * t);
    DrawCentred(PictureOf(flight.Kind),
                {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}, scale, 255,
                0);
}
