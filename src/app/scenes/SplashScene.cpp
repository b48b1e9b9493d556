#include "app/scenes/SplashScene.h"

#include "app/scenes/SceneInput.h"
#include "engine/ImageDrawing.h"
#include "engine/OmegaImageList.h"
#include "engine/PictureNames.h"

TSplashScene::TSplashScene(TImageSetLoader& loader, TOmegaImageList& pictures)
    : loader_(loader), pictures_(pictures) {
    loadingBar_.OmgImgList = &pictures_;
}

void TSplashScene::Prepare() {
    loadingBar_.TakeSize();
}

void TSplashScene::Frame() {
    DrawImage(Pictures::SplashBG, 0, 0, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    loadingBar_.Draw();
    if (ready_) return;
    if (!loading_ && ++frames_ > RestFrames) {
        loading_ = true;
        if (OnStartLoading) OnStartLoading();
        // One list both counts and loads, so the bar always reaches its end.
        loadingBar_.ImageCountToLoad = loader_.ImageCount();
    }
    if (loading_) LoadStep();
}

void TSplashScene::LoadStep() {
    const int before = loader_.LoadedCount();
    const bool finished = loader_.LoadNext(pictures_, PicturesPerFrame);
    for (int i = before; i < loader_.LoadedCount(); ++i) loadingBar_.ImageLoaded();
    if (!finished) return;
    if (OnLoaded) OnLoaded();
    ready_ = true;
}

void TSplashScene::Mouse(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::MouseDown) Continue();
}

// Nothing goes on before every picture is in.
void TSplashScene::Continue() {
    if (!ready_) return;
    loadingBar_.SlideAway();
    if (OnContinue) OnContinue();
}

void TSplashScene::Key(const TPlatformEvent& event) {
    if (GoesOn(event)) Continue();
}
