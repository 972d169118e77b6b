// The computer player's view of the map: distance fields, steps along them
// and the search for enemies in range.
#include <algorithm>

#include "ai/computer_player.h"

void BuildDistanceFields(ComputerTurn& turn, bool groundOnly) {
    turn.field.Build(turn.game, turn.player, groundOnly);
    turn.fieldsDeferred = false;
}

void BuildDeferredFields(ComputerTurn& turn) {
    if (turn.fieldsDeferred) BuildDistanceFields(turn, /*groundOnly=*/true);  // for the placement
}

TilePos NextGroundStep(const ComputerTurn& turn, int slot) {
    const Unit& u = turn.game.state.units[slot];
    return turn.field.NextGroundStep(u.x, u.y);
}

TilePos NextAirStep(const ComputerTurn& turn, int slot) {
    const Unit& u = turn.game.state.units[slot];
    return turn.field.NextAirStep(u.x, u.y);
}

int FindEnemyInRange(const ComputerTurn& turn, int slot, int range) {
    const auto& units = turn.game.state.units;
    const Unit& u = units[slot];
    const int last = turn.game.map.mapSize - 1;
    const int left = std::max(u.x - range, 0), right = std::min(u.x + range, last);
    const int top = std::max(u.y - range, 0), bottom = std::min(u.y + range, last);
    for (int tx = left; tx <= right; ++tx) {
        for (int ty = top; ty <= bottom; ++ty) {
            const int found = turn.occupancy.LowestAt(tx, ty);
            if (found < 0) continue;
            const Unit& other = units[found];
            if (other.owner != u.owner && other.state == kActive) return found;
        }
    }
    return -1;
}
