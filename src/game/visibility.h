#pragma once
// What the current player can see of the map.
#include "game/state.h"

// Rebuilds visibleTiles from the sight of the current player's active units.
void ComputeVisibility(Game& game);
