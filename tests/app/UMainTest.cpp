// The controller on the null platform: frames paced by a hand-driven clock, the board drawn
// centred from the main pictures, failing frames skipped cleanly, and the close request.
#include "app/UMain.h"

#include "TempFolder.h"
#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "platform/RecordingGraphicsDevice.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

// Throws from the next quad it is asked to draw.
struct TFailingDevice : TRecordingGraphicsDevice {
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
        form = std::make_unique<TFormMain>(TFormPlatform{device, events, clock, desktop,
                                                         folder.Path(), folder.Path() + "err.log"});
    }
    ~Controller() override {
        form.reset();
        ReleaseRandomSeed();
    }
    // Runs loop passes over the given game time, one every millisecond.
    void RunFor(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock.AdvanceMs(1);
            form->RunLoopPass();
        }
    }
    int LogLines() {
        std::ifstream log(folder.Path() + "err.log");
        int lines = 0;
        for (std::string line; std::getline(log, line);) ++lines;
        return lines;
    }

    TTempFolder folder;
    TFailingDevice device;
    TQueuedEventSource events;
    TManualClock clock;
    TRecordingDesktop desktop;
    std::unique_ptr<TFormMain> form;
};

TEST_F(Controller, DrawsTheCentredBoardThirtyThreeTimesASecond) {
    EXPECT_EQ(form->OmegaImageList1.ImageList.Count(), 1);
    EXPECT_EQ(BoardScreenOrigin(), (TPoint{266, 95})); // no level file: the full default board
    form->FormShow();
    RunFor(1000);
    EXPECT_EQ(device.FramesPresented, 32); // passes 1 ms apart: a tick every 31 ms
    const auto backgrounds = device.QuadsOf("BackgroundTile");
    ASSERT_EQ(backgrounds.size(), 16u * 12u);
    EXPECT_EQ(form->GameBoard.Left, 266);
    EXPECT_EQ(form->GameBoard.Top, 95);
    EXPECT_EQ(device.Caption, "The Saga of Tovan");
}

TEST_F(Controller, AFailingFrameIsSkippedCleanlyAndLoggedOnce) {
    form->FormShow();
    RunFor(31);
    ASSERT_EQ(device.FramesPresented, 1);
    for (int i = 0; i < 2; ++i) {
        device.FailNextQuad = true;
        RunFor(31);
    }
    EXPECT_EQ(device.FramesAbandoned, 2);
    EXPECT_FALSE(form->OmegaScreen1.SceneBegun());
    EXPECT_EQ(LogLines(), 1); // the same error twice is logged once
    RunFor(31);
    EXPECT_EQ(device.FramesPresented, 2); // the next frame draws again
    device.FailNextQuad = true;
    device.Fatal = true;
    EXPECT_THROW(RunFor(31), TFatalError);
    EXPECT_FALSE(form->OmegaScreen1.SceneBegun());
}

TEST_F(Controller, CloseRequestEndsTheLoop) {
    TPlatformEvent close;
    close.Kind = TEventKind::CloseRequested;
    events.Push(close);
    EXPECT_EQ(form->Run(), 0);
    EXPECT_FALSE(form->OmegaTimer1.Enabled());
}

} // namespace
