#pragma once
// What a saved game must hold before the game may use it: every value that
// later serves as an index, a size or a code is in range.
#include <string>

#include "game/state.h"

// True when the game is usable; otherwise `problem` says what is wrong.
bool CheckLoadedGame(const GameState& state, int mapSize, std::string& problem);
