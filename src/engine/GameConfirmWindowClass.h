#pragma once
// TGameConfirmWindow: a question that drops in from above, with its title and up to two lines
// of description from the confirm texts, and a positive and a negative button. Either button
// answers and sends the window back up; the owner hears the answer when it has gone.
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"

#include <functional>
#include <string>

class TGlobalGameText;
class TTextStrings;

using TConfirmWindowHidingCompleteEvent = std::function<void(bool positiveAnswer)>;

class TGameConfirmWindow {
public:
    // Where the parts sit on the window, and the width the texts are centred in.
    static constexpr TPoint PositiveButtonOffset{69, 135};
    static constexpr TPoint NegativeButtonOffset{227, 135};
    static constexpr TPoint TitleOffset{40, 27};
    static constexpr TPoint DescsOffset{26, 85};
    static constexpr int TitleAreaWidth = 350;
    static constexpr int DescsAreaWidth = 370;

    TGameConfirmWindow();
    TGameConfirmWindow(const TGameConfirmWindow&) = delete;
    TGameConfirmWindow& operator=(const TGameConfirmWindow&) = delete;

    TOmegaImageList* OmgImgList = nullptr;
    const TGlobalGameText* GlobGameText = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    int Left = 0;
    int Top = 0;
    int DescsGap = 26;
    std::function<void()> OnStartShowing;
    std::function<void()> OnStartHiding;
    TConfirmWindowHidingCompleteEvent OnHidingComplete;
    std::function<void()> OnPositiveButtonClick;
    std::function<void()> OnNegativeButtonClick;

    // Sets up the inner window and parks the buttons, from Left, Top and OmgImgList: call it
    // again after changing them.
    void CreateParts();
    TPositiveButtonKind PositiveButtonKind() const { return positiveKind; }
    TNegativeButtonKind NegativeButtonKind() const { return negativeKind; }
    // Both also change the button's picture.
    void SetPositiveButtonKind(TPositiveButtonKind kind);
    void SetNegativeButtonKind(TNegativeButtonKind kind);

    // Asks the question of the confirm kind.
    void Show(int kind, TPositiveButtonKind positive, TNegativeButtonKind negative);
    void TakeSize();
    void Press(int x, int y, TMouseButton button);
    void Hover(int x, int y);
    void Release(int x, int y);
    // One tick: the window slides, then window, texts and buttons are drawn.
    void Draw();

    bool Answer() const { return answer; }
    int ConfirmKind() const { return confirmKind; }
    const std::string& Title() const { return title; }
    const std::string& FirstDescription() const { return firstDescription; }
    const std::string& SecondDescription() const { return secondDescription; }
    const TGameMenuWindow& Window() const { return window; }
    const TGameButton& PositiveButton() const { return positiveButton; }
    const TGameButton& NegativeButton() const { return negativeButton; }

private:
    void FillTexts();
    void PlaceButtons(TPoint windowPos);
    void Answered(bool positive);
    void DrawTexts() const;

    TGameMenuWindow window;
    TGameButton positiveButton;
    TGameButton negativeButton;
    TPositiveButtonKind positiveKind = pbYes;
    TNegativeButtonKind negativeKind = nbNo;
    std::string title;
    std::string firstDescription;
    std::string secondDescription;
    bool answer = false;
    int confirmKind = 0;
};
