#pragma once
// TNameInput: the one-line editor of a new player's name. It takes typed characters of the name
// alphabet in capitals, at most 16, and shows the end of the name with a blinking caret.
#include "engine/TextKinds.h"

#include <functional>
#include <string>

class TOmegaImageList;

class TNameInput {
public:
    // Characters that edit rather than type.
    static constexpr char Backspace = 8;
    static constexpr char Enter = 13;

    int Left = 0;
    int Top = 0;
    std::function<void()> OnEntryConfirmed;
    int BlinkInterval = 350;
    TOmegaImageList* OmgImgList = nullptr;
    int MaxPrintEntryPixelLength = 327;
    float LetterSizeRatio = 0.85f;
    TGameFontKind FontKind = fkAirstripNormal;

    // One typed Latin-1 character.
    void KeyPress(char character);
    void SetText(const std::string& name);
    const std::string& Text() const { return name; }
    // Empty or only spaces: no name to add.
    bool IsBlank() const;
    // One tick: the caret blinks and the display string follows the name.
    void Update();

    // What the form draws: the end of the name that fits, and the caret while it is visible.
    const std::string& DisplayString() const { return displayString; }
    bool CaretVisible() const { return caretVisible; }

private:
    static constexpr char Caret = '|';

    void UpdateDisplayString();

    bool caretVisible = true;
    int blinkTime = 0;
    std::string name;
    std::string displayString;
};
