#include "engine/LoadedImageListClass.h"

#include "engine/OmegaImageList.h"

std::string ImageSetFolder(int set, int creatureKind, int heroScene) {
    static constexpr const char* CreatureFolders[] = {"Centaur", "Hydra", "Golem", "Cyclops",
                                                      "Dragon"};
    switch (set) {
    case 0:
        return "Images/Logo/";
    case 1:
        return "Images/Splash/";
    case 2:
        return "Images/";
    case 3:
        return "Images/Haven/";
    case 4:
        return "Images/Story/";
    case 5:
        return "Images/Ending/";
    case 6:
        if (creatureKind < 0 || creatureKind > 4) return {};
        return std::string("Images/Creatures/") + CreatureFolders[creatureKind] + "/";
    case 7:
        return "Images/Menu/";
    case 8:
        return "Images/Board/";
    case 9:
        return "Images/TovanScenes/" + std::to_string(heroScene) + "/";
    default:
        return {};
    }
}

int TLoadedImageList::SlotOf(int set) {
    switch (set) {
    case 3:
        return 0;
    case 4:
        return 1;
    case 5:
        return 2;
    case 6:
        return 3;
    case 7:
        return 4;
    case 9:
        return 5;
    case 0:
        return 6;
    case 1:
        return 7;
    default:
        return -1;
    }
}

bool TLoadedImageList::IsRecordedSet(int set) {
    return SlotOf(set) >= 0;
}

void TLoadedImageList::Record(int set, const TImageListItem& item) {
    const int slot = SlotOf(set);
    if (slot >= 0) sets_[slot].push_back({item.Name(), item.Identity()});
}

bool TLoadedImageList::IsLoaded(int set) const {
    const int slot = SlotOf(set);
    return slot >= 0 && !sets_[slot].empty();
}

std::vector<std::string> TLoadedImageList::Names(int set) const {
    std::vector<std::string> names;
    const int slot = SlotOf(set);
    if (slot >= 0)
        for (const auto& loaded : sets_[slot]) names.push_back(loaded.Name);
    return names;
}

void TLoadedImageList::Unload(int set, TOmegaImageList& list) {
    const int slot = SlotOf(set);
    if (slot < 0) return;
    for (const auto& loaded : sets_[slot])
        if (TImageListItem* item = list.ImageList.FindIdentity(loaded.Identity))
            list.ImageList.Remove(item);
    sets_[slot].clear();
}
