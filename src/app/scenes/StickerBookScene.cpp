#include "app/scenes/StickerBookScene.h"

#include "app/GameProgress.h"
#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/LoadedImageListClass.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int PanelMoveStep = 20;
constexpr TPanelSlide TubeSlide{sdToDown, -GameSpace.Height / 4, PanelMoveStep};
constexpr TPanelSlide BottomSlide{sdToUp, GameSpace.Height, PanelMoveStep};
constexpr TPoint PlayOffset{1170, 38};
// The tube panel's pictures: frame, fill, glass.
constexpr int TubeFrame = 0;
constexpr int TubeFill = 1;
constexpr int TubeGlass = 2;
constexpr int FullHaven = 100;
// The book's ambience: butterflies over the meadows, the gull crossing the sky, dust motes in
// the sunlight; the same every visit, from dice of their own.
constexpr uint32_t BookSkySeed = 2412;
constexpr std::array<TPoint, 2> ButterflyHomes{{{860, 380}, {150, 330}}};
constexpr std::array<TDecorationPath, 2> BirdPaths{
    {{{1430, 110}, {-60, 140}}, {{-60, 200}, {1430, 170}}}};
constexpr TRect MoteArea{80, 90, 1290, 610};
constexpr int Motes = 5;
// What Mirela's tips point at: the works on the bottom panel and the progress tube at rest.
constexpr TPoint WorksTarget{293, 676};
constexpr TPoint ProgressTarget{787, 57};

} // namespace

TStickerBookScene::TStickerBookScene(const TGameServices& services)
    : services_(services), conversation_(services), teaching_(services) {
    conversation_.OnFinished = [this](int conversation) { ConversationFinished(conversation); };
    teaching_.OnStepClosed = [this] { ShowPanels(); };
    bottomPanel_.OnPosUpdate = [this](TPoint pos) { PlaceButton(playButton_, pos, PlayOffset); };
    PreparePanel(tubePanel_, Pictures::BookProgressTube, TubePanelRest, TubeSlide,
                 services_.Pictures);
    PreparePanel(bottomPanel_, Pictures::BookBottomPanel, BottomPanelRest, BottomSlide,
                 services_.Pictures);
    playButton_.ImageName = Pictures::BookPlayButton;
    playButton_.OnClick = [this] { PlayClick(); };
    citizens_.OnSBItemTypeBoughtFullAlphaQuestion = [this](TStickerBookItemType type) {
        return services_.Progress.StickerBook.IsInPicture(type);
    };
}

void TStickerBookScene::TakeSizes() {
    playButton_.TakeSize();
    conversation_.TakeSizes();
    teaching_.TakeSizes();
    const TPoint playAtRest{BottomPanelRest.X + PlayOffset.X + playButton_.Width() / 2,
                            BottomPanelRest.Y + PlayOffset.Y + playButton_.Height() / 2};
    teaching_.Targets = {WorksTarget, ProgressTarget, playAtRest};
}

void TStickerBookScene::Enter(TGameSceneValues) {
    TGameProgress& progress = services_.Progress;
    progress.StickerBook.UpdateStage();
    ShowBackground();
    if (!services_.Host.ImageSetLoaded(HavenImageSet)) services_.Host.LoadImageSet(HavenImageSet);
    progress.BuySlots.Enabled = true;
    if (services_.Flow.DeveloperMode)
        progress.BuySlots.SetOwned(
            {DeveloperStock, DeveloperStock, DeveloperStock, DeveloperStock, DeveloperStock});
    progress.BuySlots.UpdateAffordable();
    progress.SlotsInfo.HideNow();
    services_.Music.RequestTrack(mtUpgrade1);
    StartAmbience();
    // Fireworks of an earlier visit are over; a purchase made on the map celebrates now.
    celebration_.Reset();
    if (CelebrateIfDue()) return;
    if (TellConversationIfUntold()) return;
    TeachOrShowPanels();
}

// The conversation of the player's works, unless it has been told: the panels wait for its end.
bool TStickerBookScene::TellConversationIfUntold() {
    if (conversation_.Running() || !conversation_.StartIfUntold()) return false;
    tubePanel_.Hide();
    bottomPanel_.Hide();
    services_.Progress.SlotsInfo.Hide();
    return true;
}

void TStickerBookScene::AwaitCelebration(TStickerBookItemType sticker, bool islandCompleted) {
    celebratedSticker_ = sticker;
    fireworksDue_ = fireworksDue_ || islandCompleted;
}

// The burst leaps from the bought work's sticker while it glows; the player watches it, and
// the fireworks of a completed island, before the conversation.
bool TStickerBookScene::CelebrateIfDue() {
    if (celebratedSticker_ == ciNone) return false;
    celebration_.Burst(services_.Progress.StickerBook.StickerCentre(celebratedSticker_));
    if (services_.TestReport) services_.TestReport("celebration: burst");
    AwaitPeak(fireworksDue_ ? FireworksPeakTicks : CelebrationPeakTicks);
    if (fireworksDue_) {
        celebration_.StartFireworks();
        if (services_.TestReport) services_.TestReport("celebration: fireworks");
    }
    celebratedSticker_ = ciNone;
    fireworksDue_ = false;
    return true;
}

// The panels go, and nothing hears a click until the peak.
void TStickerBookScene::AwaitPeak(int ticks) {
    tubePanel_.Hide();
    bottomPanel_.Hide();
    services_.Progress.SlotsInfo.Hide();
    peakWaitTicks_ = ticks;
}

// The works' conversation, or the panels again.
void TStickerBookScene::PeakReached() {
    if (!TellConversationIfUntold()) TeachOrShowPanels();
}

// The closing conversation leads to the ending; any other to the book's panels.
void TStickerBookScene::ConversationFinished(int conversation) {
    if (conversation == TBookConversation::ClosingConversation) {
        services_.Host.TransitionTo(gsEndingStory);
        return;
    }
    TeachOrShowPanels();
}

void TStickerBookScene::TeachOrShowPanels() {
    const TBuySlots& slots = services_.Progress.BuySlots;
    if (!teaching_.StartStep(slots.IslandIdx, slots.LevelIdx)) ShowPanels();
}

void TStickerBookScene::ShowPanels() {
    tubePanel_.Show();
    bottomPanel_.Show();
    teaching_.PanelsIn();
}

void TStickerBookScene::Leave(TGameSceneValues) {
    peakWaitTicks_ = 0;
    if (conversation_.Running()) conversation_.Skip();
    teaching_.Stop();
    services_.Progress.SlotsInfo.HideNow();
    services_.Progress.StickerBook.StopHighlight();
    services_.Host.FreeImage(background_);
    background_.clear();
    services_.Host.FreeImageSet(HavenImageSet);
}

void TStickerBookScene::TransitionStarts(TGameSceneValues) {
    tubePanel_.Hide();
    bottomPanel_.Hide();
    services_.Progress.SlotsInfo.Hide();
}

void TStickerBookScene::ShowBackground() {
    const std::string wanted = services_.Progress.StickerBook.BackgroundName();
    if (wanted == background_) return;
    if (!background_.empty()) services_.Host.FreeImage(background_);
    background_ = wanted;
    services_.Host.LoadLateImage(background_ + ".jpg");
}

// The finished game's closing conversation, then the ending; a completed island opens the next
// on the map; otherwise the island's next level, unless the game has no file for it yet (then
// the map).
void TStickerBookScene::PlayClick() {
    TGameProgress& progress = services_.Progress;
    if (progress.StickerBook.GameFinished()) {
        tubePanel_.Hide();
        bottomPanel_.Hide();
        conversation_.Start(TBookConversation::ClosingConversation);
        return;
    }
    TBuySlots& slots = progress.BuySlots;
    if (slots.AllBought(slots.IslandIdx)) {
        if (progress.OpenCompletedIslands(services_.Player.Current))
            services_.Host.SavePlayerSave(true);
        services_.Host.TransitionTo(gsMap);
        return;
    }
    const int level = slots.LevelIdx + 1;
    if (services_.Levels.HasLevelFile(slots.IslandIdx, level))
        services_.Host.StartLevelBehindTransition(slots.IslandIdx, level);
    else
        services_.Host.TransitionTo(gsMap);
}

int TStickerBookScene::TubePercent() const {
    return std::clamp(services_.Progress.BuySlots.BonusPercentTotal(), 0, FullHaven);
}

void TStickerBookScene::Frame() {
    tubePanel_.Update();
    bottomPanel_.Update();
    ShowBackground();
    DrawImage(background_, 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel, FullChannel,
              0);
    TStickerBookObjects& book = services_.Progress.StickerBook;
    book.TickHighlight();
    book.Tick();
    citizens_.Tick();
    DrawAmbience();
    celebration_.Tick();
    if (peakWaitTicks_ > 0 && --peakWaitTicks_ == 0) PeakReached();
    DrawTube();
    bottomPanel_.Draw();
    DrawSlots();
    if (bottomPanel_.State() != mwsHidden) playButton_.Draw(FullChannel);
    services_.Progress.SlotsInfo.Tick();
    conversation_.Frame();
    teaching_.Frame();
}

TDecorationLayout TStickerBookScene::DecorationLayout() {
    const TPoint tube = ImageTileSize(Pictures::BookProgressTube);
    const TPoint bottom = ImageTileSize(Pictures::BookBottomPanel);
    TDecorationLayout layout;
    layout.Protected = {
        {TubePanelRest.X, TubePanelRest.Y, TubePanelRest.X + tube.X, TubePanelRest.Y + tube.Y},
        {BottomPanelRest.X, BottomPanelRest.Y, BottomPanelRest.X + bottom.X,
         BottomPanelRest.Y + bottom.Y}};
    layout.ButterflyHomes.assign(ButterflyHomes.begin(), ButterflyHomes.end());
    layout.BirdPaths.assign(BirdPaths.begin(), BirdPaths.end());
    layout.MoteArea = MoteArea;
    layout.Motes = Motes;
    return layout;
}

void TStickerBookScene::StartAmbience() {
    decorations_.Start(DecorationLayout(), BookSkySeed, IsReducedEffectsMode());
}

// Over the picture and its walkers, under the panels and the conversation.
void TStickerBookScene::DrawAmbience() {
    decorations_.Tick();
    decorations_.Draw();
}

void TStickerBookScene::DrawTube() const {
    if (tubePanel_.State() == mwsHidden) return;
    const TPoint pos = tubePanel_.Position();
    DrawImage(Pictures::BookProgressTube, pos.X, pos.Y, 0, 0, 0, 1, 1, FullChannel, FullChannel,
              FullChannel, FullChannel, TubeFrame);
    const float fill = static_cast<float>(TubePercent()) / FullHaven;
    if (fill > 0)
        DrawImage(Pictures::BookProgressTube, pos.X, pos.Y, 0, 0, 0, fill, 1, FullChannel,
                  FullChannel, FullChannel, FullChannel, TubeFill);
    DrawImage(Pictures::BookProgressTube, pos.X, pos.Y, 0, 0, 0, 1, 1, FullChannel, FullChannel,
              FullChannel, FullChannel, TubeGlass);
}

// The slots ride on the bottom panel.
void TStickerBookScene::DrawSlots() {
    if (bottomPanel_.State() == mwsHidden) return;
    TBuySlots& slots = services_.Progress.BuySlots;
    const TPoint panel = bottomPanel_.Position();
    slots.Left = panel.X + SlotsOffset.X;
    slots.Top = panel.Y + SlotsOffset.Y;
    slots.Tick();
}

void TStickerBookScene::Mouse(const TPlatformEvent& event) {
    if (AwaitingPeak()) return;
    if (conversation_.Mouse(event) || teaching_.Mouse(event)) return;
    RouteMouse(event, playButton_, services_.Progress.BuySlots);
}

void TStickerBookScene::Key(const TPlatformEvent& event) {
    if (!conversation_.Running()) teaching_.Key(event);
}

// While a bought work bursts, none; while a conversation runs, only its skip button; while
// Mirela teaches, none: Enter or Space answer her.
std::vector<TKeyStop> TStickerBookScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    if (AwaitingPeak()) return stops;
    if (conversation_.Running()) {
        AddKeyStops(stops, conversation_.SkipButton());
        return stops;
    }
    if (teaching_.Open()) return stops;
    for (int slot = 1; slot <= static_cast<int>(SlotsPerIsland); ++slot)
        AddKeyStops(stops, services_.Progress.BuySlots.BuyButton(slot));
    AddKeyStops(stops, playButton_);
    return stops;
}
