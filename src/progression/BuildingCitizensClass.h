#pragma once
// TBuildingCitizens: the islanders of the haven, each belonging to a work's sticker and walking
// only while that sticker is whole in the picture.
#include "progression/BuildingCitizenClass.h"
#include "progression/StickerBookObjectsClass.h"

#include <functional>
#include <vector>

class TBuildingCitizens {
public:
    // Whether the work is in the picture at full alpha.
    std::function<bool(TStickerBookItemType type)> OnSBItemTypeBoughtFullAlphaQuestion;

    TBuildingCitizens();
    // Those whose work is in the picture rest and walk, and are drawn; the others are not there.
    void Tick();
    size_t Count() const { return citizens_.size(); }
    const TBuildingCitizen& Citizen(size_t index) const { return citizens_[index].Walker; }
    TStickerBookItemType WorkOf(size_t index) const { return citizens_[index].Work; }
    bool InPicture(size_t index) const;

private:
    struct TResident {
        TStickerBookItemType Work;
        TBuildingCitizen Walker;
    };
    std::vector<TResident> citizens_;
};
