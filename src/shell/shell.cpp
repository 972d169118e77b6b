#include "shell/shell.h"

#include "platform/files.h"
#include "platform/platform.h"
#include "shell/input.h"
#include "shell/run_log.h"
#include "shell/settings.h"
#include "ui/button_table.h"
#include "ui/display.h"

Game theGame;

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kOffscreenSurfaces = 3;

// The rules take their clock and sounds from the platform, so a test's
// virtual clock drives a whole game.
void ConnectGameHooks() {
    theGame.hooks.tickCount = [] { return GetPlatform().TickCount(); };
    theGame.hooks.playSound = [](const std::string& file) { GetPlatform().PlaySound(file); };
}

}  // namespace

void StartUp() {
    SetDefaultSettings(settings);
    LoadINI(settings);
    display.screenWidth = kScreenWidth;
    display.screenHeight = kScreenHeight;
    display.bitsPerPixel = settings.colourDepth;
    display.offscreenCount = kOffscreenSurfaces;
    CreateGameFolder(kSavedGamesFolder);  // an existing folder is fine; a failure shows when saving
    theGame.saveFileName.clear();
    InitButtons();
}

int RunGame(const ScreenTable& screens) {
    StartLog(kWindowTitle);
    AppendLog(LongDateText());
    Window* window = GetPlatform().CreateMainWindow(kWindowTitle);
    if (!window) return 0;
    display.WinHandle = window;
    ResetInput();
    ConnectGameHooks();
    StartUp();
    if (!display.Setup()) return 0;
    RunScreens(screens);
    SaveINI(settings, theGame.saveFileName);
    display.Shutdown();
    return 0;
}
