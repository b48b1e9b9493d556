#include "progression/BuySlotsClass.h"

#include "engine/GameGlobals.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"
#include "progression/SlotPricesFile.h"

#include <algorithm>
#include <cmath>

namespace {

// The fixed values of each slot, island-major: what it switches on, its share of the haven.
struct TSlotFixed {
    uint8_t Upgrade;
    int BonusPercent;
};
constexpr std::array<TSlotFixed, BuySlotCount> SlotFixed = {{
    {1, 6}, {0, 4},  {2, 7}, {0, 4}, // island 1
    {6, 5}, {0, 4},  {3, 5}, {0, 6}, // island 2
    {4, 6}, {9, 4},  {7, 5}, {0, 4}, // island 3
    {8, 7}, {10, 6}, {5, 5}, {0, 4}, // island 4
    {0, 5}, {0, 3},  {0, 7}, {0, 3}, // island 5
}};

// What each fruit (codes 1..8) and flower (13..16) pays: the rarer, the more.
constexpr std::array<float, 8> FruitCredits = {1.0f, 1.0f, 1.0f, 1.2f, 1.2f, 1.2f, 1.4f, 1.6f};
constexpr std::array<float, 4> FlowerCredits = {1.0f, 1.2f, 1.4f, 1.6f};
constexpr int GoldTileIsland = 3;
constexpr int PotionIsland = 4;
constexpr float PlainCredit = 1.0f;
constexpr float RichCredit = 1.4f;

// The panel, relative to a slot's origin.
constexpr TPoint IconOffset{8, 9};
constexpr TPoint TitleOffset{108, 12};
constexpr TPoint DescriptionOffset{111, 29};
constexpr TPoint ButtonOffset{101, 41};
constexpr int TextSpacing = -2;
constexpr float TextRatio = 0.48f;
constexpr int UnboughtTextAlpha = 245;
constexpr int BoughtTextAlpha = 100;
constexpr int White = 0;
constexpr int NoWidthLimit = 0;

bool ValidSlot(int island, int slot) {
    return island >= 1 && island <= BuyIslands && slot >= 1 && slot <= SlotsPerBuyIsland;
}

int TableIndex(int island, int slot) {
    return (island - 1) * SlotsPerBuyIsland + (slot - 1);
}

} // namespace

void SplitSlotText(std::string_view text, std::string& title, std::string& description) {
    const size_t bar = text.find('|');
    const std::string_view head = text.substr(0, bar);
    const std::string_view tail =
        bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
    title.assign(head.substr(0, SlotTextLength));
    description.assign(tail.substr(0, SlotTextLength));
}

TElementCredit CreditForClearedCode(int code, int island) {
    if (IsFruitCode(code)) return {elFruit, FruitCredits[code - ecFirstFruit]};
    if (IsFlowerCode(code)) return {elFlower, FlowerCredits[code - ecFirstFlower]};
    if (code == ecPotion1) return {elPotion, island == PotionIsland ? RichCredit : PlainCredit};
    if (code == ecPotion2) return {elPotion, RichCredit};
    return {};
}

float GoldTileCredit(bool goldTilesUpgraded, int island) {
    return goldTilesUpgraded || island == GoldTileIsland ? RichCredit : PlainCredit;
}

TElementsCount IslandBundle(int island) {
    if (island < 1 || island > BuyIslands) return {};
    return IslandBundles[island - 1];
}

TBuySlots::TBuySlots() {
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) {
            TBuySlotData& data = SlotData(island, slot);
            const int index = TableIndex(island, slot);
            data.IconIdx = static_cast<uint8_t>(index + 1);
            data.Upgrade = SlotFixed[index].Upgrade;
            data.BonusPercent = SlotFixed[index].BonusPercent;
        }
    for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) {
        TGameButton& button = buttons_[slot - 1];
        button.ImageName = Pictures::BuySlotBuyButton;
        button.Tag = slot;
        button.OnClick = [this, slot] { Buy(slot); };
    }
    PlaceButtons();
}

void TBuySlots::TakeSizes() {
    for (TGameButton& button : buttons_) button.TakeSize();
}

void TBuySlots::BuildSlots(const TTextStrings& texts) {
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) {
            TBuySlotData& data = SlotData(island, slot);
            SplitSlotText(texts.UpgradeNames(data.IconIdx), data.Title, data.Description);
        }
}

void TBuySlots::LoadPrices() {
    const TSlotPricesRead read = ReadSlotPricesFile(PricesFilePath + PricesFileName);
    if (!read.Problem.empty() && OnLog) OnLog(read.Problem);
    SetPrices(read.Prices);
}

void TBuySlots::SetPrices(const TSlotPrices& prices) {
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) {
            TElementsCount& price = SlotData(island, slot).Price;
            price = prices[island - 1][slot - 1];
            for (float& count : price) count = UsablePrice(count);
        }
}

// ---- The purse ----

void TBuySlots::Credit(TElementKind kind, float count) {
    owned_[kind] += count;
    earnings_[kind] += count;
    if (OnOwnedElementsAdd) OnOwnedElementsAdd(kind, count);
}

void TBuySlots::CreditClearedElement(int elementCode) {
    const TElementCredit credit = CreditForClearedCode(elementCode, IslandIdx);
    if (credit.Count > 0) Credit(credit.Kind, credit.Count);
}

void TBuySlots::CreditGoldTileLayer() {
    Credit(elGoldTile, GoldTileCredit(HasUpgrade(upGoldTiles), IslandIdx));
}

void TBuySlots::CreditIslandBundle(int island) {
    const TElementsCount bundle = IslandBundle(island);
    for (size_t kind = 0; kind < ElementKinds; ++kind)
        Credit(static_cast<TElementKind>(kind), bundle[kind]);
}

void TBuySlots::Spend(TElementKind kind, float count) {
    owned_[kind] = std::max(0.0f, owned_[kind] - count);
}

void TBuySlots::SpendPrice(const TElementsCount& price) {
    for (size_t kind = 0; kind < ElementKinds; ++kind)
        Spend(static_cast<TElementKind>(kind), price[kind]);
}

void TBuySlots::ResetLevelEarnings() {
    earnings_ = {};
}

void TBuySlots::ForfeitLevelEarnings() {
    for (size_t kind = 0; kind < ElementKinds; ++kind)
        owned_[kind] = std::max(0.0f, owned_[kind] - earnings_[kind]);
    earnings_ = {};
}

// A stock that is not a number or is negative is none.
void TBuySlots::SetOwned(const TElementsCount& owned) {
    for (size_t kind = 0; kind < ElementKinds; ++kind)
        owned_[kind] = std::isfinite(owned[kind]) && owned[kind] > 0 ? owned[kind] : 0;
}

// ---- The slots ----

TBuySlotData& TBuySlots::SlotData(int island, int slot) {
    return slots_[island - 1][slot - 1];
}

const TBuySlotData& TBuySlots::Slot(int island, int slot) const {
    static const TBuySlotData none{};
    return ValidSlot(island, slot) ? slots_[island - 1][slot - 1] : none;
}

void TBuySlots::UpdateAffordable() {
    for (auto& island : slots_)
        for (TBuySlotData& data : island) {
            data.Affordable = true;
            for (size_t kind = 0; kind < ElementKinds; ++kind)
                if (!(owned_[kind] >= data.Price[kind])) data.Affordable = false;
        }
}

bool TBuySlots::CanBuy(int island, int slot) const {
    if (!ValidSlot(island, slot)) return false;
    const TBuySlotData& data = Slot(island, slot);
    return !data.Bought && data.Affordable && (slot == 1 || Slot(island, slot - 1).Bought);
}

bool TBuySlots::Buy(int slot) {
    // The button is enabled only then; a click that got through otherwise buys nothing.
    if (!CanBuy(IslandIdx, slot)) return false;
    TBuySlotData& data = SlotData(IslandIdx, slot);
    data.Bought = true;
    RebuildUpgradeSet();
    if (hoveredSlot_ == slot) HoverChanged(0);
    if (OnBuy) OnBuy(IslandIdx, slot, data.Price);
    return true;
}

void TBuySlots::MarkNotified(int island, int slot) {
    if (ValidSlot(island, slot)) SlotData(island, slot).Notified = true;
}

int TBuySlots::TakeAffordableNotice() {
    if (!ValidSlot(IslandIdx, 1)) return 0;
    for (int slot = SlotsPerBuyIsland; slot >= 1; --slot) {
        TBuySlotData& data = SlotData(IslandIdx, slot);
        if (!data.Affordable || data.Bought || data.Notified) continue;
        data.Notified = true;
        return slot;
    }
    return 0;
}

bool TBuySlots::AllBought(int island) const {
    if (!ValidSlot(island, 1)) return false;
    return std::all_of(slots_[island - 1].begin(), slots_[island - 1].end(),
                       [](const TBuySlotData& data) { return data.Bought; });
}

int TBuySlots::BoughtCount() const {
    int count = 0;
    for (const auto& island : slots_)
        for (const TBuySlotData& data : island) count += data.Bought ? 1 : 0;
    return count;
}

int TBuySlots::BonusPercentTotal() const {
    int total = 0;
    for (const auto& island : slots_)
        for (const TBuySlotData& data : island) total += data.Bought ? data.BonusPercent : 0;
    return total;
}

bool TBuySlots::HasUpgrade(int upgrade) const {
    return upgrade >= 1 && upgrade <= UpgradeCount && (upgradeSet_ >> upgrade & 1) != 0;
}

void TBuySlots::RebuildUpgradeSet() {
    upgradeSet_ = 0;
    for (const auto& island : slots_)
        for (const TBuySlotData& data : island)
            if (data.Bought && data.Upgrade != upNone)
                upgradeSet_ |= static_cast<uint16_t>(1u << data.Upgrade);
}

// ---- Persistence ----

std::array<uint8_t, BuySlotCount> TBuySlots::GetBoughtFlags() const {
    std::array<uint8_t, BuySlotCount> flags{};
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot)
            flags[TableIndex(island, slot)] = Slot(island, slot).Bought ? 1 : 0;
    return flags;
}

void TBuySlots::SetBoughtFlags(std::span<const uint8_t, BuySlotCount> flags) {
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot)
            SlotData(island, slot).Bought = flags[TableIndex(island, slot)] != 0;
    RebuildUpgradeSet();
}

uint32_t TBuySlots::GetNotifiedBits() const {
    uint32_t bits = 0;
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot)
            if (Slot(island, slot).Notified) bits |= 1u << TableIndex(island, slot);
    return bits;
}

void TBuySlots::SetNotifiedBits(uint32_t bits) {
    for (int island = 1; island <= BuyIslands; ++island)
        for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot)
            SlotData(island, slot).Notified = (bits >> TableIndex(island, slot) & 1) != 0;
}

// ---- The panel ----

TPoint TBuySlots::SlotOrigin(int slot) const {
    return {Left + (slot - 1) * SlotGap, Top};
}

void TBuySlots::PlaceButtons() {
    for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) {
        TGameButton& button = buttons_[slot - 1];
        const TPoint origin = SlotOrigin(slot);
        button.Left = origin.X + ButtonOffset.X;
        button.Top = origin.Y + ButtonOffset.Y;
        button.Visible = !Slot(IslandIdx, slot).Bought;
        button.Enabled = CanBuy(IslandIdx, slot);
    }
}

void TBuySlots::Tick() {
    PlaceButtons();
    for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) DrawSlot(slot);
}

void TBuySlots::DrawSlot(int slot) {
    const TBuySlotData& data = Slot(IslandIdx, slot);
    if (data.IconIdx == 0) return;
    const TPoint origin = SlotOrigin(slot);
    DrawImage(data.Bought ? Pictures::BuySlotIcons_Gray : Pictures::BuySlotIcons,
              origin.X + IconOffset.X, origin.Y + IconOffset.Y, 0, 0, 0, 1, 1, FullChannel,
              FullChannel, FullChannel, FullChannel, data.IconIdx - 1);
    DrawImage(Pictures::BuySlotGlassCover, origin.X, origin.Y, 0, 0, 0, 1, 1, FullChannel,
              FullChannel, FullChannel, FullChannel, 0);
    if (GlobGameText != nullptr) {
        const int alpha = data.Bought ? BoughtTextAlpha : UnboughtTextAlpha;
        GlobGameText->DrawText(origin.X + TitleOffset.X, origin.Y + TitleOffset.Y, data.Title,
                               TextRatio, TextSpacing, alpha, NoWidthLimit, White);
        GlobGameText->DrawText(origin.X + DescriptionOffset.X, origin.Y + DescriptionOffset.Y,
                               data.Description, TextRatio, TextSpacing, alpha, NoWidthLimit,
                               White);
    }
    buttons_[slot - 1].Draw(FullChannel);
}

void TBuySlots::Press(int x, int y, TMouseButton button) {
    if (!Enabled) return;
    for (TGameButton& buyButton : buttons_) buyButton.Press(x, y, button);
}

void TBuySlots::Hover(int x, int y) {
    if (!Enabled) return;
    PlaceButtons();
    for (TGameButton& buyButton : buttons_) buyButton.Hover(x, y);
    // The shop window shows over a disabled button too: its price is what the player wants.
    int hovered = 0;
    for (int slot = 1; slot <= SlotsPerBuyIsland; ++slot) {
        const TGameButton& buyButton = buttons_[slot - 1];
        if (buyButton.Visible && buyButton.HitTest(x, y)) hovered = slot;
    }
    if (hovered != hoveredSlot_) HoverChanged(hovered);
}

void TBuySlots::Release(int x, int y) {
    if (!Enabled) return;
    for (TGameButton& buyButton : buttons_) buyButton.Release(x, y);
}

void TBuySlots::HoverChanged(int slot) {
    const int left = hoveredSlot_;
    hoveredSlot_ = slot;
    if (left != 0 && OnBuyButtonMouseOff)
        OnBuyButtonMouseOff(IslandIdx, left, Slot(IslandIdx, left));
    if (slot != 0 && OnBuyButtonMouseOver)
        OnBuyButtonMouseOver(IslandIdx, slot, Slot(IslandIdx, slot));
}
