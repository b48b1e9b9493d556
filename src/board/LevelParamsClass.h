#pragma once
// TLevelParams: turns an island and a level number into a level file, picks a replay variant
// past an island's last level file, and keeps the level's record for the controller.
#include "board/LevelFile.h"

#include <cstdint>
#include <functional>
#include <string>

class TLevelParams {
public:
    // Folder of the level files, ending in a path separator.
    std::string LevelFilesPath;
    // The modal message box for a level that cannot be loaded; the controller assigns the
    // platform's. Until then the message goes to stderr.
    std::function<void(const std::string& message)> OnMessageBox;
    // Every correction made to a loaded record, one line each. Default: stderr.
    std::function<void(const std::string& line)> OnLogMessage;

    TLevelParams();

    // Chooses the variant, names the file and reads it. On false (the file is missing,
    // unreadable or damaged; the message box has been shown) the previous record stays and the
    // round must not start.
    bool LoadLevel(uint8_t islandIdx, int levelIdx);
    // Whether the level has a file to load: its own, or past the island's last level file the
    // first of the variants it replays.
    bool HasLevelFile(uint8_t islandIdx, int levelIdx) const;
    // Every island may replay any of its variants again (a new player).
    void ResetLastVariants();

    // "Level<island>-<variant>.zel", the variant with at least two digits.
    static std::string LevelFileName(int islandIdx, int variant);

    // ---- The last request ----
    const std::string& FileName() const { return LastFileName; }
    int Variant() const { return LastVariant; }
    // A record has been read (before the first successful load every value is 0).
    bool IsLoaded() const { return Loaded; }

    // ---- The record, as the controller distributes it ----
    const TLevelRecord& Record() const { return Level; }
    TGameObjective Objective() const { return static_cast<TGameObjective>(Level[lfObjective]); }
    // lfTargetBananas .. lfTargetSpiders.
    int32_t Target(TLevelField target) const { return Level[target]; }
    // The target of an element code (fruits 1..8, flowers 13..16); 0 for any other code.
    int32_t TargetOfCode(int code) const;
    // Sum of the locker-frame layers.
    int32_t GoldTileTarget() const;
    // Number of potion cells.
    int32_t PotionTarget() const;
    const TFlowerIdxSet& ElementSet() const { return Level.ElementSet; }
    const TBoardData& Board() const { return Level.Board; }
    const TSimpleObjectArray& FrameLayers() const { return Level.FrameLayers; }
    const TSimpleObjectArray& PotionCells() const { return Level.PotionCells; }
    // Round time in seconds and the medal requirements.
    int32_t Time() const { return Level[lfTime]; }
    int32_t SilverReqTime() const;
    int32_t GoldReqTime() const;
    int32_t SpiderFruitsInterval() const { return Level[lfSpiderFruitsInterval]; }
    int32_t MaxSpidersOnBoard() const { return Level[lfMaxSpidersOnBoard]; }
    int32_t MaxWebs() const { return Level[lfMaxWebs]; }
    int32_t OneWebEveryProb() const { return Level[lfOneWebEveryProb]; }
    int32_t FullRequiredFruits() const { return Level[lfFullRequiredFruits]; }
    int32_t OneUniFruitEveryInterval() const { return Level[lfOneUniFruitEveryInterval]; }
    uint8_t MaxUniFruitOnBoard() const { return static_cast<uint8_t>(Level[lfMaxUniFruitOnBoard]); }
    TElementKind BonusElementKind() const {
        return static_cast<TElementKind>(Level[lfBonusElementKind]);
    }
    int32_t BonusElementCount() const { return Level[lfBonusElementCount]; }
    int32_t BossEnergy() const { return Level[lfBossEnergy]; }
    int32_t BossRefTimeForAbsorbAttempt() const { return Level[lfBossRefTimeForAbsorbAttempt]; }
    int32_t BossHitsToCancelAbsorbAttempt() const { return Level[lfBossHitsToCancelAbsorbAttempt]; }
    int32_t BossOneAbsorbedTime() const { return Level[lfBossOneAbsorbedTime]; }
    int32_t BossPreparingTime() const { return Level[lfBossPreparingTime]; }
    int32_t BossAbsorbingTime() const { return Level[lfBossAbsorbingTime]; }
    int32_t BossFinishingTime() const { return Level[lfBossFinishingTime]; }

private:
    static constexpr int IslandCount = 5;
    static constexpr uint8_t UpperVariants[IslandCount] = {12, 13, 15, 16, 18};
    static constexpr uint8_t LowerVariants[IslandCount] = {9, 10, 12, 13, 15};

    uint8_t LastVariants[IslandCount]{};
    TLevelRecord Level;
    std::string LastFileName;
    int LastVariant = 1;
    bool Loaded = false;

    int ChooseVariant(uint8_t islandIdx, int levelIdx);
};
