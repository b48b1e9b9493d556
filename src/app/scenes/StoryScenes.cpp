#include "app/scenes/StoryScenes.h"

#include "app/scenes/SceneInput.h"
#include "engine/ImageDrawing.h"

#include <algorithm>

namespace {

constexpr TPoint SkipPos{1226, 703};

} // namespace

TStoryScene::TStoryScene(const TGameServices& services, int imageSet,
                         Pictures::TPictureFamily strips)
    : services_(services), imageSet_(imageSet), strips_(strips) {
    skipButton_.ImageName = Pictures::StorySkipButton;
    skipButton_.Left = SkipPos.X;
    skipButton_.Top = SkipPos.Y;
    skipButton_.OnClick = [this] { Finish(); };
}

void TStoryScene::Enter(TGameSceneValues) {
    if (!services_.Host.ImageSetLoaded(imageSet_)) services_.Host.LoadImageSet(imageSet_);
    services_.Music.RequestTrack(mtSplash);
    strip_ = strips_.First;
    tick_ = 0;
    finished_ = false;
}

void TStoryScene::Leave(TGameSceneValues) {
    services_.Host.FreeImageSet(imageSet_);
}

void TStoryScene::Finish() {
    if (finished_) return;
    finished_ = true;
    services_.Host.TransitionTo(gsMenu);
}

int TStoryScene::StripAlpha() const {
    const int fromEdge = std::min(tick_, StripTicks - tick_);
    return std::min(FullChannel * fromEdge / FadeTicks, int{FullChannel});
}

void TStoryScene::Frame() {
    if (strip_ <= strips_.Last)
        DrawImage(strips_.Name(strip_), 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
                  static_cast<uint8_t>(StripAlpha()), 0);
    skipButton_.Draw(FullChannel);
    if (strip_ > strips_.Last || ++tick_ < StripTicks) return;
    tick_ = 0;
    if (++strip_ > strips_.Last) Finish();
}

void TStoryScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, skipButton_);
}
