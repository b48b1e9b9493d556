#pragma once
// The controller: owns the screen, the frame timer, the image list and the board, and runs the
// frame loop until the window is closed. It grows with the game's scenes.
#include "app/FrameErrorLog.h"
#include "board/GameBoardClass.h"
#include "board/LevelParamsClass.h"
#include "engine/LoadedImageListClass.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaTimer.h"
#include "engine/SpriteTileCountClass.h"
#include "platform/Desktop.h"
#include "platform/GraphicsDevice.h"
#include "platform/PlatformClock.h"
#include "platform/PlatformEvents.h"

#include <memory>
#include <string>

// The platform services the controller runs on: SDL in the game, null ones in tests.
struct TFormPlatform {
    TGraphicsDevice& Device;
    TEventSource& Events;
    TPlatformClock& Clock;
    TDesktop& Desktop;
    std::string ProgramFolder; // ends with '/'
    std::string ErrorLogFile;  // empty: errors go to stderr only
};

class TFormMain {
public:
    // Builds everything: screen on the device, timer, tile counts, the main pictures and the
    // first level's board. Throws TFatalError when the game cannot start.
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
    // One frame (the frame timer's handler).
    void OmegaTimer1Timer();
    void HandleEvent(const TPlatformEvent& event);
    bool Closing() const { return closing_; }

    // Loads a set's ".jpg" files and then its ".png" files, in sorted order; an unloadable
    // set remembers what it loaded.
    void LoadImageSet(int set, bool jpgFiles = true, bool pngFiles = true);

    TOmegaScreen OmegaScreen1;
    TApplicationIdle ApplicationIdle;
    TOmegaTimer OmegaTimer1;
    TOmegaImageList OmegaImageList1{&OmegaScreen1};
    TSpriteTileCount SpriteTileCount;
    TLoadedImageList LoadedImageList;
    TLevelParams LevelParams;
    TGameBoard GameBoard;

private:
    void SceneFrame();
    void StartFirstLevel();

    TFormPlatform platform_;
    TFrameErrorLog errorLog_;
    bool closing_ = false;
};
