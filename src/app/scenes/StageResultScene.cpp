#include "app/scenes/StageResultScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TPanelSlide WindowSlide{sdToDown, -460, 60};
// On the window: the medal with its turning shine on the left, the statistics beside it, OK.
constexpr TPoint MedalOffset{40, 100};
constexpr TPoint ShineOffset{-8, 52};
constexpr float ShineDegreesPerTick = 0.2f;
constexpr float ShineScale = 2.35f;
constexpr uint8_t ShineAlpha = 30;
// The statistics: a label and its value on each line.
constexpr int StatsLabelX = 236;
constexpr int StatsValueX = 350;
constexpr int StatsTop = 140;
constexpr int StatsLineHeight = 50;
constexpr float StatsRatio = 0.9f;
constexpr TPoint OkOffset{196, 360};
constexpr float Centered = 0.5f;
constexpr int Black = 3;
constexpr int NoWidthLimit = 0;
// The counting's tick sound, every few frames while the numbers run.
constexpr int CountSoundEvery = 4;
constexpr int SecondsPerMinute = 60;

// The purse's names of the element kinds, as the bonus line shows them.
constexpr const char* BonusKindNames[] = {"fruit", "flowers", "potions", "gold tiles", "spiders"};

std::string PlayingTimeText(int seconds) {
    const int rest = seconds % SecondsPerMinute;
    return std::to_string(seconds / SecondsPerMinute) + (rest < 10 ? ":0" : ":") +
           std::to_string(rest);
}

// A value counted up from 0: its share after `tick` of `ticks` frames.
int CountedUp(int value, int tick, int ticks) {
    return tick >= ticks ? value : static_cast<int>(int64_t{value} * tick / ticks);
}

} // namespace

TStageResultScene::TStageResultScene(const TGameServices& services, TMainGameScene& round)
    : TRoundOverlayScene(services, round) {
    window_.ShownTimerEnabled = true;
    window_.ShownTimeToTriggerEvent = ShownTimeMs;
    window_.OnPosUpdate = [this](TPoint pos) { Place(pos); };
    window_.OnShowingComplete = [this] { ShowingComplete(); };
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

void TStageResultScene::Enter(TGameSceneValues) {
    ticks_ = 0;
    countTicks_ = 0;
    counting_ = false;
    window_.Show();
}

// TODO(story issue): the medal's animation, the scoring dust and the pigeon.
void TStageResultScene::ShowingComplete() {
    PlaySound(round_.Medal == mdGold ? "NotifyHigh" : "NotifyLow");
    PlaySound("Bells");
    counting_ = true;
}

void TStageResultScene::Count() {
    if (!counting_ || countTicks_ >= CountingTicks) return;
    ++countTicks_;
    if (countTicks_ % CountSoundEvery == 0) PlaySound("ScoreCount");
}

TRoundStats TStageResultScene::CountedStats() const {
    const TRoundStats& stats = round_.Stats;
    TRoundStats shown = stats;
    shown.PlayingTime = CountedUp(stats.PlayingTime, countTicks_, CountingTicks);
    shown.LevelScore = CountedUp(stats.LevelScore, countTicks_, CountingTicks);
    shown.BonusElementCount = CountedUp(stats.BonusElementCount, countTicks_, CountingTicks);
    return shown;
}

void TStageResultScene::DrawStats(TPoint windowPos) const {
    const TRoundStats shown = CountedStats();
    std::vector<std::pair<const char*, std::string>> lines{
        {"TIME", PlayingTimeText(shown.PlayingTime)}, {"SCORE", std::to_string(shown.LevelScore)}};
    if (round_.Stats.BonusElementCount > 0)
        lines.emplace_back("BONUS", "+" + std::to_string(shown.BonusElementCount) + " " +
                                        BonusKindNames[shown.BonusElementKind]);
    int y = windowPos.Y + StatsTop;
    for (const auto& [label, value] : lines) {
        services_.GameText.DrawText(windowPos.X + StatsLabelX, y, label, StatsRatio, 0, FullChannel,
                                    NoWidthLimit, Black);
        services_.GameText.DrawText(windowPos.X + StatsValueX, y, value, StatsRatio, 0, FullChannel,
                                    NoWidthLimit, Black);
        y += StatsLineHeight;
    }
}

void TStageResultScene::DrawOver() {
    ++ticks_;
    Count();
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
    DrawStats(pos);
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
