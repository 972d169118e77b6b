// A world copied from the cache must be the world grown afresh, generator
// state included, whichever worlds came before; the selection markers on the
// tiles are left alone.
#include <gtest/gtest.h>

#include <memory>

#include "ai/world_cache.h"
#include "world/terrain.h"

namespace {

TEST(WorldCache, GivesTheGrownWorldAgainAndFollowsChangesOfSeedOrSize) {
    const auto cache = std::make_unique<WorldCache>();
    const int worlds[][2] = {{12345, 27}, {12345, 27}, {12345, 63}, {777, 63}, {777, 63}, {12345, 27}};
    for (const auto& [seed, size] : worlds) {
        Game grown;
        grown.map.mapSeed = seed, grown.map.mapSize = size;
        Game copied = grown;
        GenerateTerrain(grown);
        copied.rng.Seed(5);  // whatever came before: growing a world reseeds
        Tile& marked = copied.map.tiles[3][4];
        marked.reach = 5, marked.attackMark = 1, marked.terrain = -7;  // the terrain the cached world must put right
        cache->Regrow(copied);
        EXPECT_EQ(grown.rng.state, copied.rng.state);
        EXPECT_EQ(marked.reach * 10 + marked.attackMark, 51);
        marked.reach = grown.map.tiles[3][4].reach, marked.attackMark = grown.map.tiles[3][4].attackMark;
        for (int x = 0; x < size; ++x)
            for (int y = 0; y < size; ++y) ASSERT_EQ(grown.map.tiles[x][y], copied.map.tiles[x][y]) << x << "," << y;
    }
}

}  // namespace
