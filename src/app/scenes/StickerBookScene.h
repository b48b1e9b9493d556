#pragma once
// The sticker book (gsStickerBook) after a won round: the haven being rebuilt at its stage with
// the stickers of the bought works and their walkers, the progress tube sliding down from the top
// filled by the works' share of the haven, and the bottom panel rising with the current island's
// four slots and Play, which goes on to the next level (or to the map for a newly opened island).
// A bought work bursts from its sticker (an island's last with fireworks) before anything else;
// then a conversation over the book comes when the player's works have changed; the panels come
// when it has ended; Play in the finished game tells the closing conversation, then the ending.
// On the first visit Mirela's book step comes before the panels, and her tips after them.
// TODO(presentation polish issue): the birdie and the hero scene's music.
#include "app/GameServices.h"
#include "app/scenes/BookConversation.h"
#include "app/scenes/BookTeaching.h"
#include "app/scenes/Scene.h"
#include "effects/AmbientDecorations.h"
#include "effects/Celebration.h"
#include "engine/GameButtonClass.h"
#include "engine/GameGlobals.h"
#include "engine/GameMenuWindowClass.h"
#include "progression/BuildingCitizensClass.h"

#include <string>

class TStickerBookScene : public TScene {
public:
    static constexpr TPoint TubePanelRest{421, 0};
    static constexpr TPoint BottomPanelRest{23, 638};
    // The slots on the bottom panel.
    static constexpr TPoint SlotsOffset{24, 22};
    // What developer mode puts into every stock here.
    static constexpr float DeveloperStock = 9999;

    explicit TStickerBookScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void TransitionStarts(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    // Enter or Space answer Mirela's step or tip.
    void Key(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameButton& PlayButton() const { return playButton_; }
    const TGameMenuWindow& BottomPanel() const { return bottomPanel_; }
    // A bought work's conversation waits this long for its burst to peak, an island's last
    // work's for its fireworks.
    static constexpr int CelebrationPeakTicks = 30;
    static constexpr int FireworksPeakTicks = TCelebration::FireworksMs / GameTickMs;

    // A bought work's celebration (with fireworks when it completed its island) waits for the
    // book: a purchase here plays it at once, one on the map on entering. CelebrateIfDue is true
    // when one starts: the panels go and its conversation waits for the peak.
    void AwaitCelebration(TStickerBookItemType sticker, bool islandCompleted);
    bool CelebrateIfDue();
    // The panels are away and the conversation waits for the burst's peak.
    bool AwaitingPeak() const { return peakWaitTicks_ > 0; }
    const TCelebration& Celebration() const { return celebration_; }
    TBookConversation& Conversation() { return conversation_; }
    const TBookConversation& Conversation() const { return conversation_; }
    const TBuildingCitizens& Citizens() const { return citizens_; }
    const TBookTeaching& Teaching() const { return teaching_; }
    // The share of the haven the tube shows, 0..100.
    int TubePercent() const;
    // Where the book's butterflies, gull and dust motes may live: off the two panels.
    static TDecorationLayout DecorationLayout();
    const TAmbientDecorations& Decorations() const { return decorations_; }

private:
    // The conversation of the player's works, unless it has been told. True when it starts.
    bool TellConversationIfUntold();
    void AwaitPeak(int ticks);
    void PeakReached();
    void PlayClick();
    void ConversationFinished(int conversation);
    // Mirela's book step when it is due, else the panels.
    void TeachOrShowPanels();
    void ShowPanels();
    // The picture's background follows its stage, also when a purchase here moves it on.
    void ShowBackground();
    void DrawTube() const;
    void DrawSlots();
    void StartAmbience();
    void DrawAmbience();

    TGameServices services_;
    TGameMenuWindow tubePanel_;
    TGameMenuWindow bottomPanel_;
    TGameButton playButton_;
    TBuildingCitizens citizens_;
    std::string background_;
    TBookConversation conversation_;
    TAmbientDecorations decorations_;
    TBookTeaching teaching_;
    TCelebration celebration_;
    TStickerBookItemType celebratedSticker_ = ciNone;
    bool fireworksDue_ = false;
    int peakWaitTicks_ = 0;
};
