#pragma once
// The help page (gsHelp), from the menu or from the round's menu: the page fades in over the
// whole screen, Done goes back where help was opened. Opened from the menu, the page also
// shows the extras page in small, a click away.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/WidgetBasics.h"

#include <functional>

class THelpScene : public TScene {
public:
    // The page's alpha rises this much a tick; it shows once above ShowAlpha.
    static constexpr int AlphaStep = 20;
    static constexpr int ShowAlpha = 10;
    // The extras page in small in the page's free top-left corner.
    static constexpr TPoint ExtrasLinkPos{24, 8};
    static constexpr float ExtrasLinkScale = 0.11f;

    // Back into the round: its pause as it was before the menu.
    std::function<void()> OnBackToRound;

    explicit THelpScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameButton& DoneButton() const { return doneButton_; }
    int PageAlpha() const { return alpha_; }
    bool ExtrasLinkShown() const;
    TPoint ExtrasLinkCentre() const;

private:
    // The small extras page: a click takes the player there.
    struct TExtrasLink {
        TWidgetMouse Mouse;
        std::function<void()> OnClick;
        bool Inside(int x, int y) const;
        void Hover(int x, int y) { Mouse.Hover(Inside(x, y)); }
        void Press(int x, int y, TMouseButton button) { Mouse.Press(Inside(x, y), button); }
        void Release(int x, int y);
    };

    void DoneClick();
    void DrawExtrasLink() const;

    TGameServices services_;
    TGameButton doneButton_;
    TExtrasLink extrasLink_;
    int alpha_ = 0;
    // Ticks since the page came, for the dust's frames.
    int ticks_ = 0;
};
