#pragma once
// The screens of the game, one function per screen state, as the screen loop
// calls them.
#include "shell/screen_loop.h"

ScreenTable GameScreens();

int MainMenuScreen();
