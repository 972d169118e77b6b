#include "shell/shell.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "platform/run_log.h"
#include "shell/settings.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"

Game theGame;

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kOffscreenSurfaces = 3;

// While the program runs, the rules take their clock and sounds from the
// platform, so a test's virtual clock drives a whole game. Afterwards the
// game is left on the system clock, as it started, since the platform may
// be gone.
class GameHooksOnPlatform {
public:
    GameHooksOnPlatform() : saved_(theGame.hooks) {
        theGame.hooks.tickCount = [] { return GetPlatform().TickCount(); };
        theGame.hooks.playSound = [](const std::string& file) { GetPlatform().PlaySound(file); };
    }
    ~GameHooksOnPlatform() { theGame.hooks = saved_; }
    GameHooksOnPlatform(const GameHooksOnPlatform&) = delete;
    GameHooksOnPlatform& operator=(const GameHooksOnPlatform&) = delete;

private:
    GameHooks saved_;
};

int Failed(const char* what) {
    std::fprintf(stderr, "korvessa: %s\n", what);
    return kExitFailed;
}

}  // namespace

void ResetSharedObjects() {
    theGame = Game{};
    display = Display{};
    popupBox = PopupBox{};
    InitButtons(buttonTable, kFactionNames);
    SetDefaultSettings(settings);
    ResetInput();
}

void StartUp() {
    LoadINI(settings);  // over the defaults ResetSharedObjects put down
    display.screenWidth = kScreenWidth;
    display.screenHeight = kScreenHeight;
    display.bitsPerPixel = settings.colourDepth;
    display.offscreenCount = kOffscreenSurfaces;
    CreateGameFolder(kSavedGamesFolder);  // an existing folder is fine; a failure shows when saving
}

int RunGame(const ScreenTable& screens) {
    StartLog(kWindowTitle);
    AppendLog(LongDateText());
    ResetSharedObjects();
    Window* window = GetPlatform().CreateMainWindow(kWindowTitle);
    if (!window) return Failed("cannot open a window: there is no display to show the game on");
    display.WinHandle = window;
    const GameHooksOnPlatform hooks;
    StartUp();
    if (!display.Setup()) return Failed("the display could not be set up (Run.log has the details)");
    const int last = RunScreens(screens);
    SaveINI(settings, theGame.saveFileName);
    display.Shutdown();
    // Closing the window ends the screens the way a failure does, but it is
    // the player's own way out.
    if (last == kFatal && !window->IsDestroyed()) return Failed("stopped after a failure (Run.log has the details)");
    return kExitDone;
}
