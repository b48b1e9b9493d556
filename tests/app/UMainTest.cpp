// The controller on the null platform: frames paced by a hand-driven clock, the first round
// started on its level, failing frames skipped cleanly, and a clean end.
#include "FormTestKit.h"
#include "engine/FatalError.h"
#include "engine/ImageCodec.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// Throws from the next quad it is asked to draw.
struct TFailingDevice : TRecordingGraphicsDevice {
    TFailingDevice() : TRecordingGraphicsDevice(GameSpace) {}
    bool FailNextQuad = false;
    bool Fatal = false;
    void DrawQuad(TTextureId texture, const TQuadCorners& corners) override {
        if (FailNextQuad) {
            FailNextQuad = false;
            if (Fatal) throw TFatalError("device gone");
            throw std::runtime_error("a component failed");
        }
        TRecordingGraphicsDevice::DrawQuad(texture, corners);
    }
};

class Controller : public ::testing::Test {
protected:
    Controller() : folder("umain") {
        SetRandomSeed(7);
        const uint32_t pixels[2 * 52] = {};
        EncodePngFile(folder.Path("Images") + "BackgroundTile.png", 104, 1, pixels);
        folder.Write("Music/MainGame1.ogg");
        folder.Write("Music/MainGame2.ogg");
        WriteLevelFile(folder.Path("Levels") + "Level1-01.zel", FieldLevel({{0, 10, 10}}));
        for (const char* content : {"Texts", "Sounds", "Voices"}) folder.Path(content);
    }
    ~Controller() override {
        form.reset();
        ReleaseRandomSeed();
    }
    void Start() {
        form = std::make_unique<TFormMain>(TFormPlatform{.Device = device,
                                                         .Events = events,
                                                         .Clock = clock,
                                                         .Desktop = desktop,
                                                         .ProgramFolder = folder.Path(),
                                                         .ErrorLogFile = folder.Path() + "err.log",
                                                         .DataFolder = "",
                                                         .Audio = &audio,
                                                         .TestReport = testReport});
    }
    // The round on the first level, the logos, the splash and the objective skipped.
    void StartRound() {
        Start();
        form->LoadMainPictures();
        ASSERT_TRUE(form->StartLevel(1, 1));
        form->MainGame().ObjectiveInfo.Skip();
    }
    // Runs loop passes over the given game time, one every millisecond.
    void RunFor(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock.AdvanceMs(1);
            form->RunLoopPass();
        }
    }
    std::vector<std::string> LogLines() {
        std::ifstream log(folder.Path() + "err.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    }
    void Press(TPoint at) {
        for (TEventKind kind : {TEventKind::MouseDown, TEventKind::MouseUp}) {
            TPlatformEvent event;
            event.Kind = kind;
            event.X = at.X;
            event.Y = at.Y;
            events.Push(event);
        }
    }
    void Close() {
        TPlatformEvent close;
        close.Kind = TEventKind::CloseRequested;
        events.Push(close);
    }

    TTempFolder folder;
    TFailingDevice device;
    TQueuedEventSource events;
    TManualClock clock;
    TRecordingDesktop desktop;
    TRecordingAudioDevice audio;
    std::function<void(const std::string&)> testReport;
    std::unique_ptr<TFormMain> form;
};

TEST_F(Controller, StartsTheFirstLevelAndDrawsItsBoardThirtyThreeTimesASecond) {
    StartRound();
    EXPECT_EQ(form->Scene(), gsMainGame);
    EXPECT_EQ(form->MainGame().BoardComment1.CommentType(), coGo);
    // Nine columns from column 4, eight rows from row 3, centred across the game area.
    EXPECT_EQ(form->MainGame().GameBoard.Left, CenteredBoardOrigin(form->Levels().Board()).X);
    EXPECT_NEAR(form->MainGame().GameBoard.Left + 3 * 52 + 9 * 52 / 2, GameSpace.Width / 2, 1);
    EXPECT_EQ(BoardScreenOrigin(),
              (TPoint{form->MainGame().GameBoard.Left, form->MainGame().GameBoard.Top}));
    EXPECT_EQ(form->MainGame().ElementGather.UsedSlotCount(), 2);
    EXPECT_TRUE(form->MainGame().ElementGather.StillNeeded(ieFruit2));
    form->FormShow();
    RunFor(1000);
    EXPECT_EQ(device.FramesPresented, 32); // passes 1 ms apart: a tick every 31 ms
    // The board is still filling in, a tile a tick; once it is built it draws every cell.
    EXPECT_LT(device.QuadsOf("BackgroundTile").size(), 9u * 8u);
    RunFor(2000);
    EXPECT_EQ(device.QuadsOf("BackgroundTile").size(), 9u * 8u);
    // One of the two main-game tracks is fading in.
    EXPECT_TRUE(form->Music().CurrentTrack() == mtMainGame1 ||
                form->Music().CurrentTrack() == mtMainGame2);
}

// Logos, then the splash loading the pictures a few a frame, then the first player's name over
// the splash, and on into the menu.
TEST_F(Controller, TheStartGoesThroughTheLogosAndTheSplashToTheFirstNameAndTheMenu) {
    folder.Write("Images/Broken.png", "not a picture");
    const uint32_t sky[4] = {0xFF3399FF, 0xFF3399FF, 0xFF3399FF, 0xFF3399FF};
    EncodePngFile(folder.Path("Images/Splash") + "SplashBG.png", 2, 2, sky);
    Start();
    form->FormShow();
    RunFor(31 * 60);
    EXPECT_EQ(form->Scene(), gsCompanyLogos) << "the first card still shows";
    Press({683, 400});
    RunFor(31);
    ASSERT_EQ(form->Scene(), gsSplash) << "a press skips the logos";
    // Until the pictures are in, a press is not taken.
    Press({683, 400});
    RunFor(31);
    EXPECT_EQ(form->Scene(), gsSplash);
    EXPECT_FALSE(form->Splash().Ready());
    RunFor(31 * TSplashScene::RestFrames);
    const TLoadingBar& bar = form->Splash().LoadingBar();
    EXPECT_TRUE(form->Splash().Ready()) << "a broken picture does not hold the splash up";
    EXPECT_EQ(bar.ImageCountToLoad, 2);
    EXPECT_EQ(bar.LoadedCount(), 2);
    EXPECT_TRUE(bar.LoadingFinished());
    const std::vector<std::string> log = LogLines();
    EXPECT_EQ(
        std::count_if(log.begin(), log.end(),
                      [](const std::string& line) { return line.starts_with("Picture skipped"); }),
        1);
    // No players yet: the first name is asked over the splash, which keeps its pictures.
    Press({683, 400});
    RunFor(31);
    ASSERT_EQ(form->Scene(), gsAddInitialPlayer);
    EXPECT_TRUE(device.HasLiveTexture("SplashBG"));
    for (const char typed : std::string("ANNA\r")) {
        TPlatformEvent key;
        key.Kind = TEventKind::KeyPress;
        key.Char = static_cast<uint8_t>(typed);
        events.Push(key);
    }
    // The window goes up, then the iris closes over the splash and opens on the menu.
    RunFor(31 * 40);
    EXPECT_EQ(form->Scene(), gsMenu);
    EXPECT_FALSE(device.HasLiveTexture("SplashBG")) << "the splash's pictures go with it";
    EXPECT_EQ(form->Player().SelectedName(), "ANNA");
}

TEST_F(Controller, AFailingFrameIsSkippedCleanlyAndLoggedOnce) {
    StartRound();
    form->FormShow();
    RunFor(31);
    ASSERT_EQ(device.FramesPresented, 1);
    for (int i = 0; i < 2; ++i) {
        device.FailNextQuad = true;
        RunFor(31);
    }
    EXPECT_EQ(device.FramesAbandoned, 2);
    EXPECT_FALSE(form->Screen().SceneBegun());
    const std::vector<std::string> log = LogLines();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& line) {
                                return line.find("Frame skipped") != std::string::npos;
                            }),
              1); // the same error twice is logged once
    RunFor(31);
    EXPECT_EQ(device.FramesPresented, 2); // the next frame draws again
    device.FailNextQuad = true;
    device.Fatal = true;
    EXPECT_THROW(RunFor(31), TFatalError);
    EXPECT_FALSE(form->Screen().SceneBegun());
}

TEST_F(Controller, ClosingTheWindowStopsTheSoundBeforeTheCardIsReleased) {
    Start();
    form->FormShow();
    RunFor(100);
    Close();
    EXPECT_EQ(form->Run(), 0);
    EXPECT_FALSE(form->Timer().Enabled());
    ASSERT_TRUE(audio.Closed);
    EXPECT_TRUE(audio.PlayingStreams().empty());
    EXPECT_EQ(audio.Calls.back().Call, TAudioCall::Close);
    form.reset(); // the players let go of their streams after the card: nothing breaks
}

TEST_F(Controller, TheWindowShowsTheEmblemAndADamagedOneIsOnlyLogged) {
    const std::vector<uint32_t> emblem(64 * 64, 0xFFC08040u);
    EncodePngFile(folder.Path("Images/Icons") + "TovanIcon64.png", 64, 64, emblem.data());
    Start();
    EXPECT_EQ(device.IconWidth, 64);
    EXPECT_TRUE(LogLines().empty());

    form.reset();
    device.IconWidth = 0;
    folder.Write("Images/Icons/TovanIcon64.png", "not a picture");
    Start();
    EXPECT_EQ(device.IconWidth, 0);
    ASSERT_EQ(LogLines().size(), 1u);
    EXPECT_NE(LogLines()[0].find("TovanIcon64.png"), std::string::npos) << LogLines()[0];
}

TEST_F(Controller, AMissingLevelIsReportedAndTheRoundDoesNotStart) {
    folder.Remove("Levels/Level1-01.zel");
    Start();
    form->LoadMainPictures();
    EXPECT_FALSE(form->StartLevel(1, 1));
    ASSERT_EQ(desktop.Messages.size(), 1u);
    EXPECT_NE(desktop.Messages[0].find("Level1-01.zel"), std::string::npos);
    EXPECT_EQ(form->Scene(), gsCompanyLogos);
}

TEST_F(Controller, UnreadableContentFoldersAreNamedAndOnlyMissingPicturesStopTheStart) {
    std::filesystem::remove_all(folder.Path("Sounds"));
    folder.Remove("Texts");
    folder.Write("Texts"); // a file where a folder belongs
    Start();
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("Texts: not a folder"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("Sounds: No such file"), std::string::npos) << lines[1];
    form.reset();

    std::filesystem::remove_all(folder.Path("Images"));
    EXPECT_THROW(Start(), TFatalError);
    folder.Write("Images");
    try {
        Start();
        ADD_FAILURE() << "a pictures folder that is a file started the game";
    } catch (const TFatalError& fatal) {
        EXPECT_NE(std::string(fatal.what()).find("Images: not a folder"), std::string::npos);
    }
}

// The tables are Latin-1; the window system takes UTF-8.
TEST_F(Controller, TheWindowTitleFromTheTablesReachesTheSystemAsUtf8) {
    folder.Write("Texts/GameTexts.txt", "Tovans Gr\xFC\xDF"
                                        "e\n");
    Start();
    EXPECT_EQ(device.Caption, "Tovans Gr\xC3\xBC\xC3\x9F"
                              "e");
}

TEST_F(Controller, TheTestReportNamesEachMissingPictureOnce) {
    std::vector<std::string> report;
    testReport = [&report](const std::string& line) { report.push_back(line); };
    StartRound();
    form->FormShow();
    RunFor(31 * 3);
    // This folder has the tile backgrounds but not the elements drawn on them.
    auto lines = [&report](std::string_view name) {
        return std::count(report.begin(), report.end(), "missing picture: " + std::string(name));
    };
    EXPECT_EQ(lines(Pictures::ElementsInside), 1);
    EXPECT_EQ(lines(Pictures::BackgroundTile), 0);
}

TEST_F(Controller, TheTestReportCountsTheFramesDrawn) {
    std::vector<std::string> report;
    testReport = [&report](const std::string& line) {
        if (line.rfind("frames: ", 0) == 0) report.push_back(line);
    };
    StartRound();
    form->FormShow();
    for (int tick = 0; tick < 2 * TFormMain::FramesPerTestReport + 10; ++tick)
        form->OmegaTimer1Timer();
    EXPECT_EQ(report, (std::vector<std::string>{
                          "frames: " + std::to_string(TFormMain::FramesPerTestReport),
                          "frames: " + std::to_string(2 * TFormMain::FramesPerTestReport)}));
}

} // namespace
