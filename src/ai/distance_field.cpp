#include "ai/distance_field.h"

#include "game/unit_types.h"

namespace {

bool StopsGround(int terrain) { return terrain == kWater || terrain == kRough; }

}  // namespace

void DistanceField::PrepareTerrain(const Game& game) {
    groundTerrain_.fill(kFieldBlocked);
    airTerrain_.fill(kFieldBlocked);
    const int n = game.map.mapSize;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int terrain = game.map.tiles[x][y].terrain;
            const int cell = Cell(x, y);
            groundTerrain_[cell] = airTerrain_[cell] = kFieldUnreached;
            if (StopsGround(terrain))
                groundTerrain_[cell] = kFieldBlocked;
            else if (terrain == kClearing)
                groundTerrain_[cell] = airTerrain_[cell] = 0;
        }
    }
}

void DistanceField::Build(const Game& game, int player, bool groundOnly) {
    ground_ = groundTerrain_;
    if (!groundOnly) air_ = airTerrain_;
    const auto& units = game.state.units;
    const int n = game.map.mapSize;
    // Own units hold their clearings; enemy units are targets wherever they
    // stand. Slot order decides when two units share a tile.
    for (const Unit& u : units) {
        if (u.state != kActive || !OnMap(game, u.x, u.y)) continue;
        const int cell = Cell(u.x, u.y);
        if (u.owner == player) {
            if (game.map.tiles[u.x][u.y].terrain != kClearing) continue;
            ground_[cell] = kFieldBlocked;
            if (!groundOnly) air_[cell] = kFieldBlocked;
        } else {
            ground_[cell] = 0;
            if (!groundOnly) air_[cell] = 0;
        }
    }
    Flood(ground_, n);
    if (!groundOnly) Flood(air_, n);
    for (const Unit& u : units) {
        if (u.state != kActive || !OnMap(game, u.x, u.y)) continue;
        ground_[Cell(u.x, u.y)] = kFieldBlocked;
        if (!groundOnly) air_[Cell(u.x, u.y)] = kFieldBlocked;
    }
}

// A breadth-first flood from every target gives each tile the same value as
// spreading level by level would; like that, it stops after 2n levels.
void DistanceField::Flood(Grid& field, int mapSize) {
    int tail = 0;
    for (int x = 0; x < mapSize; ++x) {
        const int row = Cell(x, 0);
        for (int y = 0; y < mapSize; ++y)
            if (field[row + y] == 0) queue_[tail++] = static_cast<int16_t>(row + y);
    }
    const int lastLevel = 2 * mapSize;
    for (int head = 0; head < tail; ++head) {
        const int cell = queue_[head];
        const int next = field[cell] + 1;
        if (next > lastLevel) break;  // the queue holds levels in order
        for (int neighbour : {cell - 1, cell + 1, cell + kStride, cell - kStride}) {
            if (field[neighbour] != kFieldUnreached) continue;
            field[neighbour] = next;
            queue_[tail++] = static_cast<int16_t>(neighbour);
        }
    }
}

TilePos DistanceField::NextStep(const Grid& field, int x, int y) {
    TilePos answer{x, y};
    int best = field[Cell(x, y)];
    const TilePos tries[4] = {{x, y - 1}, {x, y + 1}, {x + 1, y}, {x - 1, y}};
    for (const TilePos& t : tries) {
        const int value = field[Cell(t.x, t.y)];
        if (value < best) {
            best = value;
            answer = t;
        }
    }
    return answer;
}
