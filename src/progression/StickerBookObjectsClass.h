#pragma once
// TStickerBookObjects: the picture of the haven being rebuilt. Every bought work adds its
// sticker, which fades in once and then plays its ambience; whole islands move the picture on to
// a stage whose background already holds their works. It answers what is in the picture (the
// walkers' question, whether the zeppelin of the finished game is there).
#include "engine/Geometry.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum TStickerBookItemType : uint8_t {
    ciNone,
    ciVisFlies,
    ciVisRain,
    ciZeppelin,
    ciUpg1_1 // .. ciUpg5_4: island-major, four per island
};
inline constexpr int StickerItemTypeCount = ciUpg1_1 + 20;
inline constexpr size_t StickerEntryCount = 38;
inline constexpr int LastStage = 7;

// The sticker of island 1..5, slot 1..4.
TStickerBookItemType StickerOfSlot(int island, int slot);

struct TStickerEntry {
    bool Shown = false;
    bool HiddenWhenShown = false;
    uint8_t ItemType = ciNone;
    std::string ImageName;
    int X = -999;
    int Y = -999;
    int Alpha = 0;
    double Scale = 1.0;
    bool AmbiencePlayed = false;
};

class TStickerBookObjects {
public:
    int ZeppelinAlphaStep = 3;
    int ZeppelinMaxAlpha = 255;
    static constexpr int AlphaStep = 6;

    TStickerBookObjects();

    // Every entry of the type shows, fading in from nothing.
    void Reveal(TStickerBookItemType type);
    // Reveal, and the type glows a while.
    void RevealAndHighlight(TStickerBookItemType type);
    void StopHighlight();

    bool IsShown(TStickerBookItemType type) const;
    // The middle of the type's first sticker picture, as drawn; (0, 0) for a type without one.
    TPoint StickerCentre(TStickerBookItemType type) const;
    // In the stage's background, or a shown sticker of it at full alpha.
    bool IsInPicture(TStickerBookItemType type) const;
    bool GameFinished() const { return IsShown(ciZeppelin); }
    // The stage from the shown stickers: 0 empty, 1..6 as islands' works are done, 7 when the
    // last island's are too.
    void UpdateStage();
    int Stage() const { return stage_; }
    // "ciBG1" .. "ciBG8".
    std::string BackgroundName() const;
    bool InBackground(uint8_t type) const;

    // One byte per entry in table order; setting shows what is to be seen at full alpha.
    std::array<uint8_t, StickerEntryCount> GetShownFlags() const;
    void SetShownFlags(const std::array<uint8_t, StickerEntryCount>& flags);

    // Fades stickers in (each new one plays its ambience once it is whole) and draws the picture's
    // stickers; the zeppelin arrives slowly.
    void Tick();
    void TickHighlight();

    const std::vector<TStickerEntry>& Entries() const { return entries_; }
    int ZeppelinAlpha() const { return zeppelinAlpha_; }
    float Glow() const { return glow_; }
    bool Highlighting() const { return highlighting_; }

private:
    bool ToBeSeen(const TStickerEntry& entry) const {
        return entry.HiddenWhenShown ? !entry.Shown : entry.Shown;
    }
    void Draw(const TStickerEntry& entry) const;

    std::vector<TStickerEntry> entries_;
    int stage_ = 0;
    int zeppelinAlpha_ = 0;
    uint8_t highlighted_ = ciNone;
    float glow_ = 0;
    bool highlighting_ = false;
};
