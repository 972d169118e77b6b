#pragma once
// The program from start to end: the run log's first lines, the window, the
// start-up values, the display, the screen loop, and on the way out the
// settings file and the display's release.
#include "game/state.h"
#include "shell/screen_loop.h"

// The one game of the run and the values the screens share about it.
extern Game theGame;

inline constexpr const char* kWindowTitle = "Korvessa";
inline constexpr const char* kSavedGamesFolder = "Saved Games";

// Puts the program's shared objects as a fresh run finds them: the game, the
// display, the pop-up box, the button table, the settings (defaults; the file
// is read by StartUp) and the input state. Every run, and every test that
// plays screens, begins here.
void ResetSharedObjects();

// The start-up values after ResetSharedObjects: the settings file over the
// defaults, the display's parameters and the saved-games folder.
void StartUp();

// The program's exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;

// Runs the whole program on the current platform with the given screens.
// kExitDone when the player quit; kExitFailed, with a line on stderr, when
// no window could be opened, the display could not be set up or a screen
// ended the run on a failure other than the window being closed (the run log
// has the details).
int RunGame(const ScreenTable& screens);
