#include "app/scenes/ExtrasScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/SceneWindows.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

// The links stand one above the other in the page's frame, each with its address beside it.
constexpr TPoint FirstLinkPos{440, 262};
constexpr int LinkSpacing = 130;
constexpr TPoint AddressOffset{150, 27};
constexpr float AddressRatio = 0.8f;
constexpr int AddressMaxWidth = 360;
constexpr TPoint DonePos{619, 640};
// The links open the second and third addresses of the extras table.
constexpr int FirstLinkAddressLine = 2;
constexpr const char* ExtrasFile = "Extras.jpg";

} // namespace

TExtrasScene::TExtrasScene(const TGameServices& services) : services_(services) {
    doneButton_.ImageName = Pictures::WindowDoneButton;
    doneButton_.Left = DonePos.X;
    doneButton_.Top = DonePos.Y;
    doneButton_.OnClick = [this] { services_.Host.TransitionTo(gsMenu); };
    for (int index = 0; index < LinkCount; ++index) {
        TGameButton& link = links_[index];
        link.ImageName = Pictures::BookPlayButton;
        link.Left = FirstLinkPos.X;
        link.Top = FirstLinkPos.Y + index * LinkSpacing;
        // Without the extras table there is nowhere to go.
        link.Enabled = !Address(index).empty();
        link.OnClick = [this, index] { services_.Host.OpenWebAddress(Address(index)); };
    }
}

const std::string& TExtrasScene::Address(int index) const {
    return services_.Texts.ExtrasURL(FirstLinkAddressLine + index);
}

void TExtrasScene::TakeSizes() {
    doneButton_.TakeSize();
    for (TGameButton& link : links_) link.TakeSize();
}

// The page may have been freed by an earlier visit.
void TExtrasScene::Enter(TGameSceneValues) {
    services_.Host.LoadMainSetImage(ExtrasFile);
}

void TExtrasScene::Leave(TGameSceneValues) {
    services_.Host.FreeImage(std::string(Pictures::Extras));
}

void TExtrasScene::Frame() {
    DrawImage(Pictures::Extras, 0, 0, 0, 0, 0, 1, 1, Opaque, Opaque, Opaque, Opaque, 0);
    DrawAddresses();
    for (TGameButton& link : links_) link.Draw(Opaque);
    doneButton_.Draw(Opaque);
}

void TExtrasScene::DrawAddresses() const {
    for (int index = 0; index < LinkCount; ++index) {
        const TGameButton& link = links_[index];
        services_.GameText.DrawText(link.Left + AddressOffset.X, link.Top + AddressOffset.Y,
                                    Address(index), AddressRatio, NoSpacing, Opaque,
                                    AddressMaxWidth, TextBlack);
    }
}

void TExtrasScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, doneButton_, links_[0], links_[1]);
}

std::vector<TKeyStop> TExtrasScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, links_[0], links_[1], doneButton_);
    if (!stops.empty()) stops.back().Cancels = doneButton_.Visible && doneButton_.Enabled;
    return stops;
}
