// The main menu as far as the game goes so far: its picture and its buttons.
// Screens that are not there yet come straight back here.
#include <string>

#include "platform/files.h"
#include "shell/input.h"
#include "shell/shell.h"
#include "screens/screens.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/text.h"

namespace {

const std::vector<ScreenImage> kMainMenuImages = {{kSpriteSlot, kSpriteSheetFile},
                                                  {kBackgroundSlot, "Images\\MainMenu.bmp"}};

constexpr const char* kBanner = "KORVESSA - A GAME OF FOUR FACTIONS FOR ONE TO FOUR PLAYERS";

int ComingBack() { return GoTo(kMainMenuScreen); }

int MainMenuCommand(int id) {
    switch (id) {
        case 36: return GoTo(kHelpScreen);
        case 37: case 38: case 39: return GoTo(kSetupScreen);
        case 40: return GoTo(kLoadGameScreen);
        case kLastGameButton: return GoTo(kHandOverScreen);
        case kExitGameButton: return kQuit;
        default: return kStay;
    }
}

void DrawMainMenu() {
    display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
    for (int id = kMainMenuFirstButton; id <= kMainMenuLastButton; ++id) DrawButton(buttonTable[id]);
    DrawText(200, 750, kBanner, kSmallFont);
    display.Present();
}

int TakeClick() {
    input.clickPending = 0;
    for (int id = kMainMenuFirstButton; id <= kMainMenuLastButton; ++id) {
        if (!ClickButton(buttonTable[id])) continue;
        if (const int result = MainMenuCommand(id); result != kStay) return result;
    }
    return kStay;
}

}  // namespace

int MainMenuScreen() {
    if (!LoadScreenImages(kMainMenuImages)) return kFatal;
    buttonTable[kLastGameButton].state = kButtonHidden;
    buttonTable[40].state = FindGameFiles("Saved Games\\*.KV1").empty() ? kButtonHidden : kButtonActive;
    while (true) {
        if (!PumpMessages() && !RecoverDisplay(kMainMenuImages)) return kFatal;
        DrawMainMenu();
        if (input.clickPending) {
            if (const int result = TakeClick(); result != kStay) return result;
        }
    }
}

ScreenTable GameScreens() {
    ScreenTable screens;
    screens.fill(ComingBack);
    screens[*ScreenIndex(kMainMenuScreen)] = MainMenuScreen;
    return screens;
}
