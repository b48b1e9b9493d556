#pragma once
// The world map (gsMap): the sea with the islands, the game's title in the corner, and the two
// corner panels sliding up with Menu and Play. Play starts the player's next level.
// TODO(economy issue): the islands to choose, the upgrade slots and the completed stamps.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

class TMapScene : public TScene {
public:
    static constexpr TPoint LeftPanelRest{32, 629};
    static constexpr TPoint RightPanelRest{1110, 629};

    explicit TMapScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void TransitionStarts(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;

    const TGameButton& MenuButton() const { return menuButton_; }
    const TGameButton& PlayButton() const { return playButton_; }
    const TGameMenuWindow& RightPanel() const { return rightPanel_; }

private:
    void PlayClick();
    void DrawShine() const;

    TGameServices services_;
    TGameMenuWindow leftPanel_;
    TGameMenuWindow rightPanel_;
    TGameButton menuButton_;
    TGameButton playButton_;
    int ticks_ = 0;
};
