// Which function runs each screen state. States whose screen is not in the
// game yet come straight back to the main menu instead of ending the run.
#include "screens/screens.h"

namespace {

int BackToMainMenu() { return GoTo(kMainMenuScreen); }

}  // namespace

ScreenTable GameScreens() {
    ScreenTable screens;
    screens.fill(BackToMainMenu);
    screens[*ScreenIndex(kMainMenuScreen)] = MainMenuScreen;
    screens[*ScreenIndex(kLoadGameScreen)] = LoadGameScreen;
    screens[*ScreenIndex(kHandOverScreen)] = HandOverScreen;
    screens[*ScreenIndex(kEndTurnScreen)] = EndTurnScreen;
    screens[*ScreenIndex(kComputerTurnScreen)] = ComputerTurnScreen;
    return screens;
}
