// The round scene's frame and input; the round itself is in MainGameRound.cpp.
#include "app/scenes/MainGameScene.h"

#include "engine/PictureNames.h"

#include <string>

namespace {

// Where the score stands until the score counter has its own panel.
constexpr TPoint ScorePos{40, 744};
constexpr float ScoreTextRatio = 0.8f;

// The configured looks of a board comment.
struct TCommentLook {
    int WavingTime;
    int CenterAdjustX;
    int CenterAdjustY;
    int AdditionalHorzSpace;
    float LetterSizeRatio;
};
constexpr TCommentLook RoundCommentLook{1500, 25, -40, 0, 1.15f};
constexpr TCommentLook FlowerCommentLook{1500, 21, 85, 3, 0.75f};

void Configure(TGameComment& comment, const TTextStrings& texts, const TCommentLook& look) {
    comment.TextStringsComp = &texts;
    comment.LettersImg = std::string(Pictures::CommentFont);
    comment.SetShiftAdjListKind(slShorter);
    comment.WavingTime = look.WavingTime;
    comment.CenterAdjustX = look.CenterAdjustX;
    comment.CenterAdjustY = look.CenterAdjustY;
    comment.AdditionalHorzSpace = look.AdditionalHorzSpace;
    comment.LetterSizeRatio = look.LetterSizeRatio;
}

} // namespace

TMainGameScene::TMainGameScene(const TGameServices& services) : services_(services) {
    Configure(BoardComment1, services_.Texts, RoundCommentLook);
    Configure(BoardComment2, services_.Texts, FlowerCommentLook);
    WireBoardEvents();
    WireSpecialTileEvents();
    WireEffectEvents();
}

void TMainGameScene::TakeSizes() {
    BoardComment1.TakeSize();
    BoardComment2.TakeSize();
    ElementGather.TakeSizes();
}

void TMainGameScene::Frame() {
    // The board and its effects.
    GameBoard.UpdateAndDraw();
    RunCompletionsWithoutEffect();
    SwapEffect.Tick();
    GroupedElementsEffect.Tick();
    FallingElements.Tick();
    GameBoard.DrawHint();
    BoardComment1.Update();
    BoardComment2.Update();
    // The panels.
    DrawScore();
    // Gathering, then what flies over everything.
    ElementGather.UpdateAndDraw();
    FlowingElements.Tick();
}

void TMainGameScene::DrawScore() {
    services_.GameText.DrawText(ScorePos.X, ScorePos.Y, "SCORE " + std::to_string(Score),
                                ScoreTextRatio, 0, 255, 0, 0);
}

void TMainGameScene::Mouse(const TPlatformEvent& event) {
    switch (event.Kind) {
    case TEventKind::MouseDown:
        MouseDown(event);
        break;
    case TEventKind::MouseMove:
        MouseMove(event);
        break;
    case TEventKind::MouseUp:
        MouseUp(event);
        break;
    default:
        break;
    }
}

// The board does not take the mouse while its own blocking animation runs.
bool TMainGameScene::BoardBusy() const {
    return GameBoard.IsBlasterWaveEarly();
}

void TMainGameScene::MouseDown(const TPlatformEvent& event) {
    if (event.Button == mbLeft) GameBoard.SetMouseHeld(true);
    // A press hurries the round's announcement along.
    if (BoardComment1.State() == gcsWaving) BoardComment1.FinishWaving();
    if (!BoardBusy())
        GameBoard.MouseDown(event.X, event.Y, static_cast<TMouseButton>(event.Button));
}

// Dragging with the button held works like clicking every tile on the way.
void TMainGameScene::MouseMove(const TPlatformEvent& event) {
    if (GameBoard.MouseHeld() && !BoardBusy()) GameBoard.MouseDown(event.X, event.Y, mbLeft);
}

void TMainGameScene::MouseUp(const TPlatformEvent&) {
    GameBoard.SetMouseHeld(false);
}
