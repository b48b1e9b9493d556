#pragma once
// The sticker book (gsStickerBook) after a won round: the haven being rebuilt, the progress tube
// sliding down from the top and the bottom panel rising with Play, which goes on to the next
// level.
// TODO(economy issue): the haven's stage, its stickers, the upgrade slots, the birdie and the
// chapter dialogue; the progress tube's fill.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

class TStickerBookScene : public TScene {
public:
    static constexpr TPoint TubePanelRest{421, 0};
    static constexpr TPoint BottomPanelRest{23, 638};

    explicit TStickerBookScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void TransitionStarts(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;

    const TGameButton& PlayButton() const { return playButton_; }
    const TGameMenuWindow& BottomPanel() const { return bottomPanel_; }

private:
    void PlayClick();
    void DrawTube() const;

    TGameServices services_;
    TGameMenuWindow tubePanel_;
    TGameMenuWindow bottomPanel_;
    TGameButton playButton_;
};
