#pragma once
// The controller: owns what the scenes share (screen, frame timer, pictures, sound players, text
// tables, the level choice) and the scenes themselves; runs the frame loop, hands each frame and
// each input to the current scene, and enters and leaves scenes as the scene changes.
#include "app/ErrorLog.h"
#include "app/FlowMemory.h"
#include "app/GameProgress.h"
#include "app/GameServices.h"
#include "app/KeyboardFocusClass.h"
#include "app/PlayerSession.h"
#include "app/SceneTransitionClass.h"
#include "app/scenes/CompanyLogosScene.h"
#include "app/scenes/ConfirmScene.h"
#include "app/scenes/CreditsScene.h"
#include "app/scenes/ExtrasScene.h"
#include "app/scenes/HelpScene.h"
#include "app/scenes/HighScoresScene.h"
#include "app/scenes/InGameMenuScene.h"
#include "app/scenes/MainGameScene.h"
#include "app/scenes/MapScene.h"
#include "app/scenes/MenuScene.h"
#include "app/scenes/OptionsScene.h"
#include "app/scenes/PlayerScenes.h"
#include "app/scenes/RoundOverlayScenes.h"
#include "app/scenes/Scene.h"
#include "app/scenes/SplashScene.h"
#include "app/scenes/StageResultScene.h"
#include "app/scenes/StickerBookScene.h"
#include "app/scenes/StoryScenes.h"
#include "engine/ImageSetLoader.h"
#include "engine/LoadedImageListClass.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaTimer.h"
#include "engine/SFXPlayerClass.h"
#include "engine/SettingLoaderClass.h"
#include "engine/SpriteTileCountClass.h"
#include "engine/VoicePlayerClass.h"
#include "platform/AudioDevice.h"
#include "platform/Desktop.h"
#include "platform/GraphicsDevice.h"
#include "platform/PlatformClock.h"
#include "platform/PlatformEvents.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The platform services the controller runs on: SDL in the game, null ones in tests.
struct TFormPlatform {
    TGraphicsDevice& Device;
    TEventSource& Events;
    TPlatformClock& Clock;
    TDesktop& Desktop;
    std::string
        ProgramFolder; // where the content lies (installed or beside the program); ends with '/'
    std::string ErrorLogFile; // empty: errors go to stderr only
    // The per-user data folder (ends with '/'): players, saves, high scores, logs. Empty: the
    // game runs without saving.
    std::string DataFolder;
    // The sound card to play on; nullptr: the controller opens the real one (silent when there
    // is none) and owns it.
    TAudioDevice* Audio = nullptr;
    // Lines for the end-to-end tests and long runs (pictures drawn but missing, the score, the
    // frames drawn); none when empty.
    std::function<void(const std::string&)> TestReport = {};
    // Full screen (true) or windowed for this run, over the player's setting; none: the setting.
    std::optional<bool> StartFullScreen = {};
    // One line per scene change ("scene: gsMenu"); none when empty.
    std::function<void(const std::string&)> SceneLog = {};
};

class TFormMain : private TSceneHost {
public:
    // The test report counts the frames drawn, a line every so many ("frames: 1500"): how a long
    // run tells its CPU time per frame.
    static constexpr int FramesPerTestReport = 500;

    // Builds everything: screen on the device, timer, pictures, sound, texts and the scenes, and
    // starts the first level. Throws TFatalError when the game cannot start (no pictures folder:
    // nothing could be drawn).
    explicit TFormMain(const TFormPlatform& platform);
    ~TFormMain();
    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    // Starts the frame timer.
    void FormShow();
    // Runs the loop until the window is closed; the exit code.
    int Run();
    // One pass of the loop: waits for events until shortly before the next tick is due,
    // handles them, then runs the idle pass (which fires the tick when it is due).
    void RunLoopPass();
    void HandleEvent(const TPlatformEvent& event);
    // One frame (the frame timer's handler).
    void OmegaTimer1Timer();
    // Starts a round on the level, its objective first; False when its file cannot be loaded
    // (the message box has been shown and the board is left as it was).
    bool StartLevel(uint8_t islandIdx, int levelIdx) override;
    // The game's main pictures all at once, as the splash loads them a few a frame.
    void LoadMainPictures();
    // What closing the window does: saves the player and the high scores, takes back an
    // unfinished round, stops every sound and lets go of the sound card. Runs once.
    void Shutdown();

    // What tests and tools read and drive from outside.
    bool Closing() const { return closing_; }
    TGameSceneValues Scene() const { return GameScene.Value(); }
    // The scene changes as a handler changes it: the way in to the scenes no event reaches yet.
    void SetScene(TGameSceneValues scene) { GameScene.SetValue(scene); }
    const TSplashScene& Splash() const { return *splash_; }
    TMainGameScene& MainGame() { return *mainGame_; }
    const TMainGameScene& MainGame() const { return *mainGame_; }
    const TLevelParams& Levels() const { return LevelParams; }
    const TOmegaScreen& Screen() const { return OmegaScreen1; }
    const TOmegaTimer& Timer() const { return OmegaTimer1; }
    const TMusicBox& Music() const { return MusicBox1; }
    const TSFXPlayer& Sounds() const { return SFXPlayer1; }
    const TVoicePlayer& Voices() const { return VoicePlayer1; }
    const TGlobalGameText& GameText() const { return GlobGameText; }
    const TTextStrings& Texts() const { return TextStrings1; }
    const TPlayerSession& Player() const { return player_; }
    TPlayerSession& Player() { return player_; }
    TGameProgress& Progress() { return progress_; }
    const TGameProgress& Progress() const { return progress_; }
    const TFlowMemory& Flow() const { return flow_; }
    const TMenuScene& Menu() const { return *menu_; }
    const TConfirmScene& Confirm() const { return *confirm_; }
    const TPlayerSelectScene& PlayerSelect() const { return *playerSelect_; }
    const TAddPlayerScene& AddPlayer() const { return *addPlayer_; }
    const TOptionsScene& Options() const { return *options_; }
    const TOptionsScene& InGameOptions() const { return *inGameOptions_; }
    const TCreditsScene& Credits() const { return *credits_; }
    const THighScoresScene& HighScores() const { return *highScores_; }
    const THelpScene& Help() const { return *help_; }
    const TExtrasScene& Extras() const { return *extras_; }
    const TMapScene& Map() const { return *map_; }
    const TInGameMenuScene& InGameMenu() const { return *inGameMenu_; }
    const TStageResultScene& StageResult() const { return *stageResult_; }
    const TStickerBookScene& StickerBook() const { return *stickerBook_; }
    const TTutorialScene& Tutorial() const { return *tutorial_; }
    const TTutorialScene& ToolTip() const { return *toolTip_; }
    const TStoryScene& OpeningStory() const { return *openingStory_; }
    const TStoryScene& EndingStory() const { return *endingStory_; }
    bool ImageSetLoaded(int set) const override;
    bool TransitionActive() const { return SceneTransition1.Active(); }
    bool PictureLoaded(std::string_view name) const {
        return OmegaImageList1.ImageList.Find(name) != nullptr;
    }
    // Focus went away and the game waits for it to come back.
    bool FocusLossPaused() const { return window_.FocusLossPause; }

private:
    // -- start-up (UMain.cpp) --
    void CheckContentFolders();
    void SetWindowIcon();
    void ConnectTestReport();
    void CreateSound();
    void CreateScenes();
    void CreateRoundScenes(const TGameServices& services);
    void RegisterScenes();
    void ConnectStartScenes();
    // The splash's own pictures (the logo cards went when the splash came).
    void FreeSplashPictures();
    // The logos are done: the splash with its own pictures and music.
    void LogosFinished();
    void StartMainPictures();
    void BindImages();
    // Loads a set's ".jpg" files and then its ".png" files at once, in sorted order; a picture
    // that cannot be decoded is logged and skipped. The splash loads the main set a few pictures
    // a frame instead.
    void LoadImageSet(int set, bool jpgFiles, bool pngFiles);

    // -- frames and input (UMain.cpp) --
    void DrawFrame();
    void DrawFrameRate();
    TScene* CurrentScene() const { return scenes_[GameScene.Value()]; }
    void SceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene);
    // The iris is closed: the new scene comes.
    void SceneSwitch(TGameSceneValues newScene);
    void LogSceneChange(TGameSceneValues newScene) const;
    void RouteMouse(const TPlatformEvent& event);
    void RouteKey(const TPlatformEvent& event);
    // F5, F2 and F3 while developer mode is on; True when the key was one of them.
    bool DeveloperKey(const TPlatformEvent& event);

    // -- the scenes' host: the flow between scenes, the player, closing (UMainFlow.cpp) --
    void RegisterScene(TGameSceneValues value, TScene& scene);
    void ConnectFlow();
    void SplashContinue();
    void OpenMap();
    // A slot was bought on the map or in the sticker book: the price leaves the purse, and a
    // completed island gives its goods and opens the next.
    void SlotBought(int island, int slot, const TElementsCount& price);
    void IslandCompleted(int island);
    void ConnectSlots();
    // Out of the in-game options or help: the round's pause as it was before the menu.
    void BackToRound();
    // After the moment of a lost round: the same level again, or the menu.
    void AskTimeUp();
    void FormCloseQuery();
    void TransitionTo(TGameSceneValues scene) override;
    void DrawSceneFrame(TGameSceneValues scene) override;
    void DrawDarken() override;
    void AskConfirm(TConfirmKind kind, TGameSceneValues backdrop,
                    std::function<void(bool positive)> answered) override;
    void LoadImageSet(int set) override { LoadImageSet(set, true, true); }
    void FreeImageSet(int set) override;
    void LoadCreatureImageSet(int creatureKind) override;
    void LoadLateImage(const std::string& fileName) override;
    void LoadMainSetImage(const std::string& fileName) override;
    // A single picture of the folder, unless one of its name is loaded; a missing one is logged.
    void LoadSingleImage(const std::string& folder, const std::string& fileName);
    void FreeImage(const std::string& name) override;
    void ApplySoundSettings() override;
    // The player's sound volume, or 0 with sound off.
    int SoundVolume() const;
    void LoadChatVoices(int conversation) override;
    bool PlayChatVoice(int line, bool heroSide) override;
    void PlayTutorialVoice(int step) override;
    void StopVoices() override { VoicePlayer1.StopAll(); }
    void LoadHeroScene(int scene) override;
    bool FullScreen() const override;
    void LoadPlayerSave() override;
    void SavePlayerSave(bool withStickerBook) override;
    void ForfeitRound() override;
    void SubmitScore() override;
    void StartLevelBehindTransition(uint8_t islandIdx, int levelIdx) override;
    void OpenWebAddress(const std::string& address) override;
    void CloseProgram() override;

    // -- the window: full screen, focus loss and return, signals (UMainWindow.cpp) --
    void DecideStartPresentation();
    // The start's switch to full screen, made once.
    void ApplyStartPresentation();
    // Handles focus, full-screen keys, the system timer and the termination signals; False for
    // every other event.
    bool HandleWindowEvent(const TPlatformEvent& event);
    void SwitchFullScreen(bool wanted, bool remember) override;
    bool AskingAboutDisplay() const;
    void ApplicationDeactivate();
    // Activation and restore from minimised alike.
    void ApplicationActivate();
    void Timer1Timer();
    void SetTimer1Enabled(bool enabled);

    // The sound card outlives every player that holds streams on it.
    std::unique_ptr<TAudioDevice> ownedAudioDevice_;
    TFormPlatform platform_;
    TAudioDevice& AudioDevice;
    TOmegaScreen OmegaScreen1;
    TApplicationIdle ApplicationIdle;
    TOmegaTimer OmegaTimer1;
    TOmegaImageList OmegaImageList1{&OmegaScreen1};
    TSpriteTileCount SpriteTileCount;
    TLoadedImageList LoadedImageList;
    TImageSetLoader imageSetLoader_;
    TSFXPlayer SFXPlayer1;
    TVoicePlayer VoicePlayer1;
    TMusicBox MusicBox1;
    TSettingLoader SettingLoader1;
    TTextStrings TextStrings1;
    TGlobalGameText GlobGameText;
    TGameScene GameScene;
    TSceneTransition SceneTransition1;
    TKeyboardFocus keyboardFocus_;
    TLevelParams LevelParams;
    TErrorLog errorLog_;
    TPlayerSession player_;
    TGameProgress progress_;
    TFlowMemory flow_;
    // The level a transition started from the map or the sticker book begins at its midpoint.
    std::pair<uint8_t, int> pendingLevel_{1, 1};

    // The scenes, by scene value; a scene without its own unit draws nothing.
    std::unique_ptr<TCompanyLogosScene> companyLogos_;
    std::unique_ptr<TSplashScene> splash_;
    std::unique_ptr<TMenuScene> menu_;
    std::unique_ptr<TPlayerSelectScene> playerSelect_;
    std::unique_ptr<TAddPlayerScene> addPlayer_;
    std::unique_ptr<TAddPlayerScene> addInitialPlayer_;
    std::unique_ptr<TConfirmScene> confirm_;
    std::unique_ptr<TOptionsScene> options_;
    std::unique_ptr<TOptionsScene> inGameOptions_;
    std::unique_ptr<TCreditsScene> credits_;
    std::unique_ptr<THighScoresScene> highScores_;
    std::unique_ptr<THelpScene> help_;
    std::unique_ptr<TExtrasScene> extras_;
    std::unique_ptr<TMainGameScene> mainGame_;
    std::unique_ptr<TMapScene> map_;
    std::unique_ptr<TObjectiveScene> objective_;
    // gsRoundClear and gsTimeUp: the board's own end plays; the round says when to go on.
    std::unique_ptr<TRoundOverlayScene> roundClear_;
    std::unique_ptr<TRoundOverlayScene> timeUp_;
    std::unique_ptr<TTutorialScene> tutorial_;
    std::unique_ptr<TTutorialScene> toolTip_;
    std::unique_ptr<TStageResultScene> stageResult_;
    std::unique_ptr<TStickerBookScene> stickerBook_;
    std::unique_ptr<TInGameMenuScene> inGameMenu_;
    std::unique_ptr<TStoryScene> openingStory_;
    std::unique_ptr<TStoryScene> endingStory_;
    std::array<TScene*, gsEndingStory + 1> scenes_{};

    struct TWindowState {
        bool StartInFullScreen = false;
        bool FullScreenApplied = false;
        // Full screen or not for this run: where a focus return goes back to.
        bool FullScreenSetting = false;
        bool FocusLossPause = false;
        bool MinimiseAfterLeavingFullScreen = false;
        // The system timer that leaves full screen a moment after the focus went.
        bool Timer1Enabled = false;
        // What the sound played at before the pause.
        int MusicVolume = 0;
        int SoundVolume = 0;
        int VoiceVolume = 0;
    } window_;

    bool closing_ = false;
    bool shutDown_ = false;
    bool soundsLoaded_ = false;
    long framesDrawn_ = 0;
};
