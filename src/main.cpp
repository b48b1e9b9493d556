// The program: opens the game window through the platform layer and runs the controller until
// the window is closed.
#include "app/UMain.h"
#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "platform/PlatformPaths.h"
#include "platform/SdlEventSource.h"
#include "platform/SdlGraphicsDevice.h"

#include <cstdio>
#include <memory>

int main() {
    TSdlDesktop desktop;
    std::string error;
    auto device = TSdlGraphicsDevice::OpenWindow(GameTitle, GameSpace, false, error);
    if (device == nullptr) {
        desktop.ShowMessage("Error", "The Saga of Tovan cannot start: " + error, true);
        return 1;
    }
    TSdlEventSource events(device.get());
    TSdlClock clock;
    try {
        TFormMain form(
            {*device, events, clock, desktop, ProgramFolder(), UserDataFolder() + "Errors.log"});
        return form.Run();
    } catch (const TFatalError& fatal) {
        desktop.ShowMessage("Error", fatal.what(), true);
        desktop.ShowMessage("Error", "This application will now exit.", true);
        return 1;
    }
}
