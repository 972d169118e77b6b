#include "world/terrain.h"

#include <array>

#include "world/terrain_sheet.h"

namespace {

constexpr int kUnreached = 100;
using LevelGrid = std::array<std::array<int, kMaxMapSize>, kMaxMapSize>;

// The four orthogonal neighbours, in the order the floods visit them.
constexpr int kStepX[4] = {0, 0, -1, 1};
constexpr int kStepY[4] = {-1, 1, 0, 0};

void SeedLattice(Rng& rng, LevelGrid& g, int n) {
    const int k = n / 3;
    for (int i = 0; i < k; ++i)
        for (int j = 0; j < k; ++j)
            if (rng.Below(3) == 0) g[3 * i + 1][3 * j + 1] = rng.Below(3);
}

void SeedClearings(Rng& rng, LevelGrid& g, int n) {
    g[2][2] = g[2][n - 3] = g[n - 3][2] = g[n - 3][n - 3] = -1;
    for (int b = 9; b < n; b += 9) {
        const int c = 1 + rng.Below(b);
        g[c][b + 1 - c] = -1;
        g[c][n - 2 - b + c] = -1;
        g[n - 1 - c][b + 1 - c] = -1;
        g[n - 1 - c][n - 2 - b + c] = -1;
    }
}

// Level by level, every tile at `level` gives its unreached four-neighbours
// level + 1, as a sweep of the whole map per level would. Each tile joins
// exactly one level's list (seeds keep their own values), so the work is one
// visit per tile and no memory is allocated.
class LevelLists {
public:
    static constexpr int kLevels = 70;
    static constexpr int kOffset = 1;  // level -1 is list 0

    LevelLists() { head_.fill(-1); }
    void Add(int level, int tile) {
        next_[tile] = head_[level + kOffset];
        head_[level + kOffset] = tile;
    }
    int First(int level) const { return head_[level + kOffset]; }
    int Next(int tile) const { return next_[tile]; }

private:
    std::array<int, kLevels> head_;
    std::array<int, kMaxMapSize * kMaxMapSize> next_;
};

void Flood(LevelGrid& g, int n, int firstLevel, int lastLevel) {
    LevelLists lists;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            if (g[x][y] >= firstLevel && g[x][y] <= lastLevel) lists.Add(g[x][y], x * kMaxMapSize + y);
    for (int level = firstLevel; level <= lastLevel; ++level) {
        for (int t = lists.First(level); t >= 0; t = lists.Next(t)) {
            const int x = t / kMaxMapSize, y = t % kMaxMapSize;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + kStepX[d], ny = y + kStepY[d];
                if (nx < 0 || ny < 0 || nx >= n || ny >= n || g[nx][ny] != kUnreached) continue;
                g[nx][ny] = level + 1;
                if (level + 1 <= lastLevel) lists.Add(level + 1, nx * kMaxMapSize + ny);
            }
        }
    }
}

bool IsWaterAt(const GameMap& map, int x, int y) {
    return x >= 0 && y >= 0 && x < map.mapSize && y < map.mapSize && map.tiles[x][y].terrain == kWater;
}

void Classify(const LevelGrid& g, GameMap& map) {
    const int n = map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const int v = g[x][y];
            map.tiles[x][y].terrain = v == -1 ? kClearing : (v >= 0 && v <= 4 ? kLand : kWater);
        }
}

void RemoveLoneWater(GameMap& map) {
    const int n = map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            if (map.tiles[x][y].terrain != kWater) continue;
            if (!IsWaterAt(map, x, y - 1) && !IsWaterAt(map, x, y + 1) && !IsWaterAt(map, x - 1, y) &&
                !IsWaterAt(map, x + 1, y))
                map.tiles[x][y].terrain = kLand;
        }
}

// Land far from water and clearings turns rough; every tile that is not
// surely rough spends its draws whether or not it can become rough, which
// keeps the sequence of draws the same for every kind of tile.
void GrowRoughGround(Rng& rng, LevelGrid& g, GameMap& map) {
    const int n = map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) g[x][y] = map.tiles[x][y].terrain == kLand ? kUnreached : 0;
    Flood(g, n, 0, 62);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            Tile& tile = map.tiles[x][y];
            const bool land = tile.terrain == kLand;
            const int level = g[x][y];
            if (land && level >= 6) {
                tile.terrain = kRough;
                continue;
            }
            if (rng.Below(2) == 0 && level >= 5 && land) {
                tile.terrain = kRough;
                continue;
            }
            if (rng.Below(3) == 0 && level >= 4 && land) tile.terrain = kRough;
        }
}

void MarkCrossings(GameMap& map) {
    const int n = map.mapSize;
    for (int x = 1; x < n - 1; ++x)
        for (int y = 1; y < n - 1; ++y) {
            Tile& tile = map.tiles[x][y];
            if (tile.terrain != kLand) continue;
            const bool waterWestEast = IsWaterAt(map, x - 1, y) && IsWaterAt(map, x + 1, y);
            const bool waterNorthSouth = IsWaterAt(map, x, y - 1) && IsWaterAt(map, x, y + 1);
            const bool anyWestEast = IsWaterAt(map, x - 1, y) || IsWaterAt(map, x + 1, y);
            const bool anyNorthSouth = IsWaterAt(map, x, y - 1) || IsWaterAt(map, x, y + 1);
            if (waterWestEast && !anyNorthSouth) tile.terrain = kCrossingHorizontal;
            else if (waterNorthSouth && !anyWestEast) tile.terrain = kCrossingVertical;
        }
}

// Terrain of a neighbour; outside the map counts as land.
int TerrainAt(const GameMap& map, int x, int y) {
    if (x < 0 || y < 0 || x >= map.mapSize || y >= map.mapSize) return kLand;
    return map.tiles[x][y].terrain;
}

// Water or rough ground: plain quarters, curved where the three neighbours
// on that side are all land.
void RoundOffBlock(const GameMap& map, int x, int y, const Rect& plain, const Rect& curved, Tile& tile) {
    auto land = [&](int dx, int dy) { return TerrainAt(map, x + dx, y + dy) == kLand; };
    const bool round[4] = {land(-1, -1) && land(0, -1) && land(-1, 0), land(1, -1) && land(0, -1) && land(1, 0),
                           land(-1, 1) && land(0, 1) && land(-1, 0), land(1, 1) && land(0, 1) && land(1, 0)};
    for (int q = 0; q < 4; ++q) tile.cornerRect[q] = terrain_sheet::Quarter(round[q] ? curved : plain, q);
}

// Land: fill the inner corner where two sides meet rough ground, then,
// taking precedence, where two sides meet water.
void FillLandCorners(const GameMap& map, int x, int y, Tile& tile) {
    struct Meeting {
        int terrain;
        Rect block;
    };
    for (const Meeting meeting : {Meeting{kRough, terrain_sheet::kLandRough}, Meeting{kWater, terrain_sheet::kLandWater}}) {
        const Rect& block = meeting.block;
        auto is = [&](int dx, int dy) { return TerrainAt(map, x + dx, y + dy) == meeting.terrain; };
        if (is(0, -1)) {
            if (is(-1, 0)) tile.cornerRect[0] = terrain_sheet::Quarter(block, 0);
            if (is(1, 0)) tile.cornerRect[1] = terrain_sheet::Quarter(block, 1);
        }
        if (is(0, 1)) {
            if (is(-1, 0)) tile.cornerRect[2] = terrain_sheet::Quarter(block, 2);
            if (is(1, 0)) tile.cornerRect[3] = terrain_sheet::Quarter(block, 3);
        }
    }
}

}  // namespace

void AssignTileImages(GameMap& map) {
    const int n = map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            Tile& tile = map.tiles[x][y];
            switch (tile.terrain) {
                case kClearing: tile.imageRect = terrain_sheet::kClearing; break;
                case kCrossingVertical: tile.imageRect = terrain_sheet::kCrossingNS; break;
                case kCrossingHorizontal: tile.imageRect = terrain_sheet::kCrossingWE; break;
                default: tile.imageRect = terrain_sheet::GroundTile(x, y);
            }
        }
}

void AssignCornerOverlays(GameMap& map) {
    const int n = map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            Tile& tile = map.tiles[x][y];
            tile.cornerRect.fill(terrain_sheet::kNoCorner);
            if (tile.terrain == kWater) RoundOffBlock(map, x, y, terrain_sheet::kWater, terrain_sheet::kWaterCurved, tile);
            else if (tile.terrain == kRough) RoundOffBlock(map, x, y, terrain_sheet::kRough, terrain_sheet::kRoughCurved, tile);
            else if (tile.terrain == kLand) FillLandCorners(map, x, y, tile);
        }
}

void GenerateTerrain(Game& game) {
    GameMap& map = game.map;
    const int n = map.mapSize;
    Rng& rng = game.rng;
    rng.Seed(static_cast<uint32_t>(map.mapSeed));
    LevelGrid g;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) g[x][y] = kUnreached;
    SeedLattice(rng, g, n);
    SeedClearings(rng, g, n);
    Flood(g, n, -1, 63);
    Classify(g, map);
    RemoveLoneWater(map);
    GrowRoughGround(rng, g, map);
    MarkCrossings(map);
    AssignTileImages(map);
    AssignCornerOverlays(map);
}
