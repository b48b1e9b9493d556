#pragma once
// The main menu (gsMenu): the welcome banner with the player's name and the change-player link
// slides down, the menu board with Play, Options, High Scores, Help and Exit slides in from the
// right, the game's title rocks gently over the haven behind, where the hero scene of the
// player's progress plays under the panels.
#include "app/GameServices.h"
#include "app/scenes/HeroSceneLayers.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

#include <functional>

class TMenuScene : public TScene {
public:
    static constexpr TPoint MenuPanelRest{1028, 215};
    static constexpr TPoint WelcomePanelRest{0, -3};

    // The map opens (Play, once the timer mode is chosen).
    std::function<void()> OnOpenMap;
    // A press on the game's title asks for the opening story again.
    std::function<void()> OnTellStory;

    explicit TMenuScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void TransitionStarts(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    // Leaving the menu or the timer-mode question frees the menu's pictures when asked to.
    void FreeImagesIfAsked();

    const TGameButton& PlayButton() const { return playButton_; }
    const TGameButton& OptionsButton() const { return optionsButton_; }
    const TGameButton& HighScoresButton() const { return highScoresButton_; }
    const TGameButton& HelpButton() const { return helpButton_; }
    const TGameButton& ExitButton() const { return exitButton_; }
    const TGameButton& ChangePlayerLink() const { return changePlayerLink_; }
    const TGameMenuWindow& MenuPanel() const { return menuPanel_; }
    const THeroSceneLayers& HeroScene() const { return heroScene_; }

private:
    void CreatePanels();
    void CreateButtons();
    void PlaceMenuButtons(TPoint panel);
    void PlaceWelcomeButtons(TPoint panel);
    // Whether entering from `from` only comes back from a window over the menu.
    bool ReturnsFromOverlay(TGameSceneValues from) const;
    void PrepareForPlayer(TGameSceneValues from);
    void SlidePanelsIn();

    void PlayClick();
    void ExitClick();
    void ChangePlayerClick();

    bool OnLogo(int x, int y) const;
    void DrawBackdrop() const;
    void DrawLogo() const;
    void DrawWelcomeLine() const;

    TGameServices services_;
    TGameMenuWindow menuPanel_;
    TGameMenuWindow welcomePanel_;
    TGameButton playButton_;
    TGameButton optionsButton_;
    TGameButton highScoresButton_;
    TGameButton helpButton_;
    TGameButton exitButton_;
    TGameButton changePlayerLink_;
    THeroSceneLayers heroScene_;
    int ticks_ = 0;
};
