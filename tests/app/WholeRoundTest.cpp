// A whole round's end through the real game: the medal from the tube's time, the won round's
// bonus, save, high score and log taken once, the results counting up; a round lost by time
// that nothing still landing on the board can win or pay; leaving or restarting that gives back
// the round's earnings once; relaxed play that never runs out.
#include "EconomyWalkKit.h"
#include "FormTestKit.h"
#include "saves/HighScoresClass.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr int RoundSeconds = 180; // the test level's time: gold within 72 s, silver within 117 s

TPlayerSaveRecord WithFruit(float fruit) {
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.ElementStocks[elFruit] = fruit;
    return record;
}

// Three fruits of the board, as a line would clear them.

bool HasHighScore(const TFormMain& form, const std::string& name) {
    const auto& names = form.Player().HighScores.Table().Names;
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(WholeRound, TheMedalComesFromTheTubesElapsedSecondsAtItsBounds) {
    struct TCase {
        int Seconds; // -1: won while the tube is still filling
        TMedalKind Medal;
        int PlayingTime;
    };
    for (const TCase& test : {TCase{-1, mdGold, 0}, TCase{72, mdGold, 72}, TCase{73, mdSilver, 73},
                              TCase{117, mdSilver, 117}, TCase{118, mdBronze, 118}}) {
        SCOPED_TRACE(test.Seconds);
        TFormRig rig("medal", 3, {{0, 100}});
        rig.Form->FormShow();
        TMainGameScene& round = rig.Form->MainGame();
        const auto due = [&] {
            const TTubeTimer& tube = round.TubeTimer;
            return test.Seconds < 0
                       ? tube.Phase() == tpFilling
                       : tube.Phase() == tpRunning && tube.ElapsedSeconds() == test.Seconds;
        };
        for (int tick = 0; tick < (RoundSeconds + 10) * 1000 / GameTickMs && !due(); ++tick)
            rig.Tick();
        ASSERT_TRUE(due());
        round.DeveloperWin();
        ASSERT_TRUE(round.RoundOver);
        EXPECT_EQ(round.Medal, test.Medal);
        EXPECT_EQ(round.Stats.PlayingTime, test.PlayingTime);
    }
}

TEST(WholeRound, AWonRoundPaysItsGoldBonusSubmitsSavesAndLogsOnceAndItsResultsCountUp) {
    TEconomyWalk walk("round-won-once");
    ASSERT_TRUE(walk.ReachMapWith(WithFruit(20)));
    walk.Form->Player().GameLogger.Enabled = true;
    ASSERT_TRUE(walk.PlayFromMap());
    walk.Ticks(40);
    ClearThreeFruits(walk.Round());
    const float gathered = walk.Slots().LevelEarnings()[elFruit];
    ASSERT_GT(gathered, 0);

    walk.Round().DeveloperWin();
    ASSERT_TRUE(walk.Round().RoundOver);
    ASSERT_EQ(walk.Round().Medal, mdGold);
    EXPECT_EQ(walk.Round().Stats.BonusElementKind, elFruit);
    EXPECT_EQ(walk.Round().Stats.BonusElementCount, 5) << "level 1-01's bonus";
    EXPECT_EQ(walk.Round().Stats.LevelScore, walk.Round().LevelScore);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20 + gathered + 5);
    // A second completion in the same round changes nothing.
    walk.Round().ElementGather.OnComplete();
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20 + gathered + 5);

    EXPECT_TRUE(HasHighScore(*walk.Form, "ANNA"));
    // Saved at once, the score table with the player: a game that ends here without its close
    // (a fault, a power cut) loses neither the level nor the high score.
    EXPECT_EQ(walk.Saved().NextUncompletedLevel, 2);
    EXPECT_FLOAT_EQ(walk.Saved().ElementStocks[elFruit], 20 + gathered + 5);
    THighScores onDisk;
    onDisk.NormalModeFileName = walk.DataFile("HighScores.dat");
    onDisk.LoadOrCreate();
    EXPECT_EQ(onDisk.Table().Names, walk.Form->Player().HighScores.Table().Names);
    const TLevelLogEntry& logged = walk.Form->Player().GameLogger.Record().Levels[0];
    EXPECT_EQ(logged.LevelFile, "Level1-01.zel");
    EXPECT_GE(logged.Seconds, 1) << "a logged level never reads as unplayed";
    EXPECT_FLOAT_EQ(logged.Amounts[elFruit], gathered + 5);
    EXPECT_TRUE(std::filesystem::exists(walk.DataFile("ANNA-LOG.dat")));

    // The results window rests, then its numbers count up to the round's.
    for (int i = 0; i < 2000 && walk.Form->StageResult().Window().State() != mwsShown; ++i)
        walk.Tick();
    ASSERT_EQ(walk.Scene(), gsStageResult);
    EXPECT_LT(walk.Form->StageResult().CountedStats().LevelScore, walk.Round().LevelScore);
    walk.Ticks(TStageResultScene::CountingTicks + 1);
    const TRoundStats shown = walk.Form->StageResult().CountedStats();
    EXPECT_EQ(shown.LevelScore, walk.Round().LevelScore);
    EXPECT_EQ(shown.BonusElementCount, 5);
    EXPECT_EQ(shown.PlayingTime, walk.Round().Stats.PlayingTime);
}

TEST(WholeRound, ARoundLostByTimeStaysLostWhateverStillLandsAndGivesBackOnce) {
    TEconomyWalk walk("round-lost");
    ASSERT_TRUE(walk.ReachMapWith(WithFruit(20)));
    ASSERT_TRUE(walk.PlayFromMap());
    walk.Ticks(40);
    ClearThreeFruits(walk.Round());
    walk.Round().TimeUp();
    ASSERT_TRUE(walk.Round().RoundLost());
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    EXPECT_TRUE(HasHighScore(*walk.Form, "ANNA")) << "submitted at time up";

    // A line, a frame layer, an element and a combo arriving after the time is up: nothing is
    // paid, scored or gathered, and the round is not won.
    TMainGameScene& round = walk.Round();
    const int score = round.Score;
    const int bananasLeft = round.ElementGather.Remaining(ieFruit1);
    ClearThreeFruits(round);
    round.LockerFrames.OnLockerFrameEffectRequest({5, 5}, 0);
    round.FlowingElements.OnOneFruitArrived(elFruit, 1);
    round.ComboConveyer.OnAComboArrives(5);
    EXPECT_EQ(round.ElementGather.Remaining(ieFruit1), bananasLeft);
    round.DeveloperWin();
    EXPECT_FALSE(round.RoundOver);
    EXPECT_EQ(round.Medal, mdNone);
    EXPECT_EQ(walk.Scene(), gsTimeUp);
    EXPECT_EQ(round.Score, score);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elGoldTile], 0);
    EXPECT_FLOAT_EQ(walk.Slots().LevelEarnings()[elFruit], 0);

    // The question: No leaves for the menu without taking anything back twice.
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    EXPECT_EQ(walk.Form->Confirm().Kind(), ckTimeUp);
    walk.Click(walk.Form->Confirm().Window().NegativeButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    EXPECT_EQ(walk.Saved().NextUncompletedLevel, 1) << "a lost level is not completed";
}

TEST(WholeRound, TryingAgainAfterTimeUpPlaysAFreshRoundThatCanBeWon) {
    TEconomyWalk walk("round-retry");
    ASSERT_TRUE(walk.ReachMapWith(WithFruit(20)));
    ASSERT_TRUE(walk.PlayFromMap());
    walk.Round().TimeUp();
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Click(walk.Form->Confirm().Window().PositiveButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_FALSE(walk.Round().RoundLost());
    EXPECT_TRUE(walk.Round().EarningsPending());
    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    walk.Round().DeveloperWin();
    EXPECT_TRUE(walk.Round().RoundOver);
    EXPECT_EQ(walk.Saved().NextUncompletedLevel, 2);
}

TEST(WholeRound, RestartAndToMenuEachGiveBackTheRoundsEarningsOnceAndToMenuSubmits) {
    TEconomyWalk walk("round-leave");
    ASSERT_TRUE(walk.ReachMapWith(WithFruit(20)));
    ASSERT_TRUE(walk.PlayFromMap());
    walk.Ticks(40);
    ClearThreeFruits(walk.Round());
    ASSERT_GT(walk.Slots().Owned()[elFruit], 20);
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.Click(walk.Form->InGameMenu().RestartButton());
    ASSERT_TRUE(walk.RunUntil(gsObjectiveInfo));
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    EXPECT_FALSE(HasHighScore(*walk.Form, "ANNA")) << "a restart submits nothing";

    walk.Round().ObjectiveInfo.Skip();
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    ClearThreeFruits(walk.Round());
    walk.PressEscape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.Click(walk.Form->InGameMenu().ToMenuButton());
    ASSERT_TRUE(walk.RunUntil(gsConfirmWindow));
    walk.Click(walk.Form->Confirm().Window().PositiveButton());
    ASSERT_TRUE(walk.RunUntil(gsMenu));
    EXPECT_FLOAT_EQ(walk.Slots().Owned()[elFruit], 20);
    EXPECT_TRUE(HasHighScore(*walk.Form, "ANNA"));
    walk.Form->Shutdown();
    EXPECT_FLOAT_EQ(walk.Saved().ElementStocks[elFruit], 20) << "the close gives back nothing more";
}

TEST(WholeRound, ARelaxedRoundNeverRunsOutAndIsWonWithTheTimeItTook) {
    TEconomyWalk walk("round-relaxed");
    ASSERT_TRUE(walk.ReachMapWith(DefaultPlayerSave()));
    walk.Form->Player().Current.RelaxedMode = rmYes;
    ASSERT_TRUE(walk.PlayFromMap());
    const int roundTime = walk.Form->Levels().Time();
    walk.Ticks((roundTime + 20) * 1000 / GameTickMs);
    EXPECT_EQ(walk.Scene(), gsMainGame);
    EXPECT_FALSE(walk.Round().RoundLost());
    EXPECT_EQ(walk.Round().TubeTimer.ElapsedSeconds(), roundTime) << "the time still counts";
    walk.Round().DeveloperWin();
    EXPECT_EQ(walk.Round().Medal, mdBronze);
}

} // namespace

namespace {

TEST(WholeRound, WithTheRosePotionUpgradeTheBoardHoldsTheRosePotionsTheGatheringAsksFor) {
    TEconomyWalk walk("round-rose");
    TPlayerSaveRecord record = DefaultPlayerSave();
    record.ElementSlots[3][1] = 1;   // island 4, slot 2: rose potions
    record.NextUncompletedLevel = 3; // level 1-03 has two potions
    ASSERT_TRUE(walk.ReachMapWith(record));
    ASSERT_TRUE(walk.PlayFromMap());
    ASSERT_EQ(walk.Form->Levels().FileName(), "Level1-03.zel");
    const TElementGather& gather = walk.Round().ElementGather;
    EXPECT_EQ(gather.TargetPotions1, 0);
    EXPECT_EQ(gather.TargetPotions2, 2);
    int rose = 0;
    int plain = 0;
    const TBoardData grid = walk.Round().GameBoard.BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            rose += grid(x, y).ElementCode == ecPotion2;
            plain += grid(x, y).ElementCode == ecPotion1;
        }
    EXPECT_EQ(rose, 2);
    EXPECT_EQ(plain, 0);
}

} // namespace
