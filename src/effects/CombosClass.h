#pragma once
// TCombos: a big match of one element earns a label. It pops up over the middle of the cleared
// cells, wobbles for a moment and is then handed on (to the combo conveyer).
#include "board/GameData.h"
#include "engine/SpritePopperClass.h"
#include "engine/ValueUpDownClass.h"

#include <array>
#include <functional>

using TCombosAComboArriveEvent = std::function<void(uint8_t aMatchXCount, TPoint aPos)>;

class TCombos {
public:
    static constexpr int Slots = 10;
    // The label's size; Pos is its top-left, the cells' centre less half of this.
    static constexpr TPoint LabelHalf{63, 57};

    bool Visible = true;
    int ShowingTime = 850; // ms
    uint8_t MinMatchXCount = 4;
    uint8_t MaxMatchXCount = 7;
    TCombosAComboArriveEvent OnAComboDoneShowing;

    TCombos();
    // The largest number of cleared cells that share one element decides the label.
    void CheckCombo(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits);
    void Tick();
    void Clear();
    int ActiveCount() const;

    struct TComboLabel {
        bool Active = false;
        uint8_t MatchXCount = 0;
        TPoint Pos;
        int ShownMs = 0;
        int Alpha = 0;
        TSpritePopper Pop;
    };
    const TComboLabel& Label(int index) const { return labels_[index]; }

private:
    void Draw(const TComboLabel& label) const;

    std::array<TComboLabel, Slots> labels_;
    TValueUpDown tilt_;
    TValueUpDown pulse_;
};
