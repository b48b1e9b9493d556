#include "app/scenes/PlayerScenes.h"

#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/SceneWindows.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"
#include "saves/PlayerNames.h"

namespace {

// Far enough above the screen for either window.
constexpr int WindowHidingYPos = -420;
// On the player list: the rows, then New, Delete and OK along the bottom.
constexpr TPoint ListOffset{45, 78};
constexpr TPoint NewOffset{14, 318};
constexpr TPoint DeleteOffset{146, 318};
constexpr TPoint ListOkOffset{278, 318};
// On the add-name window: the typed name, then OK and Cancel.
constexpr TPoint InputOffset{62, 108};
constexpr TPoint AddOkOffset{60, 150};
constexpr TPoint CancelOffset{232, 150};

} // namespace

// ---- the player list --------------------------------------------------------------------------

TPlayerSelectScene::TPlayerSelectScene(const TGameServices& services) : services_(services) {
    window_.OnPosUpdate = [this](TPoint pos) { Place(pos); };
    PrepareWindow(window_, Pictures::NameListWindow, WindowRest, services_.Pictures,
                  WindowHidingYPos);
    newButton_.ImageName = Pictures::NameListNewButton;
    deleteButton_.ImageName = Pictures::NameListDeleteButton;
    okButton_.ImageName = Pictures::WindowOKButton;
    newButton_.OnClick = [this] { services_.Scene.SetValue(gsAddPlayer); };
    deleteButton_.OnClick = [this] { DeleteClick(); };
    okButton_.OnClick = [this] { OkClick(); };
    services_.Player.NameList.OmgImgList = &services_.Pictures;
    Place(window_.Position());
}

void TPlayerSelectScene::TakeSizes() {
    for (TGameButton* button : {&newButton_, &deleteButton_, &okButton_}) button->TakeSize();
}

void TPlayerSelectScene::Place(TPoint windowPos) {
    PlaceButton(newButton_, windowPos, NewOffset);
    PlaceButton(deleteButton_, windowPos, DeleteOffset);
    PlaceButton(okButton_, windowPos, ListOkOffset);
    services_.Player.NameList.Left = windowPos.X + ListOffset.X;
    services_.Player.NameList.Top = windowPos.Y + ListOffset.Y;
}

void TPlayerSelectScene::RefreshButtons() {
    newButton_.Enabled = !services_.Player.NameList.IsFull();
    deleteButton_.Enabled = !services_.Player.NameList.IsEmpty();
}

// From the menu the list comes down; from its own questions and the add-name window it is
// still there.
void TPlayerSelectScene::Enter(TGameSceneValues) {
    RefreshButtons();
    if (window_.State() == mwsHidden || window_.State() == mwsHiding) window_.Show();
}

void TPlayerSelectScene::OkClick() {
    TPlayerSession& player = services_.Player;
    if (player.SelectedName().empty()) {
        player.NameList.AddName(player.DefaultPlayerName());
        services_.Host.LoadPlayerSave();
        services_.Host.SavePlayerSave(false);
    }
    player.NameList.Save();
    window_.Hide();
    services_.Host.LoadPlayerSave();
    if (player.SelectedName() != services_.Flow.LastPlayerName) {
        services_.Host.TransitionTo(gsMenu);
        window_.OnHidingComplete = nullptr;
    } else {
        window_.OnHidingComplete = [this] { services_.Scene.SetValue(gsMenu); };
    }
}

void TPlayerSelectScene::DeleteClick() {
    services_.Host.AskConfirm(ckDeletePlayer, gsPlayerSelect, [this](bool yes) {
        if (yes) services_.Player.DeleteSelected();
        RefreshButtons();
        services_.Scene.SetValue(gsPlayerSelect);
    });
}

void TPlayerSelectScene::Frame() {
    if (!DrawWindowOver(services_.Host, gsMenu, window_)) return;
    for (TGameButton* button : {&newButton_, &deleteButton_, &okButton_}) button->Draw(Opaque);
    services_.Player.NameList.Draw(services_.GameText);
}

void TPlayerSelectScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, services_.Player.NameList, newButton_, deleteButton_, okButton_);
}

// ---- a new player's name ------------------------------------------------------------------------

TAddPlayerScene::TAddPlayerScene(const TGameServices& services, bool initial)
    : services_(services), initial_(initial) {
    window_.OnPosUpdate = [this](TPoint pos) { Place(pos); };
    window_.OnHidingComplete = [this] {
        if (const std::function<void()> next = std::move(afterHiding_)) next();
    };
    PrepareWindow(window_, Pictures::AddNameWindow, WindowRest, services_.Pictures,
                  WindowHidingYPos);
    okButton_.ImageName = Pictures::WindowOKButton;
    cancelButton_.ImageName = Pictures::WindowCancelButton;
    okButton_.OnClick = [this] { OkClick(); };
    cancelButton_.OnClick = [this] {
        afterHiding_ = [this] { services_.Scene.SetValue(gsPlayerSelect); };
        window_.Hide();
    };
    nameInput_.OmgImgList = &services_.Pictures;
    nameInput_.OnEntryConfirmed = [this] { OkClick(); };
    Place(window_.Position());
}

void TAddPlayerScene::TakeSizes() {
    okButton_.TakeSize();
    cancelButton_.TakeSize();
}

void TAddPlayerScene::Place(TPoint windowPos) {
    PlaceButton(okButton_, windowPos, AddOkOffset);
    PlaceButton(cancelButton_, windowPos, CancelOffset);
    nameInput_.Left = windowPos.X + InputOffset.X;
    nameInput_.Top = windowPos.Y + InputOffset.Y;
}

void TAddPlayerScene::Enter(TGameSceneValues) {
    nameInput_.SetText("");
    cancelButton_.Enabled = !initial_;
    afterHiding_ = nullptr;
    window_.Show();
}

void TAddPlayerScene::OkClick() {
    // One answer per showing: a second Enter while the window goes changes nothing.
    if (window_.State() != mwsShown && window_.State() != mwsShowing) return;
    TPlayerSession& player = services_.Player;
    if (nameInput_.Text() == DeveloperModeCode) {
        services_.Flow.DeveloperMode = true;
        PlaySound("NotifyHigh");
        afterHiding_ = [this] {
            if (initial_)
                Enter(gsAddInitialPlayer); // the first player still needs a name
            else
                services_.Scene.SetValue(gsPlayerSelect);
        };
        window_.Hide();
        return;
    }
    std::string name = nameInput_.Text();
    if (!IsUsablePlayerName(name)) name.clear();
    if (initial_ && name.empty()) name = player.DefaultPlayerName();
    window_.Hide();
    const bool duplicate = player.NameList.Contains(name);
    if (!player.NameList.IsFull() && !duplicate && !name.empty()) {
        player.NameList.AddName(name);
        services_.Host.LoadPlayerSave();
        services_.Host.SavePlayerSave(false);
    }
    afterHiding_ = [this, duplicate] { NameTaken(duplicate); };
}

void TAddPlayerScene::NameTaken(bool duplicate) {
    if (initial_) {
        services_.Flow.LastPlayerName = services_.Player.SelectedName();
        services_.Player.GameLogger.SetPlayerName(services_.Flow.LastPlayerName);
        services_.Host.TransitionTo(gsMenu);
        return;
    }
    if (!duplicate) {
        services_.Scene.SetValue(gsPlayerSelect);
        return;
    }
    services_.Host.AskConfirm(ckDuplicateName, gsPlayerSelect, [this](bool again) {
        services_.Scene.SetValue(again ? gsAddPlayer : gsPlayerSelect);
    });
}

void TAddPlayerScene::Frame() {
    const bool shown =
        DrawWindowOver(services_.Host, initial_ ? gsSplash : gsPlayerSelect, window_);
    nameInput_.Update();
    if (!shown) return;
    DrawTypedName();
    okButton_.Draw(Opaque);
    cancelButton_.Draw(Opaque);
}

void TAddPlayerScene::DrawTypedName() const {
    services_.GameText.DrawText(nameInput_.Left, nameInput_.Top, nameInput_.DisplayString(),
                                nameInput_.LetterSizeRatio, NoSpacing, Opaque, NoWidthLimit,
                                TextWhite);
}

void TAddPlayerScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, okButton_, cancelButton_);
}

void TAddPlayerScene::Key(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::KeyPress) nameInput_.KeyPress(static_cast<char>(event.Char));
}

// Escape is the scenes' own: the list and the name field answer it themselves.
std::vector<TKeyStop> TPlayerSelectScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, newButton_, deleteButton_, okButton_);
    return stops;
}

std::vector<TKeyStop> TAddPlayerScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, okButton_, cancelButton_);
    return stops;
}
