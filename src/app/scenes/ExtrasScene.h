#pragma once
// The extras page (gsExtras): two links to the studio's pages, opened in the desktop's web
// browser, and Done back to the menu.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"

#include <array>

class TExtrasScene : public TScene {
public:
    static constexpr int LinkCount = 2;

    explicit TExtrasScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameButton& DoneButton() const { return doneButton_; }
    const TGameButton& LinkButton(int index) const { return links_[index]; }

private:
    const std::string& Address(int index) const;
    void DrawAddresses() const;

    TGameServices services_;
    TGameButton doneButton_;
    std::array<TGameButton, LinkCount> links_;
};
