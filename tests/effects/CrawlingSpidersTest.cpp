// The crawling spiders: waves by the cleared-tile count, where spiders drop, crawl and spin,
// how they are knocked off and how they leave.
#include "EffectTestFixture.h"
#include "effects/CrawlingSpidersClass.h"

#include <functional>

namespace {

using TSpiders = TCrawlingSpiders;

class CrawlingSpidersTest : public EffectTest {
protected:
    TSpiders Spiders;
    TBoardData Board = BoardOf(1);
    TSimpleObjectArray Webbable{}; // where the board would take a web
    TPoint Entry{5, 1};
    int Waves = 0;
    std::vector<TPoint> WebsPut;
    int WebsWhereNotAllowed = 0;
    std::vector<TPoint> Landings;
    std::vector<TPoint> Hits;
    std::vector<TPoint> DustPoints;
    bool AskedOffBoard = false;

    void SetUp() override {
        EffectTest::SetUp();
        Spiders.OnFruitsIntervalReached = [this] { ++Waves; };
        Spiders.OnTopBoardPosRequest = [this](TPoint& pos) { pos = Entry; };
        Spiders.OnTilePossibleToWebQuestion = [this](TPoint tile, bool& possible) {
            AskedOffBoard = AskedOffBoard || !IsBoardCell(tile);
            possible = IsBoardCell(tile) && Webbable(tile) != 0;
        };
        // As the board does: a tile holds one web.
        Spiders.OnPutWeb = [this](TPoint tile) {
            WebsPut.push_back(tile);
            WebsWhereNotAllowed += Webbable(tile) == 0 ? 1 : 0;
            Webbable(tile) = 0;
        };
        Spiders.OnAnySpiderLanding = [this](TPoint pos) { Landings.push_back(pos); };
        Spiders.OnOneSpiderHit = [this](int x, int y, bool& required) {
            Hits.push_back({x, y});
            required = false;
        };
        Spiders.OnFallingPosUpdate = [this](TPoint pos) { DustPoints.push_back(pos); };
    }

    // A wave of `count` spiders on the board as it stands, run until all have landed.
    void LandWave(int count, int websOnBoard = 0) {
        Spiders.MaxSpidersOnBoard = count;
        Spiders.TakeBoardData(Board);
        Spiders.StartWave(websOnBoard);
        ASSERT_TRUE(RunUntil([&] { return static_cast<int>(Landings.size()) >= count; }, 2000));
    }
    bool RunUntil(const std::function<bool()>& done, int maxTicks) {
        for (int tick = 0; tick < maxTicks; ++tick) {
            if (done()) return true;
            Spiders.UpdateAndDraw();
        }
        return done();
    }
    void Run(int ticks) {
        for (int tick = 0; tick < ticks; ++tick) Spiders.UpdateAndDraw();
    }
    int CountIn(TSpiders::TSpiderState state) const {
        int count = 0;
        for (int slot = 0; slot < TSpiders::SlotCount; ++slot)
            count += Spiders.Spider(slot).State == state ? 1 : 0;
        return count;
    }
    static TPoint AnchorOf(TPoint tile) {
        const TPoint corner = TileTopLeft(tile.X, tile.Y);
        return {corner.X + 4, corner.Y + 18};
    }
    // Only the listed cells play; every other cell is unused.
    void OnlyCells(std::initializer_list<TPoint> cells) {
        for (auto& column : Board.Cells)
            for (TBoardTile& tile : column) tile.ObjectKind = okUnused;
        for (TPoint cell : cells) Board(cell).ObjectKind = okFruit;
    }
};

// ---- waves ----

TEST_F(CrawlingSpidersTest, AWaveIsDueEverySoManyClearedTilesAndNeverWithAnIntervalOfZero) {
    Spiders.FruitsInterval = 5;
    for (int tile = 1; tile <= 14; ++tile) {
        Spiders.CountClearedTile();
        EXPECT_EQ(Waves, tile / 5) << "after " << tile << " tiles";
    }
    EXPECT_EQ(Spiders.ClearedTileCounter(), 4);
    Spiders.StartWave(0);
    EXPECT_EQ(Spiders.ClearedTileCounter(), 0) << "a wave starts the count again";

    Spiders.FruitsInterval = 0;
    for (int tile = 0; tile < 500; ++tile) Spiders.CountClearedTile();
    EXPECT_EQ(Waves, 2);
}

TEST_F(CrawlingSpidersTest, AWaveDropsItsSpidersOneByOneOntoTheEntryCell) {
    Spiders.MaxSpidersOnBoard = 2;
    Spiders.StartWave(1);
    EXPECT_EQ(Spiders.SpidersToAdd(), 2);
    EXPECT_EQ(Spiders.WebsAllowed(), 2) << "most webs 3, one already on the board";
    // The first comes after 350 to 3500 ms.
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssDropping) == 1; }, 3500 / 30 + 1));
    const TSpiders::TSpider& first = Spiders.Spider(0);
    EXPECT_EQ(first.Tile, Entry);
    EXPECT_EQ(first.Anchor.X, AnchorOf(Entry).X);
    EXPECT_LE(first.Anchor.Y, 0) << "it starts above the screen";
    EXPECT_EQ(Spiders.SpidersOnBoard(), 1);
    ASSERT_TRUE(RunUntil([&] { return Landings.size() == 2; }, 400));
    EXPECT_EQ(Landings[0], AnchorOf(Entry));
    EXPECT_EQ(Spiders.SpidersToAdd(), 0);
    EXPECT_EQ(Spiders.SpidersOnBoard(), 2);
    Spiders.StartWave(0);
    EXPECT_EQ(Spiders.SpidersToAdd(), 0) << "two on the board already";
}

TEST_F(CrawlingSpidersTest, ABoardWithoutAnEntryCellOrWithoutWebsToSpinTakesNoSpider) {
    for (TPoint entry : {TPoint{0, 0}, TPoint{17, 1}, TPoint{4, 13}, TPoint{-3, 2}}) {
        Entry = entry;
        Spiders.MaxSpidersOnBoard = 3;
        Spiders.StartWave(0);
        Run(400);
        EXPECT_EQ(Spiders.SpidersToAdd(), 0);
        EXPECT_EQ(CountIn(TSpiders::ssFree), TSpiders::SlotCount)
            << "entry (" << entry.X << ", " << entry.Y << ") added a spider";
    }
    Entry = {5, 1};
    Spiders.MaxWebs = 3;
    Spiders.StartWave(3);
    Run(400);
    EXPECT_EQ(CountIn(TSpiders::ssFree), TSpiders::SlotCount) << "the board has all its webs";
}

// ---- crawling and spinning ----

TEST_F(CrawlingSpidersTest, SpidersCrawlOnlyOverTheBoardsCellsAndStayWhereThereIsNoWay) {
    // An L of cells in the corner: a spider must never step off it or off the grid.
    OnlyCells({{16, 10}, {16, 11}, {16, 12}, {15, 12}, {14, 12}});
    Entry = {16, 10};
    Spiders.OneWebEveryProb = 1; // no web is possible anyway
    LandWave(2);
    TSimpleObjectArray visited{};
    for (int tick = 0; tick < 3000; ++tick) {
        Spiders.UpdateAndDraw();
        for (int slot = 0; slot < 2; ++slot) {
            const TSpiders::TSpider& spider = Spiders.Spider(slot);
            ASSERT_TRUE(IsBoardCell(spider.TargetTile));
            visited(spider.TargetTile) = 1;
            ASSERT_EQ(Board(spider.TargetTile).ObjectKind, okFruit)
                << "onto (" << spider.TargetTile.X << ", " << spider.TargetTile.Y << ")";
        }
    }
    EXPECT_EQ(visited, MaskOf({{16, 10}, {16, 11}, {16, 12}, {15, 12}, {14, 12}}));
    EXPECT_EQ(Spiders.SpidersOnBoard(), 2) << "with webs to spin they stay";

    // A single cell: the spider stays on it, crawling in place.
    Spiders.Reset();
    Landings.clear();
    OnlyCells({{1, 1}});
    Entry = {1, 1};
    LandWave(1);
    Run(300);
    EXPECT_EQ(Spiders.Spider(0).Tile, (TPoint{1, 1}));
    EXPECT_EQ(Spiders.Spider(0).Anchor, AnchorOf({1, 1}));
}

TEST_F(CrawlingSpidersTest, WebsAreSpunOnlyWhereTheBoardAllowsAndTheWaveThenLeaves) {
    OnlyCells({{4, 1}, {5, 1}, {6, 1}, {4, 2}, {5, 2}, {6, 2}, {4, 3}, {5, 3}, {6, 3}});
    Webbable(4, 2) = 1;
    Webbable(6, 2) = 1;
    Webbable(5, 3) = 1;
    Spiders.OneWebEveryProb = 1;
    Spiders.MaxWebs = 2;
    LandWave(2);
    ASSERT_TRUE(RunUntil([&] { return WebsPut.size() == 2; }, 20000));
    EXPECT_EQ(WebsWhereNotAllowed, 0);
    EXPECT_EQ(Spiders.WebsSpun(), 2);
    EXPECT_FALSE(AskedOffBoard);
    // Spinning takes 5000 ms after the anchoring; nothing more is spun, and both leave.
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssFree) == TSpiders::SlotCount; }, 2000));
    EXPECT_EQ(WebsPut.size(), 2u);
    EXPECT_EQ(Spiders.SpidersOnBoard(), 0);
}

TEST_F(CrawlingSpidersTest, SpidersSpinningAtOnceNeverSpinMoreThanTheWavesShare) {
    // Every tile takes a web and every arrival spins: three spiders would start three webs at
    // once, but the wave may add only two to the board.
    for (auto& column : Webbable.Cells)
        for (uint8_t& cell : column) cell = 1;
    Spiders.OneWebEveryProb = 1;
    Spiders.MaxWebs = 2;
    LandWave(3);
    for (int tick = 0; tick < 1500; ++tick) {
        Spiders.UpdateAndDraw();
        ASSERT_LE(
            Spiders.WebsSpun() + CountIn(TSpiders::ssAnchoring) + CountIn(TSpiders::ssSpinning), 2);
    }
    EXPECT_EQ(WebsPut.size(), 2u);
}

TEST_F(CrawlingSpidersTest, LeavingSpidersFallToTheGroundAndWalkOffToTheRight) {
    Webbable(Entry) = 1;
    Spiders.OneWebEveryProb = 1;
    Spiders.MaxWebs = 1;
    LandWave(1);
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssFallingAway) == 1; }, 2000));
    EXPECT_EQ(WebsPut, std::vector<TPoint>{Entry});
    const TSpiders::TSpider& spider = Spiders.Spider(0);
    const int x = spider.Anchor.X;
    ASSERT_TRUE(RunUntil([&] { return spider.State == TSpiders::ssWalkingOff; }, 100));
    EXPECT_EQ(spider.Anchor, (TPoint{x, Spiders.VertGroundYPos}));
    ASSERT_TRUE(RunUntil([&] { return spider.State == TSpiders::ssFree; }, 200));
    EXPECT_GE(spider.Anchor.X, Spiders.DisappearHorzXPos);
    // A spider of a wave whose webs are already all there leaves at its next arrival.
    Spiders.Reset();
    Landings.clear();
    LandWave(1);
    Spiders.StartWave(Spiders.MaxWebs);
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssFallingAway) == 1; }, 500));
}

TEST_F(CrawlingSpidersTest, NoTwoSpidersSpinOnTheSameTile) {
    OnlyCells({{3, 3}});
    Entry = {3, 3};
    Webbable(3, 3) = 1;
    Spiders.OneWebEveryProb = 1;
    Spiders.MaxWebs = 3;
    LandWave(3);
    for (int tick = 0; tick < 500; ++tick) {
        Spiders.UpdateAndDraw();
        ASSERT_LE(CountIn(TSpiders::ssAnchoring) + CountIn(TSpiders::ssSpinning), 1);
    }
    EXPECT_EQ(WebsPut.size(), 1u);
}

TEST_F(CrawlingSpidersTest, FrozenSpidersStillLandButNeitherMoveNorSpinNorComeInNew) {
    Webbable(Entry) = 1;
    Spiders.OneWebEveryProb = 1;
    Spiders.MaxSpidersOnBoard = 2;
    Spiders.StartWave(0);
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssDropping) == 1; }, 200));
    Spiders.Frozen = true;
    ASSERT_TRUE(RunUntil([&] { return Landings.size() == 1; }, 100)) << "a dropping spider lands";
    Run(600);
    EXPECT_EQ(Spiders.SpidersToAdd(), 1) << "the wave waits";
    EXPECT_EQ(Spiders.Spider(0).State, TSpiders::ssPausing);
    EXPECT_EQ(Spiders.Spider(0).PauseTimer, 0);
    Spiders.Frozen = false;
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssSpinning) == 1; }, 200));
    Spiders.Frozen = true;
    const int spun = Spiders.Spider(0).SpinTimer;
    Run(400);
    EXPECT_EQ(Spiders.Spider(0).SpinTimer, spun);
    EXPECT_TRUE(WebsPut.empty());
}

// ---- knocking off ----

TEST_F(CrawlingSpidersTest, AKnockedSpiderIsGatheredOrRollsOffTheScreen) {
    Entry = {5, 4};
    OnlyCells({{5, 4}});
    // Both are hit together: the first reported is gathered, the second rolls away.
    Spiders.OnOneSpiderHit = [this](int x, int y, bool& required) {
        Hits.push_back({x, y});
        required = Hits.size() == 1;
    };
    LandWave(2);
    Run(20);
    Spiders.KnockOffAtTile({5, 4});
    EXPECT_EQ(CountIn(TSpiders::ssHit), 2);
    EXPECT_EQ(Sounds.Played, (std::vector<std::string>{"SpiderHit", "SpiderHit"}));
    EXPECT_EQ(Spiders.SpidersOnBoard(), 0);
    // The hit plays, then the spider is reported at its anchor.
    Recorder.Clear();
    Spiders.UpdateAndDraw();
    ASSERT_EQ(Recorder.CallsOf("SpiderHit").size(), 4u) << "shadow and spider, twice";
    EXPECT_EQ(Recorder.CallsOf("SpiderHit")[0].X, AnchorOf({5, 4}).X - 20 + 12);
    ASSERT_TRUE(RunUntil([&] { return !Hits.empty(); }, 20));
    EXPECT_EQ(Hits[0], AnchorOf({5, 4}));
    EXPECT_EQ(Spiders.Spider(0).State, TSpiders::ssFree) << "the first was gathered";
    const TSpiders::TSpider& roller = Spiders.Spider(1);
    ASSERT_EQ(roller.State, TSpiders::ssRolling);
    ASSERT_TRUE(RunUntil([&] { return roller.State == TSpiders::ssFree; }, 100));
    EXPECT_GE(roller.Anchor.Y, Spiders.DisappearVertYPos);
    ASSERT_FALSE(DustPoints.empty());
    for (TPoint dust : DustPoints) EXPECT_LE(dust.Y - AnchorOf({5, 4}).Y, 150);
    EXPECT_EQ(Hits.size(), 2u);
}

TEST_F(CrawlingSpidersTest, EveryWayOfKnockingOffHitsOnlySpidersOnTheBoard) {
    Entry = {7, 6};
    OnlyCells({{7, 6}});
    LandWave(1);
    Run(20);
    const TPoint centre{AnchorOf(Entry).X + 22, AnchorOf(Entry).Y + 8};
    Spiders.KnockOffInRect({centre.X + 1, centre.Y - 5, centre.X + 40, centre.Y + 5});
    Spiders.KnockOffByMap(MaskOf({{7, 5}, {8, 6}}));
    TTileStateGrid states{};
    states(7, 6) = tsGrouped;
    Spiders.KnockOffOnClearedTiles(states);
    EXPECT_FALSE(Spiders.KnockOffAtPoint({centre.X + 26, centre.Y}));
    EXPECT_EQ(Spiders.SpidersOnBoard(), 1) << "nothing reached it";

    Spiders.KnockOffInRect({centre.X - 5, centre.Y - 5, centre.X + 5, centre.Y + 5});
    EXPECT_EQ(CountIn(TSpiders::ssHit), 1);
    // Each of the other ways, on a fresh spider.
    const std::function<void()> ways[] = {
        [&] { Spiders.KnockOffByMap(MaskOf({Entry})); },
        [&] {
            states(7, 6) = tsFalling;
            Spiders.KnockOffOnClearedTiles(states);
        },
        [&] {
            EXPECT_TRUE(Spiders.KnockOffAtPoint({centre.X + 25, centre.Y - 26}));
        },
    };
    for (const auto& knock : ways) {
        Spiders.Reset();
        Landings.clear();
        LandWave(1);
        knock();
        EXPECT_EQ(CountIn(TSpiders::ssHit), 1);
    }
    // A spider still dropping in is out of reach, except for knocking all off.
    Spiders.Reset();
    Spiders.MaxSpidersOnBoard = 1;
    Spiders.StartWave(0);
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssDropping) == 1; }, 200));
    Spiders.KnockOffByMap(MaskOf({Entry}));
    EXPECT_EQ(CountIn(TSpiders::ssHit), 0);
}

TEST_F(CrawlingSpidersTest, KnockingAllOffCancelsTheWaveAndReportsEachSpiderOnce) {
    Spiders.MaxSpidersOnBoard = 3;
    Spiders.StartWave(0);
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssDropping) == 1; }, 200));
    Spiders.KnockOffAll();
    EXPECT_EQ(Spiders.SpidersToAdd(), 0);
    EXPECT_EQ(CountIn(TSpiders::ssHit), 1);
    EXPECT_EQ(Sounds.Played.size(), 1u);
    ASSERT_TRUE(RunUntil([&] { return CountIn(TSpiders::ssRolling) == 1; }, 20));
    Spiders.KnockOffAll();
    EXPECT_EQ(CountIn(TSpiders::ssRolling), 1) << "a rolling spider is not hit again";
    EXPECT_EQ(Sounds.Played.size(), 1u) << "nothing was hit";
    Run(100);
    EXPECT_EQ(Hits.size(), 1u);
    EXPECT_EQ(CountIn(TSpiders::ssFree), TSpiders::SlotCount);
}

TEST_F(CrawlingSpidersTest, CellsOutsideTheBoardReachNoSpiderAndNoGrid) {
    Entry = {16, 12};
    LandWave(1);
    for (TPoint cell :
         {TPoint{0, 0}, TPoint{17, 12}, TPoint{16, 13}, TPoint{-1, -1}, TPoint{1000000, 5}})
        Spiders.KnockOffAtTile(cell);
    EXPECT_EQ(Spiders.SpidersOnBoard(), 1);
    // In the corner a spider crawls on for a long while without leaving the grid.
    Spiders.OneWebEveryProb = 1;
    for (int tick = 0; tick < 2000; ++tick) {
        Spiders.UpdateAndDraw();
        ASSERT_TRUE(IsBoardCell(Spiders.Spider(0).TargetTile));
    }
    EXPECT_FALSE(AskedOffBoard);
}

} // namespace
