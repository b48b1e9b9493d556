#include "app/scenes/RoundOverlayScenes.h"

#include "app/scenes/SceneInput.h"
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

// The OK goes by the typed character: nothing of the key is left over for the round.
void TTutorialScene::Key(const TPlatformEvent& event) {
    constexpr uint8_t EnterChar = 13;
    if (event.Kind == TEventKind::KeyDown && (event.Key == TKey::Enter || event.Key == TKey::Space))
        return;
    if (event.Kind == TEventKind::KeyPress && (event.Char == EnterChar || event.Char == ' ')) {
        if (okButton_.OnClick) okButton_.OnClick();
        return;
    }
    round_.Key(event);
}

void TTutorialScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, round_.InGameMenuButton, okButton_);
}
