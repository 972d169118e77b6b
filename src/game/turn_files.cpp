// The two turn steps that pass through the saved-game file: every turn, in
// every kind of game, is handed over by writing the file and reading it back.
#include "game/turns.h"
#include "save/saved_game.h"

int EndTurn(Game& game) {
    AdvanceSeat(game);
    // Going on from an older file would quietly throw the turn away, and with
    // no older file the hand-over would have nothing to read: a turn that
    // could not be saved leads back to the main menu, the failure logged.
    return SaveGameToFile(game) ? kHandOverScreen : kMainMenuScreen;
}

int HandOver(Game& game) {
    if (!LoadGameFromFile(game)) return kFatal;
    return SeatDestination(game);
}
