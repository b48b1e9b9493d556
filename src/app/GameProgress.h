#pragma once
// The player's way through the game that the scenes share: the purse and the upgrade slots, the
// shop window, the islands of the map, the sticker book; read from the player's record and
// written back into it.
#include "progression/BuySlotsClass.h"
#include "progression/BuySlotsInfoClass.h"
#include "progression/MapIslandsClass.h"
#include "progression/StickerBookObjectsClass.h"
#include "saves/PlayerSaveRecord.h"

#include <functional>
#include <string>

class TGameProgress {
public:
    static constexpr TPoint ShopWindowPos{224, 151};

    TBuySlots BuySlots;
    TBuySlotsInfo SlotsInfo;
    TMapIslands MapIslands;
    TStickerBookObjects StickerBook;

    // Texts and prices, once at start-up; `programFolder` ends with '/'.
    void Prepare(const TTextStrings& texts, TGlobalGameText& gameText,
                 const std::string& programFolder, std::function<void(const std::string&)> log);
    void TakeSizes() { BuySlots.TakeSizes(); }

    // A loaded player's purse, slots, map and sticker book.
    void LoadFrom(const TPlayerSaveRecord& record);
    void StoreIn(TPlayerSaveRecord& record, bool withStickerBook) const;
    // The sticker of a bought work comes into the book; after the last one, the zeppelin.
    void RevealSticker(int island, int slot);

    // The islands after every completed island open; the player's next level moves to the
    // first level of the highest newly opened one. True when an island opened.
    bool OpenCompletedIslands(TPlayerSaveRecord& record);
};
