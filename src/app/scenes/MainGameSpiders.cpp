// The round's spiders: the level's waves, the board answering where they drop and spin, and the
// spiders knocked off, gathered or rolling away.
#include "app/GameProgress.h"
#include "app/scenes/MainGameScene.h"

// The level decides how often waves come, how many spiders and webs they bring, and how eagerly
// they spin.
void TMainGameScene::SetupSpiders() {
    const TLevelParams& level = services_.Levels;
    CrawlingSpiders.FruitsInterval = level.SpiderFruitsInterval();
    CrawlingSpiders.MaxSpidersOnBoard = level.MaxSpidersOnBoard();
    CrawlingSpiders.MaxWebs = level.MaxWebs();
    CrawlingSpiders.OneWebEveryProb = level.OneWebEveryProb();
}

void TMainGameScene::WireSpiderEvents() {
    CrawlingSpiders.OnFruitsIntervalReached = [this] { StartSpiderWave(); };
    CrawlingSpiders.OnTopBoardPosRequest = [this](TPoint& entry) {
        entry = GameBoard.SpiderEntryCell();
    };
    CrawlingSpiders.OnTilePossibleToWebQuestion = [this](TPoint tile, bool& possible) {
        possible = GameBoard.CanTakeWeb(tile);
    };
    CrawlingSpiders.OnPutWeb = [this](TPoint tile) {
        GameBoard.PutWeb(tile);
        ToolTip.RememberWebTile(tile);
        EventToolTip(teWebFinished);
    };
    CrawlingSpiders.OnOneSpiderHit = [this](int x, int y, bool& gathered) {
        gathered = SpiderKnockedOff({x, y});
    };
    // TODO(presentation polish issue): dust under a rolling spider, with the bounce dust.
    GameBoard.OnEnemiesBanned = [this](const TSimpleObjectArray& banned) {
        CrawlingSpiders.KnockOffByMap(banned);
    };
}

// No wave drops onto a board that is being reshuffled or a round that is over.
void TMainGameScene::StartSpiderWave() {
    if (RoundOver || roundLost_ || ShuffleAwayEffect.IsRunning()) return;
    CrawlingSpiders.TakeBoardData(GameBoard.BoardData());
    CrawlingSpiders.StartWave(GameBoard.WebCount());
}

// A spider knocked off while the round is played pays one spider into the purse; it flies to
// its slot while the gathering still wants spiders (True), otherwise it rolls away.
bool TMainGameScene::SpiderKnockedOff(TPoint at) {
    if (RoundOver || roundLost_) return false;
    services_.Progress.BuySlots.Credit(elSpider, 1.0f);
    if (!ElementGather.StillNeeded(ieSpider)) return false;
    FlowingElements.StartSpider(at.X, at.Y);
    return true;
}

// Cleared tiles bring the next wave nearer; spiders on them are knocked off.
void TMainGameScene::FeedSpiders(int clearedTiles, bool countTiles) {
    if (countTiles)
        for (int i = 0; i < clearedTiles; ++i) CrawlingSpiders.CountClearedTile();
    CrawlingSpiders.KnockOffOnClearedTiles(GameBoard.TileStates());
}

// A left press on a spider knocks it off and goes no further.
bool TMainGameScene::SpiderClicked(const TPlatformEvent& event) {
    if (event.Button != mbLeft || !CrawlingSpiders.KnockOffAtPoint({event.X, event.Y}))
        return false;
    GameBoard.SetMouseHeld(false);
    return true;
}
