#include "engine/GameConfirmWindowClass.h"

#include "engine/GlobalGameTextClass.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"

namespace {

// How the inner window slides: down from above the screen.
constexpr int WindowHidingYPos = -190;
constexpr int WindowMoveStep = 85;

constexpr float TitleRatio = 0.85f;
constexpr float DescsRatio = 0.6f;
constexpr int TextSpacing = -1;
constexpr int TextAlpha = 255;
constexpr int NoWidthLimit = 0;
constexpr int White = 0;
constexpr int Black = 3;
constexpr int ButtonAlpha = 255;

// Lines of the confirm texts for each question; 0 for none.
struct TConfirmTexts {
    int Kind;
    int Title;
    int FirstDescription;
    int SecondDescription;
};

constexpr TConfirmTexts ConfirmTexts[] = {
    {0, 1, 2, 0},    {1, 8, 9, 0}, {2, 11, 12, 0}, {3, 18, 19, 20}, {4, 18, 19, 20},
    {6, 14, 15, 16}, {7, 4, 5, 6}, {8, 4, 5, 6},   {9, 22, 23, 24},
};

TConfirmTexts TextsOf(int kind) {
    for (const TConfirmTexts& texts : ConfirmTexts)
        if (texts.Kind == kind) return texts;
    return {kind, 0, 0, 0}; // any other kind asks with no text
}

std::string_view PictureOf(TPositiveButtonKind kind) {
    return kind == pbOK ? Pictures::WindowOKButton : Pictures::WindowYesButton;
}

std::string_view PictureOf(TNegativeButtonKind kind) {
    return kind == nbCancel ? Pictures::WindowCancelButton : Pictures::WindowNoButton;
}

} // namespace

TGameConfirmWindow::TGameConfirmWindow() {
    CreateParts();
}

void TGameConfirmWindow::CreateParts() {
    window.WindowImg = Pictures::ConfirmWindow;
    window.OmgImgList = OmgImgList;
    window.Left = Left;
    window.Top = Top;
    window.HidingYPos = WindowHidingYPos;
    window.ShowDir = sdToDown;
    window.MoveStep = WindowMoveStep;
    window.OnStartShowing = [this] { Raise(OnStartShowing); };
    window.OnStartHiding = [this] { Raise(OnStartHiding); };
    window.OnHidingComplete = [this] {
        if (OnHidingComplete) OnHidingComplete(answer);
    };
    window.OnPosUpdate = [this](TPoint newPos) { PlaceButtons(newPos); };
    for (TGameButton* button : {&positiveButton, &negativeButton}) {
        button->Left = ParkedPosition;
        button->Top = ParkedPosition;
    }
    positiveButton.OnClick = [this] { Answered(true); };
    negativeButton.OnClick = [this] { Answered(false); };
    SetPositiveButtonKind(positiveKind);
    SetNegativeButtonKind(negativeKind);
}

void TGameConfirmWindow::SetPositiveButtonKind(TPositiveButtonKind kind) {
    positiveKind = kind;
    positiveButton.ImageName = PictureOf(kind);
}

void TGameConfirmWindow::SetNegativeButtonKind(TNegativeButtonKind kind) {
    negativeKind = kind;
    negativeButton.ImageName = PictureOf(kind);
}

void TGameConfirmWindow::Show(int kind, TPositiveButtonKind positive,
                              TNegativeButtonKind negative) {
    SetPositiveButtonKind(positive);
    SetNegativeButtonKind(negative);
    confirmKind = kind;
    FillTexts();
    answer = false;
    window.Show();
}

void TGameConfirmWindow::FillTexts() {
    const TConfirmTexts lines = TextsOf(confirmKind);
    const auto entry = [this](int line) {
        return TextStringsComp == nullptr || line == 0 ? std::string()
                                                       : TextStringsComp->GameConfirms(line);
    };
    title = entry(lines.Title);
    firstDescription = entry(lines.FirstDescription);
    secondDescription = entry(lines.SecondDescription);
}

void TGameConfirmWindow::TakeSize() {
    positiveButton.TakeSize();
    negativeButton.TakeSize();
}

void TGameConfirmWindow::Press(int x, int y, TMouseButton button) {
    positiveButton.Press(x, y, button);
    negativeButton.Press(x, y, button);
}

void TGameConfirmWindow::Hover(int x, int y) {
    positiveButton.Hover(x, y);
    negativeButton.Hover(x, y);
}

void TGameConfirmWindow::Release(int x, int y) {
    positiveButton.Release(x, y);
    negativeButton.Release(x, y);
}

void TGameConfirmWindow::PlaceButtons(TPoint windowPos) {
    positiveButton.Left = windowPos.X + PositiveButtonOffset.X;
    positiveButton.Top = windowPos.Y + PositiveButtonOffset.Y;
    negativeButton.Left = windowPos.X + NegativeButtonOffset.X;
    negativeButton.Top = windowPos.Y + NegativeButtonOffset.Y;
}

void TGameConfirmWindow::Answered(bool positive) {
    // One answer per question: a click on the window on its way out changes nothing.
    if (window.State() == mwsHiding || window.State() == mwsHidden) return;
    answer = positive;
    Raise(positive ? OnPositiveButtonClick : OnNegativeButtonClick);
    window.Hide();
}

void TGameConfirmWindow::Draw() {
    window.Update();
    window.Draw();
    DrawTexts();
    positiveButton.Draw(ButtonAlpha);
    negativeButton.Draw(ButtonAlpha);
}

void TGameConfirmWindow::DrawTexts() const {
    if (GlobGameText == nullptr) return;
    const TPoint at = window.Position();
    const int titleWidth = GlobGameText->TextWidth(title, TextSpacing, TitleRatio);
    GlobGameText->DrawText(at.X + TitleOffset.X + (TitleAreaWidth - titleWidth) / 2,
                           at.Y + TitleOffset.Y, title, TitleRatio, TextSpacing, TextAlpha,
                           NoWidthLimit, Black);
    // Both lines start where the first one is centred.
    const int descsWidth = GlobGameText->TextWidth(firstDescription, TextSpacing, DescsRatio);
    const int x = at.X + DescsOffset.X + (DescsAreaWidth - descsWidth) / 2;
    const int y = at.Y + DescsOffset.Y;
    const int halfGap = secondDescription.empty() ? 0 : DescsGap / 2;
    GlobGameText->DrawText(x, y - halfGap, firstDescription, DescsRatio, TextSpacing, TextAlpha,
                           NoWidthLimit, White);
    if (!secondDescription.empty())
        GlobGameText->DrawText(x, y + halfGap, secondDescription, DescsRatio, TextSpacing,
                               TextAlpha, NoWidthLimit, White);
}
