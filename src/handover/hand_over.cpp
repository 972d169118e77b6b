#include "handover/hand_over.h"

bool EndTurn(Game& game, const TurnFile& file, std::string& problem) {
    AdvanceSeat(game);
    // Going on from an older file would quietly throw the turn away, and with
    // no older file the hand-over would have nothing to read: the caller must
    // not go on to the hand-over after a turn that could not be saved.
    return file.Save(game, problem);
}

bool EndTurn(Game& game) {
    std::string problem;
    return EndTurn(game, TurnFile::GamesOwn(), problem);
}

std::optional<SeatNext> HandOver(Game& game, const TurnFile& file, std::string& problem) {
    if (!file.Load(game, problem)) return std::nullopt;
    return SeatDestination(game);
}

std::optional<SeatNext> HandOver(Game& game) {
    std::string problem;
    return HandOver(game, TurnFile::GamesOwn(), problem);
}
