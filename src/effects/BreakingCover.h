#pragma once
// What the web tearing and the chain breaking share: a ring of slots, each playing a frame
// sequence once at a cell while the sprite grows a little.
#include "board/GameData.h"

#include <array>
#include <string_view>

class TBreakingCover {
public:
    static constexpr int Capacity = 20;
    static constexpr float GrowStep = 0.8f;

    bool Visible = true;
    // Taken from the picture once pictures are bound.
    int OrigWidth = 45;
    int OrigHeight = 45;

    void TakeSize();
    void Tick();
    void Clear();
    int ActiveCount() const;

    struct TSlot {
        bool Active = false;
        TPoint Pos;
        int Step = 0;
        float Size = 0;
        uint8_t Level = 1;
    };
    const TSlot& Slot(int index) const { return slots_[index]; }

protected:
    // `sequence`: one digit a tick, the picture's pattern + 1; `drawOffset` from the slot's
    // position; `levelShift`: patterns a second-level blow adds.
    TBreakingCover(std::string_view picture, std::string_view sequence, TPoint drawOffset,
                   int levelShift)
        : picture_(picture), sequence_(sequence), drawOffset_(drawOffset), levelShift_(levelShift) {
    }
    // The next slot of the ring starts (again) at `pos`.
    void StartAt(TPoint pos, uint8_t level);

private:
    int Pattern(const TSlot& slot) const;

    std::string_view picture_;
    std::string_view sequence_;
    TPoint drawOffset_;
    int levelShift_;
    std::array<TSlot, Capacity> slots_{};
    int next_ = 0;
};
