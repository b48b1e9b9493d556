#include "engine/OmegaImageList.h"

#include "engine/FatalError.h"
#include "engine/MissingPictureMarker.h"
#include "engine/OmegaScreen.h"
#include "engine/SpriteTileCountClass.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {

uint32_t ArgbOf(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    return (uint32_t{alpha} << 24) | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

// A system colour (below $1000000, blue in the high byte) becomes opaque ARGB; anything from
// $1000000 up is ARGB already.
uint32_t ArgbOfColor(uint32_t color) {
    if (color >= 0x1000000u) return color;
    return 0xFF000000u | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

// ---- TImageListItem ----

TImageListItem::TImageListItem(TOmegaImageList& owner, uint64_t identity, std::string name)
    : owner_(owner), identity_(identity), name_(std::move(name)) {}

TImageListItem::~TImageListItem() {
    TGraphicsDevice* device = device_ != nullptr ? device_ : owner_.Device();
    if (texture_ != NoTexture && device != nullptr) device->DestroyTexture(texture_);
}

void TImageListItem::SetPicture(TPicture picture) {
    picture_ = std::move(picture);
    if (picture_.Empty()) return;
    pictureWidth_ = picture_.Width;
    pictureHeight_ = picture_.Height;
    tileWidth_ = pictureWidth_;
    tileHeight_ = pictureHeight_;
    columns_ = rows_ = 1;
}

void TImageListItem::SetSourceFile(std::string path, bool asJpeg) {
    sourceFile_ = std::move(path);
    sourceIsJpeg_ = asJpeg;
}

bool TImageListItem::EnsurePixels() {
    if (!picture_.Pixels.empty() || sourceFile_.empty()) return !picture_.Pixels.empty();
    try {
        TPicture again = DecodePictureFile(sourceFile_, sourceIsJpeg_);
        if (again.Width != picture_.Width || again.Height != picture_.Height) return false;
        picture_.Pixels = std::move(again.Pixels);
        return true;
    } catch (const TImageDecodeError&) {
        // Changed or gone since the start: the picture stays missing rather than stopping a frame.
        return false;
    }
}

void TImageListItem::SetTileWidth(int value) {
    tileWidth_ = value == 0 ? pictureWidth_ : value;
    columns_ = tileWidth_ > 0 ? pictureWidth_ / tileWidth_ : 0;
    CutPatterns();
}

void TImageListItem::SetTileHeight(int value) {
    tileHeight_ = value == 0 ? pictureHeight_ : value;
    rows_ = tileHeight_ > 0 ? pictureHeight_ / tileHeight_ : 0;
    CutPatterns();
}

void TImageListItem::CutPatterns() {
    patternRects_.clear();
    if (texture_ == NoTexture || rows_ < 1 || columns_ < 1) return;
    patternRects_.reserve(static_cast<size_t>(rows_) * columns_);
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) {
            const auto left = static_cast<float>(column * tileWidth_);
            const auto top = static_cast<float>(row * tileHeight_);
            patternRects_.push_back({left * inverseTextureWidth_, top * inverseTextureHeight_,
                                     (left + tileWidth_) * inverseTextureWidth_,
                                     (top + tileHeight_) * inverseTextureHeight_});
        }
}

void TImageListItem::LoadPictureFromFilepath() {
    const std::string path = Trimmed(Filepath);
    if (path.empty()) return;
    const std::string full = path.front() == '/' ? path : owner_.ProgramFolder + path;
    std::error_code error;
    if (std::filesystem::is_regular_file(full, error)) SetPicture(DecodePictureFile(full));
}

void TImageListItem::LoadTexture() {
    LoadPictureFromFilepath();
    if (picture_.Empty()) return;
    TGraphicsDevice* device = owner_.Device();
    if (device == nullptr) return;
    device_ = device;
    if (tileHeight_ < 1) tileHeight_ = picture_.Height;
    if (tileWidth_ < 1) tileWidth_ = picture_.Width;
    if (texture_ == NoTexture) {
        if (!EnsurePixels()) return;
        const uint32_t* pixels = picture_.Pixels.data();
        std::vector<uint32_t> keyed;
        if (Transparent) {
            const uint32_t key = ArgbOfColor(TransparentColor & 0xFFFFFF);
            keyed = picture_.Pixels;
            for (uint32_t& pixel : keyed)
                if ((pixel | 0xFF000000u) == key) pixel = 0;
            pixels = keyed.data();
        }
        texture_ = device->CreateTexture(name_, picture_.Width, picture_.Height, pixels);
        if (texture_ == NoTexture) throw TFatalError("Error creating texture " + name_);
        // One copy of each picture: the texture's.
        if (!sourceFile_.empty()) std::vector<uint32_t>().swap(picture_.Pixels);
    }
    const TPixelSize size = device->TextureSize(texture_);
    textureWidth_ = std::max(1, size.Width);
    textureHeight_ = std::max(1, size.Height);
    inverseTextureWidth_ = 1.0f / static_cast<float>(textureWidth_);
    inverseTextureHeight_ = 1.0f / static_cast<float>(textureHeight_);
    pictureWidth_ = std::max(1, picture_.Width);
    pictureHeight_ = std::max(1, picture_.Height);
    rows_ = pictureHeight_ / tileHeight_;
    columns_ = pictureWidth_ / tileWidth_;
    CutPatterns();
}

void TImageListItem::ReleaseTexture(bool full) {
    if (full && texture_ != NoTexture && device_ != nullptr) {
        device_->DestroyTexture(texture_);
        texture_ = NoTexture;
    }
    device_ = nullptr;
}

void TImageListItem::Draw(int x, int y, int patternIndex) {
    DrawEx(x, y, 0, 0, 0, 1, 1, 255, 255, 255, 255, patternIndex, 0);
}

namespace {

// Everything one sprite needs besides its item.
struct TSprite {
    int X, Y;
    float Angle, CenterX, CenterY, ScaleX, ScaleY;
    uint32_t Color;
    bool FlipVertical, FlipHorizontal;
    int BlendMode;
};

// Fills the renderer and submits: corners of the quad, texture coordinates, then the sprite
// transform about its origin.
void SubmitSprite(TOmegaRenderer& renderer, TOmegaScreen& screen, TTextureId texture,
                  const TSprite& s, const TTexCoordRect& tex, float quadWidth, float quadHeight,
                  float originWidth, float originHeight) {
    const float scaleX = s.ScaleX == 0 ? 1.0f : s.ScaleX;
    const float scaleY = s.ScaleY == 0 ? 1.0f : s.ScaleY;
    screen.SetBlendMode(s.BlendMode);
    renderer.SetColor(s.Color);
    renderer.FlipVertical = s.FlipVertical;
    renderer.FlipHorizontal = s.FlipHorizontal;
    renderer.SetTexCoords(tex.Left, tex.Top, tex.Right, tex.Bottom);
    renderer.SetRect(s.X, s.Y, quadWidth, quadHeight);
    renderer.Transform(static_cast<float>(s.X) + originWidth * s.CenterX,
                       static_cast<float>(s.Y) + originHeight * s.CenterY, s.Angle, scaleX, scaleY);
    renderer.Submit(texture);
}

} // namespace

void TImageListItem::DrawEx(int x, int y, float angle, float centerX, float centerY, float scaleX,
                            float scaleY, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha,
                            int patternIndex, int blendMode) {
    DrawColored(x, y, angle, centerX, centerY, scaleX, scaleY, ArgbOf(red, green, blue, alpha),
                false, false, patternIndex, blendMode);
}

void TImageListItem::DrawColored(int x, int y, float angle, float centerX, float centerY,
                                 float scaleX, float scaleY, uint32_t color, bool flipVertical,
                                 bool flipHorizontal, int patternIndex, int blendMode) {
    if (patternIndex == NoPattern || texture_ == NoTexture || owner_.OmegaScreen == nullptr) return;
    TTexCoordRect tex;
    float originWidth;
    float originHeight;
    if (patternIndex == WholePicture) {
        tex = {0, 0, pictureWidth_ * inverseTextureWidth_, pictureHeight_ * inverseTextureHeight_};
        originWidth = static_cast<float>(pictureWidth_);
        originHeight = static_cast<float>(pictureHeight_);
    } else {
        const int count = static_cast<int>(patternRects_.size());
        if (count < 1) return; // tiles larger than the picture: nothing to cut
        tex = patternRects_[static_cast<size_t>(std::clamp(patternIndex, 0, count - 1))];
        originWidth = static_cast<float>(tileWidth_);
        originHeight = static_cast<float>(tileHeight_);
    }
    const TSprite sprite{x,
                         y,
                         angle,
                         centerX,
                         centerY,
                         scaleX,
                         scaleY,
                         ArgbOfColor(color),
                         flipVertical,
                         flipHorizontal,
                         blendMode};
    SubmitSprite(owner_.Renderer, *owner_.OmegaScreen, texture_, sprite, tex,
                 static_cast<float>(tileWidth_), static_cast<float>(tileHeight_), originWidth,
                 originHeight);
}

void TImageListItem::DrawRect(const TRect& source, int x, int y, float angle, float centerX,
                              float centerY, float scaleX, float scaleY, uint8_t red, uint8_t green,
                              uint8_t blue, uint8_t alpha, bool flipVertical, bool flipHorizontal,
                              int, int blendMode) {
    if (texture_ == NoTexture || owner_.OmegaScreen == nullptr) return;
    const TTexCoordRect tex{source.Left * inverseTextureWidth_, source.Top * inverseTextureHeight_,
                            source.Right * inverseTextureWidth_,
                            source.Bottom * inverseTextureHeight_};
    const auto width = static_cast<float>(source.Width());
    const auto height = static_cast<float>(source.Height());
    const TSprite sprite{x,
                         y,
                         angle,
                         centerX,
                         centerY,
                         scaleX,
                         scaleY,
                         ArgbOf(red, green, blue, alpha),
                         flipVertical,
                         flipHorizontal,
                         blendMode};
    SubmitSprite(owner_.Renderer, *owner_.OmegaScreen, texture_, sprite, tex, width, height, width,
                 height);
}

// ---- TImageListCollection ----

TImageListItem& TImageListCollection::Add(std::string name) {
    items_.push_back(std::make_unique<TImageListItem>(owner_, nextIdentity_++, std::move(name)));
    TImageListItem& item = *items_.back();
    IndexItem(&item);
    return item;
}

uint64_t TImageListCollection::HashOf(std::string_view name) {
    // Eight bytes at a time: names are short and looked up on every draw.
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ name.size();
    size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, name.data() + i, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    uint64_t tail = 0;
    if (i < name.size()) std::memcpy(&tail, name.data() + i, name.size() - i);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 29);
}

TImageListItem* TImageListCollection::Find(std::string_view name) const {
    const uint64_t hash = HashOf(name);
    const size_t mask = index_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const IndexSlot& slot = index_[i];
        if (slot.Item == nullptr) return nullptr;
        if (slot.Hash == hash && slot.Item->Name() == name) return slot.Item;
    }
}

void TImageListCollection::IndexItem(TImageListItem* item) {
    if (Find(item->Name()) != nullptr) return; // the first item of a name stays found
    if ((indexed_ + 1) * 2 > index_.size()) {
        index_.assign(index_.size() * 2, IndexSlot{});
        indexed_ = 0;
        for (const auto& each : items_)
            if (each.get() != item) IndexItem(each.get());
    }
    const uint64_t hash = HashOf(item->Name());
    const size_t mask = index_.size() - 1;
    size_t i = hash & mask;
    while (index_[i].Item != nullptr) i = (i + 1) & mask;
    index_[i] = {hash, item};
    ++indexed_;
}

void TImageListCollection::RebuildIndex() {
    std::fill(index_.begin(), index_.end(), IndexSlot{});
    indexed_ = 0;
    for (const auto& item : items_) IndexItem(item.get());
}

TImageListItem* TImageListCollection::FindIdentity(uint64_t identity) const {
    for (const auto& item : items_)
        if (item->Identity() == identity) return item.get();
    return nullptr;
}

void TImageListCollection::Remove(TImageListItem* item) {
    const auto found = std::ranges::find_if(items_, [&](const auto& p) { return p.get() == item; });
    if (found == items_.end()) return;
    std::unique_ptr<TImageListItem> removed = std::move(*found);
    items_.erase(found);
    // Another item of the same name may now be the first: removals are rare, rebuild.
    RebuildIndex();
}

// ---- TOmegaImageList ----

TOmegaImageList::TOmegaImageList(TOmegaScreen* screen) : OmegaScreen(screen) {
    if (screen != nullptr) screen->AddImageList(this);
    Renderer.Screen = screen;
    Renderer.ResetQuad();
}

TOmegaImageList::~TOmegaImageList() {
    if (MainImageTarget() == this) SetMainImageTarget(nullptr);
    TGraphicsDevice* device = Device();
    if (device != nullptr && markerFont_ != NoTexture) device->DestroyTexture(markerFont_);
    if (OmegaScreen != nullptr) OmegaScreen->RemoveImageList(this);
}

TGraphicsDevice* TOmegaImageList::Device() const {
    return OmegaScreen != nullptr ? OmegaScreen->Device() : nullptr;
}

void TOmegaImageList::Restore() {
    Renderer.Screen = OmegaScreen;
    Renderer.ResetQuad();
    if (Device() == nullptr) return;
    for (int i = 0; i < ImageList.Count(); ++i) ImageList.Items(i).LoadTexture();
}

void TOmegaImageList::Release(bool full) {
    for (int i = 0; i < ImageList.Count(); ++i) ImageList.Items(i).ReleaseTexture(full);
    if (full && markerFont_ != NoTexture && Device() != nullptr) {
        Device()->DestroyTexture(markerFont_);
        markerFont_ = NoTexture;
    }
}

TImageListItem& TOmegaImageList::LoadImageFile(const std::string& folder,
                                               const std::string& fileName, bool asJpeg) {
    TPicture picture = DecodePictureFile(folder + fileName, asJpeg);
    TImageListItem& item =
        ImageList.Add(fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName);
    item.SetPicture(std::move(picture));
    item.SetSourceFile(folder + fileName, asJpeg);
    if (!item.Picture().Empty()) {
        TSpriteTileCountEntry layout{item.Name(), 1, 1};
        if (TileCounts != nullptr) layout = TileCounts->Lookup(item.Name());
        item.SetTileWidth(item.PictureWidth() / std::max(1, layout.Columns));
        item.SetTileHeight(item.PictureHeight() / std::max(1, layout.Rows));
    }
    item.LoadTexture();
    return item;
}

void TOmegaImageList::DrawNamedEx(std::string_view name, int x, int y, float angle, float centerX,
                                  float centerY, float scaleX, float scaleY, uint8_t red,
                                  uint8_t green, uint8_t blue, uint8_t alpha, int patternIndex,
                                  int blendMode) {
    if (TImageListItem* item = ImageList.Find(name))
        item->DrawEx(x, y, angle, centerX, centerY, scaleX, scaleY, red, green, blue, alpha,
                     patternIndex, blendMode);
    else
        MarkMissing(name, x, y, scaleX, scaleY);
}

void TOmegaImageList::DrawNamedRect(std::string_view name, const TRect& source, int x, int y,
                                    uint8_t alpha) {
    if (TImageListItem* item = ImageList.Find(name))
        item->DrawRect(source, x, y, 0, 0, 0, 1, 1, 255, 255, 255, alpha, false, false, 0,
                       BlendNormal);
    else
        MarkMissing(name, x, y, 1, 1);
}

void TOmegaImageList::DrawNamedColored(std::string_view name, int x, int y, float angle,
                                       float centerX, float centerY, float scaleX, float scaleY,
                                       uint32_t color, bool flipVertical, bool flipHorizontal,
                                       int patternIndex, int blendMode) {
    if (TImageListItem* item = ImageList.Find(name))
        item->DrawColored(x, y, angle, centerX, centerY, scaleX, scaleY, color, flipVertical,
                          flipHorizontal, patternIndex, blendMode);
    else
        MarkMissing(name, x, y, scaleX, scaleY);
}

TPoint TOmegaImageList::NamedTileSize(std::string_view name) {
    const TImageListItem* item = ImageList.Find(name);
    return item != nullptr ? TPoint{item->TileWidth(), item->TileHeight()} : TPoint{};
}

void TOmegaImageList::ReportMissing(std::string_view name) {
    if (!OnMissingPicture || reportedMissing_.contains(name)) return;
    reportedMissing_.emplace(name);
    OnMissingPicture(name);
}

void TOmegaImageList::MarkMissing(std::string_view name, int x, int y, float scaleX, float scaleY) {
    ReportMissing(name);
    if (!MarkMissingPictures || OmegaScreen == nullptr || !OmegaScreen->SceneBegun()) return;
    if (markerFont_ == NoTexture && Device() != nullptr) markerFont_ = CreateMarkerFont(*Device());
    // Missing pictures are shown the size of a board tile.
    constexpr float MarkerSize = 52;
    const int width = std::max(4, static_cast<int>(MarkerSize * (scaleX == 0 ? 1 : scaleX)));
    const int height = std::max(4, static_cast<int>(MarkerSize * (scaleY == 0 ? 1 : scaleY)));
    DrawMissingPictureMarker(*OmegaScreen, markerFont_, name, x, y, width, height);
}

std::vector<std::string> ImageFilesOf(const std::string& folder, std::string_view extension) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error)) continue;
        const std::string name = entry.path().filename().string();
        if (name.size() > extension.size() &&
            SameTextIgnoringCase(std::string_view(name).substr(name.size() - extension.size()),
                                 extension))
            files.push_back(name);
    }
    std::ranges::sort(files);
    return files;
}
