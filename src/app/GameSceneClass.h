#pragma once
// TGameScene: which of the game's scenes is showing. What is drawn each frame, and where input
// goes, depends on it alone.
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

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

// Each scene's name as the code spells it ("gsMenu"), for logs and bug reports.
inline std::string_view GameSceneName(TGameSceneValues scene) {
    static constexpr std::array<std::string_view, gsEndingStory + 1> Names{"gsCompanyLogos",
                                                                           "gsSplash",
                                                                           "gsMenu",
                                                                           "gsPlayerSelect",
                                                                           "gsMap",
                                                                           "gsMainGame",
                                                                           "gsInGameMenu",
                                                                           "gsInGameOptions",
                                                                           "gsRoundClear",
                                                                           "gsTimeUp",
                                                                           "gsOptions",
                                                                           "gsHighScores",
                                                                           "gsHelp",
                                                                           "gsExtras",
                                                                           "gsObjectiveInfo",
                                                                           "gsTutorial",
                                                                           "gsTutorialToolTip",
                                                                           "gsStageResult",
                                                                           "gsStickerBook",
                                                                           "gsConfirmWindow",
                                                                           "gsAddPlayer",
                                                                           "gsAddInitialPlayer",
                                                                           "gsCredits",
                                                                           "gsOpeningStory",
                                                                           "gsEndingStory"};
    return scene < Names.size() ? Names[scene] : std::string_view("gsUnknown");
}

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
