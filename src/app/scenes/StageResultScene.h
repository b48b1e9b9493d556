#pragma once
// The results of a won round (gsStageResult): over the board the results window drops in with
// the medal and the round's statistics, which count up once it rests. Then the medal pops in,
// dust rises from the score as it counts and Mirela flies in to perch on the window; OK, or the
// window's own time, takes it away with her, and the sticker book comes behind the iris.
#include "app/scenes/RoundOverlayScenes.h"
#include "effects/ResultsCelebration.h"
#include "engine/GameMenuWindowClass.h"

class TStageResultScene : public TRoundOverlayScene {
public:
    static constexpr TPoint WindowRest{423, 169};
    static constexpr int ShownTimeMs = 15000;
    // Frames the statistics take to count up to their values.
    static constexpr int CountingTicks = 60;

    TStageResultScene(const TGameServices& services, TMainGameScene& round);

    void TakeSizes() { okButton_.TakeSize(); }
    void Enter(TGameSceneValues from) override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& OkButton() const { return okButton_; }
    const TResultsCelebration& Celebration() const { return celebration_; }
    // The statistics as the window shows them now.
    TRoundStats CountedStats() const;

private:
    void Place(TPoint windowPos);
    void DrawOver() override;
    void ShowingComplete();
    void HideWindow();
    void Count();
    void DrawStats(TPoint windowPos) const;

    TGameMenuWindow window_;
    TGameButton okButton_;
    TResultsCelebration celebration_;
    int countTicks_ = 0;
    bool counting_ = false;
};
