#pragma once
// The splash (gsSplash): the sunny bay and the loading bar. After a short rest the game's main
// pictures load a few a frame, the bar counting each one, so the window keeps drawing and
// answering; once they are all in, a press (or Enter, Space, Escape) goes on.
#include "app/scenes/Scene.h"
#include "engine/ImageSetLoader.h"
#include "engine/LoadingBarClass.h"

#include <functional>

class TOmegaImageList;

class TSplashScene : public TScene {
public:
    // Frames the splash shows before the main pictures start to load: enough for the bay to be
    // on screen, since the load no longer holds the window up.
    static constexpr int RestFrames = 2;
    // A frame of decoding or two on a modest machine: the bar still moves and the window answers.
    static constexpr int PicturesPerFrame = 24;

    // Start: begin loading the main set into the loader. Loaded: every main picture is in.
    // Continue: the player pressed once they were.
    std::function<void()> OnStartLoading;
    std::function<void()> OnLoaded;
    std::function<void()> OnContinue;
    // The splash is left for the scene given.
    std::function<void(TGameSceneValues to)> OnLeave;

    TSplashScene(TImageSetLoader& loader, TOmegaImageList& pictures);

    // The splash's own pictures are in: the bar takes its size from them.
    void Prepare();
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    // Enter or Space as a press.
    void Key(const TPlatformEvent& event) override;
    void Leave(TGameSceneValues to) override {
        if (OnLeave) OnLeave(to);
    }
    bool Ready() const { return ready_; }
    const TLoadingBar& LoadingBar() const { return loadingBar_; }

private:
    void LoadStep();
    void Continue();

    TImageSetLoader& loader_;
    TOmegaImageList& pictures_;
    TLoadingBar loadingBar_;
    int frames_ = 0;
    bool loading_ = false;
    bool ready_ = false;
};
