#pragma once
// The screens of the game, one function per screen state, as the screen loop
// calls them. Each returns the next state plus 100, or 13 (quit) or 14 (a
// failure that ends the program).
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
