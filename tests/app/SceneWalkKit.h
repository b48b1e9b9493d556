#pragma once
// The whole game on the null platform: the game's own content, a data folder of its own, the
// scene changes written down, and input as a player gives it (clicks on widgets, typing, keys).
#include "TempFolder.h"
#include "app/NullPlatform.h"
#include "app/UMain.h"
#include "engine/GameButtonClass.h"
#include "engine/GameGlobals.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TSceneWalk {
    TTempFolder Data;
    TNullPlatform Platform;
    std::unique_ptr<TFormMain> Form;
    // "scene: gsMenu", one line per change.
    std::vector<std::string> SceneLog;
    // --windowed or --fullscreen for the next Start().
    std::optional<bool> StartFullScreen;

    // A game whose data folder is empty (a first start), or `prepare` fills it first.
    explicit TSceneWalk(const char* name, uint64_t seed = 1) : Data(name) {
        SetRandomSeed(seed);
        Start();
    }
    ~TSceneWalk() {
        Form.reset();
        ReleaseRandomSeed();
    }
    TSceneWalk(const TSceneWalk&) = delete;
    TSceneWalk& operator=(const TSceneWalk&) = delete;

    // A new game on the same data folder, as the next run of the program would be.
    void Start() {
        Form.reset();
        TFormPlatform platform =
            Platform.For(std::string(TOVAN_GAME_DIR) + "/", "", Data.Path("data"));
        platform.SceneLog = [this](const std::string& line) { SceneLog.push_back(line); };
        platform.StartFullScreen = StartFullScreen;
        Form = std::make_unique<TFormMain>(platform);
        Form->FormShow();
    }
    std::string DataFile(const std::string& name) const { return Data.Path("data") + name; }

    TGameSceneValues Scene() const { return Form->Scene(); }
    // One loop pass a frame later: queued input first, then exactly one tick.
    void Tick() {
        Platform.Clock.AdvanceMs(GameTickMs + 1);
        Form->RunLoopPass();
    }
    void Ticks(int count) {
        for (int i = 0; i < count && !Form->Closing(); ++i) Tick();
    }
    // Ticks until the scene is `scene` with no transition running (and its window settled);
    // False after `limit` ticks.
    bool RunUntil(TGameSceneValues scene, int limit = 600) {
        for (int i = 0; i < limit; ++i) {
            if (Scene() == scene && !Form->TransitionActive()) {
                Ticks(SettleTicks);
                return Scene() == scene;
            }
            Tick();
        }
        return false;
    }

    void Push(TEventKind kind, TPoint at = {}, int button = 0) {
        Platform.PushMouse(kind, at, button);
    }
    // A press and a release on the point, then a few frames for what the click starts.
    void Click(TPoint at) {
        Push(TEventKind::MouseMove, at);
        Push(TEventKind::MouseDown, at);
        Push(TEventKind::MouseUp, at);
        Ticks(2);
    }
    void Click(const TGameButton& button) {
        Click({button.Left + button.Width() / 2, button.Top + button.Height() / 2});
    }
    void Type(const std::string& text) {
        for (const char character : text) {
            TPlatformEvent event;
            event.Kind = TEventKind::KeyPress;
            event.Char = static_cast<uint8_t>(character);
            Platform.Events.Push(event);
        }
        Tick();
    }
    void PressKey(TKey key) {
        TPlatformEvent event;
        event.Kind = TEventKind::KeyDown;
        event.Key = key;
        Platform.Events.Push(event);
        Tick();
    }
    void PressEscape() {
        TPlatformEvent event;
        event.Kind = TEventKind::KeyPress;
        event.Char = 27;
        Platform.Events.Push(event);
        Tick();
    }

    // From the first frame through the logos and the loaded splash; True at the splash, ready.
    bool ReachReadySplash() {
        Click({683, 400}); // skips the logo cards
        for (int i = 0; i < 600 && !(Scene() == gsSplash && Form->Splash().Ready()); ++i) Tick();
        return Scene() == gsSplash && Form->Splash().Ready();
    }
    // A first start: the splash, the first player's name typed and confirmed, the menu; with
    // `developer`, the developer code typed first has opened the developer keys.
    bool ReachMenuAsNewPlayer(const std::string& name = "ANNA", bool developer = false) {
        if (!ReachReadySplash()) return false;
        Click({683, 400});
        if (!RunUntil(gsAddInitialPlayer)) return false;
        if (developer) {
            Type("GIZMO UP\r");
            if (!RunUntil(gsAddInitialPlayer)) return false;
        }
        Type(name + "\r");
        if (!RunUntil(gsMenu)) return false;
        Form->Player().Current.TutorialOn = Taught ? 1 : 0;
        return true;
    }

    // Level `level` of island 1 started straight from the menu with the developer keys open,
    // its objective skipped and its board built; True when the round is ready for input.
    bool ReachBuiltRound(int level) {
        if (!ReachMenuAsNewPlayer("ANNA", true)) return false;
        if (!Form->StartLevel(1, level)) return false;
        TMainGameScene& round = Form->MainGame();
        round.ObjectiveInfo.Skip();
        for (int i = 0; i < 1000 && (round.LockerFiller.Running() || round.LockerFrames.Flying());
             ++i)
            Tick();
        return Scene() == gsMainGame && !round.LockerFiller.Running();
    }

    // A player's first Play tells the opening story: Skip, then on to `scene`.
    bool PastOpeningStory(TGameSceneValues scene) {
        if (!RunUntil(gsOpeningStory)) return false;
        Click(Form->OpeningStory().SkipButton());
        return RunUntil(scene);
    }

    // Mirela teaches the walk's new player only when the walk is about her: the other walks play
    // their rounds untaught.
    bool Taught = false;

    // After the objective: Mirela's step of the level, if it has one, read and closed; then play.
    bool PastTutorialStep() {
        for (int i = 0; i < 600 && Scene() != gsTutorial && Scene() != gsMainGame; ++i) Tick();
        if (Scene() == gsTutorial) {
            Ticks(SettleTicks);
            Click(Form->Tutorial().OkButton());
        }
        return RunUntil(gsMainGame);
    }

    // The haven book's conversation (after a bought work's burst) skipped, faded out and the
    // book's panels in.
    void SkipBookConversation() {
        for (int i = 0; i < TStickerBookScene::FireworksPeakTicks; ++i)
            if (Form->StickerBook().AwaitingPeak()) Tick();
        const TBookConversation& conversation = Form->StickerBook().Conversation();
        if (!conversation.Running()) return;
        Click(conversation.SkipButton());
        Ticks(2 * SettleTicks);
    }

    // Frames for a window to slide in or out after its scene has come.
    static constexpr int SettleTicks = 25;
};
