#include "app/scenes/BookTeaching.h"

#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

// Only island 1's first level leads to the book's step.
constexpr uint8_t FirstIsland = 1;
constexpr int FirstLevel = 1;
// The book asks for its step as island 0, level 0.
constexpr uint8_t BookIsland = 0;
constexpr int BookLevel = 0;

// The book's tips in the order they teach.
constexpr TBookToolTip TipOrder[] = {btTutorialDone, btProgress, btSailOn};
constexpr int WorksTip = 25;
constexpr int ProgressTip = 26;
constexpr int PlayTip = 27;

} // namespace

TBookTeaching::TBookTeaching(const TGameServices& services) : services_(services) {
    ConnectTeaching(Tutorial, ToolTip, services_, [this] {
        if (OnStepClosed) OnStepClosed();
    });
    ToolTip.OnPointingPosRequest = [this](int tip, TPoint& point) { point = PointOf(tip); };
    ToolTip.OnButtonPosChange = [this](int x, int y) {
        tipOk_.Left = x;
        tipOk_.Top = y;
    };
    stepOk_.ImageName = Pictures::TutorialOKButton;
    stepOk_.Left = Tutorial.Left + StepOkOffset.X;
    stepOk_.Top = Tutorial.Top + StepOkOffset.Y;
    stepOk_.OnClick = [this] { Tutorial.Finish(); };
    tipOk_.ImageName = Pictures::TutorialOKButton;
    tipOk_.OnClick = [this] { ToolTip.Finish(); };
}

void TBookTeaching::TakeSizes() {
    stepOk_.TakeSize();
    tipOk_.TakeSize();
}

bool TBookTeaching::StartStep(uint8_t islandIdx, int levelIdx) {
    panelsIn_ = false;
    SyncTeachingWithPlayer(Tutorial, ToolTip, services_.Player);
    if (islandIdx != FirstIsland || levelIdx != FirstLevel ||
        !Tutorial.HasStep(BookIsland, BookLevel, false))
        return false;
    Tutorial.Start(BookIsland, BookLevel, false);
    return true;
}

void TBookTeaching::PanelsIn() {
    panelsIn_ = true;
}

void TBookTeaching::Stop() {
    if (Tutorial.Open()) services_.Host.StopVoices();
    Tutorial.Reset();
    ToolTip.Reset();
    panelsIn_ = false;
}

// One tip at a time, each after the last has faded: a tip asked for while another still shows
// would be lost.
void TBookTeaching::ShowNextTip() {
    if (!panelsIn_ || Tutorial.Showing() || ToolTip.Showing()) return;
    SyncTeachingWithPlayer(Tutorial, ToolTip, services_.Player);
    if (!Tutorial.Shown(TMirelaTutorial::BookStep)) return;
    for (const TBookToolTip kind : TipOrder) {
        ToolTip.BookTip(kind);
        if (ToolTip.Showing()) return;
    }
}

TPoint TBookTeaching::PointOf(int tip) const {
    switch (tip) {
    case WorksTip:
        return Targets.Works;
    case ProgressTip:
        return Targets.Progress;
    case PlayTip:
        return Targets.Play;
    default:
        return {};
    }
}

void TBookTeaching::Frame() {
    ShowNextTip();
    Tutorial.UpdateAndDraw();
    guide_.Draw(Tutorial);
    if (Tutorial.Open()) stepOk_.Draw(FullChannel);
    ToolTip.UpdateAndDraw();
    if (ToolTip.Open()) tipOk_.Draw(FullChannel);
}

bool TBookTeaching::Mouse(const TPlatformEvent& event) {
    if (Tutorial.Open()) {
        RouteMouse(event, stepOk_);
        return true;
    }
    if (ToolTip.Open()) {
        RouteMouse(event, tipOk_);
        return true;
    }
    return false;
}

bool TBookTeaching::Key(const TPlatformEvent& event) {
    if (!Open()) return false;
    if (TeachingKeyOf(event) == TTeachingKey::Answer) {
        if (Tutorial.Open())
            Tutorial.Finish();
        else
            ToolTip.Finish();
    }
    return true;
}
