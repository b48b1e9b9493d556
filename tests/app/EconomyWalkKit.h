#pragma once
// The whole game for the purse, the map and the sticker book: a player whose save holds a chosen
// record, walked to the map.
#include "SceneWalkKit.h"
#include "app/GameProgress.h"
#include "saves/PlayerSaveFiles.h"

struct TEconomyWalk : TSceneWalk {
    using TSceneWalk::TSceneWalk;

    TBuySlots& Slots() { return Form->Progress().BuySlots; }
    TMainGameScene& Round() { return Form->MainGame(); }
    TPlayerSaveRecord Saved(const std::string& name = "ANNA") const {
        TPlayerSaveFiles files;
        files.Folder = Data.Path("data");
        return files.Load(name);
    }
    // A player ANNA whose save holds `record` (the timer question already answered), at the map.
    bool ReachMapWith(TPlayerSaveRecord record) {
        if (!ReachMenuAsNewPlayer()) return false;
        Form.reset();
        record.RelaxedMode = 2;
        record.OpeningStoryTold = 1;
        TPlayerSaveFiles files;
        files.Folder = Data.Path("data");
        if (!files.Save("ANNA", record)) return false;
        Start();
        if (!ReachReadySplash()) return false;
        Click({683, 400});
        if (!RunUntil(gsMenu)) return false;
        Click(Form->Menu().PlayButton());
        return RunUntil(gsMap);
    }
    bool PlayFromMap() {
        Click(Form->Map().PlayButton());
        if (!RunUntil(gsObjectiveInfo)) return false;
        Round().ObjectiveInfo.Skip();
        return PastTutorialStep();
    }
};

// The first three fruits of the board in reading order, as if a line had cleared them.
inline TSimpleObjectArray ThreeFruits(const TBoardData& grid) {
    TSimpleObjectArray mask{};
    int cells = 0;
    for (int y = 1; y <= BoardRows && cells < 3; ++y)
        for (int x = 1; x <= BoardColumns && cells < 3; ++x)
            if (IsFruitCode(grid(x, y).ElementCode)) {
                mask(x, y) = 1;
                ++cells;
            }
    return mask;
}

inline void ClearThreeFruits(TMainGameScene& round) {
    const TBoardData grid = round.GameBoard.BoardData();
    round.GroupedElementsEffect.OnGroupingEffectComplete(grid, ThreeFruits(grid), false);
}
