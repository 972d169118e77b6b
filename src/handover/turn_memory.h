#pragma once
// Each local human seat's private memory of a game as it stood when the seat
// last ended its turn, kept in the player's own "Turn Memory" folder and never
// in the saved game (whose layout has no room for a history, and which is
// passed to other players in a game by mail). The turn report compares it
// with the game as the seat's next turn begins.
#include <optional>
#include <string>

#include "game/state.h"
#include "game/turn_changes.h"

inline constexpr const char* kTurnMemoryFolder = "Turn Memory";

// "Turn Memory\\HOTS-GAME-01 SEAT 2.KV1" for seat 1 of "HOTS-GAME-01.KV1".
std::string TurnMemoryPath(const Game& game, int seat);

// Keeps the game as it stands now as the current seat's memory, in the
// saved-game format, when that seat is a living human one playing on a world.
// False (the reason in the run log) when it could not be written; the game
// itself never depends on it.
bool KeepTurnMemory(const Game& game);

// What changed for the current seat since its memory was kept. Nothing when
// there is no memory, or it cannot be read, or it is of another game (name,
// type, start date or world seed differ), of another seat, or not older than
// the game now (a file taken back to an earlier turn).
std::optional<TurnChanges> ChangesSinceLastTurn(const Game& game);
