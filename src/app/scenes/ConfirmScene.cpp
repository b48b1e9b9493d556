#include "app/scenes/ConfirmScene.h"

#include "app/scenes/SceneInput.h"

namespace {

// The questions whose answers are Yes and No; the others are OK and Cancel.
bool AsksYesNo(TConfirmKind kind) {
    return kind == ckTimeUp || kind == ckDeletePlayer || kind == ckTimerMode;
}

} // namespace

TConfirmScene::TConfirmScene(const TGameServices& services) : services_(services) {
    window_.OmgImgList = &services_.Pictures;
    window_.GlobGameText = &services_.GameText;
    window_.TextStringsComp = &services_.Texts;
    window_.Left = WindowLeft;
    window_.Top = WindowTop;
    window_.CreateParts();
    window_.OnHidingComplete = [this](bool positive) {
        // The answer may ask the next question: it gets a handler of its own.
        const std::function<void(bool)> answered = std::move(answered_);
        answered_ = nullptr;
        if (answered) answered(positive);
    };
}

void TConfirmScene::TakeSizes() {
    window_.TakeSize();
}

void TConfirmScene::Ask(TConfirmKind kind, TGameSceneValues backdrop,
                        std::function<void(bool)> answered) {
    backdrop_ = backdrop;
    answered_ = std::move(answered);
    if (AsksYesNo(kind))
        window_.Show(kind, pbYes, nbNo);
    else
        window_.Show(kind, pbOK, nbCancel);
}

void TConfirmScene::Frame() {
    services_.Host.DrawSceneFrame(backdrop_);
    services_.Host.DrawDarken();
    window_.Draw();
}

void TConfirmScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, window_);
}

std::vector<TKeyStop> TConfirmScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, window_.PositiveButton(), window_.NegativeButton());
    if (stops.size() == 2) stops.back().Cancels = true; // Escape is the negative answer
    return stops;
}
