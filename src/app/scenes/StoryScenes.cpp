#include "app/scenes/StoryScenes.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/ScreenDust.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/LoadedImageListClass.h"

#include <algorithm>

namespace {

constexpr TPoint SkipPos{1226, 703};
// The layers are stored at half size.
constexpr float HalfSizeScale = 2.0f;
// Golden dust and old-film scratches take turns in short bursts over the strip, so a frame
// blends at most one of them over the whole screen besides the paper frame.
constexpr int BurstEveryTicks = 120;
constexpr int BurstTicks = 40;
constexpr int FilmBurstStart = 0;
constexpr int DustBurstStart = BurstEveryTicks / 2;
constexpr uint8_t DustAlpha = 90;
constexpr int FilmFrames = 2;
constexpr int FilmTicksPerFrame = 3;
constexpr uint8_t FilmAlpha = 70;
constexpr int PaperFrame = 0;
// The narration under the strip's picture.
constexpr TPoint NarrationPos{190, 650};
constexpr float NarrationRatio = 0.72f;
constexpr int NarrationSpacing = -1;
constexpr int NarrationLineGap = 30;
constexpr TNarrationTiming NarrationTiming{10, 1, 20};
constexpr TNarrationTiming ReducedNarrationTiming{45, 4, 60};
constexpr int NarrationStartAlpha = 30;
constexpr int NarrationMaxAlpha = 240;

} // namespace

TStoryScene::TStoryScene(const TGameServices& services, int imageSet,
                         Pictures::TPictureFamily strips, int firstNarration)
    : services_(services), imageSet_(imageSet), strips_(strips), firstNarration_(firstNarration) {
    skipButton_.ImageName = Pictures::StorySkipButton;
    skipButton_.Left = SkipPos.X;
    skipButton_.Top = SkipPos.Y;
    skipButton_.OnClick = [this] { Finish(); };
    narration_.FontRatio = NarrationRatio;
    narration_.HorzSpaceAdd = NarrationSpacing;
    narration_.VertSpace = NarrationLineGap;
    narration_.StartingAlpha = NarrationStartAlpha;
    narration_.SetMaxAlpha(NarrationMaxAlpha);
}

void TStoryScene::Enter(TGameSceneValues) {
    if (!services_.Host.ImageSetLoaded(imageSet_)) services_.Host.LoadImageSet(imageSet_);
    services_.Music.RequestTrack(mtSplash);
    LowerMusicForStory(services_.Music);
    narration_.ApplyTiming(NarrationTiming, ReducedNarrationTiming);
    narration_.Reset();
    strip_ = strips_.First;
    tick_ = 0;
    finished_ = false;
}

void TStoryScene::Leave(TGameSceneValues) {
    services_.Host.StopVoices();
    services_.Host.ApplySoundSettings();
    services_.Host.FreeImageSet(imageSet_);
}

void TStoryScene::Finish() {
    if (finished_) return;
    finished_ = true;
    narration_.Vanish();
    services_.Host.TransitionTo(NextScene);
}

int TStoryScene::StripAlpha() const {
    const int fromEdge = std::min(tick_, StripTicks - tick_);
    return std::min(FullChannel * fromEdge / FadeTicks, int{FullChannel});
}

void TStoryScene::Frame() {
    ++ticks_;
    if (strip_ <= strips_.Last)
        DrawImage(strips_.Name(strip_), 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
                  static_cast<uint8_t>(StripAlpha()), 0);
    DrawLayers();
    Narrate();
    narration_.UpdateAndDraw();
    skipButton_.Draw(FullChannel);
    if (strip_ > strips_.Last || ++tick_ < StripTicks) return;
    tick_ = 0;
    if (++strip_ > strips_.Last) Finish();
}

bool TStoryScene::InBurst(int start) const {
    const int phase = (ticks_ - start + BurstEveryTicks) % BurstEveryTicks;
    return phase < BurstTicks;
}

// Dust and film scratches are the heavy layers: reduced effects keep only the paper frame.
void TStoryScene::DrawLayers() const {
    if (InBurst(DustBurstStart)) ScreenDust::Draw(ticks_, DustAlpha);
    if (!IsReducedEffectsMode() && InBurst(FilmBurstStart))
        DrawImage(Pictures::MovieEffect, 0, 0, 0, 0, 0, HalfSizeScale, HalfSizeScale, FullChannel,
                  FullChannel, FullChannel, FilmAlpha, (ticks_ / FilmTicksPerFrame) % FilmFrames);
    DrawImage(Pictures::StoryBGMask, 0, 0, 0, 0, 0, HalfSizeScale, HalfSizeScale, FullChannel,
              FullChannel, FullChannel, FullChannel, PaperFrame);
}

void TStoryScene::Narrate() {
    if (strip_ > strips_.Last) return;
    if (tick_ == NarrationStartTick)
        narration_.ShowWhite(NarrationPos.X, NarrationPos.Y,
                             services_.Texts.GameTexts(firstNarration_ + strip_ - strips_.First));
    else if (tick_ == NarrationVanishTick)
        narration_.Vanish();
}

void TStoryScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, skipButton_);
}

// Skip is the one stop, and Escape skips too.
std::vector<TKeyStop> TStoryScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, skipButton_);
    for (TKeyStop& stop : stops) stop.Cancels = true;
    return stops;
}
