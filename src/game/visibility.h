#pragma once
// What a seat can see of the map.
#include <array>
#include <cstdint>

#include "game/state.h"

// [x][y], 1 = seen.
using SightGrid = std::array<std::array<uint8_t, kMaxMapSize>, kMaxMapSize>;

// The tiles within sight of the seat's active units in `state` on a map of
// `mapSize`; the rest of the grid is left clear.
void ComputeSight(const GameState& state, int mapSize, int seat, SightGrid& sight);

// Rebuilds visibleTiles from the sight of the current player's active units.
void ComputeVisibility(Game& game);
