#pragma once
// Turned pictures kept ready for SDL's software renderer, which turns a picture texel by texel on
// every draw: the rocking title or a slowly turning shine becomes one plain copy per frame. A
// turn is kept once it is asked for twice, so a picture that never turns the same way twice costs
// nothing extra.
#include "platform/GraphicsDevice.h"

#include <cstdint>
#include <vector>

struct SDL_Rect;
struct SDL_Renderer;
struct SDL_Texture;

// A turned upright rectangle of a picture, its turn rounded so that no corner moves more than
// half a pixel: the same turn seen again has the same key.
struct TTurnedQuadKey {
    TTextureId Texture = NoTexture;
    int SourceLeft = 0, SourceTop = 0, SourceRight = 0, SourceBottom = 0; // texels
    int Width = 0, Height = 0;                                            // pixels on screen
    int TurnStep = 0;            // the turn in steps of MaxCornerShift / radius
    uint32_t Color = 0xFFFFFFFF; // the tint, kept in the copy
    bool operator==(const TTurnedQuadKey&) const = default;
};

struct TTurnedQuad {
    TTurnedQuadKey Key;
    float Turn = 0;                 // radians, rounded to the key's step
    float CentreX = 0, CentreY = 0; // on screen
    float U0 = 0, V0 = 0, U1 = 1, V1 = 1;
};

// The key of a quad worth keeping: a turned (not mirrored, not sheared) rectangle of at least
// MinKeptArea pixels with one colour. False for anything else.
bool TurnedQuadOf(TTextureId texture, TPixelSize textureSize, const TQuadCorners& corners,
                  TTurnedQuad& quad);

class TSdlTurnedPictures {
public:
    static constexpr float MaxCornerShift = 0.5f;
    static constexpr int MinKeptArea = 128 * 128;
    static constexpr int64_t MaxKeptPixels = 6 * 1024 * 1024; // 24 MB of turned copies
    // A copy wider or taller than this is never kept: the turns worth keeping (a rocking title,
    // a turning shine) are smaller, and making a copy of the transition's spin blown up over the
    // whole screen took SDL's software renderer down.
    static constexpr int MaxKeptSide = 1024;
    static constexpr int ForgetAfterFrames = 300; // nine seconds unused
    static constexpr int RecentKeysKept = 128;

    explicit TSdlTurnedPictures(SDL_Renderer* renderer) : renderer_(renderer) {}
    ~TSdlTurnedPictures() { Clear(); }
    TSdlTurnedPictures(const TSdlTurnedPictures&) = delete;
    TSdlTurnedPictures& operator=(const TSdlTurnedPictures&) = delete;

    // The kept copy of this turn, made now when it is asked for the second time; nullptr when
    // the caller draws it turned itself. The copy is tinted already and drawn as it is;
    // target is where it goes, at its own size.
    SDL_Texture* Find(const TTurnedQuad& quad, SDL_Texture* picture, SDL_Rect& target);
    // The picture is gone or changed: its copies go too.
    void Forget(TTextureId texture);
    // Once a frame: copies unused for a while are freed.
    void FrameEnded();
    void Clear();
    int KeptCount() const { return static_cast<int>(kept_.size()); }

private:
    struct Kept {
        TTurnedQuadKey Key;
        SDL_Texture* Copy = nullptr;
        int Width = 0, Height = 0;
        int64_t LastUsed = 0;
    };
    SDL_Texture* MakeCopy(const TTurnedQuad& quad, SDL_Texture* picture, int width, int height);
    bool DrawTurned(const TTurnedQuad& quad, SDL_Texture* picture, int width, int height,
                    std::vector<uint32_t>& texels);
    bool SeenRecently(const TTurnedQuadKey& key);
    void MakeRoom(int64_t pixels);
    void Drop(size_t index);

    SDL_Renderer* renderer_;
    std::vector<Kept> kept_;
    std::vector<TTurnedQuadKey> recent_;
    size_t nextRecent_ = 0;
    int64_t keptPixels_ = 0;
    int64_t frame_ = 0;
};
