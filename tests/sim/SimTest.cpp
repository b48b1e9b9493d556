// The round runner in-process: its command line refuses what it cannot run with one line, its
// lines and JSON say what a round came to, its greedy bot sees the lines a swap makes, and a
// seeded round on the game's first level plays the same twice and always ends.
#include "SimLevels.h"
#include "SimOptions.h"
#include "app/NullPlatform.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

TEST(SimOptions, ACommandLineGivesItsSettingsOrOneLineSayingWhatIsWrong) {
    TSimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions({"--bot", "greedy", "--think", "20", "--relaxed", "--seed", "7",
                                 "--rounds", "3", "--json", "1-02"},
                                options, error))
        << error;
    EXPECT_EQ(options.Settings.Bot, TSimBotKind::Greedy);
    EXPECT_EQ(options.Settings.ThinkTicks, 20);
    EXPECT_TRUE(options.Settings.Relaxed);
    EXPECT_EQ(options.Seed, 7u);
    EXPECT_EQ(options.Rounds, 3);
    EXPECT_TRUE(options.Json);
    EXPECT_EQ(options.Settings.Island, 1);
    EXPECT_EQ(options.Settings.Level, 2);

    const std::vector<std::vector<std::string>> wrong{
        {},
        {"--bot", "lucky", "1-01"},
        {"--think", "-1", "1-01"},
        {"--rounds", "0", "1-01"},
        {"--seed", "x", "1-01"},
        {"--rounds"},
        {"--fast", "1-01"},
        {"1-01", "1-02"},
        {"island"},
    };
    for (const auto& args : wrong) {
        TSimOptions refused;
        std::string message;
        EXPECT_FALSE(ParseSimOptions(args, refused, message)) << args.size();
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}

TEST(SimOptions, LevelNamesAndLevelFilesNameTheirIslandAndLevel) {
    uint8_t island = 0;
    int level = 0;
    ASSERT_TRUE(ParseLevelName("Level2-10.zel", island, level));
    EXPECT_EQ(island, 2);
    EXPECT_EQ(level, 10);
    EXPECT_TRUE(ParseLevelName("some/folder/Level1-03.zel", island, level));
    EXPECT_EQ(level, 3);
    for (const char* name : {"1-2", "0-01", "1-00", "Level1-01.txt", ""})
        EXPECT_FALSE(ParseLevelName(name, island, level)) << name;
}

TEST(SimLevels, AFolderGivesEveryLevelFileInItInIslandAndLevelOrder) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "tovan-sim-levels-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "empty");
    for (const char* name : {"Level2-01.zel", "Level1-10.zel", "Level1-02.zel", "notes.txt",
                             "1-03.zel", "Level1-xx.zel"})
        std::ofstream(folder / name) << "x";
    TSimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions({"--memory", folder.string()}, options, error)) << error;
    EXPECT_TRUE(options.Memory);

    std::vector<TSimLevel> levels;
    ASSERT_EQ(FindSimLevels(folder.string(), "game", levels), "");
    std::vector<std::string> labels;
    for (const TSimLevel& level : levels) labels.push_back(level.Label);
    EXPECT_EQ(labels, (std::vector<std::string>{"1-02", "1-10", "2-01"}));
    EXPECT_EQ(levels[2].Island, 2);
    EXPECT_EQ(levels[2].File, folder / "Level2-01.zel");

    // A level of the game is looked for in the game's folder.
    ASSERT_EQ(FindSimLevels("1-03", "game", levels), "");
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].File, std::filesystem::path("game/Levels/Level1-03.zel"));

    const std::string empty = FindSimLevels((folder / "empty").string(), "game", levels);
    EXPECT_NE(empty.find("no level files"), std::string::npos) << empty;
    EXPECT_EQ(empty.find('\n'), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST(SimLevels, ALongRunTellsItsMemoryAfterTheFirstTheMiddleAndTheLastRound) {
    std::vector<int> checkpoints;
    for (int played = 1; played <= 1000; ++played)
        if (IsMemoryCheckpoint(played, 1000)) checkpoints.push_back(played);
    EXPECT_EQ(checkpoints, (std::vector<int>{1, 500, 1000}));
    EXPECT_TRUE(IsMemoryCheckpoint(1, 1));
    EXPECT_TRUE(IsMemoryCheckpoint(2, 3));
    EXPECT_TRUE(IsMemoryCheckpoint(2, 4));
    EXPECT_FALSE(IsMemoryCheckpoint(3, 4));
    EXPECT_GT(ResidentKilobytes(), 0);
}

TEST(SimOutput, ARoundIsOneLineOrOneJsonObjectWithItsResultTimeMedalAndGathering) {
    TSimRound won;
    won.Seed = 4;
    won.Result = TSimResult::Won;
    won.ElapsedSeconds = 61;
    won.RoundTimeSeconds = 180;
    won.Medal = mdGold;
    won.Score = 240;
    won.Moves = 17;
    won.Targets[ieFruit1] = 10;
    won.Gathered[ieFruit1] = 10;
    EXPECT_EQ(RoundJson("1-01", won),
              R"({"level":"1-01","seed":4,"result":"won","elapsed_s":61,"round_time_s":180,)"
              R"("medal":"gold","score":240,"moves":17,"gathered":{"bananas":10}})");
    EXPECT_EQ(RoundLine("1-01", won), "1-01 seed 4: won in 61 of 180 s, medal gold, score 240, "
                                      "moves 17, gathered bananas 10/10");
    TSimRound lost = won;
    lost.Result = TSimResult::Lost;
    lost.Medal = mdNone;
    EXPECT_NE(RoundJson("1-01", lost).find(R"("result":"lost")"), std::string::npos);
    EXPECT_NE(RoundJson("1-01", lost).find(R"("medal":null)"), std::string::npos);
    TSimRound failed;
    failed.Error = "the level \"x\" did not start";
    EXPECT_NE(RoundJson("1-01", failed).find(R"("error":"the level \"x\" did not start")"),
              std::string::npos);

    const std::string summary = SummaryText("1-01", {won, lost}, 0.5);
    EXPECT_NE(summary.find("won 1 (50 %)"), std::string::npos) << summary;
    EXPECT_NE(summary.find("median time won 61.0 s"), std::string::npos) << summary;
    EXPECT_NE(summary.find("gold 1 silver 0 bronze 0"), std::string::npos) << summary;
}

class SimRounds : public ::testing::Test {
protected:
    void SetUp() override {
        settings.ProgramFolder = folder.Path();
        const std::string error =
            folder.PlaceLevel(std::string(TOVAN_GAME_DIR) + "/Levels/Level1-01.zel", settings);
        ASSERT_EQ(error, "");
    }
    TSimProgramFolder folder{TOVAN_GAME_DIR, "-test"};
    TSimSettings settings;
};

TEST_F(SimRounds, ASeededRoundPlaysTheSameTwiceAndEndsWithEveryBot) {
    for (const TSimBotKind bot : {TSimBotKind::Hint, TSimBotKind::Greedy}) {
        settings.Bot = bot;
        const TSimRound first = PlaySimRound(settings, 11);
        const TSimRound second = PlaySimRound(settings, 11);
        ASSERT_NE(first.Result, TSimResult::Error) << first.Error;
        EXPECT_EQ(first.Result, second.Result);
        EXPECT_EQ(first.Ticks, second.Ticks);
        EXPECT_EQ(first.Score, second.Score);
        EXPECT_EQ(first.Moves, second.Moves);
        EXPECT_GT(first.Moves, 0);
        if (first.Result == TSimResult::Won) {
            EXPECT_NE(first.Medal, mdNone);
        }
    }
}

TEST_F(SimRounds, ABotThatNeverMovesLosesByTimeAndARelaxedOneRunsIntoTheLimit) {
    settings.ThinkTicks = 1 << 30;
    const TSimRound lost = PlaySimRound(settings, 2);
    EXPECT_EQ(lost.Result, TSimResult::Lost);
    EXPECT_EQ(lost.ElapsedSeconds, lost.RoundTimeSeconds);
    EXPECT_EQ(lost.Medal, mdNone);

    settings.Relaxed = true;
    settings.MaxSeconds = 200;
    const TSimRound endless = PlaySimRound(settings, 2);
    EXPECT_EQ(endless.Result, TSimResult::Error);
    EXPECT_NE(endless.Error.find("did not end"), std::string::npos);
}

TEST(SimBot, ChoosingAMoveLeavesTheGamesRandomSequenceAsItWas) {
    TNullPlatform platform;
    TSimProgramFolder folder(TOVAN_GAME_DIR, "-bot");
    TSimSettings settings;
    ASSERT_EQ(folder.PlaceLevel(std::string(TOVAN_GAME_DIR) + "/Levels/Level1-01.zel", settings),
              "");
    SetRandomSeed(5);
    TFormMain form(platform.For(folder.Path(), folder.Path() + "errors.log"));
    ASSERT_TRUE(form.StartLevel(1, 1));
    for (const TSimBotKind bot : {TSimBotKind::Hint, TSimBotKind::Greedy}) {
        const TRandomState before = SaveRandomState();
        const int expected = Random(1000000);
        RestoreRandomState(before);
        EXPECT_TRUE(ChooseMove(bot, form.MainGame()).has_value());
        EXPECT_EQ(Random(1000000), expected);
    }
    ReleaseRandomSeed();
}

// A round of a shipped level, started on the null platform, for the bot to look at.
struct TBotBoard {
    explicit TBotBoard(int level, uint64_t seed) : folder(TOVAN_GAME_DIR, "-board") {
        settings.Level = level;
        char name[32];
        std::snprintf(name, sizeof name, "/Levels/Level1-%02d.zel", level);
        Placed = folder.PlaceLevel(std::string(TOVAN_GAME_DIR) + name, settings).empty();
        SetRandomSeed(seed);
        form = std::make_unique<TFormMain>(platform.For(folder.Path(), folder.Path() + "e.log"));
        Started = Placed && form->StartLevel(1, level);
    }
    ~TBotBoard() {
        form.reset();
        ReleaseRandomSeed();
    }
    TNullPlatform platform;
    TSimProgramFolder folder;
    TSimSettings settings;
    std::unique_ptr<TFormMain> form;
    bool Placed = false;
    bool Started = false;
};

TEST(SimBot, TheGreedyBotNeverMovesAWebbedOrChainedFruit) {
    for (const int level : {4, 5}) { // chains across the middle; a ring of webs
        for (uint64_t seed = 1; seed <= 5; ++seed) {
            TBotBoard round(level, seed);
            ASSERT_TRUE(round.Started) << level;
            const TBoardData& grid = round.form->MainGame().GameBoard.BoardData();
            const std::optional<TSimMove> move =
                ChooseMove(TSimBotKind::Greedy, round.form->MainGame());
            ASSERT_TRUE(move.has_value());
            for (const TPoint cell : {move->From, move->To}) {
                EXPECT_EQ(grid(cell).Web, 0) << level << " seed " << seed;
                EXPECT_EQ(grid(cell).ChainLevel, 0) << level << " seed " << seed;
            }
        }
    }
}

TEST(SimBot, ALineThroughAChainedFruitCountsAndSoDoesTheGroundBeneathAPotion) {
    TBotBoard round(4, 1);
    ASSERT_TRUE(round.Started);
    const TMainGameScene& game = round.form->MainGame();
    TBoardData grid = game.GameBoard.BoardData();
    // A column of strawberries through the chained fruit at (6, 6); nothing else lines up.
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            grid(x, y).ElementCode = static_cast<uint8_t>(1 + (x + 2 * y) % 5);
    ASSERT_GT(grid(6, 6).ChainLevel, 0);
    for (int y = 5; y <= 7; ++y) grid(6, y).ElementCode = 2;
    const TLineWorth chained = LineWorth(grid, game);
    EXPECT_EQ(chained.All, 3);
    EXPECT_GE(chained.Wanted, 3) << "strawberries are wanted, and gold lies under the chain";

    // A potion above the line: each of its cells is worth more than a wanted fruit.
    TBotBoard potions(3, 1);
    ASSERT_TRUE(potions.Started);
    const TMainGameScene& shelf = potions.form->MainGame();
    TBoardData field = shelf.GameBoard.BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (!IsPotionCode(field(x, y).ElementCode))
                field(x, y).ElementCode = static_cast<uint8_t>(1 + (x + 2 * y) % 5);
    int potionColumn = 0;
    for (int x = 1; x <= BoardColumns && potionColumn == 0; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (IsPotionCode(field(x, y).ElementCode)) potionColumn = x;
    ASSERT_NE(potionColumn, 0);
    for (int y = 8; y <= 10; ++y) field(potionColumn, y).ElementCode = 1; // bananas: not wanted
    EXPECT_GE(LineWorth(field, shelf).Wanted, 3 * 3);
}

TEST(SimRoundsWithoutContent, AGameFolderWithoutPicturesIsAnErrorNotACrash) {
    TSimProgramFolder folder("no/such/game", "-empty");
    TSimSettings settings;
    settings.ProgramFolder = folder.Path();
    const TSimRound round = PlaySimRound(settings, 1);
    EXPECT_EQ(round.Result, TSimResult::Error);
    EXPECT_FALSE(round.Error.empty());
}

TEST_F(SimRounds, AMissingLevelFileIsSaidNotPlayed) {
    EXPECT_NE(folder.PlaceLevel("no/such/Level1-01.zel", settings), "");
    settings.Level = 7; // no file for it in the folder
    const TSimRound round = PlaySimRound(settings, 1);
    EXPECT_EQ(round.Result, TSimResult::Error);
    EXPECT_FALSE(round.Error.empty());
}

} // namespace
