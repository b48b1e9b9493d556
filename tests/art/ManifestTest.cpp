// The manifest is the list of every picture: the code may draw no name it lacks, and the built
// game folder must hold every entry at its size and with its tile layout.
#include "Manifest.h"

#include "engine/PictureNames.h"
#include "engine/SpriteTileCountClass.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::vector<TManifestEntry>& Manifest() {
    static const std::vector<TManifestEntry> entries =
        ReadManifest(TOVAN_SOURCE_DIR "/content/images/manifest.txt");
    return entries;
}

std::set<std::string> ManifestNames() {
    std::set<std::string> names;
    for (const auto& entry : Manifest()) names.insert(entry.Name);
    return names;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TUse {
    std::string Where; // file:line
    std::string Name;
    bool Prefix; // a literal the code completes with a number ("ChatCharacter" + n)
    bool Shared; // a name of PictureNames.h (checked through Pictures::All), not a literal
};

// Every name the game's code hands to a by-name picture call: a string literal or a shared name.
std::vector<TUse> PictureUses() {
    static const std::regex call(
        R"re(\b(DrawImage|DrawImageBlend|DrawImageColored|DrawImageEx|DrawRect|Find|ImageTileWidth|ImageTileHeight|ImageTileSize)\s*\(\s*(?:"([^"\\]*)"\s*(\+?)|Pictures::(\w+)))re");
    std::vector<TUse> uses;
    for (const auto& file : fs::recursive_directory_iterator(TOVAN_SOURCE_DIR "/src")) {
        const auto ext = file.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        const std::string text = ReadFile(file.path());
        for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it) {
            const auto line = std::count(text.begin(), text.begin() + it->position(), '\n') + 1;
            uses.push_back(
                {fs::relative(file.path(), TOVAN_SOURCE_DIR).string() + ":" + std::to_string(line),
                 (*it)[4].matched ? (*it)[4].str() : (*it)[2].str(), !(*it)[3].str().empty(),
                 (*it)[4].matched});
        }
    }
    return uses;
}

struct TPixelSize {
    int Width = 0, Height = 0;
};

uint32_t BigEndian(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// Size from the file's header: the PNG IHDR chunk or the JPEG start-of-frame segment.
TPixelSize PictureSize(const fs::path& path) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() > 24 && bytes.compare(1, 3, "PNG") == 0)
        return {static_cast<int>(BigEndian(bytes, 16, 4)),
                static_cast<int>(BigEndian(bytes, 20, 4))};
    for (size_t at = 2; at + 9 < bytes.size();) {
        if (static_cast<uint8_t>(bytes[at]) != 0xFF) break;
        const uint8_t marker = static_cast<uint8_t>(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xC3)
            return {static_cast<int>(BigEndian(bytes, at + 7, 2)),
                    static_cast<int>(BigEndian(bytes, at + 5, 2))};
        at += 2 + BigEndian(bytes, at + 2, 2);
    }
    return {};
}

TEST(PictureManifest, EveryPictureTheCodeDrawsByLiteralIsListed) {
    const auto names = ManifestNames();
    const auto uses = PictureUses();
    EXPECT_FALSE(uses.empty()) << "the scan found no drawing calls at all";
    for (const TUse& use : uses) {
        if (use.Shared) continue;
        if (use.Prefix) {
            const bool some = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
                return n.rfind(use.Name, 0) == 0;
            });
            EXPECT_TRUE(some) << use.Where << " composes pictures from \"" << use.Name << "\"";
        } else {
            EXPECT_TRUE(names.contains(use.Name)) << use.Where << " draws \"" << use.Name << "\"";
        }
    }
}

TEST(PictureManifest, EverySharedNameFamilyAndBossPictureIsListed) {
    const auto names = ManifestNames();
    for (std::string_view name : Pictures::All)
        EXPECT_TRUE(names.contains(std::string(name))) << name;
    for (const auto& family : Pictures::Families)
        for (int n = family.First; n <= family.Last; ++n)
            EXPECT_TRUE(names.contains(family.Name(n))) << family.Name(n);
    for (int island = 1; island <= 5; ++island)
        for (std::string_view pose : Pictures::BossPoses) {
            const std::string name = Pictures::BossPicture(island, pose);
            EXPECT_TRUE(names.contains(name)) << name;
            const auto entry = std::find_if(Manifest().begin(), Manifest().end(),
                                            [&](const auto& e) { return e.Name == name; });
            if (entry != Manifest().end()) {
                EXPECT_EQ(entry->Folder,
                          "Images/Creatures/" + std::string(Pictures::CreatureFolders[island - 1]))
                    << name;
            }
        }
}

TEST(PictureManifest, NamesAreUniqueAndFoldersAreTheGameSets) {
    // The game finds a picture by name, first loaded first: two files of one name would hide one.
    // Icons are the desktop's and the window's, read by file name.
    std::set<std::string> seen;
    const std::regex folder(
        R"(Images(/(Logo|Splash|Menu|Haven|Story|Ending|LateLoad|Icons|Creatures/(Centaur|Hydra|Golem|Cyclops|Dragon)|TovanScenes/([0-9]|1[0-9]|20)))?)");
    for (const auto& entry : Manifest()) {
        EXPECT_TRUE(seen.insert(entry.Name).second) << entry.Name << " twice";
        EXPECT_TRUE(std::regex_match(entry.Folder, folder)) << entry.File;
    }
    // Folders the game's loading rules fix by name.
    const std::map<std::string, std::string> fixed = {
        {"CompanyLogo1", "Images/Logo/CompanyLogo1.jpg"},
        {"SplashBG", "Images/Splash/SplashBG.jpg"},
        {"LoadingBarBG", "Images/Splash/LoadingBarBG.png"},
        {"LoadingBarText", "Images/Splash/LoadingBarText.png"},
        {"PlayButton", "Images/Menu/PlayButton.png"},
        {"Help1", "Images/LateLoad/Help1.jpg"},
        {"Upg1_1", "Images/Haven/Upg1_1.png"},
        {"Scene0Captain", "Images/TovanScenes/0/Scene0Captain.png"}};
    for (const auto& entry : Manifest())
        if (fixed.contains(entry.Name)) {
            EXPECT_EQ(entry.File, fixed.at(entry.Name));
        }
}

TEST(PictureManifest, TileLayoutsAreTheGamesTileCounts) {
    const TSpriteTileCount tileCounts;
    for (const auto& entry : Manifest()) {
        const TSpriteTileCountEntry layout = tileCounts.Lookup(entry.Name);
        EXPECT_EQ(entry.Columns, layout.Columns) << entry.Name;
        EXPECT_EQ(entry.Rows, layout.Rows) << entry.Name;
    }
    // Every multi-tile picture the game knows is in the manifest.
    const auto names = ManifestNames();
    for (const auto& layout : tileCounts.Entries())
        EXPECT_TRUE(names.contains(layout.Name)) << layout.Name;
}

TEST(BuiltPictures, EveryManifestEntryIsInTheGameFolderAtItsSize) {
    for (const auto& entry : Manifest()) {
        const fs::path file = fs::path(TOVAN_GAME_DIR) / entry.File;
        ASSERT_TRUE(fs::exists(file)) << file;
        const TPixelSize size = PictureSize(file);
        EXPECT_EQ(size.Width, entry.Width()) << entry.File;
        EXPECT_EQ(size.Height, entry.Height()) << entry.File;
    }
    EXPECT_FALSE(fs::exists(fs::path(TOVAN_GAME_DIR) / "Images/Board"))
        << "the Windows 10 board pictures are not shipped";
    EXPECT_TRUE(fs::exists(fs::path(TOVAN_GAME_DIR) / "contact-sheet.png"));
}

TEST(PictureManifest, MalformedLinesNameTheirLine) {
    const fs::path file = fs::temp_directory_path() / "tovan-bad-manifest.txt";
    std::ofstream(file)
        << "# fine\nImages/A.png 2x1 52x52 two tiles\nImages/B.png 2x 52x52 broken\n";
    try {
        ReadManifest(file.string());
        ADD_FAILURE() << "a bad tile count was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("line 3"), std::string::npos) << error.what();
    }
    fs::remove(file);
}

} // namespace
