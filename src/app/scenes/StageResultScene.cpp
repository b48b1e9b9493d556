#include "app/scenes/StageResultScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <cmath>
#include <string>

namespace {

constexpr TPanelSlide WindowSlide{sdToDown, -460, 60};
// On the window: the medal with its turning shine, the level's score, OK.
constexpr TPoint MedalOffset{180, 90};
constexpr TPoint ShineOffset{132, 42};
constexpr float ShineDegreesPerTick = 0.2f;
constexpr float ShineScale = 2.35f;
constexpr uint8_t ShineAlpha = 30;
// The score's line is centred on the window at this height.
constexpr TPoint ScoreOffset{260, 300};
constexpr float ScoreRatio = 1.0f;
constexpr TPoint OkOffset{196, 360};
constexpr float Centered = 0.5f;
constexpr int White = 0;
constexpr int NoWidthLimit = 0;

} // namespace

TStageResultScene::TStageResultScene(const TGameServices& services, TMainGameScene& round)
    : TRoundOverlayScene(services, round) {
    window_.ShownTimerEnabled = true;
    window_.ShownTimeToTriggerEvent = ShownTimeMs;
    window_.OnPosUpdate = [this](TPoint pos) { Place(pos); };
    window_.OnShowingComplete = [this] {
        PlaySound(round_.Medal == mdGold ? "NotifyHigh" : "NotifyLow");
    };
    window_.OnShownTimerReached = [this] { window_.Hide(); };
    window_.OnHidingComplete = [this] { services_.Host.TransitionTo(gsStickerBook); };
    PreparePanel(window_, Pictures::ResultsWindow, WindowRest, WindowSlide, services_.Pictures);
    okButton_.ImageName = Pictures::WindowOKButton;
    okButton_.OnClick = [this] {
        if (window_.State() == mwsShown) window_.Hide();
    };
    Place(window_.Position());
}

void TStageResultScene::Place(TPoint windowPos) {
    PlaceButton(okButton_, windowPos, OkOffset);
}

// TODO(whole round issue): the statistics count up, the scoring dust and the pigeon.
void TStageResultScene::Enter(TGameSceneValues) {
    ticks_ = 0;
    window_.Show();
}

void TStageResultScene::DrawOver() {
    ++ticks_;
    window_.Update();
    window_.Draw();
    if (window_.State() == mwsHidden) return;
    const TPoint pos = window_.Position();
    DrawImage(Pictures::FeatureShine, pos.X + ShineOffset.X, pos.Y + ShineOffset.Y,
              std::fmod(ticks_ * ShineDegreesPerTick, 360.0f), Centered, Centered, ShineScale,
              ShineScale, FullChannel, FullChannel, FullChannel, ShineAlpha, 0);
    if (round_.Medal != mdNone)
        DrawImage(Pictures::ResultMedals, pos.X + MedalOffset.X, pos.Y + MedalOffset.Y, 0, 0, 0, 1,
                  1, FullChannel, FullChannel, FullChannel, FullChannel, round_.Medal);
    const std::string score = std::to_string(round_.LevelScore);
    const int width = services_.GameText.TextWidth(score, 0, ScoreRatio);
    services_.GameText.DrawText(pos.X + ScoreOffset.X - width / 2, pos.Y + ScoreOffset.Y, score,
                                ScoreRatio, 0, FullChannel, NoWidthLimit, White);
    okButton_.Draw(FullChannel);
}

void TStageResultScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, okButton_);
}

std::vector<TKeyStop> TStageResultScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, okButton_);
    for (TKeyStop& stop : stops) stop.Cancels = true;
    return stops;
}
