#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "support/game_builder.h"
#include "world/starting_units.h"
#include "world/terrain.h"

namespace {

Game GrowWorld(int seed, int size) {
    Game game;
    game.map.mapSeed = seed, game.map.mapSize = size;
    GenerateTerrain(game);
    return game;
}

Tile Ground(int terrain) { Tile tile; tile.terrain = terrain; return tile; }

std::map<int, int> CountTerrain(const GameMap& map) {
    std::map<int, int> counts;
    for (int x = 0; x < map.mapSize; ++x)
        for (int y = 0; y < map.mapSize; ++y) ++counts[map.tiles[x][y].terrain];
    return counts;
}

TEST(GenerateTerrain, TinyWorldOfSeed12345MatchesItsCheckValues) {
    const Game game = GrowWorld(12345, 27);
    const std::map<int, int> expected = {{kClearing, 12}, {kLand, 559}, {kWater, 53}, {kRough, 104},
                                         {kCrossingVertical, 1}};
    EXPECT_EQ(CountTerrain(game.map), expected);
    EXPECT_EQ(game.rng.state, 3877015868u);
    for (int x = 0; x < 27; ++x) {
        const int t = game.map.tiles[x][2].terrain;
        EXPECT_EQ(t == kClearing, x == 2 || x == 24) << "x=" << x;
        EXPECT_EQ(t == kRough, x == 6 || x == 7) << "x=" << x;
    }
}

TEST(GenerateTerrain, LargerWorldsMatchTheirCheckValues) {
    const std::map<int, int> huge = {{kClearing, 26}, {kLand, 2471}, {kWater, 927}, {kRough, 529},
                                     {kCrossingVertical, 7}, {kCrossingHorizontal, 9}};
    EXPECT_EQ(CountTerrain(GrowWorld(1, 63).map), huge);
    const std::map<int, int> large = {{kClearing, 24}, {kLand, 1886}, {kWater, 720}, {kRough, 276},
                                      {kCrossingVertical, 4}, {kCrossingHorizontal, 6}};
    EXPECT_EQ(CountTerrain(GrowWorld(777, 54).map), large);
}

TEST(GenerateTerrain, TheBorderHoldsNoClearingOrCrossingAndEveryCornerAClearing) {
    for (int size : {27, 36, 45, 54, 63}) {
        const Game game = GrowWorld(31337, size);
        for (int i = 0; i < size; ++i)
            for (const auto& [x, y] : {std::pair{i, 0}, {i, size - 1}, {0, i}, {size - 1, i}}) {
                const int t = game.map.tiles[x][y].terrain;
                EXPECT_TRUE(t == kLand || t == kWater || t == kRough) << size << ": " << x << "," << y;
            }
        for (int x : {2, size - 3})
            for (int y : {2, size - 3}) EXPECT_EQ(game.map.tiles[x][y].terrain, kClearing) << size;
    }
}

TEST(GenerateTerrain, TilesBeyondTheMapAreNeverWritten) {
    Game game;
    for (auto& column : game.map.tiles) column.fill(Ground(4711));
    game.map.mapSeed = 5, game.map.mapSize = 27;
    GenerateTerrain(game);
    EXPECT_EQ(game.map.tiles[27][0].terrain, 4711);
    EXPECT_EQ(game.map.tiles[0][27].terrain, 4711);
    EXPECT_EQ(game.map.tiles[62][62].terrain, 4711);
}

TEST(AssignTileImages, PicksCellsBySpecialTerrainOrPosition) {
    GameMap map;
    map.mapSize = 27;
    for (auto& column : map.tiles) column.fill(Ground(kLand));
    map.tiles[3][4].terrain = kClearing;
    map.tiles[5][5].terrain = kCrossingVertical;
    map.tiles[6][5].terrain = kCrossingHorizontal;
    map.tiles[13][8].terrain = kWater;
    AssignTileImages(map);
    EXPECT_EQ(map.tiles[3][4].imageRect, (Rect{0, 448, 64, 512}));
    EXPECT_EQ(map.tiles[5][5].imageRect, (Rect{64, 448, 128, 512}));
    EXPECT_EQ(map.tiles[6][5].imageRect, (Rect{128, 448, 192, 512}));
    EXPECT_EQ(map.tiles[13][8].imageRect, (Rect{64, 128, 128, 192}));
}

TEST(AssignCornerOverlays, RoundsWaterAndLandAgainstEachOther) {
    GameMap map;
    map.mapSize = 27;
    for (auto& column : map.tiles) column.fill(Ground(kLand));
    map.tiles[5][5].terrain = kWater;  // a lone pool: every quarter curved
    map.tiles[0][0].terrain = kRough;  // in the corner: outside counts as land
    // land (10,10) has water north and west
    for (const auto& [x, y] : {std::pair{10, 9}, {9, 10}, {9, 9}}) map.tiles[x][y].terrain = kWater;
    AssignCornerOverlays(map);
    EXPECT_EQ(map.tiles[5][5].cornerRect[0], (Rect{64, 384, 96, 416}));
    EXPECT_EQ(map.tiles[5][5].cornerRect[3], (Rect{96, 416, 128, 448}));
    EXPECT_EQ(map.tiles[0][0].cornerRect[0], (Rect{256, 384, 288, 416}));
    EXPECT_EQ(map.tiles[10][10].cornerRect[0], (Rect{0, 384, 32, 416}));
    EXPECT_EQ(map.tiles[10][10].cornerRect[1], (Rect{-1, -1, -1, -1}));
    // (9,9) has water east and south, so its south-east quarter stays plain.
    EXPECT_EQ(map.tiles[9][9].cornerRect[3], (Rect{160, 416, 192, 448}));
    EXPECT_EQ(map.tiles[9][9].cornerRect[0], (Rect{64, 384, 96, 416}));
    EXPECT_EQ(map.tiles[20][20].cornerRect[2], (Rect{-1, -1, -1, -1}));
}

TEST(PlaceStartingUnits, FillsOnlyOpenSeatsCornersOnLand) {
    Game game = MakeTestGame(kHotSeat, 27, 1);
    game.rng.Seed(2024);
    PlaceStartingUnits(game);
    // Each open seat's base with a STANDARD unit two tiles off on every side.
    std::set<std::tuple<int, int, int>> placed;  // owner, x offset, y offset
    int bases = 0;
    for (const Unit& u : game.state.units) {
        if (u.state != kActive || u.type == kBase) continue;
        for (const Unit& base : game.state.units)
            if (base.state == kActive && base.type == kBase && base.owner == u.owner)
                placed.insert({u.owner, u.x - base.x, u.y - base.y});
    }
    for (const Unit& u : game.state.units) bases += u.state == kActive && u.type == kBase;
    EXPECT_EQ(bases, 2);
    EXPECT_EQ(placed, (std::set<std::tuple<int, int, int>>{{0, 0, -2}, {0, 0, 2}, {0, -2, 0}, {0, 2, 0},
                                                          {1, 0, -2}, {1, 0, 2}, {1, -2, 0}, {1, 2, 0}}));
    // The view of a corner stops at the map's border: 0 on the left, 27 - 13 on the right.
    for (const Unit& base : game.state.units) {
        if (base.state == kActive && base.type == kBase) {
            EXPECT_EQ(game.state.players[base.owner].viewX, base.x == 2 ? 0 : 14);
        }
    }

    game.map.mapSeed = 8;
    GenerateTerrain(game);
    for (const Unit& u : game.state.units) {
        if (u.state != kActive) continue;
        EXPECT_EQ(game.map.tiles[u.x][u.y].terrain, u.type == kBase ? kClearing : kLand);
    }
}

}  // namespace
