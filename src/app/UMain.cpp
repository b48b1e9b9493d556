#include "app/UMain.h"

#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "files/TextEncoding.h"
#include "platform/PlatformPaths.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {
// With no tick pending the loop still looks round this often.
constexpr int IdleWaitMs = 100;
// The volumes a new player starts with.
constexpr int DefaultSoundVolume = 70;
constexpr int DefaultMusicVolume = 50;
// The content folders beside the program; without pictures nothing can be drawn.
constexpr const char* ContentFolders[] = {"Images", "Levels", "Texts", "Sounds", "Voices", "Music"};
constexpr std::string_view PicturesFolder = "Images";
// The sets of the logo cards, of the splash, and of every picture a round and the menus draw.
constexpr int LogoImageSet = 0;
constexpr int SplashImageSet = 1;
constexpr int MainImageSet = 2;

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

    OmegaTimer1.OnTimer = [this] { OmegaTimer1Timer(); };
    OmegaTimer1.SetTargetFPS(GameTicksPerSecond);
    OmegaTimer1.SetMinFPS(10);
    OmegaTimer1.SetMaxFPS(0);
    OmegaTimer1.SetFPSWarningFrames(10);

    CreateSound();
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
    SFXPlayer1.LoadSounds();
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
    const TGameServices services{TextStrings1, GlobGameText, MusicBox1,
                                 LevelParams,  GameScene,    platform_.TestReport};
    companyLogos_ = std::make_unique<TCompanyLogosScene>();
    splash_ = std::make_unique<TSplashScene>(imageSetLoader_, OmegaImageList1);
    mainGame_ = std::make_unique<TMainGameScene>(services);
    scenes_[gsCompanyLogos] = companyLogos_.get();
    scenes_[gsSplash] = splash_.get();
    scenes_[gsMainGame] = mainGame_.get();
    ConnectStartScenes();
    GameScene.OnChanged = [this](TGameSceneValues oldScene, TGameSceneValues newScene) {
        SceneChanged(oldScene, newScene);
    };
    SceneTransition1.GlobGameText = &GlobGameText;
    SceneTransition1.TextStringsComp = &TextStrings1;
    SceneTransition1.OnSceneSwitch = [this](TGameSceneValues newScene) { SceneSwitch(newScene); };
}

// Logos, then the splash loading the main pictures, then on into the game.
void TFormMain::ConnectStartScenes() {
    companyLogos_->OnFinished = [this] { LogosFinished(); };
    splash_->OnStartLoading = [this] { StartMainPictures(); };
    splash_->OnLoaded = [this] { BindImages(); };
    splash_->OnContinue = [this] { SceneTransition1.Start(GameScene.Value(), gsMainGame); };
    splash_->OnLeave = [this] {
        LoadedImageList.Unload(LogoImageSet, OmegaImageList1);
        LoadedImageList.Unload(SplashImageSet, OmegaImageList1);
    };
}

void TFormMain::LogosFinished() {
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

// TODO(game shell issue): the menu and the map come between the splash and the round, and the
// round starts on the player's level.
void TFormMain::SceneSwitch(TGameSceneValues newScene) {
    // A level that cannot be loaded has said so and leaves the scene as it was.
    if (newScene == gsMainGame)
        StartLevel(1, 1);
    else
        GameScene.SetValue(newScene);
}

// Leaving first, then entering, while Value() still reads the old scene.
void TFormMain::SceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene) {
    LogSceneChange(newScene);
    if (TScene* leaving = scenes_[oldScene]) leaving->Leave();
    if (TScene* entering = scenes_[newScene]) entering->Enter();
}

void TFormMain::LogSceneChange(TGameSceneValues newScene) const {
    if (platform_.SceneLog) platform_.SceneLog("scene: " + std::string(GameSceneName(newScene)));
}

bool TFormMain::StartLevel(uint8_t islandIdx, int levelIdx) {
    return mainGame_->StartLevel(islandIdx, levelIdx);
}

// Everything that takes a size from its pictures does so once they are loaded.
void TFormMain::BindImages() {
    GlobGameText.TakeFontSize();
    mainGame_->TakeSizes();
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
    MusicBox1.Update();
    if (!OmegaScreen1.CanDraw()) return;
    OmegaScreen1.SetLinearFilter(true);
    OmegaScreen1.Clear(0, 0, 0, 255);
    if (!OmegaScreen1.BeginScene()) return;
    if (TScene* scene = CurrentScene()) scene->Frame();
    // Over everything.
    SceneTransition1.UpdateAndDraw();
    OmegaScreen1.EndScene();
}

void TFormMain::HandleEvent(const TPlatformEvent& event) {
    if (HandleWindowEvent(event)) return;
    switch (event.Kind) {
    case TEventKind::CloseRequested:
        closing_ = true;
        break;
    case TEventKind::PeriodicTimer: {
        bool done = true;
        OmegaTimer1.Pass(done);
        break;
    }
    case TEventKind::MouseDown:
    case TEventKind::MouseMove:
    case TEventKind::MouseUp:
        // The mouse waits while the iris closes and until it has opened far enough.
        if (SceneTransition1.IsBlockingInput()) break;
        if (TScene* scene = CurrentScene()) scene->Mouse(event);
        break;
    default:
        break;
    }
}

void TFormMain::RunLoopPass() {
    const int64_t ticks = OmegaTimer1.TicksUntilDue();
    int waitMs = IdleWaitMs;
    if (ticks >= 0) {
        // Wake a little early; the last moment is spent in passes that poll the clock.
        const int64_t ms = ticks * 1000 / OmegaTimer1.ClockFrequency();
        waitMs = static_cast<int>(std::max<int64_t>(0, ms - 1));
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
    OmegaTimer1.SetEnabled(false);
    MusicBox1.StopAll();
    SFXPlayer1.StopAll();
    VoicePlayer1.StopAll();
    // The players free their streams later, when they are destroyed; the device ignores that.
    AudioDevice.Close();
}
