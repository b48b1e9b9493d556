#include "app/scenes/SceneWindows.h"

#include <string>

namespace {

constexpr int WindowMoveStep = 60;

} // namespace

void PrepareWindow(TGameMenuWindow& window, std::string_view picture, TPoint rest,
                   TOmegaImageList& pictures, int hidingY) {
    window.WindowImg = std::string(picture);
    window.OmgImgList = &pictures;
    window.Left = rest.X;
    window.Top = rest.Y;
    window.ShowDir = sdToDown;
    window.HidingYPos = hidingY;
    window.MoveStep = WindowMoveStep;
    window.HideNow();
}

void PlaceButton(TGameButton& button, TPoint windowPos, TPoint offset) {
    button.Left = windowPos.X + offset.X;
    button.Top = windowPos.Y + offset.Y;
}

bool DrawWindowOver(TSceneHost& host, TGameSceneValues beneath, TGameMenuWindow& window) {
    host.DrawSceneFrame(beneath);
    host.DrawDarken();
    window.Update();
    window.Draw();
    return window.State() != mwsHidden;
}
