#pragma once
// The computer player written the plain way, step by step as the game's
// design tells it: level-by-level floods over the whole map and a scan of the
// whole unit table for every tile looked at. Slow and obviously right; the
// fast player must leave every game exactly as this one does.
#include "game/state.h"

namespace plain {

void RunComputerPlayer(Game& game);

}  // namespace plain
