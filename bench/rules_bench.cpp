// The reach flood and the visibility scan on a crowded HUGE map: every query
// scans the whole unit table, so this is the worst the turn screen meets
// after each click.
#include <benchmark/benchmark.h>

#include "game/markers.h"
#include "game/orders.h"
#include "game/visibility.h"

namespace {

Game CrowdedHugeMap() {
    Game game;
    game.state.gameType = kHotSeat;
    ResetGameState(game);
    game.map.mapSize = 63;
    for (auto& column : game.map.tiles)
        for (Tile& tile : column) tile.terrain = kLand;
    for (int i = 0; i < kMaxUnits; ++i) CreateUnit(game, (i * 7) % 63, (i * 13) % 63, i % 2, kStandard);
    game.state.units[0].type = kAir;
    game.state.units[0].x = 31;
    game.state.units[0].y = 31;
    game.selectedUnit = 0;
    game.unitSelected = 1;
    return game;
}

void BM_RefreshSelectionOfAnAirUnit(benchmark::State& state) {
    Game game = CrowdedHugeMap();
    for (auto _ : state) {
        RefreshSelection(game);
        benchmark::DoNotOptimize(game.map.tiles[31][21].reach);
    }
}
BENCHMARK(BM_RefreshSelectionOfAnAirUnit);

void BM_ComputeVisibility(benchmark::State& state) {
    Game game = CrowdedHugeMap();
    for (auto _ : state) {
        ComputeVisibility(game);
        benchmark::DoNotOptimize(game.visibleTiles[0][0]);
    }
}
BENCHMARK(BM_ComputeVisibility);

}  // namespace
