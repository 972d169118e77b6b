#include "game/markers.h"

#include <algorithm>
#include <array>

#include "game/unit_types.h"

namespace {

constexpr int kUnreachable = -1;
constexpr int kImpassable = -100;
constexpr int kEnemyHeld = -200;

bool IsEnemyOf(const Game& game, int slot, int owner) {
    return slot >= 0 && game.state.units[slot].owner != owner;
}

void MarkBuildRing(Game& game, const Unit& base) {
    for (int x = base.x - 1; x <= base.x + 1; ++x) {
        for (int y = base.y - 1; y <= base.y + 1; ++y) {
            if (!OnMap(game, x, y)) continue;
            if (ActiveUnitAt(game, x, y) < 0) game.map.tiles[x][y].buildMark = 1;
        }
    }
}

void MarkTargets(Game& game, const Unit& unit, int range) {
    const int size = game.map.mapSize;
    for (int x = std::max(0, unit.x - range); x <= std::min(size - 1, unit.x + range); ++x) {
        for (int y = std::max(0, unit.y - range); y <= std::min(size - 1, unit.y + range); ++y) {
            if (IsEnemyOf(game, ActiveUnitAt(game, x, y), unit.owner))
                game.map.tiles[x][y].attackMark = 1;
        }
    }
}

// Every tile starts unreachable; ground units also meet terrain they cannot
// enter and enemy units they cannot pass.
void SeedReach(Game& game, int owner, bool flying) {
    const int size = game.map.mapSize;
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            Tile& tile = game.map.tiles[x][y];
            tile.reach = kUnreachable;
            if (flying) continue;
            if (tile.terrain == kRough || tile.terrain == kWater) tile.reach = kImpassable;
            if (IsEnemyOf(game, ActiveUnitAt(game, x, y), owner)) tile.reach = kEnemyHeld;
        }
    }
}

void ExpandTile(Game& game, int x, int y, int k, int speed, int owner, bool flying) {
    static constexpr std::array<std::array<int, 2>, 4> kSteps = {{{0, -1}, {0, 1}, {1, 0}, {-1, 0}}};
    for (const auto& step : kSteps) {
        const int nx = x + step[0];
        const int ny = y + step[1];
        if (!OnMap(game, nx, ny)) continue;
        Tile& next = game.map.tiles[nx][ny];
        if (next.reach != kUnreachable) continue;
        // A ground unit that comes next to an enemy must stop there.
        next.reach = (!flying && EnemyNear(game, nx, ny, owner)) ? speed : k + 1;
    }
}

}  // namespace

void ClearMarkers(Game& game) {
    const int size = game.map.mapSize;
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            Tile& tile = game.map.tiles[x][y];
            tile.reach = kUnreachable;
            tile.buildMark = 0;
            tile.attackMark = 0;
        }
    }
}

void ComputeMarkers(Game& game) {
    const Unit& unit = game.state.units[game.selectedUnit];
    if (unit.type == kBase && unit.owner == game.state.currentPlayer) MarkBuildRing(game, unit);
    if (unit.canAttack == 1) MarkTargets(game, unit, TypeRange(unit.type));
    if (unit.canMove == 1) ComputeReach(game);
}

void ComputeReach(Game& game) {
    const Unit& unit = game.state.units[game.selectedUnit];
    const bool flying = unit.type == kAir;
    const int speed = TypeSpeed(unit.type);
    const int size = game.map.mapSize;
    SeedReach(game, unit.owner, flying);
    game.map.tiles[unit.x][unit.y].reach = 0;
    for (int k = 0; k < speed; ++k) {
        for (int x = std::max(0, unit.x - speed); x <= std::min(size - 1, unit.x + speed); ++x) {
            for (int y = std::max(0, unit.y - speed); y <= std::min(size - 1, unit.y + speed); ++y) {
                if (game.map.tiles[x][y].reach == k) ExpandTile(game, x, y, k, speed, unit.owner, flying);
            }
        }
    }
    // Units may pass their own side's tiles (and AIR any tile) but stop on none.
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            if (ActiveUnitAt(game, x, y) >= 0) game.map.tiles[x][y].reach = kUnreachable;
}
