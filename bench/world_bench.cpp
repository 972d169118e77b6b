#include <benchmark/benchmark.h>

#include "world/terrain.h"

namespace {

void BM_GenerateTerrain(benchmark::State& state) {
    Game game;
    game.map.mapSize = static_cast<int>(state.range(0));
    int seed = 1;
    for (auto _ : state) {
        game.map.mapSeed = seed++;
        GenerateTerrain(game);
        benchmark::DoNotOptimize(game.map.tiles[2][2].terrain);
    }
}
BENCHMARK(BM_GenerateTerrain)->Arg(27)->Arg(36)->Arg(45)->Arg(54)->Arg(63)->Unit(benchmark::kMicrosecond);

}  // namespace
