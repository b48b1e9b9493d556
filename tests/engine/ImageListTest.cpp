// Image lists: pictures decoded from real PNG and JPEG files, cut into tiles by the tile-count
// table, found by name, and unloaded set by set.
#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "engine/ImageSetLoader.h"
#include "engine/LoadedImageListClass.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/SpriteTileCountClass.h"
#include "platform/RecordingGraphicsDevice.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace fs = std::filesystem;

namespace {

TPicture SolidPicture(int width, int height, uint32_t argb) {
    return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, argb)};
}

void WriteJpeg(const std::string& path, int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) row[x * 3] = r, row[x * 3 + 1] = g, row[x * 3 + 2] = b;
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

class ImageLists : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("tovan-images-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        screen.SetWindow(&device);
        screen.Initialize();
        list.TileCounts = &tileCounts;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Dir() const { return folder.string() + "/"; }
    void WritePng(const std::string& name, int width, int height, uint32_t argb) {
        const TPicture picture = SolidPicture(width, height, argb);
        ASSERT_TRUE(EncodePngFile(Dir() + name, width, height, picture.Pixels.data()));
    }

    fs::path folder;
    TRecordingGraphicsDevice device{GameSpace};
    TOmegaScreen screen;
    TOmegaImageList list{&screen};
    TSpriteTileCount tileCounts;
};

TEST_F(ImageLists, PngKeepsAlphaAndJpegDecodesItsColours) {
    WritePng("Glow.png", 3, 2, 0x80FF8000);
    WriteJpeg(Dir() + "Back.jpg", 16, 8, 0, 0, 255);
    const TPicture png = DecodePictureFile(Dir() + "Glow.png");
    ASSERT_EQ(png.Width, 3);
    ASSERT_EQ(png.Height, 2);
    EXPECT_EQ(png.Pixels[5], 0x80FF8000u);
    const TPicture jpeg = DecodePictureFile(Dir() + "Back.jpg");
    ASSERT_EQ(jpeg.Width, 16);
    EXPECT_EQ(jpeg.Pixels[0] >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>(jpeg.Pixels[0] & 0xFF), 255, 3);
    EXPECT_LT(static_cast<int>((jpeg.Pixels[0] >> 16) & 0xFF), 4);
}

TEST_F(ImageLists, BrokenOrMissingFilesRaiseDecodeErrors) {
    std::FILE* file = std::fopen((Dir() + "Bad.png").c_str(), "wb");
    std::fputs("not a picture", file);
    std::fclose(file);
    EXPECT_THROW(list.LoadImageFile(Dir(), "Bad.png"), TImageDecodeError);
    EXPECT_THROW(list.LoadImageFile(Dir(), "Bad.png", true), TImageDecodeError);
    EXPECT_THROW(list.LoadImageFile(Dir(), "Gone.png"), TImageDecodeError);
    EXPECT_EQ(list.ImageList.Count(), 0);
}

// Only the texture keeps the pixels; a lost device gets them again from the file.
TEST_F(ImageLists, APictureFromAFileIsKeptOnceAndMadeAgainFromItsFile) {
    WritePng("Horse.png", 400, 100, 0xFFFFFFFF);
    WriteJpeg(Dir() + "Back.jpg", 16, 8, 0, 0, 255);
    TImageListItem& horse = list.LoadImageFile(Dir(), "Horse.png");
    TImageListItem& back = list.LoadImageFile(Dir(), "Back.jpg");
    EXPECT_TRUE(horse.Picture().Pixels.empty());
    EXPECT_EQ(horse.PictureWidth(), 400);
    EXPECT_EQ(horse.TileWidth(), 100) << "the tiles stay cut";

    list.Release(true);
    EXPECT_EQ(horse.Texture(), NoTexture);
    list.Restore();
    ASSERT_NE(horse.Texture(), NoTexture);
    EXPECT_EQ(device.TextureSize(horse.Texture()), (TPixelSize{400, 100}));
    EXPECT_EQ(horse.PatternCount(), 4);
    ASSERT_NE(back.Texture(), NoTexture);
    EXPECT_TRUE(horse.Picture().Pixels.empty());

    // Gone or changed since: that picture goes missing, the rest comes back.
    list.Release(true);
    fs::remove(Dir() + "Horse.png");
    WriteJpeg(Dir() + "Back.jpg", 8, 8, 0, 0, 255);
    WritePng("Other.png", 2, 2, 0xFFFFFFFF);
    TImageListItem& other = list.LoadImageFile(Dir(), "Other.png");
    list.Release(true);
    EXPECT_NO_THROW(list.Restore());
    EXPECT_EQ(horse.Texture(), NoTexture);
    EXPECT_EQ(back.Texture(), NoTexture);
    EXPECT_NE(other.Texture(), NoTexture);
}

// A set loads a few pictures a step; a broken one is skipped and the set still finishes.
TEST_F(ImageLists, ASetLoadsStepByStepFromOneFileListAndAlwaysFinishes) {
    WriteJpeg(Dir() + "Back.jpg", 16, 8, 0, 0, 255);
    WritePng("Bee.png", 4, 4, 0xFFFFFFFF);
    WritePng("Ant.png", 4, 4, 0xFFFFFFFF);
    std::FILE* file = std::fopen((Dir() + "Broken.png").c_str(), "wb");
    std::fputs("not a picture", file);
    std::fclose(file);

    TImageSetLoader loader;
    std::vector<std::string> loaded, skipped;
    loader.OnImageLoaded = [&](int set, const TImageListItem& item) {
        EXPECT_EQ(set, 2);
        loaded.push_back(item.Name());
    };
    loader.OnImageSkipped = [&](const std::string& message) { skipped.push_back(message); };
    loader.Start(2, Dir());
    EXPECT_EQ(loader.ImageCount(), 4);
    EXPECT_FALSE(loader.LoadNext(list, 2));
    EXPECT_EQ(loaded, (std::vector<std::string>{"Back", "Ant"})) << "pictures first by kind";
    EXPECT_TRUE(loader.LoadNext(list, 5));
    EXPECT_EQ(loader.LoadedCount(), 4);
    EXPECT_EQ(loaded.size(), 3u);
    ASSERT_EQ(skipped.size(), 1u);
    EXPECT_NE(skipped[0].find("Broken.png"), std::string::npos) << skipped[0];
    EXPECT_TRUE(loader.LoadNext(list, 1)) << "nothing left";

    loader.Start(2, Dir(), false, true);
    loader.LoadRest(list);
    EXPECT_EQ(loader.ImageCount(), 3);
    EXPECT_TRUE(loader.Finished());
    loader.Start(2, Dir() + "none/");
    EXPECT_TRUE(loader.Finished()) << "a missing folder is an empty set";
}

TEST_F(ImageLists, PicturesAreCutByTheTileCountTable) {
    EXPECT_EQ(tileCounts.Entries().size(), 85u);
    WritePng("Horse.png", 400, 100, 0xFFFFFFFF);
    WritePng("GlobalFontWhite.png", 28 * 10 + 7, 4 * 12, 0xFFFFFFFF); // 7 pixels too wide
    WritePng("Plain.png", 30, 20, 0xFFFFFFFF);
    const TImageListItem& horse = list.LoadImageFile(Dir(), "Horse.png");
    EXPECT_EQ(horse.Name(), "Horse");
    EXPECT_EQ(horse.TileWidth(), 100);
    EXPECT_EQ(horse.TileHeight(), 100);
    EXPECT_EQ(horse.PatternCount(), 4);
    const TImageListItem& font = list.LoadImageFile(Dir(), "GlobalFontWhite.png");
    EXPECT_EQ(font.TileWidth(), 10); // the remainder pixels on the right are lost
    EXPECT_EQ(font.Columns(), 28);
    EXPECT_EQ(font.Rows(), 4);
    const TImageListItem& plain = list.LoadImageFile(Dir(), "Plain.png");
    EXPECT_EQ(plain.PatternCount(), 1);
    EXPECT_EQ(list.NamedTileSize("Horse"), (TPoint{100, 100}));
    EXPECT_EQ(list.NamedTileSize("horse"), (TPoint{})); // names compare exactly
    EXPECT_EQ(device.LiveTextureCount(), 3);
}

TEST_F(ImageLists, FolderFilesComeSortedWithTheirExtensionInAnyCase) {
    for (const char* name : {"b.png", "A.PNG", "c.Png", "d.jpg", "e.png.txt"})
        WritePng(name, 2, 2, 0);
    fs::create_directories(folder / "sub.png");
    EXPECT_EQ(ImageFilesOf(Dir(), ".png"), (std::vector<std::string>{"A.PNG", "b.png", "c.Png"}));
    EXPECT_EQ(ImageFilesOf(Dir(), ".jpg"), (std::vector<std::string>{"d.jpg"}));
    EXPECT_TRUE(ImageFilesOf(Dir() + "missing/", ".png").empty());
}

TEST_F(ImageLists, UnloadingASetDestroysExactlyItsOwnItems) {
    WritePng("Twin.png", 4, 4, 0xFF0000FF);
    TLoadedImageList loaded;
    const TImageListItem& first = list.LoadImageFile(Dir(), "Twin.png"); // an unrecorded set
    const TImageListItem& second = list.LoadImageFile(Dir(), "Twin.png");
    loaded.Record(7, second);
    loaded.Record(2, first);                        // set 2 is never unloaded: ignored
    EXPECT_EQ(list.ImageList.Find("Twin"), &first); // the first loaded wins
    EXPECT_TRUE(loaded.IsLoaded(7));
    EXPECT_EQ(loaded.Names(7), (std::vector<std::string>{"Twin"}));
    loaded.Unload(7, list);
    ASSERT_EQ(list.ImageList.Count(), 1);
    EXPECT_EQ(list.ImageList.Find("Twin"), &first);
    EXPECT_FALSE(loaded.IsLoaded(7));
    loaded.Unload(7, list); // twice: nothing happens
    EXPECT_EQ(list.ImageList.Count(), 1);
    EXPECT_EQ(device.LiveTextureCount(), 1);
    // An item destroyed by name elsewhere is simply gone when its set unloads.
    const TImageListItem& third = list.LoadImageFile(Dir(), "Twin.png");
    loaded.Record(3, third);
    list.ImageList.Remove(list.ImageList.Find("Twin"));
    EXPECT_EQ(list.ImageList.Find("Twin"), &third);
    loaded.Unload(3, list);
    EXPECT_EQ(list.ImageList.Count(), 0);
    EXPECT_EQ(list.ImageList.Find("Twin"), nullptr);
}

TEST_F(ImageLists, SetFolders) {
    EXPECT_EQ(ImageSetFolder(2), "Images/");
    EXPECT_EQ(ImageSetFolder(6, 4), "Images/Creatures/Dragon/");
    EXPECT_EQ(ImageSetFolder(6, 5), "");
    EXPECT_EQ(ImageSetFolder(9, 0, 12), "Images/TovanScenes/12/");
    EXPECT_TRUE(TLoadedImageList::IsRecordedSet(9));
    EXPECT_FALSE(TLoadedImageList::IsRecordedSet(8));
}

TEST_F(ImageLists, ItemFilepathsAndTransparentColourKey) {
    WritePng("Keyed.png", 2, 1, 0xFF00FF00);
    TImageListItem& absolute = list.ImageList.Add("Absolute");
    absolute.Filepath = "  " + Dir() + "Keyed.png ";
    absolute.LoadTexture();
    EXPECT_EQ(absolute.PictureWidth(), 2);
    list.ProgramFolder = Dir();
    TImageListItem& relative = list.ImageList.Add("Relative");
    relative.Filepath = "Keyed.png";
    relative.Transparent = true;
    relative.TransparentColor = 0x00FF00; // green as a system colour
    relative.LoadTexture();
    EXPECT_EQ(relative.PictureHeight(), 1);
    EXPECT_NE(relative.Texture(), NoTexture);
    TImageListItem& missing = list.ImageList.Add("Missing");
    missing.Filepath = "nowhere.png";
    missing.LoadTexture();
    EXPECT_EQ(missing.Texture(), NoTexture);
}

TEST_F(ImageLists, ATextureTheDeviceCannotMakeIsFatal) {
    struct FailingDevice : TRecordingGraphicsDevice {
        using TRecordingGraphicsDevice::TRecordingGraphicsDevice;
        TTextureId CreateTexture(std::string_view, int, int, const uint32_t*) override {
            return NoTexture;
        }
    } failing{GameSpace};
    TImageListItem& item = list.ImageList.Add("Broken");
    item.SetPicture(SolidPicture(0, 0, 0));
    item.LoadTexture(); // an empty picture makes no texture and is no error
    EXPECT_EQ(item.Texture(), NoTexture);
    TOmegaScreen noDevice;
    TOmegaImageList orphan(&noDevice);
    TImageListItem& waiting = orphan.ImageList.Add("Waiting");
    waiting.SetPicture(SolidPicture(2, 2, 0));
    waiting.LoadTexture(); // no device yet: made on the restore pass
    EXPECT_EQ(waiting.Texture(), NoTexture);
    noDevice.SetWindow(&failing);
    EXPECT_THROW(noDevice.Initialize(), TFatalError);
}

} // namespace
