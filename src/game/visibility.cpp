#include "game/visibility.h"

#include <algorithm>

#include "game/unit_types.h"

void ComputeSight(const GameState& state, int mapSize, int seat, SightGrid& sight) {
    for (int x = 0; x < mapSize; ++x)
        for (int y = 0; y < mapSize; ++y) sight[x][y] = 0;
    for (const Unit& u : state.units) {
        if (u.state != kActive || u.owner != seat) continue;
        const int r = TypeSight(u.type);
        for (int x = std::max(0, u.x - r); x <= std::min(mapSize - 1, u.x + r); ++x)
            for (int y = std::max(0, u.y - r); y <= std::min(mapSize - 1, u.y + r); ++y) sight[x][y] = 1;
    }
}

void ComputeVisibility(Game& game) {
    ComputeSight(game.state, game.map.mapSize, game.state.currentPlayer, game.visibleTiles);
}
