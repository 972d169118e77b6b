#include "game/visibility.h"

#include <algorithm>

#include "game/unit_types.h"

void ComputeVisibility(Game& game) {
    const int size = game.map.mapSize;
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) game.visibleTiles[x][y] = 0;
    for (int i = 0; i < kMaxUnits; ++i) {
        const Unit& u = game.state.units[i];
        if (u.state != kActive || u.owner != game.state.currentPlayer) continue;
        const int r = UnitSight(game, i);
        for (int x = std::max(0, u.x - r); x <= std::min(size - 1, u.x + r); ++x)
            for (int y = std::max(0, u.y - r); y <= std::min(size - 1, u.y + r); ++y)
                game.visibleTiles[x][y] = 1;
    }
}
