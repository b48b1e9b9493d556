#pragma once
// TGameScene: which of the game's scenes is showing. What is drawn each frame, and where input
// goes, depends on it alone.
#include <cstdint>
#include <functional>

enum TGameSceneValues : uint8_t {
    gsCompanyLogos,
    gsSplash,
    gsMenu,
    gsPlayerSelect,
    gsMap,
    gsMainGame,
    gsInGameMenu,
    gsInGameOptions,
    gsRoundClear,
    gsTimeUp,
    gsOptions,
    gsHighScores,
    gsHelp,
    gsExtras,
    gsObjectiveInfo,
    gsTutorial,
    gsTutorialToolTip,
    gsStageResult,
    gsStickerBook,
    gsConfirmWindow,
    gsAddPlayer,
    gsAddInitialPlayer,
    gsCredits,
    gsOpeningStory,
    gsEndingStory
};

class TGameScene {
public:
    // Raised before the new scene is stored, so Value() still reads the old one inside it.
    std::function<void(TGameSceneValues oldScene, TGameSceneValues newScene)> OnChanged;

    TGameSceneValues Value() const { return value; }
    // Setting the scene it already is does nothing.
    void SetValue(TGameSceneValues newScene) {
        if (newScene == value) return;
        if (OnChanged) OnChanged(value, newScene);
        value = newScene;
    }

private:
    TGameSceneValues value = gsCompanyLogos;
};
