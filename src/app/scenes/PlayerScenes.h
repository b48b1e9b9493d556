#pragma once
// The players' windows: the player list over the menu (gsPlayerSelect) with New, Delete and OK,
// and the window that asks a new player's name, over the list (gsAddPlayer) or, at the very
// first start, over the splash (gsAddInitialPlayer).
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/GameMenuWindowClass.h"
#include "engine/NameInputClass.h"

class TPlayerSelectScene : public TScene {
public:
    static constexpr TPoint WindowRest{473, 170};

    explicit TPlayerSelectScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;
    // New while the list has room, Delete while it has a name.
    void RefreshButtons();

    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& NewButton() const { return newButton_; }
    const TGameButton& DeleteButton() const { return deleteButton_; }
    const TGameButton& OkButton() const { return okButton_; }

private:
    void Place(TPoint windowPos);
    void OkClick();
    void DeleteClick();

    TGameServices services_;
    TGameMenuWindow window_;
    TGameButton newButton_;
    TGameButton deleteButton_;
    TGameButton okButton_;
};

class TAddPlayerScene : public TScene {
public:
    static constexpr TPoint WindowRest{473, 250};
    // The developer keys open for a name typed exactly so.
    static constexpr const char* DeveloperModeCode = "GIZMO UP";

    // `initial`: the first player, asked over the splash, who cannot cancel.
    TAddPlayerScene(const TGameServices& services, bool initial);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;
    void Key(const TPlatformEvent& event) override;

    const TNameInput& NameInput() const { return nameInput_; }
    const TGameMenuWindow& Window() const { return window_; }
    const TGameButton& OkButton() const { return okButton_; }
    const TGameButton& CancelButton() const { return cancelButton_; }

private:
    void Place(TPoint windowPos);
    void OkClick();
    // The window has gone after OK: on to the menu, the list, or the duplicate-name question.
    void NameTaken(bool duplicate);
    void DrawTypedName() const;

    TGameServices services_;
    const bool initial_;
    TGameMenuWindow window_;
    TNameInput nameInput_;
    TGameButton okButton_;
    TGameButton cancelButton_;
    // What the window's hiding leads to, decided by the button that hid it.
    std::function<void()> afterHiding_;
};
