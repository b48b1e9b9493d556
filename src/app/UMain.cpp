#include "app/UMain.h"

#include "engine/FatalError.h"
#include "engine/GameGlobals.h"

#include <filesystem>

namespace {
constexpr int GameWidth = 1366;
constexpr int GameHeight = 768;
// With no tick pending the loop still looks round this often.
constexpr int IdleWaitMs = 100;
} // namespace

TFormMain::TFormMain(const TFormPlatform& platform)
    : OmegaTimer1(platform.Clock, ApplicationIdle, &platform.Events), platform_(platform),
      errorLog_(platform.ErrorLogFile) {
    Randomize();
    OmegaScreen1.Width = GameWidth;
    OmegaScreen1.Height = GameHeight;
    OmegaScreen1.SetWindow(&platform_.Device);
    OmegaScreen1.Initialize();
    platform_.Device.SetCaption("The Saga of Tovan");

    OmegaTimer1.OnTimer = [this] { OmegaTimer1Timer(); };
    OmegaTimer1.SetTargetFPS(GameTicksPerSecond);
    OmegaTimer1.SetMinFPS(10);
    OmegaTimer1.SetMaxFPS(0);
    OmegaTimer1.SetFPSWarningFrames(10);

    OmegaImageList1.TileCounts = &SpriteTileCount;
    OmegaImageList1.ProgramFolder = platform_.ProgramFolder;
    // Until every picture exists, missing ones show where they would be drawn.
    OmegaImageList1.MarkMissingPictures = true;
    SetMainImageTarget(&OmegaImageList1);
    LoadImageSet(2);

    LevelParams.LevelFilesPath = platform_.ProgramFolder + "Levels/";
    LevelParams.OnMessageBox = [this](const std::string& message) {
        platform_.Desktop.ShowMessage("Message", message, false);
    };
    StartFirstLevel();
}

TFormMain::~TFormMain() {
    OmegaTimer1.SetEnabled(false);
    if (MainImageTarget() == &OmegaImageList1) SetMainImageTarget(nullptr);
}

void TFormMain::LoadImageSet(int set, bool jpgFiles, bool pngFiles) {
    const std::string folder = platform_.ProgramFolder + ImageSetFolder(set);
    for (const char* extension : {".jpg", ".png"}) {
        if ((extension[1] == 'j' && !jpgFiles) || (extension[1] == 'p' && !pngFiles)) continue;
        for (const std::string& file : ImageFilesOf(folder, extension)) {
            try {
                const TImageListItem& item = OmegaImageList1.LoadImageFile(folder, file);
                LoadedImageList.Record(set, item);
            } catch (const TImageDecodeError& error) {
                // One broken picture leaves a gap, not a game that cannot start.
                errorLog_.Report(error.what());
            }
        }
    }
}

void TFormMain::StartFirstLevel() {
    // The board is shown, not played, until the round flow wires its effects.
    GameBoard.CanMatch = false;
    const std::string firstLevel = TLevelParams::LevelFileName(1, 1);
    std::error_code error;
    if (std::filesystem::exists(LevelParams.LevelFilesPath + firstLevel, error) &&
        LevelParams.LoadLevel(1, 1)) {
        GameBoard.SetElementSet(LevelParams.ElementSet());
        GameBoard.SetBoardData(LevelParams.Board());
    }
    const TPoint origin = CenteredBoardOrigin(GameBoard.BoardData());
    GameBoard.Left = origin.X;
    GameBoard.Top = origin.Y;
    SetBoardScreenOrigin(origin);
}

void TFormMain::FormShow() {
    OmegaTimer1.SetEnabled(true);
}

void TFormMain::OmegaTimer1Timer() {
    if (!OmegaScreen1.CanDraw()) return;
    OmegaScreen1.SetLinearFilter(true);
    OmegaScreen1.Clear(0, 0, 0, 255);
    OmegaScreen1.BeginScene();
    try {
        SceneFrame();
        OmegaScreen1.EndScene();
    } catch (const TFatalError&) {
        OmegaScreen1.AbandonScene();
        throw;
    } catch (const std::exception& error) {
        // The frame ends cleanly without its present; the next tick draws again.
        OmegaScreen1.AbandonScene();
        errorLog_.Report(error.what());
    } catch (...) {
        OmegaScreen1.AbandonScene();
        errorLog_.Report("unknown error");
    }
}

void TFormMain::SceneFrame() {
    GameBoard.UpdateAndDraw();
    GameBoard.DrawHint();
}

void TFormMain::HandleEvent(const TPlatformEvent& event) {
    switch (event.Kind) {
    case TEventKind::CloseRequested:
        closing_ = true;
        break;
    case TEventKind::PeriodicTimer: {
        bool done = true;
        OmegaTimer1.Pass(done);
        break;
    }
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
    OmegaTimer1.SetEnabled(false);
    return 0;
}
