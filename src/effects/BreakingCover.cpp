#include "effects/BreakingCover.h"

#include "engine/ImageDrawing.h"

void TBreakingCover::TakeSize() {
    const TPoint size = ImageTileSize(picture_);
    if (size.X <= 0 || size.Y <= 0) return;
    OrigWidth = size.X;
    OrigHeight = size.Y;
}

void TBreakingCover::StartAt(TPoint pos, uint8_t level) {
    slots_[next_] = {true, pos, 0, static_cast<float>(OrigWidth), level};
    next_ = (next_ + 1) % Capacity;
}

void TBreakingCover::Tick() {
    if (!Visible) return;
    const int last = static_cast<int>(sequence_.size());
    for (TSlot& slot : slots_) {
        if (!slot.Active) continue;
        slot.Step = std::min(last, slot.Step + 1);
        // Still drawn on its last step.
        if (slot.Step == last) slot.Active = false;
        slot.Size += GrowStep;
        const float scaleX = slot.Size / static_cast<float>(std::max(1, OrigWidth));
        const float scaleY = slot.Size / static_cast<float>(std::max(1, OrigHeight));
        DrawImage(picture_, slot.Pos.X + drawOffset_.X, slot.Pos.Y + drawOffset_.Y, 0, 0.5f, 0.5f,
                  scaleX, scaleY, 255, 255, 255, 255, Pattern(slot));
    }
}

int TBreakingCover::Pattern(const TSlot& slot) const {
    const int digit = sequence_[slot.Step - 1] - '0';
    return slot.Level >= 2 ? digit + levelShift_ : digit - 1;
}

void TBreakingCover::Clear() {
    for (TSlot& slot : slots_) slot.Active = false;
}

int TBreakingCover::ActiveCount() const {
    int count = 0;
    for (const TSlot& slot : slots_) count += slot.Active ? 1 : 0;
    return count;
}
