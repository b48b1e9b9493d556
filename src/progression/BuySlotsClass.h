#pragma once
// TBuySlots: the purse of the five element kinds, what the current level has earned, the twenty
// upgrade slots (four per island) with their prices, and the panel that offers the current
// island's four slots with their buy buttons. The controller decides what is credited when; the
// slots are bought in order, each when the purse covers its price.
#include "board/GameData.h"
#include "engine/GameButtonClass.h"
#include "progression/ElementsCount.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class TGlobalGameText;
class TTextStrings;

inline constexpr size_t SlotTextLength = 40;

// What an upgrade slot switches on (its Upgrade); 0 is nothing.
enum TUpgrade : uint8_t {
    upNone = 0,
    upGoldTiles = 9,  // gold tiles pay more, and their frames look golden
    upRosePotion = 10 // potion targets ask for the rose potion
};
inline constexpr int UpgradeCount = 10;

struct TBuySlotData {
    uint8_t IconIdx = 0; // 1..20: (island - 1) * 4 + slot
    std::string Title;
    std::string Description;
    bool Bought = false;
    bool Notified = false; // the affordable notice has sounded for it
    TElementsCount Price{};
    int BonusPercent = 0; // its share of the rebuilt haven
    bool Affordable = false;
    uint8_t Upgrade = upNone;
};

// "Title|Description": the text before the first "|" is the title, the rest the description;
// without "|" everything is the title. Each is cut to 40 characters.
void SplitSlotText(std::string_view text, std::string& title, std::string& description);

// What clearing one element pays: its kind and amount; a count of 0 for codes that pay nothing.
struct TElementCredit {
    TElementKind Kind = elFruit;
    float Count = 0;
};
TElementCredit CreditForClearedCode(int elementCode, int island);
// What one gold-tile layer pays: more with the gold-tile upgrade or on island 3.
float GoldTileCredit(bool goldTilesUpgraded, int island);
// The goods an island gives when its four slots are bought.
TElementsCount IslandBundle(int island);

class TBuySlots {
public:
    static constexpr int DefaultSlotGap = 215;

    TGlobalGameText* GlobGameText = nullptr;
    int Left = 0;
    int Top = 0;
    int SlotGap = DefaultSlotGap;
    // Mouse input reaches the buy buttons.
    bool Enabled = true;
    // The island whose slots are shown and bought; also the island of play.
    uint8_t IslandIdx = 1;
    int LevelIdx = 1;
    std::string PricesFilePath;
    std::string PricesFileName;

    std::function<void(int island, int slot, const TElementsCount& price)> OnBuy;
    std::function<void(int island, int slot, const TBuySlotData& data)> OnBuyButtonMouseOver;
    std::function<void(int island, int slot, const TBuySlotData& data)> OnBuyButtonMouseOff;
    std::function<void(TElementKind kind, float count)> OnOwnedElementsAdd;
    // One line when the prices file is there but unusable.
    std::function<void(const std::string& line)> OnLog;

    TBuySlots();

    // -- set-up, in this order --
    void TakeSizes();
    // Titles and descriptions from the slot texts, one entry per slot in table order.
    void BuildSlots(const TTextStrings& texts);
    // Prices from PricesFilePath + PricesFileName; without a usable file every price is 0.
    void LoadPrices();
    void SetPrices(const TSlotPrices& prices);

    // -- the purse --
    void Credit(TElementKind kind, float count);
    void CreditClearedElement(int elementCode);
    void CreditGoldTileLayer();
    void CreditIslandBundle(int island);
    // A negative result becomes 0.
    void Spend(TElementKind kind, float count);
    void SpendPrice(const TElementsCount& price);
    void ResetLevelEarnings();
    // What the current level added leaves the purse again, never below 0; a second call takes
    // nothing more.
    void ForfeitLevelEarnings();
    void SetOwned(const TElementsCount& owned);
    const TElementsCount& Owned() const { return owned_; }
    const TElementsCount& LevelEarnings() const { return earnings_; }

    // -- the slots (island 1..5, slot 1..4) --
    const TBuySlotData& Slot(int island, int slot) const;
    void UpdateAffordable();
    // Affordable, unbought, and the slot before it bought.
    bool CanBuy(int island, int slot) const;
    // Buys the slot of IslandIdx as its button does: nothing when it is bought already.
    bool Buy(int slot);
    void MarkNotified(int island, int slot);
    // The slot of the current island whose affordable notice is due (the highest affordable,
    // unbought and not yet notified), marked notified; 0 when none.
    int TakeAffordableNotice();
    bool AllBought(int island) const;
    bool AllBoughtInCurrentIsland() const { return AllBought(IslandIdx); }
    int BoughtCount() const;
    int BonusPercentTotal() const;
    bool HasUpgrade(int upgrade) const;

    // -- persistence: one byte per slot, island-major (not 0: bought); notified as bits --
    std::array<uint8_t, BuySlotCount> GetBoughtFlags() const;
    void SetBoughtFlags(std::span<const uint8_t, BuySlotCount> flags);
    uint32_t GetNotifiedBits() const;
    void SetNotifiedBits(uint32_t bits);

    // -- the panel: drawn, and the mouse as widgets hear it --
    void Tick();
    void Press(int x, int y, TMouseButton button);
    void Hover(int x, int y);
    void Release(int x, int y);
    const TGameButton& BuyButton(int slot) const { return buttons_[slot - 1]; }
    // Where slot j's icon, texts and button are placed from.
    TPoint SlotOrigin(int slot) const;

private:
    TBuySlotData& SlotData(int island, int slot);
    void RebuildUpgradeSet();
    void PlaceButtons();
    // The button under the mouse changed: the shop window follows.
    void HoverChanged(int slot);
    void DrawSlot(int slot);

    std::array<std::array<TBuySlotData, SlotsPerBuyIsland>, BuyIslands> slots_{};
    std::array<TGameButton, SlotsPerBuyIsland> buttons_{};
    TElementsCount owned_{};
    TElementsCount earnings_{};
    uint16_t upgradeSet_ = 0;
    int hoveredSlot_ = 0;
};
