#include "engine/GameButtonClass.h"

#include "engine/ImageDrawing.h"
#include "engine/SoundByName.h"

namespace {

constexpr int EnabledPattern = 0;
constexpr int DisabledPattern = 1;
constexpr float CenteredOrigin = 0.5f;

} // namespace

void TGameButton::TakeSize() {
    const TPoint tile = ImageTileSize(ImageName);
    width = tile.X;
    height = tile.Y;
}

bool TGameButton::HitTest(int x, int y) const {
    return InsideArea(Left, Top, width, height, x, y);
}

void TGameButton::Press(int x, int y, TMouseButton button) {
    if (!Listening()) return;
    if (mouse.Press(HitTest(x, y), button)) PlaySound("Click");
}

void TGameButton::Hover(int x, int y) {
    if (!Listening()) return;
    switch (mouse.Hover(HitTest(x, y))) {
    case THoverChange::Entered:
        Raise(OnActivate);
        PlaySound("MouseOver");
        break;
    case THoverChange::Left:
        Raise(OnDeactivate);
        break;
    case THoverChange::None:
        break;
    }
}

void TGameButton::Release(int x, int y) {
    if (!Listening()) return;
    if (mouse.Release(HitTest(x, y))) Raise(OnClick);
}

void TGameButton::RangeOnCheck(int x, int y) {
    if (Visible && HitTest(x, y)) Raise(OnMouseRangeOn);
}

void TGameButton::RangeOffCheck(int x, int y) {
    if (Visible && !HitTest(x, y)) Raise(OnMouseRangeOff);
}

void TGameButton::Draw(int alpha) {
    if (!Visible) return;
    const int pattern = Enabled ? EnabledPattern : DisabledPattern;
    // A disabled button has no glow and no pushed look, even if the mouse stayed on it.
    const bool lit = Enabled && mouse.Hovered;
    const float scale = lit && mouse.Pressed ? PushedSizeRatio : 1.0f;
    DrawImage(ImageName, Left, Top, 0, CenteredOrigin, CenteredOrigin, scale, scale, FullChannel,
              FullChannel, FullChannel, ChannelByte(alpha), pattern);
    if (lit)
        DrawImageBlend(ImageName, Left, Top, 0, CenteredOrigin, CenteredOrigin, scale, scale,
                       FullChannel, FullChannel, 0, ChannelByte(HighlightAlpha), pattern,
                       BlendAdditiveAlpha);
}
