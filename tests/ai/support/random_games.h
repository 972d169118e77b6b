#pragma once
// Random game states for testing the computer player: a grown world (now and
// then broken up, or walled into long winding roads), up to four seats of any
// faction and level, and units scattered over the map in any density, never
// two active ones on a tile, with the odd explosion still on the board.
#include <cstdint>

#include "game/state.h"

enum class Density { kSparse, kMedium, kCrowded };

// A game whose current seat is a computer seat ready to play its turn.
Game MakeRandomGame(uint32_t seed, int mapSize, Density density);

// Hands the turn to the next open, living seat as the cycle would, making it
// a computer seat; now and then the units are readied as a human turn would.
void PassToNextComputerSeat(Game& game, uint32_t seed);
