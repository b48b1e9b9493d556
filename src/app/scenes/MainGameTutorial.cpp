// The round's teaching: Mirela's tutorial step when the objective has gone, and the pointing tips
// that the level start, the player's matches and the spiders call up. A step makes the round
// wait (gsTutorial); a tip freezes the board and the spiders until its OK (gsTutorialToolTip).
// What was shown is kept in the player's save, so nothing is taught twice.
#include "app/scenes/MainGameScene.h"
#include "app/scenes/Teaching.h"

namespace {

// Where the round's tips point besides Mirela's pocket: the gathering's slot, the energy gauge.
constexpr TPoint GatherPoint{777, 62};
constexpr TPoint EnergyPoint{385, 235};
// Only the levels after island 1's first tell what her pocket is for.
constexpr uint8_t TeachingIsland = 1;
constexpr int FirstLevel = 1;
// The tip of a landing spider points a little below and right of where it hangs.
constexpr TPoint SpiderTipOffset{26, 20};

} // namespace

void TMainGameScene::WireTeaching() {
    ConnectTeaching(Tutorial, ToolTip, services_, [this] { TutorialFinished(); });
    ToolTip.OnPointingPosRequest = [this](int tip, TPoint& point) { point = ToolTipPoint(tip); };
    ToolTip.OnStart = [this] { FreezeForTip(); };
    ToolTip.OnFinish = [this] { ThawAfterTip(); };
    GameBoard.OnManualMatch = [this] {
        SyncTeaching();
        ToolTip.ManualMatch();
    };
    CrawlingSpiders.OnAnySpiderLanding = [this](TPoint landing) {
        ToolTip.RememberSpiderLanding(landing);
        EventToolTip(teSpiderLanded);
    };
    GuidePocket.GameText = &services_.GameText;
    GuidePocket.OnFirstGoods = [this] {
        if (islandIdx_ == TeachingIsland && levelIdx_ > FirstLevel) EventToolTip(teStarInPocket);
    };
}

void TMainGameScene::EventToolTip(TToolTipEvent kind) {
    SyncTeaching();
    ToolTip.EventTip(kind);
}

void TMainGameScene::SyncTeaching() {
    SyncTeachingWithPlayer(Tutorial, ToolTip, services_.Player);
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

void TMainGameScene::CloseTeaching() {
    if (Tutorial.Open()) CloseTutorial();
    if (ToolTip.Open()) CloseToolTip();
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
        return TGuidePocket::PocketPoint;
    case 13:
        return EnergyPoint;
    case 22:
        return {ToolTip.SpiderLanding().X + SpiderTipOffset.X,
                ToolTip.SpiderLanding().Y + SpiderTipOffset.Y};
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
    guide_.Draw(Tutorial);
    ToolTip.UpdateAndDraw();
}
