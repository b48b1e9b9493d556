#include "LevelTestSupport.h"
#include "board/LevelParamsClass.h"

#include <gtest/gtest.h>

using namespace levels_test;

namespace {

// A sound source of 15 lines: the kind grid's heading is line 3, its rows lines 4 to 15.
std::string SoundSource(const std::string& extraGrids = {}) {
    std::string text = "time 120\nelements 1 2 3\ngrid kind\n";
    for (int y = 1; y <= BoardRows; ++y)
        text += y <= 4 ? "FFFFFF..........\n" : "................\n";
    return text + extraGrids;
}

// A grid whose row `markedRow` holds `row` and all other rows are empty.
std::string Grid(const std::string& name, int markedRow, const std::string& row) {
    std::string text = "grid " + name + "\n";
    for (int y = 1; y <= BoardRows; ++y) text += (y == markedRow ? row : "................") + "\n";
    return text;
}

class LevelToolTest : public ::testing::Test {
protected:
    TScratchFolder Folder;

    // Dumps a level file and compiles the dump again; returns the new file's bytes.
    std::string DumpAndCompile(const std::string& levelFile) {
        const TToolRun dump = RunLevelTool({"dump", levelFile}, Folder / "dumped.level");
        EXPECT_EQ(dump.Status, 0) << dump.Output;
        const TToolRun compile =
            RunLevelTool({"compile", Folder / "dumped.level", Folder / "again.zel"});
        EXPECT_EQ(compile.Status, 0) << compile.Output;
        return ReadAll(Folder / "again.zel");
    }

    TToolRun CheckSource(const std::string& text) {
        WriteAll(Folder / "level.level", text);
        return RunLevelTool({"check", Folder / "level.level"});
    }
};

TEST_F(LevelToolTest, DumpAndCompileReproduceAFileByteForByte) {
    const TLevelRecord record = DistinctRecord();
    ASSERT_EQ(WriteLevelFile(Folder / "Level2-05.zel", record), "");
    EXPECT_EQ(DumpAndCompile(Folder / "Level2-05.zel"), Bytes(record));

    // And the game reads back every value.
    std::filesystem::rename(Folder / "again.zel", Folder / "Level2-05.zel");
    TLevelParams params;
    params.LevelFilesPath = Folder.Folder();
    params.OnLogMessage = [](const std::string& line) { ADD_FAILURE() << line; };
    ASSERT_TRUE(params.LoadLevel(2, 5));
    EXPECT_EQ(params.Record(), record);
}

TEST_F(LevelToolTest, CompileKeepsWhatTheGameReadsAndZerosTheRest) {
    const TLevelRecord record = DistinctRecord();
    std::string bytes = Bytes(record);
    // Unread areas and padding.
    for (size_t offset = 4316; offset < 4508; ++offset) bytes[offset] = '\x5A';
    for (size_t offset : {1, 2, 3, 4533, 4534, 4535, 4537, 4538, 4539}) bytes[offset] = '\x77';
    // Tile fields the round start draws afresh.
    TLevelRecord drawn = record;
    for (auto& column : drawn.Board.Cells)
        for (TBoardTile& tile : column) {
            tile.LockerColor = 2;
            tile.ElementCode = 7;
            tile.WormState = 1;
            tile.WormTime = 900;
            tile.BlasterCode = 1;
            tile.FallOffset = 26;
        }
    const std::string drawnBytes = Bytes(drawn);
    for (size_t offset = 92; offset < 3932; ++offset) bytes[offset] = drawnBytes[offset];
    WriteAll(Folder / "foreign.zel", bytes);

    EXPECT_EQ(DumpAndCompile(Folder / "foreign.zel"), Bytes(record));
}

TEST_F(LevelToolTest, DumpMarksEveryValueCompileRefusesAndFails) {
    TLevelRecord record = DistinctRecord();
    // Corrected, the objective would be a normal round, whose targets are checked too.
    for (int f = lfTargetBananas; f <= lfTargetSpiders; ++f) record.Fields[f] = 0;
    record[lfObjective] = 7;
    record[lfTime] = 0;
    record.ElementSet.Include(200);
    WriteAll(Folder / "odd.zel", Bytes(record));

    const TToolRun dump = RunLevelTool({"dump", Folder / "odd.zel"}, Folder / "odd.level");
    EXPECT_EQ(dump.Status, 1);
    EXPECT_EQ(dump.Output,
              Folder / "odd.zel" + ": compile refuses 3 values of this level (see the dump)\n");
    const std::string printed = ReadAll(Folder / "odd.level");
    EXPECT_EQ(printed.find("# " + (Folder / "odd.zel") +
                           "\n"
                           "# compile refuses: objective 7 is above 1\n"
                           "# compile refuses: time 0 is below 1\n"
                           "# compile refuses: elements: code 200 is outside 1..18\n"
                           "objective 7\n"),
              0u)
        << printed;
    // The whole level is there all the same, and compile names the same values.
    const TToolRun compile = RunLevelTool({"compile", Folder / "odd.level", Folder / "again.zel"});
    EXPECT_EQ(compile.Status, 1);
    EXPECT_EQ(std::count(compile.Output.begin(), compile.Output.end(), '\n'), 3) << compile.Output;
}

TEST_F(LevelToolTest, CompileWritesOnlyWhereItMay) {
    WriteAll(Folder / "good.level", SoundSource());
    const std::string source = Folder / "good.level";

    const TToolRun device = RunLevelTool({"compile", source, "/dev/full"});
    EXPECT_EQ(device.Status, 1);
    EXPECT_EQ(device.Output, "/dev/full: will not write over a device\n");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

    const TToolRun itself = RunLevelTool({"compile", source, source});
    EXPECT_EQ(itself.Status, 1);
    EXPECT_EQ(itself.Output, source + ": will not write over the input file\n");
    EXPECT_EQ(ReadAll(source), SoundSource());

    // A link where an older tool put its temporary file leads nowhere now.
    WriteAll(Folder / "victim", "someone else's");
    std::filesystem::create_symlink(Folder / "victim", Folder / "out.zel.tmp");
    const TToolRun linked = RunLevelTool({"compile", source, Folder / "out.zel"});
    EXPECT_EQ(linked.Status, 0) << linked.Output;
    EXPECT_EQ(ReadAll(Folder / "victim"), "someone else's");
    EXPECT_FALSE(std::filesystem::is_symlink(Folder / "out.zel"));
    EXPECT_EQ(ReadAll(Folder / "out.zel").size(), LevelRecordSize);

    // Nor is a link at the target followed.
    std::filesystem::create_symlink(Folder / "victim", Folder / "linked.zel");
    const TToolRun target = RunLevelTool({"compile", source, Folder / "linked.zel"});
    EXPECT_EQ(target.Status, 1);
    EXPECT_EQ(target.Output, Folder / "linked.zel" + ": will not write over a symbolic link\n");
    EXPECT_EQ(ReadAll(Folder / "victim"), "someone else's");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Folder()), {}), 5)
        << "no temporary file is left";
}

TEST_F(LevelToolTest, ADumpThatCannotBeWrittenFails) {
    ASSERT_EQ(WriteLevelFile(Folder / "level.zel", DistinctRecord()), "");
    const TToolRun dump = RunLevelTool({"dump", Folder / "level.zel"}, "/dev/full");
    EXPECT_EQ(dump.Status, 1);
    EXPECT_EQ(dump.Output, "tovan-level: cannot write the dump: No space left on device\n");
}

TEST_F(LevelToolTest, TheShippedLevelsAreSoundAndRoundTrip) {
    int sources = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(TOVAN_SOURCE_DIR "/content/levels/")) {
        if (entry.path().extension() != ".level") continue;
        ++sources;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::string source = entry.path().string();
        const TToolRun check = RunLevelTool({"check", source});
        EXPECT_EQ(check.Status, 0);
        EXPECT_EQ(check.Output, "");
        const std::string built = std::string(TOVAN_GAME_DIR "/Levels/") + name + ".zel";
        EXPECT_EQ(DumpAndCompile(built), ReadAll(built));
    }
    EXPECT_GE(sources, 12) << "island 1 is whole";
}

TEST_F(LevelToolTest, BadSourcesGiveOneLineWithFileAndLine) {
    const std::string file = Folder / "level.level";
    const struct {
        std::string Text;
        std::string Message;
    } cases[] = {
        {"time 120\nelements 1\nspeed 3\n", ":3: unknown field 'speed'"},
        {"time fast\n", ":1: time needs a whole number in -2147483648..2147483647, not 'fast'"},
        {"time 1 2\n", ":1: time takes exactly one value"},
        {"time 9\ntime 9\n", ":2: time given twice (first on line 1)"},
        {"unifruit-count 300\n", ":1: unifruit-count needs a whole number in 0..255, not '300'"},
        {"objective hard\n",
         ":1: objective needs normal, boss or a whole number in 0..255, not 'hard'"},
        {"elements 1 two\n", ":1: elements needs element codes 0..255, not 'two'"},
        {SoundSource(Grid("web", 3, "...1...........")),
         ":19: grid web row 3 must be 16 cells, not '...1...........'"},
        {SoundSource(Grid("chain", 2, "..3..#comment")),
         ":18: grid chain row 2 must be 16 cells, not '..3..'"},
        {SoundSource(Grid("potions", 1, "....P...........")),
         ":17: grid potions row 1: 'P' is no cell of this grid (use . 1-9)"},
        {SoundSource(Grid("kind", 1, "................")), ":16: grid kind given twice"},
        {SoundSource("grid webs\n"), ":16: unknown grid 'webs'"},
        {SoundSource("................\n"), ":16: grid row outside a grid"},
        {"time 120\nelements 1\ngrid kind\nFFF.............\n", ":3: grid kind has 1 rows"},
        {"elements 1\n", ": missing time"},
        {"time 5\n", ": missing elements"},
        {"time 5\nelements 1\n", ": missing grid kind"},
        {std::string("time 5\n\x01\xff\x00garbage\n", 18), ":2: unknown field '???garbage'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const TToolRun run = CheckSource(c.Text);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Output.find(file + c.Message), 0u) << run.Output;
        EXPECT_EQ(std::count(run.Output.begin(), run.Output.end(), '\n'), 1) << run.Output;
    }
}

TEST_F(LevelToolTest, CheckNamesEveryProblemAndCompileRefuses) {
    // Line 1: time; line 2: the element list; the potions grid's row 2 is line 18.
    std::string text = SoundSource(Grid("potions", 2, ".........1......"));
    text.replace(0, 8, "time 0  ");
    text += "target-guavas 4\n";
    const TToolRun check = CheckSource(text);
    EXPECT_EQ(check.Status, 1);
    const std::string file = Folder / "level.level";
    EXPECT_EQ(check.Output,
              file + ":1: time 0 is below 1\n" + file +
                  ":18: potions at (10,2): 1 on a cell without a locker or a fruit\n" + file +
                  ":29: target-guavas 4: elements lack code 8\n");

    const TToolRun compile = RunLevelTool({"compile", file, Folder / "out.zel"});
    EXPECT_EQ(compile.Status, 1);
    EXPECT_EQ(compile.Output, check.Output);
    EXPECT_FALSE(std::filesystem::exists(Folder / "out.zel"));

    // Several sources: each is checked, the sound one silently.
    WriteAll(Folder / "good.level", SoundSource());
    const TToolRun both = RunLevelTool({"check", Folder / "good.level", file});
    EXPECT_EQ(both.Status, 1);
    EXPECT_EQ(both.Output, check.Output);
}

TEST_F(LevelToolTest, BadLevelFilesAndCallsGiveOneLine) {
    const std::string whole = Bytes(DistinctRecord());
    WriteAll(Folder / "short.zel", whole.substr(0, 4571));
    WriteAll(Folder / "long.zel", whole + "x");
    TLevelRecord odd = DistinctRecord();
    odd.Board(3, 4).ObjectKind = 9;
    WriteAll(Folder / "odd.zel", Bytes(odd));

    const struct {
        std::vector<std::string> Arguments;
        int Status;
        std::string Message;
    } cases[] = {
        {{"dump", Folder / "short.zel"},
         1,
         Folder / "short.zel" + ": a level file has 4572 bytes, this one has 4571\n"},
        {{"dump", Folder / "long.zel"},
         1,
         Folder / "long.zel" + ": a level file has 4572 bytes, this one has more\n"},
        {{"dump", Folder / "none.zel"},
         1,
         Folder / "none.zel" + ": cannot read: No such file or directory\n"},
        {{"dump", Folder / "odd.zel"},
         1,
         Folder / "odd.zel" + ": kind at (3,4) holds 9, which a level source cannot write\n"},
        {{"check", Folder / "none.level"},
         1,
         Folder / "none.level" + ": cannot read: No such file or directory\n"},
        {{"dump", Folder.Folder()},
         1,
         Folder.Folder() + ": cannot read: not a regular file but a folder\n"},
        {{"check", "/dev/zero"}, 1, "/dev/zero: cannot read: not a regular file but a device\n"},
        {{"compile", Folder / "none.level", Folder / "out.zel"},
         1,
         Folder / "none.level" + ": cannot read: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const TToolRun run = RunLevelTool(c.Arguments);
        EXPECT_EQ(run.Status, c.Status);
        EXPECT_EQ(run.Output, c.Message);
    }

    WriteAll(Folder / "good.level", SoundSource());
    const TToolRun unwritable =
        RunLevelTool({"compile", Folder / "good.level", Folder / "no-folder/out.zel"});
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_EQ(std::count(unwritable.Output.begin(), unwritable.Output.end(), '\n'), 1);

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{}, {"compile", "one"}, {"dump"}, {"check"}, {"build", "x"}}) {
        const TToolRun run = RunLevelTool(wrong);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Output.find("usage: tovan-level"), 0u);
    }
}

} // namespace
