#include "screens/commands.h"

#include <algorithm>

#include "game/state.h"
#include "screens/hand_over.h"
#include "screens/setup_buttons.h"
#include "shell/screen_loop.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_ids.h"

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
    if (id >= kFirstSetupButton && id <= kLastSetupButton) return ApplySetupCommand(id);
    if (id >= kFirstTurnButton && id <= kLastTurnButton) return ApplyTurnCommand(id);
    switch (id) {
        case kPopupCancelButton: return kCancelled;
        case kPopupOkButton: return kConfirmed;
        case kReturnButton: return GoTo(kMainMenuScreen);
        case kLaunchSavedGameButton: return LaunchSavedGame();
        case kInformationButton: return GoTo(kHelpScreen);
        case kSinglePlayerButton: return NewGame(kSinglePlayer);
        case kHotSeatButton: return NewGame(kHotSeat);
        case kPlayByMailButton: return NewGame(kPlayByMail);
        case kLoadGameButton: return GoTo(kLoadGameScreen);
        // The main menu has already made the last game the current one.
        case kLastGameButton: return GoTo(kHandOverScreen);
        case kExitGameButton: return kQuit;
        default: return kStay;
    }
}
