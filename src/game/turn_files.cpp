// The two turn steps that pass through the saved-game file: every turn, in
// every kind of game, is handed over by writing the file and reading it back.
#include "game/turns.h"
#include "save/saved_game.h"

int EndTurn(Game& game) {
    AdvanceSeat(game);
    // A failed write is in the run log; the hand-over then reads back the
    // file as it was last written and play goes on from there.
    SaveGameToFile(game);
    return kHandOverScreen;
}

int HandOver(Game& game) {
    if (!LoadGameFromFile(game)) return kFatal;
    return SeatDestination(game);
}
