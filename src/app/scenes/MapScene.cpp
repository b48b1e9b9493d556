#include "app/scenes/MapScene.h"

#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <cmath>
#include <string>

namespace {

constexpr TPanelSlide PanelSlide{sdToUp, GameSpace.Height, 20};
constexpr const char* BackdropFile = "MapBG.jpg";
constexpr TPoint LogoPos{-9, -5};
constexpr float LogoScale = 0.88f;
// The buttons on their panels, and the rays turning behind Play.
constexpr TPoint MenuOffset{57, 50};
constexpr TPoint PlayOffset{52, 48};
constexpr TPoint ShineOffset{37, 20};
constexpr float ShineDegreesPerTick = 0.15f;
constexpr uint8_t ShineAlpha = 35;
constexpr float Centered = 0.5f;

} // namespace

TMapScene::TMapScene(const TGameServices& services) : services_(services) {
    leftPanel_.OnPosUpdate = [this](TPoint pos) { PlaceButton(menuButton_, pos, MenuOffset); };
    rightPanel_.OnPosUpdate = [this](TPoint pos) { PlaceButton(playButton_, pos, PlayOffset); };
    PreparePanel(leftPanel_, Pictures::BuySlotsPanelB, LeftPanelRest, PanelSlide,
                 services_.Pictures);
    PreparePanel(rightPanel_, Pictures::BuySlotsPanelB, RightPanelRest, PanelSlide,
                 services_.Pictures);
    menuButton_.ImageName = Pictures::MapMenuButton;
    playButton_.ImageName = Pictures::BookPlayButton;
    menuButton_.OnClick = [this] { services_.Host.TransitionTo(gsMenu); };
    playButton_.OnClick = [this] { PlayClick(); };
}

void TMapScene::TakeSizes() {
    menuButton_.TakeSize();
    playButton_.TakeSize();
}

void TMapScene::Enter(TGameSceneValues) {
    services_.Host.LoadMainSetImage(BackdropFile);
    leftPanel_.Show();
    rightPanel_.Show();
    services_.Music.RequestTrack(mtSplash);
}

void TMapScene::Leave(TGameSceneValues) {
    services_.Host.FreeImage(std::string(Pictures::MapBG));
}

void TMapScene::TransitionStarts(TGameSceneValues) {
    leftPanel_.Hide();
    rightPanel_.Hide();
}

// A level without its file says so as it is loaded, and the map stays.
void TMapScene::PlayClick() {
    const TPlayerSaveRecord& record = services_.Player.Current;
    services_.Host.StartLevelBehindTransition(record.UsableIsland(), record.UsableLevel());
}

void TMapScene::Frame() {
    ++ticks_;
    leftPanel_.Update();
    rightPanel_.Update();
    DrawImage(Pictures::MapBG, 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
              FullChannel, 0);
    DrawImage(Pictures::GameLogo, LogoPos.X, LogoPos.Y, 0, 0, 0, LogoScale, LogoScale, FullChannel,
              FullChannel, FullChannel, FullChannel, 0);
    leftPanel_.Draw();
    rightPanel_.Draw();
    if (rightPanel_.State() != mwsHidden) DrawShine();
    if (leftPanel_.State() != mwsHidden) menuButton_.Draw(FullChannel);
    if (rightPanel_.State() != mwsHidden) playButton_.Draw(FullChannel);
}

void TMapScene::DrawShine() const {
    const TPoint panel = rightPanel_.Position();
    DrawImage(Pictures::FeatureShine, panel.X + ShineOffset.X, panel.Y + ShineOffset.Y,
              std::fmod(ticks_ * ShineDegreesPerTick, 360.0f), Centered, Centered, 1, 1,
              FullChannel, FullChannel, FullChannel, ShineAlpha, 0);
}

void TMapScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, menuButton_, playButton_);
}
