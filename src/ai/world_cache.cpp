#include "ai/world_cache.h"

#include "world/terrain.h"

void WorldCache::Regrow(Game& game) {
    const int n = game.map.mapSize;
    auto& tiles = game.map.tiles;
    if (valid_ && seed_ == game.map.mapSeed && size_ == n) {
        for (int x = 0; x < n; ++x) {
            for (int y = 0; y < n; ++y) {
                const TileLook& look = tiles_[x][y];
                tiles[x][y].terrain = look.terrain;
                tiles[x][y].imageRect = look.imageRect;
                tiles[x][y].cornerRect = look.cornerRect;
            }
        }
        game.rng.state = rngAfter_;
        return;
    }
    GenerateTerrain(game);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) tiles_[x][y] = {tiles[x][y].terrain, tiles[x][y].imageRect, tiles[x][y].cornerRect};
    valid_ = true;
    seed_ = game.map.mapSeed;
    size_ = n;
    rngAfter_ = game.rng.state;
}

void RegrowWorld(Game& game, WorldCache* worlds) {
    SetScrollLimits(game);
    if (worlds)
        worlds->Regrow(game);
    else
        GenerateTerrain(game);
}
