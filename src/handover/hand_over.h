#pragma once
// The two turn steps that pass through a saved-game file: every turn, in every
// kind of game, is handed over by writing the file and reading it back. The
// screens play through the game's own file, the headless turn cycle through
// any TurnFile.
#include <optional>
#include <string>

#include "game/state.h"
#include "game/turns.h"
#include "handover/turn_file.h"

// AdvanceSeat, then the game is saved. False when the file could not be
// written: the last good file stays and `problem` says why (the game in
// memory has moved on regardless).
bool EndTurn(Game& game, const TurnFile& file, std::string& problem);
// The same through the game's own file, the failure in the run log.
bool EndTurn(Game& game);

// Reads the game back from the file, then SeatDestination; nothing when the
// file cannot be read (`problem` says why) and the game is left as it was.
std::optional<SeatNext> HandOver(Game& game, const TurnFile& file, std::string& problem);
// The same through the game's own file, the failure in the run log.
std::optional<SeatNext> HandOver(Game& game);
