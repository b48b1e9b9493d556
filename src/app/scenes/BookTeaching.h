#pragma once
// Mirela's teaching in the haven book: after the first won level her book step, then the tips
// that point at the works, the progress tube and Play, one after another as each is answered
// (and, if the game was closed between them, the rest on the next visit). While a step or a tip
// shows only its OK hears the player.
#include "app/GameServices.h"
#include "app/scenes/Teaching.h"
#include "engine/GameButtonClass.h"
#include "platform/PlatformEvents.h"

#include <functional>

// Where the book's tips point.
struct TBookTargets {
    TPoint Works;
    TPoint Progress;
    TPoint Play;
};

class TBookTeaching {
public:
    // The book's step has been answered: the book's panels may come.
    std::function<void()> OnStepClosed;

    explicit TBookTeaching(const TGameServices& services);

    // Where the tips point; the book places them once its pictures are measured.
    TBookTargets Targets{};

    void TakeSizes();
    // On entering the book after the level played: the book's step when the level was island
    // 1's first and the player has not seen it. True when it starts; the panels then wait.
    bool StartStep(uint8_t islandIdx, int levelIdx);
    // The book's panels are in: the next tip of the book the player has not seen, once the
    // book's step has been.
    void PanelsIn();
    // Closed at once, without a word more, when the book is left.
    void Stop();
    bool Open() const { return Tutorial.Open() || ToolTip.Open(); }

    void Frame();
    // True when a step or tip takes the event.
    bool Mouse(const TPlatformEvent& event);
    bool Key(const TPlatformEvent& event);

    TMirelaTutorial Tutorial;
    TTutorialToolTip ToolTip;
    const TGameButton& StepOkButton() const { return stepOk_; }
    const TGameButton& TipOkButton() const { return tipOk_; }

private:
    TPoint PointOf(int tip) const;
    void ShowNextTip();

    TGameServices services_;
    TGameButton stepOk_;
    TGameButton tipOk_;
    TGuideDrawing guide_;
    bool panelsIn_ = false;
};
