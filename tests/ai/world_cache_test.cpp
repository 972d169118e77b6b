// A world copied from the cache must be the world grown afresh, generator
// state included, whichever worlds came before.
#include <gtest/gtest.h>

#include <memory>

#include "ai/world_cache.h"
#include "world/terrain.h"

namespace {

Game WithWorld(int seed, int size) {
    Game game;
    game.map.mapSeed = seed;
    game.map.mapSize = size;
    return game;
}

void ExpectSameWorld(const Game& grown, const Game& copied) {
    EXPECT_EQ(grown.rng.state, copied.rng.state);
    const int n = grown.map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) ASSERT_EQ(grown.map.tiles[x][y], copied.map.tiles[x][y]) << x << "," << y;
}

TEST(WorldCache, GivesTheGrownWorldAgainAndFollowsChangesOfSeedOrSize) {
    const auto cache = std::make_unique<WorldCache>();
    const struct {
        int seed, size;
    } worlds[] = {{12345, 27}, {12345, 27}, {12345, 63}, {777, 63}, {777, 63}, {12345, 27}};
    for (const auto& w : worlds) {
        Game grown = WithWorld(w.seed, w.size);
        GenerateTerrain(grown);
        Game copied = WithWorld(w.seed, w.size);
        copied.rng.Seed(5);  // whatever came before: growing a world reseeds
        cache->Regrow(copied);
        ExpectSameWorld(grown, copied);
    }
}

TEST(WorldCache, LeavesTheSelectionMarkersAlone) {
    const auto cache = std::make_unique<WorldCache>();
    Game game = WithWorld(1, 36);
    cache->Regrow(game);
    game.map.tiles[3][4].reach = 5;
    game.map.tiles[3][4].attackMark = 1;
    game.map.tiles[3][4].terrain = -7;  // anything the cached world must put right
    cache->Regrow(game);
    EXPECT_EQ(game.map.tiles[3][4].reach, 5);
    EXPECT_EQ(game.map.tiles[3][4].attackMark, 1);
    Game grown = WithWorld(1, 36);
    GenerateTerrain(grown);
    EXPECT_EQ(game.map.tiles[3][4].terrain, grown.map.tiles[3][4].terrain);
}

}  // namespace
