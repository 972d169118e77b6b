#include "screens/commands.h"

#include <algorithm>

#include "game/state.h"
#include "screens/hand_over.h"
#include "screens/setup_buttons.h"
#include "shell/screen_loop.h"
#include "shell/settings.h"
#include "shell/shell.h"

namespace {

// A new game of the chosen kind with every default, its set-up buttons
// included, as the first seat will find them.
int NewGame(int gameType) {
    theGame.state.gameType = gameType;
    ResetGameState(theGame);
    ResetSetupButtons(gameType);
    return GoTo(kSetupScreen);
}

// A settings file that cannot be written is told, and the game goes on:
// it only remembers the last game and the scroll delay.
int LaunchSavedGame() {
    if (SaveSettingsOrTell() == kFatal) return kFatal;
    return GoTo(kHandOverScreen);
}

}  // namespace

int SaveSettingsOrTell() {
    if (SaveINI(settings, theGame.saveFileName)) return kStay;
    return ShowNotice("SETTINGS NOT SAVED", "KORVESSA.INI CANNOT BE WRITTEN", "THEY HOLD UNTIL YOU QUIT") == kFatal
               ? kFatal
               : kStay;
}

int ClampedNumber(const std::string& text, int lowest, int highest) {
    return std::clamp(ParseDecimal(text), lowest, highest);
}

int ApplyButtonCommand(int id) {
    if (id >= 4 && id <= 35) return ApplySetupCommand(id);
    if (id >= 43 && id <= 53) return ApplyTurnCommand(id);
    switch (id) {
        case 0: return kCancelled;
        case 1: return kConfirmed;
        case 2: return GoTo(kMainMenuScreen);
        case 3: return LaunchSavedGame();
        case 36: return GoTo(kHelpScreen);
        case 37: return NewGame(kSinglePlayer);
        case 38: return NewGame(kHotSeat);
        case 39: return NewGame(kPlayByMail);
        case 40: return GoTo(kLoadGameScreen);
        // The main menu has already made the last game the current one.
        case 41: return GoTo(kHandOverScreen);
        case 42: return kQuit;
        default: return kStay;
    }
}
