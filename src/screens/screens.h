#pragma once
// The screens of the game, one function per screen, as the screen loop calls
// them. Each returns GoTo(the next screen), or kQuit, or kFatal (a failure
// that ends the program).
#include "shell/screen_loop.h"

ScreenTable GameScreens();

int MainMenuScreen();
int LoadGameScreen();
int SetupScreen();
int HandOverScreen();
int EndTurnScreen();
int ComputerTurnScreen();
int RunHumanTurn();
int RunGameOver();
int RunHelpScreen();
int RunDetailsScreen();
