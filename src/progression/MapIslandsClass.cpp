#include "progression/MapIslandsClass.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"
#include "engine/WidgetBasics.h"
#include "progression/BuySlotsClass.h"

#include <algorithm>

namespace {

struct TIslandPlace {
    TPoint Label;
    std::array<int, 4> Area; // left, top, width, height
};
// Each label hangs over the top of its island on the map picture, clear of the level buttons
// that stand on the island's shore.
constexpr std::array<TIslandPlace, MapIslandCount> Places = {{
    {{437, 490}, {272, 460, 331, 275}},
    {{294, 183}, {130, 153, 328, 293}},
    {{697, 183}, {533, 153, 328, 248}},
    {{1101, 205}, {936, 175, 331, 293}},
    {{901, 507}, {736, 477, 331, 252}},
}};

// The game texts' announcement of island 1; the others follow.
constexpr int FirstAnnouncementLine = 6;

constexpr int GlowMax = 50;
constexpr int GlowRise = 10;
constexpr int GlowFall = 8;
constexpr float ScaleFull = 1.0f;
constexpr float ScaleSmall = 0.83f;
constexpr float ScaleGrow = 0.045f;
constexpr float ScaleShrink = 0.03f;
constexpr uint8_t LockedAlpha = 155;
constexpr uint8_t OpenAlpha = 200;
constexpr uint8_t LitAlpha = 255;
constexpr float Centered = 0.5f;

} // namespace

void TMapIslands::Reset() {
    unlocked_ = {};
    entered_ = {};
    announced_ = {};
    unlocked_[0] = true;
    scale_.fill(ScaleFull);
    glow_ = {};
    current_ = 1;
    hovered_ = 0;
}

void TMapIslands::Unlock(int island) {
    if (Valid(island)) unlocked_[island - 1] = true;
}

bool TMapIslands::UnlockCompleted(const TBuySlots& slots) {
    bool opened = false;
    for (int island = 1; island < MapIslandCount; ++island)
        if (slots.AllBought(island) && !Unlocked(island + 1)) {
            Unlock(island + 1);
            opened = true;
        }
    return opened;
}

int TMapIslands::HighestUnlocked() const {
    for (int island = MapIslandCount; island >= 1; --island)
        if (Unlocked(island)) return island;
    return 1;
}

void TMapIslands::SelectForIsland(int island) {
    int chosen = 1;
    for (int candidate = 1; candidate <= std::min(island, MapIslandCount); ++candidate)
        if (Unlocked(candidate)) chosen = candidate;
    current_ = chosen;
    hovered_ = chosen;
}

void TMapIslands::SelectHighestUnlocked() {
    current_ = HighestUnlocked();
}

bool TMapIslands::Select(int island) {
    if (!Unlocked(island)) return false;
    current_ = island;
    return true;
}

std::string TMapIslands::TakeAnnouncement() {
    int highest = 0;
    for (int island = 1; island <= MapIslandCount; ++island) {
        if (!Unlocked(island) || Entered(island) || Announced(island)) continue;
        announced_[island - 1] = true;
        highest = island;
    }
    if (highest == 0 || TextStringsComp == nullptr) return {};
    return TextStringsComp->GameTexts(FirstAnnouncementLine + highest - 1);
}

int TMapIslands::IslandAt(int x, int y) {
    for (int island = 1; island <= MapIslandCount; ++island) {
        const auto& area = Places[island - 1].Area;
        if (InsideArea(area[0], area[1], area[2], area[3], x, y)) return island;
    }
    return 0;
}

TPoint TMapIslands::LabelCentre(int island) {
    return Valid(island) ? Places[island - 1].Label : TPoint{};
}

std::array<int, 4> TMapIslands::IslandArea(int island) {
    return Valid(island) ? Places[island - 1].Area : std::array<int, 4>{};
}

std::array<uint8_t, MapIslandCount>
TMapIslands::Flags(const std::array<bool, MapIslandCount>& set) {
    std::array<uint8_t, MapIslandCount> flags{};
    for (int i = 0; i < MapIslandCount; ++i) flags[i] = set[i] ? 1 : 0;
    return flags;
}

void TMapIslands::Restore(const std::array<uint8_t, MapIslandCount>& unlocked,
                          const std::array<uint8_t, MapIslandCount>& entered,
                          const std::array<uint8_t, MapIslandCount>& announced, int current) {
    for (int i = 0; i < MapIslandCount; ++i) {
        unlocked_[i] = unlocked[i] != 0;
        entered_[i] = entered[i] != 0;
        announced_[i] = announced[i] != 0;
    }
    unlocked_[0] = true;
    if (Unlocked(current))
        current_ = current;
    else
        SelectHighestUnlocked();
    hovered_ = 0;
}

void TMapIslands::MouseMove(int x, int y) {
    const int island = IslandAt(x, y);
    hovered_ = Unlocked(island) ? island : 0;
}

uint8_t TMapIslands::LabelAlpha(int island) const {
    if (!Unlocked(island)) return LockedAlpha;
    return island == hovered_ || island == current_ ? LitAlpha : OpenAlpha;
}

void TMapIslands::Tick() {
    const TPoint label = ImageTileSize(Pictures::RoomNames);
    for (int island = 1; island <= MapIslandCount; ++island) {
        int& glow = glow_[island - 1];
        if (Unlocked(island))
            glow = island == hovered_ ? std::min(GlowMax, glow + GlowRise)
                                      : std::max(0, glow - GlowFall);
        float& scale = scale_[island - 1];
        scale = island == current_ ? std::min(ScaleFull, scale + ScaleGrow)
                                   : std::max(ScaleSmall, scale - ScaleShrink);
        const TPoint centre = LabelCentre(island);
        const int left = centre.X - label.X / 2;
        const int top = centre.Y - label.Y / 2;
        DrawImage(Pictures::RoomNames, left, top, 0, Centered, Centered, scale, scale, FullChannel,
                  FullChannel, FullChannel, LabelAlpha(island), island - 1);
        // The hover glow: the label again, added in light.
        if (glow > 0)
            DrawImageBlend(Pictures::RoomNames, left, top, 0, Centered, Centered, scale, scale,
                           FullChannel, FullChannel, FullChannel, static_cast<uint8_t>(glow),
                           island - 1, BlendAdditiveAlpha);
    }
}
