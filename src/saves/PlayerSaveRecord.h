#pragma once
// One player's progress and settings: the record of "<name>.sav". The fields hold the bytes as
// the file has them; what the game uses goes through the checked accessors, so a damaged value
// never indexes a table, and the file keeps its bytes until the next normal save.
#include "saves/RecordFields.h"

#include <array>

inline constexpr size_t PlayerSaveRecordSize = 164;
inline constexpr char PlayerSaveSuffix[] = ".sav";

inline constexpr size_t ElementKindCount = 5; // fruit, flower, potion, gold tile, spider
inline constexpr size_t StickerBookSize = 36;
inline constexpr size_t IslandCount = 5;
inline constexpr size_t SlotsPerIsland = 4;
inline constexpr size_t MapStateSize = 6;
inline constexpr size_t TutorialStepCount = 13;
inline constexpr size_t ToolTipCount = 27;
// The affordable notice of each upgrade slot, one bit per slot island-major, in what was padding.
inline constexpr size_t SlotsNotifiedSize = 3;

inline constexpr int32_t DefaultSoundVolume = 70;
inline constexpr int32_t DefaultMusicVolume = 50;
inline constexpr int32_t MaxVolume = 100;
// The timer-mode choice: 0 ask on Play, 1 relaxed, 2 timed.
inline constexpr uint8_t MaxRelaxedMode = 2;

struct TPlayerSaveRecord {
    int32_t Score = 0;
    std::array<float, ElementKindCount> ElementStocks{};
    std::array<uint8_t, StickerBookSize> StickerBook{};
    uint16_t StickerBookExtra = 0; // the low half of the sticker book's extra value
    std::array<std::array<uint8_t, SlotsPerIsland>, IslandCount> ElementSlots{}; // != 0: bought
    uint8_t NextUncompletedIsland = 0;
    int32_t NextUncompletedLevel = 0;
    uint8_t OpeningStoryTold = 0;
    std::array<uint8_t, IslandCount> MapIslandsEntered{}; // 0: entering starts at level 1
    std::array<uint8_t, IslandCount> MapIslandsOpened{};
    std::array<uint8_t, MapStateSize> MapState{};
    std::array<uint8_t, TutorialStepCount> TutorialStepsShown{};
    std::array<uint8_t, ToolTipCount> ToolTipsShown{};
    uint8_t SoundOn = 0;
    uint8_t MusicOn = 0;
    uint8_t FullScreen = 0;
    uint8_t TutorialOn = 0;
    std::array<uint8_t, SlotsNotifiedSize> SlotsNotified{};
    int32_t SoundVolume = 0;
    int32_t MusicVolume = 0;
    uint8_t RelaxedMode = 0;

    // The values as the game uses them.
    uint8_t UsableIsland() const;         // 1..5
    int32_t UsableLevel() const;          // at least 1
    uint8_t UsableRelaxedMode() const;    // an unknown choice is asked again
    float UsableStock(size_t kind) const; // a stock that is not a number or negative is none
    int32_t UsableSoundVolume() const;    // 0..100
    int32_t UsableMusicVolume() const;    // 0..100
    static bool IsSet(uint8_t flag) { return flag != 0; }
};

// The record a new player starts with: island 1, level 1, sound, music, full screen and the
// tutorial on, sound volume 70, music volume 50, everything else zero.
TPlayerSaveRecord DefaultPlayerSave();

// `bytes` holds a whole record.
TPlayerSaveRecord DecodePlayerSave(std::span<const uint8_t> bytes);
TRecordBytes EncodePlayerSave(const TPlayerSaveRecord& record);
