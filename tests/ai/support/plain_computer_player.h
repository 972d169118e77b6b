#pragma once
// The computer player written the plain way, step by step as the game's
// design tells it: level-by-level floods over the whole map and a scan of the
// whole unit table for every tile looked at. Slow and obviously right; the
// fast player must leave every game exactly as this one does.
#include "game/state.h"

namespace plain {

void RunComputerPlayer(Game& game);

// The ground and air distance of a tile after the last build, for tests of
// the fields themselves.
void BuildDistanceFields(const Game& game);
int GroundDist(int x, int y);
int AirDist(int x, int y);

}  // namespace plain
