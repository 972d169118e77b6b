// The main menu (kMainMenuScreen): where every run starts and where a game is
// begun, loaded or continued. Saved games dropped on the window are taken in
// here too.
#include <string>

#include "platform/input.h"
#include "save/saved_game.h"
#include "screens/commands.h"
#include "screens/file_drop.h"
#include "screens/load_game_files.h"
#include "screens/main_menu.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/text.h"

namespace {

const std::vector<ScreenImage> kMainMenuImages = {{kSpriteSlot, kSpriteSheetFile},
                                                  {kBackgroundSlot, "Images\\MainMenu.bmp"}};

void DrawMainMenu() {
    display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
    for (int id = kFirstMainMenuButton; id <= kLastMainMenuButton; ++id) DrawButton(buttonTable[id]);
    DrawText(200, 750, kMainMenuBanner, kSmallFont);
    display.Present();
}

int TakeClick() {
    input.clickPending = 0;
    for (int id = kFirstMainMenuButton; id <= kLastMainMenuButton; ++id) {
        if (!ClickButton(buttonTable[id])) continue;
        if (const int result = MainMenuCommand(id); result != kStay) return result;
    }
    return kStay;
}

}  // namespace

int MainMenuCommand(int id) { return ApplyButtonCommand(id); }

void ShowMainMenuButtons() {
    Button& last = buttonTable[kLastGameButton];
    const std::string& lastGame = settings.lastGame;
    // An empty name would find the folder itself and offer a game that is not there.
    if (!lastGame.empty() && FileExists(SaveGamePath(theGame, lastGame))) {
        theGame.saveFileName = lastGame;
        last.label = GameLabel(lastGame);
        last.state = kButtonActive;
    } else {
        last.state = kButtonHidden;
    }
    buttonTable[kLoadGameButton].state = CountSavedGames() != 0 ? kButtonActive : kButtonHidden;
}

int MainMenuScreen() {
    if (!LoadScreenImages(kMainMenuImages)) return kFatal;
    ShowMainMenuButtons();
    ForgetEarlierDrops();
    PictureWatch watch;
    while (true) {
        if (!PumpMessages(watch) && !RecoverDisplay(kMainMenuImages, watch)) return kFatal;
        DrawMainMenu();
        if (const DropOutcome dropped = TakeDroppedFile(); dropped == DropOutcome::kFatal) {
            return kFatal;
        } else if (dropped == DropOutcome::kCopied) {
            // A game just arrived: LOAD GAME has something to show now.
            buttonTable[kLoadGameButton].state = kButtonActive;
        }
        if (input.clickPending) {
            if (const int result = TakeClick(); result != kStay) return result;
        }
        input.keyPressed = 0;  // the menu has no keys; the next one may come
    }
}
