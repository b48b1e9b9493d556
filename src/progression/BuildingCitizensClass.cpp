#include "progression/BuildingCitizensClass.h"

#include "engine/PictureNames.h"

namespace {

// Who walks where: the work they belong to, their picture, the two ends of their way (feet).
struct TWalk {
    int Island;
    int Slot;
    int Picture; // Citizen1 .. Citizen6
    TPoint From;
    TPoint To;
};
constexpr TWalk Walks[] = {
    {1, 1, 1, {300, 548}, {420, 548}},   // the market square
    {1, 2, 4, {370, 548}, {500, 550}},   // to the bakery
    {1, 4, 2, {120, 330}, {150, 520}},   // along the fishing pier
    {2, 1, 3, {60, 470}, {190, 470}},    // between the beach huts
    {2, 3, 5, {1000, 480}, {1110, 478}}, // at the lighthouse's foot
    {5, 1, 6, {360, 232}, {540, 232}},   // before the festival stage
};

} // namespace

TBuildingCitizens::TBuildingCitizens() {
    for (const TWalk& walk : Walks) {
        TResident resident{StickerOfSlot(walk.Island, walk.Slot), {}};
        resident.Walker.ImgName = Pictures::Citizens.Name(walk.Picture);
        resident.Walker.SetWay(walk.From, walk.To);
        citizens_.push_back(resident);
    }
}

bool TBuildingCitizens::InPicture(size_t index) const {
    return OnSBItemTypeBoughtFullAlphaQuestion &&
           OnSBItemTypeBoughtFullAlphaQuestion(citizens_[index].Work);
}

void TBuildingCitizens::Tick() {
    for (size_t i = 0; i < citizens_.size(); ++i)
        if (InPicture(i)) citizens_[i].Walker.Tick(true);
}
