// Mouse input, handed to the components of the current scene only.
#include "app/UMain.h"

void TFormMain::RouteMouse(const TPlatformEvent& event) {
    if (GameScene.Value() != gsMainGame) return;
    switch (event.Kind) {
    case TEventKind::MouseDown:
        MainGameMouseDown(event);
        break;
    case TEventKind::MouseMove:
        MainGameMouseMove(event);
        break;
    case TEventKind::MouseUp:
        MainGameMouseUp(event);
        break;
    default:
        break;
    }
}

// The board does not take the mouse while its own blocking animation runs.
bool TFormMain::BoardBusy() const {
    return GameBoard.IsBlasterWaveEarly();
}

void TFormMain::MainGameMouseDown(const TPlatformEvent& event) {
    if (event.Button == mbLeft) GameBoard.SetMouseHeld(true);
    // A press hurries the round's announcement along.
    if (BoardComment1.State() == gcsWaving) BoardComment1.FinishWaving();
    if (!BoardBusy())
        GameBoard.MouseDown(event.X, event.Y, static_cast<TMouseButton>(event.Button));
}

// Dragging with the button held works like clicking every tile on the way.
void TFormMain::MainGameMouseMove(const TPlatformEvent& event) {
    if (GameBoard.MouseHeld() && !BoardBusy()) GameBoard.MouseDown(event.X, event.Y, mbLeft);
}

void TFormMain::MainGameMouseUp(const TPlatformEvent&) {
    GameBoard.SetMouseHeld(false);
}
