#include "progression/StickerBookObjectsClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"
#include "engine/WidgetBasics.h"

#include <algorithm>

namespace {

constexpr int Islands = 5;
constexpr int Slots = 4;

struct TEntryPlace {
    uint8_t Type;
    std::string_view Image;
    int X;
    int Y;
    double Scale;
};

constexpr uint8_t Upg(int island, int slot) {
    return static_cast<uint8_t>(ciUpg1_1 + (island - 1) * Slots + (slot - 1));
}

// The table in drawing order; the entries after it are unused.
constexpr TEntryPlace Places[] = {
    {ciVisFlies, "", 0, 0, 1.0},
    {ciVisRain, "", 0, 0, 1.0},
    {Upg(1, 3), Pictures::Upg1_3, 0, 0, 2.0},
    {Upg(1, 4), Pictures::Upg1_4, -3, 118, 1.0},
    {Upg(1, 2), Pictures::Upg1_2, 356, 477, 1.0},
    {Upg(1, 1), Pictures::Upg1_1, 287, 477, 1.0},
    {Upg(2, 2), Pictures::Upg2_2A, -2, 544, 1.0},
    {Upg(2, 2), Pictures::Upg2_2B, 431, 510, 1.0},
    {Upg(2, 1), Pictures::Upg2_1, 37, 264, 1.0},
    {Upg(2, 4), Pictures::Upg2_4, 260, 370, 1.0},
    {Upg(2, 3), Pictures::Upg2_3, 994, 142, 1.0},
    {Upg(3, 1), Pictures::Upg3_1, 295, 268, 1.0},
    {Upg(3, 3), Pictures::Upg3_3, 349, 203, 1.0},
    {Upg(3, 2), Pictures::Upg3_2, 274, 227, 1.0},
    {Upg(3, 4), Pictures::Upg3_4A, 356, 204, 1.0},
    {Upg(3, 4), Pictures::Upg3_4B, 549, 254, 1.0},
    {Upg(4, 1), Pictures::Upg4_1, 349, 174, 1.0},
    {Upg(4, 3), Pictures::Upg4_3, 576, 223, 1.0},
    {Upg(4, 2), Pictures::Upg4_2, 224, 463, 1.0},
    {Upg(4, 4), Pictures::Upg4_4A, -2, 568, 1.0},
    {Upg(4, 4), Pictures::Upg4_4B, 387, 560, 1.0},
    {Upg(4, 4), Pictures::Upg4_4C, 1028, 733, 1.0},
    {Upg(5, 1), Pictures::Upg5_1, 350, 139, 1.0},
    {Upg(5, 3), Pictures::Upg5_3, 578, 139, 1.0},
    {Upg(5, 2), Pictures::Upg5_2A, -2, 488, 1.0},
    {Upg(5, 2), Pictures::Upg5_2B, 339, 376, 1.0},
    {Upg(5, 2), Pictures::Upg5_2C, 406, 543, 1.0},
    {Upg(5, 2), Pictures::Upg5_2D, 301, 634, 1.0},
    {Upg(5, 2), Pictures::Upg5_2E, 593, 738, 1.0},
    {Upg(5, 2), Pictures::Upg5_2F, 724, 586, 1.0},
    {Upg(5, 2), Pictures::Upg5_2G, 1045, 449, 1.0},
    {Upg(5, 4), Pictures::Upg5_4, 44, 36, 1.0},
    {ciZeppelin, Pictures::Zeppelin, 1177, 513, 1.0},
};
static_assert(std::size(Places) <= StickerEntryCount);

// What each stage's background already shows, added stage by stage.
struct TStageAdds {
    int Stage;
    uint8_t First;
    uint8_t Last;
};
constexpr TStageAdds StageBackgrounds[] = {
    {1, Upg(1, 3), Upg(1, 3)}, {2, Upg(1, 4), Upg(1, 4)}, {3, Upg(1, 1), Upg(1, 4)},
    {4, Upg(2, 1), Upg(2, 4)}, {5, Upg(3, 1), Upg(3, 3)}, {6, Upg(4, 1), Upg(4, 1)},
    {6, Upg(4, 3), Upg(4, 3)}, {7, Upg(4, 2), Upg(4, 2)}, {7, Upg(4, 4), Upg(4, 4)},
    {7, Upg(5, 1), Upg(5, 1)}, {7, Upg(5, 3), Upg(5, 3)},
};

// The sound a sticker plays once it is whole; none for the others.
std::string_view AmbienceOf(uint8_t type) {
    if (type == Upg(1, 1)) return "EastParty";
    if (type == Upg(1, 3) || type == Upg(1, 4)) return "Ocean";
    if (type == Upg(2, 1)) return "Shore";
    if ((type >= Upg(2, 2) && type <= Upg(2, 4)) || type == Upg(3, 4)) return "Ocean";
    if (type == Upg(3, 1)) return "Underwater";
    if (type == Upg(3, 2) || type == Upg(3, 3)) return "SilentShore";
    if (type == Upg(4, 1) || type == Upg(4, 2) || type == Upg(4, 4)) return "Wind";
    if (type >= Upg(5, 2) && type <= Upg(5, 4)) return "Wind";
    if (type == Upg(5, 1)) return "CrowdChant";
    return {};
}
// The sea and the bay bring the gulls with their waves.
constexpr std::string_view SeaBirds = "Seagulls";

constexpr float HighlightFast = 0.03f;
constexpr float HighlightSlow = 0.002f;
constexpr float HighlightSlowBelow = 0.7f;
constexpr float HighlightEnd = 0.05f;
constexpr float HighlightAlpha = 120;

} // namespace

TStickerBookItemType StickerOfSlot(int island, int slot) {
    if (island < 1 || island > Islands || slot < 1 || slot > Slots) return ciNone;
    return static_cast<TStickerBookItemType>(Upg(island, slot));
}

TStickerBookObjects::TStickerBookObjects() : entries_(StickerEntryCount) {
    for (size_t i = 0; i < std::size(Places); ++i) {
        TStickerEntry& entry = entries_[i];
        entry.ItemType = Places[i].Type;
        entry.ImageName = std::string(Places[i].Image);
        entry.X = Places[i].X;
        entry.Y = Places[i].Y;
        entry.Scale = Places[i].Scale;
    }
    entries_[0].HiddenWhenShown = true;
    SetShownFlags({});
}

void TStickerBookObjects::Reveal(TStickerBookItemType type) {
    for (TStickerEntry& entry : entries_)
        if (entry.ItemType == type) {
            entry.Shown = true;
            entry.Alpha = 0;
            entry.AmbiencePlayed = false;
        }
}

void TStickerBookObjects::RevealAndHighlight(TStickerBookItemType type) {
    Reveal(type);
    highlighted_ = type;
    glow_ = 1.0f;
    highlighting_ = true;
}

void TStickerBookObjects::StopHighlight() {
    highlighting_ = false;
    glow_ = 0;
    highlighted_ = ciNone;
}

bool TStickerBookObjects::IsShown(TStickerBookItemType type) const {
    return std::any_of(entries_.begin(), entries_.end(), [type](const TStickerEntry& entry) {
        return entry.ItemType == type && entry.Shown;
    });
}

TPoint TStickerBookObjects::StickerCentre(TStickerBookItemType type) const {
    const auto sticker =
        std::find_if(entries_.begin(), entries_.end(), [type](const TStickerEntry& entry) {
            return entry.ItemType == type && !entry.ImageName.empty();
        });
    if (sticker == entries_.end()) return {};
    const TPoint tile = ImageTileSize(sticker->ImageName);
    return {sticker->X + RoundHalfEven(tile.X * sticker->Scale / 2),
            sticker->Y + RoundHalfEven(tile.Y * sticker->Scale / 2)};
}

bool TStickerBookObjects::InBackground(uint8_t type) const {
    return std::any_of(std::begin(StageBackgrounds), std::end(StageBackgrounds),
                       [this, type](const TStageAdds& adds) {
                           return adds.Stage <= stage_ && type >= adds.First && type <= adds.Last;
                       });
}

bool TStickerBookObjects::IsInPicture(TStickerBookItemType type) const {
    if (InBackground(type)) return true;
    return std::any_of(entries_.begin(), entries_.end(), [type](const TStickerEntry& entry) {
        return entry.ItemType == type && entry.Shown && !entry.HiddenWhenShown &&
               entry.Alpha == FullChannel;
    });
}

// The last stage comes with the last island's works: every sticker a player can buy.
void TStickerBookObjects::UpdateStage() {
    const auto islandDone = [this](int island) {
        for (int slot = 1; slot <= Slots; ++slot)
            if (!IsShown(StickerOfSlot(island, slot))) return false;
        return true;
    };
    stage_ = 0;
    if (!IsShown(StickerOfSlot(1, 3))) return;
    stage_ = 1;
    if (!IsShown(StickerOfSlot(1, 4))) return;
    stage_ = 2;
    for (int island = 1; island <= Islands && islandDone(island); ++island) stage_ = 2 + island;
}

std::string TStickerBookObjects::BackgroundName() const {
    return Pictures::StageBackgrounds.Name(stage_ + 1);
}

std::array<uint8_t, StickerEntryCount> TStickerBookObjects::GetShownFlags() const {
    std::array<uint8_t, StickerEntryCount> flags{};
    for (size_t i = 0; i < StickerEntryCount; ++i) flags[i] = entries_[i].Shown ? 1 : 0;
    return flags;
}

void TStickerBookObjects::SetShownFlags(const std::array<uint8_t, StickerEntryCount>& flags) {
    for (size_t i = 0; i < StickerEntryCount; ++i) {
        TStickerEntry& entry = entries_[i];
        entry.Shown = flags[i] != 0;
        entry.Alpha = ToBeSeen(entry) ? FullChannel : 0;
        entry.AmbiencePlayed = true;
    }
    zeppelinAlpha_ = IsShown(ciZeppelin) ? ZeppelinMaxAlpha : 0;
}

void TStickerBookObjects::Tick() {
    for (TStickerEntry& entry : entries_) {
        if (!ToBeSeen(entry) || entry.ImageName.empty()) continue;
        if (entry.ItemType == ciZeppelin) {
            zeppelinAlpha_ = std::min(ZeppelinMaxAlpha, zeppelinAlpha_ + ZeppelinAlphaStep);
            entry.Alpha = zeppelinAlpha_;
        } else if (InBackground(entry.ItemType)) {
            continue;
        } else if (entry.Alpha < FullChannel) {
            entry.Alpha = std::min<int>(FullChannel, entry.Alpha + AlphaStep);
        }
        if (entry.Alpha == FullChannel && !entry.AmbiencePlayed) {
            entry.AmbiencePlayed = true;
            const std::string_view sound = AmbienceOf(entry.ItemType);
            if (!sound.empty()) PlaySound(sound);
            if (entry.ItemType == Upg(1, 3) || entry.ItemType == Upg(1, 4)) PlaySound(SeaBirds);
        }
        Draw(entry);
    }
}

void TStickerBookObjects::Draw(const TStickerEntry& entry) const {
    const float scale = static_cast<float>(entry.Scale);
    DrawImage(entry.ImageName, entry.X, entry.Y, 0, 0, 0, scale, scale, FullChannel, FullChannel,
              FullChannel, static_cast<uint8_t>(entry.Alpha), 0);
    if (highlighting_ && entry.ItemType == highlighted_)
        DrawImageBlend(entry.ImageName, entry.X, entry.Y, 0, 0, 0, scale, scale, FullChannel,
                       FullChannel, FullChannel,
                       static_cast<uint8_t>(glow_ * HighlightAlpha * entry.Alpha / FullChannel), 0,
                       BlendAdditiveAlpha);
}

void TStickerBookObjects::TickHighlight() {
    if (!highlighting_) return;
    glow_ -= glow_ >= HighlightSlowBelow ? HighlightFast : HighlightSlow;
    if (glow_ < HighlightEnd) StopHighlight();
}
