#include "effects/UseCountToolClass.h"

#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>

namespace {
// The counter's badge sits at the lower right of the hook.
constexpr TPoint CounterOffset{26, 26};
} // namespace

bool TUseCountTool::AddUse() {
    if (count_ >= MostUses) return false;
    ++count_;
    return true;
}

void TUseCountTool::SetCount(int count) {
    count_ = std::clamp(count, 0, MostUses);
}

bool TUseCountTool::SpendUse() {
    if (count_ <= 0) return false;
    --count_;
    return true;
}

void TUseCountTool::MouseDown(int x, int y, TMouseButton button) {
    if (!Enabled) return;
    if (Phase() == tpHanging) {
        if (button == mbLeft && count_ > 0 && OnHangPlace(x, y)) {
            PlaySound("PickingTool");
            PickUp(x, y);
            Hover(TileUnder({x, y}));
        }
        return;
    }
    if (Phase() != tpCarried) return;
    if (button == mbRight || (button == mbLeft && InPutBackArea(x, y))) {
        Hover({});
        Return();
    } else if (button == mbLeft) {
        Follow(x, y);
        Apply({x, y});
    }
}

void TUseCountTool::MouseMove(int x, int y) {
    if (!Enabled || Phase() != tpCarried) return;
    Follow(x, y);
    Hover(TileUnder({x, y}));
}

void TUseCountTool::UpdateAndDraw() {
    if (Phase() == tpApplying) StepApplying();
    StepReturn();
    DrawEffects();
    DrawTool(picture_, Phase() == tpApplying ? std::max(Anim.CurrentFrame(), 0) : 0);
    DrawCounter();
}

void TUseCountTool::DrawCounter() const {
    const TPoint at{HangPos.X + CounterOffset.X, HangPos.Y + CounterOffset.Y};
    DrawCentred(Pictures::ToolCounterBadge, at, 1, 255, 0);
    DrawCentred(Pictures::ToolCounter, at, 1, 255, count_);
}

namespace {
void Ask(const TUseCountTool::TTileQuestion& ask, TPoint tile, bool& usable, bool& blank) {
    usable = false;
    blank = !IsBoardCell(tile);
    if (ask) ask(tile, usable, blank);
}
} // namespace

void TUseCountTool::ReportTile(TPoint tile, const TTileQuestion& ask, const TTilePosEvent& report) {
    bool usable = false, blank = true;
    Ask(ask, tile, usable, blank);
    if (report) report(blank ? TPoint{} : tile, usable);
}

bool TUseCountTool::TakeTile(TPoint screen, const TTileQuestion& ask, TPoint& tile) {
    tile = TileUnder(screen);
    bool usable = false, blank = true;
    Ask(ask, tile, usable, blank);
    if (blank) {
        Return();
        return false;
    }
    if (usable && SpendUse()) return true;
    PlaySound("DisabledTile");
    return false;
}
