#include "app/scenes/Teaching.h"

#include "app/PlayerSession.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <string>
#include <utility>

namespace {

constexpr TPoint GuideOffset{-118, 330};
constexpr int GuideWingTicks = 6;
constexpr int GuideWingPictures = 3;
constexpr int GuideAlpha = 255;

} // namespace

void ConnectTeaching(TMirelaTutorial& tutorial, TTutorialToolTip& toolTip,
                     const TGameServices& services, std::function<void()> stepClosed) {
    TPlayerSession& player = services.Player;
    TSceneHost& host = services.Host;
    tutorial.GameText = &services.GameText;
    tutorial.LoadTexts(services.Texts);
    toolTip.LoadTexts(services.Texts);
    const auto& report = services.TestReport;
    tutorial.OnSpecificTutorialIdx = [&player, &tutorial, &report](int step) {
        player.Current.TutorialStepsShown = tutorial.ShownFlags();
        if (report) report("tutorial step: " + std::to_string(step));
    };
    toolTip.OnSpecificToolTipIdx = [&player, &toolTip, &report](int tip) {
        player.Current.ToolTipsShown = toolTip.ShownFlags();
        if (report) report("tool tip: " + std::to_string(tip));
    };
    tutorial.OnStart = [&host](int step) { host.PlayTutorialVoice(step); };
    tutorial.OnFinish = [&host, closed = std::move(stepClosed)] {
        host.StopVoices();
        if (closed) closed();
    };
}

void SyncTeachingWithPlayer(TMirelaTutorial& tutorial, TTutorialToolTip& toolTip,
                            const TPlayerSession& player) {
    const bool enabled = TPlayerSaveRecord::IsSet(player.Current.TutorialOn);
    tutorial.Enabled = enabled;
    toolTip.Enabled = enabled;
    tutorial.SetShownFlags(player.Current.TutorialStepsShown);
    toolTip.SetShownFlags(player.Current.ToolTipsShown);
}

TTeachingKey TeachingKeyOf(const TPlatformEvent& event) {
    constexpr uint8_t EnterChar = 13;
    if (event.Kind == TEventKind::KeyDown && (event.Key == TKey::Enter || event.Key == TKey::Space))
        return TTeachingKey::HeldBack;
    if (event.Kind == TEventKind::KeyPress && (event.Char == EnterChar || event.Char == ' '))
        return TTeachingKey::Answer;
    return TTeachingKey::Other;
}

void TGuideDrawing::Draw(const TMirelaTutorial& tutorial) {
    if (!tutorial.Showing()) {
        ticks_ = 0;
        return;
    }
    ++ticks_;
    const int wing = (ticks_ / GuideWingTicks) % GuideWingPictures;
    const auto alpha = static_cast<uint8_t>(tutorial.Fade() * GuideAlpha);
    DrawImage(Pictures::TutorialDove, tutorial.Left + GuideOffset.X, tutorial.Top + GuideOffset.Y,
              0, 0, 0, 1, 1, 255, 255, 255, alpha, wing);
}
