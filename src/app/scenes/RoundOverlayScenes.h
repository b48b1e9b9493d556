#pragma once
// The scenes that lie over the round and draw its board first: the objective at the level's
// start (gsObjectiveInfo), the moments after a won or a lost round (gsRoundClear, gsTimeUp), and
// the tutorial's panel and tool tip (gsTutorial, gsTutorialToolTip). A plain TRoundOverlayScene
// serves the ends of the round, whose board effects say when to go on.
#include "app/GameServices.h"
#include "app/scenes/MainGameScene.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"

// A scene over the round: the board frame, then the scene's own bits.
class TRoundOverlayScene : public TScene {
public:
    TRoundOverlayScene(const TGameServices& services, TMainGameScene& round)
        : services_(services), round_(round) {}

    void Frame() override {
        round_.Frame();
        DrawOver();
    }

protected:
    virtual void DrawOver() {}

    TGameServices services_;
    TMainGameScene& round_;
};

// gsObjectiveInfo: the objective panel over the board; a press cuts it short. The panel waits
// while the round is paused under the in-game menu.
class TObjectiveScene : public TRoundOverlayScene {
public:
    using TRoundOverlayScene::TRoundOverlayScene;

    void Mouse(const TPlatformEvent& event) override;
    // Escape opens the in-game menu here too.
    void Key(const TPlatformEvent& event) override { round_.Key(event); }

private:
    void DrawOver() override;
};

// gsTutorial and gsTutorialToolTip: the round draws Mirela's step or the pointing tip; this scene
// adds the OK button that closes it, and the round's menu button still works beside it.
enum TTeachingPart : uint8_t { tpTutorialStep, tpToolTip };

class TTutorialScene : public TRoundOverlayScene {
public:
    TTutorialScene(const TGameServices& services, TMainGameScene& round, TTeachingPart part);

    void TakeSizes() { okButton_.TakeSize(); }
    void Mouse(const TPlatformEvent& event) override;
    // Enter or Space (a controller's A) answer as the OK does; Escape opens the in-game menu.
    void Key(const TPlatformEvent& event) override;
    const TGameButton& OkButton() const { return okButton_; }

private:
    void DrawOver() override;

    TTeachingPart part_;
    TGameButton okButton_;
};
