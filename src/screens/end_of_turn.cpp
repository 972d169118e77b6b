// The end of a turn (kEndTurnScreen): the view is kept, the next seat is in
// turn, and the game goes to its file, from which the hand-over reads it.
#include "handover/hand_over.h"
#include "handover/turn_memory.h"
#include "platform/run_log.h"
#include "screens/hand_over.h"
#include "screens/load_game_files.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/display.h"

int EndTurnScreen() {
    // The seat's own memory of this moment, for the report at its next turn;
    // the turn goes on whether or not it could be kept.
    KeepTurnMemory(theGame);
    if (EndTurn(theGame)) return GoTo(kHandOverScreen);
    // The players are told; the last good file is still there to continue from.
    AppendLog("EndTurn(): the turn could not be saved, back to the main menu");
    display.ClearScreen();
    ShowNotice("THE GAME COULD NOT BE SAVED", GameLabel(theGame.saveFileName), "THE LAST SAVED TURN IS KEPT");
    return GoTo(kMainMenuScreen);
}
