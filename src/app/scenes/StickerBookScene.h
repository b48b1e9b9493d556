#pragma once
// The sticker book (gsStickerBook) after a won round: the haven being rebuilt, the progress tube
// sliding down from the top and the bottom panel rising with Play, which goes on to the next
// level.
// A conversation over the book comes first when the player's works have changed; the panels come
// when it has ended; Play after the last work tells the closing conversation, then the ending.
// TODO(economy issue): the haven's stage, its stickers, the upgrade slots and the birdie; the
// progress tube's fill.
#include "app/GameServices.h"
#include "app/scenes/BookConversation.h"
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
    TBookConversation& Conversation() { return conversation_; }
    const TBookConversation& Conversation() const { return conversation_; }

private:
    void PlayClick();
    void ConversationFinished(int conversation);
    void DrawTube() const;

    TGameServices services_;
    TGameMenuWindow tubePanel_;
    TGameMenuWindow bottomPanel_;
    TGameButton playButton_;
    TBookConversation conversation_;
};
