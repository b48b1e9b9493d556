#include "effects/CollectorBombToolClass.h"

#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <string_view>

namespace {
// Hook pictures: 0 locked, 1 ready, 2 ready and glowing, 3 in the hand.
constexpr int LockedPattern = 0;
constexpr int ReadyPattern = 1;
constexpr int GlowingPattern = 2;
constexpr int CarriedPattern = 3;
constexpr int GlowTicks = 15; // a ready tool glows and rests this long, in turn

std::string_view PictureOf(TNewToolKind kind) {
    switch (kind) {
    case tlBomb:
        return Pictures::BombTool;
    case tlBlaster:
        return Pictures::CollectorTool;
    default:
        return Pictures::HammerTool;
    }
}
} // namespace

void TCollectorBombTool::Reset() {
    PutDown();
    Enabled = false;
    Accessible = false;
    fruitColIdx_ = 0;
}

void TCollectorBombTool::Examine(TPoint tile, bool& openable, bool& blank) {
    openable = false;
    blank = !IsBoardCell(tile);
    if (OnObjectOpenableAsk) OnObjectOpenableAsk(tile, openable, blank);
    fruitColIdx_ = 0;
    if (OnTilePosChange) OnTilePosChange(blank ? TPoint{} : tile, openable, fruitColIdx_);
}

void TCollectorBombTool::MouseDown(int x, int y, TMouseButton button) {
    if (!TakesMouse()) return;
    if (Phase() == tpHanging) {
        if (button == mbLeft && Enabled && OnHangPlace(x, y)) {
            PlaySound("PickingTool");
            PickUp(x, y);
            if (OnPick) OnPick();
        }
        return;
    }
    if (Phase() != tpCarried) return;
    if (button == mbRight || OnHangPlace(x, y)) {
        PutBack();
        return;
    }
    if (button != mbLeft) return;
    Follow(x, y);
    const TPoint tile = TileUnder({x, y});
    bool openable = false, blank = true;
    Examine(tile, openable, blank);
    if (blank) {
        PutBack();
    } else if (openable) {
        const TPoint toolPos = Pos();
        PutDown();
        if (OnClick) OnClick(tile, toolPos);
    } else {
        PlaySound("DisabledTile");
    }
}

// The tool leaves the board: nothing stays selected or highlighted.
void TCollectorBombTool::PutBack() {
    fruitColIdx_ = 0;
    if (OnTilePosChange) OnTilePosChange({}, false, fruitColIdx_);
    Return();
}

void TCollectorBombTool::MouseMove(int x, int y) {
    if (!TakesMouse() || Phase() != tpCarried) return;
    Follow(x, y);
    bool openable = false, blank = true;
    Examine(TileUnder({x, y}), openable, blank);
}

void TCollectorBombTool::UpdateAndDraw() {
    // A tool whose energy has gone, or that the round has taken away, leaves the hand.
    if (Active() && (!Enabled || !TakesMouse())) PutBack();
    StepReturn();
    if (!Available) return;
    glowTicks_ = (glowTicks_ + 1) % (2 * GlowTicks);
    DrawTool(PictureOf(ToolKind), Pattern());
}

int TCollectorBombTool::Pattern() const {
    if (Phase() != tpHanging) return CarriedPattern;
    if (!Enabled) return LockedPattern;
    return glowTicks_ < GlowTicks ? GlowingPattern : ReadyPattern;
}
