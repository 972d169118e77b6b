#include "handover/hand_over.h"

#include "save/saved_game.h"

bool EndTurn(Game& game) {
    AdvanceSeat(game);
    // Going on from an older file would quietly throw the turn away, and with
    // no older file the hand-over would have nothing to read: the caller must
    // not go on to the hand-over after a turn that could not be saved.
    return SaveGameToFile(game);
}

std::optional<SeatNext> HandOver(Game& game) {
    if (!LoadGameFromFile(game)) return std::nullopt;
    return SeatDestination(game);
}
