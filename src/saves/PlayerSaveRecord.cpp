#include "saves/PlayerSaveRecord.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t ScoreOffset = 0;
constexpr size_t StocksOffset = 4;
constexpr size_t StickerBookOffset = 24;
constexpr size_t StickerBookExtraOffset = 60;
constexpr size_t ElementSlotsOffset = 62;
constexpr size_t IslandOffset = 82;
constexpr size_t LevelOffset = 84;
constexpr size_t OpeningStoryOffset = 88;
constexpr size_t MapEnteredOffset = 89;
constexpr size_t MapOpenedOffset = 94;
constexpr size_t MapStateOffset = 99;
constexpr size_t TutorialOffset = 105;
constexpr size_t ToolTipsOffset = 118;
constexpr size_t SoundOnOffset = 145;
constexpr size_t MusicOnOffset = 146;
constexpr size_t FullScreenOffset = 147;
constexpr size_t TutorialOnOffset = 148;
constexpr size_t SlotsNotifiedOffset = 149;
constexpr size_t SoundVolumeOffset = 152;
constexpr size_t MusicVolumeOffset = 156;
constexpr size_t RelaxedModeOffset = 160;
constexpr size_t SingleSize = 4;

constexpr uint8_t FirstIsland = 1;
constexpr int32_t FirstLevel = 1;

// The record's fields at their offsets, for reading and writing alike.
constexpr auto Fields = [](const auto& io, auto& record) {
    io.Field(ScoreOffset, record.Score);
    for (size_t kind = 0; kind < ElementKindCount; ++kind)
        io.Field(StocksOffset + kind * SingleSize, record.ElementStocks[kind]);
    io.Field(StickerBookOffset, record.StickerBook);
    io.Field(StickerBookExtraOffset, record.StickerBookExtra);
    for (size_t island = 0; island < IslandCount; ++island)
        io.Field(ElementSlotsOffset + island * SlotsPerIsland, record.ElementSlots[island]);
    io.Field(IslandOffset, record.NextUncompletedIsland);
    io.Field(LevelOffset, record.NextUncompletedLevel);
    io.Field(OpeningStoryOffset, record.OpeningStoryTold);
    io.Field(MapEnteredOffset, record.MapIslandsEntered);
    io.Field(MapOpenedOffset, record.MapIslandsOpened);
    io.Field(MapStateOffset, record.MapState);
    io.Field(TutorialOffset, record.TutorialStepsShown);
    io.Field(ToolTipsOffset, record.ToolTipsShown);
    io.Field(SoundOnOffset, record.SoundOn);
    io.Field(MusicOnOffset, record.MusicOn);
    io.Field(FullScreenOffset, record.FullScreen);
    io.Field(TutorialOnOffset, record.TutorialOn);
    io.Field(SlotsNotifiedOffset, record.SlotsNotified);
    io.Field(SoundVolumeOffset, record.SoundVolume);
    io.Field(MusicVolumeOffset, record.MusicVolume);
    io.Field(RelaxedModeOffset, record.RelaxedMode);
};

} // namespace

uint8_t TPlayerSaveRecord::UsableIsland() const {
    return std::clamp<uint8_t>(NextUncompletedIsland, FirstIsland, IslandCount);
}

int32_t TPlayerSaveRecord::UsableLevel() const {
    return std::max(NextUncompletedLevel, FirstLevel);
}

uint8_t TPlayerSaveRecord::UsableRelaxedMode() const {
    return RelaxedMode > MaxRelaxedMode ? 0 : RelaxedMode;
}

float TPlayerSaveRecord::UsableStock(size_t kind) const {
    const float stock = ElementStocks[kind];
    return std::isfinite(stock) && stock >= 0 ? stock : 0;
}

int32_t TPlayerSaveRecord::UsableSoundVolume() const {
    return std::clamp(SoundVolume, 0, MaxVolume);
}

int32_t TPlayerSaveRecord::UsableMusicVolume() const {
    return std::clamp(MusicVolume, 0, MaxVolume);
}

TPlayerSaveRecord DefaultPlayerSave() {
    TPlayerSaveRecord record;
    record.NextUncompletedIsland = FirstIsland;
    record.NextUncompletedLevel = FirstLevel;
    record.SoundOn = record.MusicOn = record.FullScreen = record.TutorialOn = 1;
    record.SoundVolume = DefaultSoundVolume;
    record.MusicVolume = DefaultMusicVolume;
    return record;
}

TPlayerSaveRecord DecodePlayerSave(std::span<const uint8_t> bytes) {
    return DecodeFields<TPlayerSaveRecord>(bytes, Fields);
}

TRecordBytes EncodePlayerSave(const TPlayerSaveRecord& record) {
    return EncodeFields(record, PlayerSaveRecordSize, Fields);
}
