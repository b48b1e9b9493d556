// The round's teaching: Mirela's tutorial step when the objective has gone, and the pointing tips
// that the level start, the player's matches and the spiders call up. A step makes the round
// wait (gsTutorial); a tip freezes the board and the spiders until its OK (gsTutorialToolTip).
// What was shown is kept in the player's save, so nothing is taught twice.
#include "app/PlayerSession.h"
#include "app/scenes/MainGameScene.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

// Where the tips point: the cabinet's first slot, the guide's pocket, the energy gauge, the
// haven book's works, its progress tube and its sail button.
constexpr TPoint GatherPoint{777, 62};
constexpr TPoint PocketPoint{86, 94};
constexpr TPoint EnergyPoint{385, 235};
constexpr TPoint WorksPoint{293, 676};
constexpr TPoint ProgressPoint{787, 57};
constexpr TPoint SailPoint{818, 587};
// The tip of a landing spider points a little below and right of where it hangs.
constexpr TPoint SpiderTipOffset{26, 20};

// Mirela sits beside the panel, beating her wings.
constexpr TPoint GuideOffset{-118, 330};
constexpr int GuideWingTicks = 6;
constexpr int GuideWingPictures = 3;
constexpr int GuideAlpha = 255;

} // namespace

void TMainGameScene::WireTutorial() {
    Tutorial.GameText = &services_.GameText;
    Tutorial.LoadTexts(services_.Texts);
    Tutorial.OnSpecificTutorialIdx = [this](int) {
        services_.Player.Current.TutorialStepsShown = Tutorial.ShownFlags();
    };
    Tutorial.OnFinish = [this] { TutorialFinished(); };
}

void TMainGameScene::WireToolTip() {
    ToolTip.LoadTexts(services_.Texts);
    ToolTip.OnPointingPosRequest = [this](int tip, TPoint& point) { point = ToolTipPoint(tip); };
    ToolTip.OnStart = [this] { FreezeForTip(); };
    ToolTip.OnSpecificToolTipIdx = [this](int) {
        services_.Player.Current.ToolTipsShown = ToolTip.ShownFlags();
    };
    ToolTip.OnFinish = [this] { ThawAfterTip(); };
    GameBoard.OnManualMatch = [this] {
        SyncTeaching();
        ToolTip.ManualMatch();
    };
    CrawlingSpiders.OnAnySpiderLanding = [this](TPoint landing) {
        ToolTip.RememberSpiderLanding(landing);
        EventToolTip(teSpiderLanded);
    };
}

void TMainGameScene::EventToolTip(TToolTipEvent kind) {
    SyncTeaching();
    ToolTip.EventTip(kind);
}

void TMainGameScene::SyncTeaching() {
    const bool enabled = TPlayerSaveRecord::IsSet(services_.Player.Current.TutorialOn);
    Tutorial.Enabled = enabled;
    ToolTip.Enabled = enabled;
    Tutorial.SetShownFlags(services_.Player.Current.TutorialStepsShown);
    ToolTip.SetShownFlags(services_.Player.Current.ToolTipsShown);
}

void TMainGameScene::PrepareTeaching() {
    if (tipFrozen_) {
        GameBoard.Frozen = false;
        GameBoard.CanMatch = true;
    }
    tipFrozen_ = false;
    CrawlingSpiders.Frozen = false;
    Tutorial.Reset();
    ToolTip.Reset();
    ToolTip.IslandIdx = islandIdx_;
    ToolTip.LevelIdx = levelIdx_;
    SyncTeaching();
}

bool TMainGameScene::StartTutorialStep() {
    SyncTeaching();
    if (!Tutorial.HasStep(islandIdx_, levelIdx_, bossLevel_)) return false;
    services_.Scene.SetValue(gsTutorial);
    Tutorial.Start(islandIdx_, levelIdx_, bossLevel_);
    return true;
}

void TMainGameScene::CloseTutorial() {
    if (Tutorial.Open())
        Tutorial.Finish();
    else
        TutorialFinished();
}

void TMainGameScene::CloseToolTip() {
    if (ToolTip.Open())
        ToolTip.Finish();
    else
        ThawAfterTip();
}

// The step's OK: the round is played, announced as it is without a step.
void TMainGameScene::TutorialFinished() {
    if (services_.Scene.Value() != gsTutorial) return;
    BoardComment1.ShowComment(coGo);
    PlayAfterTeaching();
}

void TMainGameScene::PlayAfterTeaching() {
    services_.Scene.SetValue(gsMainGame);
    SyncTeaching();
    ToolTip.LevelStart();
}

TPoint TMainGameScene::ToolTipPoint(int tip) const {
    switch (tip) {
    case 3:
        return GatherPoint;
    case 6:
        return PocketPoint;
    case 13:
        return EnergyPoint;
    case 22:
        return {ToolTip.SpiderLanding().X + SpiderTipOffset.X,
                ToolTip.SpiderLanding().Y + SpiderTipOffset.Y};
    case 25:
        return WorksPoint;
    case 26:
        return ProgressPoint;
    case 27:
        return SailPoint;
    default:
        return {};
    }
}

// Only a tip over the played round takes the scene; under a menu the round is paused anyway.
void TMainGameScene::FreezeForTip() {
    GameBoard.Frozen = true;
    GameBoard.CanMatch = false;
    CrawlingSpiders.Frozen = true;
    tipFrozen_ = true;
    if (services_.Scene.Value() == gsMainGame) services_.Scene.SetValue(gsTutorialToolTip);
}

// The board takes up the matches it let pass while frozen; a round that has ended stays still.
void TMainGameScene::ThawAfterTip() {
    if (services_.Scene.Value() == gsTutorialToolTip) services_.Scene.SetValue(gsMainGame);
    if (!tipFrozen_) return;
    tipFrozen_ = false;
    if (RoundOver || roundLost_) return;
    GameBoard.Frozen = false;
    GameBoard.CanMatch = true;
    CrawlingSpiders.Frozen = false;
    GameBoard.CheckMatches();
    GameBoard.CheckLockers();
}

void TMainGameScene::DrawTeaching() {
    if (gamePause_) return;
    Tutorial.UpdateAndDraw();
    DrawGuide();
    ToolTip.UpdateAndDraw();
}

void TMainGameScene::DrawGuide() {
    if (!Tutorial.Showing()) {
        guideTicks_ = 0;
        return;
    }
    ++guideTicks_;
    const int wing = (guideTicks_ / GuideWingTicks) % GuideWingPictures;
    const uint8_t alpha = static_cast<uint8_t>(Tutorial.Fade() * GuideAlpha);
    DrawImage(Pictures::TutorialDove, Tutorial.Left + GuideOffset.X, Tutorial.Top + GuideOffset.Y,
              0, 0, 0, 1, 1, 255, 255, 255, alpha, wing);
}
