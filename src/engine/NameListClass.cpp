#include "engine/NameListClass.h"

#include "engine/GlobalGameTextClass.h"
#include "engine/OmegaImageList.h"
#include "engine/PictureNames.h"
#include "saves/PlayerNames.h"

#include <algorithm>

namespace {

// The look of the rows: a selection bar under the selected one, the names left-aligned with
// the selected one larger and brighter.
constexpr uint8_t SelectionAlpha = 150;
constexpr int NameIndent = 20; // from the list's left edge to the middle of the first letter
constexpr float SelectedNameRatio = 0.88f;
constexpr float NameRatio = 0.82f;
constexpr int SelectedNameAlpha = 255;
constexpr int NameAlpha = 220;
constexpr int NameSpacing = 0;
constexpr int White = 0;

const std::string NoName;

} // namespace

void TNameList::Load() {
    if (DataFolder.empty()) return;
    SetRecord(LoadPlayers(DataFolder, OnLog));
    Refresh();
}

void TNameList::SetRecord(const TPlayersRecord& record) {
    names = record.Slots;
    currentName = record.SelectedName;
    SelectCurrentName();
}

TPlayersRecord TNameList::Record() const {
    return {names, currentName};
}

const std::string& TNameList::Name(int slot) const {
    if (slot < 1 || slot > MaxPlayers) return NoName;
    return names[static_cast<size_t>(slot - 1)];
}

void TNameList::Select(int index) {
    int slot = std::clamp(index, 1, MaxPlayers);
    while (slot >= 1 && Name(slot).empty()) --slot;
    selected = slot; // NoSelection when no slot up to index holds a name
    currentName = Name(slot);
}

void TNameList::AddName(const std::string& name) {
    const std::string stored = NormalizePlayerName(name);
    const int freeSlot = SlotOf("");
    if (!stored.empty() && freeSlot != 0) {
        Slot(freeSlot) = stored;
        Select(freeSlot);
    }
    SaveFile();
}

void TNameList::DeleteSelected() {
    if (selected == NoSelection) return;
    const int slot = selected;
    // The later names move up one slot; slot 6 becomes free.
    std::rotate(names.begin() + (slot - 1), names.begin() + slot, names.end());
    names.back().clear();
    Select(slot);
    SaveFile();
}

bool TNameList::IsFull() const {
    return SlotOf("") == 0;
}

bool TNameList::IsEmpty() const {
    return LastUsedSlot() == 0;
}

bool TNameList::Contains(const std::string& name) const {
    // Compared as AddName would store it, so that no name is added twice.
    const std::string candidate = NormalizePlayerName(name);
    return !candidate.empty() && SlotOf(candidate) != 0;
}

bool TNameList::HitTest(int x, int y) const {
    const int rows = LastUsedSlot();
    return rows > 0 && InsideArea(Left, Top, ListWidth, rows * VertGap, x, y);
}

int TNameList::RowAt(int x, int y) const {
    if (!HitTest(x, y) || VertGap <= 0) return selected;
    const int row = (y - Top) / VertGap + 1;
    return Name(row).empty() ? selected : row;
}

void TNameList::Press(int x, int y, TMouseButton button) {
    if (mouse.Press(HitTest(x, y), button)) Select(RowAt(x, y));
}

void TNameList::Hover(int x, int y) {
    mouse.Hover(HitTest(x, y));
}

void TNameList::Refresh() {
    for (std::string& name : names) {
        if (name.empty()) continue;
        bool saveFileExists = true;
        if (OnSaveFileExistenceQuestion) OnSaveFileExistenceQuestion(name, saveFileExists);
        if (!saveFileExists) name.clear();
    }
    CloseGaps();
    SelectCurrentName();
}

void TNameList::Draw(const TGlobalGameText& text) const {
    const auto rowTop = [this](int slot) { return Top + (slot - 1) * VertGap; };
    TImageListItem* bar = FindPicture(OmgImgList, Pictures::NameListSelection);
    if (bar != nullptr && selected != NoSelection)
        bar->DrawEx(Left, rowTop(selected), 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
                    SelectionAlpha, 0, BlendNormal);
    for (int slot = 1; slot <= MaxPlayers; ++slot) {
        const bool chosen = slot == selected;
        text.DrawText(Left + NameIndent, rowTop(slot) + VertGap / 2, Name(slot),
                      chosen ? SelectedNameRatio : NameRatio, NameSpacing,
                      chosen ? SelectedNameAlpha : NameAlpha, ListWidth - NameIndent, White);
    }
}

int TNameList::LastUsedSlot() const {
    for (int slot = MaxPlayers; slot >= 1; --slot)
        if (!Name(slot).empty()) return slot;
    return 0;
}

int TNameList::SlotOf(const std::string& name) const {
    for (int slot = 1; slot <= MaxPlayers; ++slot)
        if (Name(slot) == name) return slot;
    return 0;
}

void TNameList::SelectCurrentName() {
    const int slot = currentName.empty() ? 0 : SlotOf(currentName);
    Select(slot == 0 ? 1 : slot);
}

void TNameList::CloseGaps() {
    std::stable_partition(names.begin(), names.end(),
                          [](const std::string& name) { return !name.empty(); });
}

void TNameList::SaveFile() const {
    if (!DataFolder.empty()) SavePlayers(DataFolder, Record(), OnLog);
}
