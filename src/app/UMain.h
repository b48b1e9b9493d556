#pragma once
// The controller: owns the screen, the frame timer, the pictures, the sound players, the text
// tables, the board and its effects, and connects them: every board request is answered by an
// effect, every effect's end goes back to the board. Runs the frame loop until the window is
// closed. It grows with the game's scenes.
#include "app/ElementGatherClass.h"
#include "app/ErrorLog.h"
#include "app/GameSceneClass.h"
#include "board/GameBoardClass.h"
#include "board/LevelParamsClass.h"
#include "effects/FallingElementsClass.h"
#include "effects/FlowingElementsClass.h"
#include "effects/GroupedElementsEffectClass.h"
#include "effects/SwapEffectClass.h"
#include "engine/GameCommentClass.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/LoadedImageListClass.h"
#include "engine/MusicBoxClass.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaTimer.h"
#include "engine/SFXPlayerClass.h"
#include "engine/SettingLoaderClass.h"
#include "engine/SpriteTileCountClass.h"
#include "engine/TextStringsClass.h"
#include "engine/VoicePlayerClass.h"
#include "platform/AudioDevice.h"
#include "platform/Desktop.h"
#include "platform/GraphicsDevice.h"
#include "platform/PlatformClock.h"
#include "platform/PlatformEvents.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The platform services the controller runs on: SDL in the game, null ones in tests.
struct TFormPlatform {
    TGraphicsDevice& Device;
    TEventSource& Events;
    TPlatformClock& Clock;
    TDesktop& Desktop;
    std::string ProgramFolder; // ends with '/'
    std::string ErrorLogFile;  // empty: errors go to stderr only
    // The sound card to play on; nullptr: the controller opens the real one (silent when there
    // is none) and owns it.
    TAudioDevice* Audio = nullptr;
    // Lines for the end-to-end tests (pictures drawn but missing, the score); none when empty.
    std::function<void(const std::string&)> TestReport;
};

// Music tracks in the music box's order.
enum TMusicTrack : int { mtSplash, mtMainGame1, mtMainGame2, mtLevelClear, mtUpgrade1, mtUpgrade2 };

class TFormMain {
    // The sound card outlives every player that holds streams on it.
    std::unique_ptr<TAudioDevice> ownedAudioDevice_;

public:
    static constexpr int PointsPerClearedTile = 3;

    // Builds everything: screen on the device, timer, pictures, sound, texts, the board and its
    // effects, and starts the first level. Throws TFatalError when the game cannot start (no
    // pictures folder: nothing could be drawn).
    explicit TFormMain(const TFormPlatform& platform);
    ~TFormMain();
    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    // Starts the frame timer.
    void FormShow();
    // Runs the loop until the window is closed; the exit code (1 when no round could start).
    int Run();
    // One pass of the loop: waits for events until shortly before the next tick is due,
    // handles them, then runs the idle pass (which fires the tick when it is due).
    void RunLoopPass();
    // One frame (the frame timer's handler).
    void OmegaTimer1Timer();
    void HandleEvent(const TPlatformEvent& event);
    bool Closing() const { return closing_; }
    // The first level could be loaded and its round has started.
    bool RoundStarted() const { return roundStarted_; }

    // Loads a set's ".jpg" files and then its ".png" files, in sorted order; an unloadable
    // set remembers what it loaded.
    void LoadImageSet(int set, bool jpgFiles = true, bool pngFiles = true);
    // Starts a round on the level; False when its file cannot be loaded (the message box has
    // been shown and the board is left as it was).
    bool StartLevel(uint8_t islandIdx, int levelIdx);
    // Stops the players and lets go of the sound card; the frame timer stops. Runs once.
    void Shutdown();

    TAudioDevice& AudioDevice;
    TOmegaScreen OmegaScreen1;
    TApplicationIdle ApplicationIdle;
    TOmegaTimer OmegaTimer1;
    TOmegaImageList OmegaImageList1{&OmegaScreen1};
    TSpriteTileCount SpriteTileCount;
    TLoadedImageList LoadedImageList;
    TSFXPlayer SFXPlayer1;
    TVoicePlayer VoicePlayer1;
    TMusicBox MusicBox1;
    TSettingLoader SettingLoader1;
    TTextStrings TextStrings1;
    TGlobalGameText GlobGameText;
    TGameScene GameScene;
    TLevelParams LevelParams;
    TGameBoard GameBoard;
    TSwapEffect SwapEffect;
    TGroupedElementsEffect GroupedElementsEffect;
    TFallingElements FallingElements;
    TFlowingElements FlowingElements;
    TElementGather ElementGather;
    // The round's announcements, and the one for a newly found flower.
    TGameComment BoardComment1;
    TGameComment BoardComment2;

    // ---- Round state ----
    int Score = 0;
    int LevelScore = 0;
    bool RoundOver = false;

private:
    // -- start-up (UMain.cpp) --
    void CheckContentFolders();
    void ConnectTestReport();
    void CreateSound();
    void ConfigureComments();
    void BindImages();

    // -- frames (UMain.cpp) --
    void DrawFrame();
    void SceneFrame();
    void BoardFrame();
    void DrawScore();
    void AddScore(int points);

    // -- the round (UMainRound.cpp) --
    void ResetRoundComponents();
    void SetGatheringTargets();
    void WireBoardEvents();
    void WireEffectEvents();
    void WireSpecialTileEvents();
    void SwapFinished(TTileObjectKind swapObjKind);
    void GroupingFinished(const TBoardData& grid, const TSimpleObjectArray& mask,
                          bool triggeredByBlaster);
    void CollectClearedTiles(const TBoardData& grid, const TSimpleObjectArray& mask,
                             uint8_t fallingMode);
    void FlyPotionsToSlots(const TBoardData& grid, const TSimpleObjectArray& mask);
    void ShuffleNoMoreMoves();
    void RoundClear();
    // TODO(round effects issue): a request whose effect the game lacks ends without animation:
    // its completion runs in this frame's effect step (or the next frame's, for a request made
    // by input).
    void CompleteWithoutEffect(std::function<void()> completion);
    void RunCompletionsWithoutEffect();

    // -- input (UMainInput.cpp) --
    void RouteMouse(const TPlatformEvent& event);
    void MainGameMouseDown(const TPlatformEvent& event);
    void MainGameMouseMove(const TPlatformEvent& event);
    void MainGameMouseUp(const TPlatformEvent& event);
    bool BoardBusy() const;

    TFormPlatform platform_;
    TErrorLog errorLog_;
    std::vector<std::function<void()>> completionsWithoutEffect_;
    bool closing_ = false;
    bool roundStarted_ = false;
    bool shutDown_ = false;
};
