#include "app/scenes/HelpScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/SceneWindows.h"
#include "app/scenes/ScreenDust.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <string>

namespace {

constexpr int PageNumber = 1;
// The page's free top-right corner, beside its title.
constexpr TPoint DonePos{1214, 24};
// The small extras page is a little see-through until the mouse is on it.
constexpr uint8_t LinkAlpha = 200;
// Faint dust over the page while it is read.
constexpr uint8_t DustAlpha = 60;
// The extras page, loaded again should the extras have freed it.
constexpr const char* ExtrasFile = "Extras.jpg";

std::string PagePicture() {
    return Pictures::HelpPages.Name(PageNumber);
}

TPoint ExtrasLinkSize() {
    const TPoint page = ImageTileSize(Pictures::Extras);
    return {static_cast<int>(page.X * THelpScene::ExtrasLinkScale),
            static_cast<int>(page.Y * THelpScene::ExtrasLinkScale)};
}

} // namespace

THelpScene::THelpScene(const TGameServices& services) : services_(services) {
    doneButton_.ImageName = Pictures::WindowDoneButton;
    doneButton_.Left = DonePos.X;
    doneButton_.Top = DonePos.Y;
    doneButton_.OnClick = [this] { DoneClick(); };
    extrasLink_.OnClick = [this] { services_.Host.TransitionTo(gsExtras); };
}

void THelpScene::TakeSizes() {
    doneButton_.TakeSize();
}

void THelpScene::Enter(TGameSceneValues) {
    alpha_ = 0;
    ticks_ = 0;
    services_.Host.LoadLateImage(PagePicture() + ".jpg");
    if (ExtrasLinkShown()) services_.Host.LoadMainSetImage(ExtrasFile);
}

void THelpScene::Leave(TGameSceneValues) {
    services_.Host.FreeImage(PagePicture());
}

// The extras leave for the menu: a round waiting under the help would be left behind.
bool THelpScene::ExtrasLinkShown() const {
    return services_.Flow.HelpReturn == hrMenu;
}

TPoint THelpScene::ExtrasLinkCentre() const {
    const TPoint size = ExtrasLinkSize();
    return {ExtrasLinkPos.X + size.X / 2, ExtrasLinkPos.Y + size.Y / 2};
}

void THelpScene::DoneClick() {
    if (services_.Flow.HelpReturn != hrGame) {
        services_.Host.TransitionTo(gsMenu);
        return;
    }
    services_.Scene.SetValue(gsMainGame);
    if (OnBackToRound) OnBackToRound();
}

void THelpScene::Frame() {
    alpha_ = std::min(alpha_ + AlphaStep, static_cast<int>(Opaque));
    ++ticks_;
    if (alpha_ > ShowAlpha) {
        DrawImage(PagePicture(), 0, 0, 0, 0, 0, 1, 1, Opaque, Opaque, Opaque,
                  static_cast<uint8_t>(alpha_), 0);
        ScreenDust::Draw(ticks_, DustAlpha);
    }
    if (ExtrasLinkShown()) DrawExtrasLink();
    doneButton_.Draw(Opaque);
}

void THelpScene::DrawExtrasLink() const {
    const uint8_t alpha = extrasLink_.Mouse.Hovered ? Opaque : LinkAlpha;
    DrawImage(Pictures::Extras, ExtrasLinkPos.X, ExtrasLinkPos.Y, 0, 0, 0, ExtrasLinkScale,
              ExtrasLinkScale, Opaque, Opaque, Opaque,
              std::min(alpha, static_cast<uint8_t>(alpha_)), 0);
}

void THelpScene::Mouse(const TPlatformEvent& event) {
    if (ExtrasLinkShown())
        RouteMouse(event, doneButton_, extrasLink_);
    else
        RouteMouse(event, doneButton_);
}

bool THelpScene::TExtrasLink::Inside(int x, int y) const {
    const TPoint size = ExtrasLinkSize();
    return InsideArea(ExtrasLinkPos.X, ExtrasLinkPos.Y, size.X, size.Y, x, y);
}

void THelpScene::TExtrasLink::Release(int x, int y) {
    if (Mouse.Release(Inside(x, y))) Raise(OnClick);
}

std::vector<TKeyStop> THelpScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, doneButton_);
    for (TKeyStop& stop : stops) stop.Cancels = true;
    if (ExtrasLinkShown()) {
        const TPoint size = ExtrasLinkSize();
        stops.push_back({{ExtrasLinkPos.X + size.X / 2, ExtrasLinkPos.Y + size.Y / 2}});
    }
    return stops;
}
