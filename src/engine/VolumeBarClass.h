#pragma once
// TVolumeBar: a volume 0..100 shown as a fill under a glass. The fill slides towards a new
// volume 2 pixels a tick; "VolumeFill" holds the disabled fill above the enabled one. Its plus
// and minus buttons change it: the bar itself has no mouse handling.
#include "engine/Geometry.h"

class TOmegaImageList;

class TVolumeBar {
public:
    static constexpr int MaxPosition = 100;
    // Pixels the shown fill moves a tick.
    static constexpr int FillStep = 2;

    int FillWidth = 123;
    int FillHeight = 11;
    TOmegaImageList* OmgImgList = nullptr;
    int Left = 0;
    int Top = 0;
    bool Enabled = true;

    // FillWidth from the fill picture's tile width, FillHeight from half its tile height.
    void TakeSize();
    int Position() const { return position; }
    // Clamps to 0..100; the fill then slides to the new width.
    void SetPosition(int value);
    // As SetPosition, with the fill there at once.
    void SetPositionNow(int value);
    // One tick: the fill moves on, then the fill and the glass are drawn.
    void Draw();

    int ShownWidth() const { return shownWidth; }
    int TargetWidth() const { return targetWidth; }

private:
    static constexpr TPoint FillOffset{0, 0};
    static constexpr TPoint GlassOffset{-1, 0};

    void DrawFill();
    void DrawGlass();

    int position = 0;
    int shownWidth = 0;
    int targetWidth = 0;
};
