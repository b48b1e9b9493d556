// tovan-save dump, run as a program: each kind of file as readable text, and one clear line
// with exit status 1 for anything else.
#include "SaveSamples.h"
#include "SavesTestSupport.h"
#include "ToolRun.h"

using namespace saves_test;

namespace {

TToolRun Dump(const std::string& file) {
    return RunTool(TOVAN_SAVE_TOOL, {"dump", file});
}

bool Has(const TToolRun& run, const std::string& line) {
    return run.Output.find(line + "\n") != std::string::npos;
}

class SaveTool : public ::testing::Test {
protected:
    TTempFolder Folder{"save-tool"};

    TToolRun DumpOf(const std::string& name, const TRecordBytes& bytes) {
        Folder.Write(name, AsString(bytes));
        return Dump(Folder.Path() + name);
    }
};

TEST_F(SaveTool, DumpsThePlayerList) {
    TPlayersRecord record = SamplePlayers();
    record.Slots[5] = "../\x01";
    const TToolRun run = DumpOf(PlayersFileName, EncodePlayersRecord(record));
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_TRUE(Has(run, "slot 2: \"B\xC3\x84\xC3\x96\"")) << run.Output;
    EXPECT_TRUE(Has(run, "slot 6: \"../\\x01\" (not a player's name: read as empty)"))
        << run.Output;
    EXPECT_TRUE(Has(run, "selected: \"CARL 2\"")) << run.Output;
    // An empty list is an empty file.
    EXPECT_TRUE(Has(DumpOf(PlayersFileName, {}), "slot 1: \"\" (empty)"));
}

TEST_F(SaveTool, DumpsAPlayerSaveWithTheValuesTheGameWouldUse) {
    TPlayerSaveRecord record = SamplePlayerSave();
    record.NextUncompletedIsland = 9;
    const TToolRun run = DumpOf("ANNA.sav", EncodePlayerSave(record));
    EXPECT_EQ(run.Status, 0) << run.Output;
    for (const char* line :
         {"score: 16909060", "stock flower: 22.25", "stock gold tile: 4444.0625",
          "sticker book extra: 41394", "slots bought, island 2: 44 45 46 47",
          "next island: 9 (used as 5)", "next level: 84281096", "map state: 70 71 72 73 74 75",
          "sound volume: 202182159 (used as 100)", "timer mode: 2 timed"})
        EXPECT_TRUE(Has(run, line)) << line << "\n" << run.Output;
}

TEST_F(SaveTool, DumpsTheHighScoresAndAGameLog) {
    const TToolRun scores = DumpOf(HighScoresFileName, EncodeHighScores(SampleHighScores()));
    EXPECT_EQ(scores.Status, 0) << scores.Output;
    EXPECT_TRUE(Has(scores, "2: \"BEN \xC3\x84\" 7000")) << scores.Output;
    EXPECT_TRUE(Has(scores, "5: \"ERNA\" -4")) << scores.Output;

    const TToolRun log = DumpOf("ANNA-LOG.dat", EncodeGameLog(SampleGameLog()));
    EXPECT_EQ(log.Status, 0) << log.Output;
    EXPECT_EQ(log.Output, "game log\n" + GameLogText(SampleGameLog()));
}

TEST_F(SaveTool, RefusesWhatItCannotReadOrRecognise) {
    const std::string kinds = "not a file of the game: Players.dat (0 or 358 bytes), <name>.sav "
                              "(164), HighScores.dat (1300) or <name>-LOG.dat (up to 4880)\n";
    for (const auto& [name, size] : {std::pair<std::string, size_t>{"ANNA.sav", 163},
                                     {"Players.dat", 164},
                                     {"HighScores.dat", 1299},
                                     {"notes.txt", 10}}) {
        Folder.Write(name, std::string(size, 'x'));
        const TToolRun run = Dump(Folder.Path() + name);
        EXPECT_EQ(run.Status, 1) << name;
        EXPECT_EQ(run.Output, Folder.Path() + name + ": " + kinds);
    }
    const TToolRun missing = Dump(Folder.Path() + "missing.sav");
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Output,
              Folder.Path() + "missing.sav: cannot read: No such file or directory\n");
    const TToolRun folder = Dump(Folder.Path("in/HighScores.dat"));
    EXPECT_EQ(folder.Status, 1);
    EXPECT_NE(folder.Output.find("not a regular file but a folder"), std::string::npos)
        << folder.Output;
}

} // namespace
