#include "app/scenes/StickerBookScene.h"

#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/LoadedImageListClass.h"
#include "engine/PictureNames.h"

#include <string>

namespace {

constexpr int PanelMoveStep = 20;
constexpr TPanelSlide TubeSlide{sdToDown, -GameSpace.Height / 4, PanelMoveStep};
constexpr TPanelSlide BottomSlide{sdToUp, GameSpace.Height, PanelMoveStep};
// The haven's first stage until the book knows the player's.
constexpr int StageNumber = 1;
constexpr TPoint PlayOffset{1170, 38};
// The tube panel's pictures: frame, fill, glass.
constexpr int TubeFrame = 0;
constexpr int TubeGlass = 2;

std::string StageBackground() {
    return Pictures::StageBackgrounds.Name(StageNumber);
}

} // namespace

TStickerBookScene::TStickerBookScene(const TGameServices& services)
    : services_(services), conversation_(services) {
    conversation_.OnFinished = [this](int conversation) { ConversationFinished(conversation); };
    bottomPanel_.OnPosUpdate = [this](TPoint pos) { PlaceButton(playButton_, pos, PlayOffset); };
    PreparePanel(tubePanel_, Pictures::BookProgressTube, TubePanelRest, TubeSlide,
                 services_.Pictures);
    PreparePanel(bottomPanel_, Pictures::BookBottomPanel, BottomPanelRest, BottomSlide,
                 services_.Pictures);
    playButton_.ImageName = Pictures::BookPlayButton;
    playButton_.OnClick = [this] { PlayClick(); };
}

void TStickerBookScene::TakeSizes() {
    playButton_.TakeSize();
    conversation_.TakeSizes();
}

// TODO(economy issue): the hero scene's music.
void TStickerBookScene::Enter(TGameSceneValues) {
    services_.Host.LoadLateImage(StageBackground() + ".jpg");
    services_.Music.RequestTrack(mtUpgrade1);
    if (conversation_.StartIfUntold()) return;
    tubePanel_.Show();
    bottomPanel_.Show();
}

// The closing conversation leads to the ending; any other to the book's panels.
void TStickerBookScene::ConversationFinished(int conversation) {
    if (conversation == TBookConversation::ClosingConversation) {
        services_.Host.TransitionTo(gsEndingStory);
        return;
    }
    tubePanel_.Show();
    bottomPanel_.Show();
}

void TStickerBookScene::Leave(TGameSceneValues) {
    if (conversation_.Running()) conversation_.Skip();
    services_.Host.FreeImage(StageBackground());
    services_.Host.FreeImageSet(HavenImageSet);
}

void TStickerBookScene::TransitionStarts(TGameSceneValues) {
    tubePanel_.Hide();
    bottomPanel_.Hide();
}

// The next level was kept when the round was won; a level the game has no file for yet sends
// the player to the map. TODO(economy issue): a completed island opens the next one on the map.
void TStickerBookScene::PlayClick() {
    const TPlayerSaveRecord& record = services_.Player.Current;
    if (TBookConversation::WorksBought(record) == TBookConversation::AllWorks) {
        tubePanel_.Hide();
        bottomPanel_.Hide();
        conversation_.Start(TBookConversation::ClosingConversation);
        return;
    }
    const uint8_t island = record.UsableIsland();
    const int level = record.UsableLevel();
    if (services_.Levels.HasLevelFile(island, level))
        services_.Host.StartLevelBehindTransition(island, level);
    else
        services_.Host.TransitionTo(gsMap);
}

void TStickerBookScene::Frame() {
    tubePanel_.Update();
    bottomPanel_.Update();
    DrawImage(StageBackground(), 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
              FullChannel, 0);
    DrawTube();
    bottomPanel_.Draw();
    if (bottomPanel_.State() != mwsHidden) playButton_.Draw(FullChannel);
    conversation_.Frame();
}

void TStickerBookScene::DrawTube() const {
    if (tubePanel_.State() == mwsHidden) return;
    const TPoint pos = tubePanel_.Position();
    for (const int pattern : {TubeFrame, TubeGlass})
        DrawImage(Pictures::BookProgressTube, pos.X, pos.Y, 0, 0, 0, 1, 1, FullChannel, FullChannel,
                  FullChannel, FullChannel, pattern);
}

void TStickerBookScene::Mouse(const TPlatformEvent& event) {
    if (conversation_.Mouse(event)) return;
    RouteMouse(event, playButton_);
}
