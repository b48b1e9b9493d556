#pragma once
// TNameList: the players, up to six names in slots 1 to 6 (kept at the front, in the order they
// were added), and the selected one. Selection 0 means no player: then the current name is "".
#include "engine/WidgetBasics.h"
#include "saves/PlayersFile.h"

#include <array>
#include <functional>
#include <string>

class TGlobalGameText;

using TSaveFileExistenceQuestionEvent =
    std::function<void(const std::string& nameStr, bool& saveFileExists)>;

class TNameList {
public:
    static constexpr int MaxPlayers = static_cast<int>(PlayerSlotCount);
    static constexpr int NoSelection = 0;

    int Left = 0;
    int Top = 0;
    int VertGap = 35;
    // Where the list lives as "Players.dat"; empty: it is neither read nor written.
    std::string DataFolder;
    TSaveLog OnLog = LogToStderr;
    int ListWidth = 330;
    TOmegaImageList* OmgImgList = nullptr;
    TSaveFileExistenceQuestionEvent OnSaveFileExistenceQuestion;

    // Reads the list from the data folder, then drops the players without a save file and
    // selects the stored player.
    void Load();
    // The names as the file holds them; the selection follows the selected name (slot 1 when
    // no slot holds it, none for an empty list).
    void SetRecord(const TPlayersRecord& record);
    TPlayersRecord Record() const;

    // Selects slot index (1..6, larger taken as 6), or the nearest name above it when the slot
    // is free.
    void Select(int index);
    void AddName(const std::string& name);
    void DeleteSelected();
    bool IsFull() const;
    bool IsEmpty() const;
    bool Contains(const std::string& name) const;
    bool HitTest(int x, int y) const;
    // The row under the point when it holds a name, else the current selection.
    int RowAt(int x, int y) const;
    void Press(int x, int y, TMouseButton button);
    void Hover(int x, int y);
    // Drops the players without a save file, then selects the stored current name again.
    void Refresh();
    // The selection bar under the selected row and the six names, the selected one brighter.
    void Draw(const TGlobalGameText& text) const;

    // Slot 1..6; "" for a free slot or an index outside the list.
    const std::string& Name(int slot) const;
    int Selected() const { return selected; }
    const std::string& CurrentName() const { return currentName; }
    // Writes the list with its selection (selecting alone does not write it).
    void Save() const { SaveFile(); }

private:
    // The last slot holding a name; 0 for an empty list.
    int LastUsedSlot() const;
    // The slot holding exactly this name, or 0.
    int SlotOf(const std::string& name) const;
    // Slot 1 when the current name is in no slot.
    void SelectCurrentName();
    void CloseGaps();
    void SaveFile() const;
    std::string& Slot(int slot) { return names[static_cast<size_t>(slot - 1)]; }

    std::array<std::string, MaxPlayers> names;
    std::string currentName;
    int selected = NoSelection;
    TWidgetMouse mouse;
};
