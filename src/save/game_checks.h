#pragma once
// What a saved game must hold before the game may use it: every value that
// later serves as an index, a size or a code is in range, and the game is in
// a state that play can reach (the game's invariants). Anything else is a
// damaged or foreign file.
#include <string>

#include "game/state.h"

// True when the game is usable; otherwise `problem` says what is wrong.
bool CheckLoadedGame(const GameState& state, int mapSize, std::string& problem);
