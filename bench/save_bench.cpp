#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "save/saved_game.h"

namespace {

// A crowded game: every one of the 240 slots holds an active unit.
GameState CrowdedGame() {
    Game game;
    game.hooks.tickCount = [] { return 1u; };
    game.state.gameType = kPlayByMail;
    ResetGameState(game);
    game.state.startDate = "TUESDAY, MARCH 14, 1995, 12:41:29";
    game.state.terrainName = "DESERT.BMP";
    for (int i = 0; i < kMaxUnits; ++i) CreateUnit(game, i % 63, i / 63, i % 4, i % 2 ? kStandard : kTank);
    return game.state;
}

void BM_EncodeSavedGame(benchmark::State& state) {
    const GameState game = CrowdedGame();
    Rng rng;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeSavedGame(game, 1234, 63, 77, rng));
}
BENCHMARK(BM_EncodeSavedGame)->Unit(benchmark::kMicrosecond);

void BM_DecodeSavedGame(benchmark::State& state) {
    Rng rng;
    const std::string bytes = EncodeSavedGame(CrowdedGame(), 1234, 63, 77, rng);
    LoadedGame game;
    std::string problem;
    for (auto _ : state) benchmark::DoNotOptimize(DecodeSavedGame(bytes, game, problem));
}
BENCHMARK(BM_DecodeSavedGame)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The whole round through the disk, as every end of turn and hand-over does.
void BM_SaveAndLoadFile(benchmark::State& state) {
    Game game;
    game.state = CrowdedGame();
    game.map.mapSeed = 1234;
    game.map.mapSize = 63;
    game.hooks.tickCount = [] { return 5u; };
    game.saveFolder = "/tmp";
    game.saveFileName = "kv-bench-" + std::to_string(getpid()) + ".KV1";
    for (auto _ : state) {
        if (!SaveGameToFile(game) || !LoadGameFromFile(game)) state.SkipWithError("file round trip failed");
    }
    std::remove(("/tmp/" + game.saveFileName).c_str());
}
BENCHMARK(BM_SaveAndLoadFile)->Unit(benchmark::kMicrosecond);

}  // namespace
