#include "app/scenes/RoundOverlayScenes.h"

#include "app/scenes/SceneInput.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

// The text and the OK button on the tutorial's panel.
constexpr TPoint TextOffset{36, 60};
constexpr int LineHeight = 34;
constexpr float TextRatio = 0.7f;
constexpr int TextMaxWidth = 340;
constexpr TPoint OkOffset{162, 400};
constexpr int White = 0;
constexpr char LineBreak = '|';

} // namespace

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
                               std::string text)
    : TRoundOverlayScene(services, round), text_(std::move(text)) {
    okButton_.ImageName = Pictures::TutorialOKButton;
    okButton_.Left = PanelPos.X + OkOffset.X;
    okButton_.Top = PanelPos.Y + OkOffset.Y;
    okButton_.OnClick = [this] { services_.Scene.SetValue(gsMainGame); };
}

void TTutorialScene::DrawOver() {
    DrawImage(Pictures::TutorialBlackRect, PanelPos.X, PanelPos.Y, 0, 0, 0, 1, 1, FullChannel,
              FullChannel, FullChannel, FullChannel, 0);
    int y = PanelPos.Y + TextOffset.Y;
    for (size_t start = 0; start <= text_.size(); y += LineHeight) {
        const size_t end = std::min(text_.find(LineBreak, start), text_.size());
        services_.GameText.DrawText(PanelPos.X + TextOffset.X, y, text_.substr(start, end - start),
                                    TextRatio, 0, FullChannel, TextMaxWidth, White);
        start = end + 1;
    }
    okButton_.Draw(FullChannel);
}

void TTutorialScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, round_.InGameMenuButton, okButton_);
}
