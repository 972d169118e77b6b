// Which function runs each screen state.
#include "screens/screens.h"

ScreenTable GameScreens() {
    ScreenTable screens;
    screens[*ScreenIndex(kHelpScreen)] = RunHelpScreen;
    screens[*ScreenIndex(kMainMenuScreen)] = MainMenuScreen;
    screens[*ScreenIndex(kLoadGameScreen)] = LoadGameScreen;
    screens[*ScreenIndex(kSetupScreen)] = SetupScreen;
    screens[*ScreenIndex(kHandOverScreen)] = HandOverScreen;
    screens[*ScreenIndex(kGameOverScreen)] = RunGameOver;
    screens[*ScreenIndex(kEndTurnScreen)] = EndTurnScreen;
    screens[*ScreenIndex(kHumanTurnScreen)] = RunHumanTurn;
    screens[*ScreenIndex(kComputerTurnScreen)] = ComputerTurnScreen;
    return screens;
}
