// The game log: switched off by default, read tolerantly, entries only where the log has them,
// and its readable copy line by line.
#include "SaveSamples.h"
#include "SavesTestSupport.h"

using namespace saves_test;

namespace {

constexpr std::array<float, 5> Amounts = {1.5F, 2.5F, 0, 10.4F, 3};

class GameLogger : public ::testing::Test {
protected:
    TTempFolder Folder{"game-logger"};
    TLogLines Log;
    TGameLogger Logger;

    void SetUp() override {
        Logger.Folder = Folder.Path();
        Logger.OnLog = Log.Sink();
    }
    std::string PathOf(const std::string& file) const { return Folder.Path() + file; }
};

TEST_F(GameLogger, SwitchedOffByDefaultItWritesNothing) {
    Logger.SetPlayerName("ANNA");
    EXPECT_EQ(Logger.FileName(), PathOf("ANNA-LOG.dat"));
    Logger.LogRound(1, 1, "Level1-01.zel", Amounts, 60);
    Logger.LogUpgrade(1, 1, 3);
    EXPECT_TRUE(std::filesystem::is_empty(Folder.Path()));
    EXPECT_EQ(Logger.Record(), TGameLogRecord{});
}

TEST_F(GameLogger, EachEntryWritesTheWholeLogAndItsTextWhichLoadBack) {
    Logger.Enabled = true;
    Logger.SetPlayerName("\xC4RNE");
    Logger.LogRound(2, 7, "Level2-07-with-a-long-name.zel", Amounts, 95);
    Logger.LogUpgrade(5, 4, 19);
    const TLevelLogEntry& entry = Logger.Record().Levels[20 + 6];
    EXPECT_EQ(entry.Seconds, 95);
    EXPECT_EQ(entry.Amounts, Amounts);
    EXPECT_EQ(entry.LevelFile, "Level2-07-with-a-lon");
    EXPECT_EQ(Logger.Record().Upgrades[19], 19);

    const std::string file = PathOf("\xC3\x84RNE-LOG.dat");
    EXPECT_EQ(ReadBytes(file), AsString(EncodeGameLog(Logger.Record())));
    EXPECT_EQ(ReadBytes(PathOf("\xC3\x84RNE-LOG.txt")), GameLogText(Logger.Record()));
    TGameLogger again;
    again.Folder = Folder.Path();
    again.SetPlayerName("\xC4RNE");
    EXPECT_EQ(again.Record(), Logger.Record());
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(GameLogger, PlacesWithoutAnEntryAreNotLogged) {
    Logger.Enabled = true;
    Logger.SetPlayerName("ANNA");
    for (const auto& [island, level] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 21}, {-1, 5}})
        Logger.LogRound(island, level, "Level.zel", Amounts, 60);
    for (const auto& [island, slot] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 5}})
        Logger.LogUpgrade(island, slot, 3);
    EXPECT_EQ(Logger.Record(), TGameLogRecord{});
    EXPECT_TRUE(std::filesystem::is_empty(Folder.Path()));
}

TEST_F(GameLogger, ANameThatCannotBeAPlayersFormsNoFile) {
    Logger.Enabled = true;
    for (const std::string name : {"", "../ANNA", "A/B", "A\x01"}) {
        Logger.SetPlayerName(name);
        EXPECT_EQ(Logger.FileName(), "") << name;
        Logger.LogRound(1, 1, "Level1-01.zel", Amounts, 60);
    }
    EXPECT_TRUE(std::filesystem::is_empty(Folder.Path()));
}

// A log cut short reads with zeros after its end; only what is not a log at all is kept aside.
TEST_F(GameLogger, ShortLogsReadWithZerosAndDamagedOnesAreKeptAside) {
    const std::string whole = AsString(EncodeGameLog(SampleGameLog()));
    Folder.Write("ANNA-LOG.dat", whole.substr(0, 48 + 4));
    Logger.SetPlayerName("ANNA");
    TGameLogRecord expected;
    expected.Levels[0] = SampleGameLog().Levels[0];
    expected.Levels[1].Seconds = SampleGameLog().Levels[1].Seconds;
    EXPECT_EQ(Logger.Record(), expected);
    Folder.Write("ANNA-LOG.dat", "");
    Logger.SetPlayerName("ANNA");
    EXPECT_EQ(Logger.Record(), TGameLogRecord{});
    EXPECT_TRUE(Log.Lines.empty());

    for (const TDamage& damage : Damages(false)) {
        if (damage.Name == "short" || damage.Name == "random") continue; // sound short logs
        Log.Lines.clear();
        std::filesystem::remove_all(PathOf("ANNA-LOG.dat"));
        damage.Make(PathOf("ANNA-LOG.dat"), GameLogRecordSize);
        Logger.SetPlayerName("ANNA");
        EXPECT_EQ(Logger.Record(), TGameLogRecord{}) << damage.Name;
        ExpectKeptAside(PathOf("ANNA-LOG.dat"), damage, GameLogRecordSize, Log);
        std::filesystem::remove_all(PathOf("ANNA-LOG.dat.bad"));
    }
}

TEST(GameLogText, LevelsWithTheirRunningTotalsThenTheUpgrades) {
    TGameLogRecord record;
    record.Levels[1] = {125, Amounts, "Level1-02.zel"};
    record.Levels[2 * 20 + 19] = {59, {1, 1, 1, 1, 1}, "X"};
    record.Levels[3] = {0, {9, 9, 9, 9, 9}, "never logged"};
    record.Upgrades[1] = 5;
    record.Upgrades[19] = 12;
    record.Upgrades[2] = -3;
    EXPECT_EQ(GameLogText(record), "LEVEL 1-02 <actual file: Level1-02.zel>\n"
                                   "   Time: 125 seconds [2:05]\n"
                                   "      Fruit:    2\n"
                                   "      Flower:   2\n"
                                   "      Potion:   0\n"
                                   "      GoldTile: 10\n"
                                   "      Spider:   3\n"
                                   "-- TOTAL -->\n"
                                   "      Fruit:    2\n"
                                   "      Flower:   2\n"
                                   "      Potion:   0\n"
                                   "      GoldTile: 10\n"
                                   "      Spider:   3\n"
                                   "\n\n"
                                   "LEVEL 3-20 <actual file: X>\n"
                                   "   Time: 59 seconds [0:59]\n"
                                   "      Fruit:    1\n"
                                   "      Flower:   1\n"
                                   "      Potion:   1\n"
                                   "      GoldTile: 1\n"
                                   "      Spider:   1\n"
                                   "-- TOTAL -->\n"
                                   "      Fruit:    2\n"
                                   "      Flower:   4\n"
                                   "      Potion:   1\n"
                                   "      GoldTile: 11\n"
                                   "      Spider:   4\n"
                                   "\n\n"
                                   "\n ============ BUYING UPGRADES ============\n\n\n"
                                   "Slot 1-2:   at level 1-05\n"
                                   "\n\n\n\n"
                                   "Slot 5-4:   at level 5-12\n"
                                   "\n");
}

} // namespace
