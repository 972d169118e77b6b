// The turn hand-over (kHandOverScreen): the game is read back from its file
// and the seat now in turn is sent where it belongs.
#include "screens/hand_over.h"

#include "game/orders.h"
#include "handover/hand_over.h"
#include "platform/run_log.h"
#include "screens/load_game_files.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"

namespace {

constexpr int kPasswordLength = 20;

// Asks until the password is typed exactly; every wrong one is told and
// emptied, so the next try starts clean. The typing is shown as stars.
bool AskPassword(const Player& seat) {
    popupBox.prompt = seat.name;
    popupBox.text.clear();
    popupBox.hint = "ENTER YOUR PASSWORD";
    popupBox.inputShown = 1;
    popupBox.maxLength = kPasswordLength;
    popupBox.masked = 1;
    bool accepted = false;
    while (!accepted && popupBox.RunPopup() == kConfirmed) {
        accepted = popupBox.text == seat.password;
        if (accepted) break;
        GetPlatform().PlaySound(kBuzzerSound);
        popupBox.text.clear();
        popupBox.hint = "WRONG PASSWORD";
    }
    popupBox.masked = 0;
    popupBox.text.clear();
    return accepted;
}

bool ConfirmSeat(const Player& seat, int turn) {
    popupBox.prompt = seat.name;
    popupBox.text = "TURN " + std::to_string(turn);
    popupBox.hint.clear();
    popupBox.inputShown = 0;
    return popupBox.RunPopup() == kConfirmed;
}

// A file that cannot be read no longer ends the program: the players are
// told and go back to the main menu, where they can pick another game.
int UnreadableGame() {
    AppendLog("HandOver(): \"" + theGame.saveFileName + "\" could not be read, back to the main menu");
    display.ClearScreen();
    ShowNotice("THIS GAME CANNOT BE READ", GameLabel(theGame.saveFileName), "THE FILE IS MISSING OR DAMAGED");
    return GoTo(kMainMenuScreen);
}

int HumanSeat() {
    if (!CheckPassword()) return GoTo(kMainMenuScreen);
    DestroyedNotice notice;
    if (TakeHumanSeat(theGame, &notice) == SeatNext::kEndOfTurn) {
        ShowDestroyedNotice(notice);
        return GoTo(kEndTurnScreen);
    }
    return GoTo(kHumanTurnScreen);
}

}  // namespace

bool CheckPassword() {
    if (!NeedsIdentityCheck(theGame)) return true;
    display.ClearScreen();
    const Player& seat = theGame.state.players[theGame.state.currentPlayer];
    if (theGame.state.usePasswords == 0) return ConfirmSeat(seat, theGame.state.turn);
    return AskPassword(seat);
}

int ShowNotice(const std::string& prompt, const std::string& text, const std::string& hint) {
    popupBox.prompt = prompt;
    popupBox.text = text;
    popupBox.hint = hint;
    popupBox.inputShown = 0;
    buttonTable[kPopupCancelButton].state = kButtonHidden;
    const int result = popupBox.RunPopup();
    buttonTable[kPopupCancelButton].state = kButtonActive;
    return result;
}

void ShowDestroyedNotice(const DestroyedNotice& notice) {
    ShowNotice(notice.destroyerName, notice.text, notice.loserName);
}

void ShowDestroyedNotice(int loser) { ShowDestroyedNotice(MakeDestroyedNotice(theGame, loser)); }

void ShowPendingNotices() {
    for (const DestroyedNotice& notice : ShowPendingNotices(theGame)) ShowDestroyedNotice(notice);
}

int HandOverScreen() {
    const std::optional<SeatNext> next = HandOver(theGame);
    if (!next) return UnreadableGame();
    switch (*next) {
        case SeatNext::kGameOver: return GoTo(kGameOverScreen);
        case SeatNext::kEndOfTurn: return GoTo(kEndTurnScreen);
        case SeatNext::kSetUp: return GoTo(kSetupScreen);
        case SeatNext::kComputerTurn: return GoTo(kComputerTurnScreen);
        case SeatNext::kHumanTurn: break;
    }
    return HumanSeat();
}
