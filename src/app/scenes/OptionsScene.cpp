#include "app/scenes/OptionsScene.h"

#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/SceneWindows.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

constexpr int WindowHidingYPos = -TOptionsScene::WindowSize.Y;
// Rows of the window, from its top-left corner: sound, music, then the two plain switches.
constexpr int SoundRowTop = 95;
constexpr int MusicRowTop = 150;
constexpr TPoint FullScreenOffset{40, 215};
constexpr TPoint TutorialOffset{40, 265};
// Along a sound row: the switch, the minus button, the volume bar, the plus button.
constexpr int BoxLeft = 40;
constexpr int MinusLeft = 185;
constexpr int BarLeft = 227;
constexpr int PlusLeft = 361;
// The round buttons and the bar stand centred on the switch's height.
constexpr int ButtonRowShift = -1;
constexpr int BarRowShift = 10;
// Credits and OK along the bottom.
constexpr TPoint CreditsOffset{62, 352};
constexpr TPoint OkOffset{270, 352};

uint8_t Flag(bool on) {
    return on ? 1 : 0;
}

void TakeBoxSize(TGameCheckBox& box) {
    const TPoint size = ImageTileSize(box.ImageName);
    if (size.X <= 0 || size.Y <= 0) return;
    box.Width = size.X;
    box.Height = size.Y;
}

} // namespace

TOptionsScene::TOptionsScene(const TGameServices& services, bool inGame)
    : services_(services), inGame_(inGame) {
    window_.OnPosUpdate = [this](TPoint pos) { Place(pos); };
    window_.OnHidingComplete = [this] { WindowHidden(); };
    PrepareWindow(window_, Pictures::OptionsWindow, CentredRest(WindowSize), services_.Pictures,
                  WindowHidingYPos);
    CreateWidgets();
    Place(window_.Position());
}

void TOptionsScene::CreateWidgets() {
    PrepareChannel(sound_, Pictures::CheckBoxSound);
    PrepareChannel(music_, Pictures::CheckBoxMusic);
    fullScreenBox_.ImageName = Pictures::CheckBoxFullscreen;
    tutorialBox_.ImageName = Pictures::CheckBoxTutorial;
    for (TGameCheckBox* box : {&fullScreenBox_, &tutorialBox_})
        box->OmgImgList = &services_.Pictures;
    creditsButton_.ImageName = Pictures::CreditsButton;
    okButton_.ImageName = Pictures::WindowOKButton;
    creditsButton_.OnClick = [this] { CreditsClick(); };
    okButton_.OnClick = [this] { OkClick(); };
}

void TOptionsScene::PrepareChannel(TChannel& channel, std::string_view boxPicture) {
    channel.Box.ImageName = boxPicture;
    channel.Box.OmgImgList = &services_.Pictures;
    channel.Bar.OmgImgList = &services_.Pictures;
    channel.Minus.ImageName = Pictures::VolumeMinusButton;
    channel.Plus.ImageName = Pictures::VolumePlusButton;
    // An unticked channel is silent: its bar greys out.
    channel.Box.OnClick = [this, &channel] {
        channel.Bar.Enabled = channel.Box.Checked;
        ApplySound();
    };
    channel.Minus.OnClick = [this, &channel] { TurnVolume(channel, -VolumeStep); };
    channel.Plus.OnClick = [this, &channel] { TurnVolume(channel, VolumeStep); };
}

void TOptionsScene::TakeSizes() {
    for (TChannel* channel : {&sound_, &music_}) {
        TakeBoxSize(channel->Box);
        channel->Bar.TakeSize();
        channel->Minus.TakeSize();
        channel->Plus.TakeSize();
    }
    TakeBoxSize(fullScreenBox_);
    TakeBoxSize(tutorialBox_);
    creditsButton_.TakeSize();
    okButton_.TakeSize();
}

void TOptionsScene::Place(TPoint windowPos) {
    const auto placeChannel = [windowPos](TChannel& channel, int rowTop) {
        channel.Box.Left = windowPos.X + BoxLeft;
        channel.Box.Top = windowPos.Y + rowTop;
        PlaceButton(channel.Minus, windowPos, {MinusLeft, rowTop + ButtonRowShift});
        PlaceButton(channel.Plus, windowPos, {PlusLeft, rowTop + ButtonRowShift});
        channel.Bar.Left = windowPos.X + BarLeft;
        channel.Bar.Top = windowPos.Y + rowTop + BarRowShift;
    };
    placeChannel(sound_, SoundRowTop);
    placeChannel(music_, MusicRowTop);
    fullScreenBox_.Left = windowPos.X + FullScreenOffset.X;
    fullScreenBox_.Top = windowPos.Y + FullScreenOffset.Y;
    tutorialBox_.Left = windowPos.X + TutorialOffset.X;
    tutorialBox_.Top = windowPos.Y + TutorialOffset.Y;
    PlaceButton(creditsButton_, windowPos, CreditsOffset);
    PlaceButton(okButton_, windowPos, OkOffset);
}

void TOptionsScene::Enter(TGameSceneValues from) {
    if (from == gsCredits) return;
    LoadSettings();
    window_.Show();
}

// The full-screen switch shows the screen as it is: a run started in the other mode for once
// must not ask about a change nobody made.
void TOptionsScene::LoadSettings() {
    const TPlayerSaveRecord& record = services_.Player.Current;
    sound_.Box.Checked = TPlayerSaveRecord::IsSet(record.SoundOn);
    music_.Box.Checked = TPlayerSaveRecord::IsSet(record.MusicOn);
    sound_.Bar.SetPositionNow(record.UsableSoundVolume());
    music_.Bar.SetPositionNow(record.UsableMusicVolume());
    for (TChannel* channel : {&sound_, &music_}) channel->Bar.Enabled = channel->Box.Checked;
    fullScreenBox_.Checked = services_.Host.FullScreen();
    tutorialBox_.Checked = TPlayerSaveRecord::IsSet(record.TutorialOn);
}

void TOptionsScene::ApplySound() {
    TPlayerSaveRecord& record = services_.Player.Current;
    record.SoundOn = Flag(sound_.Box.Checked);
    record.MusicOn = Flag(music_.Box.Checked);
    record.SoundVolume = sound_.Bar.Position();
    record.MusicVolume = music_.Bar.Position();
    services_.Host.ApplySoundSettings();
}

// Turning a volume switches its channel on: the player wants to hear the change.
void TOptionsScene::TurnVolume(TChannel& channel, int change) {
    channel.Bar.SetPosition(channel.Bar.Position() + change);
    channel.Box.Checked = true;
    channel.Bar.Enabled = true;
    ApplySound();
}

// The full-screen switch reaches the record only through the display change itself.
void TOptionsScene::OkClick() {
    if (window_.State() != mwsShown && window_.State() != mwsShowing) return;
    ApplySound();
    services_.Player.Current.TutorialOn = Flag(tutorialBox_.Checked);
    // The round reads the switch each time it would teach, so it counts at once. From the menu
    // the settings are saved at once; a round saves them with its end.
    if (!inGame_) services_.Host.SavePlayerSave(true);
    window_.Hide();
}

void TOptionsScene::CreditsClick() {
    if (window_.State() != mwsShown) return;
    services_.Flow.CreditsOrigin = inGame_ ? gsInGameOptions : gsOptions;
    services_.Scene.SetValue(gsCredits);
}

void TOptionsScene::WindowHidden() {
    const bool wanted = fullScreenBox_.Checked;
    if (wanted == services_.Host.FullScreen()) {
        GoBack();
        return;
    }
    const TConfirmKind kind = inGame_ ? ckInGameDisplayMode : ckMenuDisplayMode;
    services_.Host.AskConfirm(kind, Beneath(), [this, wanted](bool change) {
        if (change) services_.Host.SwitchFullScreen(wanted, true);
        GoBack();
    });
}

void TOptionsScene::GoBack() {
    if (!inGame_) {
        services_.Scene.SetValue(gsMenu);
        return;
    }
    services_.Scene.SetValue(services_.Flow.OriginScene);
    if (OnBackToRound) OnBackToRound();
}

TGameSceneValues TOptionsScene::Beneath() const {
    return inGame_ ? services_.Flow.OriginScene : gsMenu;
}

void TOptionsScene::Frame() {
    if (!DrawWindowOver(services_.Host, Beneath(), window_)) return;
    for (TChannel* channel : {&sound_, &music_}) {
        channel->Box.Draw();
        channel->Bar.Draw();
        channel->Minus.Draw(Opaque);
        channel->Plus.Draw(Opaque);
    }
    fullScreenBox_.Draw();
    tutorialBox_.Draw();
    creditsButton_.Draw(Opaque);
    okButton_.Draw(Opaque);
}

void TOptionsScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, creditsButton_, okButton_, sound_.Minus, sound_.Plus, music_.Minus,
               music_.Plus, music_.Box, sound_.Box, fullScreenBox_, tutorialBox_);
}

std::vector<TKeyStop> TOptionsScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, sound_.Box, sound_.Minus, sound_.Plus, music_.Box, music_.Minus, music_.Plus,
                fullScreenBox_, tutorialBox_, creditsButton_, okButton_);
    stops.back().Cancels = true; // Escape is OK: the settings are kept as they are
    return stops;
}
