// The player list file: missing, empty, damaged or holding names that must never become paths.
#include "SaveSamples.h"
#include "SavesTestSupport.h"
#include "saves/PlayerSaveFiles.h"

using namespace saves_test;

namespace {

class PlayersFile : public ::testing::Test {
protected:
    TTempFolder Folder{"players-file"};
    TLogLines Log;

    std::string PathOf(const std::string& name = PlayersFileName) const {
        return Folder.Path() + name;
    }
    TPlayersRecord Load() { return LoadPlayers(Folder.Path(), Log.Sink()); }

    // A list file whose slots hold the given raw slot fields (length byte included).
    void WriteSlots(const std::vector<std::string>& slots, const std::string& selected = "") {
        std::string bytes(358, '\0');
        for (size_t slot = 0; slot < slots.size(); ++slot)
            bytes.replace(17 * slot, slots[slot].size(), slots[slot]);
        bytes[102] = static_cast<char>(selected.size());
        bytes.replace(103, selected.size(), selected);
        Folder.Write(PlayersFileName, bytes);
    }
};

TEST_F(PlayersFile, AMissingListIsEmptyAndCreatedEmpty) {
    EXPECT_EQ(Load(), TPlayersRecord{});
    EXPECT_TRUE(std::filesystem::is_regular_file(PathOf()));
    EXPECT_EQ(ReadBytes(PathOf()), "");
    EXPECT_TRUE(Log.Lines.empty());
    // An empty file is a sound, empty list.
    EXPECT_EQ(Load(), TPlayersRecord{});
    EXPECT_FALSE(std::filesystem::exists(PathOf() + ".bad"));
}

TEST_F(PlayersFile, SavedListLoadsBack) {
    ASSERT_TRUE(SavePlayers(Folder.Path(), SamplePlayers(), Log.Sink()));
    EXPECT_EQ(ReadBytes(PathOf()).size(), 358U);
    EXPECT_EQ(Load(), SamplePlayers());
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(PlayersFile, DamagedListIsKeptAsideAndTheListStartsEmpty) {
    for (const TDamage& damage : Damages(false)) {
        Log.Lines.clear();
        std::filesystem::remove_all(PathOf());
        damage.Make(PathOf(), PlayersRecordSize);
        EXPECT_EQ(Load(), TPlayersRecord{}) << damage.Name;
        ExpectKeptAside(PathOf(), damage, PlayersRecordSize, Log);
        EXPECT_EQ(ReadBytes(PathOf()), "") << damage.Name;
        std::filesystem::remove_all(PathOf() + ".bad");
    }
}

TEST_F(PlayersFile, DamagedListIsRebuiltFromTheSaveFilesOfUsableNames) {
    for (const char* name : {"ZOE.sav", "ANNA.sav", "B\xC3\x84R.sav", "lower.sav", "..sav",
                             "X\x01.sav", "NOT A SAVE.txt", "ANNA-LOG.dat"})
        Folder.Write(name, "");
    Folder.Write(PlayersFileName, "damaged");
    const TPlayersRecord record = Load();
    const TPlayersRecord expected{{"ANNA", "B\xC4R", "ZOE", "", "", ""}, ""};
    EXPECT_EQ(record, expected);
    // Written at once, so the next start finds the list again.
    EXPECT_EQ(Load(), expected);
    EXPECT_EQ(Log.Lines.size(), 1U);
}

TEST_F(PlayersFile, RebuiltListHoldsAtMostSixPlayers) {
    for (const char* name : {"G", "F", "E", "D", "C", "B", "A"})
        Folder.Write(std::string(name) + ".sav", "");
    Folder.Write(PlayersFileName, "x");
    const TPlayersRecord expected{{"A", "B", "C", "D", "E", "F"}, ""};
    EXPECT_EQ(Load(), expected);
}

// A damaged list must never name a file outside the data folder, nor one the name input could
// not have typed.
TEST_F(PlayersFile, UnusableNamesBecomeEmptySlots) {
    WriteSlots({std::string("\x03../", 4), std::string("\x02..", 3),
                std::string("\x03"
                            "A/B",
                            4),
                std::string("\x02"
                            "A\x01",
                            3),
                std::string("\x03   ", 4),
                std::string("\x04"
                            "anna",
                            5)},
               "../ETC");
    EXPECT_EQ(Load(), TPlayersRecord{});

    // A length byte above 16 is cut to 16; what it then holds decides.
    WriteSlots({std::string("\xC8"
                            "ANNA",
                            5),
                "\x11"
                "ABCDEFGHIJKLMNOPQ",
                "\x04"
                "BERT"},
               "BERT");
    const TPlayersRecord expected{{"", "ABCDEFGHIJKLMNOP", "BERT", "", "", ""}, "BERT"};
    EXPECT_EQ(Load(), expected);
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(PlayersFile, AFailedSaveLeavesTheOldListByteForByte) {
    ASSERT_TRUE(SavePlayers(Folder.Path(), SamplePlayers(), Log.Sink()));
    const std::string before = ReadBytes(PathOf());
    {
        const TFailingWrites failing(100);
        EXPECT_FALSE(SavePlayers(Folder.Path(), TPlayersRecord{}, Log.Sink()));
    }
    EXPECT_EQ(ReadBytes(PathOf()), before);
    ASSERT_EQ(Log.Lines.size(), 1U);
    EXPECT_NE(Log.Lines[0].find("not saved"), std::string::npos);
}

} // namespace
