#pragma once
// Every turn regrows the world from its seed. A run that plays many turns of
// one game (self-play, kvtool advance) grows it once and copies it after: the
// tiles' terrain and pictures and the random generator's state are all that
// growing a world leaves behind.
#include <array>
#include <cstdint>

#include "game/state.h"

class WorldCache {
public:
    // Same effect as GenerateTerrain(game): writes terrain, imageRect and
    // cornerRect of every tile of the map and leaves the generator in the
    // state growing the world leaves it in.
    void Regrow(Game& game);

private:
    struct TileLook {
        int terrain = 0;
        Rect imageRect;
        std::array<Rect, 4> cornerRect{};
    };
    bool valid_ = false;
    int seed_ = 0;
    int size_ = 0;
    uint32_t rngAfter_ = 0;
    std::array<std::array<TileLook, kMaxMapSize>, kMaxMapSize> tiles_{};
};

// What every turn and the game-over view start from: the world of the game's
// seed grown again (copied from the cache when one is given and holds it) and
// the map view's scroll limits for its size.
void RegrowWorld(Game& game, WorldCache* worlds = nullptr);
