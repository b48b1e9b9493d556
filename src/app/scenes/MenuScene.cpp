#include "app/scenes/MenuScene.h"

#include "app/GameProgress.h"
#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "board/GameData.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/LoadedImageListClass.h"
#include "engine/PictureNames.h"
#include "engine/WidgetBasics.h"
#include "files/TextEncoding.h"

#include <cmath>
#include <string>

namespace {

constexpr int PanelMoveStep = 45;
// The buttons on the menu board, from its top-left corner.
constexpr TPoint PlayOffset{35, 40};
constexpr TPoint OptionsOffset{35, 150};
constexpr TPoint HighScoresOffset{35, 222};
constexpr TPoint HelpOffset{35, 294};
constexpr TPoint ExitOffset{35, 366};
// The greeting and the change-player link on the welcome banner.
constexpr TPoint GreetingOffset{44, 44};
constexpr TPoint ChangePlayerOffset{34, 70};
constexpr float GreetingRatio = 0.9f;
constexpr int GreetingMaxWidth = 450;
constexpr int ShadowShift = 2;
// The rays behind the Play button.
constexpr TPoint ShineOffset{66, 75};
// The faint shine turns in small steps a few times a second: as smooth to the eye as a turn every
// tick, and a turn that repeats is drawn from a kept copy where pictures are turned by the CPU.
constexpr int ShineTicksPerStep = 6;
constexpr float ShineDegreesPerStep = 0.9f;
constexpr uint8_t ShineAlpha = 35;
// The title over the haven, rocking slowly.
constexpr TPoint LogoPos{520, 24};
// It moves every fourth tick, with the hero scene: a third of a pixel per tick at its corners is
// no smoother to the eye than a pixel every fourth tick, and a still title costs nothing to show.
constexpr float LogoRockDegrees = 2.5f;
constexpr float LogoRockPerTick = 0.035f;
constexpr int LogoTicksPerStep = 4;
// The haven behind the menu until the sticker book draws its own world there.
// TODO(presentation polish issue): the sticker book's world of the player's stage.
constexpr const char* BackdropFile = "ciBG1.jpg";
constexpr std::string_view BackdropPicture = "ciBG1";
// Text lines: the greeting before the player's name.
constexpr int GreetingTextLine = 4;
constexpr float Centered = 0.5f;

} // namespace

TMenuScene::TMenuScene(const TGameServices& services)
    : services_(services), heroScene_(services.Host) {
    CreatePanels();
    CreateButtons();
}

void TMenuScene::CreatePanels() {
    menuPanel_.WindowImg = Pictures::MenuPanel;
    menuPanel_.Left = MenuPanelRest.X;
    menuPanel_.Top = MenuPanelRest.Y;
    menuPanel_.ShowDir = sdToLeft;
    menuPanel_.HidingXPos = GameSpace.Width;
    menuPanel_.MoveStep = PanelMoveStep;
    menuPanel_.OnPosUpdate = [this](TPoint pos) { PlaceMenuButtons(pos); };
    welcomePanel_.WindowImg = Pictures::WelcomePanel;
    welcomePanel_.Left = WelcomePanelRest.X;
    welcomePanel_.Top = WelcomePanelRest.Y;
    welcomePanel_.ShowDir = sdToDown;
    welcomePanel_.HidingYPos = -ImageTileHeight(Pictures::WelcomePanel) - PanelMoveStep;
    welcomePanel_.MoveStep = PanelMoveStep / 3;
    welcomePanel_.OnPosUpdate = [this](TPoint pos) { PlaceWelcomeButtons(pos); };
    for (TGameMenuWindow* panel : {&menuPanel_, &welcomePanel_}) {
        panel->OmgImgList = &services_.Pictures;
        panel->HideNow();
    }
}

void TMenuScene::CreateButtons() {
    playButton_.ImageName = Pictures::PlayButton;
    optionsButton_.ImageName = Pictures::OptionsButton;
    highScoresButton_.ImageName = Pictures::HighScoresButton;
    helpButton_.ImageName = Pictures::HelpButton;
    exitButton_.ImageName = Pictures::ExitButton;
    changePlayerLink_.ImageName = Pictures::ChangePlayerLink;
    playButton_.OnClick = [this] { PlayClick(); };
    optionsButton_.OnClick = [this] { services_.Scene.SetValue(gsOptions); };
    highScoresButton_.OnClick = [this] { services_.Scene.SetValue(gsHighScores); };
    helpButton_.OnClick = [this] {
        services_.Flow.HelpReturn = hrMenu;
        services_.Host.TransitionTo(gsHelp);
    };
    exitButton_.OnClick = [this] { ExitClick(); };
    changePlayerLink_.OnClick = [this] { ChangePlayerClick(); };
    PlaceMenuButtons(menuPanel_.Position());
    PlaceWelcomeButtons(welcomePanel_.Position());
}

void TMenuScene::TakeSizes() {
    for (TGameButton* button : {&playButton_, &optionsButton_, &highScoresButton_, &helpButton_,
                                &exitButton_, &changePlayerLink_})
        button->TakeSize();
    welcomePanel_.HidingYPos = -ImageTileHeight(Pictures::WelcomePanel) - PanelMoveStep;
}

void TMenuScene::PlaceMenuButtons(TPoint panel) {
    const auto place = [panel](TGameButton& button, TPoint offset) {
        button.Left = panel.X + offset.X;
        button.Top = panel.Y + offset.Y;
    };
    place(playButton_, PlayOffset);
    place(optionsButton_, OptionsOffset);
    place(highScoresButton_, HighScoresOffset);
    place(helpButton_, HelpOffset);
    place(exitButton_, ExitOffset);
}

void TMenuScene::PlaceWelcomeButtons(TPoint panel) {
    changePlayerLink_.Left = panel.X + ChangePlayerOffset.X;
    changePlayerLink_.Top = panel.Y + ChangePlayerOffset.Y;
}

bool TMenuScene::ReturnsFromOverlay(TGameSceneValues from) const {
    // The credits after the ending are no overlay: the menu comes as after any story.
    if (from == gsCredits) return services_.Flow.CreditsOrigin != gsEndingStory;
    if (from != gsConfirmWindow) return false;
    const TConfirmKind kind = services_.Flow.ConfirmKind;
    return kind != ckExit && kind != ckTimerMode;
}

void TMenuScene::Enter(TGameSceneValues from) {
    if (ReturnsFromOverlay(from)) return;
    if (!services_.Host.ImageSetLoaded(MenuImageSet)) {
        services_.Host.LoadImageSet(MenuImageSet);
        playButton_.TakeSize();
    }
    if (from == gsOptions || from == gsHighScores) return;
    PrepareForPlayer(from);
}

void TMenuScene::PrepareForPlayer(TGameSceneValues from) {
    TPlayerSession& player = services_.Player;
    const bool samePlayer =
        from == gsPlayerSelect && player.SelectedName() == services_.Flow.LastPlayerName;
    if (!samePlayer) SlidePanelsIn();
    services_.Flow.LastPlayerName = player.SelectedName();
    player.GameLogger.SetPlayerName(player.SelectedName());
    services_.Host.FreeImageSet(HavenImageSet);
    services_.Host.LoadLateImage(BackdropFile);
    // TODO(presentation polish issue): the palace clouds of the book's stage.
    heroScene_.Choose(services_.Progress.BuySlots.BoughtCount());
    services_.Music.RequestTrack(mtSplash);
}

// A panel already resting stays where it is.
void TMenuScene::SlidePanelsIn() {
    for (TGameMenuWindow* panel : {&menuPanel_, &welcomePanel_})
        if (panel->State() != mwsShown) panel->Show();
}

void TMenuScene::Leave(TGameSceneValues) {
    FreeImagesIfAsked();
}

void TMenuScene::FreeImagesIfAsked() {
    if (!services_.Flow.FreeMenuImagesOnLeave) return;
    services_.Flow.FreeMenuImagesOnLeave = false;
    services_.Host.FreeImageSet(MenuImageSet);
    services_.Host.FreeImageSet(HavenImageSet);
    services_.Host.FreeImage(std::string(BackdropPicture));
}

void TMenuScene::TransitionStarts(TGameSceneValues to) {
    if (to == gsOptions || to == gsHighScores) return;
    menuPanel_.Hide();
    welcomePanel_.Hide();
}

void TMenuScene::PlayClick() {
    TPlayerSaveRecord& record = services_.Player.Current;
    if (record.UsableRelaxedMode() != rmNotInitialized) {
        if (OnOpenMap) OnOpenMap();
        return;
    }
    services_.Host.AskConfirm(ckTimerMode, gsMenu, [this](bool relaxed) {
        services_.Player.Current.RelaxedMode = relaxed ? rmYes : rmNo;
        services_.Scene.SetValue(gsMenu);
        if (OnOpenMap) OnOpenMap();
    });
}

void TMenuScene::ExitClick() {
    services_.Host.AskConfirm(ckExit, gsMenu, [this](bool leave) {
        services_.Scene.SetValue(gsMenu);
        if (leave) services_.Host.CloseProgram();
    });
}

void TMenuScene::ChangePlayerClick() {
    services_.Host.SubmitScore();
    services_.Host.SavePlayerSave(true);
    services_.Player.NameList.Load();
    services_.Scene.SetValue(gsPlayerSelect);
}

void TMenuScene::Frame() {
    ++ticks_;
    menuPanel_.Update();
    welcomePanel_.Update();
    DrawBackdrop();
    heroScene_.Frame(true);
    welcomePanel_.Draw();
    if (welcomePanel_.State() != mwsHidden) changePlayerLink_.Draw(FullChannel);
    menuPanel_.Draw();
    if (menuPanel_.State() != mwsHidden) {
        const TPoint panel = menuPanel_.Position();
        DrawImage(
            Pictures::FeatureShine, panel.X + ShineOffset.X, panel.Y + ShineOffset.Y,
            std::fmod(static_cast<float>(ticks_ / ShineTicksPerStep) * ShineDegreesPerStep, 360.0f),
            Centered, Centered, 1, 1, FullChannel, FullChannel, FullChannel, ShineAlpha, 0);
        for (TGameButton* button :
             {&playButton_, &optionsButton_, &highScoresButton_, &exitButton_, &helpButton_})
            button->Draw(FullChannel);
    }
    DrawLogo();
    if (welcomePanel_.State() != mwsHidden) DrawWelcomeLine();
}

void TMenuScene::DrawBackdrop() const {
    DrawImage(BackdropPicture, 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
              FullChannel, 0);
}

void TMenuScene::DrawLogo() const {
    const int steppedTicks = ticks_ / LogoTicksPerStep * LogoTicksPerStep;
    const float angle =
        LogoRockDegrees * std::sin(static_cast<float>(steppedTicks) * LogoRockPerTick);
    DrawImage(Pictures::GameLogo, LogoPos.X, LogoPos.Y, angle, Centered, Centered, 1, 1,
              FullChannel, FullChannel, FullChannel, FullChannel, 0);
}

// "Ahoy, NAME!" twice: a dark shadow, then the text.
void TMenuScene::DrawWelcomeLine() const {
    const std::string line =
        services_.Texts.GameTexts(GreetingTextLine) + services_.Player.SelectedName() + "!";
    const TPoint panel = welcomePanel_.Position();
    const int x = panel.X + GreetingOffset.X;
    const int y = panel.Y + GreetingOffset.Y;
    constexpr int Black = 3;
    constexpr int White = 0;
    services_.GameText.DrawText(x + ShadowShift, y + ShadowShift, line, GreetingRatio, 0,
                                FullChannel, GreetingMaxWidth, Black);
    services_.GameText.DrawText(x, y, line, GreetingRatio, 0, FullChannel, GreetingMaxWidth, White);
}

bool TMenuScene::OnLogo(int x, int y) const {
    const TPoint size = ImageTileSize(Pictures::GameLogo);
    return InsideArea(LogoPos.X, LogoPos.Y, size.X, size.Y, x, y);
}

void TMenuScene::Mouse(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::MouseDown && event.Button == mbLeft && OnLogo(event.X, event.Y) &&
        OnTellStory) {
        OnTellStory();
        return;
    }
    RouteMouse(event, changePlayerLink_, playButton_, optionsButton_, highScoresButton_,
               exitButton_, helpButton_);
}

std::vector<TKeyStop> TMenuScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    if (menuPanel_.State() != mwsHidden)
        AddKeyStops(stops, playButton_, optionsButton_, highScoresButton_, helpButton_,
                    exitButton_);
    if (welcomePanel_.State() != mwsHidden) AddKeyStops(stops, changePlayerLink_);
    return stops;
}
