#pragma once
// TGameButton: a picture that clicks. Pattern 0 is its enabled look, pattern 1 its disabled
// look; it shrinks a little while held down and glows yellow while the mouse is over it.
#include "engine/WidgetBasics.h"

#include <functional>
#include <string>

class TGameButton {
public:
    std::string ImageName;
    int Left = 0;
    int Top = 0;
    bool Visible = true;
    bool Enabled = true;
    int Tag = 0;
    float PushedSizeRatio = 0.97f;
    int HighlightAlpha = 50;
    std::function<void()> OnClick;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void()> OnMouseRangeOn;
    std::function<void()> OnMouseRangeOff;

    // The hit area becomes the tile size of the picture (once pictures are bound).
    void TakeSize();
    bool HitTest(int x, int y) const;
    void Press(int x, int y, TMouseButton button);
    void Hover(int x, int y);
    void Release(int x, int y);
    void RangeOnCheck(int x, int y);
    void RangeOffCheck(int x, int y);
    void Draw(int alpha);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Hovered() const { return mouse.Hovered; }
    bool Pressed() const { return mouse.Pressed; }

private:
    static constexpr int DefaultWidth = 100;
    static constexpr int DefaultHeight = 50;

    // Only a visible, enabled button hears the mouse.
    bool Listening() const { return Visible && Enabled; }

    int width = DefaultWidth;
    int height = DefaultHeight;
    TWidgetMouse mouse;
};
