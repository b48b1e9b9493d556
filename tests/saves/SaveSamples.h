#pragma once
// One record of each file of the data folder whose every field holds a value of its own, so
// that a field read or written at another's place shows. The tests and the fuzz seeds use them.
#include "saves/GameLoggerClass.h"
#include "saves/HighScoresClass.h"
#include "saves/PlayerSaveRecord.h"
#include "saves/PlayersFile.h"

#include <numeric>

namespace saves_test {

inline TPlayersRecord SamplePlayers() {
    // Names of every length up to 16, with the alphabet's Latin-1 letters.
    return {{"A", "B\xC4\xD6", "CARL 2", "DORA\xDC\xDF", "EVA MARIA", "FRANZISKA LANGE1"},
            "CARL 2"};
}

inline TPlayerSaveRecord SamplePlayerSave() {
    TPlayerSaveRecord record;
    record.Score = 0x01020304;
    record.ElementStocks = {1.5F, 22.25F, 333.125F, 4444.0625F, 5.5F};
    std::iota(record.StickerBook.begin(), record.StickerBook.end(), uint8_t{0x10});
    record.StickerBookExtra = 0xA1B2;
    for (size_t island = 0; island < IslandCount; ++island)
        std::iota(record.ElementSlots[island].begin(), record.ElementSlots[island].end(),
                  static_cast<uint8_t>(0x40 + 4 * island));
    record.NextUncompletedIsland = 4;
    record.NextUncompletedLevel = 0x05060708;
    record.OpeningStoryTold = 0x55;
    std::iota(record.MapIslandsEntered.begin(), record.MapIslandsEntered.end(), uint8_t{0x60});
    std::iota(record.MapIslandsOpened.begin(), record.MapIslandsOpened.end(), uint8_t{0x68});
    std::iota(record.MapState.begin(), record.MapState.end(), uint8_t{0x70});
    std::iota(record.TutorialStepsShown.begin(), record.TutorialStepsShown.end(), uint8_t{0x80});
    std::iota(record.ToolTipsShown.begin(), record.ToolTipsShown.end(), uint8_t{0x90});
    record.SoundOn = 0xB1;
    record.MusicOn = 0xB2;
    record.FullScreen = 0xB3;
    record.TutorialOn = 0xB4;
    record.SlotsNotified = {0xC1, 0xC2, 0x0C};
    record.SoundVolume = 0x0C0D0E0F;
    record.MusicVolume = 0x1A1B1C1D;
    record.RelaxedMode = 2;
    return record;
}

inline THighScoresRecord SampleHighScores() {
    return {{"ANNA", "BEN \xC4", std::string(255, 'C'), "D", "ERNA"}, {90000, 7000, 600, 50, -4}};
}

inline TGameLogRecord SampleGameLog() {
    TGameLogRecord record;
    for (size_t level = 0; level < record.Levels.size(); ++level) {
        TLevelLogEntry& entry = record.Levels[level];
        entry.Seconds = static_cast<int32_t>(1000 + level);
        for (size_t kind = 0; kind < ElementKindCount; ++kind)
            entry.Amounts[kind] = static_cast<float>(level * 10 + kind) + 0.5F;
        entry.LevelFile = "Level" + std::to_string(level) + std::string(level % 14, 'x');
    }
    std::iota(record.Upgrades.begin(), record.Upgrades.end(), 0x300);
    return record;
}

} // namespace saves_test
