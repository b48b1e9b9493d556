#pragma once
// The image list: every picture the game draws, found by name. An item holds one decoded
// picture, its texture on the screen's device, and the cutting of the picture into equal tiles
// (patterns) numbered row by row. The main list is also where drawing by name goes.
#include "engine/Geometry.h"
#include "engine/ImageCodec.h"
#include "engine/ImageDrawing.h"
#include "engine/OmegaRenderer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class TOmegaImageList;
class TOmegaScreen;
class TSpriteTileCount;

// A rectangle of texture coordinates (0..1 of the texture).
struct TTexCoordRect {
    float Left, Top, Right, Bottom;
};

class TImageListItem {
public:
    TImageListItem(TOmegaImageList& owner, uint64_t identity, std::string name);
    ~TImageListItem();
    TImageListItem(const TImageListItem&) = delete;
    TImageListItem& operator=(const TImageListItem&) = delete;

    // The lookup key, fixed when the item is added.
    const std::string& Name() const { return name_; }
    // Optional file to load the picture from: a leading '/' is absolute, anything else is
    // relative to the program folder.
    std::string Filepath;
    // Colour keyed out when Transparent (a system colour: blue in the high byte).
    uint32_t TransparentColor = 0;
    bool Transparent = false;

    // Unique for the life of the list, so a set can unload exactly the items it loaded.
    uint64_t Identity() const { return identity_; }
    // The decoded pixels are let go once the texture holds them when the picture can be decoded
    // again from its file (a lost device makes the texture anew from there); only the size stays.
    const TPicture& Picture() const { return picture_; }
    // One tile the size of the picture until the tile size is set.
    void SetPicture(TPicture picture);
    // The file the picture was decoded from, to decode it again when its texture is lost.
    void SetSourceFile(std::string path, bool asJpeg);
    int TileWidth() const { return tileWidth_; }
    int TileHeight() const { return tileHeight_; }
    // 0 means the whole picture.
    void SetTileWidth(int value);
    void SetTileHeight(int value);
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int PatternCount() const { return rows_ * columns_; }
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    int TextureWidth() const { return textureWidth_; }
    int TextureHeight() const { return textureHeight_; }
    TTextureId Texture() const { return texture_; }

    // Makes the device texture; throws TFatalError when the device cannot make it.
    void LoadTexture();
    // Full: also destroys the texture.
    void ReleaseTexture(bool full);

    // PatternIndex -999 draws nothing, -1 the whole picture; past the last tile, the last tile.
    void Draw(int x, int y, int patternIndex);
    void DrawEx(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY,
                uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha, int patternIndex,
                int blendMode);
    void DrawColored(int x, int y, float angle, float centerX, float centerY, float scaleX,
                     float scaleY, uint32_t color, bool flipVertical, bool flipHorizontal,
                     int patternIndex, int blendMode);
    // The pixel rectangle source of the picture at its own size (progress fills).
    void DrawRect(const TRect& source, int x, int y, float angle, float centerX, float centerY,
                  float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue,
                  uint8_t alpha, bool flipVertical, bool flipHorizontal, int reserved,
                  int blendMode);

private:
    void LoadPictureFromFilepath();
    // Decodes the source file again when the pixels were let go; false when it cannot.
    bool EnsurePixels();
    // Texture rectangles of every pattern, so drawing a tile does no division.
    void CutPatterns();

    TOmegaImageList& owner_;
    uint64_t identity_;
    std::string name_;
    TPicture picture_;
    std::string sourceFile_;
    bool sourceIsJpeg_ = false;
    int rows_ = 1;
    int columns_ = 1;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int tileWidth_ = 1;
    int tileHeight_ = 1;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    float inverseTextureWidth_ = 1; // texture coordinates multiply instead of divide
    float inverseTextureHeight_ = 1;
    std::vector<TTexCoordRect> patternRects_;
    TTextureId texture_ = NoTexture;
    TGraphicsDevice* device_ = nullptr;
};

// The items in insertion order; lookup by exact name, first match.
class TImageListCollection {
public:
    explicit TImageListCollection(TOmegaImageList& owner) : owner_(owner) {}

    TImageListItem& Add(std::string name);
    int Count() const { return static_cast<int>(items_.size()); }
    TImageListItem& Items(int index) { return *items_[static_cast<size_t>(index)]; }
    // The first item loaded under that name, or nullptr.
    TImageListItem* Find(std::string_view name) const;
    TImageListItem* FindIdentity(uint64_t identity) const;
    // Destroys the item (its texture too).
    void Remove(TImageListItem* item);

private:
    // Open addressing over a power-of-two table: Find runs on every draw by name.
    struct IndexSlot {
        uint64_t Hash = 0;
        TImageListItem* Item = nullptr; // the first item of its name
    };
    static uint64_t HashOf(std::string_view name);
    // Enters the item unless its name already has a first item.
    void IndexItem(TImageListItem* item);
    void RebuildIndex();

    TOmegaImageList& owner_;
    std::vector<std::unique_ptr<TImageListItem>> items_;
    std::vector<IndexSlot> index_ = std::vector<IndexSlot>(64);
    size_t indexed_ = 0;
    uint64_t nextIdentity_ = 1;
};

class TOmegaImageList : public TNamedImageTarget {
public:
    explicit TOmegaImageList(TOmegaScreen* screen);
    ~TOmegaImageList() override;
    TOmegaImageList(const TOmegaImageList&) = delete;
    TOmegaImageList& operator=(const TOmegaImageList&) = delete;

    TImageListCollection ImageList{*this};
    TOmegaScreen* OmegaScreen = nullptr;
    TOmegaRenderer Renderer;
    // Tile layouts of the pictures LoadImageFile adds; none: every picture is one tile.
    const TSpriteTileCount* TileCounts = nullptr;
    // Folder that relative item file paths start from.
    std::string ProgramFolder;
    // Development aid: a name that is not in the list draws an outlined box with the name.
    bool MarkMissingPictures = false;
    // Raised once per name the first time a picture that is not in the list is drawn.
    std::function<void(std::string_view name)> OnMissingPicture;

    TGraphicsDevice* Device() const;
    // The screen's restore pass: refreshes the renderer and makes every item's texture.
    void Restore();
    // Before a device reset: drops device references; full also destroys the textures.
    void Release(bool full = false);

    // Decodes folder + fileName (as JPEG, or by its extension), adds it as an item named after
    // the file without its extension, cut by the tile-count table, and makes its texture.
    // Throws TImageDecodeError for a file that cannot be decoded.
    TImageListItem& LoadImageFile(const std::string& folder, const std::string& fileName,
                                  bool asJpeg = false);

    void DrawNamedEx(std::string_view name, int x, int y, float angle, float centerX, float centerY,
                     float scaleX, float scaleY, uint8_t red, uint8_t green, uint8_t blue,
                     uint8_t alpha, int patternIndex, int blendMode) override;
    void DrawNamedColored(std::string_view name, int x, int y, float angle, float centerX,
                          float centerY, float scaleX, float scaleY, uint32_t color,
                          bool flipVertical, bool flipHorizontal, int patternIndex,
                          int blendMode) override;
    void DrawNamedRect(std::string_view name, const TRect& source, int x, int y,
                       uint8_t alpha) override;
    TPoint NamedTileSize(std::string_view name) override;

private:
    void MarkMissing(std::string_view name, int x, int y, float scaleX, float scaleY);
    void ReportMissing(std::string_view name);
    TTextureId markerFont_ = NoTexture;
    std::set<std::string, std::less<>> reportedMissing_;
};

// The files of a folder (not its sub-folders) with the given extension, compared without
// regard to case, in sorted order so that loading is the same on every machine.
std::vector<std::string> ImageFilesOf(const std::string& folder, std::string_view extension);
