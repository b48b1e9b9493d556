#include "app/UMain.h"

#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "engine/ImageCodec.h"
#include "engine/PictureNames.h"
#include "files/TextEncoding.h"
#include "platform/PlatformPaths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {
// With no tick pending the loop still looks round this often.
constexpr int IdleWaitMs = 100;
// The content folders beside the program; without pictures nothing can be drawn.
constexpr const char* ContentFolders[] = {"Images", "Levels", "Texts", "Sounds", "Voices", "Music"};
constexpr std::string_view PicturesFolder = "Images";
constexpr const char* WindowIconFile = "Images/Icons/TovanIcon64.png";
// The game texts' lines narrating the first strip of the opening and of the ending.
constexpr int OpeningNarrationLine = 13;
constexpr int EndingNarrationLine = 17;
// The game texts' line of the name a player gets who types none.
constexpr int DefaultPlayerNameLine = 3;
// Sound effects opened a frame while they load.
constexpr int SoundsPerFrame = 8;
// Where the frame rate stands while developer mode runs the timer flat out.
constexpr TPoint FrameRatePos{20, 10};
constexpr float FrameRateRatio = 0.8f;

std::unique_ptr<TAudioDevice> OwnAudioUnlessGiven(const TFormPlatform& platform) {
    return platform.Audio != nullptr ? nullptr : OpenAudioDevice();
}

} // namespace

TFormMain::TFormMain(const TFormPlatform& platform)
    : ownedAudioDevice_(OwnAudioUnlessGiven(platform)), platform_(platform),
      AudioDevice(platform.Audio != nullptr ? *platform.Audio : *ownedAudioDevice_),
      OmegaTimer1(platform.Clock, ApplicationIdle, &platform.Events), SFXPlayer1(AudioDevice),
      VoicePlayer1(AudioDevice), MusicBox1(AudioDevice),
      SettingLoader1(platform.ProgramFolder + "Texts/"),
      TextStrings1(platform.ProgramFolder + "Texts/"), errorLog_(platform.ErrorLogFile) {
    CheckContentFolders();
    Randomize();
    OmegaScreen1.Width = GameSpace.Width;
    OmegaScreen1.Height = GameSpace.Height;
    OmegaScreen1.SetWindow(&platform_.Device);
    OmegaScreen1.Initialize();
    const std::string& title = TextStrings1.GameTexts(1);
    platform_.Device.SetCaption(title.empty() ? std::string(GameTitle) : Latin1ToUtf8(title));
    SetWindowIcon();

    OmegaTimer1.OnTimer = [this] { OmegaTimer1Timer(); };
    OmegaTimer1.SetTargetFPS(GameTicksPerSecond);
    OmegaTimer1.SetMinFPS(10);
    OmegaTimer1.SetMaxFPS(0);
    OmegaTimer1.SetFPSWarningFrames(10);

    CreateSound();
    const auto log = [this](const std::string& line) { errorLog_.Report(line); };
    player_.Open(platform_.DataFolder, TextStrings1.GameTexts(DefaultPlayerNameLine), log);
    progress_.Prepare(TextStrings1, GlobGameText, platform_.ProgramFolder, log);
    CreateScenes();
    DecideStartPresentation();

    OmegaImageList1.TileCounts = &SpriteTileCount;
    OmegaImageList1.ProgramFolder = platform_.ProgramFolder;
    // Until every picture exists, missing ones show where they would be drawn.
    OmegaImageList1.MarkMissingPictures = true;
    SetMainImageTarget(&OmegaImageList1);
    imageSetLoader_.OnImageLoaded = [this](int set, const TImageListItem& item) {
        LoadedImageList.Record(set, item);
    };
    imageSetLoader_.OnImageSkipped = [this](const std::string& message) {
        errorLog_.Report(message);
    };
    ConnectTestReport();
    LoadImageSet(LogoImageSet, true, false);

    LevelParams.LevelFilesPath = platform_.ProgramFolder + "Levels/";
    LevelParams.OnMessageBox = [this](const std::string& message) {
        platform_.Desktop.ShowMessage("Message", message, false);
    };
}

TFormMain::~TFormMain() {
    Shutdown();
    if (MainImageTarget() == &OmegaImageList1) SetMainImageTarget(nullptr);
}

// One line per folder that cannot be read; the game goes on without it, except without pictures.
// The emblem in the desktop's task bar; without its picture the desktop shows its own, and
// only a damaged picture is worth a line in the log.
void TFormMain::SetWindowIcon() {
    const std::string file = platform_.ProgramFolder + WindowIconFile;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return;
    try {
        const TPicture icon = DecodePngFile(file);
        platform_.Device.SetIcon(icon.Width, icon.Height, icon.Pixels.data());
    } catch (const TImageDecodeError& error) {
        errorLog_.Report(error.what());
    }
}

void TFormMain::CheckContentFolders() {
    for (const char* folder : ContentFolders) {
        const std::string problem = FolderProblem(platform_.ProgramFolder + folder);
        if (problem.empty()) continue;
        errorLog_.Report("Content folder cannot be read: " + problem);
        if (folder == PicturesFolder)
            throw TFatalError(std::string(GameTitle) +
                              " cannot start: its pictures cannot be read (" + problem + ").");
    }
}

void TFormMain::ConnectTestReport() {
    if (!platform_.TestReport) return;
    OmegaImageList1.OnMissingPicture = [this](std::string_view name) {
        platform_.TestReport("missing picture: " + std::string(name));
    };
}

void TFormMain::CreateSound() {
    SFXPlayer1.Path = platform_.ProgramFolder + "Sounds/";
    // The effects come in a few a frame behind the logos, so the window opens at once.
    SFXPlayer1.StartLoadingSounds();
    SFXPlayer1.SetVolume(DefaultSoundVolume);
    SetEffectSoundTarget(&SFXPlayer1);
    VoicePlayer1.Path = platform_.ProgramFolder + "Voices/";
    VoicePlayer1.SetVolume(DefaultSoundVolume);
    SetVoiceSoundTarget(&VoicePlayer1);
    MusicBox1.Path = platform_.ProgramFolder + "Music/";
    MusicBox1.LoadMusic();
    MusicBox1.SetVolume(DefaultMusicVolume);
}

void TFormMain::CreateScenes() {
    const TGameServices services{
        TextStrings1, GlobGameText, OmegaImageList1, MusicBox1, LevelParams,         GameScene,
        player_,      progress_,    flow_,           *this,     platform_.TestReport};
    companyLogos_ = std::make_unique<TCompanyLogosScene>();
    splash_ = std::make_unique<TSplashScene>(imageSetLoader_, OmegaImageList1);
    menu_ = std::make_unique<TMenuScene>(services);
    playerSelect_ = std::make_unique<TPlayerSelectScene>(services);
    addPlayer_ = std::make_unique<TAddPlayerScene>(services, false);
    addInitialPlayer_ = std::make_unique<TAddPlayerScene>(services, true);
    confirm_ = std::make_unique<TConfirmScene>(services);
    options_ = std::make_unique<TOptionsScene>(services, false);
    inGameOptions_ = std::make_unique<TOptionsScene>(services, true);
    credits_ = std::make_unique<TCreditsScene>(services);
    highScores_ = std::make_unique<THighScoresScene>(services);
    help_ = std::make_unique<THelpScene>(services);
    extras_ = std::make_unique<TExtrasScene>(services);
    map_ = std::make_unique<TMapScene>(services);
    stickerBook_ = std::make_unique<TStickerBookScene>(services);
    openingStory_ = std::make_unique<TStoryScene>(services, StoryImageSet, Pictures::StoryStrips,
                                                  OpeningNarrationLine);
    endingStory_ = std::make_unique<TStoryScene>(services, EndingImageSet, Pictures::EndingStrips,
                                                 EndingNarrationLine);
    // The saga told to its end, or skipped, the names of those who made it follow.
    endingStory_->NextScene = gsCredits;
    CreateRoundScenes(services);
    RegisterScenes();
    ConnectStartScenes();
    ConnectFlow();
}

// The round and the scenes that lie over it.
void TFormMain::CreateRoundScenes(const TGameServices& services) {
    mainGame_ = std::make_unique<TMainGameScene>(services);
    TMainGameScene& round = *mainGame_;
    objective_ = std::make_unique<TObjectiveScene>(services, round);
    roundClear_ = std::make_unique<TRoundOverlayScene>(services, round);
    timeUp_ = std::make_unique<TRoundOverlayScene>(services, round);
    round.OnBoardThrownAway = [this] { GameScene.SetValue(gsStageResult); };
    round.OnTimeForResultQuestion = [this] { AskTimeUp(); };
    tutorial_ = std::make_unique<TTutorialScene>(services, round, tpTutorialStep);
    toolTip_ = std::make_unique<TTutorialScene>(services, round, tpToolTip);
    stageResult_ = std::make_unique<TStageResultScene>(services, round);
    inGameMenu_ = std::make_unique<TInGameMenuScene>(services, round);
}

void TFormMain::RegisterScenes() {
    RegisterScene(gsCompanyLogos, *companyLogos_);
    RegisterScene(gsSplash, *splash_);
    RegisterScene(gsMenu, *menu_);
    RegisterScene(gsPlayerSelect, *playerSelect_);
    RegisterScene(gsAddPlayer, *addPlayer_);
    RegisterScene(gsAddInitialPlayer, *addInitialPlayer_);
    RegisterScene(gsConfirmWindow, *confirm_);
    RegisterScene(gsOptions, *options_);
    RegisterScene(gsInGameOptions, *inGameOptions_);
    RegisterScene(gsCredits, *credits_);
    RegisterScene(gsHighScores, *highScores_);
    RegisterScene(gsHelp, *help_);
    RegisterScene(gsExtras, *extras_);
    RegisterScene(gsMap, *map_);
    RegisterScene(gsMainGame, *mainGame_);
    RegisterScene(gsObjectiveInfo, *objective_);
    RegisterScene(gsRoundClear, *roundClear_);
    RegisterScene(gsTimeUp, *timeUp_);
    RegisterScene(gsTutorial, *tutorial_);
    RegisterScene(gsTutorialToolTip, *toolTip_);
    RegisterScene(gsStageResult, *stageResult_);
    RegisterScene(gsInGameMenu, *inGameMenu_);
    RegisterScene(gsStickerBook, *stickerBook_);
    RegisterScene(gsOpeningStory, *openingStory_);
    RegisterScene(gsEndingStory, *endingStory_);
}

// Logos, then the splash loading the main pictures, then the first player's name or the menu.
void TFormMain::ConnectStartScenes() {
    companyLogos_->OnFinished = [this] { LogosFinished(); };
    splash_->OnStartLoading = [this] { StartMainPictures(); };
    splash_->OnLoaded = [this] { BindImages(); };
    splash_->OnContinue = [this] { SplashContinue(); };
    // The first player's name is asked over the splash, which keeps its pictures until then.
    splash_->OnLeave = [this](TGameSceneValues to) {
        if (to != gsAddInitialPlayer) FreeSplashPictures();
    };
}

void TFormMain::FreeSplashPictures() {
    LoadedImageList.Unload(SplashImageSet, OmegaImageList1);
}

void TFormMain::LogosFinished() {
    // The splash does not show the cards again: their room goes to the main pictures.
    LoadedImageList.Unload(LogoImageSet, OmegaImageList1);
    MusicBox1.RequestTrack(mtSplash);
    LoadImageSet(SplashImageSet);
    splash_->Prepare();
    GameScene.SetValue(gsSplash);
}

void TFormMain::StartMainPictures() {
    imageSetLoader_.Start(MainImageSet, platform_.ProgramFolder + ImageSetFolder(MainImageSet));
}

void TFormMain::LoadMainPictures() {
    StartMainPictures();
    imageSetLoader_.LoadRest(OmegaImageList1);
    BindImages();
}

// Leaving first, then entering, while Value() still reads the old scene.
void TFormMain::SceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene) {
    LogSceneChange(newScene);
    keyboardFocus_.SceneChanged();
    if (TScene* leaving = scenes_[oldScene]) leaving->Leave(newScene);
    // The timer-mode question stands in for the menu it was asked over.
    if (oldScene == gsConfirmWindow && flow_.ConfirmKind == ckTimerMode) menu_->FreeImagesIfAsked();
    if (oldScene == gsAddInitialPlayer) FreeSplashPictures();
    if (TScene* entering = scenes_[newScene]) entering->Enter(oldScene);
}

void TFormMain::LogSceneChange(TGameSceneValues newScene) const {
    if (platform_.SceneLog) platform_.SceneLog("scene: " + std::string(GameSceneName(newScene)));
}

// Everything that takes a size from its pictures does so once they are loaded.
void TFormMain::BindImages() {
    GlobGameText.TakeFontSize();
    progress_.TakeSizes();
    menu_->TakeSizes();
    playerSelect_->TakeSizes();
    addPlayer_->TakeSizes();
    addInitialPlayer_->TakeSizes();
    confirm_->TakeSizes();
    options_->TakeSizes();
    inGameOptions_->TakeSizes();
    credits_->TakeSizes();
    highScores_->TakeSizes();
    help_->TakeSizes();
    extras_->TakeSizes();
    mainGame_->TakeSizes();
    map_->TakeSizes();
    tutorial_->TakeSizes();
    toolTip_->TakeSizes();
    toolTip_->TakeSizes();
    stageResult_->TakeSizes();
    inGameMenu_->TakeSizes();
    stickerBook_->TakeSizes();
    openingStory_->TakeSizes();
    endingStory_->TakeSizes();
}

void TFormMain::LoadImageSet(int set, bool jpgFiles, bool pngFiles) {
    imageSetLoader_.Start(set, platform_.ProgramFolder + ImageSetFolder(set), jpgFiles, pngFiles);
    imageSetLoader_.LoadRest(OmegaImageList1);
}

void TFormMain::FormShow() {
    ApplyStartPresentation();
    OmegaTimer1.SetEnabled(true);
}

void TFormMain::OmegaTimer1Timer() {
    // Whatever goes wrong, the frame ends cleanly without its present; the next tick draws again.
    auto abandonFrame = [this] {
        if (OmegaScreen1.SceneBegun()) OmegaScreen1.AbandonScene();
    };
    try {
        DrawFrame();
    } catch (const TFatalError&) {
        abandonFrame();
        throw;
    } catch (const std::exception& error) {
        abandonFrame();
        errorLog_.Report(std::string("Frame skipped: ") + error.what());
    } catch (...) {
        abandonFrame();
        errorLog_.Report("Frame skipped: unknown error");
    }
}

void TFormMain::DrawFrame() {
    if (!soundsLoaded_) soundsLoaded_ = SFXPlayer1.LoadMoreSounds(SoundsPerFrame);
    MusicBox1.Update();
    if (!OmegaScreen1.CanDraw()) return;
    OmegaScreen1.SetLinearFilter(true);
    OmegaScreen1.Clear(0, 0, 0, 255);
    if (!OmegaScreen1.BeginScene()) return;
    if (TScene* scene = CurrentScene()) scene->Frame();
    // Over everything.
    SceneTransition1.UpdateAndDraw();
    DrawFrameRate();
    OmegaScreen1.EndScene();
    if (++framesDrawn_ % FramesPerTestReport == 0 && platform_.TestReport)
        platform_.TestReport("frames: " + std::to_string(framesDrawn_));
}

// Developer mode with the timer flat out shows what it reaches, past the start scenes.
void TFormMain::DrawFrameRate() {
    if (!flow_.DeveloperMode || OmegaTimer1.TargetFPS() != 0 || GameScene.Value() <= gsSplash)
        return;
    GlobGameText.DrawText(FrameRatePos.X, FrameRatePos.Y,
                          std::to_string(OmegaTimer1.FPS()) + " fps", FrameRateRatio, 0, 255, 0, 0);
}

void TFormMain::HandleEvent(const TPlatformEvent& event) {
    if (HandleWindowEvent(event)) return;
    switch (event.Kind) {
    case TEventKind::CloseRequested:
        FormCloseQuery();
        break;
    case TEventKind::PeriodicTimer: {
        bool done = true;
        OmegaTimer1.Pass(done);
        break;
    }
    case TEventKind::MouseDown:
    case TEventKind::MouseMove:
    case TEventKind::MouseUp:
        RouteMouse(event);
        break;
    case TEventKind::KeyDown:
    case TEventKind::KeyPress:
        RouteKey(event);
        break;
    default:
        break;
    }
}

void TFormMain::RouteMouse(const TPlatformEvent& event) {
    // Every move starts with the arrow; a widget under the mouse asks for the hand.
    if (event.Kind == TEventKind::MouseMove) SetMouseCursorRequest(mcArrow);
    // The mouse waits while the iris closes and until it has opened far enough.
    if (SceneTransition1.IsBlockingInput()) return;
    keyboardFocus_.MouseUsed();
    if (TScene* scene = CurrentScene()) scene->Mouse(event);
}

// F10 never reaches the window menu; the developer keys come before the scene's own.
void TFormMain::RouteKey(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::KeyDown && event.Key == TKey::F10) return;
    if (DeveloperKey(event)) return;
    TScene* scene = CurrentScene();
    if (scene == nullptr) return;
    if (!SceneTransition1.IsBlockingInput() && keyboardFocus_.Key(event, *scene)) return;
    scene->Key(event);
}

bool TFormMain::DeveloperKey(const TPlatformEvent& event) {
    if (!flow_.DeveloperMode || event.Kind != TEventKind::KeyDown) return false;
    switch (event.Key) {
    case TKey::F5:
        OmegaTimer1.SetTargetFPS(OmegaTimer1.TargetFPS() == 0 ? GameTicksPerSecond : 0);
        return true;
    case TKey::F2:
        if (GameScene.Value() == gsMainGame) mainGame_->DeveloperWin();
        return true;
    case TKey::F3:
        if (GameScene.Value() == gsMainGame) mainGame_->DeveloperCharge();
        return true;
    default:
        return false;
    }
}

void TFormMain::RunLoopPass() {
    const int64_t ticks = OmegaTimer1.TicksUntilDue();
    int waitMs = IdleWaitMs;
    if (ticks > 0) {
        // Sleep until the tick is due, at least a millisecond: polling the window system
        // through the last moment would keep a core busy for nothing.
        const int64_t ms = ticks * 1000 / OmegaTimer1.ClockFrequency();
        waitMs = static_cast<int>(std::max<int64_t>(1, ms));
    } else if (ticks == 0) {
        waitMs = 0;
    }
    TPlatformEvent event;
    if (platform_.Events.WaitEvent(event, waitMs)) {
        HandleEvent(event);
        while (!closing_ && platform_.Events.WaitEvent(event, 0)) HandleEvent(event);
    }
    if (!closing_ && ApplicationIdle.Handler) {
        bool done = true;
        ApplicationIdle.Handler(done);
    }
}

int TFormMain::Run() {
    FormShow();
    while (!closing_) RunLoopPass();
    Shutdown();
    return 0;
}

void TFormMain::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    MusicBox1.StopAll();
    SFXPlayer1.StopAll();
    VoicePlayer1.StopAll();
    // The players free their streams later, when they are destroyed; the device ignores that.
    AudioDevice.Close();
    SubmitScore();
    // An unfinished round gives back what it added, whatever the scene.
    ForfeitRound();
    if (player_.PlayerLoaded) SavePlayerSave(true);
    if (player_.Saving()) player_.HighScores.Save();
    OmegaTimer1.SetEnabled(false);
}
