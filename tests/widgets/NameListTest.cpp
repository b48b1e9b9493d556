// The player list: adding, selecting and deleting at the edges, the mouse rows, pruning the
// players whose saves are gone, and what a loader hands it.
#include "TempFolder.h"
#include "WidgetTestKit.h"
#include "engine/NameListClass.h"

#include <filesystem>
#include <set>

namespace {

class NameListTest : public WidgetTest {
protected:
    NameListTest() {
        players.Left = 500;
        players.Top = 200;
    }
    void Add(std::initializer_list<const char*> names) {
        for (const char* name : names) players.AddName(name);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int slot = 1; slot <= TNameList::MaxPlayers; ++slot)
            if (!players.Name(slot).empty()) names.push_back(players.Name(slot));
        return names;
    }
    void ExpectSelected(int slot, const std::string& name) const {
        EXPECT_EQ(players.Selected(), slot);
        EXPECT_EQ(players.CurrentName(), name);
    }

    TNameList players;
};

TEST_F(NameListTest, AddsTrimmedCapitalsUpToSixAndSelectsTheNewName) {
    ExpectSelected(0, "");
    EXPECT_TRUE(players.IsEmpty());
    players.AddName("   ");
    EXPECT_TRUE(players.IsEmpty());
    players.AddName("  ab  ");
    ExpectSelected(1, "AB");
    players.AddName("a very long name indeed");
    ExpectSelected(2, "A VERY LONG NAME"); // cut to 16, with no trailing blank
    Add({"c", "d", "e", "f"});
    EXPECT_TRUE(players.IsFull());
    players.AddName("g");
    EXPECT_EQ(Names(), (std::vector<std::string>{"AB", "A VERY LONG NAME", "C", "D", "E", "F"}));
    ExpectSelected(6, "F");

    EXPECT_TRUE(players.Contains(" ab "));
    EXPECT_TRUE(players.Contains("a very long name indeed")); // would be stored as a twin
    EXPECT_FALSE(players.Contains("A B"));
    EXPECT_FALSE(players.Contains("  ")); // never a free slot
}

TEST_F(NameListTest, DeletingMovesTheLaterNamesUpAndKeepsASelection) {
    Add({"A", "B", "C", "D", "E"});
    // The middle: slot 3 of five keeps slot 3, now the former slot 4.
    players.Select(3);
    players.DeleteSelected();
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "D", "E"}));
    ExpectSelected(3, "D");
    // The first.
    players.Select(1);
    players.DeleteSelected();
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "D", "E"}));
    ExpectSelected(1, "B");
    // The last: the one above it is selected.
    players.Select(3);
    players.DeleteSelected();
    ExpectSelected(2, "D");
    players.DeleteSelected();
    ExpectSelected(1, "B");
    // The only one: no selection and no current name.
    players.DeleteSelected();
    EXPECT_TRUE(players.IsEmpty());
    ExpectSelected(0, "");
    // Nothing left to delete.
    players.DeleteSelected();
    ExpectSelected(0, "");
    players.AddName("Z");
    ExpectSelected(1, "Z");
}

TEST_F(NameListTest, SelectClampsAndFallsBackToTheNearestNameAbove) {
    Add({"A", "B", "C"});
    players.Select(99);
    ExpectSelected(3, "C");
    players.Select(5);
    ExpectSelected(3, "C");
    players.Select(-4);
    ExpectSelected(1, "A");
}

TEST_F(NameListTest, LeftPressesSelectTheRowUnderTheMouse) {
    Add({"A", "B", "C"});
    players.Select(1);
    // Row 2 spans y 235..270; its lower edge already counts as row 3.
    players.Press(600, 236, mbLeft);
    ExpectSelected(2, "B");
    players.Press(500 + 330, 270, mbLeft);
    ExpectSelected(3, "C");
    players.Press(600, 236, mbRight);
    ExpectSelected(3, "C");
    // Beside the list, or below its last name.
    players.Press(831, 236, mbLeft);
    players.Press(600, 306, mbLeft);
    ExpectSelected(3, "C");
    EXPECT_EQ(players.RowAt(600, 305), 3); // the bottom edge of the rows: the selection
    EXPECT_EQ(CursorAfterHover(players, 600, 305), mcHand);
    EXPECT_EQ(CursorAfterHover(players, 600, 306), mcArrow);
    EXPECT_EQ(CursorAfterHover(players, 499, 210), mcArrow);
}

TEST_F(NameListTest, RefreshDropsPlayersWithoutASaveAndSelectsTheStoredName) {
    Add({"A", "B", "C", "D"});
    players.Select(3);
    std::set<std::string> saves{"B", "C", "D"};
    std::vector<std::string> asked;
    players.OnSaveFileExistenceQuestion = [&](const std::string& name, bool& exists) {
        asked.push_back(name);
        exists = saves.contains(name);
    };
    players.Refresh();
    EXPECT_EQ(asked, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "C", "D"}));
    ExpectSelected(2, "C");
    // The selected player's save is gone: slot 1 takes over.
    saves.erase("C");
    players.Refresh();
    ExpectSelected(1, "B");
    // Every save gone: nobody is selected.
    saves.clear();
    players.Refresh();
    EXPECT_TRUE(players.IsEmpty());
    ExpectSelected(0, "");
}

TEST_F(NameListTest, TakesARecordFromALoaderAndGivesItBack) {
    TPlayersRecord record;
    record.Slots = {"ANNA", "BORRE", "LISSA", "", "", ""};
    record.SelectedName = "LISSA";
    players.SetRecord(record);
    ExpectSelected(3, "LISSA");
    record.SelectedName = "OSKAR"; // in no slot
    players.SetRecord(record);
    ExpectSelected(1, "ANNA");
    const TPlayersRecord back = players.Record();
    EXPECT_EQ(back.Slots, record.Slots);
    EXPECT_EQ(back.SelectedName, "ANNA");
    players.SetRecord({});
    ExpectSelected(0, "");
}

// The list on disk: every change is saved, and the next start finds it again, without the
// players whose saves are gone.
TEST_F(NameListTest, LivesInPlayersDatOfTheDataFolder) {
    TTempFolder data("namelist");
    players.DataFolder = data.Path();
    players.Load();
    EXPECT_TRUE(players.IsEmpty());
    EXPECT_TRUE(std::filesystem::exists(data.Path() + "Players.dat")) << "made empty at once";
    Add({"Anna", "Borre", "Lissa"});
    players.Select(2);
    players.DeleteSelected(); // Borre goes; Lissa moves up into slot 2 and is selected
    EXPECT_EQ(std::filesystem::file_size(data.Path() + "Players.dat"), 358u);

    TNameList again;
    again.DataFolder = data.Path();
    std::set<std::string> saves{"ANNA", "LISSA"};
    again.OnSaveFileExistenceQuestion = [&](const std::string& name, bool& exists) {
        exists = saves.contains(name);
    };
    again.Load();
    EXPECT_EQ(again.Name(1), "ANNA");
    EXPECT_EQ(again.Name(2), "LISSA");
    EXPECT_EQ(again.CurrentName(), "LISSA");
    saves.erase("LISSA");
    TNameList third;
    third.DataFolder = data.Path();
    third.OnSaveFileExistenceQuestion = again.OnSaveFileExistenceQuestion;
    third.Load();
    EXPECT_EQ(third.Name(2), "");
    EXPECT_EQ(third.Selected(), 1) << "the stored player is gone: the first is chosen";
}

} // namespace
