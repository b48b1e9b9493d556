#pragma once
// The question (gsConfirmWindow): the confirm window drops in over the scene it was asked from,
// the player answers, and once the window has gone the asker hears the answer.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameConfirmWindowClass.h"

#include <functional>

class TConfirmScene : public TScene {
public:
    // Where the window stands.
    static constexpr int WindowLeft = 480;
    static constexpr int WindowTop = 290;

    explicit TConfirmScene(const TGameServices& services);

    void TakeSizes();
    // Shows the question over `backdrop`; the scene must already be gsConfirmWindow.
    void Ask(TConfirmKind kind, TGameSceneValues backdrop, std::function<void(bool)> answered);

    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    TConfirmKind Kind() const { return services_.Flow.ConfirmKind; }
    TGameSceneValues Backdrop() const { return backdrop_; }
    const TGameConfirmWindow& Window() const { return window_; }

private:
    TGameServices services_;
    TGameConfirmWindow window_;
    TGameSceneValues backdrop_ = gsMenu;
    std::function<void(bool)> answered_;
};
