// The high-score table: its file, the submit rule with its edge cases, and the display line.
#include "SaveSamples.h"
#include "SavesTestSupport.h"

using namespace saves_test;

namespace {

class HighScores : public ::testing::Test {
protected:
    TTempFolder Folder{"high-scores"};
    TLogLines Log;
    THighScores Scores;

    void SetUp() override {
        Scores.NormalModeFileName = PathOf();
        Scores.AnonymousStr = "NOBODY";
        Scores.OnLog = Log.Sink();
    }
    std::string PathOf() const { return Folder.Path() + HighScoresFileName; }

    THighScoresRecord DefaultTable() const {
        THighScoresRecord table;
        table.Names.fill("NOBODY");
        return table;
    }
    // A table of the given ranks, the rest empty with 0.
    static THighScoresRecord Table(const std::vector<std::pair<std::string, int32_t>>& ranks) {
        THighScoresRecord table;
        for (size_t rank = 0; rank < ranks.size(); ++rank)
            std::tie(table.Names[rank], table.Scores[rank]) = ranks[rank];
        return table;
    }
    // Loads a file holding the table.
    void Start(const std::vector<std::pair<std::string, int32_t>>& ranks) {
        Folder.Write(HighScoresFileName, AsString(EncodeHighScores(Table(ranks))));
        Scores.LoadOrCreate();
    }
};

TEST_F(HighScores, AMissingTableIsTheDefaultOneAndIsCreated) {
    Scores.LoadOrCreate();
    EXPECT_EQ(Scores.Table(), DefaultTable());
    EXPECT_EQ(ReadBytes(PathOf()), AsString(EncodeHighScores(DefaultTable())));
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(HighScores, SavedTableLoadsBack) {
    Folder.Write(HighScoresFileName, AsString(EncodeHighScores(SampleHighScores())));
    Scores.LoadOrCreate();
    EXPECT_EQ(Scores.Table(), SampleHighScores());
    Scores.Submit("NEW", 100000);
    ASSERT_TRUE(Scores.Save());
    THighScores again;
    again.NormalModeFileName = PathOf();
    again.LoadOrCreate();
    EXPECT_EQ(again.Table(), Scores.Table());
    EXPECT_EQ(again.Table().Names[0], "NEW");
}

// A table cut short by a crash at the end of a run once stopped every later start.
TEST_F(HighScores, DamagedTableIsKeptAsideAndTheGameStartsWithTheDefaults) {
    for (const TDamage& damage : Damages()) {
        Log.Lines.clear();
        std::filesystem::remove_all(PathOf());
        damage.Make(PathOf(), HighScoresRecordSize);
        Scores.LoadOrCreate();
        EXPECT_EQ(Scores.Table(), DefaultTable()) << damage.Name;
        ExpectKeptAside(PathOf(), damage, HighScoresRecordSize, Log);
        EXPECT_EQ(ReadBytes(PathOf()), AsString(EncodeHighScores(DefaultTable()))) << damage.Name;
        std::filesystem::remove_all(PathOf() + ".bad");
    }
}

TEST_F(HighScores, DamageNeverOverwritesAnEarlierCopy) {
    Folder.Write(HighScoresFileName, "first");
    Scores.LoadOrCreate();
    Folder.Write(HighScoresFileName, "second");
    Scores.LoadOrCreate();
    EXPECT_EQ(ReadBytes(PathOf() + ".bad"), "first");
    EXPECT_EQ(ReadBytes(PathOf() + ".bad.1"), "second");
}

TEST_F(HighScores, AFailedSaveLeavesTheOldTableByteForByte) {
    Start({{"ANNA", 500}});
    const std::string before = ReadBytes(PathOf());
    Scores.Submit("BEN", 900);
    {
        const TFailingWrites failing(100);
        EXPECT_FALSE(Scores.Save());
    }
    EXPECT_EQ(ReadBytes(PathOf()), before);
    EXPECT_EQ(Log.Lines.size(), 1U);
}

TEST_F(HighScores, ALowerOrEqualScoreOfAListedPlayerChangesNothing) {
    Start({{"ANNA", 900}, {"BEN", 700}, {"CARL", 300}});
    const THighScoresRecord before = Scores.Table();
    Scores.Submit("ben", 500);
    Scores.Submit("BEN", 700);
    EXPECT_EQ(Scores.Table(), before);
}

TEST_F(HighScores, ABetterScoreMovesTheListedPlayerToHisNewRank) {
    Start({{"ANNA", 800}, {"BEN", 700}, {"CARL", 300}});
    Scores.Submit("ben", 900);
    EXPECT_EQ(Scores.Table(), Table({{"BEN", 900}, {"ANNA", 800}, {"CARL", 300}}));
    // Beating only himself keeps his place.
    Scores.Submit("Carl", 400);
    EXPECT_EQ(Scores.Table(), Table({{"BEN", 900}, {"ANNA", 800}, {"CARL", 400}}));
}

TEST_F(HighScores, NewPlayersEnterBelowEqualScoresAndPushTheLastOneOut) {
    Start({{"A", 50}, {"B", 40}, {"C", 30}, {"D", 20}, {"E", 10}});
    Scores.Submit("f\xE4", 30);
    EXPECT_EQ(Scores.Table(), Table({{"A", 50}, {"B", 40}, {"C", 30}, {"F\xC4", 30}, {"D", 20}}));
    Scores.Submit("G", 20);
    EXPECT_EQ(Scores.Table(), Table({{"A", 50}, {"B", 40}, {"C", 30}, {"F\xC4", 30}, {"D", 20}}));
    Scores.Submit("H", 60);
    EXPECT_EQ(Scores.Table(), Table({{"H", 60}, {"A", 50}, {"B", 40}, {"C", 30}, {"F\xC4", 30}}));
}

TEST_F(HighScores, SubmittingNothingWorthARankChangesNothing) {
    Scores.LoadOrCreate();
    Scores.Submit("ANNA", 0);
    EXPECT_EQ(Scores.Table(), DefaultTable());
    // No player (an empty list) has no name to list.
    Scores.Submit("", 500);
    Scores.Submit("   ", 500);
    EXPECT_EQ(Scores.Table(), DefaultTable());
}

// A damaged table may list a player twice: the last of his ranks counts.
TEST_F(HighScores, TheLastRankOfAPlayerListedTwiceCounts) {
    Start({{"ANNA", 900}, {"BEN", 700}, {"anna", 300}});
    Scores.Submit("ANNA", 500);
    EXPECT_EQ(Scores.Table(), Table({{"ANNA", 900}, {"BEN", 700}, {"ANNA", 500}}));
}

// Widths of 10 per character: "1. " and " - 900" leave 220 - 90 = 130, 13 characters.
double TenPerCharacter(const std::string& text) {
    return 10.0 * static_cast<double>(text.size());
}

TEST(HighScoreLine, TheNameIsShortenedFromItsEndUntilTheLineFits) {
    EXPECT_EQ(HighScoreLine(1, "ANNA", 900, TenPerCharacter), "1. ANNA - 900");
    EXPECT_EQ(HighScoreLine(1, "ABCDEFGHIJKLM", 900, TenPerCharacter), "1. ABCDEFGHIJKLM - 900");
    EXPECT_EQ(HighScoreLine(1, "ABCDEFGHIJKLMN", 900, TenPerCharacter), "1. ABCDEFGHIJK.. - 900");
}

// A score so wide that no room is left still ends, with ".." for the name.
TEST(HighScoreLine, WithNoRoomLeftTheNameBecomesTwoDots) {
    EXPECT_EQ(HighScoreLine(
                  2, "ANNA", 2147483647,
                  [](const std::string& text) { return 30.0 * static_cast<double>(text.size()); }),
              "2. .. - 2147483647");
    EXPECT_EQ(HighScoreLine(3, "", 5, [](const std::string&) { return 500.0; }), "3.  - 5");
}

} // namespace
