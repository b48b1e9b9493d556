#pragma once
// The high scores (gsHighScores), from the menu: the window drops in over the menu with the
// five best players and their scores, and OK takes it away again.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

#include <string>

class THighScoresScene : public TScene {
public:
    static constexpr TPoint WindowSize{380, 310};
    // The scale the lines are drawn and measured at.
    static constexpr float LineRatio = 0.68f;

    explicit THighScoresScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    // Rank 1..5 as shown: "1. NAME - 5000", a long name shortened to fit.
    std::string Line(int rank) const;
    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& OkButton() const { return okButton_; }

private:
    void DrawTable(TPoint windowPos) const;

    TGameServices services_;
    TGameMenuWindow window_;
    TGameButton okButton_;
};
