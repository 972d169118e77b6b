#pragma once
// The two turn steps that pass through the game's saved-game file: every
// turn, in every kind of game, is handed over by writing the file and
// reading it back.
#include <optional>

#include "game/state.h"
#include "game/turns.h"

// AdvanceSeat, then the game is saved. False when the file could not be
// written: the last good file stays, the failure is in the run log.
bool EndTurn(Game& game);

// Reads the game back from its file, then SeatDestination; nothing when the
// file cannot be read (the reason is in the run log).
std::optional<SeatNext> HandOver(Game& game);
