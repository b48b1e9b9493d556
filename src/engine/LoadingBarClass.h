#pragma once
// TLoadingBar: the splash screen's progress bar. It fills as the pictures load, its label pulses
// "loading" and then "done", and it sinks 40 pixels out of the way when the game goes on.
#include "engine/Geometry.h"
#include "engine/ValueUpDownClass.h"

#include <cstdint>

class TOmegaImageList;

enum TLoadingBarState : uint8_t { lbsSlidingAway = 1, lbsShown, lbsGone };

class TLoadingBar {
public:
    // How far the bar sinks while sliding away.
    static constexpr int SlideDistance = 40;

    TLoadingBar();

    TOmegaImageList* OmgImgList = nullptr;
    // The form sets it to the number of pictures to load plus 1.
    int ImageCountToLoad = 0;
    int FillWidth = 0;
    int FillHeight = 0;

    int Left() const { return left; }
    int Top() const { return top; }
    // Both also move the bar there.
    void SetLeft(int value);
    void SetTop(int value);

    // FillWidth and FillHeight from the tile size of the fill picture.
    void TakeSize();
    // One more picture is loaded.
    void ImageLoaded();
    void SlideAway() { state = lbsSlidingAway; }
    // One tick: the slide, then background, fill, glass and label.
    void Draw();

    bool LoadingFinished() const { return loadingFinished; }
    bool LoadingMinusOneFinished() const { return loadingMinusOneFinished; }
    TLoadingBarState State() const { return state; }
    int LoadedCount() const { return loadedCount; }
    TPoint Position() const { return {x, y}; }

private:
    void Slide();
    int ShownFillWidth() const;
    void DrawLabel();

    TLoadingBarState state = lbsShown;
    int left = 420;
    int top = 689;
    int x = left;
    int y = top;
    int loadedCount = 0;
    bool loadingFinished = false;
    bool loadingMinusOneFinished = false;
    TValueUpDown loadingPulse;
    TValueUpDown donePulse;
};
