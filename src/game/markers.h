#pragma once
// The tile markers of the selected unit: where it may move, attack, or (for a
// base) place a new unit.
#include "game/state.h"

// reach = -1, buildMark = attackMark = 0 on every tile of the map.
void ClearMarkers(Game& game);
// Sets the build, attack and move markers of the selected unit.
void ComputeMarkers(Game& game);
// Fills reach for the selected unit: the breadth-first flood of its moves.
void ComputeReach(Game& game);
