#include "app/GameProgress.h"

#include "progression/SlotPricesFile.h"

#include <algorithm>

namespace {

// The map's further state: the announced islands, then the current island.
constexpr size_t CurrentIslandByte = MapIslandCount;
static_assert(MapStateSize == MapIslandCount + 1);
constexpr int BitsPerByte = 8;
// The sticker book's flags beyond the record's sticker bytes go into its extra value.
static_assert(StickerEntryCount == StickerBookSize + sizeof(uint16_t));

} // namespace

void TGameProgress::Prepare(const TTextStrings& texts, TGlobalGameText& gameText,
                            const std::string& programFolder,
                            std::function<void(const std::string&)> log) {
    BuySlots.GlobGameText = &gameText;
    BuySlots.OnLog = std::move(log);
    BuySlots.PricesFilePath = programFolder;
    BuySlots.PricesFileName = SlotPricesFileName;
    BuySlots.BuildSlots(texts);
    BuySlots.LoadPrices();
    SlotsInfo.GlobGameText = &gameText;
    SlotsInfo.TextStringsComp = &texts;
    SlotsInfo.Left = ShopWindowPos.X;
    SlotsInfo.Top = ShopWindowPos.Y;
    MapIslands.TextStringsComp = &texts;
}

void TGameProgress::LoadFrom(const TPlayerSaveRecord& record) {
    TElementsCount owned{};
    for (size_t kind = 0; kind < ElementKinds; ++kind) owned[kind] = record.UsableStock(kind);
    BuySlots.SetOwned(owned);
    BuySlots.ResetLevelEarnings();
    std::array<uint8_t, BuySlotCount> bought{};
    uint32_t notified = 0;
    for (size_t island = 0; island < IslandCount; ++island)
        for (size_t slot = 0; slot < SlotsPerIsland; ++slot)
            bought[island * SlotsPerIsland + slot] = record.ElementSlots[island][slot];
    for (size_t byte = 0; byte < SlotsNotifiedSize; ++byte)
        notified |= uint32_t{record.SlotsNotified[byte]} << (BitsPerByte * byte);
    BuySlots.SetBoughtFlags(bought);
    BuySlots.SetNotifiedBits(notified);
    BuySlots.IslandIdx = record.UsableIsland();
    BuySlots.LevelIdx = record.UsableLevel();
    std::array<uint8_t, MapIslandCount> announced{};
    std::copy_n(record.MapState.begin(), MapIslandCount, announced.begin());
    MapIslands.Restore(record.MapIslandsOpened, record.MapIslandsEntered, announced,
                       record.MapState[CurrentIslandByte]);
    // A record from before an island's opening was kept still opens it.
    MapIslands.Unlock(record.UsableIsland());
    MapIslands.UnlockCompleted(BuySlots);
    BuySlots.UpdateAffordable();
    std::array<uint8_t, StickerEntryCount> shown{};
    std::copy(record.StickerBook.begin(), record.StickerBook.end(), shown.begin());
    shown[StickerBookSize] = static_cast<uint8_t>(record.StickerBookExtra & 0xFF);
    shown[StickerBookSize + 1] = static_cast<uint8_t>(record.StickerBookExtra >> BitsPerByte);
    StickerBook.SetShownFlags(shown);
    StickerBook.UpdateStage();
}

void TGameProgress::StoreIn(TPlayerSaveRecord& record, bool withStickerBook) const {
    for (size_t kind = 0; kind < ElementKinds; ++kind)
        record.ElementStocks[kind] = BuySlots.Owned()[kind];
    const auto bought = BuySlots.GetBoughtFlags();
    for (size_t island = 0; island < IslandCount; ++island)
        for (size_t slot = 0; slot < SlotsPerIsland; ++slot)
            record.ElementSlots[island][slot] = bought[island * SlotsPerIsland + slot];
    const uint32_t notified = BuySlots.GetNotifiedBits();
    for (size_t byte = 0; byte < SlotsNotifiedSize; ++byte)
        record.SlotsNotified[byte] = static_cast<uint8_t>(notified >> (BitsPerByte * byte));
    record.MapIslandsOpened = MapIslands.UnlockedFlags();
    record.MapIslandsEntered = MapIslands.EnteredFlags();
    const auto announced = MapIslands.AnnouncedFlags();
    std::copy(announced.begin(), announced.end(), record.MapState.begin());
    record.MapState[CurrentIslandByte] = static_cast<uint8_t>(MapIslands.Current());
    if (!withStickerBook) return;
    const auto shown = StickerBook.GetShownFlags();
    std::copy_n(shown.begin(), StickerBookSize, record.StickerBook.begin());
    record.StickerBookExtra =
        static_cast<uint16_t>(shown[StickerBookSize] | shown[StickerBookSize + 1] << BitsPerByte);
}

void TGameProgress::RevealSticker(int island, int slot) {
    StickerBook.RevealAndHighlight(StickerOfSlot(island, slot));
    if (island == BuyIslands && BuySlots.AllBought(BuyIslands)) StickerBook.Reveal(ciZeppelin);
    StickerBook.UpdateStage();
}

bool TGameProgress::OpenCompletedIslands(TPlayerSaveRecord& record) {
    if (!MapIslands.UnlockCompleted(BuySlots)) return false;
    const int highest = MapIslands.HighestUnlocked();
    MapIslands.SelectHighestUnlocked();
    if (highest > record.UsableIsland()) {
        record.NextUncompletedIsland = static_cast<uint8_t>(highest);
        record.NextUncompletedLevel = 1;
    }
    BuySlots.IslandIdx = static_cast<uint8_t>(highest);
    BuySlots.LevelIdx = record.UsableLevel();
    return true;
}
