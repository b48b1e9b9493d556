#include "app/scenes/StageResultScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TPanelSlide WindowSlide{sdToDown, -460, 60};
// On the window: the medal with its turning shine on the left (the celebration places both), the
// statistics beside it, a label and its value on each line, and OK.
constexpr int StatsLabelX = 236;
constexpr int StatsValueX = 350;
constexpr int StatsTop = 140;
constexpr int StatsLineHeight = 50;
constexpr float StatsRatio = 0.9f;
constexpr TPoint OkOffset{196, 360};
constexpr int Black = 3;
constexpr int NoWidthLimit = 0;
// The counting's tick sound, every few frames while the numbers run.
constexpr int CountSoundEvery = 4;
// Golden dust rises from the score's value while it counts, a mote every other frame.
constexpr int DustEvery = 2;
constexpr int ScoreLineTop = StatsTop + StatsLineHeight; // the second line, under the time
constexpr int ScoreValueWidth = 110;
constexpr int ScoreValueHeight = 30;
constexpr TRect ScoreDustLine{StatsValueX, ScoreLineTop, StatsValueX + ScoreValueWidth,
                              ScoreLineTop + ScoreValueHeight};
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
    window_.OnShownTimerReached = [this] { HideWindow(); };
    window_.OnHidingComplete = [this] { services_.Host.TransitionTo(gsStickerBook); };
    PreparePanel(window_, Pictures::ResultsWindow, WindowRest, WindowSlide, services_.Pictures);
    okButton_.ImageName = Pictures::WindowOKButton;
    okButton_.OnClick = [this] {
        if (window_.State() == mwsShown) HideWindow();
    };
    Place(window_.Position());
}

void TStageResultScene::Place(TPoint windowPos) {
    PlaceButton(okButton_, windowPos, OkOffset);
}

void TStageResultScene::Enter(TGameSceneValues) {
    countTicks_ = 0;
    counting_ = false;
    celebration_.Reset();
    window_.Show();
}

void TStageResultScene::ShowingComplete() {
    PlaySound(round_.Medal == mdGold ? "NotifyHigh" : "NotifyLow");
    celebration_.WindowShown(round_.Medal, window_.Position());
    counting_ = true;
    PlaySound("Bells");
}

// Mirela leaves with the window.
void TStageResultScene::HideWindow() {
    window_.Hide();
    celebration_.WindowHiding();
}

void TStageResultScene::Count() {
    if (!counting_ || countTicks_ >= CountingTicks) return;
    ++countTicks_;
    if (countTicks_ % CountSoundEvery == 0) PlaySound("ScoreCount");
    if (countTicks_ % DustEvery == 0) celebration_.SprinkleDust(ScoreDustLine);
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
    celebration_.Tick();
    Count();
    window_.Update();
    window_.Draw();
    if (window_.State() != mwsHidden) {
        const TPoint pos = window_.Position();
        celebration_.DrawMedal(pos);
        DrawStats(pos);
        celebration_.DrawDust(pos);
        okButton_.Draw(FullChannel);
    }
    celebration_.DrawDove();
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
