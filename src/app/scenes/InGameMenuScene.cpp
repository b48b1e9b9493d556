#include "app/scenes/InGameMenuScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/PictureNames.h"

#include <string>

namespace {

constexpr TPanelSlide WindowSlide{sdToDown, -420, 60};
// The five buttons down the window, from its top-left corner.
constexpr int ButtonsLeft = 40;
constexpr int ButtonsTop = 70;
constexpr int ButtonsGap = 62;

bool PausesTheRound(TGameSceneValues origin) {
    return origin == gsMainGame || origin == gsObjectiveInfo;
}

} // namespace

TInGameMenuScene::TInGameMenuScene(const TGameServices& services, TMainGameScene& round)
    : services_(services), round_(round) {
    window_.OnPosUpdate = [this](TPoint pos) { Place(pos); };
    window_.OnHidingComplete = [this] { HidingComplete(); };
    PreparePanel(window_, Pictures::InGameMenuWindow, WindowRest, WindowSlide, services_.Pictures);
    resumeButton_.ImageName = Pictures::InGameResumeButton;
    restartButton_.ImageName = Pictures::InGameRestartButton;
    optionsButton_.ImageName = Pictures::InGameOptionsButton;
    helpButton_.ImageName = Pictures::InGameHelpButton;
    toMenuButton_.ImageName = Pictures::InGameToMenuButton;
    resumeButton_.OnClick = [this] { HideWithTag(ResumeTag); };
    restartButton_.OnClick = [this] {
        services_.Host.ForfeitRound();
        HideWithTag(RestartTag);
    };
    optionsButton_.OnClick = [this] { OptionsClick(); };
    helpButton_.OnClick = [this] { HelpClick(); };
    toMenuButton_.OnClick = [this] { ToMenuClick(); };
    Place(window_.Position());
}

void TInGameMenuScene::TakeSizes() {
    for (TGameButton* button :
         {&resumeButton_, &restartButton_, &optionsButton_, &helpButton_, &toMenuButton_})
        button->TakeSize();
}

void TInGameMenuScene::Place(TPoint windowPos) {
    int top = windowPos.Y + ButtonsTop;
    for (TGameButton* button :
         {&resumeButton_, &restartButton_, &optionsButton_, &helpButton_, &toMenuButton_}) {
        button->Left = windowPos.X + ButtonsLeft;
        button->Top = top;
        top += ButtonsGap;
    }
}

void TInGameMenuScene::Open() {
    round_.CloseTeaching();
    TFlowMemory& flow = services_.Flow;
    flow.OriginScene = services_.Scene.Value();
    flow.PausedBeforeMenu = round_.GamePause();
    if (PausesTheRound(flow.OriginScene)) round_.SetGamePause(true);
    services_.Scene.SetValue(gsInGameMenu);
    window_.Show();
}

// One answer per showing: a second click while the window goes changes nothing.
void TInGameMenuScene::HideWithTag(const char* tag) {
    if (window_.State() == mwsHiding) return;
    window_.Tag = tag;
    window_.Hide();
}

void TInGameMenuScene::HidingComplete() {
    const std::string tag = window_.Tag;
    window_.HideNow();
    ReturnToOrigin();
    if (tag == RestartTag) round_.Restart();
}

void TInGameMenuScene::ReturnToOrigin() {
    services_.Scene.SetValue(services_.Flow.OriginScene);
    round_.SetGamePause(services_.Flow.PausedBeforeMenu);
}

// The options window and help are the scenes of their own; they come back here no more.
void TInGameMenuScene::OptionsClick() {
    window_.HideNow();
    services_.Scene.SetValue(gsInGameOptions);
}

void TInGameMenuScene::HelpClick() {
    window_.HideNow();
    services_.Flow.HelpReturn = hrGame;
    services_.Scene.SetValue(gsHelp);
}

void TInGameMenuScene::ToMenuClick() {
    window_.HideNow();
    services_.Host.AskConfirm(ckLeaveRound, services_.Flow.OriginScene, [this](bool leave) {
        if (!leave) {
            ReturnToOrigin();
            return;
        }
        // The round stays paused under the closing iris.
        services_.Scene.SetValue(services_.Flow.OriginScene);
        services_.Host.SubmitScore();
        services_.Host.ForfeitRound();
        services_.Host.TransitionTo(gsMenu);
    });
}

void TInGameMenuScene::Frame() {
    services_.Host.DrawSceneFrame(services_.Flow.OriginScene);
    services_.Host.DrawDarken();
    window_.Update();
    window_.Draw();
    if (window_.State() == mwsHidden) return;
    for (TGameButton* button :
         {&resumeButton_, &restartButton_, &optionsButton_, &helpButton_, &toMenuButton_})
        button->Draw(FullChannel);
}

void TInGameMenuScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, resumeButton_, restartButton_, optionsButton_, helpButton_, toMenuButton_);
}

void TInGameMenuScene::Key(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::KeyDown && event.Key == TKey::Menu && window_.State() == mwsShown)
        HideWithTag(ResumeTag);
}

std::vector<TKeyStop> TInGameMenuScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, resumeButton_);
    for (TKeyStop& stop : stops) stop.Cancels = true; // Escape resumes
    AddKeyStops(stops, restartButton_, optionsButton_, helpButton_, toMenuButton_);
    return stops;
}
