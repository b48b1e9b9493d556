#pragma once
// The player's way through the game that the scenes share: the purse and the upgrade slots, the
// shop window, the islands of the map; read from the player's record and written back into it.
#include "progression/BuySlotsClass.h"
#include "progression/BuySlotsInfoClass.h"
#include "progression/MapIslandsClass.h"
#include "saves/PlayerSaveRecord.h"

#include <functional>
#include <string>

class TGameProgress {
public:
    static constexpr TPoint ShopWindowPos{224, 151};

    TBuySlots BuySlots;
    TBuySlotsInfo SlotsInfo;
    TMapIslands MapIslands;

    // Texts and prices, once at start-up; `programFolder` ends with '/'.
    void Prepare(const TTextStrings& texts, TGlobalGameText& gameText,
                 const std::string& programFolder, std::function<void(const std::string&)> log);
    void TakeSizes() { BuySlots.TakeSizes(); }

    // A loaded player's purse, slots and map.
    void LoadFrom(const TPlayerSaveRecord& record);
    void StoreIn(TPlayerSaveRecord& record) const;

    // The islands after every completed island open; the player's next level moves to the
    // first level of the highest newly opened one. True when an island opened.
    bool OpenCompletedIslands(TPlayerSaveRecord& record);
};
