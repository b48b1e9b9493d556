#pragma once
// Image sets: numbered folders of pictures loaded together. The sets that can be unloaded again
// (the logos and the splash, 0 and 1, and 3, 4, 5, 6, 7 and 9) remember exactly which items they
// loaded.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TImageListItem;
class TOmegaImageList;

// The image sets by number.
enum TImageSet : int {
    LogoImageSet,
    SplashImageSet,
    MainImageSet,
    HavenImageSet,
    StoryImageSet,
    EndingImageSet,
    CreatureImageSet,
    MenuImageSet,
    BoardImageSet,
    HeroSceneImageSet
};

// Folder of a set below the program folder: creatureKind (0..4) picks the folder of set 6,
// heroScene the sub-folder of set 9. Empty for an unknown set.
std::string ImageSetFolder(int set, int creatureKind = 0, int heroScene = 0);
// Where single pictures are loaded from on demand.
inline constexpr const char* LateLoadFolder = "Images/LateLoad/";

class TLoadedImageList {
public:
    static bool IsRecordedSet(int set);

    // Remembers the item for the set (sets that are not recorded are ignored).
    void Record(int set, const TImageListItem& item);
    // A recorded set with no items is not loaded.
    bool IsLoaded(int set) const;
    std::vector<std::string> Names(int set) const;
    // Destroys the items the set loaded (not others of the same name) and forgets them.
    void Unload(int set, TOmegaImageList& list);

private:
    struct Loaded {
        std::string Name;
        uint64_t Identity;
    };
    // Index of the set's list, or -1.
    static int SlotOf(int set);
    std::array<std::vector<Loaded>, 8> sets_;
};
