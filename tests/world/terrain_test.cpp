#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "support/game_builder.h"
#include "world/starting_units.h"
#include "world/terrain.h"

namespace {

// Every tile is marked beforehand, so that one beyond the map shows if it was written.
Game GrowWorld(int seed, int size) {
    Game game;
    for (auto& column : game.map.tiles)
        for (Tile& tile : column) tile.terrain = 4711;
    game.map.mapSeed = seed, game.map.mapSize = size;
    GenerateTerrain(game);
    return game;
}

std::map<int, int> CountTerrain(const GameMap& map) {
    std::map<int, int> counts;
    for (int x = 0; x < map.mapSize; ++x)
        for (int y = 0; y < map.mapSize; ++y) ++counts[map.tiles[x][y].terrain];
    return counts;
}

TEST(GenerateTerrain, WorldsMatchTheirCheckValuesAndStayOnTheMap) {
    struct World { int seed, size; std::map<int, int> counts; };
    const World worlds[] = {
        {12345, 27, {{kClearing, 12}, {kLand, 559}, {kWater, 53}, {kRough, 104}, {kCrossingVertical, 1}}},
        {777, 54, {{kClearing, 24}, {kLand, 1886}, {kWater, 720}, {kRough, 276}, {kCrossingVertical, 4},
                   {kCrossingHorizontal, 6}}},
        {1, 63, {{kClearing, 26}, {kLand, 2471}, {kWater, 927}, {kRough, 529}, {kCrossingVertical, 7},
                 {kCrossingHorizontal, 9}}},
    };
    for (const World& w : worlds) EXPECT_EQ(CountTerrain(GrowWorld(w.seed, w.size).map), w.counts) << w.size;
    const Game tiny = GrowWorld(12345, 27);
    EXPECT_EQ(tiny.rng.state, 3877015868u);
    for (const auto& [x, y] : {std::pair{27, 0}, {0, 27}, {62, 62}}) EXPECT_EQ(tiny.map.tiles[x][y].terrain, 4711);
    for (int x = 0; x < 27; ++x) {
        const int t = tiny.map.tiles[x][2].terrain;
        EXPECT_EQ(t == kClearing, x == 2 || x == 24) << "x=" << x;
        EXPECT_EQ(t == kRough, x == 6 || x == 7) << "x=" << x;
    }
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

// Special terrain has its own cell, other tiles take the ground's cell by
// position; water and land round off against each other in the corners.
TEST(AssignTileImages, PicksCellsAndCornersByTerrainAndPosition) {
    GameMap map = MakeTestGame(kHotSeat).map;  // plain land, 27 tiles square
    map.tiles[3][4].terrain = kClearing;
    map.tiles[5][5].terrain = kCrossingVertical;
    map.tiles[6][5].terrain = kCrossingHorizontal;
    map.tiles[13][8].terrain = kWater;  // a lone pool: every quarter curved
    map.tiles[0][0].terrain = kRough;   // in the corner: outside counts as land
    // land (10,10) has water north and west
    for (const auto& [x, y] : {std::pair{10, 9}, {9, 10}, {9, 9}}) map.tiles[x][y].terrain = kWater;
    AssignTileImages(map);
    AssignCornerOverlays(map);
    EXPECT_EQ(map.tiles[3][4].imageRect, (Rect{0, 448, 64, 512}));
    EXPECT_EQ(map.tiles[5][5].imageRect, (Rect{64, 448, 128, 512}));
    EXPECT_EQ(map.tiles[6][5].imageRect, (Rect{128, 448, 192, 512}));
    EXPECT_EQ(map.tiles[13][8].imageRect, (Rect{64, 128, 128, 192}));
    EXPECT_EQ(map.tiles[13][8].cornerRect[0], (Rect{64, 384, 96, 416}));
    EXPECT_EQ(map.tiles[13][8].cornerRect[3], (Rect{96, 416, 128, 448}));
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
    std::map<int, Unit> baseOf;                  // by owner
    std::set<std::tuple<int, int, int>> placed;  // owner, x offset, y offset
    for (const Unit& u : game.state.units)
        if (u.state == kActive && u.type == kBase) baseOf[u.owner] = u;
    for (const Unit& u : game.state.units)
        if (u.state == kActive && u.type != kBase)
            placed.insert({u.owner, u.x - baseOf[u.owner].x, u.y - baseOf[u.owner].y});
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(CountBases(game, seat), seat < 2 ? 1 : 0) << seat;
    EXPECT_EQ(placed, (std::set<std::tuple<int, int, int>>{{0, 0, -2}, {0, 0, 2}, {0, -2, 0}, {0, 2, 0},
                                                          {1, 0, -2}, {1, 0, 2}, {1, -2, 0}, {1, 2, 0}}));
    // The view of a corner stops at the map's border: 0 on the left, 27 - 13 on the right.
    for (const auto& [owner, base] : baseOf) EXPECT_EQ(game.state.players[owner].viewX, base.x == 2 ? 0 : 14);

    game.map.mapSeed = 8;
    GenerateTerrain(game);
    for (const Unit& u : game.state.units) {
        if (u.state != kActive) continue;
        EXPECT_EQ(game.map.tiles[u.x][u.y].terrain, u.type == kBase ? kClearing : kLand);
    }
}

}  // namespace
