// The player save files: defaults, damage, unsafe names, checked values, delete and reset.
#include "saves/PlayerSaveFiles.h"

#include "SaveSamples.h"
#include "SavesTestSupport.h"

#include <cmath>

using namespace saves_test;

namespace {

class PlayerSaveFiles : public ::testing::Test {
protected:
    TTempFolder Folder{"player-saves"};
    TLogLines Log;
    TPlayerSaveFiles Saves;

    void SetUp() override {
        Saves.Folder = Folder.Path("data");
        Saves.OnLog = Log.Sink();
    }
    std::string PathOf(const std::string& file) const { return Saves.Folder + file; }
    static std::string Bytes(const TPlayerSaveRecord& record) {
        return AsString(EncodePlayerSave(record));
    }
};

TEST_F(PlayerSaveFiles, DefaultsAreTheNewPlayersStart) {
    const TPlayerSaveRecord defaults = DefaultPlayerSave();
    TPlayerSaveRecord expected;
    expected.NextUncompletedIsland = 1;
    expected.NextUncompletedLevel = 1;
    expected.SoundOn = expected.MusicOn = expected.FullScreen = expected.TutorialOn = 1;
    expected.SoundVolume = 70;
    expected.MusicVolume = 50;
    EXPECT_EQ(Bytes(defaults), Bytes(expected));
    EXPECT_EQ(defaults.RelaxedMode, 0);
}

TEST_F(PlayerSaveFiles, AMissingSaveGivesTheDefaultsAndWritesNothing) {
    Saves.Defaults.Score = 77;
    EXPECT_EQ(Saves.Load("ANNA").Score, 77);
    EXPECT_FALSE(Saves.Exists("ANNA"));
    EXPECT_TRUE(std::filesystem::is_empty(Saves.Folder));
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(PlayerSaveFiles, SavedRecordLoadsBackUnderTheUtf8FormOfTheName) {
    const std::string name = "J\xDCRGEN \xDF";
    ASSERT_TRUE(Saves.Save(name, SamplePlayerSave()));
    const std::string file = PathOf("J\xC3\x9CRGEN \xC3\x9F.sav");
    EXPECT_EQ(Saves.FileOf(name), file);
    EXPECT_EQ(ReadBytes(file), Bytes(SamplePlayerSave()));
    EXPECT_TRUE(Saves.Exists(name));
    EXPECT_EQ(Bytes(Saves.Load(name)), Bytes(SamplePlayerSave()));
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(PlayerSaveFiles, DamagedSaveIsKeptAsideBeforeTheDefaultsTakeItsPlace) {
    for (const TDamage& damage : Damages()) {
        Log.Lines.clear();
        std::filesystem::remove_all(PathOf("ANNA.sav"));
        damage.Make(PathOf("ANNA.sav"), PlayerSaveRecordSize);
        EXPECT_EQ(Bytes(Saves.Load("ANNA")), Bytes(DefaultPlayerSave())) << damage.Name;
        ExpectKeptAside(PathOf("ANNA.sav"), damage, PlayerSaveRecordSize, Log);
        // The game then saves the defaults; the damaged copy stays.
        ASSERT_TRUE(Saves.Save("ANNA", Saves.Load("ANNA")));
        EXPECT_TRUE(std::filesystem::exists(PathOf("ANNA.sav.bad"))) << damage.Name;
        std::filesystem::remove_all(PathOf("ANNA.sav.bad"));
    }
}

TEST_F(PlayerSaveFiles, NamesThatCannotBePlayersNeverBecomePaths) {
    // A record planted where "../OUTSIDE" would lead.
    Folder.Write("OUTSIDE.sav", Bytes(SamplePlayerSave()));
    for (const std::string& name :
         std::vector<std::string>{"", "../OUTSIDE", "..", "/", "A/B", "A\x01", "A\n",
                                  std::string("A\0B", 3), "   ", "ABCDEFGHIJKLMNOPQ", "anna"}) {
        Log.Lines.clear();
        EXPECT_EQ(Saves.FileOf(name), "") << name;
        EXPECT_FALSE(Saves.Exists(name)) << name;
        EXPECT_EQ(Bytes(Saves.Load(name)), Bytes(DefaultPlayerSave())) << name;
        EXPECT_FALSE(Saves.Save(name, SamplePlayerSave())) << name;
        EXPECT_FALSE(Saves.Delete(name)) << name;
        EXPECT_EQ(Log.Lines.size(), 2U) << name;
    }
    EXPECT_TRUE(std::filesystem::is_empty(Saves.Folder));
    EXPECT_EQ(ReadBytes(Folder.Path() + "OUTSIDE.sav"), Bytes(SamplePlayerSave()));
}

TEST_F(PlayerSaveFiles, DeleteRemovesTheSaveAndAMissingOneIsNoFault) {
    ASSERT_TRUE(Saves.Save("ANNA", SamplePlayerSave()));
    EXPECT_TRUE(Saves.Delete("ANNA"));
    EXPECT_FALSE(Saves.Exists("ANNA"));
    EXPECT_TRUE(Saves.Delete("ANNA"));
    EXPECT_TRUE(Log.Lines.empty());
}

TEST_F(PlayerSaveFiles, ResetWritesTheDefaultsKeepingTheTimerModeChoice) {
    ASSERT_TRUE(Saves.Save("ANNA", SamplePlayerSave()));
    const TPlayerSaveRecord fresh = Saves.Reset("ANNA", 2);
    TPlayerSaveRecord expected = DefaultPlayerSave();
    expected.RelaxedMode = 2;
    EXPECT_EQ(Bytes(fresh), Bytes(expected));
    EXPECT_EQ(ReadBytes(PathOf("ANNA.sav")), Bytes(expected));
}

// A crash or a full disk part way through never costs the old save: not on a save, and not on
// the reset, which never deletes first.
TEST_F(PlayerSaveFiles, AFailedWriteLeavesTheOldSaveByteForByte) {
    ASSERT_TRUE(Saves.Save("ANNA", SamplePlayerSave()));
    {
        const TFailingWrites failing(100);
        EXPECT_FALSE(Saves.Save("ANNA", DefaultPlayerSave()));
        Saves.Reset("ANNA", 1);
    }
    EXPECT_EQ(ReadBytes(PathOf("ANNA.sav")), Bytes(SamplePlayerSave()));
    EXPECT_EQ(Log.Lines.size(), 2U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Saves.Folder), {}), 1);
}

// Values that would index tables are checked on use; the file keeps its bytes until the next
// normal save.
TEST_F(PlayerSaveFiles, DamagedValuesAreCheckedOnUseAndKeptOnDisk) {
    TPlayerSaveRecord record = SamplePlayerSave();
    const struct {
        uint8_t Island;
        int32_t Level;
        uint8_t Relaxed;
        int32_t Volume;
        uint8_t UsedIsland;
        int32_t UsedLevel;
        uint8_t UsedRelaxed;
        int32_t UsedVolume;
    } cases[] = {
        {0, 0, 3, -1, 1, 1, 0, 0},
        {6, -7, 255, 101, 5, 1, 0, 100},
        {5, 20, 2, 100, 5, 20, 2, 100},
        {1, 1, 1, 0, 1, 1, 1, 0},
        {255, INT32_MIN, 0, INT32_MAX, 5, 1, 0, 100},
    };
    for (const auto& c : cases) {
        record.NextUncompletedIsland = c.Island;
        record.NextUncompletedLevel = c.Level;
        record.RelaxedMode = c.Relaxed;
        record.SoundVolume = record.MusicVolume = c.Volume;
        ASSERT_TRUE(Saves.Save("ANNA", record));
        const TPlayerSaveRecord loaded = Saves.Load("ANNA");
        EXPECT_EQ(loaded.UsableIsland(), c.UsedIsland);
        EXPECT_EQ(loaded.UsableLevel(), c.UsedLevel);
        EXPECT_EQ(loaded.UsableRelaxedMode(), c.UsedRelaxed);
        EXPECT_EQ(loaded.UsableSoundVolume(), c.UsedVolume);
        EXPECT_EQ(loaded.UsableMusicVolume(), c.UsedVolume);
        EXPECT_EQ(ReadBytes(PathOf("ANNA.sav")), Bytes(record));
    }
    record.ElementStocks = {NAN, INFINITY, -INFINITY, -0.5F, 12.75F};
    const float expected[] = {0, 0, 0, 0, 12.75F};
    for (size_t kind = 0; kind < ElementKindCount; ++kind)
        EXPECT_EQ(record.UsableStock(kind), expected[kind]) << kind;
    EXPECT_TRUE(TPlayerSaveRecord::IsSet(0xB1));
    EXPECT_FALSE(TPlayerSaveRecord::IsSet(0));
}

} // namespace
