#include "app/scenes/SceneWindows.h"

namespace {

constexpr int WindowMoveStep = 60;

} // namespace

void PrepareWindow(TGameMenuWindow& window, std::string_view picture, TPoint rest,
                   TOmegaImageList& pictures, int hidingY) {
    PreparePanel(window, picture, rest, {sdToDown, hidingY, WindowMoveStep}, pictures);
}

bool DrawWindowOver(TSceneHost& host, TGameSceneValues beneath, TGameMenuWindow& window) {
    host.DrawSceneFrame(beneath);
    host.DrawDarken();
    window.Update();
    window.Draw();
    return window.State() != mwsHidden;
}
