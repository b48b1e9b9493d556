#include "engine/NameInputClass.h"

#include "engine/BitmapFont.h"
#include "engine/GameGlobals.h"
#include "saves/PlayerNames.h"

void TNameInput::KeyPress(char character) {
    const char typed = UpperCaseNameChar(character);
    if (typed == Backspace) {
        if (!name.empty()) name.pop_back();
    } else if (typed == Enter) {
        if (OnEntryConfirmed) OnEntryConfirmed();
    } else if (IsNameChar(typed) && name.size() < PlayerNameLength) {
        name += typed;
    }
}

void TNameInput::SetText(const std::string& text) {
    name = text;
}

bool TNameInput::IsBlank() const {
    return IsBlankName(name);
}

void TNameInput::Update() {
    if (AdvanceTickTimer(blinkTime, BlinkInterval)) {
        blinkTime = 0;
        caretVisible = !caretVisible;
    }
    UpdateDisplayString();
}

void TNameInput::UpdateDisplayString() {
    constexpr int NoSpacing = 0;
    size_t start = 0;
    while (start < name.size() && TextWidth(FontKind, std::string_view(name).substr(start),
                                            NoSpacing, LetterSizeRatio) > MaxPrintEntryPixelLength)
        ++start;
    displayString = name.substr(start);
    if (caretVisible) displayString += Caret;
}
