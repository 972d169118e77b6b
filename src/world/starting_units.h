#pragma once
#include "game/state.h"

// Places a BASE and four STANDARD units for every open seat in a corner
// drawn at random, and points each such seat's view at its corner, inside
// the scroll limits it sets for the map size.
void PlaceStartingUnits(Game& game);
