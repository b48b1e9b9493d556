#include "app/scenes/RoundOverlayScenes.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/Teaching.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

// ---- the objective ----------------------------------------------------------------------------

void TObjectiveScene::DrawOver() {
    if (!round_.GamePause()) round_.ObjectiveInfo.Update();
    round_.ObjectiveInfo.Draw();
}

void TObjectiveScene::Mouse(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::MouseDown) round_.ObjectiveInfo.Press();
}

// ---- the tutorial -----------------------------------------------------------------------------

TTutorialScene::TTutorialScene(const TGameServices& services, TMainGameScene& round,
                               TTeachingPart part)
    : TRoundOverlayScene(services, round), part_(part) {
    okButton_.ImageName = Pictures::TutorialOKButton;
    if (part_ == tpTutorialStep) {
        okButton_.Left = round_.Tutorial.Left + StepOkOffset.X;
        okButton_.Top = round_.Tutorial.Top + StepOkOffset.Y;
        okButton_.OnClick = [this] { round_.CloseTutorial(); };
    } else {
        // The tip's button moves with the tip.
        round_.ToolTip.OnButtonPosChange = [this](int x, int y) {
            okButton_.Left = x;
            okButton_.Top = y;
        };
        okButton_.OnClick = [this] { round_.CloseToolTip(); };
    }
}

void TTutorialScene::DrawOver() {
    okButton_.Draw(FullChannel);
}

void TTutorialScene::Key(const TPlatformEvent& event) {
    switch (TeachingKeyOf(event)) {
    case TTeachingKey::Answer:
        if (okButton_.OnClick) okButton_.OnClick();
        return;
    case TTeachingKey::HeldBack:
        return;
    case TTeachingKey::Other:
        round_.Key(event);
        return;
    }
}

void TTutorialScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, round_.InGameMenuButton, okButton_);
}
